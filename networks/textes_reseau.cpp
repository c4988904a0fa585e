#include "networks/textes_reseau.h"

#include <vector>

#include "networks/textes_reseau_table.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kNonValeur = 0x8000;

bool parmi(std::wstring_view caracteres, wchar_t c) { return caracteres.find(c) != std::wstring_view::npos; }

}  // namespace

std::uint32_t txt_natureReseau(const std::wstring& mot) {
  for (const txt_motReseau& m : txt_motsReseau)
    if (stbStr_commencePar(mot, std::wstring(m.mot), false)) return m.reseau;
  return 0;
}

std::uint32_t txt_analyserCaracteristiques(const std::wstring& texte) {
  std::wstring avant, apres;
  stbStr_separer(avant, apres, texte, L"::");
  stbStr_majuscules(avant);
  std::vector<std::wstring> mots;
  stbStr_decouper(mots, avant, L" ");
  return mots.empty() ? 0 : txt_natureReseau(mots.front());
}

std::int32_t txt_estTexteValeur(const std::wstring& texte) {
  if (texte.size() < txt_longueurValeurMin || texte.size() > txt_longueurValeurMax) return kNonValeur;
  std::wstring t = texte;
  stbStr_majuscules(t);
  if (t.front() == L'(' && t.back() == L')') return 0;
  bool valeur = false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const wchar_t c = t[i];
    if (parmi(txt_caracteresValeur, c)) valeur = true;
    else if (parmi(txt_lettresPremieres, c) && i == 0) continue;
    else if (parmi(txt_lettresDernieres, c) && i + 1 == t.size()) continue;
    else if (!parmi(txt_caracteresNeutres, c)) return kNonValeur;
  }
  return valeur ? 0 : kNonValeur;
}
