#pragma once
// The errors dialog (3): the errors of the plans selected in the summary, and on a double click
// the faulty element shown in the plan's delivered file, marked, zoomed onto and selected.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "host/dialogs.h"
#include "host/model_ref.h"
#include "host/transients.h"

// The dialog's state, rebuilt by err_ouvrir; it stays after the dialog closes.
struct etatErreurs {
  std::vector<std::int32_t> plans;   // shown plans that have errors, in the order given
  std::vector<vererreur> erreurs;    // copies of their errors; a row's long value indexes them
  std::wstring fichierCourant;       // delivered file of the error last double-clicked
  std::uint32_t positionCourante = 0;  // file position of its element in its attachment; 0 none
  host::transients::Transient* marqueur = nullptr;  // highlighted copy and cross; null none
};
extern etatErreurs dlgErreurs;

// Opens the errors dialog on those plans (closing it first when open).
void err_ouvrir(verdossier& dossier, std::vector<std::int32_t> plans);

// Closes the errors dialog and empties its state: another folder is being opened.
void err_fermer();

// Hooks 31 (dialog), 32 (toggle buttons) and 33 (list box 31).
void err_hookDialogue(host::dialogs::DialogMessage* message);
void err_hookSelection(host::dialogs::ItemMessage* message);
void err_hookListe(host::dialogs::ItemMessage* message);

// Refills the list from the error copies.
void err_remplirListe();

// Replaces the marker by a highlighted copy of the error's element of `attachement` (placed in
// the active model) and, for a curve with a recorded position, a cross on that position.
void err_afficherTransitoire(const vererreur& erreur, host::ModelRef attachement);
