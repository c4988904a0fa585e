// The three-file drivers on files built in code: every element classified in table order, one
// error per element with a code, the "Elément BDU" rule only with the plan's BDU flag.
#include "standard/ctrl_elementsV3.h"

#include <gtest/gtest.h>

#include "standard/element_table.h"
#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;

namespace {

class CtrlElementsV3 : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u); }
};

const verelement& ligneDe(const verfichier& f, host::ElementId id) {
  const std::int32_t i = element_rechercherParId(f.elements, id);
  EXPECT_GE(i, 0) << id;
  return f.elements.at(static_cast<std::size_t>(std::max(i, 0)));
}

// The electricity and other-networks files of a built plan, open, through their drivers at the
// scale class given.
struct ReseauxClasses {
  ModeleOuvert el2, ar2;
  verfichier e, a;
  std::vector<vererreur> erreurs;
  ReseauxClasses(const pf::PlanTroisFichiersConstruit& r, std::uint32_t version)
      : el2(r.el2, L"plan.EL2"), ar2(r.ar2, L"plan.AR2") {
    verplanfichiers fichiers;
    fichiers.version = static_cast<std::int32_t>(version);
    e.modele = el2.modele();
    e.role = roleElectricite;
    a.modele = ar2.modele();
    a.role = roleAutres;
    ctrl_elementsElecV3(erreurs, e, fichiers);
    ctrl_elementsAutreV3(erreurs, a, fichiers);
  }
};

TEST_F(CtrlElementsV3, TheSamplerOfTheCleanBackgroundTakesItsCategoriesAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    pf::PlanTroisFichiers p = pf::planTroisFichiers(version);
    p.echantillon = true;
    pf::PlanTroisFichiersConstruit r = pf::construire(p);
    ModeleOuvert ouvert(r.fp2, L"plan.FP2");
    verplanfichiers fichiers;
    fichiers.version = static_cast<std::int32_t>(version);
    verfichier f;
    f.modele = ouvert.modele();
    f.role = roleFond;
    f.nomFichier = L"plan.FP2";
    std::vector<vererreur> erreurs;
    ctrl_elementsFdpV3(erreurs, f, fichiers);
    EXPECT_TRUE(erreurs.empty());
    EXPECT_EQ(f.elements.size(), r.fp2.file().models.front().size());
    const std::pair<host::ElementId, std::wstring> attendus[] = {
        {r.idCadre, L"Cadre"},
        {r.idFdp, L"Cartouche - IDFDP"},
        {r.idBatiment, L"Bâtiment"},
        {r.echantillon.route, L"Route"},
        {r.echantillon.arbre, L"Arbre"},
        {r.echantillon.racsec, L"Raccord de plans"},
        {r.echantillon.textePropFdp, L"Texte propriétaire de fond de plan"},
        {r.echantillon.annotation, L"Annotation diverse"},
        {r.echantillon.cotation, L"Flèche annotation diverse"},
        {r.echantillon.pt, L"Point de construction (Limites et hydro)"},
    };
    for (const auto& [id, categorie] : attendus) EXPECT_EQ(ligneDe(f, id).categorie, categorie);
    for (const verelement& e : f.elements) EXPECT_FALSE(e.categorie.empty()) << e.idElement;
  }
}

TEST_F(CtrlElementsV3, TheNetworkSamplersTakeTheirCategoriesAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanTroisFichiersConstruit r = pf::construire(pf::planTroisFichiersEchantillon(version));
    const ReseauxClasses c(r, version);
    const verfichier& e = c.e;
    const verfichier& a = c.a;
    EXPECT_TRUE(c.erreurs.empty());
    const pf::EchantillonEL2& s = r.echantillonEL2;
    const std::pair<host::ElementId, std::wstring> attendusEL2[] = {
        {r.idEle, L"Cartouche - IDELE"},        {s.cableBT, L"Câble BT Classe A"},
        {s.jonctionBT, L"Jonction BT"},         {s.texteBT, L"Texte câble BT"},
        {s.coteBT, L"Cote levée BT"},           {s.cableHTA, L"Câble HTA Classe A"},
        {s.ptrlSource, L"PTRL source"},         {s.drapeauHTA, L"Drapeau 2 entrées (HTA)"},
    };
    for (const auto& [id, categorie] : attendusEL2) EXPECT_EQ(ligneDe(e, id).categorie, categorie);
    const pf::EchantillonAR2& t = r.echantillonAR2;
    const std::pair<host::ElementId, std::wstring> attendusAR2[] = {
        {r.idAut, L"Cartouche - IDAUT"}, {t.cableEP, L"Câble EP"}, {t.cableVDC, L"Câble VDC"},
        {t.jonctionEP, L"Jonction EP"},  {t.ptrl, L"PTRL publié"},
    };
    for (const auto& [id, categorie] : attendusAR2) EXPECT_EQ(ligneDe(a, id).categorie, categorie);
  }
}

