#include "titleblock/ctrl_cellules.h"

#include "engine/erreur.h"
#include "host/element_handle.h"
#include "toolbox/stb_dgn_cellules.h"
#include "toolbox/stb_elem.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

// The count of one kind of cell, reported when it is not one (or, with `auMoinsUn`, when it is 0).
struct comptage {
  const wchar_t* nom;
  std::uint32_t code;
  bool auMoinsUn = false;
};

// Counts each kind in the model; a finding for each that fails, with the complement given.
// True when any failed.
bool compter(std::vector<vererreur>& erreurs, const verfichier& fichier, std::initializer_list<comptage> comptages,
             const std::wstring& complement) {
  bool trouve = false;
  for (const comptage& c : comptages) {
    const std::uint32_t n = cart_scannerCellules(c.nom, fichier.modele);
    if (c.auMoinsUn ? n == 0 : n != 1) {
      erreur_ajouter(erreurs, fichier.chemin, 0, 0, c.code, nullptr, L"", complement);
      trouve = true;
    }
  }
  return trouve;
}

// None: `codeAucun`; several: `codePlusieurs`; the one finding carries no element nor complement.
bool unSeul(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint32_t n, std::uint32_t codeAucun,
            std::uint32_t codePlusieurs) {
  if (n == 1) return true;
  erreur_ajouter(erreurs, fichier.chemin, 0, 0, n == 0 ? codeAucun : codePlusieurs, nullptr, L"", L"");
  return false;
}

}  // namespace

std::uint32_t cart_scannerCellules(const std::wstring& nom, host::ModelRef modele) {
  if (!modele) return 0;
  std::uint32_t n = 0;
  for (const stbCellule& c : *stbDgn_cellules(modele)) n += c.nom() == nom ? 1 : 0;
  return n;
}

std::uint32_t ctrl_cellulesCartouche(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers) {
  const verfichier& principal = fichiers.fichiers[0];
  if (fichiers.type == 1) {
    std::uint32_t cadres = 0;
    for (const wchar_t* nom : {L"A4X4", L"A1", L"A4X45", L"A15"}) cadres += cart_scannerCellules(nom, principal.modele);
    if (!unSeul(erreurs, principal, cadres, 1100, 1101)) return kEchec;
    return unSeul(erreurs, principal, cart_scannerCellules(L"CART2", principal.modele), 1103, 1104) ? 0 : kEchec;
  }
  if (fichiers.type != 2) return 0;

  bool trouve = compter(erreurs, principal, {{L"IDFICH", 1111}, {L"IDLOC", 1116}, {L"IDFDP", 1112}, {L"IDVOIE", 1117, true}},
                        L"");
  const verfichier& el2 = fichiers.fichiers[1];
  const verfichier& ar2 = fichiers.fichiers[2];
  if (el2.modele) trouve = compter(erreurs, el2, {{L"IDFICH", 1111}, {L"IDELE", 1113}}, el2.nomFichier) || trouve;
  if (ar2.modele) trouve = compter(erreurs, ar2, {{L"IDFICH", 1111}, {L"IDAUT", 1115}}, ar2.nomFichier) || trouve;
  if (trouve) return kEchec;
  return unSeul(erreurs, principal, cart_scannerCellules(L"CADA1C", principal.modele), 1100, 1101) ? 0 : kEchec;
}
