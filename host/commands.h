#pragma once
// Commands: 64-bit command numbers with the handlers applications register, key-in words of the
// resource files' command tables, and the input queue. A command queued or sent while another
// runs waits until the running one returns; the shell and tests drain the queue after each of
// their actions. Pumping messages delivers the input that a script or a test scheduled for the
// pump, one input per pump, as a real host dispatches events while an application works.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/resource_file.h"

namespace host::commands {

using CommandFunction = void (*)(const wchar_t* argument);

// One row of an application's command table; the table ends with a row of zeros.
struct CommandRow {
  CommandFunction function = nullptr;
  std::uint64_t number = 0;
};

// The host's command that unloads an application: its argument names the application, and an
// empty argument names the application that queued it.
constexpr std::uint64_t unloadApplication = 0x7902000000000000ULL;

// Registers the running application's handlers (a number it registers again is replaced). Numbers
// are the application's own: two applications may register one number. A key-in runs the handler
// of the application whose command table holds it; a number run or queued by an application runs
// its own handler first; otherwise the handler registered last runs.
void registerCommandNumbers(const CommandRow* table);

// Takes the key-in words of a resource file's command table for the running application. False
// when the file has no command table (nothing taken).
bool loadCommandTable(const resources::ResourceFile& resource);
// The same for every resource file the running application opened.
void loadCommandTables();

// Forgets an application's handlers and key-ins.
void unregisterOwnedBy(int owner);

// Runs a command now (its handler under its application); false when no handler knows the number.
// Commands queued meanwhile wait for the queue to be run.
bool execute(std::uint64_t number, const std::wstring& argument);

// Runs a key-in line: the host's own key-ins ("mdl load APPLICATION [ARG...]", a built-in
// application such as levelaudit by its name or a plug-in by its path; "mdl unload APPLICATION")
// at once; else the longest application key-in that starts the line (words compared without
// regard to case), with the rest of the line as typed (blanks at its ends removed) as the
// argument, queued while a command runs. False and an error when nothing matches or the host's
// key-in fails.
bool keyin(const std::wstring& line, std::wstring& error);

// Sends a key-in and waits for it: as keyin(), but an application's key-in runs before the call
// returns even while a command runs.
bool sendSynchronizedKeyin(const std::wstring& line, std::wstring& error);

// Queues a command; in front of the queue or at its end.
void queue(bool inFront, std::uint64_t number, const std::wstring& argument, bool fromKeyin);

// Sends a command to the input queue (after what is already queued).
void send(std::uint64_t number, const std::wstring& argument);

// Runs queued commands until the queue is empty; does nothing while a command runs.
void runQueue();

// True while a command or a queued command runs.
bool running();

// Every command number run or sent since the last clearHistory(), oldest first (host commands
// that no handler knows are recorded too).
struct HistoryEntry {
  std::uint64_t number = 0;
  std::wstring argument;
  bool handled = false;
};
std::vector<HistoryEntry> history();
void clearHistory();
void clearQueue();

// Key-in words registered, with their command numbers (shell help).
std::vector<resources::CommandWord> keyins();

// --- Pump ---
// Schedules an input for a coming pump; inputs are delivered one per pump, in order.
void scheduleForPump(std::function<void()> input);
// Delivers the next scheduled input, if any; never throws.
void pumpMessages();
std::size_t scheduledInputs();
void clearScheduledInputs();

}  // namespace host::commands
