#pragma once
// The completion bar: a window that shows a text and a percentage while an application works.
// Nothing is drawn: every opening, update and closing is recorded for the shell and the tests.
#include <string>
#include <vector>

namespace host::completion_bar {

enum class Event { Open, Update, Close };

struct Entry {
  Event event = Event::Open;
  int handle = 0;
  std::wstring text;
  int percent = 0;
};

// Opens a bar; its handle (>0).
int open(const std::wstring& text);
// Sets text and percentage (clamped to 0..100); an unknown handle is ignored.
void update(int handle, const std::wstring& text, int percent);
void close(int handle);

bool isOpen(int handle);
std::vector<Entry> log();
void clearLog();

}  // namespace host::completion_bar
