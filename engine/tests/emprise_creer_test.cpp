// Drawing one footprint: its own graphic group in the active model and in a work file, the
// label's completed text properties and its reading direction.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <boost/filesystem.hpp>

#include "engine/emprise_dessin.h"
#include "engine/emprise_lecture.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace {

std::vector<host::Point3d> rectangle(double x, double y) {
  return {{x, y, 0}, {x + 140000, y, 0}, {x + 140000, y + 100000, 0}, {x, y + 100000, 0}, {x, y, 0}};
}

verplaninfo plan(const std::wstring& libelle) {
  verplaninfo p;
  p.libelleEmprise = libelle;
  return p;
}

class EmpriseCreer : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path dossier = boost::filesystem::current_path() / "EmpriseCreer" / test;
    boost::filesystem::remove_all(dossier);
    boost::filesystem::create_directories(dossier);
    chemin_ = host::paths::fromNative(dossier) + L"/Emprises.dgn";
    host::fixture::DesignBuilder b;
    b.level(L"Emprise");
    ASSERT_TRUE(b.save(chemin_));
  }
  void TearDown() override { host::closeActiveFile(); }

  // Draws two footprints one after the other, each in a model given by `modele`, and checks
  // that reading the drawing back gives each label with its own shape.
  void deuxEmprisesSuccessives(const std::function<host::ModelRef()>& modele,
                               const std::function<void(host::ModelRef)>& fermer) {
    std::vector<veremprise> emprises;
    host::ModelRef m = modele();
    ASSERT_EQ(emprise_creer(emprises, versymbologie{}, versymbologie{}, rectangle(0, 0), plan(L"p1"), m), 0);
    fermer(m);
    m = modele();
    ASSERT_EQ(emprise_creer(emprises, versymbologie{}, versymbologie{}, rectangle(200000, 0), plan(L"p2"), m), 0);
    fermer(m);
    ASSERT_EQ(emprises.size(), 2u);
    EXPECT_NE(emprises[0].groupe, emprises[1].groupe);
    EXPECT_NE(emprises[0].groupe, 0u);
    std::vector<veremprise> lues;
    ASSERT_EQ(emprise_chargerFichier(lues, chemin_, {}, {}), 0);
    ASSERT_EQ(lues.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(lues[i].libelle, emprises[i].libelle);
      EXPECT_EQ(lues[i].idForme, emprises[i].idForme);
      EXPECT_EQ(lues[i].idLibelle, emprises[i].idLibelle);
      EXPECT_EQ(lues[i].groupe, emprises[i].groupe);
    }
    EXPECT_EQ(lues[0].libelle, L"P1");
  }

  std::wstring chemin_;
};

TEST_F(EmpriseCreer, TwoFootprintsInTheActiveModelGetTwoGroups) {
  ASSERT_EQ(host::openActiveFile(chemin_), 0);
  deuxEmprisesSuccessives([] { return host::activeModel(); }, [](host::ModelRef) {});
}

TEST_F(EmpriseCreer, TwoFootprintsInAWorkFileGetTwoGroupsAcrossReopening) {
  deuxEmprisesSuccessives(
      [this] {
        host::ModelRef m;
        EXPECT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin_, L"", false), 0);
        return m;
      },
      [](host::ModelRef m) { EXPECT_EQ(host::closeWorkFile(m), 0); });
}

TEST_F(EmpriseCreer, AGroupAlreadyTakenIsPassedOverWhateverTheCounterSays) {
  host::fixture::DesignBuilder b;
  b.add(host::fixture::line({0, 0, 0}, {10, 0, 0}).group(1));
  b.add(host::fixture::line({0, 0, 0}, {10, 0, 0}).group(2));
  b.header().nextGraphicGroup = 1;
  ASSERT_TRUE(b.save(chemin_));
  ASSERT_EQ(host::openActiveFile(chemin_), 0);
  std::vector<veremprise> emprises;
  ASSERT_EQ(emprise_creer(emprises, {}, {}, rectangle(0, 0), plan(L"P1"), host::activeModel()), 0);
  ASSERT_EQ(emprises.size(), 1u);
  EXPECT_EQ(emprises[0].groupe, 3u);
}

