#pragma once
// Operations that the application's list boxes share: fitting a list to its dialog, reading the
// selected rows back as record indexes, and the columns' sort functions.
#include <cstdint>
#include <string>
#include <vector>

#include "host/dialogs.h"

// The list box `idListe` of the open dialog `idDialogue` with its list model; null when the dialog,
// the list or its model is missing (the dialog was closed, for example).
host::dialogs::Item* liste_trouver(int idDialogue, int idListe);

// Gives column 1 all the width that the other columns leave and shows as many rows as fit.
void liste_ajusterColonnes(host::dialogs::Dialog* dialogue, int idListe);

// The resize and size-limit messages of a dialog whose list `idListe` fills it: the columns laid
// out again on a resize (and the redraw flag set when `redessiner`), the proposed size raised to
// the minimum in dialog units. Not handled when the dialog is minimised or one pixel high. True
// when the message was one of the two.
bool liste_redimensionnerDialogue(host::dialogs::DialogMessage* message, int idListe, int largeurMinimale,
                                  int hauteurMinimale, bool redessiner);

// The create and destroy messages of a list box: a list model of `colonnes` columns made, or
// destroyed with its rows. True when the message was one of the two.
bool liste_gererModele(host::dialogs::ItemMessage* message, int colonnes);

// A double click on a list row, taken on the press of its second click with the data button.
bool liste_doubleClic(const host::dialogs::ItemMessage* message);

// Appends a row of those texts, every cell carrying the record index `index`.
void liste_ajouterLigne(host::dialogs::ListModel& modele, const std::vector<std::wstring>& textes, std::int64_t index);

// After the rows were refilled: the list box told, and column 1 headed by `format` ("%d") with
// the number of rows.
void liste_compterLignes(host::dialogs::Item* liste, const wchar_t* format);

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
