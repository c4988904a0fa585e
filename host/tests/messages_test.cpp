#include "host/messages.h"

#include <gtest/gtest.h>

namespace {

namespace msg = host::messages;

class HostMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    msg::clearLog();
    msg::clearAnswers();
  }
};

TEST_F(HostMessages, EveryOutputIsLoggedWithWhatTheUserSaw) {
  msg::messageCenter(13, L"bref", L"d\u00e9taill\u00e9", 2);
  msg::messageList(L"ligne");
  EXPECT_EQ(msg::messageBox(-97, L"bo\u00eete", 4), msg::answerOk);
  const auto log = msg::log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].kind, msg::Kind::MessageCenter);
  EXPECT_EQ(log[0].priority, 13);
  EXPECT_EQ(log[0].brief, L"bref");
  EXPECT_EQ(log[0].detailed, L"d\u00e9taill\u00e9");
  EXPECT_EQ(log[0].alert, 2);
  EXPECT_EQ(log[1].kind, msg::Kind::MessageList);
  EXPECT_EQ(log[1].brief, L"ligne");
  EXPECT_EQ(log[2].kind, msg::Kind::MessageBox);
  EXPECT_EQ(log[2].dialogId, -97);
  EXPECT_EQ(log[2].iconType, 4);
  EXPECT_EQ(log[2].answer, msg::answerOk);
  msg::clearLog();
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(HostMessages, QuestionBoxTakesQueuedAnswersInOrderAndSaysNoWhenNoneLeft) {
  msg::queueAnswer(msg::answerYes);
  msg::queueAnswer(msg::answerNo);
  msg::messageBox(-97, L"plain boxes do not take answers", 1);
  EXPECT_EQ(msg::pendingAnswers(), 2u);
  EXPECT_EQ(msg::messageBox(msg::questionBoxId, L"q1", 3), msg::answerYes);
  EXPECT_EQ(msg::messageBox(msg::questionBoxId, L"q2", 3), msg::answerNo);
  EXPECT_EQ(msg::messageBox(msg::questionBoxId, L"q3", 3), msg::answerNo);
  const auto log = msg::log();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1].answer, msg::answerYes);
  EXPECT_EQ(log[3].answer, msg::answerNo);
  msg::queueAnswer(msg::answerYes);
  msg::clearAnswers();
  EXPECT_EQ(msg::pendingAnswers(), 0u);
}

}  // namespace
