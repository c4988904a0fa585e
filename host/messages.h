#pragma once
// The host's message outputs: the message centre, the message list and the message boxes.
// No window is ever opened: every output is recorded in a log that the shell prints and that
// tests read, and a box's answer comes from a queue of answers given in advance (by a script or
// a test). The log and the queue are process-wide and guarded; calls never throw.
#include <string>
#include <vector>

namespace host::messages {

// Answers of a message box, as the platform numbers them.
constexpr int answerOk = 1;
constexpr int answerYes = 6;
constexpr int answerNo = 7;

// The dialog id of the platform's question box (Yes / No); other ids are plain boxes.
constexpr int questionBoxId = -121;

enum class Kind { MessageCenter, MessageList, MessageBox };

// One output as the user would have seen it.
struct Entry {
  Kind kind = Kind::MessageCenter;
  int priority = 0;       // message centre only
  std::wstring brief;     // the message centre's brief text; the text of a list line or a box
  std::wstring detailed;  // message centre only
  int alert = 0;          // message centre only
  int dialogId = 0;       // message box only
  int iconType = 0;       // message box only
  int answer = 0;         // message box only: the answer returned
};

// Posts to the message centre.
void messageCenter(int priority, const std::wstring& brief, const std::wstring& detailed, int alert);

// Adds one line to the message list.
void messageList(const std::wstring& text);

// Shows a modal message box and returns its answer. The question box takes the next answer of
// the queue, or No when the queue is empty (nothing is ever confirmed by default); any other box
// answers Ok without taking from the queue.
int messageBox(int dialogId, const std::wstring& text, int iconType);

// Queues an answer for a coming question box.
void queueAnswer(int answer);

// Forgets every queued answer.
void clearAnswers();

// How many answers are still queued.
std::size_t pendingAnswers();

// A copy of every output recorded since the last clearLog(), oldest first.
std::vector<Entry> log();

// Empties the log.
void clearLog();

}  // namespace host::messages