TEST_F(EmpriseCreer, LabelIsCompletedAndReadsLeftToRight) {
  ASSERT_EQ(host::openActiveFile(chemin_), 0);
  const host::ModelRef m = host::activeModel();
  const struct {
    const char* pourquoi;
    std::vector<host::Point3d> polygone;
    double angle;
  } cas[] = {
      {"first side to the right", rectangle(0, 0), 0.0},
      {"first side to the left is turned by pi",
       {{0, 0, 0}, {-100, 0, 0}, {-100, -100, 0}, {0, -100, 0}, {0, 0, 0}}, 0.0},
      {"first side up and to the left", {{0, 0, 0}, {-100, 100, 0}, {-200, 0, 0}, {-100, -100, 0}, {0, 0, 0}},
       -std::numbers::pi / 4},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<veremprise> emprises;
    ASSERT_EQ(emprise_creer(emprises, {}, {}, c.polygone, plan(L"abcd1234.dgn"), m), 0);
    const host::Element* texte = host::readElement(m, emprises.back().idLibelle);
    ASSERT_NE(texte, nullptr);
    ASSERT_TRUE(texte->text.has_value());
    EXPECT_EQ(texte->text->string(), L"ABCD1234.DGN");
    EXPECT_EQ(texte->text->font, L"INTL_ENGINEERING");
    EXPECT_DOUBLE_EQ(texte->text->height, 8000.0);
    EXPECT_DOUBLE_EQ(texte->text->width, 5000.0);
    EXPECT_EQ(texte->text->justification, 7u);
    EXPECT_DOUBLE_EQ(texte->text->origin.x, (c.polygone[0].x + c.polygone[2].x) / 2);
    EXPECT_DOUBLE_EQ(texte->text->origin.y, (c.polygone[0].y + c.polygone[2].y) / 2);
    const double angle = texte->text->orientation.angleZ();
    EXPECT_NEAR(std::cos(angle), std::cos(c.angle), 1e-9);
    EXPECT_NEAR(std::sin(angle), std::sin(c.angle), 1e-9);
    EXPECT_EQ(emprises.back().symbologieLibelle.police, L"INTL_ENGINEERING");
    EXPECT_EQ(emprises.back().cree, 1u);
    EXPECT_EQ(emprises.back().indexPlan, -1);
    const host::Element* forme = host::readElement(m, emprises.back().idForme);
    ASSERT_NE(forme, nullptr);
    EXPECT_EQ(forme->type, host::ElementType::Shape);
    EXPECT_EQ(forme->points, c.polygone);
  }
}

TEST_F(EmpriseCreer, GivenSymbologiesAreAppliedAndShortPolygonsDrawNothing) {
  ASSERT_EQ(host::openActiveFile(chemin_), 0);
  const host::ModelRef m = host::activeModel();
  versymbologie forme;
  forme.couleur = 3;
  forme.nomNiveau = L"Emprise";
  versymbologie libelle;
  libelle.hauteurTexte = 2.0;
  libelle.police = L"WORKING";
  libelle.justification = 1;
  std::vector<veremprise> emprises;
  ASSERT_EQ(emprise_creer(emprises, forme, libelle, rectangle(0, 0), plan(L"P"), m), 0);
  const host::Element* s = host::readElement(m, emprises[0].idForme);
  const host::Element* t = host::readElement(m, emprises[0].idLibelle);
  ASSERT_TRUE(s && t && t->text);
  EXPECT_EQ(s->colour, 3u);
  EXPECT_EQ(s->level, *host::levelIdFromName(m, L"Emprise"));
  EXPECT_DOUBLE_EQ(t->text->height, 2000.0);
  EXPECT_DOUBLE_EQ(t->text->width, 5000.0);
  EXPECT_EQ(t->text->justification, 1u);

  const std::size_t avant = host::model(m)->size();
  EXPECT_EQ(emprise_creer(emprises, {}, {}, {{0, 0, 0}, {1, 0, 0}}, plan(L"Q"), m), 0);
  EXPECT_EQ(emprises.size(), 1u);
  EXPECT_EQ(host::model(m)->size(), avant);
}

}  // namespace
