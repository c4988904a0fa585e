#include "standard/ctrl_elementsV3.h"

#include <algorithm>
#include <array>

#include "engine/erreur.h"
#include "standard/element_table.h"
#include "standard/regle_communV3_table.h"
#include "standard/regle_livresV3.h"

namespace {

// Steps shared by the three drivers: the table, the file's level table and unnamed-cell pairs,
// the book on every element in table order, then one error per element with a code.
template <typename Niveaux, typename Classer>
void controler(std::vector<vererreur>& erreurs, verfichier& fichier, void (*construireNiveaux)(Niveaux&, host::ModelRef),
               const Classer& classer) {
  element_construireTable(fichier);
  Niveaux niveaux;
  construireNiveaux(niveaux, fichier.modele);
  const vercouples couples = element_collecterCellules(fichier.modele);
  for (verelement& e : fichier.elements) classer(e, niveaux, couples);
  for (const verelement& e : fichier.elements) {
    if (e.codeErreur == 0) continue;
    const versymbologie& s = e.symbologie;
    erreur_ajouter(erreurs, fichier.nomFichier, e.idElement, static_cast<std::uint32_t>(s.type), e.codeErreur, nullptr,
                   e.categorie, s.type == 2 ? s.nomCellule : std::wstring());
  }
}

// The slots of the background catalogue that the BDU rule leaves alone.
const std::array<std::int32_t, regle_niveauxHorsBDU.size()>& slotsHorsBDU() {
  static const auto slots = [] {
    std::array<std::int32_t, regle_niveauxHorsBDU.size()> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = niv_slot(niv_catalogueFdp(), regle_niveauxHorsBDU[i]);
    return r;
  }();
  return slots;
}

bool typeDessine(std::int32_t type) {
  static constexpr std::array<std::int32_t, 11> types = {2, 3, 4, 12, 16, 6, 14, 15, 17, 7, 33};
  return std::ranges::find(types, type) != types.end();
}

}  // namespace

void regle_elementBDU(verelement& element, const verniveauxfdp& niveaux) {
  if (element.codeErreur == 0) return;
  const std::uint32_t niveau = element.symbologie.idNiveau;
  for (const std::int32_t slot : slotsHorsBDU()) {
    if (slot < 0) continue;
    const std::uint32_t id = niveaux.id[static_cast<std::size_t>(slot)];
    if (id != 0 && id == niveau) return;
  }
  element.categorie = L"Elément BDU";
  element.codeErreur = typeDessine(element.symbologie.type) ? 0 : 2032;
}

void ctrl_elementsFdpV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers) {
  controler(erreurs, fichier, &niv_tableFdpV3,
            [&](verelement& e, const verniveauxfdp& niveaux, const vercouples& couples) {
              regle_classerElementFdpV3(e, niveaux, couples, fichiers.version);
              if (fichiers.fondBDU) regle_elementBDU(e, niveaux);
            });
}

void ctrl_elementsElecV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers) {
  controler(erreurs, fichier, &niv_tableElecV3,
            [&](verelement& e, const verniveauxele& niveaux, const vercouples& couples) {
              regle_classerElementElecV3(e, niveaux, couples, fichiers.version, fichier);
            });
}

void ctrl_elementsAutreV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers) {
  controler(erreurs, fichier, &niv_tableAutreV3,
            [&](verelement& e, const verniveauxaut& niveaux, const vercouples& couples) {
              regle_classerElementAutreV3(e, niveaux, couples, fichiers.version, fichier);
            });
}
