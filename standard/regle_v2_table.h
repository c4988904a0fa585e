#pragma once
// The one-file (V2) rule book as data: the chain of level slots in the order they are tried,
// each with its type mask, its cells and its rows, and the local cells accepted on any level.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "standard/regle_lignes.h"

// A cell a slot accepts. An empty label leaves the category to the row's label. A cell with
// children rows is judged on its components alone; a cell with rows of its own takes their
// comparison's code and its own label, in place of the slot's rows and of the final step.
struct regle_celluleV2 {
  std::wstring_view nom;
  std::wstring_view libelle;
  std::span<const regle_enfant> enfants;
  std::span<const regle_ligne> lignes;

  constexpr regle_celluleV2(std::wstring_view nom_, std::wstring_view libelle_,
                            std::span<const regle_enfant> enfants_ = {}, std::span<const regle_ligne> lignes_ = {})
      : nom(nom_), libelle(libelle_), enfants(enfants_), lignes(lignes_) {}
};

// A slot of the chain: the slot of verniveauxv2 whose level it judges, the element types it
// accepts (element_typeAccepte), the cells it accepts (any other cell is refused) and its rows in
// trial order.
struct regle_slotV2 {
  std::size_t slot = 0;
  std::uint8_t masque = 0;
  std::span<const regle_celluleV2> cellules;
  std::span<const regle_ligne> lignes;
};

// A local cell and the colour it must carry (weight 0; nothing else is checked).
struct regle_celluleLocale {
  std::wstring_view nom;
  std::int32_t couleur = 0;
};

// The 30 slots in chain order: the background and title slots, then the network slots.
std::span<const regle_slotV2> regle_chaineV2();

// The local cells, exact names.
std::span<const regle_celluleLocale> regle_cellulesLocalesV2();
