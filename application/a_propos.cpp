#include "application/a_propos.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "application/verapplication.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_sys.h"

namespace {

// The operator's help page for the application.
constexpr const wchar_t* kPageAide = L"https://assistance.quorel.fr/outils/tolvek.html";
constexpr int kDialogueAPropos = 6;

// Fills a single-byte field of the dialog variable, cut to its size with its terminating zero.
template <std::size_t N>
void remplir(char (&champ)[N], const std::wstring& texte) {
  const std::string etroit = stbStr_versEtroit(texte);
  const std::size_t n = std::min(etroit.size(), N - 1);
  std::memcpy(champ, etroit.data(), n);
  std::memset(champ + n, 0, N - n);
}

}  // namespace

void cmd_aPropos(const wchar_t* /*argument*/) {
  try {
    remplir(TvkDlg.versionApplication, appTolvek.versionApplication);
    remplir(TvkDlg.versionBibliotheque, appTolvek.versionBibliotheque);
    host::dialogs::open(kDialogueAPropos);
  } catch (...) {
  }
}

void app_hookAide(host::dialogs::ItemMessage* message) {
  try {
    if (message->messageType != host::dialogs::msgItemActivate) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    // No browser answering is not reported: the user sees no page, as with any link.
    stbSys_ouvrirDocument(L"", kPageAide);
  } catch (...) {
  }
}
