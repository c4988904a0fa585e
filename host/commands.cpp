#include "host/commands.h"

#include <deque>
#include <map>
#include <sstream>

#include "host/application.h"
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

bool keyin(const std::wstring& line, std::wstring& error) {
  const auto typed = words(line);
  const Keyin* best = nullptr;
  for (const Keyin& k : state().keyins) {
    if (k.words.size() > typed.size() || (best && best->words.size() >= k.words.size())) continue;
    bool match = true;
    for (std::size_t i = 0; i < k.words.size() && match; ++i) match = paths::equalNoCase(k.words[i], typed[i]);
    if (match) best = &k;
  }
  if (!best) {
    error = L"commande inconnue : " + line;
    return false;
  }
  std::wstring argument;
  for (std::size_t i = best->words.size(); i < typed.size(); ++i) argument += (argument.empty() ? L"" : L" ") + typed[i];
  const std::uint64_t number = best->number;
  const int owner = best->owner;
  if (running()) state().queue.push_back({number, argument, application::currentId(), owner});
  else executeFrom(number, argument, 0, owner);
  return true;
}

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
