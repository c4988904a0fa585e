#pragma once
// Commands, dialog hooks and operations that the application names but that are not built yet.
// This is the one list of them: each is removed from here (and from a_venir.cpp) when its own
// file comes. A command or an operation here posts a note to the message list and does nothing
// else; a hook answers every message as not handled.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "host/dialogs.h"

// Commands (argument: the rest of the key-in).
void cmd_ouvrirCoordonnees(const wchar_t* argument);

// Coordinates dialog (dialog 5).
void coord_hookDialogue(host::dialogs::DialogMessage* message);
void coord_hookMenu(host::dialogs::ItemMessage* message);
void coord_hookProjection(host::dialogs::ItemMessage* message);
void coord_collerPressePapier(host::dialogs::ItemMessage* message);
void coord_allerPoint(host::dialogs::ItemMessage* message);

// The summary's menu bar: the folder's differences drawing.
void diff_ecrireDifferences(verdossier& dossier);
