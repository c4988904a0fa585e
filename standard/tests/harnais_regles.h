#pragma once
// One element of a rule book's table of cases, as the cases write it (level name, type and the
// items compared), the level table of a file that defines every level of a catalogue at the ids
// rank + 1, and what the data tests read of a book's slots.
#include <array>
#include <cstdint>
#include <string>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/verplanfichiers.h"
#include "standard/element_table.h"
#include "standard/niv_catalogues.h"
#include "standard/regle_livreV3.h"
#include "standard/verelement.h"

struct ElementRegle {
  std::wstring_view niveau;
  std::int32_t type;
  std::uint32_t couleur = 0, epaisseur = 0;
  std::int32_t style = 0;
  std::wstring nomStyle = L"~";
  double echelleStyle = 0.0;
  std::wstring nomCellule = L"~";
  double echelleCellule = 0.0;
  // Texts and text nodes only.
  std::wstring police = L"INTL_ENGINEERING";
  double hauteurTexte = 0.4, largeurTexte = 0.28;
};

template <typename Niveaux>
Niveaux niveauxRangs() {
  Niveaux n;
  for (std::size_t i = 0; i < n.id.size(); ++i) n.id[i] = static_cast<std::uint32_t>(i + 1);
  return n;
}

// The element with id 50 on the level of that name (999, a level of no slot, for a name the
// catalogue lacks).
template <typename Niveaux, std::size_t N>
verelement construireElement(const ElementRegle& d, const Niveaux& niveaux,
                             const std::array<std::wstring_view, N>& catalogue) {
  verelement e;
  e.idElement = 50;
  versymbologie& s = e.symbologie;
  const std::int32_t slot = niv_slot(catalogue, d.niveau);
  s.idNiveau = slot < 0 ? 999 : niveaux.id[static_cast<std::size_t>(slot)];
  s.nomNiveau = std::wstring(d.niveau);
  s.type = d.type;
  s.couleur = d.couleur;
  s.epaisseur = d.epaisseur;
  s.style = d.style;
  s.nomStyle = d.nomStyle;
  s.echelleStyle = d.echelleStyle;
  if (d.type == 2) {
    s.nomCellule = d.nomCellule;
    s.echelleCellule = {d.echelleCellule, d.echelleCellule, d.echelleCellule};
  }
  if (d.type == 17 || d.type == 7) {
    s.police = d.police;
    s.hauteurTexte = d.hauteurTexte;
    s.largeurTexte = d.largeurTexte;
  }
  return e;
}

// One case of a network book's table of cases: the element (id 50), whether it is the cell of an
// unnamed-cell pair, the scale class, and the code and category that the book gives it.
struct CasRegle {
  const char* pourquoi;
  ElementRegle element;
  bool apparie;
  std::int32_t classe;
  std::uint32_t code;
  std::wstring categorie;
};

// Runs each case through a network book's entry (`classer`, called as the books are, with no
// model) on the level table of ranks of `Niveaux`, and checks its code and category.
template <typename Niveaux, std::size_t N, typename Classer>
void verifierCasRegle(std::span<const CasRegle> cas, const std::array<std::wstring_view, N>& catalogue,
                      Classer classer) {
  const std::vector<vercouple> paire = {{50, 0}};
  const Niveaux niveaux = niveauxRangs<Niveaux>();
  const verfichier sansModele;
  for (const CasRegle& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = construireElement(c.element, niveaux, catalogue);
    classer(e, niveaux, c.apparie ? paire : std::vector<vercouple>{}, c.classe, sansModele);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, c.categorie);
  }
}

// What the network books' data tests read of a slot: its kind and the element types its branches
// admit ("every type" as 0xFFFF; a pattern's slot as 0).
inline const regle_slotV3& slotDuLivre(std::span<const regle_slotV3> livre, std::wstring_view niveau) {
  for (const regle_slotV3& s : livre)
    if (s.niveau == niveau) return s;
  throw std::runtime_error("no such slot");
}

inline std::uint32_t masqueDuSlot(const regle_slotV3& s) {
  std::uint32_t m = 0;
  for (const regle_brancheV3& b : s.branches) m |= b.tousTypes ? 0xFFFFu : b.masque;
  return m;
}

// The cells listed by a slot's branches, with their categories.
inline std::vector<std::pair<std::wstring, std::wstring>> cellulesDuSlot(const regle_slotV3& s) {
  std::vector<std::pair<std::wstring, std::wstring>> r;
  for (const regle_brancheV3& b : s.branches)
    for (const regle_celluleV3& c : b.cellules) r.push_back({std::wstring(c.nom), std::wstring(c.categorie)});
  return r;
}

// The rows of a slot's branch of that mask (a pattern's rows for mask 0).
inline std::span<const regle_ligne> lignesDuSlot(const regle_slotV3& s, std::uint8_t masque) {
  if (masque == 0) return s.lignes;
  for (const regle_brancheV3& b : s.branches)
    if (b.masque == masque) return b.lignes;
  return {};
}
