// The fixture plans hold the facts that every later plan test relies on.
#include "engine/fixture/plan_fixture.h"

#include <gtest/gtest.h>


#include "engine/emprise_polygone.h"
#include "toolbox/stb_str.h"

namespace pf = plan_fixture;
using host::Point3d;

namespace {

// The first range of the lines whose first fields are those given, in metres.
host::Range3d plage(const std::vector<std::wstring>& lignes, const std::wstring& cle1, const std::wstring& cle2, int premier) {
  for (const auto& ligne : lignes) {
    std::vector<std::wstring> champs;
    stbStr_decouper(champs, ligne, L";");
    if (static_cast<int>(champs.size()) < premier + 4) continue;
    if (champs[premier - 2] != cle1 || champs[premier - 1] != cle2) continue;
    return host::Range3d::from({stbStr_versReel(champs[premier]), stbStr_versReel(champs[premier + 1]), 0},
                               {stbStr_versReel(champs[premier + 2]), stbStr_versReel(champs[premier + 3]), 0});
  }
  return {};
}

const host::Element& element(const host::fixture::DesignBuilder& b, host::ElementId id) {
  const host::Element* e = b.file().models.at(0).find(id);
  if (!e) throw std::runtime_error("element not found");
  return *e;
}

TEST(PlanFixture, OneFilePlanAgreesWithItsNameAndTheParameterFiles) {
  for (std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanUnique plan = pf::planUnique(version);
    const std::wstring& n = plan.nomFichier;
    ASSERT_EQ(n.size(), 12u);
    EXPECT_EQ(plan.champs[pf::texteInsee], n.substr(0, 2) + n.substr(9, 3));
    EXPECT_EQ(plan.champs[pf::texteRivoli], n.substr(4, 4));
    EXPECT_EQ(plan.champs[pf::texteFolio].substr(0, 3), n.substr(2, 2) + L"/");
    EXPECT_EQ(plan.champs[pf::texteEchelleQualite].substr(0, 3), version == 2 ? L"500" : L"200");

    const pf::PlanUniqueConstruit c = pf::construire(plan);
    const host::Element& cadre = element(c.fichier, c.idCadre);
    const host::Element& cartouche = element(c.fichier, c.idCartouche);
    EXPECT_EQ(cadre.cell->name, version == 2 ? L"A4X45" : L"A4X4");
    EXPECT_EQ(cadre.cell->scale.x, version == 2 ? 5.0 : 2.0);
    EXPECT_GT(cadre.cell->origin.x / pf::uorParMetre, 10000.0);
    const host::LevelMask masque = emprise_masqueNiveaux();
    EXPECT_FALSE(masque.testLevel(cadre.level));
    EXPECT_FALSE(masque.testLevel(cartouche.level));
    EXPECT_EQ(c.fichier.file().level(cartouche.level)->name, L"Cart+habillage");

    // The title block lies in its department and projection as the parameter files give them.
    const Point3d o = cartouche.cell->origin * (1.0 / pf::uorParMetre);
    EXPECT_TRUE(plage(pf::lignesDepartements(), L"44", L"C47", 2).containsXY(o));
    EXPECT_TRUE(plage(pf::lignesProjections(), L"C47", L"47", 3).containsXY(o));
  }
}

TEST(PlanFixture, ThreeFilePlanFrameAndCellsAreWhereTheStandardPutsThem) {
  for (std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanTroisFichiers plan = pf::planTroisFichiers(version);
    const pf::PlanTroisFichiersConstruit c = pf::construire(plan);
    const host::Element& cadre = element(c.fp2, c.idCadre);
    EXPECT_EQ(cadre.cell->scale.x, version == 2 ? 5.0 : 2.0);
    EXPECT_EQ(cadre.cell->rotation, host::RotMatrix::identity());
    EXPECT_EQ(cadre.cell->origin, pf::uor(plan.contour[3]));
    const host::Element* forme = nullptr;
    for (const auto& enfant : cadre.children)
      if (enfant.type == host::ElementType::Shape) {
        forme = &enfant;
        break;
      }
    ASSERT_NE(forme, nullptr);
    ASSERT_EQ(forme->points.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(forme->points[i], pf::uor(plan.contour[i]));

    const struct {
      const host::fixture::DesignBuilder& fichier;
      host::ElementId id;
      const wchar_t* nom;
    } cellules[] = {{c.fp2, c.idFichFP2, L"IDFICH"}, {c.fp2, c.idLoc, L"IDLOC"}, {c.fp2, c.idFdp, L"IDFDP"},
                    {c.fp2, c.idVoies.at(0), L"IDVOIE"}, {c.el2, c.idFichEL2, L"IDFICH"}, {c.el2, c.idEle, L"IDELE"},
                    {c.ar2, c.idFichAR2, L"IDFICH"}, {c.ar2, c.idAut, L"IDAUT"}};
    for (const auto& cellule : cellules) {
      const host::Element& e = element(cellule.fichier, cellule.id);
      EXPECT_EQ(e.cell->name, cellule.nom);
      EXPECT_EQ(cellule.fichier.file().level(e.level)->name, L"CellulesEchanges");
      const Point3d attendu = plan.origineCadre + Point3d{pf::decalageIdentification(cellule.nom, version), 0, 0};
      EXPECT_LT(e.cell->origin.distance(pf::uor(attendu)), 1e-6) << cellule.nom;
    }
    // The IDLOC cell lies in the department and projection of its code.
    const Point3d loc = element(c.fp2, c.idLoc).cell->origin * (1.0 / pf::uorParMetre);
    EXPECT_TRUE(plage(pf::lignesDepartements(), L"44", plan.idLoc[3], 2).containsXY(loc));
  }
}

}  // namespace
