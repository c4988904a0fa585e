#include "standard/regle_lignes.h"

#include <string>

versymbologie regle_construireLigne(const regle_ligne& l, const regle_gabarits& gabarits, std::int32_t classeEchelle) {
  versymbologie ligne;
  element_symbologieAttendue(ligne, std::wstring(l.libelle), static_cast<std::uint32_t>(l.couleur),
                             static_cast<std::uint32_t>(l.epaisseur), l.style, std::wstring(l.nomStyle),
                             l.gabarit == regle_gabarit::petit ? gabarits.petit : gabarits.simple, l.echelleCellule,
                             classeEchelle);
  if (l.italique) ligne.police = L"ITALICS";
  return ligne;
}

void regle_essayerLignes(vercomparaison& resultat, const versymbologie& actuelle, std::span<const regle_ligne> lignes,
                         const regle_gabarits& gabarits, std::int32_t classeEchelle, regle_essai essai) {
  for (const regle_ligne& l : lignes) {
    vercomparaison candidat;
    element_comparerSymbologie(candidat, actuelle, regle_construireLigne(l, gabarits, classeEchelle));
    if (essai == regle_essai::dernier) resultat = candidat;
    else element_retenirMeilleur(resultat, candidat);
    if (resultat.code == 0) return;
  }
}

void regle_etapeFinale(verelement& element, const vercomparaison& resultat) {
  if (element.codeErreur == 0) element.codeErreur = resultat.code;
  if (element.categorie.empty()) element.categorie = resultat.libelle;
}
