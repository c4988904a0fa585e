#include "toolbox/stb_sys.h"

#include "host/config.h"
#include "host/desktop.h"
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

std::int32_t stbSys_ouvrirDocument(std::wstring parametres, std::wstring cible) {
  if (cible.empty()) return 0x8000;
  try {
    // The shell takes single-byte texts: each character keeps its low byte, as the host reads them back.
    const std::string etroiteCible = stbStr_versEtroit(cible);
    const std::string etroitsParametres = parametres.empty() ? std::string() : stbStr_versEtroit(parametres);
    const auto lire = [](const std::string& etroit) {
      std::wstring large;
      for (char c : etroit) large.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
      return large;
    };
    const std::wstring cibleLue = lire(etroiteCible), parametresLus = lire(etroitsParametres);
    return static_cast<std::int32_t>(host::desktop::openDocument(cibleLue, parametresLus));
  } catch (...) {
    return 2;  // the shell's answer when it cannot start anything
  }
}
