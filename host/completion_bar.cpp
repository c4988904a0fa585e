#include "host/completion_bar.h"

#include <algorithm>
#include <set>

namespace host::completion_bar {
namespace {

struct State {
  std::set<int> open;
  std::vector<Entry> log;
  int next = 1;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

int open(const std::wstring& text) {
  const int h = state().next++;
  state().open.insert(h);
  state().log.push_back({Event::Open, h, text, 0});
  return h;
}

void update(int handle, const std::wstring& text, int percent) {
  if (!isOpen(handle)) return;
  state().log.push_back({Event::Update, handle, text, std::clamp(percent, 0, 100)});
}

void close(int handle) {
  if (state().open.erase(handle)) state().log.push_back({Event::Close, handle, L"", 100});
}

bool isOpen(int handle) { return state().open.count(handle) > 0; }
std::vector<Entry> log() { return state().log; }
void clearLog() { state().log.clear(); }

}  // namespace host::completion_bar
