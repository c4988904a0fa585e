#include "toolbox/stb_sys.h"

#include "host/config.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

int stbSys_lireVariable(std::wstring& valeur, const std::wstring& nom, int modeMessage) {
  valeur.clear();
  try {
    if (const auto lue = host::config::get(nom)) {
      valeur = *lue;
      return 0;
    }
  } catch (...) {
    valeur.clear();
  }
  stbMsg_afficher(modeMessage, L"",
                  stbStr_toString(L"La variable d'environnement %s n'est pas d\u00e9finie.", nom));
  return stbSys_variableIndefinie;
}
