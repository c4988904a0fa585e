#include "toolbox/stb_msg.h"

#include <fstream>
#include <iterator>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "host/messages.h"

namespace {

namespace fs = boost::filesystem;
namespace msg = host::messages;

class StbMsg : public ::testing::Test {
 protected:
  void SetUp() override {
    msg::clearLog();
    msg::clearAnswers();
    // Tests run as parallel processes: each works in a folder of its own.
    ancien_ = fs::current_path();
    const fs::path propre = ancien_ / (std::string("stb_msg_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(propre);
    fs::create_directories(propre / "stb_msg" / "rep");
    fs::current_path(propre);
  }
  void TearDown() override { fs::current_path(ancien_); }
  fs::path ancien_;
  static std::string lire(const char* p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
};

TEST_F(StbMsg, EachModeReachesItsOwnOutput) {
  struct Case { int mode; msg::Kind kind; int priority, alert, dialogId, icon; };
  const Case cases[] = {
      {1, msg::Kind::MessageCenter, 13, 2, 0, 0},  {2, msg::Kind::MessageCenter, 10, 0, 0, 0},
      {3, msg::Kind::MessageCenter, 12, 0, 0, 0},  {4, msg::Kind::MessageList, 0, 0, 0, 0},
      {5, msg::Kind::MessageBox, 0, 0, -97, 1},    {6, msg::Kind::MessageBox, 0, 0, -121, 3},
      {7, msg::Kind::MessageBox, 0, 0, -97, 4},
  };
  for (const Case& c : cases) {
    msg::clearLog();
    stbMsg_afficher(c.mode, L"", L"Fichier \u00e9");
    const auto log = msg::log();
    ASSERT_EQ(log.size(), 1u) << c.mode;
    EXPECT_EQ(log[0].kind, c.kind) << c.mode;
    EXPECT_EQ(log[0].brief, L"Fichier \u00e9") << c.mode;
    EXPECT_EQ(log[0].priority, c.priority) << c.mode;
    EXPECT_EQ(log[0].alert, c.alert) << c.mode;
    EXPECT_EQ(log[0].dialogId, c.dialogId) << c.mode;
    EXPECT_EQ(log[0].iconType, c.icon) << c.mode;
    if (c.kind == msg::Kind::MessageCenter) {
      EXPECT_EQ(log[0].detailed, L"Fichier \u00e9") << c.mode;
    }
  }
  msg::clearLog();
  for (int mode : {-1, 0, 8}) EXPECT_EQ(stbMsg_afficher(mode, L"", L"rien"), 0) << mode;
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbMsg, QuestionAnswerIsReturnedUnlessATraceIsWritten) {
  msg::queueAnswer(msg::answerYes);
  EXPECT_EQ(stbMsg_afficher(6, L"", L"Continuer ?"), 6);
  EXPECT_EQ(stbMsg_afficher(6, L"", L"Continuer ?"), 7);  // no answer left: No
  msg::queueAnswer(msg::answerYes);
  EXPECT_EQ(stbMsg_afficher(6, L"stb_msg/Trace.txt", L"Continuer ?"), 0);  // the append's result
  EXPECT_EQ(msg::pendingAnswers(), 0u);                                    // the box was still shown
  EXPECT_EQ(stbMsg_afficher(5, L"", L"Termin\u00e9"), 0);
}

TEST_F(StbMsg, TraceIsAppendedAfterTheOutput) {
  EXPECT_EQ(stbMsg_afficher(-1, L"stb_msg/Trace.txt", L"D\u00e9but. 10:00:00"), 0);
  EXPECT_TRUE(msg::log().empty());  // mode -1 only appends
  EXPECT_EQ(stbMsg_afficher(4, L"stb_msg/Trace.txt", L"P1"), 0);
  EXPECT_EQ(msg::log().size(), 1u);
  EXPECT_EQ(lire("stb_msg/Trace.txt"), "D\xe9" "but. 10:00:00\nP1\n");

  EXPECT_EQ(stbMsg_afficher(2, L"stb_msg/rep", L"perdu"), 0x8000);  // a folder cannot take a line
  EXPECT_EQ(msg::log().size(), 2u);                                // but the message was shown
}

}  // namespace
