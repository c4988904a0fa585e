#include "host/shell_session.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <boost/filesystem.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/application.h"
#include "host/clipboard.h"
#include "host/file_list.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/view_display.h"
#include "host/views.h"
#include "host/messages.h"
#include "host/text.h"

namespace {

using ::testing::HasSubstr;

TEST(HostShellWords, SplitsAtBlanksAndKeepsQuotedTextWhole) {
  EXPECT_THAT(host::shell::splitWords(L"  type 2 1 \"a b\"  c "),
              ::testing::ElementsAre(L"type", L"2", L"1", L"a b", L"c"));
  EXPECT_THAT(host::shell::splitWords(L"echo \"dit \\\"oui\\\"\""), ::testing::ElementsAre(L"echo", L"dit \"oui\""));
  EXPECT_TRUE(host::shell::splitWords(L"   ").empty());
}

class HostShell : public ::testing::Test {
 protected:
  void TearDown() override {
    host::application::unloadAll();
    host::messages::clearAnswers();
    host::file_list::clearAnswers();
    host::clipboard::clear();
  }
  // Runs lines until one fails; the output, and the failing line's error after "!".
  std::string script(const std::vector<std::wstring>& lines) {
    std::ostringstream out;
    host::shell::Session session(out);
    for (const auto& line : lines) {
      std::wstring error;
      if (!session.run(line, error)) {
        out << "! " << host::text::toUtf8(error) << '\n';
        break;
      }
    }
    return out.str();
  }
};

TEST_F(HostShell, DrivesAnApplicationAndPrintsMessagesWithTheirMode) {
  const std::string out = script({L"# a comment", L"", L"load " + host::text::fromUtf8(TEST_PLUGIN_PATH),
                                  L"test hello monde", L"toggle 1 3", L"show 1", L"answer yes", L"clipboard set abc",
                                  L"clipboard", L"test tool", L"point 1 5 6", L"default", L"at-pump press 1 5",
                                  L"test pump", L"load " + host::text::fromUtf8(TEST_PLUGIN_PATH), L"unload testplugin",
                                  L"apps"});
  EXPECT_THAT(out, HasSubstr("[mode 4] event: hello monde\n"));
  EXPECT_THAT(out, HasSubstr("toggleButton 3 « Bascule » = « 1 »"));
  EXPECT_THAT(out, HasSubstr("    0 | b {2} | 10 | [0]\n"));
  EXPECT_THAT(out, HasSubstr("[presse-papier] abc\n"));
  EXPECT_THAT(out, HasSubstr("[outil] Outil d'essai > Donner un point\n"));
  EXPECT_THAT(out, HasSubstr("[mode 4] event: first point 5\n"));
  EXPECT_THAT(out, HasSubstr("[outil] commande par défaut\n"));
  EXPECT_THAT(out, HasSubstr("[mode 4] event: pump 0\n[mode 4] event: activate 5 value 7 toggle 1\n[mode 4] event: pump 1\n"));
  EXPECT_THAT(out, HasSubstr("[mode 4] event: reload\n[mode 4] event: unload 1\n[mode 4] event: dialog destroy\n"));
  EXPECT_THAT(out, ::testing::Not(HasSubstr("TESTPLUGIN")));
  EXPECT_EQ(host::messages::pendingAnswers(), 1u);
}

TEST_F(HostShell, AFailingCommandSaysWhy) {
  const struct {
    std::vector<std::wstring> lines;
    const char* error;
  } cases[] = {
      {{L"frobnicate"}, "! commande inconnue : frobnicate"},
      {{L"show 9"}, "! le dialogue 9 n'est pas ouvert"},
      {{L"load " + host::text::fromUtf8(TEST_PLUGIN_PATH), L"press 1 42"}, "! pas d'élément pushButton ou toggleButton 42 dans le dialogue 1"},
      {{L"load " + host::text::fromUtf8(TEST_PLUGIN_PATH), L"select 1 6 7"}, "! ligne 7 absente de la liste 6"},
      {{L"reset"}, "! aucun outil ne prend de remise à zéro"},
      {{L"clock 2026-02-30 10:00:00"}, "! date invalide"},
      {{L"point 0 x 1"}, "! usage : point VUE X Y [Z]"},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(script(c.lines), HasSubstr(c.error));
    host::application::unloadAll();
  }
}

TEST_F(HostShell, SelectsEveryRowOfAListWithAll) {
  const std::string out = script({L"load " + host::text::fromUtf8(TEST_PLUGIN_PATH), L"select 1 6 ALL", L"show 1"});
  EXPECT_THAT(out, HasSubstr("    0*| b {2} | 10 | [0]\n    1*| c | 9 | [1]\n    2*| a | 8 | [2]\n"));
}

TEST_F(HostShell, APickedFolderIsAFullPath) {
  script({L"pick sous/Dossier", L"pick /un/autre", L"pick cancel"});
  const std::wstring ici = host::paths::fromNative(boost::filesystem::current_path());
  EXPECT_EQ(host::file_list::edit(L"", L"", 0).paths, std::vector<std::wstring>{ici + L"/sous/Dossier"});
  EXPECT_EQ(host::file_list::edit(L"", L"", 0).paths, std::vector<std::wstring>{L"/un/autre"});
  EXPECT_EQ(host::file_list::edit(L"", L"", 0).action, host::file_list::actionCancel);
}

TEST_F(HostShell, ListsTheReferencesOfTheActiveModel) {
  host::fixture::DesignBuilder plan;
  plan.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
  ASSERT_TRUE(plan.save(L"shell_ref_plan.dgn"));
  host::fixture::DesignBuilder travail;
  host::ReferenceAttachment a;
  a.logicalName = L"VUE1";
  a.fileName = L"shell_ref_plan.dgn";
  travail.reference(a);
  ASSERT_TRUE(travail.save(L"shell_ref_travail.dgn"));
  const std::string out = script({L"references", L"design shell_ref_travail.dgn", L"references"});
  EXPECT_EQ(out.find("référence"), out.rfind("référence"));  // none before the design file opens
  const auto ligne = out.find("référence VUE1 ");
  ASSERT_NE(ligne, std::string::npos) << out;
  EXPECT_THAT(out.substr(ligne, out.find('\n', ligne) - ligne), ::testing::EndsWith("shell_ref_plan.dgn"));
  host::resetModels();
}

TEST_F(HostShell, OpensTheActiveDesignFileAndWritesAViewAsAPicture) {
  host::fixture::DesignBuilder plan;
  const auto id = plan.add(host::fixture::line({0, 0, 0}, {4000, 2000, 0}));
  ASSERT_TRUE(plan.save(L"shell_plan.dgn"));
  host::views::reset();
  host::views::resetDisplay();
  const std::string out = script({L"design SHELL_PLAN.DGN", L"view 2 on", L"area 2 0 0 10 10", L"fit 2", L"views",
                                  L"svg 2 vue2.svg", L"svg 3 vue3.svg"});
  // Fitted to the line, grown to the views' shape.
  EXPECT_THAT(out, HasSubstr("vue 2 : 0.000000 -500.000000 4000.000000 2500.000000\n"));
  EXPECT_THAT(out, HasSubstr("! la vue 3 n'est pas ouverte"));
  std::ifstream in("vue2.svg");
  const std::string picture((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_THAT(picture, HasSubstr("data-id=\"" + std::to_string(id) + "\""));
  EXPECT_THAT(script({L"design absent.dgn"}), HasSubstr("! ouverture impossible de absent.dgn"));
  EXPECT_THAT(script({L"view 9 on"}), HasSubstr("! numéro de vue hors de 1 à 8 : 9"));
  host::resetModels();
  host::views::resetDisplay();
}

int runShellCommand(const std::string& commandLine, std::string& output) {
  const std::string command = commandLine + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runShell(const std::string& arguments, std::string& output) {
  return runShellCommand(std::string(CADHOST_SHELL_PATH) + " " + arguments, output);
}

TEST_F(HostShell, TheExecutableStopsAScriptAtItsFirstFailureWithANonZeroExit) {
  {
    std::ofstream cfg("shell.cfg");
    cfg << "# configuration\nGREETING=bonjour\n";
    std::ofstream s("shell.script");
    s << "# start\ntest hello\nshow 1\nunknown words here\necho never\n";
  }
  std::string out;
  EXPECT_EQ(runShell("--cfg-file shell.cfg --load " + std::string(TEST_PLUGIN_PATH) + " shell.script", out), 1);
  EXPECT_THAT(out, HasSubstr("[mode 4] event: hello \n"));
  EXPECT_THAT(out, HasSubstr("shell.script, ligne 4 : commande inconnue : unknown words here"));
  EXPECT_THAT(out, ::testing::Not(HasSubstr("never")));
  EXPECT_THAT(out, HasSubstr("[mode 4] event: unload 2"));  // applications unloaded at exit

  out.clear();
  EXPECT_EQ(runShell("--load " + std::string(TEST_PLUGIN_PATH) + " -c 'test fail' -c 'apps'", out), 0);
  EXPECT_THAT(out, HasSubstr("[mode 4] event: unload 1"));
  EXPECT_THAT(out, ::testing::Not(HasSubstr("TESTPLUGIN")));  // unloaded by its own queued command

  // Each -c is a line of its own: the failing one is named by its place.
  out.clear();
  EXPECT_EQ(runShell("-c 'echo un' -c 'echo deux' -c 'inconnue'  -c 'echo jamais'", out), 1);
  EXPECT_THAT(out, HasSubstr("-c, ligne 3 : commande inconnue : inconnue"));
  EXPECT_THAT(out, ::testing::Not(HasSubstr("jamais")));

  out.clear();
  EXPECT_EQ(runShell("--cfg NOVALUE", out), 1);
  EXPECT_THAT(out, HasSubstr("--cfg attend NOM=VALEUR"));
  out.clear();
  EXPECT_EQ(runShell("--load /nonexistent/libnothing.so -c 'echo x'", out), 1);
  EXPECT_THAT(out, HasSubstr("chargement impossible"));
}

// A picker that no "pick" answered: asked on a terminal, told cancelled in a script.
TEST(HostShellPicker, AsksOnATerminalAndSaysCancelledInAScript) {
  const host::file_list::Request request{L"S\u00e9lectionner le dossier", L"", 0};
  struct Cas {
    bool terminal;
    std::string typed;
    int action;
    std::wstring path;
    std::string printed;
  };
  const std::wstring here = host::paths::fromNative(boost::filesystem::current_path());
  const Cas cases[] = {
      {true, "/d/Livraison\n", host::file_list::actionOk, L"/d/Livraison", "chemin (vide pour annuler) : "},
      {true, "  Livraison  \n", host::file_list::actionOk, here + L"/Livraison", "S\u00e9lectionner le dossier"},
      {true, "\n", host::file_list::actionCancel, L"", "chemin (vide pour annuler)"},
      {true, "", host::file_list::actionCancel, L"", "chemin"},  // end of input
      {false, "/d/Livraison\n", host::file_list::actionCancel, L"", "S\u00e9lectionner le dossier \u00bb : annul\u00e9"},
  };
  for (const Cas& c : cases) {
    std::istringstream in(c.typed);
    std::ostringstream out;
    const auto answer = host::shell::answerPicker(request, c.terminal, in, out);
    EXPECT_EQ(answer.action, c.action) << c.typed;
    EXPECT_EQ(answer.paths, c.path.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{c.path}) << c.typed;
    EXPECT_THAT(host::text::fromUtf8(out.str()), HasSubstr(c.printed.empty() ? L"" : host::text::fromUtf8(c.printed)))
        << c.typed;
  }
  std::istringstream in("/d/Livraison\n");
  std::ostringstream out;
  host::shell::answerPicker(request, false, in, out);
  EXPECT_EQ(in.tellg(), 0) << "a script's picker reads nothing";
}

// The main job's script writes paths as quoted words: any path but one with a line break comes
// back whole through the shell's word splitting.
TEST(HostShellWords, ThePathsTheMainJobWritesComeBackWhole) {
  const std::string source = std::string(PROJECT_SOURCE_DIR) + "/scripts/cadhost_mot.sh";
  for (const std::string chemin : {"/l/Livraison", "/l/a b", "/l/dit \"oui\"", "/l/a\\b\\", "/l/\\\"\\"}) {
    {
      std::ofstream f("chemin.txt", std::ios::binary);
      f << chemin;
    }
    std::string mot;
    ASSERT_EQ(runShellCommand("bash -c '. " + source + " && cadhost_mot \"$(cat chemin.txt)\"'", mot), 0) << chemin;
    EXPECT_THAT(host::shell::splitWords(L"pick " + host::text::fromUtf8(mot)),
                ::testing::ElementsAre(L"pick", host::text::fromUtf8(chemin)))
        << mot;
  }
  std::string sortie;
  EXPECT_EQ(runShellCommand("bash -c '. " + source + " && cadhost_mot \"$(printf \"a\\nb\")\"'", sortie), 2);
  EXPECT_THAT(sortie, HasSubstr("contient un saut de ligne"));
}

}  // namespace
