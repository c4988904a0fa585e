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

TVK_COMMANDE_A_VENIR(cmd_localiserElement)

TVK_HOOK_DIALOGUE_A_VENIR(err_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(err_hookSelection)
TVK_HOOK_ITEM_A_VENIR(err_hookListe)
void err_ouvrir(verdossier&, std::vector<std::int32_t>) { TVK_OPERATION_A_VENIR(err_ouvrir); }

TVK_HOOK_DIALOGUE_A_VENIR(desc_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(desc_hookReferences)
TVK_HOOK_ITEM_A_VENIR(desc_hookFiltre)
TVK_HOOK_ITEM_A_VENIR(desc_hookListe)
void desc_ouvrir(verdossier&, std::int32_t) { TVK_OPERATION_A_VENIR(desc_ouvrir); }

std::int32_t coord_importerGml(std::int32_t&, const std::vector<std::wstring>&, const std::vector<verprojection>&) {
  return 32768;
}

void diff_ecrireDifferences(verdossier&) { TVK_OPERATION_A_VENIR(diff_ecrireDifferences); }
