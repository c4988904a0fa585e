#pragma once
// Commands and dialog hooks that the command and hook tables name but that are not built yet.
// This is the one list of them: each is removed from here (and from a_venir.cpp) when its own
// file comes. A command here posts a note to the message list and does nothing else; a hook
// answers every message as not handled.
#include "host/dialogs.h"

// Commands (argument: the rest of the key-in).
void cmd_choisirDossier(const wchar_t* argument);
void cmd_montrerPlan(const wchar_t* argument);
void cmd_demonterPlans(const wchar_t* argument);
void cmd_localiserElement(const wchar_t* argument);
void cmd_ouvrirCoordonnees(const wchar_t* argument);
void cmd_aPropos(const wchar_t* argument);

// Summary dialog (dialog 2).
void bilan_hookDialogue(host::dialogs::DialogMessage* message);
void bilan_hookMenu(host::dialogs::ItemMessage* message);
void bilan_hookFiltre(host::dialogs::ItemMessage* message);
void bilan_hookListe(host::dialogs::ItemMessage* message);
void bilan_hookMenuPlan(host::dialogs::ItemMessage* message);
void bilan_hookBoutons(host::dialogs::ItemMessage* message);

// Errors dialog (dialog 3).
void err_hookDialogue(host::dialogs::DialogMessage* message);
void err_hookSelection(host::dialogs::ItemMessage* message);
void err_hookListe(host::dialogs::ItemMessage* message);

// Comparison description dialog (dialog 4).
void desc_hookDialogue(host::dialogs::DialogMessage* message);
void desc_hookReferences(host::dialogs::ItemMessage* message);
void desc_hookFiltre(host::dialogs::ItemMessage* message);
void desc_hookListe(host::dialogs::ItemMessage* message);

// Coordinates dialog (dialog 5).
void coord_hookDialogue(host::dialogs::DialogMessage* message);
void coord_hookMenu(host::dialogs::ItemMessage* message);
void coord_hookProjection(host::dialogs::ItemMessage* message);
void coord_collerPressePapier(host::dialogs::ItemMessage* message);
void coord_allerPoint(host::dialogs::ItemMessage* message);

// About dialog (dialog 6).
void app_hookAide(host::dialogs::ItemMessage* message);
