// Continuation of the plan's cables in the neighbouring plans: coordinate systems declared and
// carried, abandoned ends, the neighbour's cells, and the models that are passed over.
#include "networks/reseau_voisins.h"

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/tests/harnais_reseau.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

class VoisinsReseau : public harnais::Graphe {
 protected:
  void SetUp() override {
    harnais::Graphe::SetUp();
    description_ = pf::planReseau();
    construit_ = pf::construire(description_);
  }
  // The network plan, with what `changer` adds, opened as the plan of the search.
  verplaninfo ouvrirPlan(const std::wstring& systeme = L"RGF93.CC47") {
    return plan(ouvrir(construit_.fichier, description_.nomFichier), 1, systeme);
  }
  // The answer for the end of a piece of the plan.
  std::uint8_t demander(std::wstring& nom, std::uint64_t& id, std::uint64_t piece, const std::vector<host::ModelRef>& voisins,
                        const verplaninfo& p) {
    return geo_extremiteVoisine(nom, id, piece, 0, catalogueV2_, catalogueV3_, voisins, p);
  }

  pf::PlanUnique description_;
  pf::PlanUniqueConstruit construit_;
  const std::vector<veraccessoire> catalogueV2_ = cable_listeAccessoires(1);
  const std::vector<veraccessoire> catalogueV3_ = cable_listeAccessoires(2);
};

TEST_F(VoisinsReseau, DeclaredAndCarriedCoordinateSystems) {
  struct Cas {
    const char* pourquoi;
    const wchar_t* projection;  // drawn in
    const wchar_t* systeme;     // carried by the neighbour's file
    const wchar_t* clePlan;     // the plan's key
    bool continue_;
  };
  const std::vector<Cas> cas = {
      {"same system", L"C47", L"RGF93.CC47", L"RGF93.CC47", true},
      {"drawn in L93 and carrying it: found once reprojected", L"L93", L"IGN-RGF93", L"RGF93.CC47", true},
      {"drawn in L93, carrying the plan's system: the points do not meet", L"L93", L"RGF93.CC47", L"RGF93.CC47", false},
      {"drawn in L93, carrying none: searched at the plan's points", L"L93", L"", L"RGF93.CC47", false},
      {"drawn in C47, carrying none: the plan's points", L"C47", L"", L"RGF93.CC47", true},
      {"a plan key the host does not know: never searched unreprojected", L"L93", L"IGN-RGF93", L"XYZ", false},
      {"a plan key the host does not know, a neighbour without system", L"C47", L"", L"XYZ", true},
      {"a plan without key", L"L93", L"IGN-RGF93", L"", false},
  };
  const host::ModelRef modele = ouvrir(construit_.fichier, description_.nomFichier);
  for (std::size_t k = 0; k < cas.size(); ++k) {
    const Cas& c = cas[k];
    SCOPED_TRACE(c.pourquoi);
    const pf::VoisinUnique voisin = pf::voisinEstUnique(description_, c.projection, c.systeme);
    const host::ModelRef mv = ouvrir(voisin.construit.fichier, L"cas" + std::to_wstring(k) + L"/" + voisin.plan.nomFichier);
    const verplaninfo p = plan(modele, 1, c.clePlan);
    for (std::size_t i = 0; i < construit_.reseau.bordure.size(); ++i) {
      std::wstring nom;
      std::uint64_t id = 0;
      EXPECT_EQ(demander(nom, id, construit_.reseau.bordure[i], {mv}, p), c.continue_ ? 1 : 0);
      EXPECT_EQ(id, c.continue_ ? voisin.continuations.troncons[i] : 0u);
      EXPECT_EQ(nom, c.continue_ ? L"44020450.109" : L"");
    }
  }
}

TEST_F(VoisinsReseau, ModelsPassedOverAndAnswersLeftAsTheyWere) {
  const verplaninfo p = ouvrirPlan();
  pf::VoisinUnique voisin = pf::voisinEstUnique(description_, L"C47", L"RGF93.CC47");
  const host::ModelRef pasUnPlan = ouvrir(voisin.construit.fichier, L"voisin.dgn");
  host::ModelRef ferme = ouvrir(voisin.construit.fichier, L"ferme/44020450.109");
  host::closeWorkFile(ferme);
  pf::abandonnerContinuation(voisin, 1);
  const host::ModelRef abandon = ouvrir(voisin.construit.fichier, L"abandon/44020450.109");
  const std::vector<host::ModelRef> sansReponse = {host::ModelRef{}, ferme, pasUnPlan, abandon};

  // A node asked again keeps its earlier neighbour beside an answer 0.
  std::wstring nom = L"AUTRE";
  std::uint64_t id = 42;
  EXPECT_EQ(demander(nom, id, construit_.reseau.bordure[1], sansReponse, p), 0) << "an abandoned end continues nothing";
  EXPECT_EQ(nom, L"AUTRE");
  EXPECT_EQ(id, 42u);
  EXPECT_EQ(demander(nom, id, construit_.reseau.bordure[0], sansReponse, p), 1) << "the live ones still do";
  EXPECT_EQ(id, voisin.continuations.troncons[0]);
  EXPECT_EQ(demander(nom, id, 999999, sansReponse, p), 0) << "a piece that cannot be read";
}

// A cable ending on a cabinet of the neighbour continues in it; ending inside a joint's outline
// continues only when that end is not farther from the joint's origin than the piece's other end.
TEST_F(VoisinsReseau, CellsOfTheNeighbour) {
  pf::CrayonReseau plan(construit_.fichier, 1, description_.echelleCadre);
  const Point3d q = pf::uor(description_.origineCadre + Point3d{20, -5, 0});
  const Point3d p = q + Point3d{0.6, 0, 0};
  const host::ElementId court = plan.cable(fx::line(q, p), pf::NatureCable::BT);
  const verplaninfo info = ouvrirPlan();

  fx::DesignBuilder voisin;
  pf::definirNiveaux(voisin, L"44020450.109");
  voisin.header().coordinateSystem = L"RGF93.CC47";
  pf::CrayonReseau crayon(voisin, 1, description_.echelleCadre);
  const Point3d bord = construit_.reseau.extremitesBordure[1];
  const host::ElementId coffret = crayon.cellule(L"COELEC", bord + Point3d{500.5, 0, 0}, 500, 300);
  const host::ElementId derriere = crayon.cellule(L"JONBT", p - Point3d{0.8, 0, 0}, 600, 600);
  const host::ModelRef mv = ouvrir(voisin, L"44020450.109");
  const host::ModelRef seul = [&] {
    fx::DesignBuilder devant;
    pf::definirNiveaux(devant, L"44020450.109");
    pf::CrayonReseau(devant, 1, 2.0).cellule(L"JONBT", p + Point3d{0.8, 0, 0}, 600, 600);
    return ouvrir(devant, L"devant/44020450.109");
  }();

  std::wstring nom;
  std::uint64_t id = 0;
  EXPECT_EQ(demander(nom, id, construit_.reseau.bordure[1], {mv}, info), 1);
  EXPECT_EQ(id, coffret);
  id = 0;
  EXPECT_EQ(demander(nom, id, court, {mv}, info), 0) << "the joint's origin lies behind the piece";
  EXPECT_EQ(id, 0u);
  EXPECT_NE(id, derriere);
  EXPECT_EQ(demander(nom, id, court, {seul}, info), 1) << "the joint's origin lies ahead of the piece";
}

}  // namespace
