#include "toolbox/stb_sys.h"

#include <gtest/gtest.h>

#include "host/config.h"
#include "host/desktop.h"
#include "host/messages.h"

namespace {

namespace msg = host::messages;

class StbSys : public ::testing::Test {
 protected:
  void SetUp() override {
    host::config::clear();
    msg::clearLog();
  }
  void TearDown() override { host::config::clear(); }
};

TEST_F(StbSys, DefinedEvenEmptyGivesZero) {
  host::config::set(L"TOLVEK_PARAM", L"/param\u00e9");
  host::config::set(L"VIDE", L"");
  std::wstring v = L"stale";
  EXPECT_EQ(stbSys_lireVariable(v, L"TOLVEK_PARAM"), 0);
  EXPECT_EQ(v, L"/param\u00e9");
  EXPECT_EQ(stbSys_lireVariable(v, L"VIDE"), 0);
  EXPECT_EQ(v, L"");
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbSys, UndefinedGivesStatusEmptyValueAndAMessageOnlyWhenAsked) {
  std::wstring v = L"stale";
  EXPECT_NE(stbSys_lireVariable(v, L"STB_TEST_ABSENTE"), 0);
  EXPECT_EQ(v, L"");
  EXPECT_TRUE(msg::log().empty());  // mode -1 shows nothing

  EXPECT_EQ(stbSys_lireVariable(v, L"STB_TEST_ABSENTE", 5), stbSys_variableIndefinie);
  const auto log = msg::log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, msg::Kind::MessageBox);
  EXPECT_EQ(log[0].brief, L"La variable d'environnement STB_TEST_ABSENTE n'est pas d\u00e9finie.");
}

TEST_F(StbSys, OuvrirDocumentHandsTheShellSingleByteTexts) {
  host::desktop::clearRequests();
  EXPECT_EQ(stbSys_ouvrirDocument(L"--x", L""), 0x8000);  // no target: the shell is not asked
  EXPECT_TRUE(host::desktop::requests().empty());

  EXPECT_GT(stbSys_ouvrirDocument(L"", L"https://exemple.fr/aide/\u00e9t\u00e9.html"), 32);
  EXPECT_GT(stbSys_ouvrirDocument(L"-p \u20ac", L"/tmp/a.pdf"), 32);
  const auto demandes = host::desktop::requests();
  ASSERT_EQ(demandes.size(), 2u);
  EXPECT_EQ(demandes[0].target, L"https://exemple.fr/aide/\u00e9t\u00e9.html");  // Latin-1 passes unchanged
  EXPECT_EQ(demandes[0].parameters, L"");                                       // no parameters
  EXPECT_EQ(demandes[1].parameters, L"-p \u00ac");                               // only the low byte is kept
  host::desktop::clearRequests();
}

}  // namespace
