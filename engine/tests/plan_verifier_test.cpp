// The per-plan driver: where it stops, the statuses it leaves and the files it closes. The
// folder record is built by hand over a Livre directory written in code.
#include "engine/plan_verifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <thread>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace {

using host::fixture::DesignBuilder;
using statuts = std::array<std::int32_t, 6>;

const std::wstring stem = L"ABC-47-00120-00650-07-B-13";

class PlanVerifier : public ::testing::Test {
 public:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path dossier = boost::filesystem::current_path() / "PlanVerifier" / test;
    boost::filesystem::remove_all(dossier);
    boost::filesystem::create_directories(dossier / "Livre");
    contexte_.repertoire = host::paths::fromNative(dossier) + L"/";
    contexte_.repLivre = contexte_.repertoire + L"Livre/";
    ASSERT_TRUE(plan_fixture::parametrerContexte(contexte_, contexte_.repertoire + L"Parametres"));
    ouvertsAvant_ = host::openWorkFileCount();
  }
  void TearDown() override {
    EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_);
    host::closeActiveFile();
  }

  void ecrire(const std::wstring& nom, const std::function<void(DesignBuilder&)>& defaut = {}) const {
    DesignBuilder b;
    plan_fixture::definirNiveaux(b, nom);
    b.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
    if (defaut) defaut(b);
    ASSERT_TRUE(b.save(contexte_.repLivre + nom));
  }

  verplan verifier(const std::wstring& nom, std::int32_t type, std::int32_t mode = 1) {
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = 1;
    plan_verifier(plan, mode, contexte_, 0);
    return plan;
  }

  // The Livre directory emptied, the plan delivered anew, then verified.
  verplan livrerEtVerifier(const std::function<void(PlanVerifier&)>& livrer, const std::wstring& nom,
                           std::int32_t type) {
    boost::filesystem::remove_all(host::paths::toNative(contexte_.repLivre));
    boost::filesystem::create_directories(host::paths::toNative(contexte_.repLivre));
    livrer(*this);
    return verifier(nom, type);
  }

  static std::vector<std::uint32_t> codes(const verplan& plan) {
    std::vector<std::uint32_t> c;
    for (const vererreur& e : plan.erreurs) c.push_back(e.code);
    return c;
  }

  vercontexte contexte_;
  std::size_t ouvertsAvant_ = 0;
};

const auto troisD = [](DesignBuilder& b) { b.header().is3d = true; };

TEST_F(PlanVerifier, MissingMainFileMakesThePlanNotVerifiable) {
  ecrire(stem + L".EL2");  // the other files do not count
  const verplan plan = verifier(stem, 2);
  ASSERT_EQ(codes(plan), std::vector<std::uint32_t>{2011});
  const std::wstring chemin = contexte_.repLivre + stem + L".FP2";
  EXPECT_EQ(plan.erreurs[0].fichier, stem + L".FP2");
  EXPECT_TRUE(host::paths::equalNoCase(plan.erreurs[0].complement, chemin));
  EXPECT_EQ(plan.statuts, (statuts{2, 0, -1, -1, -1, -1}));
}

TEST_F(PlanVerifier, FindingsOfTheFileChecksStopBeforeOpening) {
  const struct {
    const char* pourquoi;
    std::function<void(PlanVerifier&)> livrer;
    std::wstring nom;
    std::int32_t type;
    std::vector<std::uint32_t> attendus;
  } cas[] = {
      {"3D one-file plan", [](PlanVerifier& t) { t.ecrire(L"abcd1234.dgn", troisD); }, L"ABCD1234.DGN", 1, {1004}},
      {"files checked FP2, EL2, AR2, then the gas file",
       [](PlanVerifier& t) {
         t.ecrire(stem + L".AR2", troisD);
         t.ecrire(stem + L".EL2", [](DesignBuilder& b) { b.header().subPerMaster = 100.0; });
         t.ecrire(stem + L".FP2", troisD);
         t.ecrire(stem + L".GZ2");
       },
       stem, 2, {1004, 1001, 1004, 1008}},
      {"a clean three-file plan with a gas file", [](PlanVerifier& t) {
         t.ecrire(stem + L".FP2");
         t.ecrire(stem + L".GZ2");
       },
       stem, 2, {1008}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    const verplan plan = livrerEtVerifier(c.livrer, c.nom, c.type);
    EXPECT_EQ(codes(plan), c.attendus);
    EXPECT_EQ(plan.statuts, (statuts{1, 0, -1, -1, -1, -1}));
  }
}

TEST_F(PlanVerifier, MissingLevelsStopThePlanBeforeOpeningOneErrorEach) {
  auto sans = [](std::vector<std::wstring> noms) {
    return [noms](DesignBuilder& b) {
      std::erase_if(b.file().levels, [&](const host::Level& l) { return std::ranges::count(noms, l.name) > 0; });
    };
  };
  const struct {
    const char* pourquoi;
    std::function<void(PlanVerifier&)> livrer;
    std::wstring nom;
    std::int32_t type;
    std::vector<std::wstring> manquants;  // in the order reported
  } cas[] = {
      {"one-file plan: list order, not the file's", [&](PlanVerifier& t) {
         t.ecrire(L"ABCD1234.DGN", sans({L"PrjTopo1", L"Topo1Limites"}));
       }, L"ABCD1234.DGN", 1, {L"Topo1Limites", L"PrjTopo1"}},
      {"three-file plan: FP2, then EL2, then AR2", [&](PlanVerifier& t) {
         t.ecrire(stem + L".AR2", sans({L"59", L"Drap+TxtIndiffAut"}));
         t.ecrire(stem + L".EL2", sans({L"CellulesEchanges"}));
         t.ecrire(stem + L".FP2", sans({L"37"}));
       }, stem, 2, {L"37", L"CellulesEchanges", L"Drap+TxtIndiffAut", L"59"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    const verplan plan = livrerEtVerifier(c.livrer, c.nom, c.type);
    std::vector<std::wstring> complements;
    for (const vererreur& e : plan.erreurs) {
      EXPECT_EQ(e.code, 1006u);
      complements.push_back(e.complement);
    }
    EXPECT_EQ(complements, c.manquants);
    EXPECT_EQ(plan.statuts, (statuts{1, 0, -1, -1, -1, -1}));
    EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_);
  }
}

TEST_F(PlanVerifier, CleanPlansReachTheDrawingRulesAndCloseTheirFiles) {
  const plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
  const plan_fixture::CheminsTroisFichiers chemins = plan_fixture::enregistrer(trois, contexte_.repLivre);
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), contexte_.repLivre).empty());
  // EL2 and AR2 missing: their checks are passed over.
  boost::filesystem::remove(host::paths::toNative(chemins.el2));
  boost::filesystem::remove(host::paths::toNative(chemins.ar2));
  for (const auto& [nom, type] : {std::pair{std::wstring(L"44010450.109"), 1}, std::pair{trois.nom, 2}}) {
    for (const std::int32_t mode : {1, 2}) {
      SCOPED_TRACE(testing::Message() << type << " " << mode);
      const verplan plan = verifier(nom, type, mode);
      EXPECT_TRUE(plan.erreurs.empty());
      // No Origine directory: every previous version is missing (signature status 1).
      EXPECT_EQ(plan.statuts, (type == 1 ? statuts{0, 2, 1, -1, -1, -1} : statuts{0, 2, -1, 1, 1, 1}));
      EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_);
    }
  }
}

