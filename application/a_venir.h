#pragma once
// Commands, dialog hooks and operations that the application names but that are not built yet.
// This is the one list of them: each is removed from here (and from a_venir.cpp) when its own
// file comes. A command or an operation here posts a note to the message list and does nothing
// else; a hook answers every message as not handled.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verprojection.h"
#include "host/dialogs.h"

// Commands (argument: the rest of the key-in).
void cmd_localiserElement(const wchar_t* argument);

// Errors dialog (dialog 3).
void err_hookDialogue(host::dialogs::DialogMessage* message);
void err_hookSelection(host::dialogs::ItemMessage* message);
void err_hookListe(host::dialogs::ItemMessage* message);
// Opens the errors dialog on those plans.
void err_ouvrir(verdossier& dossier, std::vector<std::int32_t> plans);

// Comparison description dialog (dialog 4).
void desc_hookDialogue(host::dialogs::DialogMessage* message);
void desc_hookReferences(host::dialogs::ItemMessage* message);
void desc_hookFiltre(host::dialogs::ItemMessage* message);
void desc_hookListe(host::dialogs::ItemMessage* message);
// Opens the description dialog on a compared plan.
void desc_ouvrir(verdossier& dossier, std::int32_t plan);

// The coordinates dialog's reading of a pasted GML text: 0 with pointsCoordonnees and the row
// set, else 32768. Until it comes it reads nothing, silently, as it fails on any text that is
// not GML: the paste goes on with plain numbers.
std::int32_t coord_importerGml(std::int32_t& ligne, const std::vector<std::wstring>& lignes,
                               const std::vector<verprojection>& projections);

// The summary's menu bar: the folder's differences drawing.
void diff_ecrireDifferences(verdossier& dossier);
