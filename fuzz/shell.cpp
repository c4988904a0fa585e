// The shell's command lines: the input is a script (UTF-8 lines), run line by line against a host
// with no file open, from the process's temporary folder, as `cadhost SCRIPT` would (a failing
// line does not stop the others). So that no command touches anything outside that folder, lines
// that could are passed over: any path separator or "..", loading a library ("load", "mdl load")
// and the system clock. The host's state is reset after each input and the files its commands
// wrote in the folder are removed: the next input finds the folder empty, as a reproducer run alone
// does, and the host's path lookups do not slow down as the folder fills.
#include <unistd.h>

#include <algorithm>
#include <cwctype>
#include <sstream>
#include <string>

#include "fuzz/harness.h"
#include "host/application.h"
#include "host/clipboard.h"
#include "host/clock.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/config.h"
#include "host/console.h"
#include "host/desktop.h"
#include "host/dialogs.h"
#include "host/file_list.h"
#include "host/level_audit.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "host/paths.h"
#include "host/shell_session.h"
#include "host/text.h"
#include "host/transients.h"
#include "host/view_display.h"
#include "host/views.h"

namespace {

bool permise(const std::wstring& ligne) {
  std::wstring minuscules(ligne);
  std::transform(minuscules.begin(), minuscules.end(), minuscules.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return minuscules.find_first_of(L"/\\") == std::wstring::npos && minuscules.find(L"..") == std::wstring::npos &&
         minuscules.find(L"load") == std::wstring::npos && minuscules.find(L"system") == std::wstring::npos;
}

bool preparer() {
  if (::chdir(host::paths::toNative(fuzz::dossierTemporaire()).c_str()) != 0) return false;
  host::desktop::setLaunch(false);
  host::file_list::setPrompter(nullptr);
  return host::clock::setFixed(2026, 12, 1, 12, 0, 0);
}

void reinitialiser() {
  host::application::unloadAll();
  host::dialogs::closeOwnedBy(0);
  host::resetModels();
  host::views::reset();
  host::views::resetDisplay();
  host::config::clear();
  host::clipboard::clear();
  host::clipboard::setUnavailable(false);
  host::messages::clearAnswers();
  host::messages::clearLog();
  host::file_list::clearAnswers();
  host::file_list::clearRequests();
  host::commands::clearQueue();
  host::commands::clearScheduledInputs();
  host::commands::clearHistory();
  host::completion_bar::clearLog();
  host::console::clear();
  host::desktop::clearRequests();
  host::transients::clear();
  host::level_audit::reset();
  host::resetGlobalModes();
  host::clock::setFixed(2026, 12, 1, 12, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool pret = preparer();
  if (!pret) return 0;
  std::istringstream script{std::string(fuzz::octets(data, size))};
  std::ostringstream sortie;
  {
    host::shell::Session session(sortie);
    for (std::string ligne; !session.quitRequested() && std::getline(script, ligne);) {
      const std::wstring texte = host::text::fromUtf8(ligne);
      if (!permise(texte)) continue;
      std::wstring erreur;
      session.run(texte, erreur);
    }
    session.flushOutputs();
  }
  reinitialiser();
  fuzz::vider(fuzz::dossierTemporaire());
  return 0;
}
