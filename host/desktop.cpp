#include "host/desktop.h"

#include <spawn.h>
#include <sys/wait.h>

#include "host/text.h"

extern char** environ;

namespace host::desktop {
namespace {

struct State {
  bool launch = false;
  std::vector<Request> requests;
};

State& state() {
  static State s;
  return s;
}

constexpr int success = 42;
constexpr int fileNotFound = 2;

}  // namespace

int openDocument(const std::wstring& target, const std::wstring& parameters) {
  if (target.empty()) return fileNotFound;
  state().requests.push_back({target, parameters});
  if (!state().launch) return success;
  // No shell in between: the target is one argument, whatever it holds.
  const std::string t = text::toUtf8(target);
  char program[] = "xdg-open";
  char* argv[] = {program, const_cast<char*>(t.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return fileNotFound;
  return success;
}

void setLaunch(bool launch) { state().launch = launch; }
std::vector<Request> requests() { return state().requests; }
void clearRequests() { state().requests.clear(); }

}  // namespace host::desktop