// A background file with three faults: a wrong cell, a wrong road, a text on Réservé_4.
struct FondFautif {
  fx::DesignBuilder b;
  host::ElementId cellule, route, texte, bon;
  FondFautif() {
    pf::definirNiveaux(b, L"plan.FP2");
    const host::LevelId routes = *b.file().levelId(L"Routes");
    bon = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(routes).colour(5).style(1));
    texte = b.add(fx::text(L"a", {0, 0, 0}).level(*b.file().levelId(L"Réservé_4")));
    cellule = b.add(fx::cell(L"XYZ", {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})}).level(*b.file().levelId(L"SymbolesFixes")));
    route = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(routes).colour(2).style(1));
  }
};

TEST_F(CtrlElementsV3, OneErrorPerElementWithACodeInTableOrder) {
  FondFautif fond;
  ModeleOuvert ouvert(fond.b, L"plan.fp2");
  verfichier f;
  f.modele = ouvert.modele();
  f.role = roleFond;
  f.nomFichier = L"plan.fp2";
  f.elements.resize(5);  // rebuilt from nothing
  verplanfichiers fichiers;
  fichiers.version = 1;
  std::vector<vererreur> erreurs(1);  // appended to
  ctrl_elementsFdpV3(erreurs, f, fichiers);
  ASSERT_EQ(erreurs.size(), 4u);
  EXPECT_EQ(f.elements.size(), 4u);
  const struct {
    host::ElementId id;
    std::uint32_t code, type;
    std::wstring objet, complement;
  } attendus[] = {
      {fond.texte, 2031, 17, L"", L""},
      {fond.cellule, 2041, 2, L"", L"XYZ"},
      {fond.route, 2033, 3, L"Route", L""},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    const vererreur& e = erreurs[i + 1];
    EXPECT_EQ(e.fichier, L"PLAN.FP2");
    EXPECT_EQ(e.idElement, attendus[i].id);
    EXPECT_EQ(e.code, attendus[i].code);
    EXPECT_EQ(e.extra, attendus[i].type);
    EXPECT_EQ(e.objet, attendus[i].objet);
    EXPECT_EQ(e.complement, attendus[i].complement);
    EXPECT_FALSE(e.aPosition);
    EXPECT_FALSE(e.message.empty());
  }

  // The same file in a BDU plan: the wrong cell and road are BDU elements; Réservé_4 is exempt.
  fichiers.fondBDU = true;
  erreurs.clear();
  ctrl_elementsFdpV3(erreurs, f, fichiers);
  ASSERT_EQ(erreurs.size(), 1u);
  EXPECT_EQ(erreurs[0].code, 2031u);
  EXPECT_EQ(ligneDe(f, fond.route).categorie, L"Elément BDU");
  EXPECT_EQ(ligneDe(f, fond.cellule).categorie, L"Elément BDU");
  EXPECT_EQ(ligneDe(f, fond.bon).categorie, L"Route");
}

TEST_F(CtrlElementsV3, AFileWithoutModelGivesAnEmptyTableAndNoError) {
  verfichier f;
  f.role = roleElectricite;
  f.elements.resize(2);
  verplanfichiers fichiers;
  std::vector<vererreur> erreurs;
  ctrl_elementsFdpV3(erreurs, f, fichiers);
  ctrl_elementsElecV3(erreurs, f, fichiers);
  ctrl_elementsAutreV3(erreurs, f, fichiers);
  EXPECT_TRUE(f.elements.empty());
  EXPECT_TRUE(erreurs.empty());
}

TEST_F(CtrlElementsV3, TheElectricityAndOtherNetworksDriversBuildTheirTables) {
  const pf::PlanTroisFichiersConstruit r = pf::construire(pf::planTroisFichiers());
  const ReseauxClasses c(r, 1);
  EXPECT_EQ(c.e.elements.size(), r.el2.file().models.front().size());
  EXPECT_EQ(c.a.elements.size(), r.ar2.file().models.front().size());
  EXPECT_TRUE(c.erreurs.empty());
}

}  // namespace
