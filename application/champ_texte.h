#pragma once
// Single-byte text fields of the dialog variable (tvkdialogue.h), filled from wide strings.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "toolbox/stb_str.h"

// Fills a single-byte field, cut to its size less one and ended by a zero; the rest of the field
// is zeroed.
template <std::size_t N>
void tvk_remplirChamp(char (&champ)[N], const std::wstring& texte) {
  const std::string etroit = stbStr_versEtroit(texte);
  const std::size_t n = std::min(etroit.size(), N - 1);
  std::memcpy(champ, etroit.data(), n);
  std::memset(champ + n, 0, N - n);
}
