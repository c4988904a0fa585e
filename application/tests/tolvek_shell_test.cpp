// The plug-in as the host's shell loads it: start, reload and unload, and the failed starts.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <boost/filesystem.hpp>

#include "application/tests/shell_lancer.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// What the choose-folder command shows when it runs on a folder that does not exist.
const std::string kDossierAbsent = "[mode 5] Erreur d'initialisation du dossier.";

class TolvekShell : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::current_path() / (std::string("shell_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "Travail");
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir / "Parametres")));
  }
  std::string absent() const { return "-c 'pick " + (dir / "Absent").string() + "'"; }
  std::string racine() const { return "--cfg TOLVEK_RACINE=" + (dir / "Travail").string(); }
  std::string parametres() const { return "--cfg TOLVEK_PARAM=" + (dir / "Parametres").string(); }
  static int lancer(const std::string& arguments, std::string& sortie) {
    return shell_lancer::lancer(std::string(CADHOST_SHELL_PATH) + " " + arguments, sortie);
  }
  static std::size_t occurrences(const std::string& texte, const std::string& motif) {
    std::size_t n = 0;
    for (auto p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
    return n;
  }
  fs::path dir;
};

TEST_F(TolvekShell, StartsReloadsAndUnloads) {
  const std::string plugin = TOLVEK_PLUGIN_PATH;
  std::string sortie;
  ASSERT_EQ(lancer(racine() + " " + parametres() + " --load " + plugin + " -c 'echo -- demarre' -c dialogs -c apps" +
                       " -c 'echo -- recharge' " + absent() + " -c 'load " + plugin + "' -c apps -c dialogs" +
                       " -c 'echo -- decharge' -c 'unload TOLVEK' -c apps -c dialogs -c 'echo -- fin'",
                   sortie),
            0)
      << sortie;
  const auto demarre = sortie.find("-- demarre"), recharge = sortie.find("-- recharge"),
             decharge = sortie.find("-- decharge"), fin = sortie.find("-- fin");
  ASSERT_TRUE(demarre != std::string::npos && recharge != std::string::npos && decharge != std::string::npos &&
              fin != std::string::npos)
      << sortie;
  const std::string depart = sortie.substr(0, demarre), apresDepart = sortie.substr(demarre, recharge - demarre),
                    apresRecharge = sortie.substr(recharge, decharge - recharge),
                    apresDecharge = sortie.substr(decharge, fin - decharge);
  // Start: dialog 1 open, then the folder picker, cancelled: nothing more happens.
  EXPECT_THAT(depart, Not(HasSubstr("[mode")));
  EXPECT_THAT(depart, Not(HasSubstr("[barre]")));
  EXPECT_THAT(apresDepart, Not(HasSubstr("2 « ")));
  EXPECT_THAT(apresDepart, HasSubstr("1 « Tolvek »"));
  EXPECT_THAT(apresDepart, HasSubstr("TOLVEK " + plugin));
  EXPECT_THAT(apresDepart, HasSubstr("tolvek dossier -> 0x0101000000000000"));
  EXPECT_THAT(apresDepart, HasSubstr("tolvek apropos -> 0x0106000000000000"));
  EXPECT_TRUE(fs::exists(dir / "Travail" / "Tolvek.dgn"));
  // Reload: the same application, nothing started again (the picker's answer is not taken).
  EXPECT_THAT(apresRecharge, Not(HasSubstr(kDossierAbsent)));
  EXPECT_EQ(occurrences(apresRecharge, "TOLVEK " + plugin), 1u);
  EXPECT_THAT(apresRecharge, HasSubstr("1 « Tolvek »"));
  // Unload: the application, its key-ins and its dialog are gone.
  EXPECT_THAT(apresDecharge, Not(HasSubstr("TOLVEK")));
  EXPECT_THAT(apresDecharge, Not(HasSubstr("tolvek dossier")));
  EXPECT_THAT(apresDecharge, Not(HasSubstr("« Tolvek »")));
}

