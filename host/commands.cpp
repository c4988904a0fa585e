#include "host/commands.h"

#include <deque>
#include <map>
#include <optional>
#include <sstream>

#include "host/application.h"
#include "host/level_audit.h"
#include "host/paths.h"

namespace host::commands {
namespace {

struct Handler {
  CommandFunction function = nullptr;
  int owner = 0;
};

struct Keyin {
  std::vector<std::wstring> words;
  std::uint64_t number = 0;
  int owner = 0;
};

struct Queued {
  std::uint64_t number = 0;
  std::wstring argument;
  int sender = 0;
  int target = 0;  // the application whose handler of the number runs first (a key-in's owner)
};

struct State {
  // Per number, the handlers of the applications that registered it, oldest first: two
  // applications may use one number, each for its own command.
  std::map<std::uint64_t, std::vector<Handler>> handlers;
  std::vector<Keyin> keyins;
  std::deque<Queued> queue;
  std::vector<HistoryEntry> history;
  std::deque<std::function<void()>> scheduled;
  int depth = 0;
};

State& state() {
  static State s;
  return s;
}

std::vector<std::wstring> words(const std::wstring& line) {
  std::wistringstream in(line);
  std::vector<std::wstring> out;
  for (std::wstring w; in >> w;) out.push_back(w);
  return out;
}

void unloadHandler(const std::wstring& argument, int sender) {
  std::wstring error;
  if (!argument.empty()) application::unload(argument, application::reasonRequest, error);
  else if (sender != 0) application::unloadId(sender, application::reasonRequest, error);
}

// The handler of `number` registered by `target`, else the one registered last; null when none.
const Handler* handlerOf(std::uint64_t number, int target) {
  auto it = state().handlers.find(number);
  if (it == state().handlers.end() || it->second.empty()) return nullptr;
  for (const Handler& h : it->second)
    if (h.owner == target) return &h;
  return &it->second.back();
}

bool executeFrom(std::uint64_t number, const std::wstring& argument, int sender, int target) {
  State& s = state();
  const Handler* found = handlerOf(number, target);
  const bool known = found || number == unloadApplication;
  s.history.push_back({number, argument, known});
  if (!known) return false;
  ++s.depth;
  try {
    if (!found) {
      unloadHandler(argument, sender);
    } else {
      const Handler h = *found;
      application::CallScope scope(h.owner);
      h.function(argument.c_str());
    }
  } catch (...) {
    // A command never unwinds into the host's loop.
  }
  --s.depth;
  return true;
}

}  // namespace

void registerCommandNumbers(const CommandRow* table) {
  if (!table) return;
  const int owner = application::currentId();
  for (const CommandRow* row = table; row->function || row->number; ++row) {
    if (!row->function) continue;
    auto& list = state().handlers[row->number];
    std::erase_if(list, [owner](const Handler& h) { return h.owner == owner; });
    list.push_back({row->function, owner});
  }
}

bool loadCommandTable(const resources::ResourceFile& resource) {
  const int owner = application::currentId();
  for (const resources::CommandWord& c : resource.commands) {
    auto w = words(c.keyin);
    if (!w.empty()) state().keyins.push_back({std::move(w), c.number, owner});
  }
  return !resource.commands.empty();
}

void loadCommandTables() {
  if (const application::Application* app = application::current())
    for (const auto& rf : app->resources) loadCommandTable(rf);
}

void unregisterOwnedBy(int owner) {
  State& s = state();
  for (auto it = s.handlers.begin(); it != s.handlers.end();) {
    std::erase_if(it->second, [owner](const Handler& h) { return h.owner == owner; });
    if (it->second.empty()) it = s.handlers.erase(it);
    else ++it;
  }
  std::erase_if(s.keyins, [owner](const Keyin& k) { return k.owner == owner; });
}

bool execute(std::uint64_t number, const std::wstring& argument) {
  const int id = application::currentId();
  return executeFrom(number, argument, id, id);
}

namespace {

// The rest of a key-in line after its first `count` words, as typed (blanks at its ends removed).
std::wstring restAfterWords(const std::wstring& line, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    at = line.find_first_not_of(L" \t", at);
    if (at == std::wstring::npos) return {};
    at = line.find_first_of(L" \t", at);
    if (at == std::wstring::npos) return {};
  }
  const std::size_t start = line.find_first_not_of(L" \t", at);
  if (start == std::wstring::npos) return {};
  return line.substr(start, line.find_last_not_of(L" \t") - start + 1);
}

// The host's own key-ins: "mdl load NAME [ARG...]" (a built-in application by its name, else a
// plug-in's path) and "mdl unload NAME". None when the line is not one of them.
std::optional<bool> hostKeyin(const std::vector<std::wstring>& typed, std::wstring& error) {
  if (typed.size() < 2 || !paths::equalNoCase(typed[0], L"mdl")) return std::nullopt;
  const bool load = paths::equalNoCase(typed[1], L"load");
  if (!load && !paths::equalNoCase(typed[1], L"unload")) return std::nullopt;
  if (typed.size() < 3) {
    error = load ? L"usage : mdl load APPLICATION [ARG...]" : L"usage : mdl unload APPLICATION";
    return false;
  }
  if (!load) return application::unload(typed[2], application::reasonRequest, error);
  if (paths::equalNoCase(typed[2], level_audit::kName)) return level_audit::load() != 0;
  const std::vector<std::wstring> arguments(typed.begin() + 3, typed.end());
  return application::load(typed[2], arguments, error) != 0;
}

// The application key-in that a line starts with: the longest match wins.
const Keyin* matchKeyin(const std::vector<std::wstring>& typed) {
  const Keyin* best = nullptr;
  for (const Keyin& k : state().keyins) {
    if (k.words.size() > typed.size() || (best && best->words.size() >= k.words.size())) continue;
    bool match = true;
    for (std::size_t i = 0; i < k.words.size() && match; ++i) match = paths::equalNoCase(k.words[i], typed[i]);
    if (match) best = &k;
  }
  return best;
}

bool runKeyin(const std::wstring& line, std::wstring& error, bool now) {
  const auto typed = words(line);
  if (auto done = hostKeyin(typed, error)) return *done;
  const Keyin* best = matchKeyin(typed);
  if (!best) {
    error = L"commande inconnue : " + line;
    return false;
  }
  const std::wstring argument = restAfterWords(line, best->words.size());
  const std::uint64_t number = best->number;
  const int owner = best->owner;
  if (!now && running()) state().queue.push_back({number, argument, application::currentId(), owner});
  else executeFrom(number, argument, application::currentId(), owner);
  return true;
}

}  // namespace

