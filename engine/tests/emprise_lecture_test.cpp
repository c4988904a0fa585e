// Reading the footprint drawing: where its model comes from, which texts make footprints, the
// shape and text of a group, and finding a footprint by its label.
#include "engine/emprise_lecture.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace {

using host::fixture::DesignBuilder;

class EmpriseLecture : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path dossier = boost::filesystem::current_path() / "EmpriseLecture" / test;
    boost::filesystem::remove_all(dossier);
    boost::filesystem::create_directories(dossier);
    dossier_ = host::paths::fromNative(dossier) + L"/";
    chemin_ = dossier_ + L"Emprises.dgn";

    // Group 1: a footprint; group 2: its shape of priority 1 is passed over for the second one;
    // group 3: a text alone; a text without group; group 5: on another level.
    const host::LevelId emprise = b_.level(L"Emprise");
    const host::LevelId autre = b_.level(L"Autre");
    forme1_ = b_.add(host::fixture::rectangle({0, 0, 0}, {100, 100, 0}).group(1).level(emprise));
    texte1_ = b_.add(host::fixture::text(L"abcd1234.dgn", {50, 50, 0}).group(1).level(emprise));
    b_.add(host::fixture::rectangle({0, 0, 0}, {100, 100, 0}).group(2).priority(1).level(emprise));
    texte2_ = b_.add(host::fixture::text(L"Plan2", {50, 50, 0}).group(2).level(emprise));
    forme2_ = b_.add(host::fixture::rectangle({0, 0, 0}, {100, 100, 0}).group(2).level(emprise));
    b_.add(host::fixture::text(L"SEUL", {50, 50, 0}).group(3).level(emprise));
    b_.add(host::fixture::text(L"SANSGROUPE", {50, 50, 0}).level(emprise));
    b_.add(host::fixture::rectangle({0, 0, 0}, {100, 100, 0}).group(5).level(autre).colour(4));
    b_.add(host::fixture::text(L"AUTRE", {50, 50, 0}).group(5).level(autre));
    // Group 6, far away: a label written as an 11-character plan code.
    b_.add(host::fixture::rectangle({5000, 0, 0}, {5100, 100, 0}).group(6).level(emprise));
    b_.add(host::fixture::text(L"44109045001", {5050, 50, 0}).group(6).level(emprise));
    ASSERT_TRUE(b_.save(chemin_));
    ouvertsAvant_ = host::openWorkFileCount();
  }
  void TearDown() override {
    EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_);
    host::closeActiveFile();
  }

  static std::vector<std::wstring> libelles(const std::vector<veremprise>& emprises) {
    std::vector<std::wstring> l;
    for (const veremprise& e : emprises) l.push_back(e.libelle);
    return l;
  }

  DesignBuilder b_;
  std::wstring dossier_;
  std::wstring chemin_;
  host::ElementId forme1_ = 0, texte1_ = 0, forme2_ = 0, texte2_ = 0;
  std::size_t ouvertsAvant_ = 0;
};

