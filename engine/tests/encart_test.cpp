// Insets: which outlines are insets, the agenda handed to the host, the inside test, and driver
// step 15.4 on the network file's table.
#include "engine/encart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture_encarts.h"
#include "engine/plan_etapes.h"
#include "engine/plan_verifier.h"
#include "host/clock.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace {

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

class Encarts : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dossier_ = boost::filesystem::current_path() / "Encarts" / test;
    boost::filesystem::remove_all(dossier_);
    boost::filesystem::create_directories(dossier_);
  }
  void TearDown() override {
    for (host::ModelRef m : ouverts_) host::closeWorkFile(m);
    boost::filesystem::remove_all(dossier_);
  }

  // Saves the file and opens it read-only; the record of a plan of that kind on it.
  verplaninfo ouvrir(const fx::DesignBuilder& fichier, std::uint32_t type) {
    const std::wstring chemin = host::paths::fromNative(dossier_ / ("plan" + std::to_string(ouverts_.size())));
    verplaninfo plan;
    plan.type = type;
    if (!pf::sauver(fichier, chemin)) {
      ADD_FAILURE() << "not saved";
      return plan;
    }
    host::ModelRef m;
    EXPECT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin, L"", true), host::kSuccess);
    ouverts_.push_back(m);
    plan.modelePrincipal = m;
    plan.modeleTheme = m;
    return plan;
  }

  boost::filesystem::path dossier_;
  std::vector<host::ModelRef> ouverts_;
};

// A point of the clean one-file plan's content, metres from its lower corner, in UORs.
Point3d contenu(double x, double y) { return pf::uor(pf::etendueContenu(pf::planUnique()).low + Point3d{x, y, 0}); }

host::ElementAgenda agendaDe(const verplaninfo& plan) {
  host::ElementAgenda agenda;
  encart_remplirAgenda(agenda, plan);
  return agenda;
}

std::int32_t dedans(const verplaninfo& plan, host::ElementId id) {
  return encart_contientElement(host::ElementHandle(id, plan.modeleTheme), agendaDe(plan));
}

TEST_F(Encarts, OneFilePlanShapesComplexShapesAndEllipsesOfTheInsetSymbology) {
  const pf::PlanUnique description = pf::planUnique();
  pf::PlanUniqueConstruit c = pf::construire(description);
  const std::vector<pf::Encart> encarts = pf::ajouterEncarts(c, description);
  const host::LevelId habillage = *c.fichier.file().levelId(L"Cart+habillage");
  // Colour 3 on the inset level, and an inset outline of another type: no inset.
  c.fichier.add(fx::rectangle(contenu(70, 5), contenu(80, 15)).level(habillage).colour(3));
  c.fichier.add(fx::lineString({contenu(90, 5), contenu(100, 5), contenu(100, 15), contenu(90, 5)}).level(habillage));
  const host::ElementId dansCarre = c.fichier.add(fx::line(contenu(12, 7), contenu(18, 13)));
  const host::ElementId dansComplexe = c.fichier.add(fx::text(L"T", contenu(35, 10)));
  const host::ElementId dansEllipse = c.fichier.add(fx::line(contenu(54, 9), contenu(56, 11)));
  // In the ellipse's range, outside the ellipse.
  const host::ElementId coinEllipse = c.fichier.add(fx::line(contenu(50.2, 5.2), contenu(50.6, 5.6)));
  const host::ElementId croiseCarre = c.fichier.add(fx::line(contenu(5, 10), contenu(15, 10)));
  const host::ElementId loin = c.fichier.add(fx::line(contenu(120, 20), contenu(130, 20)));
  const host::ElementId dansColore = c.fichier.add(fx::line(contenu(72, 7), contenu(78, 13)));

  verplaninfo plan = ouvrir(c.fichier, 1);
  plan.encarts = {77};  // emptied first
  encart_collecter(plan);
  ASSERT_EQ(plan.encarts, (std::vector<std::uint64_t>{encarts[0].id, encarts[1].id, encarts[2].id}));

  EXPECT_EQ(agendaDe(plan).size(), 3u);
  for (host::ElementId id : {dansCarre, dansComplexe, dansEllipse, croiseCarre}) EXPECT_EQ(dedans(plan, id), 0) << id;
  for (host::ElementId id : {coinEllipse, loin, dansColore, host::ElementId{999999}})
    EXPECT_EQ(dedans(plan, id), 0x8000) << id;
  EXPECT_EQ(encart_contientElement(host::ElementHandle(dansCarre, plan.modeleTheme), {}), 0x8000) << "empty agenda";

  // The range test spares the clip: an element far from every inset builds none.
  const std::uint64_t avant = encart_nombreClips();
  EXPECT_EQ(dedans(plan, loin), 0x8000);
  EXPECT_EQ(encart_nombreClips(), avant);

  // An inset the host can no longer read is left out of the agenda.
  plan.encarts.insert(plan.encarts.begin(), 424242);
  EXPECT_EQ(agendaDe(plan).size(), 3u);
}

