// The LevelAudit tool and what it stands on: the master level tables of a design file, the
// host's own key-ins sent synchronously, the global mode flags, and the active file put aside
// and brought back whole.
#include "host/level_audit.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/application.h"
#include "host/commands.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/temp_folder.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "host/paths.h"
#include "host/views.h"

namespace fx = host::fixture;
namespace cmd = host::commands;

namespace {

class HostLevelAudit : public ::testing::Test {
 protected:
  std::wstring chemin(const std::string& nom) const { return host::paths::fromNative(dossier_.path() / nom); }
  std::wstring ecrire(const std::string& nom, std::uint32_t tables) const {
    fx::DesignBuilder b;
    b.level(L"Fond", 3);
    b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(3));
    b.header().masterLevelTables = tables;
    EXPECT_TRUE(b.save(chemin(nom)));
    return chemin(nom);
  }
  static std::string lire(const std::wstring& fichier) {
    return host::paths::readBytes(host::paths::toNative(fichier)).value_or(std::string());
  }
  static bool envoyer(const std::wstring& ligne) {
    std::wstring erreur;
    return cmd::sendSynchronizedKeyin(ligne, erreur);
  }
  fx::TempFolder dossier_{"level_audit"};
};

TEST_F(HostLevelAudit, MasterLevelTablesAreAHeaderFieldThatDefaultsToOne) {
  const std::wstring deux = ecrire("deux.dgn", 2);
  const std::wstring une = ecrire("une.dgn", 1);
  EXPECT_NE(lire(deux).find("masterLevelTables"), std::string::npos);
  EXPECT_EQ(lire(une).find("masterLevelTables"), std::string::npos) << "the default is not written";
  std::string erreur;
  auto fichier = host::DesignFile::parse(lire(deux), &erreur);
  ASSERT_TRUE(fichier) << erreur;
  EXPECT_EQ(fichier->header.masterLevelTables, 2u);
  ASSERT_TRUE(host::DesignFile::parse(lire(une), &erreur));
  EXPECT_EQ(host::DesignFile::parse(lire(une), &erreur)->header.masterLevelTables, 1u);
  EXPECT_FALSE(host::DesignFile::parse(lire(ecrire("zero.dgn", 0)), &erreur)) << "a file holds at least one table";
}

TEST_F(HostLevelAudit, ReportsTheActiveFileInTheNamedLog) {
  const std::wstring plan = ecrire("plan.dgn", 3);
  const std::wstring journal = chemin("mon  journal.txt");  // two blanks: the path as given
  ASSERT_TRUE(envoyer(L"mdl load levelaudit"));
  const int id = host::application::find(L"levelaudit")->id;
  ASSERT_TRUE(envoyer(L"MDL LOAD LevelAudit")) << "loading again does nothing";
  EXPECT_EQ(host::application::find(L"levelaudit")->id, id);
  EXPECT_EQ(host::application::loaded().size(), 1u);
  ASSERT_TRUE(envoyer(L"LevelAudit Set LogFile " + journal));
  ASSERT_EQ(host::openActiveFile(plan), host::kSuccess);
  host::globalModes()[5] = 1;
  ASSERT_TRUE(envoyer(L"LEVELAUDIT REPORT MASTERTABLES"));
  host::globalModes()[5] = 0;
  EXPECT_EQ(host::level_audit::modeByteAtLastReport(), std::optional<std::uint8_t>(1));
  const std::string log = lire(journal);
  std::istringstream lignes(log);
  std::string entete, message, erreur;
  std::getline(lignes, entete);
  std::getline(lignes, message);
  std::getline(lignes, erreur);
  EXPECT_FALSE(entete.empty());
  EXPECT_EQ(message.rfind("MESSAGE", 0), 0u);
  EXPECT_NE(message.find(" fichier "), std::string::npos);
  EXPECT_NE(message.find("plan.dgn"), std::string::npos);
  EXPECT_EQ(erreur.rfind("ERREUR", 0), 0u);
  EXPECT_NE(erreur.find('3'), std::string::npos);

  // One table: no ERREUR line.
  ASSERT_EQ(host::openActiveFile(ecrire("propre.dgn", 1)), host::kSuccess);
  ASSERT_TRUE(envoyer(L"levelaudit report mastertables"));
  EXPECT_EQ(lire(journal).find("ERREUR"), std::string::npos);
  EXPECT_EQ(host::level_audit::modeByteAtLastReport(), std::optional<std::uint8_t>(0));
  EXPECT_EQ(host::level_audit::reportCount(), 2u);
}

