// The background file of a three-file plan through the driver: the clean plan and its sampler
// pass the background rule book, and each one-change variant gives exactly its one error row.
#include <gtest/gtest.h>

#include <functional>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "engine/rapport.h"
#include "host/paths.h"

namespace {

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

class PlanVerifierFond : public ::testing::Test {
 public:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dossier_ = boost::filesystem::current_path() / "PlanVerifierFond" / test;
    boost::filesystem::remove_all(dossier_);
    contexte_.repertoire = host::paths::fromNative(dossier_) + L"/";
    contexte_.repLivre = contexte_.repertoire + L"Livre/";
    ASSERT_TRUE(pf::parametrerContexte(contexte_, contexte_.repertoire + L"Parametres"));
  }
  void TearDown() override { host::closeActiveFile(); }

  // The plan built, edited, delivered alone in Livre and verified.
  verplan verifier(const pf::PlanTroisFichiers& p, const std::function<void(pf::PlanTroisFichiersConstruit&)>& modifier = {}) {
    boost::filesystem::remove_all(host::paths::toNative(contexte_.repLivre));
    pf::PlanTroisFichiersConstruit r = pf::construire(p);
    if (modifier) modifier(r);
    EXPECT_FALSE(pf::enregistrer(r, p.nom, contexte_.repLivre).fp2.empty());
    verplan plan;
    plan.nom = p.nom;
    plan.type = 2;
    plan.version = static_cast<std::int32_t>(p.version);
    plan_verifier(plan, 1, contexte_, 0);
    // The sampler's cables end in the open and its joints meet none: the cable-topology findings
    // of its electricity file are no business of the background's rules.
    std::erase_if(plan.erreurs, [](const vererreur& e) { return e.code >= 2061 && e.code <= 2067; });
    return plan;
  }

  vercontexte contexte_;
  boost::filesystem::path dossier_;
};

// Edits one element of the background file in place.
void editer(pf::PlanTroisFichiersConstruit& r, host::ElementId id, const std::function<void(host::Element&)>& f) {
  host::Model& m = r.fp2.file().models.front();
  host::Element e = *m.find(id);
  f(e);
  ASSERT_TRUE(m.replace(e));
}

host::LevelId niveau(pf::PlanTroisFichiersConstruit& r, const wchar_t* nom) { return *r.fp2.file().levelId(nom); }

// A point inside the sheet of the clean plan at 1:200, in UORs.
Point3d dans(double x, double y) { return pf::uor(pf::planTroisFichiers().contour.front() + Point3d{x, y, 0}); }

TEST_F(PlanVerifierFond, TheCleanPlanAndItsSamplerPassAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    for (const bool avecEchantillon : {false, true}) {
      SCOPED_TRACE(testing::Message() << version << " " << avecEchantillon);
      // The sampler's title block dates the networks it draws.
      const verplan plan =
          verifier(avecEchantillon ? pf::planTroisFichiersEchantillon(version) : pf::planTroisFichiers(version));
      EXPECT_TRUE(plan.erreurs.empty());
      EXPECT_EQ(plan.statuts[0], avecEchantillon ? 1 : 0);
      EXPECT_EQ(plan.statuts[1], 2) << "the drawing rules ran";
    }
  }
}