TEST_F(PlanVerifier, AThreeFilePlanAwayFromItsGridCellStopsWith1130) {
  // The identification cells still name the clean plan, or are placed for its scale class: the
  // title-block stage reports them and goes on (it never stops a three-file plan).
  const std::vector<std::uint32_t> autreNom = {1120, 1120, 1120, 1130};
  const struct {
    const char* pourquoi;
    std::wstring nom;
    std::int32_t version;
    std::vector<std::uint32_t> attendus;
  } cas[] = {
      {"the sheet beside", L"QRL-47-00193-01246-03-D-25", 1, autreNom},
      {"a name that is no grid cell", L"QRL-47-00193-01246-03-E-24", 1, autreNom},
      {"a scale class other than the name's", L"QRL-47-00193-01246-03-D-24", 2,
       {1135, 1135, 1135, 1135, 1135, 1130}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
    trois.nom = c.nom;  // the files stand where the clean plan stands
    ASSERT_FALSE(plan_fixture::enregistrer(trois, contexte_.repLivre).fp2.empty());
    verplan plan;
    plan.nom = c.nom;
    plan.type = 2;
    plan.version = c.version;
    plan_verifier(plan, 1, contexte_, 0);
    ASSERT_EQ(codes(plan), c.attendus);
    EXPECT_EQ(plan.erreurs.back().fichier, c.nom + L".FP2");
    EXPECT_EQ(plan.erreurs.back().complement, c.nom);
    EXPECT_EQ(plan.statuts, (statuts{1, 0, -1, 1, 1, 1}));
  }
}

TEST_F(PlanVerifier, ThePlanThatIsTheActiveFileStaysOpen) {
  const std::wstring chemin = plan_fixture::enregistrer(plan_fixture::planUnique(), contexte_.repLivre);
  ASSERT_EQ(host::openActiveFile(chemin), 0);
  const host::ModelRef actif = host::activeModel();
  const verplan plan = verifier(L"44010450.109", 1);
  EXPECT_EQ(plan.statuts[0], 0);
  EXPECT_TRUE(host::isValid(actif));
  EXPECT_EQ(host::activeModel(), actif);
}

// A three-file plan whose files the host's cache cannot hold together is read and parsed once a
// file for the whole verification: the file checks, the required levels, the opening and every
// later stage share that load.
TEST_F(PlanVerifier, EachFileOfThePlanIsLoadedOnceWhateverTheCache) {
  const plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
  const plan_fixture::CheminsTroisFichiers chemins = plan_fixture::enregistrer(trois, contexte_.repLivre);
  // 0.6 MB a file (blanks after the document) against a cache of 1 MB; trusted by their times.
  for (const std::wstring& c : {chemins.fp2, chemins.el2, chemins.ar2}) {
    std::ofstream(host::paths::toNative(c).string(), std::ios::binary | std::ios::app) << std::string(600'000, ' ');
    boost::filesystem::last_write_time(host::paths::toNative(c), std::time(nullptr) - 60);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  host::config::set(L"CADHOST_DESIGN_CACHE_MB", L"1");
  host::forgetLoadedDesignFiles();
  host::resetDesignFileLoads();
  const verplan plan = verifier(trois.nom, 2);
  EXPECT_TRUE(plan.erreurs.empty());
  EXPECT_EQ(plan.statuts[1], 2);
  EXPECT_EQ(host::designFileLoads().reads, 3u);
  EXPECT_EQ(host::designFileLoads().parses, 3u);
  host::config::unset(L"CADHOST_DESIGN_CACHE_MB");
}

}  // namespace
