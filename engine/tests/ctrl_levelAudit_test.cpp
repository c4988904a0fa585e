// The LevelAudit run: the log reader, the run on a plan file with the host's tool, the state of
// the host after it, and the driver's last step on both plan kinds.
#include "engine/ctrl_levelAudit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "host/clock.h"
#include "host/fixture/design_builder.h"
#include "host/level_audit.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "host/paths.h"
#include "host/text.h"
#include "toolbox/stb_fichier.h"

namespace {

namespace fs = boost::filesystem;
namespace pf = plan_fixture;
namespace fx = host::fixture;

TEST(LevelAuditJournal, FindsTheErrorAfterAMessageNamingTheFile) {
  const std::wstring m = L"MESSAGE : audit du fichier /x/plan.dgn";
  const struct {
    std::vector<std::wstring> lignes;
    std::int32_t attendu;
  } cas[] = {
      {{}, 0},
      {{L"ERREUR : 2 tables"}, 0},                                   // first line: no line before it
      {{m, L"ERREUR : 2 tables"}, 0x8000},                           // from the second line on
      {{L"LevelAudit", m, L"ERREUR : 2 tables"}, 0x8000},
      {{L"LevelAudit", m, L"INFO", L"ERREUR"}, 0},                   // not right after the message
      {{L"LevelAudit", L"MESSAGE : audit de /x/plan.dgn", L"ERREUR"}, 0},  // without " fichier "
      {{L"LevelAudit", L"MESSAGE : le fichier", L"ERREUR"}, 0},      // "fichier" at the end, no blank after
      {{L"LevelAudit", L"message : audit du fichier x", L"ERREUR"}, 0},
      {{L"LevelAudit", m, L"erreur : 2 tables"}, 0},
      {{L"LevelAudit", m, L" ERREUR"}, 0},
      {{L"LevelAudit", m, L"ERREUR", m, L"INFO"}, 0x8000},           // the scan goes on to the end
  };
  for (const auto& c : cas) {
    std::wstring texte;
    for (const auto& l : c.lignes) texte += l + L" | ";
    EXPECT_EQ(ctrl_levelAuditJournal(c.lignes), c.attendu) << fs::path(texte).string();
  }
}

// The host with a working drawing holding a reference, and the temporary directory of the test.
class LevelAudit : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    host::resetGlobalModes();
    host::level_audit::reset();
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    racine_ = fs::current_path() / "LevelAudit" / test;
    fs::remove_all(racine_);
    fs::create_directories(racine_ / "tmp");
    if (const char* t = std::getenv("TMPDIR")) tmpdir_ = t;
    ::setenv("TMPDIR", (racine_ / "tmp").c_str(), 1);
    journal_ = chemin("tmp/LevelAudit_Log_" + std::to_string(::getpid()) + ".txt");
  }
  void TearDown() override {
    if (tmpdir_) ::setenv("TMPDIR", tmpdir_->c_str(), 1);
    else ::unsetenv("TMPDIR");
    host::closeActiveFile();
    host::resetModels();
    fs::remove_all(racine_);
  }

  std::wstring chemin(const std::string& nom) const { return host::paths::fromNative(racine_ / nom); }

  std::wstring fichier(const std::string& nom, std::uint32_t tables) const {
    fx::DesignBuilder b;
    b.add(fx::line({0, 0, 0}, {1000, 0, 0}));
    b.header().masterLevelTables = tables;
    EXPECT_TRUE(b.save(chemin(nom)));
    return chemin(nom);
  }

  // The application's working drawing, with an unsaved reference; mode byte 5 at 7.
  void dessinDeTravail(std::uint32_t tables = 1) {
    ASSERT_EQ(host::openActiveFile(fichier("dessin.dgn", tables)), host::kSuccess);
    travail_ = host::activeModel();
    host::ReferenceAttachment a;
    a.logicalName = L"VERIF";
    a.fileName = fichier("emprises.dgn", 1);
    ASSERT_TRUE(host::attachReference(travail_, a));
    host::globalModes()[5] = 7;
  }

  // The host as the working drawing left it.
  void etatRetabli() const {
    EXPECT_EQ(host::activeModel(), travail_);
    EXPECT_EQ(host::references(travail_).size(), 1u);
    EXPECT_EQ(host::globalModes()[5], 7);
  }

  fs::path racine_;
  std::optional<std::string> tmpdir_;
  std::wstring journal_;
  host::ModelRef travail_;
};

