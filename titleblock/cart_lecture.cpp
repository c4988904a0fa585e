#include "titleblock/cart_lecture.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "host/element_handle.h"
#include "titleblock/cart_cellules.h"
#include "titleblock/cart_modele.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

// Fills the record's texts in order from the cell's field texts; `ordre`, when given, says which
// field text goes to each entry.
template <std::size_t N>
void lireTextes(std::array<std::wstring, N>& textes, const host::ElementHandle& cellule,
                const std::array<int, N>* ordre = nullptr) {
  for (std::size_t i = 0; i < N; ++i)
    cart_texteCellule(textes[i], cellule, ordre ? (*ordre)[i] : static_cast<int>(i));
}

template <std::size_t N>
std::uint32_t lireIdentification(std::array<std::wstring, N>& textes, std::uint64_t idCellule, int sousSorte,
                                 host::ModelRef modele, const std::wstring& chemin) {
  const cart_modele lecture(modele, chemin);
  if (!lecture) return kEchec;
  host::ElementHandle cellule;
  if (cart_trouverCelluleId(cellule, idCellule, lecture.get(), sorteIdentification, sousSorte) != 0) return kEchec;
  lireTextes(textes, cellule);
  return 0;
}

}  // namespace

std::uint32_t cart_lire(vercartouche& cartouche, host::ModelRef modele, const std::wstring& chemin) {
  const cart_modele lecture(modele, chemin);
  if (!lecture) return kEchec;
  host::ElementHandle cellule;
  if (cart_trouverCelluleId(cellule, 0, lecture.get(), sorteCartouche, 1) != 0) return kEchec;
  std::wstring nom;
  if (stbElem_lireCellule(nullptr, nullptr, nullptr, &nom, cellule) != 0) return kEchec;
  const cart_table table = cart_tableChamps(nom);
  for (int k = 0; k < cart_nombreChamps; ++k)
    if (k != champProjection) cart_texteCellule(cartouche.champs[k], cellule, table[k]);
  cart_lireProjection(cartouche.champs[champProjection], nullptr, 0, lecture.get(), L"");
  return 0;
}

const std::wstring& cart_lireProjection(std::wstring& code, std::uint64_t* idTexte, std::uint64_t idCartouche,
                                        host::ModelRef modele, const std::wstring& chemin) {
  code.clear();
  if (idTexte) *idTexte = 0;
  const cart_modele lecture(modele, chemin);
  if (!lecture) return code;
  const host::ModelRef m = lecture.get();
  host::ElementHandle cellule;
  if (cart_trouverCelluleId(cellule, idCartouche, m, sorteCartouche, 1) != 0) return code;
  host::Point3d origine, echelle;
  host::RotMatrix rotation;
  if (stbElem_lireCellule(&origine, &rotation, &echelle, nullptr, cellule) != 0) return code;
  const double a = rotation.angleZ();
  const double d1 = host::masterToUor(m, 19.5 * echelle.x);
  const double d2 = host::masterToUor(m, 0.15 * echelle.x);
  const host::Point3d sonde{origine.x + d1 * std::cos(a) + d2 * std::cos(a + std::numbers::pi / 2),
                            origine.y + d1 * std::sin(a) + d2 * std::sin(a + std::numbers::pi / 2), 0.0};
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Text};
  criteres.levels = {host::levelIdFromName(m, L"Cart+habillage").value_or(0)};
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, sonde, 1.0);
  std::vector<host::ElementId> textes;
  stbDgn_scanner(textes, criteres, m);
  for (host::ElementId id : textes) {
    std::wstring chaine;
    stbElem_texte(chaine, host::ElementHandle(id, m));
    if (!stbStr_commencePar(chaine, L"PRJ=", false)) continue;
    code = chaine.substr(4);
    if (idTexte) *idTexte = id;
    break;
  }
  return code;
}

std::uint32_t cart_lireIdFich(veridfich& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  return lireIdentification(id.textes, idCellule, 1, modele, chemin);
}

std::uint32_t cart_lireIdLoc(veridloc& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  return lireIdentification(id.textes, idCellule, 3, modele, chemin);
}

std::uint32_t cart_lireIdFdp(veridfdp& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  return lireIdentification(id.textes, idCellule, 2, modele, chemin);
}

std::uint32_t cart_lireIdEle(veridele& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  return lireIdentification(id.textes, idCellule, 2, modele, chemin);
}

std::uint32_t cart_lireIdAut(veridaut& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  return lireIdentification(id.textes, idCellule, 2, modele, chemin);
}

std::uint32_t cart_lireIdVoie(veridvoie& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin) {
  const cart_modele lecture(modele, chemin);
  if (!lecture) return kEchec;
  const host::ElementHandle cellule(idCellule, lecture.get());
  lireTextes(id.textes, cellule, &cart_ordreIdVoie);
  return 0;
}
