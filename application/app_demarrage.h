#pragma once
// Start-up, configuration and unloading of the application.
#include <cstdint>
#include <string>

#include "host/dialogs.h"

// Reads the configuration, builds the palette and the projection table, makes the working drawing
// the active file, reads the versions and detaches the plan references left from a run before.
// 0, or 0x8000 when a required variable is undefined or the working drawing cannot be made
// active (the reason was shown in a message box, or not at all for a failed opening). A palette
// that the host refuses ends it early with 0.
std::int32_t app_initialiser();

// Reload callback: nothing to do.
void app_recharger();

// Unload callback: destroys the palette and, for an unload on request (reason 1), detaches the
// plan references. False: the host goes on unloading.
bool app_decharger(int raison);

// Detaches the "VERIF", "VERLIV" and "VERORI" references of the active model.
void app_detacherReferences();

// Hook 11, dialog 1: keeps the window's state when the host asks (message 24).
void app_hookDialoguePrincipal(host::dialogs::DialogMessage* message);

// Whether a configuration value reads as an integer: optional blanks and sign, then decimal
// digits, the number being those digits ("1x" reads as 1). False for anything else.
bool app_lireEntier(const std::wstring& valeur, long& nombre);
