#include "application/a_venir.h"

#include <string>

#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

void commandeAVenir(const char* nom) {
  const std::string texte(nom);
  stbMsg_afficher(4, L"", stbStr_toString(L"La commande %s n'est pas encore disponible.",
                                          std::wstring(texte.begin(), texte.end())));
}

}  // namespace

#define TVK_COMMANDE_A_VENIR(nom) \
  void nom(const wchar_t*) { commandeAVenir(#nom); }
#define TVK_HOOK_DIALOGUE_A_VENIR(nom) \
  void nom(host::dialogs::DialogMessage* message) { message->msgUnderstood = false; }
#define TVK_HOOK_ITEM_A_VENIR(nom) \
  void nom(host::dialogs::ItemMessage* message) { message->msgUnderstood = false; }

TVK_COMMANDE_A_VENIR(cmd_choisirDossier)
TVK_COMMANDE_A_VENIR(cmd_montrerPlan)
TVK_COMMANDE_A_VENIR(cmd_demonterPlans)
TVK_COMMANDE_A_VENIR(cmd_localiserElement)
TVK_COMMANDE_A_VENIR(cmd_ouvrirCoordonnees)
TVK_COMMANDE_A_VENIR(cmd_aPropos)

TVK_HOOK_DIALOGUE_A_VENIR(bilan_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(bilan_hookMenu)
TVK_HOOK_ITEM_A_VENIR(bilan_hookFiltre)
TVK_HOOK_ITEM_A_VENIR(bilan_hookListe)
TVK_HOOK_ITEM_A_VENIR(bilan_hookMenuPlan)
TVK_HOOK_ITEM_A_VENIR(bilan_hookBoutons)

TVK_HOOK_DIALOGUE_A_VENIR(err_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(err_hookSelection)
TVK_HOOK_ITEM_A_VENIR(err_hookListe)

TVK_HOOK_DIALOGUE_A_VENIR(desc_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(desc_hookReferences)
TVK_HOOK_ITEM_A_VENIR(desc_hookFiltre)
TVK_HOOK_ITEM_A_VENIR(desc_hookListe)

TVK_HOOK_DIALOGUE_A_VENIR(coord_hookDialogue)
TVK_HOOK_ITEM_A_VENIR(coord_hookMenu)
TVK_HOOK_ITEM_A_VENIR(coord_hookProjection)
TVK_HOOK_ITEM_A_VENIR(coord_collerPressePapier)
TVK_HOOK_ITEM_A_VENIR(coord_allerPoint)

TVK_HOOK_ITEM_A_VENIR(app_hookAide)
