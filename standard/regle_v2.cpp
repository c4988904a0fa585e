#include "standard/regle_v2.h"

#include <string>

#include "engine/erreur.h"
#include "standard/element_table.h"
#include "standard/regle_v2_table.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kNonTraite = 0x8000;
constexpr std::int32_t kCellule = 2;
constexpr std::uint32_t codeNiveauInterdit = 2031;
constexpr std::uint32_t codeType = 2032;
constexpr std::uint32_t codeNomCellule = 2041;
constexpr std::uint32_t codeDefinitionCellule = 2043;

// The plain template checks no font nor size; the small one is the standard's working text.
const regle_gabarits& gabaritsV2() {
  static const regle_gabarits g = [] {
    regle_gabarits r;
    r.petit.police = L"WORKING";
    r.petit.hauteurTexte = 0.4;
    r.petit.largeurTexte = 0.28;
    return r;
  }();
  return g;
}

// The first slot of the chain whose level is the element's; a slot without level (0) never is.
const regle_slotV2* slotDe(std::uint32_t idNiveau, const verniveauxv2& niveaux) {
  for (const regle_slotV2& s : regle_chaineV2()) {
    const std::uint32_t id = niveaux.id[s.slot];
    if (id != 0 && id == idNiveau) return &s;
  }
  return nullptr;
}

const regle_celluleV2* celluleDe(const std::wstring& nom, const regle_slotV2& slot) {
  for (const regle_celluleV2& c : slot.cellules)
    if (c.nom == nom) return &c;
  return nullptr;
}

}  // namespace

std::uint32_t regle_celluleLocaleV2(verelement& element, std::int32_t classeEchelle) {
  const versymbologie& s = element.symbologie;
  if (s.type != kCellule) return kNonTraite;
  for (const regle_celluleLocale& locale : regle_cellulesLocalesV2()) {
    if (locale.nom != s.nomCellule) continue;
    const regle_ligne ligne{L"", locale.couleur, 0, -1};
    vercomparaison resultat;
    element_comparerSymbologie(resultat, s, regle_construireLigne(ligne, gabaritsV2(), classeEchelle));
    element.codeErreur = resultat.code;
    element.categorie = stbStr_toString(L"Cellule locale (%s)", s.nomCellule);
    return 0;
  }
  return kNonTraite;
}

void regle_classerElementV2(verelement& element, const verniveauxv2& niveaux, std::int32_t classeEchelle,
                            const verfichier& fichier) {
  if (regle_celluleLocaleV2(element, classeEchelle) == 0) return;
  const versymbologie& s = element.symbologie;
  const regle_slotV2* slot = slotDe(s.idNiveau, niveaux);
  if (slot == nullptr) {
    element.codeErreur = codeNiveauInterdit;
    return;
  }
  if (element_typeAccepte(s.type, slot->masque) != 0) {
    element.codeErreur = codeType;
    return;
  }
  if (s.type == kCellule && !slot->cellules.empty()) {
    const regle_celluleV2* cellule = celluleDe(s.nomCellule, *slot);
    if (cellule == nullptr) {
      element.codeErreur = codeNomCellule;
      return;
    }
    if (!cellule->libelle.empty()) element.categorie = cellule->libelle;
    if (!cellule->enfants.empty()) {
      if (regle_controlerEnfants(element, fichier.modele, cellule->enfants) != 0)
        element.codeErreur = codeDefinitionCellule;
      return;
    }
    // A cell with rows of its own (the trench cut) takes their comparison's code under its own
    // label, without the final step.
    if (!cellule->lignes.empty()) {
      element.codeErreur = regle_essayerLignes(s, cellule->lignes, gabaritsV2(), classeEchelle).code;
      element.categorie = cellule->libelle;
      return;
    }
  }
  regle_etapeFinale(element, regle_essayerLignes(s, slot->lignes, gabaritsV2(), classeEchelle));
}

void ctrl_elementsV2(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers) {
  element_construireTable(fichier);
  verniveauxv2 niveaux;
  niv_tableV2(niveaux, fichier.modele);
  for (verelement& e : fichier.elements) regle_classerElementV2(e, niveaux, fichiers.version, fichier);
  for (const verelement& e : fichier.elements) {
    if (e.codeErreur == 0) continue;
    const versymbologie& s = e.symbologie;
    const bool nomme = s.type == kCellule && s.nomCellule != L"~";
    erreur_ajouter(erreurs, fichier.chemin, e.idElement, static_cast<std::uint32_t>(s.type), e.codeErreur, nullptr,
                   e.categorie, nomme ? s.nomCellule : std::wstring());
  }
}