TEST_F(TolvekShell, AFailedStartShowsWhyAndUnloadsTheApplication) {
  const std::string plugin = TOLVEK_PLUGIN_PATH;
  // Were the choose-folder command run, its picker would answer with a missing folder.
  const std::string suite = " " + absent() + " -c 'load " + plugin + "' -c apps -c dialogs";
  const std::string prototype = (dir / "Parametres" / "Prototype.dgn").string();
  const struct {
    std::string arguments;
    std::string message;
  } cas[] = {
      {parametres() + suite, "[mode 5] La variable d'environnement TOLVEK_RACINE n'est pas définie."},
      {racine() + suite, "[mode 5] La variable d'environnement TOLVEK_PARAM n'est pas définie."},
      {racine() + " --cfg TOLVEK_PARAM=" + (dir / "Vide").string() + suite,
       "[mode 5] Impossible de copier le fichier " + (dir / "Vide" / "Prototype.dgn").string() + " en " +
           (dir / "Travail" / "Tolvek.dgn").string() + "."},
  };
  for (const auto& c : cas) {
    std::string sortie;
    EXPECT_EQ(lancer(c.arguments, sortie), 0) << sortie;
    EXPECT_THAT(sortie, HasSubstr(c.message));
    EXPECT_EQ(occurrences(sortie, "[mode 5]"), 1u) << sortie;
    EXPECT_THAT(sortie, Not(HasSubstr(kDossierAbsent)));
    EXPECT_THAT(sortie, Not(HasSubstr("TOLVEK " + plugin)));  // unloaded by its own queued command
    EXPECT_THAT(sortie, Not(HasSubstr("« Tolvek »")));
  }
  EXPECT_FALSE(fs::exists(dir / "Travail" / "Tolvek.dgn"));
}

TEST_F(TolvekShell, APaletteRefusedStillOpensDialogOneAndTheFolderChoice) {
  std::string sortie;
  ASSERT_EQ(lancer(racine() + " " + parametres() + " -c 'palettes refuse' " + absent() + " -c 'load " + TOLVEK_PLUGIN_PATH +
                       "' -c dialogs -c apps",
                   sortie),
            0)
      << sortie;
  EXPECT_THAT(sortie, HasSubstr(kDossierAbsent));
  EXPECT_THAT(sortie, HasSubstr("1 « Tolvek »"));
  EXPECT_THAT(sortie, HasSubstr("TOLVEK " + std::string(TOLVEK_PLUGIN_PATH)));
  EXPECT_FALSE(fs::exists(dir / "Travail" / "Tolvek.dgn"));  // ended before the working drawing
}

TEST_F(TolvekShell, TheChosenFolderOpensAndAKeyInMeanwhileIsRefused) {
  const fs::path dossier = dir / "LIVRAISON";
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(dossier / "Livre")).empty());
  std::string sortie;
  ASSERT_EQ(lancer(racine() + " " + parametres() + " -c 'pick " + dossier.string() + "'" +
                       " -c 'at-pump keyin tolvek dossier' -c 'load " + TOLVEK_PLUGIN_PATH + "' -c dialogs",
                   sortie),
            0)
      << sortie;
  EXPECT_THAT(sortie, Not(HasSubstr("[mode 5]")));
  EXPECT_EQ(occurrences(sortie, "[mode 4] Un traitement est en cours, veuillez patienter."), 1u) << sortie;
  EXPECT_THAT(sortie, HasSubstr("[barre] ouverte : Tolvek"));
  EXPECT_THAT(sortie, HasSubstr("[barre] 0 % Récupération de la vérification précédente"));
  EXPECT_THAT(sortie, HasSubstr("2 « Bilan de la vérification - LIVRAISON »"));
  EXPECT_TRUE(fs::exists(dossier / "Rapport"));
}

TEST_F(TolvekShell, AboutShowsBothVersionsAndTheHelpButtonOpensThePage) {
  std::string sortie;
  ASSERT_EQ(lancer(racine() + " " + parametres() + " --load " + TOLVEK_PLUGIN_PATH +
                       " -c 'keyin tolvek apropos' -c 'show 6' -c 'press 6 1' -c documents",
                   sortie),
            0)
      << sortie;
  EXPECT_THAT(sortie, HasSubstr("Dialogue 6 \u00ab \u00c0 propos de Tolvek \u00bb"));
  EXPECT_THAT(sortie, HasSubstr("\u00ab Application \u00bb = \u00ab 01.00.00 \u00bb"));
  // The library's version record, read from libhalvorn.so beside the plug-in.
  EXPECT_THAT(sortie, HasSubstr("\u00ab Biblioth\u00e8que de v\u00e9rification \u00bb = \u00ab 1.0.0.0 \u00bb"));
  EXPECT_THAT(sortie, HasSubstr("[document] https://"));
  EXPECT_THAT(sortie, HasSubstr("/tolvek.html\n"));
}

}  // namespace
