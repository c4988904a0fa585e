#pragma once
// Operations that the application's list boxes share: fitting a list to its dialog, reading the
// selected rows back as record indexes, and the columns' sort functions.
#include <cstdint>
#include <vector>

#include "host/dialogs.h"

// The list box `idListe` of the open dialog `idDialogue` with its list model; null when the dialog,
// the list or its model is missing (the dialog was closed, for example).
host::dialogs::Item* liste_trouver(int idDialogue, int idListe);

// Gives column 1 all the width that the other columns leave and shows as many rows as fit.
void liste_ajusterColonnes(host::dialogs::Dialog* dialogue, int idListe);

// The record index of the first selected row (-1 when none) and, when `indexes` is given, those
// of every selected row in selection order. 0, or 0x8000 when the dialog, the list or its model
// is missing or nothing could be read.
std::int32_t liste_lignesSelectionnees(std::int32_t* premier, std::vector<std::int32_t>* indexes, int idDialogue,
                                       int idListe);

// Sort functions: the cells' texts by character code (a prefix first), or read as reals.
int liste_texteCellule(const host::dialogs::ListRow* premier, const host::dialogs::ListRow* second, bool croissant,
                       int colonne);
int liste_reelCellule(const host::dialogs::ListRow* premier, const host::dialogs::ListRow* second, bool croissant,
                      int colonne);
