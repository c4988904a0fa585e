#pragma once
// The about dialog (6) and its help button; the operator's web domain; the filling of the
// dialog variable's single-byte fields.
#include <algorithm>
#include <cstring>
#include <string>

#include "host/dialogs.h"
#include "toolbox/stb_str.h"

// The network operator's web domain: its help page and the namespace of the GML texts that the
// application writes are on it.
inline constexpr const wchar_t* kDomaineOperateur = L"quorel.fr";

// Fills a single-byte field of the dialog variable, cut to its size with its terminating zero
// (the low byte of each character is kept).
template <std::size_t N>
void remplir(char (&champ)[N], const std::wstring& texte) {
  const std::string etroit = stbStr_versEtroit(texte);
  const std::size_t n = std::min(etroit.size(), N - 1);
  std::memcpy(champ, etroit.data(), n);
  std::memset(champ + n, 0, N - n);
}

// Command 0x0106000000000000: shows the application's and the library's versions.
void cmd_aPropos(const wchar_t* argument);

// Hook 61, the help button: opens the operator's help page.
void app_hookAide(host::dialogs::ItemMessage* message);
