#include "standard/regle_livreV3.h"

#include <algorithm>
#include <string>

#include "standard/regle_communV3.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kCellule = 2;

const regle_slotV3* slotDuNiveau(const regle_livreV3& livre, std::span<const std::uint32_t> ids, std::uint32_t niveau) {
  for (std::size_t k = 0; k < livre.slots.size(); ++k) {
    const std::int32_t i = livre.index[k];
    if (i < 0 || static_cast<std::size_t>(i) >= ids.size()) continue;
    const std::uint32_t id = ids[static_cast<std::size_t>(i)];
    if (id != 0 && id == niveau) return &livre.slots[k];
  }
  return nullptr;
}

const regle_brancheV3* brancheDuType(const regle_slotV3& slot, std::int32_t type, bool annotation) {
  for (const regle_brancheV3& b : slot.branches) {
    if (!b.tousTypes && element_typeAccepte(type, b.masque) != 0) continue;
    if (b.annotationSeule && !annotation) continue;
    return &b;
  }
  return nullptr;
}

std::wstring categorieDe(std::wstring_view categorie, const std::wstring& nom) {
  if (categorie.find(L"%s") == std::wstring_view::npos) return std::wstring(categorie);
  return stbStr_toString(std::wstring(categorie), nom);
}

}  // namespace

regle_gabarits regle_gabaritsV3() {
  regle_gabarits g;
  g.petit.police = L"INTL_ENGINEERING";
  g.petit.hauteurTexte = 0.4;
  g.petit.largeurTexte = 0.28;
  return g;
}

void regle_classerV3(verelement& element, const regle_livreV3& livre, std::span<const std::uint32_t> ids,
                     const std::vector<vercouple>& couples, std::int32_t classeEchelle, host::ModelRef modele) {
  const versymbologie& s = element.symbologie;
  const bool cellule = s.type == kCellule;
  if (cellule && regle_classerCommunV3(element, classeEchelle) == 0) return;

  const regle_slotV3* slot = slotDuNiveau(livre, ids, s.idNiveau);
  if (!slot) {
    element.codeErreur = 2031;
    return;
  }
  const bool annotation = cellule && element_indiceCouple(element.idElement, kCellule, couples) >= 0;
  const regle_brancheV3* branche = brancheDuType(*slot, s.type, annotation);
  if (!branche) {
    element.codeErreur = 2032;
    return;
  }
  if (!branche->categorie.empty()) element.categorie = branche->categorie;

  if (cellule) {
    // A paired cell has no name, so it is never one of the listed cells.
    if (annotation && !branche->annotation.empty()) {
      element.categorie = branche->annotation;
    } else if (!branche->cellules.empty()) {
      const auto c = std::ranges::find(branche->cellules, std::wstring_view(s.nomCellule), &regle_celluleV3::nom);
      if (c != branche->cellules.end()) {
        element.categorie = categorieDe(c->categorie, s.nomCellule);
        if (!c->enfants.empty()) {
          if (regle_controlerEnfants(element, modele, c->enfants) != 0) element.codeErreur = 2043;
          return;
        }
      } else if (s.nomCellule.empty() && !branche->sansNom.empty()) {
        element.categorie = branche->sansNom;
      } else {
        element.codeErreur = 2041;
        return;
      }
    }
  }

  vercomparaison resultat;
  if (branche->essai == regle_essai::meilleur) {
    resultat = regle_essayerLignes(s, branche->lignes, livre.gabarits, classeEchelle);
  } else {
    // Each row in turn, its result standing in place of the one before, until one has no code.
    for (std::size_t k = 0; k < branche->lignes.size(); ++k) {
      resultat = regle_essayerLignes(s, branche->lignes.subspan(k, 1), livre.gabarits, classeEchelle);
      if (resultat.code == 0) break;
    }
  }
  regle_etapeFinale(element, resultat);
}
