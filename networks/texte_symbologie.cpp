#include "networks/texte_symbologie.h"

#include <algorithm>
#include <string>

#include "networks/textes_reseau.h"
#include "networks/textes_reseau_table.h"
#include "standard/element_table.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeSymbologie = 2112;
constexpr std::uint32_t kUtilisableValeur = 2;

bool commencePar(const std::wstring& texte, std::wstring_view debut) {
  return texte.compare(0, debut.size(), debut) == 0;
}

bool exempte(const std::wstring& texte, const std::vector<std::wstring>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](const std::wstring& p) { return !p.empty() && stbStr_commencePar(texte, p, false); });
}

// The word of a cable text that names its network: the first; after "NS" or "NI" the second, or
// the third when the second is a value (a section).
std::wstring motReseau(const std::wstring& texte) {
  std::vector<std::wstring> mots;
  stbStr_decouper(mots, texte, L" ");
  const bool decale = std::any_of(txt_motsDecales.begin(), txt_motsDecales.end(),
                                  [&](std::wstring_view m) { return commencePar(texte, m); });
  if (mots.empty()) return std::wstring();
  if (!decale || mots.size() < 2) return mots.front();
  if (mots.size() >= 3 && txt_estTexteValeur(mots[1]) == 0) return mots[2];
  return mots[1];
}

// The network the word names (with case), 0 none.
std::uint32_t reseauNomme(const std::wstring& mot) {
  for (const txt_motReseau& m : txt_motsSymbologie)
    if (commencePar(mot, m.mot)) return m.reseau;
  return 0;
}

}  // namespace

void ctrl_texteSymbologie(std::vector<vererreur>& erreurs, const vercontexte& contexte,
                          const std::vector<verdrapeau>& drapeaux, const verfichier& fichier) {
  for (const verdrapeau& d : drapeaux) {
    if (d.aControler != 1) continue;
    if (d.nature != natureLignes && d.nature != natureDrapeauSimple && d.nature != natureDrapeauDifferencie) continue;
    for (const vertextereseau& t : d.textes) {
      if (t.reseau != nr_BT && t.reseau != nr_HTA) continue;
      if (t.utilisable == kUtilisableValeur || t.etat == er_Abandonne || !element_estExamine(fichier, t.element)) continue;
      if (exempte(t.texte, contexte.prefixesTexte)) continue;
      const std::uint32_t nomme = reseauNomme(motReseau(t.texte));
      if (nomme != 0 && nomme != t.reseau) element_signalerReseau(erreurs, fichier, t.element, codeSymbologie, t.texte);
    }
  }
}
