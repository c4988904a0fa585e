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

#define TVK_COMMANDE_A_VENIR(nom) \
  void nom(const wchar_t*) { aVenir(L"La commande %s n'est pas encore disponible.", #nom); }
#define TVK_HOOK_DIALOGUE_A_VENIR(nom) \
  void nom(host::dialogs::DialogMessage* message) { message->msgUnderstood = false; }
#define TVK_HOOK_ITEM_A_VENIR(nom) \
  void nom(host::dialogs::ItemMessage* message) { message->msgUnderstood = false; }
#define TVK_OPERATION_A_VENIR(nom) aVenir(L"La fonction %s n'est pas encore disponible.", #nom)

TVK_COMMANDE_A_VENIR(cmd_ouvrirCoordonnees)

TVK_HOOK_DIALOGUE_A_VENIR(coord_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(coord_hookMenu)
TVK_HOOK_ITEM_A_VENIR(coord_hookProjection)
TVK_HOOK_ITEM_A_VENIR(coord_collerPressePapier)
TVK_HOOK_ITEM_A_VENIR(coord_allerPoint)

void diff_ecrireDifferences(verdossier&) { TVK_OPERATION_A_VENIR(diff_ecrireDifferences); }
