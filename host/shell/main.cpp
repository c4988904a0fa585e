// cadhost: the stand-in host's shell. Sets configuration variables, loads applications, then runs
// commands from -c, from a script file or from the terminal (see `help` and the README).
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <iostream>
#include <string>
#include <vector>

#include "host/application.h"
#include "host/config.h"
#include "host/desktop.h"
#include "host/file_list.h"
#include "host/shell_session.h"
#include "host/text.h"

namespace {

constexpr const char* usage =
    "usage : cadhost [--cfg NOM=VALEUR]... [--cfg-file FICHIER]... [--design FICHIER] [--load APPLICATION]...\n"
    "                [-c COMMANDE]... [SCRIPT]\n"
    "Sans -c ni SCRIPT, les commandes sont lues sur l'entrée standard (« help » les liste).\n";

int fail(const std::string& message) {
  std::cerr << "cadhost : " << message << '\n';
  return 1;
}

// Runs lines until one fails; the failing line's number and the reason go to stderr. `number`
// counts on from the lines run before from the same source (each -c is a line of its own).
bool runLines(host::shell::Session& session, std::istream& in, const std::string& source, bool interactive,
              int& number) {
  std::string line;
  if (interactive) std::cout << "cadhost> " << std::flush;
  while (!session.quitRequested() && std::getline(in, line)) {
    ++number;
    std::wstring error;
    if (!session.run(host::text::fromUtf8(line), error)) {
      std::cerr << "cadhost : " << source << ", ligne " << number << " : " << host::text::toUtf8(error) << '\n';
      if (!interactive) return false;
    }
    if (interactive && !session.quitRequested()) std::cout << "cadhost> " << std::flush;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Beyond a file-size limit (ulimit -f) a write fails instead of killing the host, so that the
  // writer tells which file could not be written.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> loads, commands;
  std::string script, design;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--help" || a == "-h") {
      std::cout << usage;
      return 0;
    } else if (a == "--cfg") {
      const char* v = value();
      if (!v || !host::config::define(v)) return fail("--cfg attend NOM=VALEUR");
    } else if (a == "--cfg-file") {
      const char* v = value();
      std::string error;
      if (!host::config::loadFile(v ? v : "", error)) return fail(error);
    } else if (a == "--design") {
      const char* v = value();
      if (!v) return fail("--design attend un fichier de dessin");
      design = v;
    } else if (a == "--load") {
      const char* v = value();
      if (!v) return fail("--load attend le chemin d'une application");
      loads.push_back(v);
    } else if (a == "-c") {
      const char* v = value();
      if (!v) return fail("-c attend une commande");
      commands.push_back(v);
    } else if (!a.empty() && a[0] == '-') {
      return fail("option inconnue : " + a + "\n" + usage);
    } else if (script.empty()) {
      script = a;
    } else {
      return fail("un seul script à la fois\n" + std::string(usage));
    }
  }

  host::shell::Session session(std::cout);
  // A picker that no "pick" answered asks on the terminal, or says in a script that it was cancelled.
  const bool interactive = commands.empty() && script.empty() && isatty(0);
  host::file_list::setPrompter([interactive](const host::file_list::Request& request) {
    return host::shell::answerPicker(request, interactive, std::cin, std::cout);
  });
  int status = 0;
  if (!design.empty()) {
    std::wstring error;
    if (!session.run(L"design \"" + host::text::fromUtf8(design) + L"\"", error)) status = fail(host::text::toUtf8(error));
  }
  for (std::size_t i = 0; status == 0 && i < loads.size(); ++i) {
    const auto& app = loads[i];
    std::wstring error;
    if (!session.run(L"load \"" + host::text::fromUtf8(app) + L"\"", error)) {
      status = fail(host::text::toUtf8(error));
      break;
    }
  }
  if (status == 0) {
    host::desktop::setLaunch(interactive);
    bool ok = true;
    int numberC = 0, numberScript = 0, numberInput = 0;
    for (std::size_t i = 0; ok && i < commands.size(); ++i) {
      std::istringstream in(commands[i]);
      ok = runLines(session, in, "-c", false, numberC);
    }
    if (ok && !script.empty()) {
      std::ifstream in(script);
      if (!in) ok = fail("script illisible : " + script) == 0;
      else ok = runLines(session, in, script, false, numberScript);
    }
    if (ok && commands.empty() && script.empty()) ok = runLines(session, std::cin, "entrée", interactive, numberInput);
    if (!ok) status = 1;
  }
  host::application::unloadAll();
  session.flushOutputs();
  return status;
}