TEST_F(LevelAudit, RunsTheToolOnThePlanAndRestoresTheHost) {
  dessinDeTravail();
  fs::create_directories(racine_ / "plans");
  const std::wstring deux = fichier("plans/deux.dgn", 2);
  const std::wstring une = fichier("plans/une.dgn", 1);
  const auto avant = pf::empreintes({racine_.string() + "/plans"});

  EXPECT_EQ(ctrl_levelAudit(deux), 0x8000) << "the plan was audited, not the drawing (one table)";
  etatRetabli();
  EXPECT_EQ(host::level_audit::modeByteAtLastReport(), std::optional<std::uint8_t>(1));
  EXPECT_TRUE(fs::is_empty(racine_ / "tmp")) << "the log is removed once read";

  EXPECT_EQ(ctrl_levelAudit(une), 0);
  etatRetabli();
  EXPECT_EQ(host::level_audit::reportCount(), 2u);
  EXPECT_EQ(pf::empreintes({racine_.string() + "/plans"}), avant);

  EXPECT_EQ(ctrl_levelAudit(chemin("absent.dgn")), 0);
  EXPECT_EQ(host::level_audit::reportCount(), 2u);
  etatRetabli();
}

TEST_F(LevelAudit, WithoutActiveFileBeforeThereIsNoneAfter) {
  EXPECT_EQ(ctrl_levelAudit(fichier("deux.dgn", 2)), 0x8000);
  EXPECT_FALSE(host::activeModel());
  EXPECT_TRUE(host::activeFileName().empty());
}

// A run that cannot be made, or whose log cannot be read back, is no report that the file is
// sound. A plan file that does not open as a design file is not reported on either: the report
// would audit the working drawing (here with two tables) in its place.
TEST_F(LevelAudit, ARunWithoutALogToReadIsReported) {
  const struct {
    const char* pourquoi;
    std::function<void()> preparer;
    std::uint64_t rapports;
  } cas[] = {
      {"temporary directory missing", [&] { ::setenv("TMPDIR", (racine_ / "absent").c_str(), 1); }, 0},
      {"temporary directory read-only", [&] { fs::permissions(racine_ / "tmp", fs::owner_read | fs::owner_exe); }, 1},
      {"log path taken by a folder",
       [&] {
         fs::create_directories(host::paths::toNative(journal_));
         std::ofstream(host::paths::toNative(journal_) / "garde") << "x";
       },
       0},
      {"plan file not a design file", [&] { std::ofstream(racine_ / "plans" / "deux.dgn") << "not a design file"; }, 0},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    fs::remove_all(racine_);
    fs::create_directories(racine_ / "tmp");
    fs::create_directories(racine_ / "plans");
    dessinDeTravail(2);
    const std::wstring plan = fichier("plans/deux.dgn", 2);
    host::level_audit::reset();
    c.preparer();
    EXPECT_EQ(ctrl_levelAudit(plan), ctrl_levelAuditImpossible);
    EXPECT_EQ(host::level_audit::reportCount(), c.rapports);
    etatRetabli();
    fs::permissions(racine_ / "tmp", fs::owner_all);
    ::setenv("TMPDIR", (racine_ / "tmp").c_str(), 1);
  }
}

// An old log file left with another plan's finding is removed, and the new log read.
TEST_F(LevelAudit, AnOldLogIsNotReadAsThePlans) {
  dessinDeTravail();
  ASSERT_EQ(stbFichier_ecrireLignes(journal_, {L"LevelAudit", L"MESSAGE : audit du fichier autre", L"ERREUR : 2"}), 0);
  EXPECT_EQ(ctrl_levelAudit(fichier("une.dgn", 1)), 0);
  etatRetabli();
}

