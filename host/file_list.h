#pragma once
// The file-list dialog (file and folder picker). No window opens: the answer comes from a queue
// filled in advance by a script or a test; an empty queue asks the prompter (the shell's), or
// answers Cancel when there is none.
#include <functional>
#include <string>
#include <vector>

namespace host::file_list {

constexpr int actionOk = 3;
constexpr int actionCancel = 2;

struct Answer {
  int action = actionCancel;
  std::vector<std::wstring> paths;
};

struct Request {
  std::wstring title;
  std::wstring startFolder;
  unsigned attributes = 0;
};

// What answers a picker when no answer is queued; none: Cancel.
using Prompter = std::function<Answer(const Request&)>;
void setPrompter(Prompter prompter);

// Shows the picker: the next queued answer, else the prompter's, else Cancel with no path.
Answer edit(const std::wstring& title, const std::wstring& startFolder, unsigned attributes);

void queueAnswer(const Answer& answer);
void clearAnswers();
std::size_t pendingAnswers();
// Pickers shown since the last clearRequests(), oldest first.
std::vector<Request> requests();
void clearRequests();

}  // namespace host::file_list
