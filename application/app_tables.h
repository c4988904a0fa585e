#pragma once
// The application's command table and dialog-hook table, handed to the host by MdlMain. The
// numbers are fixed: the resource file (resources/tolvek.json) refers to them.
#include <cstdint>

#include "host/commands.h"
#include "host/dialogs.h"

// Six commands, then a row of zeros.
extern const host::commands::CommandRow tableCommandes[7];

inline constexpr int nombreCrochets = 20;
extern const host::dialogs::HookRow tableCrochets[nombreCrochets];