TEST_F(EmpriseLecture, FootprintsAreTextsWithAGroupHoldingAShape) {
  const struct {
    const char* pourquoi;
    std::vector<std::wstring> niveaux;
    std::vector<std::wstring> libelles;
    std::vector<std::wstring> attendus;
  } cas[] = {
      {"everything", {}, {}, {L"ABCD1234.DGN", L"PLAN2", L"AUTRE", L"44010450.109"}},
      {"one level", {L"Emprise"}, {}, {L"ABCD1234.DGN", L"PLAN2", L"44010450.109"}},
      {"a plan code is filtered as written and read as its plan name", {}, {L"44109045001"}, {L"44010450.109"}},
      {"a level the drawing lacks", {L"Inconnu"}, {}, {}},
      {"labels without case", {}, {L"PLAN2", L"autre"}, {L"PLAN2", L"AUTRE"}},
      {"a label alone in its group is no footprint", {}, {L"SEUL", L"SANSGROUPE"}, {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<veremprise> emprises(1);  // emptied first
    ASSERT_EQ(emprise_chargerFichier(emprises, chemin_, c.niveaux, c.libelles), 0);
    EXPECT_EQ(libelles(emprises), c.attendus);
  }
  std::vector<veremprise> emprises;
  ASSERT_EQ(emprise_chargerFichier(emprises, chemin_, {}, {}), 0);
  EXPECT_EQ(emprises[0].idForme, forme1_);
  EXPECT_EQ(emprises[0].idLibelle, texte1_);
  EXPECT_EQ(emprises[0].groupe, 1u);
  EXPECT_EQ(emprises[1].idForme, forme2_);
  EXPECT_EQ(emprises[1].idLibelle, texte2_);
  EXPECT_EQ(emprises[2].symbologieForme.couleur, 4u);
  EXPECT_EQ(emprises[2].symbologieLibelle.nomNiveau, L"Autre");
  EXPECT_EQ(emprises[2].indexPlan, -1);
  EXPECT_EQ(emprises[2].cree, 0u);

  EXPECT_EQ(emprise_chargerFichier(emprises, dossier_ + L"Absent.dgn", {}, {}), 0x8000);
  EXPECT_TRUE(emprises.empty());
}

TEST_F(EmpriseLecture, ShapeAndTextOfAGroupAreNoneForAnInvalidModel) {
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin_, L"", true), 0);
  EXPECT_EQ(emprise_formeDuGroupe(1, m), forme1_);
  EXPECT_EQ(emprise_formeDuGroupe(2, m), forme2_);  // the shape of priority 1 is not taken
  EXPECT_EQ(emprise_texteDuGroupe(2, m), texte2_);
  EXPECT_EQ(emprise_formeDuGroupe(3, m), 0u);  // a text alone
  EXPECT_EQ(emprise_formeDuGroupe(99, m), 0u);
  EXPECT_EQ(emprise_texteDuGroupe(99, m), 0u);
  EXPECT_EQ(host::closeWorkFile(m), 0);
  EXPECT_EQ(emprise_formeDuGroupe(1, m), 0u);  // closed: no longer valid
  EXPECT_EQ(emprise_texteDuGroupe(1, host::ModelRef{}), 0u);
}

TEST_F(EmpriseLecture, DrawingModelIsTheActiveOneAReferenceOrAWorkFile) {
  bool ouvert = true;
  host::ModelRef m;
  ASSERT_EQ(emprise_localiserFichier(ouvert, m, chemin_), 0);  // nothing active: a work file
  EXPECT_TRUE(ouvert);
  EXPECT_TRUE(host::isReadOnly(m));
  EXPECT_EQ(host::closeWorkFile(m), 0);

  DesignBuilder travail;
  host::ReferenceAttachment ref;
  ref.logicalName = L"VERIF";
  ref.fileName = chemin_;
  travail.reference(ref);
  ASSERT_TRUE(travail.save(dossier_ + L"Travail.dgn"));
  ASSERT_EQ(host::openActiveFile(dossier_ + L"Travail.dgn"), 0);
  ASSERT_EQ(emprise_localiserFichier(ouvert, m, chemin_), 0);
  EXPECT_FALSE(ouvert);
  EXPECT_TRUE(host::isReference(m));
  EXPECT_EQ(emprise_localiserFichier(ouvert, m, L""), 0x8000);  // no name matches every reference

  std::wstring majuscules = chemin_;
  for (wchar_t& c : majuscules) c = host::paths::upper(c);
  ASSERT_EQ(host::openActiveFile(chemin_), 0);
  ASSERT_EQ(emprise_localiserFichier(ouvert, m, majuscules), 0);
  EXPECT_FALSE(ouvert);
  EXPECT_EQ(m, host::activeModel());

  EXPECT_EQ(emprise_localiserFichier(ouvert, m, dossier_ + L"Absent.dgn"), 0x8000);
  EXPECT_FALSE(m);
  EXPECT_FALSE(ouvert);
}

TEST(EmpriseChercher, FindsTheFirstLabelEqualToTheUpperCasedName) {
  std::vector<veremprise> emprises(3);
  emprises[0].libelle = L"A";
  emprises[1].libelle = L"ABCD1234.DGN";
  emprises[2].libelle = L"ABCD1234.DGN";
  EXPECT_EQ(emprise_chercher(L"abcd1234.dgn", emprises), 1);
  EXPECT_EQ(emprise_chercher(L"B", emprises), -1);
  emprises[0].libelle = L"a";  // labels are stored upper-cased: a lower-case one never matches
  EXPECT_EQ(emprise_chercher(L"a", emprises), -1);
}

}  // namespace

