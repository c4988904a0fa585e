#include "application/a_propos.h"

#include <string>

#include "application/champ_texte.h"
#include "application/verapplication.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_sys.h"

namespace {

constexpr int kDialogueAPropos = 6;

}  // namespace

void cmd_aPropos(const wchar_t* /*argument*/) {
  try {
    tvk_remplirChamp(TvkDlg.versionApplication, appTolvek.versionApplication);
    tvk_remplirChamp(TvkDlg.versionBibliotheque, appTolvek.versionBibliotheque);
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
    stbSys_ouvrirDocument(L"", std::wstring(L"https://assistance.") + kDomaineOperateur + L"/outils/tolvek.html");
  } catch (...) {
  }
}
