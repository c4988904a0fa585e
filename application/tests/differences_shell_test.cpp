// The differences drawing through the host's shell, driven by application/tests/differences.cadhost:
// the folder is verified, the drawing written twice from the comparison results, and read back.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <boost/filesystem.hpp>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "application/tests/diff_fixture.h"
#include "application/tests/shell_lancer.h"
#include "engine/fixture/differences_fixture.h"
#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"
#include "host/text.h"

namespace fs = boost::filesystem;
namespace pf = plan_fixture;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::vector<std::wstring> kNiveaux = {L"HTA_Ajout",  L"HTA_Suppression",  L"BT_Ajout",         L"BT_Suppression",
                                            L"BRCH_Ajout", L"BRCH_Suppression", L"Accessoire_Ajout", L"Accessoire_Suppression"};

std::size_t occurrences(const std::string& texte, const std::string& motif) {
  std::size_t n = 0;
  for (auto p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
  return n;
}

// The drawing's element whose origins and vertices all lie within 1 mm of the points; null when
// none does.
const host::Element* copieDe(const host::DesignFile& dessin, const std::vector<host::Point3d>& points) {
  for (const host::Element* e : dessin.models.at(0).elements()) {
    std::vector<host::Point3d> p;
    diff_fixture::pointsDe(*e, p);
    if (p.size() != points.size()) continue;
    bool proche = true;
    for (std::size_t k = 0; k < p.size() && proche; ++k)
      proche = std::abs(p[k].x - points[k].x) < 1.0 && std::abs(p[k].y - points[k].y) < 1.0;
    if (proche) return e;
  }
  return nullptr;
}

class DifferencesShell : public ::testing::Test {
 protected:
  // Writes the folder, leaves an earlier drawing with an element of its own in the drawing's
  // place, and runs the script.
  void SetUp() override {
    // Tests run in parallel processes: each has a folder of its own.
    const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    racine = fs::current_path() / "differences_shell" / nom.substr(0, 12);
    fs::remove_all(racine);
    fs::create_directories(racine);
    std::wstring message;
    ASSERT_TRUE(pf::ecrireDossierDifferences(host::fixture::large(racine), chemins, ids, message))
        << host::text::toUtf8(message);
    fs::create_directories(racine / "Travail");
    chemin = racine / "Livraison" / "Rapport" / "Livraison_Differences.dgn";
    host::fixture::DesignBuilder ancien;
    ancien.add(host::fixture::line({0, 0, 0}, {1, 1, 0}));
    fs::create_directories(chemin.parent_path());
    ASSERT_TRUE(ancien.save(chemin.wstring()));
    livreAvant = pf::empreintes(livraison());
    ASSERT_EQ(shell_lancer::lancerSurDossier(racine.string(), TEST_SOURCE_DIR "/differences.cadhost", sortie), 0)
        << sortie;
    dessin = host::DesignFile::load(chemin);
    livre = host::DesignFile::load(racine / "Livraison" / "Livre" / "44010450.109");
    origine = host::DesignFile::load(racine / "Livraison" / "Origine" / "44010450.109");
    el2 = host::DesignFile::load(racine / "Livraison" / "Livre" / "QRL-47-00193-01246-03-D-24.EL2");
    ASSERT_TRUE(dessin && livre && origine && el2);
  }
  std::vector<std::filesystem::path> livraison() const {
    return {std::filesystem::path(racine.string()) / "Livraison" / "Livre",
            std::filesystem::path(racine.string()) / "Livraison" / "Origine"};
  }
  std::vector<host::Point3d> reprojete(const host::DesignFile& f, host::ElementId id) const {
    const host::Element* e = f.models.at(0).find(id);
    return e ? diff_fixture::pointsReprojetes(*e) : std::vector<host::Point3d>{};
  }

  fs::path racine, chemin;
  pf::CheminsDemo chemins;
  pf::IdsDifferences ids;
  pf::Empreintes livreAvant;
  std::string sortie;
  std::optional<host::DesignFile> dessin, livre, origine, el2;
};

TEST_F(DifferencesShell, TheVerifiedFolderIsDrawnOnItsEightLevelsAndASecondRunReplacesTheDrawing) {
  auto e = shell_lancer::etapes(sortie);
  ASSERT_EQ(e.size(), 3u) << sortie;
  EXPECT_THAT(e[1], HasSubstr("| 44010450.109 |")) << e[1];
  const std::string succes = "[mode 5] Les diff\u00e9rences ont \u00e9t\u00e9 report\u00e9es dans le fichier ";
  for (int n : {2, 3}) {
    EXPECT_EQ(occurrences(e[n], succes), 1u) << e[n];
    EXPECT_THAT(e[n], Not(HasSubstr("[mode 4]"))) << e[n];
  }
  EXPECT_EQ(pf::empreintes(livraison()), livreAvant) << "nothing delivered is changed";

  std::vector<std::wstring> niveaux;
  for (const host::Level& l : dessin->levels) niveaux.push_back(l.name);
  ASSERT_GE(niveaux.size(), 8u);
  EXPECT_EQ(std::vector<std::wstring>(niveaux.end() - 8, niveaux.end()), kNiveaux);
  EXPECT_EQ(dessin->header.coordinateSystem.value_or(L""), L"IGN-RGF93");

  struct Attendu {
    const host::DesignFile* source;
    host::ElementId id;
    const wchar_t* niveau;
    std::uint32_t couleur;
    bool fusionne;  // a piece the merge joins with others
  };
  const Attendu attendus[] = {
      {&*livre, ids.coffret, L"Accessoire_Ajout", 0, false}, {&*livre, ids.ligneBT, L"BT_Ajout", 1, true},
      {&*livre, ids.chaineBT, L"BT_Ajout", 1, true},         {&*livre, ids.arcBT, L"BT_Ajout", 1, true},
      {&*livre, ids.jonction, L"Accessoire_Ajout", 0, false}, {&*livre, ids.cableBT2, L"BT_Ajout", 1, true},
      {&*livre, ids.branchement, L"BRCH_Ajout", 2, true},    {&*livre, ids.noeud, L"Accessoire_Ajout", 0, false},
      {&*livre, ids.chaineHTA, L"HTA_Ajout", 3, true},       {&*livre, ids.arcHTA, L"HTA_Ajout", 3, true},
      {&*livre, ids.remontee, L"Accessoire_Ajout", 0, false}, {&*livre, ids.boucle, L"Accessoire_Ajout", 0, false},
      {&*livre, ids.texteBT, L"BT_Ajout", 1, false},         {&*livre, ids.texteHTA, L"HTA_Ajout", 3, false},
      {&*origine, ids.cableSupprime, L"BT_Suppression", 1, true},
      {&*el2, ids.cableEL2, L"BT_Ajout", 1, true},           {&*el2, ids.ligneAccessoireEL2, L"", 0, true},
  };
  std::map<host::ElementId, std::uint32_t> groupes;
  for (const Attendu& a : attendus) {
    const host::Element* source = a.source->models.at(0).find(a.id);
    ASSERT_NE(source, nullptr) << a.id;
    if (a.fusionne) continue;  // held by the merge test below
    SCOPED_TRACE(testing::Message() << "source element " << a.id);
    const host::Element* copie = copieDe(*dessin, diff_fixture::pointsReprojetes(*source));
    ASSERT_NE(copie, nullptr) << "each copied origin and vertex within 1 mm of its source point, reprojected";
    // Unmerged, a piece on an accessory level keeps its difference level.
    const std::wstring niveau = a.niveau[0] ? a.niveau : L"Accessoire_Ajout";
    EXPECT_EQ(diff_fixture::nomNiveau(*dessin, *copie), niveau);
    EXPECT_EQ(copie->colour, a.couleur);
    groupes[a.id] = copie->graphicGroup;
  }
  // Seven copies as drawn and six merged runs (the BT run through the joint, the service line, the
  // HTA run, the removed cable, the EL2 cable, the AccNonAffBT line); nothing of FP2, the dimension,
  // the TLR line, the sampler's unchanged elements (status 1), nor of statuses 5 and 6, and the
  // earlier drawing's own line is gone.
  EXPECT_EQ(dessin->models.at(0).elements().size(), 13u);
  // Each text joins the group of its run, one group per run.
  EXPECT_NE(groupes[ids.texteBT], 0u);
  EXPECT_NE(groupes[ids.texteHTA], 0u);
  EXPECT_NE(groupes[ids.texteBT], groupes[ids.texteHTA]);
}

TEST_F(DifferencesShell, TheBTPiecesThroughTheJointAreOneLineStringWithTheirTextsInItsGroup) {
  // Merged: the BT pieces from the cabinet through the joint are one line string carrying the BT
  // text's group; the service line is a chain of its own; the line on AccNonAffBT has no level.
  const std::vector<host::Point3d> debutBT = reprojete(*livre, ids.ligneBT);
  const std::vector<host::Point3d> finBT = reprojete(*livre, ids.cableBT2);
  const host::Element* ligneBT = nullptr;
  for (const host::Element* el : dessin->models.at(0).elements()) {
    if (el->type != 4 || diff_fixture::nomNiveau(*dessin, *el) != L"BT_Ajout" || el->points.size() < 2) continue;
    const host::Point3d a = el->points.front(), b = el->points.back();
    const auto pres = [](const host::Point3d& p, const host::Point3d& q) {
      return std::abs(p.x - q.x) < 1.0 && std::abs(p.y - q.y) < 1.0;
    };
    if ((pres(a, debutBT.front()) && pres(b, finBT.back())) || (pres(b, debutBT.front()) && pres(a, finBT.back())))
      ligneBT = el;
  }
  ASSERT_NE(ligneBT, nullptr) << "one line string from the cabinet through the joint";
  const host::Element* texte = copieDe(*dessin, reprojete(*livre, ids.texteBT));
  ASSERT_NE(texte, nullptr);
  EXPECT_EQ(texte->graphicGroup, ligneBT->graphicGroup);
  EXPECT_NE(ligneBT->graphicGroup, 0u);
  std::size_t branches = 0;
  for (const host::Element* el : dessin->models.at(0).elements())
    branches += diff_fixture::nomNiveau(*dessin, *el) == L"BRCH_Ajout";
  EXPECT_EQ(branches, 1u) << "the service line, a chain of its own";
  const std::vector<host::Point3d> accessoire = reprojete(*el2, ids.ligneAccessoireEL2);
  bool surNiveauZero = false;
  for (const host::Element* el : dessin->models.at(0).elements()) {
    if (el->level != 0 || el->points.size() < 2) continue;
    surNiveauZero = surNiveauZero || (std::abs(el->points.front().x - accessoire.front().x) < 1.0 &&
                                      std::abs(el->points.front().y - accessoire.front().y) < 1.0);
  }
  EXPECT_TRUE(surNiveauZero) << "the AccNonAffBT line on level 0";
}

}  // namespace