namespace {

// Footprints 1 (0..100 square) and 2 (its priority-1 shape over 200..300, the footprint shape
// elsewhere) and 5 on level "Autre" (0..100 square): which ones an area meets.
TEST_F(EmpriseLecture, FootprintsWhoseShapeOverlapsTheZone) {
  b_.add(host::fixture::rectangle({200, 0, 0}, {300, 100, 0}).group(2).priority(1));
  ASSERT_TRUE(b_.save(chemin_));
  const auto zone = [](host::Point3d bas, host::Point3d haut) {
    return host::ElementHandle(host::fixture::rectangle(bas, haut).element(), host::ModelRef{});
  };
  const struct {
    const char* pourquoi;
    host::ElementHandle zone;
    std::vector<std::wstring> niveaux;
    std::vector<std::wstring> attendus;
  } cas[] = {
      {"over the first square", zone({50, 50, 0}, {60, 60, 0}), {}, {L"ABCD1234.DGN", L"PLAN2", L"AUTRE"}},
      {"on one level", zone({50, 50, 0}, {60, 60, 0}), {L"Autre"}, {L"AUTRE"}},
      {"a priority-1 shape gives its group's footprint shape", zone({250, 50, 0}, {260, 60, 0}), {}, {L"PLAN2"}},
      {"ranges near but areas apart", zone({100.5, 0, 0}, {101, 1, 0}), {}, {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<veremprise> emprises(1);
    ASSERT_EQ(emprise_chercherDansZone(emprises, host::ModelRef{}, chemin_, c.zone, c.niveaux), 0);
    EXPECT_EQ(libelles(emprises), c.attendus);
    for (const veremprise& e : emprises) {
      if (e.libelle == L"PLAN2") {
        EXPECT_EQ(e.idForme, forme2_);
      }
    }
  }
  std::vector<veremprise> emprises;
  const host::ElementHandle ligne(host::fixture::line({0, 0, 0}, {50, 50, 0}).element(), host::ModelRef{});
  EXPECT_EQ(emprise_chercherDansZone(emprises, host::ModelRef{}, chemin_, ligne, {}), 0x8000);
  EXPECT_EQ(emprise_chercherDansZone(emprises, host::ModelRef{}, dossier_ + L"Absent.dgn",
                                     zone({0, 0, 0}, {1, 1, 0}), {}),
            0x8000);
}

TEST_F(EmpriseLecture, AReferencedDrawingIsSearchedInTheCoordinatesOfItsParent) {
  DesignBuilder travail;
  host::ReferenceAttachment ref;
  ref.logicalName = L"VERIF";
  ref.fileName = chemin_;
  ref.transform.translation = {1000, 0, 0};
  travail.reference(ref);
  ASSERT_TRUE(travail.save(dossier_ + L"Travail.dgn"));
  ASSERT_EQ(host::openActiveFile(dossier_ + L"Travail.dgn"), 0);
  const host::ModelRef reference = host::references(host::activeModel()).at(0);
  std::vector<veremprise> emprises;
  // The first square lies at 1000..1100 in the working drawing: its range is searched as the
  // drawing holds it, its area where the parent shows it.
  const host::ElementHandle zone(host::fixture::rectangle({50, 50, 0}, {1050, 60, 0}).element(), host::ModelRef{});
  ASSERT_EQ(emprise_chercherDansZone(emprises, reference, L"", zone, {L"Emprise"}), 0);
  EXPECT_EQ(libelles(emprises), (std::vector<std::wstring>{L"ABCD1234.DGN", L"PLAN2"}));
  const host::ElementHandle loin(host::fixture::rectangle({50, 50, 0}, {60, 60, 0}).element(), host::ModelRef{});
  ASSERT_EQ(emprise_chercherDansZone(emprises, reference, L"", loin, {}), 0);
  EXPECT_TRUE(emprises.empty());
}

}  // namespace
