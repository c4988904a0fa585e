// libbrevane.so as its callers see it: the engine's library links it, the host loads it as an
// application.
#include <cstdio>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/application.h"
#include "host/commands.h"
#include "host/console.h"
#include "host/open_resources.h"
#include "host/text.h"
#include "host/version_record.h"
#include "signature/brevane.h"
#include "signature/tests/signature_fixture.h"

namespace {

using namespace signature_fixture;
namespace app = host::application;

const std::wstring libraryPath = host::text::fromUtf8(BREVANE_LIB_PATH);

class BrevaneLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    host::console::clear();
    host::config::unset(L"BREVANE_MAFILE");
    dir = testFolder("brevane_lib");
    auto b = smallPlan();
    fx::sign(b.file());
    plan = (dir / "signe.dgn").wstring();
    ASSERT_TRUE(b.save(plan));
    auto changed = smallPlan();
    fx::sign(changed.file(), fx::SignOptions().oneMore(91));
    modified = (dir / "modifie.dgn").wstring();
    ASSERT_TRUE(changed.save(modified));
  }
  void TearDown() override {
    std::wstring error;
    app::unload(L"BREVANE", app::reasonRequest, error);
    host::config::unset(L"BREVANE_MAFILE");
    host::resetModels();
  }
  fs::path dir;
  std::wstring plan, modified;
};

std::set<std::string> exportedNames(const std::string& library) {
  std::set<std::string> names;
  FILE* pipe = popen(("nm -D --defined-only " + library).c_str(), "r");
  if (!pipe) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string s(line);
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    names.insert(s.substr(s.rfind(' ') + 1));
  }
  pclose(pipe);
  return names;
}

TEST_F(BrevaneLibrary, ExportsItsThreeNamesOnlyAndKeepsItsVersionRecordInTheFile) {
  EXPECT_EQ(exportedNames(BREVANE_LIB_PATH), (std::set<std::string>{"BrevaneModelQuorel", "BrevanePlanQuorel", "MdlMain"}));
  EXPECT_TRUE(host::version::readFile(libraryPath));
}

TEST_F(BrevaneLibrary, PlanCheckOpensAndClosesItsFile) {
  host::config::set(L"BREVANE_MAFILE", resourcePath);
  EXPECT_EQ(BrevanePlanQuorel(plan), 0);
  EXPECT_EQ(BrevanePlanQuorel(modified), 6);
  EXPECT_EQ(BrevanePlanQuorel((dir / "absent.dgn").wstring()), 1);  // never "as signed"
  EXPECT_EQ(host::openWorkFileCount(), 0u);
  host::config::unset(L"BREVANE_MAFILE");
  EXPECT_EQ(BrevanePlanQuorel(plan), 2);
}

// Loaded as an application the library keeps its own resource file open; unloaded, the linked
// library goes back to BREVANE_MAFILE.
TEST_F(BrevaneLibrary, TheApplicationsKeyInAndItsResourceFileUntilItUnloads) {
  const std::size_t openBefore = host::resources::openFileCount();
  std::wstring error;
  ASSERT_NE(app::load(libraryPath, {}, error), 0) << host::text::toUtf8(error);
  EXPECT_EQ(host::resources::openFileCount(), openBefore + 1);
  EXPECT_EQ(host::console::beepCount(), 0u);

  ASSERT_EQ(host::openActiveFile(plan), host::kSuccess);
  ASSERT_TRUE(host::commands::keyin(L"brevane verifier", error)) << host::text::toUtf8(error);
  ASSERT_EQ(host::openActiveFile(modified), host::kSuccess);
  ASSERT_TRUE(host::commands::keyin(L"BREVANE VERIFIER", error));
  EXPECT_EQ(host::console::text(), L"R\u00e9sultat chck plan actif : 0\nR\u00e9sultat chck plan actif : 6\n");
  EXPECT_EQ(BrevaneModelQuorel(host::activeModel()), 6);  // without BREVANE_MAFILE: the application's file

  ASSERT_TRUE(app::unload(L"BREVANE", app::reasonRequest, error));
  EXPECT_EQ(host::resources::openFileCount(), openBefore);
  EXPECT_EQ(BrevaneModelQuorel(host::activeModel()), 2);
  host::config::set(L"BREVANE_MAFILE", resourcePath);
  EXPECT_EQ(BrevaneModelQuorel(host::activeModel()), 6);
  EXPECT_EQ(host::resources::openFileCount(), openBefore);
  host::closeActiveFile();
}

TEST_F(BrevaneLibrary, WithoutItsResourceFileTheApplicationBeepsOnce) {
  // The library under another name in a folder without brevane.json: the same file, loaded once.
  const fs::path link = dir / "libbrevane.so";
  fs::create_symlink(BREVANE_LIB_PATH, link);
  std::wstring error;
  ASSERT_NE(app::load(link.wstring(), {}, error), 0) << host::text::toUtf8(error);
  EXPECT_EQ(host::console::beepCount(), 1u);
  EXPECT_FALSE(host::commands::keyin(L"brevane verifier", error));
  host::config::set(L"BREVANE_MAFILE", resourcePath);
  EXPECT_EQ(BrevanePlanQuorel(plan), 0);
}

}  // namespace
