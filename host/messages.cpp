#include "host/messages.h"

#include <deque>
#include <mutex>

namespace host::messages {
namespace {

struct State {
  std::mutex mutex;
  std::vector<Entry> log;
  std::deque<int> answers;
};

State& state() {
  static State s;
  return s;
}

void record(Entry entry) {
  try {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log.push_back(std::move(entry));
  } catch (...) {
    // An output that cannot be recorded (memory) is lost, never thrown at the caller.
  }
}

}  // namespace

void messageCenter(int priority, const std::wstring& brief, const std::wstring& detailed, int alert) {
  try {
    Entry e;
    e.kind = Kind::MessageCenter;
    e.priority = priority;
    e.brief = brief;
    e.detailed = detailed;
    e.alert = alert;
    record(std::move(e));
  } catch (...) {
  }
}

void messageList(const std::wstring& text) {
  try {
    Entry e;
    e.kind = Kind::MessageList;
    e.brief = text;
    record(std::move(e));
  } catch (...) {
  }
}

int messageBox(int dialogId, const std::wstring& text, int iconType) {
  int answer = answerOk;
  if (dialogId == questionBoxId) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    answer = answerNo;
    if (!s.answers.empty()) {
      answer = s.answers.front();
      s.answers.pop_front();
    }
  }
  try {
    Entry e;
    e.kind = Kind::MessageBox;
    e.brief = text;
    e.dialogId = dialogId;
    e.iconType = iconType;
    e.answer = answer;
    record(std::move(e));
  } catch (...) {
  }
  return answer;
}

void queueAnswer(int answer) {
  try {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.answers.push_back(answer);
  } catch (...) {
  }
}

void clearAnswers() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.answers.clear();
}

std::size_t pendingAnswers() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  return s.answers.size();
}

std::vector<Entry> log() {
  try {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.log;
  } catch (...) {
    return {};
  }
}

void clearLog() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.log.clear();
}

}  // namespace host::messages
