#pragma once
// The host's console and its beep. No terminal is attached to the host: what applications print
// on the console and every beep are recorded in a log that the shell prints and tests read. The
// log is process-wide and guarded; calls never throw.
#include <string>
#include <vector>

namespace host::console {

struct Entry {
  bool beep = false;
  std::wstring text;  // what was printed, line feeds included; empty for a beep
};

// Prints text on the console as it stands (the caller writes its own line feeds).
void print(const std::wstring& text);

// Sounds the host's beep once.
void beep();

// A copy of every print and beep since the last clear(), oldest first.
std::vector<Entry> log();
// The console's text: every print since the last clear(), one after the other.
std::wstring text();
std::size_t beepCount();

void clear();

}  // namespace host::console
