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

// The summary's menu bar: the folder's differences drawing.
void diff_ecrireDifferences(verdossier& dossier);