TEST_F(HostLevelAudit, HostKeyinsReachTheHostAndUnknownOnesFail) {
  std::wstring erreur;
  EXPECT_FALSE(cmd::sendSynchronizedKeyin(L"levelaudit report mastertables", erreur)) << "not loaded yet";
  EXPECT_FALSE(erreur.empty());
  EXPECT_FALSE(cmd::sendSynchronizedKeyin(L"mdl load", erreur));
  EXPECT_FALSE(cmd::sendSynchronizedKeyin(L"mdl load /nowhere/libabsent.so", erreur));
  EXPECT_FALSE(cmd::sendSynchronizedKeyin(L"", erreur));
  // The shell's key-ins reach the host's too, and the tool unloads like any application.
  EXPECT_TRUE(cmd::keyin(L"mdl load levelaudit", erreur));
  EXPECT_TRUE(cmd::keyin(L"mdl unload levelaudit", erreur));
  EXPECT_EQ(host::application::find(L"levelaudit"), nullptr);
  EXPECT_FALSE(cmd::keyin(L"levelaudit set logfile x", erreur));
}

// A key-in sent from inside a running command runs before the send returns.
std::wstring journalDuTest;
bool rapportFait = false;
void commandeQuiAudite(const wchar_t*) {
  std::wstring erreur;
  cmd::sendSynchronizedKeyin(L"mdl load levelaudit", erreur);
  cmd::sendSynchronizedKeyin(L"levelaudit set logfile " + journalDuTest, erreur);
  cmd::sendSynchronizedKeyin(L"levelaudit report mastertables", erreur);
  rapportFait = host::level_audit::reportCount() == 1;
}

TEST_F(HostLevelAudit, SynchronizedKeyinsRunInsideARunningCommand) {
  journalDuTest = chemin("journal.txt");
  rapportFait = false;
  const int id = host::application::registerInProcess(L"/nowhere/libauditeur.so");
  {
    host::application::CallScope scope(id);
    const cmd::CommandRow table[] = {{commandeQuiAudite, 0x0A0B000000000000ULL}, {nullptr, 0}};
    cmd::registerCommandNumbers(table);
  }
  ASSERT_TRUE(cmd::execute(0x0A0B000000000000ULL, L""));
  EXPECT_TRUE(rapportFait);
  EXPECT_NE(lire(journalDuTest).find("aucun fichier"), std::string::npos) << "no active file";
}

TEST_F(HostLevelAudit, TheActiveFileComesBackWholeAfterAnotherWasActive) {
  const std::wstring dessin = ecrire("dessin.dgn", 1);
  const std::wstring plan = ecrire("plan.dgn", 2);
  const std::wstring reference = ecrire("reference.dgn", 1);
  const std::string octetsPlan = lire(plan);
  const std::string octetsDessin = lire(dessin);
  ASSERT_EQ(host::openActiveFile(dessin), host::kSuccess);
  const host::ModelRef travail = host::activeModel();
  host::ReferenceAttachment a;
  a.logicalName = L"VERIF";
  a.fileName = reference;
  const host::ModelRef ref = host::attachReference(travail, a);
  ASSERT_TRUE(ref);
  const host::ElementId ajoute = host::addElement(travail, fx::line({5, 5, 0}, {9, 9, 0}));
  host::views::setLevelDisplayed(0, travail, 3, false);
  host::setCurrentGraphicGroup(42);

  ASSERT_EQ(host::openActiveFile(plan), host::kSuccess);
  EXPECT_EQ(host::activeFileName(), plan);
  EXPECT_FALSE(host::isActive(travail));
  EXPECT_TRUE(host::isValid(travail)) << "kept aside";
  ASSERT_EQ(host::openActiveFile(dessin), host::kSuccess);

  EXPECT_EQ(host::activeModel(), travail);
  EXPECT_TRUE(host::readElement(travail, ajoute)) << "the unsaved change is there";
  ASSERT_EQ(host::references(travail).size(), 1u);
  EXPECT_EQ(host::references(travail).front(), ref);
  EXPECT_FALSE(host::views::levelDisplay(0, travail).testLevel(3));
  EXPECT_EQ(host::currentGraphicGroup(), 42u);
  EXPECT_EQ(lire(plan), octetsPlan);
  EXPECT_EQ(lire(dessin), octetsDessin) << "nothing saved";

  // A file that does not open leaves the active one; a plan left for the drawing is dropped.
  ASSERT_NE(host::openActiveFile(chemin("absent.dgn")), host::kSuccess);
  EXPECT_EQ(host::activeModel(), travail);
}

// A file changed on disk while put aside, or opened again while active, is read again.
TEST_F(HostLevelAudit, AFileChangedOnDiskIsReadAgain) {
  const std::wstring dessin = ecrire("dessin.dgn", 1);
  const std::wstring plan = ecrire("plan.dgn", 1);
  ASSERT_EQ(host::openActiveFile(dessin), host::kSuccess);
  const host::ModelRef premier = host::activeModel();
  ASSERT_EQ(host::openActiveFile(dessin), host::kSuccess);
  EXPECT_NE(host::activeModel(), premier);
  ASSERT_EQ(host::openActiveFile(plan), host::kSuccess);
  ecrire("dessin.dgn", 4);  // a new file under that name
  ASSERT_EQ(host::openActiveFile(dessin), host::kSuccess);
  EXPECT_EQ(host::designFile(host::activeModel())->header.masterLevelTables, 4u);
}

}  // namespace
