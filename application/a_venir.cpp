#include "application/a_venir.h"

#include <string>

#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

void aVenir(const wchar_t* format, const char* nom) {
  const std::string texte(nom);
  stbMsg_afficher(4, L"", stbStr_toString(format, std::wstring(texte.begin(), texte.end())));
}

}  // namespace

#define TVK_OPERATION_A_VENIR(nom) aVenir(L"La fonction %s n'est pas encore disponible.", #nom)

void diff_ecrireDifferences(verdossier&) { TVK_OPERATION_A_VENIR(diff_ecrireDifferences); }
