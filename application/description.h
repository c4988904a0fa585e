#pragma once
// The comparison description dialog (4): a compared plan's added and removed objects, with both
// versions of the plan attached ("VERLIV" delivered, "VERORI" previous), shown in every view or
// side by side in views 1 and 8, and optionally redrawn in substitute colours.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/halvorn.h"
#include "host/dialogs.h"
#include "host/element.h"
#include "host/model_ref.h"
#include "host/transients.h"

// One row of the dialog.
struct verdescription {
  std::uint32_t version = 0;     // 1 the element is in the delivered version, 2 in the previous one
  std::wstring fichier;          // the plan file that holds it (its name)
  std::uint32_t role = 0;        // 1 one-file plan, 2 FP2, 3 EL2, 4 AR2
  std::uint64_t idElement = 0;   // its id in that version's file; 0 for another version
  std::uint32_t type = 0;        // host element type
  std::uint32_t statut = 0;      // 2 addition, 3 removal
  std::wstring libelle;          // object name and the kind label of its type
};

// The dialog's state, rebuilt by desc_ouvrir and emptied when the dialog closes.
struct etatDescription {
  std::vector<std::int32_t> plans;           // the described plan
  std::vector<verdescription> lignes;        // a row's long value indexes them
  // Rows by element id, so that drawing an element finds its row without walking the list.
  std::unordered_multimap<std::uint64_t, std::size_t> parId;
  host::transients::Transient* curseur = nullptr;  // the cross that follows the cursor
};
extern etatDescription dlgDescription;

// The kind label of an element type (" [Cellule]" for a cell, ...); empty for the other types.
const wchar_t* desc_libelleType(std::uint32_t type);

// Opens the description dialog on a plan that has comparison results (closing it first).
void desc_ouvrir(verdossier& dossier, std::int32_t plan);

// Closes the description dialog and empties its state: another folder is being opened.
void desc_fermer();

// Hooks 41 (dialog), 42 (toggle buttons), 43 (filter option) and 44 (list box 41).
void desc_hookDialogue(host::dialogs::DialogMessage* message);
void desc_hookReferences(host::dialogs::ItemMessage* message);
void desc_hookFiltre(host::dialogs::ItemMessage* message);
void desc_hookListe(host::dialogs::ItemMessage* message);

// Refills the list with the rows that the filter keeps.
void desc_remplirListe();

// Shows both versions in every view (reference display 0) or the delivered version in view 1
// and the previous one in view 8 (opened for it).
void desc_afficherReferences();

// View functions installed while the dialog is open: view 8 follows the area of view 1, a cross
// follows the cursor in the other of the two views, and the references are drawn in substitute
// colours (2 added, 3 removed, 9 the rest) when symbology substitution is set.
int desc_synchroniserVues(int nombreVues, const int* vues);
void desc_vueMouvement(int vue, const host::Point3d* point);
int desc_substituerElement(std::optional<host::Element>* substitut, host::ModelRef modele,
                           const host::Element* element, int vue);
