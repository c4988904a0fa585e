#include "host/console.h"

#include <mutex>

namespace host::console {
namespace {

struct State {
  std::mutex mutex;
  std::vector<Entry> log;
};

State& state() {
  static State s;
  return s;
}

void record(bool beep, const std::wstring& text) {
  try {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log.push_back({beep, text});
  } catch (...) {
    // An output that cannot be recorded (memory) is lost, never thrown at the caller.
  }
}

}  // namespace

void print(const std::wstring& text) { record(false, text); }
void beep() { record(true, {}); }

std::vector<Entry> log() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  return s.log;
}

std::wstring text() {
  std::wstring out;
  for (const Entry& e : log()) out += e.text;
  return out;
}

std::size_t beepCount() {
  std::size_t n = 0;
  for (const Entry& e : log()) n += e.beep ? 1 : 0;
  return n;
}

void clear() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.log.clear();
}

}  // namespace host::console