TEST_F(Encarts, WithoutThemeModelOrInsetLevelThereIsNoInset) {
  fx::DesignBuilder sansNiveau;
  sansNiveau.level(L"Autre", 5);
  sansNiveau.add(fx::rectangle({0, 0, 0}, {1000, 1000, 0}));  // level 0, symbology 0
  sansNiveau.add(fx::rectangle({0, 0, 0}, {1000, 1000, 0}).level(5));
  const host::ElementId ligne = sansNiveau.add(fx::line({100, 100, 0}, {200, 200, 0}));
  verplaninfo plan = ouvrir(sansNiveau, 1);
  encart_collecter(plan);
  EXPECT_TRUE(plan.encarts.empty());
  EXPECT_TRUE(agendaDe(plan).empty());
  EXPECT_EQ(dedans(plan, ligne), 0x8000);

  verplaninfo sansTheme = plan;
  sansTheme.modeleTheme = {};
  sansTheme.encarts = {1, 2};
  EXPECT_TRUE(agendaDe(sansTheme).empty());
  encart_collecter(sansTheme);
  EXPECT_TRUE(sansTheme.encarts.empty());

  verplaninfo autreSorte = plan;
  autreSorte.type = 0;  // no inset level for this kind of plan
  encart_collecter(autreSorte);
  EXPECT_TRUE(autreSorte.encarts.empty());
}

TEST_F(Encarts, DegenerateAndSelfCrossingOutlinesDoNotCrash) {
  fx::DesignBuilder b;
  const host::LevelId n = b.level(L"Cart+habillage", 7);
  b.add(fx::shape({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}).level(n));                          // a point
  b.add(fx::shape({{0, 0, 0}, {1000, 0, 0}, {2000, 0, 0}}).level(n));                    // flat
  b.add(fx::shape({{0, 0, 0}, {1000, 1000, 0}, {1000, 0, 0}, {0, 1000, 0}}).level(n));   // a bow tie
  b.add(fx::ellipse({500, 500, 0}, 0.0, 0.0).level(n));
  const host::ElementId ligne = b.add(fx::line({100, 400, 0}, {200, 450, 0}));
  const host::ElementId loin = b.add(fx::line({5000, 5000, 0}, {6000, 6000, 0}));
  verplaninfo plan = ouvrir(b, 1);
  encart_collecter(plan);
  EXPECT_EQ(plan.encarts.size(), 4u);
  const std::int32_t r = dedans(plan, ligne);
  EXPECT_TRUE(r == 0 || r == 0x8000);
  EXPECT_EQ(dedans(plan, loin), 0x8000);
}