// Two hosts verifying at once, each on its own plans, one with two master level tables and one
// with one: each reads its own log, never the other's.
TEST_F(LevelAudit, TwoProcessesAtOnceReadTheirOwnLogs) {
  const std::wstring deux = fichier("deux.dgn", 2);
  const std::wstring une = fichier("une.dgn", 1);
  constexpr int kTours = 40;
  pid_t enfants[2] = {0, 0};
  for (int k = 0; k < 2; ++k) {
    enfants[k] = ::fork();
    ASSERT_GE(enfants[k], 0);
    if (enfants[k] == 0) {
      int faux = 0;
      for (int i = 0; i < kTours; ++i)
        if (ctrl_levelAudit(k == 0 ? deux : une) != (k == 0 ? 0x8000 : 0)) ++faux;
      ::_exit(faux == 0 ? 0 : 1);
    }
  }
  for (const pid_t enfant : enfants) {
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << "a process read a log that was not its own";
  }
}

TEST_F(LevelAudit, LogsThatAreMissingEmptyBinaryOrHugeReadWithoutCrash) {
  std::vector<std::wstring> lignes;
  EXPECT_EQ(ctrl_levelAuditJournal(stbFichier_lireLignes(lignes, chemin("absent.txt"))), 0);
  const auto ecrire = [&](const std::string& nom, const std::string& octets) {
    std::ofstream(racine_ / nom, std::ios::binary) << octets;
    return ctrl_levelAuditJournal(stbFichier_lireLignes(lignes, chemin(nom)));
  };
  EXPECT_EQ(ecrire("vide.txt", ""), 0);
  EXPECT_EQ(ecrire("binaire.txt", std::string("\0\xff\xfe\x01MESSAGE fichier \0\nERREUR", 27)), 0);
  EXPECT_EQ(ecrire("sansfin.txt", "LevelAudit MESSAGE du fichier ERREUR"), 0);
  const std::string long_(5 << 20, 'x');
  EXPECT_EQ(ecrire("long.txt", "LevelAudit\nMESSAGE du fichier " + long_ + "\r\nERREUR " + long_ + "\n"), 0x8000);
}

// ---- the driver's last step ----

class LevelAuditPilote : public LevelAudit {
 protected:
  void SetUp() override {
    LevelAudit::SetUp();
    contexte_.repertoire = host::paths::fromNative(racine_) + L"/";
    contexte_.repLivre = contexte_.repertoire + L"Livre/";
    fs::create_directories(racine_ / "Livre");
    ASSERT_TRUE(pf::parametrerContexte(contexte_, contexte_.repertoire + L"Parametres"));
    ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 12, 0, 0));
    dessinDeTravail();
  }
  void TearDown() override {
    host::clock::useSystem();
    LevelAudit::TearDown();
  }

  verplan verifier(const std::wstring& nom, std::int32_t type, drapeauxVerification drapeaux) {
    const auto avant = pf::empreintes({livre()});
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = 1;
    plan_verifier(plan, 1, contexte_, drapeaux);
    EXPECT_EQ(pf::empreintes({livre()}), avant) << "nothing delivered is written";
    etatRetabli();
    return plan;
  }

  std::filesystem::path livre() const { return std::filesystem::path((racine_ / "Livre").string()); }

  static std::vector<std::uint32_t> codes(const verplan& plan) {
    std::vector<std::uint32_t> c;
    for (const vererreur& e : plan.erreurs) c.push_back(e.code);
    return c;
  }

  static bool sans2013(const verplan& plan) {
    const auto c = codes(plan);
    return std::find(c.begin(), c.end(), 2013u) == c.end();
  }

  vercontexte contexte_;
};

