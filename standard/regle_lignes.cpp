#include "standard/regle_lignes.h"

#include <string>

namespace {

// A row's -1 is the comparison's "not checked" of an unsigned item.
std::uint32_t nonSigne(std::int32_t valeur) { return static_cast<std::uint32_t>(valeur); }

}  // namespace

bool regle_ligneEssayee(const regle_ligne& ligne, std::int32_t type) {
  if (ligne.condition.masque == 0) return true;
  const bool admis = element_typeAccepte(type, ligne.condition.masque) == 0;
  return admis != ligne.condition.sauf;
}

versymbologie regle_construireLigne(const regle_ligne& ligne, const regle_gabarits& gabarits, std::int32_t classeEchelle) {
  versymbologie attendue;
  element_symbologieAttendue(attendue, std::wstring(ligne.libelle), nonSigne(ligne.couleur), nonSigne(ligne.epaisseur),
                             ligne.style, std::wstring(ligne.nomStyle),
                             ligne.gabarit == regle_gabarit::petit ? gabarits.petit : gabarits.simple,
                             ligne.echelleCellule, classeEchelle);
  if (ligne.italique) attendue.police = L"ITALICS";
  return attendue;
}

vercomparaison regle_essayerLignes(const versymbologie& actuelle, std::span<const regle_ligne> lignes,
                                   const regle_gabarits& gabarits, std::int32_t classeEchelle) {
  vercomparaison meilleur;
  for (const regle_ligne& ligne : lignes) {
    if (!regle_ligneEssayee(ligne, actuelle.type)) continue;
    vercomparaison candidat;
    element_comparerSymbologie(candidat, actuelle, regle_construireLigne(ligne, gabarits, classeEchelle));
    element_retenirMeilleur(meilleur, candidat);
    if (meilleur.code == 0) break;
  }
  return meilleur;
}

void regle_etapeFinale(verelement& element, const vercomparaison& meilleur) {
  if (element.codeErreur == 0) element.codeErreur = meilleur.code;
  if (element.categorie.empty()) element.categorie = meilleur.libelle;
}

std::uint32_t regle_controlerEnfants(const verelement& element, host::ModelRef modele,
                                     std::span<const regle_enfant> enfants) {
  std::vector<versymbologie> lignes;
  lignes.reserve(enfants.size());
  const versymbologie simple;
  for (const regle_enfant& e : enfants) {
    versymbologie l;
    element_symbologieAttendue(l, L"", nonSigne(e.couleur), nonSigne(e.epaisseur), e.style, L"~", simple, 0.0, 1);
    l.type = e.type;
    lignes.push_back(std::move(l));
  }
  return element_controlerEnfants(element, modele, lignes);
}
