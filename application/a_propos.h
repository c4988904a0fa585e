#pragma once
// The about dialog (6) and its help button.
#include "host/dialogs.h"

// Command 0x0106000000000000: shows the application's and the library's versions.
void cmd_aPropos(const wchar_t* argument);

// Hook 61, the help button: opens the operator's help page.
void app_hookAide(host::dialogs::ItemMessage* message);