TEST_F(LevelAuditPilote, OneFilePlanWithTwoMasterTablesGets2013) {
  const pf::PlanUnique p = pf::planUnique();
  for (const std::uint32_t tables : {1u, 2u}) {
    SCOPED_TRACE(tables);
    pf::PlanUniqueConstruit c = pf::construire(p);
    c.fichier.header().masterLevelTables = tables;
    ASSERT_TRUE(pf::sauver(c.fichier, contexte_.repLivre + p.nomFichier));
    const verplan plan = verifier(p.nomFichier, 1, drapeauLevelAudit);
    if (tables == 1) {
      EXPECT_TRUE(plan.erreurs.empty());
      EXPECT_EQ(plan.statuts[0], 0);
    } else {
      ASSERT_EQ(codes(plan), std::vector<std::uint32_t>{2013});
      EXPECT_TRUE(host::paths::equalNoCase(plan.erreurs[0].fichier, p.nomFichier));
      EXPECT_TRUE(plan.erreurs[0].complement.empty());
      EXPECT_EQ(plan.statuts[0], 1);
    }
  }
  // Flag 2 clear: no run.
  const std::uint64_t rapports = host::level_audit::reportCount();
  EXPECT_TRUE(verifier(p.nomFichier, 1, 0).erreurs.empty());
  EXPECT_EQ(host::level_audit::reportCount(), rapports);
}

// A run that cannot be made leaves the plan not verified (status 2), never OK, and the message
// list names the file.
TEST_F(LevelAuditPilote, APlanWhoseRunCannotBeMadeIsNotVerified) {
  const pf::PlanUnique p = pf::planUnique();
  ASSERT_TRUE(pf::sauver(pf::construire(p).fichier, contexte_.repLivre + p.nomFichier));
  fs::permissions(racine_ / "tmp", fs::owner_read | fs::owner_exe);
  host::messages::clearLog();
  const verplan plan = verifier(p.nomFichier, 1, drapeauLevelAudit);
  fs::permissions(racine_ / "tmp", fs::owner_all);
  EXPECT_TRUE(plan.erreurs.empty());
  EXPECT_EQ(plan.statuts[0], 2);
  EXPECT_EQ(plan.statuts[1], 2);
  const auto messages = host::messages::log();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, host::messages::Kind::MessageList);
  EXPECT_TRUE(host::paths::equalNoCase(messages[0].brief, L"Impossible de v\u00e9rifier les tables de niveaux du fichier " +
                                                              contexte_.repLivre + p.nomFichier + L"."))
      << host::text::toUtf8(messages[0].brief);
}

TEST_F(LevelAuditPilote, ThreeFilePlanIsAuditedOnItsElectricityFile) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiers();
  pf::PlanTroisFichiersConstruit c = pf::construire(p);
  c.el2.header().masterLevelTables = 2;
  c.fp2.header().masterLevelTables = 3;  // the background file is not audited
  const pf::CheminsTroisFichiers chemins = pf::enregistrer(c, p.nom, contexte_.repLivre);
  ASSERT_FALSE(chemins.el2.empty());
  verplan plan = verifier(p.nom, 2, drapeauLevelAudit);
  ASSERT_EQ(codes(plan), std::vector<std::uint32_t>{2013});
  EXPECT_TRUE(host::paths::equalNoCase(plan.erreurs[0].fichier, p.nom + L".EL2"));

  // Without EL2 the run is on its path, which does not exist: nothing.
  fs::remove(host::paths::toNative(chemins.el2));
  const std::uint64_t rapports = host::level_audit::reportCount();
  plan = verifier(p.nom, 2, drapeauLevelAudit);
  EXPECT_EQ(sans2013(plan), true);
  EXPECT_EQ(host::level_audit::reportCount(), rapports);
}

TEST_F(LevelAuditPilote, APlanStoppedAtTheTitleBlockIsNotAudited) {
  pf::PlanUnique p = pf::planUnique();
  p.nomCartouche = L"AUTRE";
  pf::PlanUniqueConstruit c = pf::construire(p);
  c.fichier.header().masterLevelTables = 2;
  ASSERT_TRUE(pf::sauver(c.fichier, contexte_.repLivre + p.nomFichier));
  const verplan plan = verifier(p.nomFichier, 1, drapeauLevelAudit);
  EXPECT_EQ(plan.statuts[1], 0);
  EXPECT_EQ(sans2013(plan), true);
  EXPECT_EQ(host::level_audit::reportCount(), 0u);
}

}  // namespace
