#include "standard/regle_communV3.h"

#include <algorithm>
#include <string>

#include "standard/regle_communV3_table.h"
#include "standard/regle_lignes.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kNonTraite = 0x8000;

// The element compared with its one row: its code is the comparison's, its category given.
std::uint32_t classer(verelement& element, const regle_ligne& ligne, std::int32_t classeEchelle,
                      std::wstring categorie) {
  vercomparaison resultat;
  element_comparerSymbologie(resultat, element.symbologie, regle_construireLigne(ligne, regle_gabarits{}, classeEchelle));
  element.codeErreur = resultat.code;
  element.categorie = std::move(categorie);
  return 0;
}

}  // namespace

std::uint32_t regle_classerCommunV3(verelement& element, std::int32_t classeEchelle) {
  const versymbologie& s = element.symbologie;
  if (s.type != 2) return kNonTraite;
  const std::wstring& nom = s.nomCellule;

  if (nom == L"PT") {
    const auto n = std::ranges::find(regle_libellesPT, s.nomNiveau, &regle_niveauLibelle::niveau);
    const std::wstring_view libelle = n == regle_libellesPT.end() ? regle_libellePTInconnu : n->libelle;
    const regle_ligne ligne{libelle, -1, 0, 0, L"~", regle_gabarit::simple, -1.0};
    return classer(element, ligne, classeEchelle,
                   stbStr_toString(L"Point de construction (%s)", std::wstring(libelle)));
  }

  const auto drapeau = std::ranges::find(regle_drapeaux, nom, &regle_nomLibelle::nom);
  if (drapeau != regle_drapeaux.end()) {
    const auto role = std::ranges::find(regle_rolesDrapeau, s.nomNiveau, &regle_roleDrapeau::niveau);
    if (role == regle_rolesDrapeau.end()) return kNonTraite;
    const regle_ligne ligne{role->role, static_cast<std::int32_t>(role->couleur), 0, 0, L"~", regle_gabarit::simple,
                            -1.0};
    return classer(element, ligne, classeEchelle,
                   stbStr_toString(L"%s (%s)", std::wstring(drapeau->libelle), std::wstring(role->role)));
  }

  if (nom == L"FNORD") {
    const regle_ligne ligne{L"", 0, 0, -1, L"~", regle_gabarit::simple, -1.0};
    return classer(element, ligne, classeEchelle, L"Flèche nord");
  }
  return kNonTraite;
}
