#include "titleblock/cart_date.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "toolbox/stb_date.h"
#include "toolbox/stb_str.h"

namespace {

std::wstring rogner(const std::wstring& texte) {
  const auto debut = texte.find_first_not_of(L" \t");
  if (debut == std::wstring::npos) return {};
  const auto fin = texte.find_last_not_of(L" \t");
  return texte.substr(debut, fin - debut + 1);
}

// The key of the date, or nothing when it does not fit a signed 32-bit integer.
bool cle(std::int32_t& sortie, std::int64_t annee, std::int64_t mois, std::int64_t jour) {
  const std::int64_t valeur = (annee * 100 + mois) * 100 + jour;
  if (valeur > std::numeric_limits<std::int32_t>::max() || valeur < std::numeric_limits<std::int32_t>::min())
    return false;
  sortie = static_cast<std::int32_t>(valeur);
  return true;
}

}  // namespace

void cart_lireDate(verdate& date, const std::wstring& texte) {
  date = verdate{};
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, texte, L"/");
  if (champs.size() != 3) {
    date.absente = texte.empty();
    return;
  }
  for (auto& champ : champs) champ = rogner(champ);
  if (champs[0].empty() && champs[1].empty() && champs[2].empty()) {
    date.absente = true;
    return;
  }
  date.jour = stbStr_versEntier(champs[0]);
  date.mois = stbStr_versEntier(champs[1]);
  std::int64_t annee = stbStr_versEntier(champs[2]);
  if (annee < 0) {
    date.annee = static_cast<std::int32_t>(annee);
    return;
  }
  if (annee < 50) annee += 2000;
  if (annee < 100) annee += 1900;
  if (date.jour < 1 || date.jour > 31) date.jour = 1;
  if (date.mois < 1 || date.mois > 12) date.mois = 1;
  if (annee > std::numeric_limits<std::int32_t>::max()) return;
  date.annee = static_cast<std::int32_t>(annee);
  date.valide = cle(date.cle, annee, date.mois, date.jour);
}

void cart_dateDuJour(verdate& date) {
  date = verdate{};
  std::wstring texte;
  stbDate_maintenant(texte, "%d/%m/%Y");
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, texte, L"/");
  if (champs.size() == 3) {
    date.jour = stbStr_versEntier(champs[0]);
    date.mois = stbStr_versEntier(champs[1]);
    date.annee = stbStr_versEntier(champs[2]);
  }
  date.valide = true;
  cle(date.cle, date.annee, date.mois, date.jour);
}
