#pragma once
// Configuration variables of the host.
#include <cstdint>
#include <string>

// The host's status for an undefined variable.
constexpr int stbSys_variableIndefinie = 0x8000;

// 0 and the value (possibly empty) when the variable is defined; otherwise the value is empty,
// the status stbSys_variableIndefinie is returned and the message
// "La variable d'environnement %s n'est pas définie." goes to stbMsg_afficher in the given mode
// (-1, the default, shows nothing: the caller reports).
int stbSys_lireVariable(std::wstring& valeur, const std::wstring& nom, int modeMessage = -1);

// Opens a document (a web page, a file) through the desktop shell, with optional parameters (none
// when empty): 0x8000 when the target is empty, else the low 32 bits of the shell's answer (above
// 32 on success).
std::int32_t stbSys_ouvrirDocument(std::wstring parametres, std::wstring cible);