bool keyin(const std::wstring& line, std::wstring& error) { return runKeyin(line, error, false); }

bool sendSynchronizedKeyin(const std::wstring& line, std::wstring& error) { return runKeyin(line, error, true); }

void queue(bool inFront, std::uint64_t number, const std::wstring& argument, bool) {
  const int id = application::currentId();
  Queued q{number, argument, id, id};
  if (inFront) state().queue.push_front(std::move(q));
  else state().queue.push_back(std::move(q));
}

void send(std::uint64_t number, const std::wstring& argument) { queue(false, number, argument, false); }

void runQueue() {
  State& s = state();
  if (s.depth > 0) return;
  while (!s.queue.empty()) {
    Queued q = std::move(s.queue.front());
    s.queue.pop_front();
    executeFrom(q.number, q.argument, q.sender, q.target);
  }
}

bool running() { return state().depth > 0; }

std::vector<HistoryEntry> history() { return state().history; }
void clearHistory() { state().history.clear(); }
void clearQueue() { state().queue.clear(); }

std::vector<resources::CommandWord> keyins() {
  std::vector<resources::CommandWord> out;
  for (const Keyin& k : state().keyins) {
    std::wstring text;
    for (const auto& w : k.words) text += (text.empty() ? L"" : L" ") + w;
    out.push_back({text, k.number});
  }
  return out;
}

void scheduleForPump(std::function<void()> input) { state().scheduled.push_back(std::move(input)); }

void pumpMessages() {
  State& s = state();
  if (s.scheduled.empty()) return;
  auto input = std::move(s.scheduled.front());
  s.scheduled.pop_front();
  try {
    application::CallScope scope(0);
    input();
  } catch (...) {
  }
}

std::size_t scheduledInputs() { return state().scheduled.size(); }
void clearScheduledInputs() { state().scheduled.clear(); }

}  // namespace host::commands
