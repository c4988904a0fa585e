#include "standard/regle_livreV3.h"

#include <algorithm>
#include <optional>
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

// The branches that a slot's pattern stands for, made for one element from the slot's labels.
class Motif {
 public:
  explicit Motif(const regle_slotV3& slot)
      : lignes_{{{slot.libelles[0], slot.couleur, 0, 0, L"~", regle_gabarit::petit},
                 {slot.libelles[1], 0, 0, 0, L"~", regle_gabarit::petit, 0.0, {}, true}}} {
    if (slot.genre == regle_genreV3::cotation) {
      branches_[n_++] = {.masque = kCotations, .lignes = lignes_};
      return;
    }
    branches_[n_++] = {.masque = kTextes, .categorie = slot.libelles[0], .lignes = slot.lignes};
    branches_[n_++] = {.masque = kCellules, .annotationSeule = true, .annotation = slot.libelles[1], .lignes = slot.lignes};
    branches_[n_++] = {.masque = kCotations, .categorie = slot.libelles[2], .lignes = slot.lignes};
    if (!slot.libelles[3].empty())
      branches_[n_++] = {.masque = kTraits, .categorie = slot.libelles[3], .lignes = slot.lignes};
  }
  Motif(const Motif&) = delete;
  Motif& operator=(const Motif&) = delete;
  std::span<const regle_brancheV3> branches() const { return {branches_.data(), n_}; }

 private:
  static constexpr std::uint8_t kCellules = 1, kTraits = 2, kTextes = 32, kCotations = 64;
  std::array<regle_ligne, 2> lignes_;
  std::array<regle_brancheV3, 4> branches_{};
  std::size_t n_ = 0;
};

bool styleAdmis(const regle_brancheV3& b, const std::wstring& nomStyle) {
  switch (b.siStyle) {
    case regle_siStyle::egal: return nomStyle == b.nomStyle;
    case regle_siStyle::different: return nomStyle != b.nomStyle;
    case regle_siStyle::tous: break;
  }
  return true;
}

const regle_brancheV3* brancheDuType(std::span<const regle_brancheV3> branches, const versymbologie& s, bool annotation) {
  for (const regle_brancheV3& b : branches) {
    if (!b.tousTypes && element_typeAccepte(s.type, b.masque) != 0) continue;
    if (b.annotationSeule && !annotation) continue;
    if (!styleAdmis(b, s.nomStyle)) continue;
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
                     const vercouples& couples, std::int32_t classeEchelle, host::ModelRef modele) {
  const versymbologie& s = element.symbologie;
  const bool cellule = s.type == kCellule;
  if (cellule && regle_classerCommunV3(element, classeEchelle) == 0) return;

  const regle_slotV3* slot = slotDuNiveau(livre, ids, s.idNiveau);
  if (!slot) {
    element.codeErreur = 2031;
    return;
  }
  const bool annotation = cellule && element_indiceCouple(element.idElement, kCellule, couples) >= 0;
  std::optional<Motif> motif;
  if (slot->genre != regle_genreV3::branches) motif.emplace(*slot);
  const regle_brancheV3* branche = brancheDuType(motif ? motif->branches() : slot->branches, s, annotation);
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
