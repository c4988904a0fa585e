#pragma once
// The command interpreter of the `cadhost` shell: one command a line, from a script, from -c or
// from a terminal. Host commands drive dialogs, tools, views, the clipboard and the clock; any
// other line is a key-in of the loaded applications. After each command the session runs the
// queued commands and prints what the user would have seen: messages with their mode, the
// completion bar, the console and the beep, the tool's prompt, documents opened. The commands are listed by `help` and in
// the README.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "host/file_list.h"

namespace host::shell {

class Session {
 public:
  explicit Session(std::ostream& out);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one line (blank lines and lines starting with "#" do nothing). False when the command
  // failed; `error` then says why, in French.
  bool run(const std::wstring& line, std::wstring& error);

  // Prints the outputs recorded since the last call (messages, bars, console, tool, documents).
  void flushOutputs();

  // True after the "quit" command.
  bool quitRequested() const { return quit_; }

 private:
  bool dispatch(const std::vector<std::wstring>& words, const std::wstring& line, std::wstring& error);
  void print(const std::wstring& text);

  std::ostream& out_;
  std::size_t messagesSeen_ = 0;
  std::size_t barsSeen_ = 0;
  std::size_t documentsSeen_ = 0;
  std::size_t consoleSeen_ = 0;
  std::wstring lastTool_;
  bool quit_ = false;
};

// Splits a command line into words: blanks separate, "..." quotes (with \" and \\ inside).
std::vector<std::wstring> splitWords(const std::wstring& line);

// The shell's answer to a picker that no "pick" answered. From a terminal it asks: its title,
// then a path read from `in` (a relative one taken from the current folder), empty to cancel.
// Otherwise (a script, -c) it prints its title and that it was cancelled.
file_list::Answer answerPicker(const file_list::Request& request, bool terminal, std::istream& in, std::ostream& out);

// The text table of an open dialog, as the shell's "show" prints it.
std::wstring describeDialog(int dialogId);

}  // namespace host::shell