TEST_F(Encarts, TheStepSetsBackToOneTheNewElementsInsideAnInset) {
  const pf::PlanTroisFichiers description = pf::planTroisFichiers();
  pf::PlanTroisFichiersConstruit c = pf::construire(description);
  pf::ajouterEncart(c, description);
  const Point3d coin = description.contour.front();
  const host::ElementId dans1 = c.el2.add(fx::line(pf::uor(coin + Point3d{22, 22, 0}), pf::uor(coin + Point3d{28, 28, 0})));
  const host::ElementId dans2 = c.el2.add(fx::line(pf::uor(coin + Point3d{23, 22, 0}), pf::uor(coin + Point3d{28, 27, 0})));
  const host::ElementId dans3 = c.el2.add(fx::line(pf::uor(coin + Point3d{24, 22, 0}), pf::uor(coin + Point3d{28, 26, 0})));
  const host::ElementId dehors = c.el2.add(fx::line(pf::uor(coin + Point3d{40, 22, 0}), pf::uor(coin + Point3d{48, 28, 0})));
  verplaninfo plan = ouvrir(c.el2, 2);
  plan.masqueTheme = 62;

  verfichier reseau;
  reseau.modele = plan.modeleTheme;
  auto element = [](host::ElementId id, std::uint32_t etat) {
    verelement e;
    e.idElement = id;
    e.etatControle = etat;
    return e;
  };
  // New inside, unchanged inside, marked inside, new outside, unreadable.
  reseau.elements = {element(dans1, 2), element(dans2, 1), element(dans3, 3), element(dehors, 2), element(999999, 2)};
  etape_encarts(plan, reseau);
  EXPECT_EQ(plan.encarts.size(), 1u);
  std::vector<std::uint32_t> etats;
  for (const verelement& e : reseau.elements) etats.push_back(e.etatControle);
  EXPECT_EQ(etats, (std::vector<std::uint32_t>{1, 1, 1, 2, 2}));

  // Without insets nothing changes.
  reseau.elements = {element(dans1, 2)};
  verplaninfo sansTheme = plan;
  sansTheme.modeleTheme = {};
  etape_encarts(sansTheme, reseau);
  EXPECT_EQ(reseau.elements.front().etatControle, 2u);
}

// The clean plans with their insets pass the driver without a finding: the insets follow the
// rule books and lie in the useful area.
TEST(EncartsPilote, PlansWithInsetsVerifyClean) {
  host::resetModels();
  const boost::filesystem::path racine = boost::filesystem::current_path() / "EncartsPilote";
  boost::filesystem::remove_all(racine);
  vercontexte contexte;
  contexte.repertoire = host::paths::fromNative(racine) + L"/";
  contexte.repLivre = contexte.repertoire + L"Livre/";
  ASSERT_TRUE(pf::parametrerContexte(contexte, contexte.repertoire + L"Parametres"));
  ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 12, 0, 0));

  const pf::PlanUnique unique = pf::planUnique();
  pf::PlanUniqueConstruit c1 = pf::construire(unique);
  pf::ajouterEncarts(c1, unique);
  ASSERT_TRUE(pf::sauver(c1.fichier, contexte.repLivre + unique.nomFichier));
  const pf::PlanTroisFichiers trois = pf::planTroisFichiers();
  pf::PlanTroisFichiersConstruit c3 = pf::construire(trois);
  pf::ajouterEncart(c3, trois);
  ASSERT_FALSE(pf::enregistrer(c3, trois.nom, contexte.repLivre).el2.empty());

  for (const auto& [nom, type] : {std::pair{unique.nomFichier, 1}, std::pair{trois.nom, 2}}) {
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = 1;
    plan_verifier(plan, 1, contexte, 0);
    EXPECT_TRUE(plan.erreurs.empty()) << type << " " << (plan.erreurs.empty() ? 0 : plan.erreurs[0].code);
    EXPECT_EQ(plan.statuts[1], 2) << type;
  }
  host::clock::useSystem();
  EXPECT_EQ(host::openWorkFileCount(), 0u);
  boost::filesystem::remove_all(racine);
}

}  // namespace