TEST_F(PlanVerifierFond, EachVariantGivesItsOneErrorRow) {
  const std::wstring fp2 = pf::planTroisFichiers().nom + L".FP2";
  const struct {
    const char* pourquoi;
    std::function<host::ElementId(pf::PlanTroisFichiersConstruit&)> modifier;  // the faulty element's id
    std::uint32_t code;
    std::uint32_t type;
    std::wstring categorie, complement;
  } cas[] = {
      {"an element on Réservé_4",
       [](auto& r) { return r.fp2.add(fx::line(dans(60, 70), dans(70, 70)).level(niveau(r, L"Réservé_4"))); }, 2031, 3,
       L"", L""},
      {"a text on Spits+txt",
       [](auto& r) { return r.fp2.add(fx::text(L"12", dans(60, 72)).level(niveau(r, L"Spits+txt"))); }, 2032, 17, L"",
       L""},
      {"an FSPIT on SymbolesFixes",
       [](auto& r) {
         return r.fp2.add(fx::cell(L"FSPIT", dans(62, 72), {fx::line(dans(62, 72), dans(63, 72))}).level(niveau(r, L"SymbolesFixes")).colour(4));
       },
       2041, 2, L"", L"FSPIT"},
      {"a cell FACCE3 on Divers",
       [](auto& r) {
         return r.fp2.add(fx::cell(L"FACCE3", dans(64, 72), {fx::line(dans(64, 72), dans(65, 72))}).level(niveau(r, L"Divers")));
       },
       2041, 2, L"", L"FACCE3"},
      {"a building of colour 3",
       [](auto& r) {
         editer(r, r.idBatiment, [](host::Element& e) { e.colour = 3; });
         return r.idBatiment;
       },
       2033, 6, L"Bâtiment", L""},
      {"an axis in the road-edge style",
       [](auto& r) {
         const std::int32_t style = r.fp2.lineStyle(L"ST_FDP_LCHAUS");
         return r.fp2.add(fx::line(dans(60, 75), dans(90, 75)).level(niveau(r, L"Axe de voie")).colour(5).style(style)
                              .styleParams({2.0}));
       },
       2034, 3, L"Axe de voie", L""},
      {"an axis in its style at scale 1.0",
       [](auto& r) {
         const std::int32_t style = r.fp2.lineStyle(L"ST_FDP_AXEVOIE");
         return r.fp2.add(fx::line(dans(60, 76), dans(90, 76)).level(niveau(r, L"Axe de voie")).colour(5).style(style)
                              .styleParams({1.0}));
       },
       2035, 3, L"Axe de voie", L""},
      {"a road of weight 2",
       [](auto& r) {
         editer(r, r.echantillon.route, [](host::Element& e) { e.weight = 2; });
         return r.echantillon.route;
       },
       2037, 4, L"Route", L""},
      {"a RACSEC at scale 2.0",
       [](auto& r) {
         editer(r, r.echantillon.racsec, [](host::Element& e) { e.cell->scale = {2.0, 2.0, 2.0}; });
         return r.echantillon.racsec;
       },
       2042, 2, L"Raccord de plans", L"RACSEC"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::ElementId id = 0;
    const verplan plan =
        verifier(pf::planTroisFichiersEchantillon(), [&](pf::PlanTroisFichiersConstruit& r) { id = c.modifier(r); });
    ASSERT_EQ(plan.erreurs.size(), 1u);
    const vererreur& e = plan.erreurs.front();
    EXPECT_EQ(e.fichier, fp2);
    EXPECT_EQ(e.code, c.code);
    EXPECT_EQ(e.idElement, id);
    EXPECT_EQ(e.extra, c.type);
    EXPECT_EQ(e.objet, c.categorie);
    EXPECT_EQ(e.complement, c.complement);
    EXPECT_FALSE(e.aPosition);
    EXPECT_EQ(plan.statuts[0], 1);
    EXPECT_EQ(plan.statuts[1], 2);
  }
}

TEST_F(PlanVerifierFond, ABduBackgroundKeepsOnlyTheErrorsOfItsExemptLevels) {
  pf::PlanTroisFichiers p = pf::planTroisFichiersEchantillon();
  p.idFdp[1] = L"BDU";
  host::ElementId texte = 0;
  verplan plan = verifier(p, [&](pf::PlanTroisFichiersConstruit& r) {
    editer(r, r.echantillon.route, [](host::Element& e) { e.colour = 2; });
    texte = r.fp2.add(fx::text(L"QUOREL", dans(60, 80)).level(niveau(r, L"TxtPropFdp")).colour(3));
  });
  ASSERT_EQ(plan.erreurs.size(), 1u);
  EXPECT_EQ(plan.erreurs[0].code, 2033u);
  EXPECT_EQ(plan.erreurs[0].idElement, texte);
  EXPECT_EQ(plan.erreurs[0].objet, L"Texte propriétaire de fond de plan");
  // Its row of the errors CSV.
  EXPECT_EQ(rapport_ligneErreur(plan.erreurs[0]),
            pf::planTroisFichiers().nom + L".FP2;" + std::to_wstring(texte) + L";" +
                std::to_wstring(plan.erreurs[0].niveau) + L";2033;" + plan.erreurs[0].message +
                L";;0.000;0.000;Texte propriétaire de fond de plan");
}

}  // namespace
