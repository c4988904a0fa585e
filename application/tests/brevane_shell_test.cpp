// The signature library loaded as an application beside the application, in the host's shell:
// both libraries use command number 0x0101000000000000, and both key-ins run their own command.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "application/tests/shell_lancer.h"
#include "engine/fixture/parametres_fixture.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/signer.h"

namespace fs = boost::filesystem;
using ::testing::HasSubstr;

namespace {

TEST(BrevaneShell, BothKeyInsWorkWithBothApplicationsLoaded) {
  const fs::path dir = fs::current_path() / "shell_brevane";
  fs::remove_all(dir);
  fs::create_directories(dir / "Travail");
  ASSERT_TRUE(plan_fixture::ecrireParametres((dir / "Parametres").wstring()));
  host::fixture::DesignBuilder b;
  b.level(L"Signature", 20);
  b.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}).level(20).colour(3));
  host::fixture::sign(b.file());
  const fs::path plan = dir / "signe.dgn";
  ASSERT_TRUE(b.save(plan.wstring()));

  const std::string absent = "-c 'pick " + (dir / "Absent").string() + "'";
  std::string sortie;
  ASSERT_EQ(shell_lancer::lancer(std::string(CADHOST_SHELL_PATH) + " --cfg TOLVEK_RACINE=" + (dir / "Travail").string() +
                                     " --cfg TOLVEK_PARAM=" + (dir / "Parametres").string() + " " + absent +
                                     " -c 'load " + TOLVEK_PLUGIN_PATH + "' -c 'load " + BREVANE_PLUGIN_PATH + "'" +
                                     " -c 'design " + plan.string() + "' -c 'echo -- cles' " + absent +
                                     " -c 'tolvek dossier' -c 'brevane verifier' -c apps",
                                 sortie),
            0)
      << sortie;
  const std::string apres = sortie.substr(sortie.find("-- cles"));
  // The application's folder command ran (its picker answered with a missing folder) ...
  EXPECT_THAT(apres, HasSubstr("[mode 5] Erreur d'initialisation du dossier."));
  // ... and the signature library's key-in printed its line on the console.
  EXPECT_THAT(apres, HasSubstr("[console] R\u00e9sultat chck plan actif : 0"));
  EXPECT_THAT(apres, HasSubstr("TOLVEK"));
  EXPECT_THAT(apres, HasSubstr("BREVANE"));
  EXPECT_THAT(sortie, ::testing::Not(HasSubstr("[bip]")));
}

}  // namespace
