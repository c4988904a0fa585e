#include "host/file_list.h"

#include <deque>

namespace host::file_list {
namespace {

struct State {
  std::deque<Answer> answers;
  std::vector<Request> requests;
  Prompter prompter;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

Answer edit(const std::wstring& title, const std::wstring& startFolder, unsigned attributes) {
  state().requests.push_back({title, startFolder, attributes});
  if (state().answers.empty()) return state().prompter ? state().prompter(state().requests.back()) : Answer{};
  Answer a = std::move(state().answers.front());
  state().answers.pop_front();
  return a;
}

void setPrompter(Prompter prompter) { state().prompter = std::move(prompter); }

void queueAnswer(const Answer& answer) { state().answers.push_back(answer); }
void clearAnswers() { state().answers.clear(); }
std::size_t pendingAnswers() { return state().answers.size(); }
std::vector<Request> requests() { return state().requests; }
void clearRequests() { state().requests.clear(); }

}  // namespace host::file_list
