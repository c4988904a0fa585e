// The about command's version fields and the help button.
#include "application/a_propos.h"

#include <gtest/gtest.h>

#include <cstring>

#include "application/verapplication.h"
#include "host/desktop.h"

namespace {

class APropos : public ::testing::Test {
 protected:
  void SetUp() override { reinitialiser(); }
  void TearDown() override { reinitialiser(); }
  static void reinitialiser() {
    appTolvek = verapplication{};
    std::memset(&TvkDlg, 0x5A, sizeof TvkDlg);
    host::desktop::clearRequests();
  }
};

TEST_F(APropos, TheVersionsGoToTheDialogFieldsAsSingleByteTexts) {
  const struct {
    std::wstring application, bibliotheque;
    std::string champApplication, champBibliotheque;
    const char* pourquoi;
  } cas[] = {
      {L"01.02.03", L"1.2.3.4", "01.02.03", "1.2.3.4", "plain versions"},
      {L"01.02.03", L"", "01.02.03", "", "a library without version record shows nothing"},
      {L"\u00e9t\u00e9", L"\u0100", "\xe9t\xe9", "", "Latin-1 as it is; above it the low byte only"},
      {std::wstring(200, L'9'), L"1", std::string(79, '9'), "1", "cut to the field with its zero"},
  };
  for (const auto& c : cas) {
    std::memset(&TvkDlg, 0x5A, sizeof TvkDlg);
    appTolvek.versionApplication = c.application;
    appTolvek.versionBibliotheque = c.bibliotheque;
    cmd_aPropos(L"");
    EXPECT_EQ(std::string(TvkDlg.versionApplication), c.champApplication) << c.pourquoi;
    EXPECT_EQ(std::string(TvkDlg.versionBibliotheque), c.champBibliotheque) << c.pourquoi;
    EXPECT_EQ(TvkDlg.versionApplication[79], '\0') << c.pourquoi;
    EXPECT_EQ(TvkDlg.demonterTout, 0x5A5A5A5A) << c.pourquoi;  // nothing else touched
  }
}

TEST_F(APropos, TheHelpButtonOpensTheHelpPageAndNothingElse) {
  for (int type : {50, 51, 54, 71, 73}) {
    host::dialogs::ItemMessage message;
    message.messageType = type;
    message.msgUnderstood = true;
    app_hookAide(&message);
    EXPECT_FALSE(message.msgUnderstood) << type;
  }
  EXPECT_TRUE(host::desktop::requests().empty());

  host::dialogs::ItemMessage presse;
  presse.messageType = 70;
  app_hookAide(&presse);
  EXPECT_TRUE(presse.msgUnderstood);
  const auto demandes = host::desktop::requests();
  ASSERT_EQ(demandes.size(), 1u);
  EXPECT_EQ(demandes[0].target.rfind(L"https://", 0), 0u);
  EXPECT_TRUE(demandes[0].target.ends_with(L"/tolvek.html"));
  EXPECT_TRUE(demandes[0].parameters.empty());
}

}  // namespace
