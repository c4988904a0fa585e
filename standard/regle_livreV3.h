#pragma once
// The shape of a three-file rule book, which the background, electricity and other-networks books
// share: a chain of level slots tried in the book's order (the first equal level decides, else
// 2031); in the slot, branches by element type (none admits the type: 2032); in a branch, the
// annotations (cells of an unnamed-cell pair), the listed cells (another name: 2041) or the
// children rows of a listed cell (2043); then the rows, tried in order, and the final step.
// Two slot patterns of the network books are kinds of slot with their labels (regle_genreV3).
// A book is data (a table file of its own) walked by regle_classerV3.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "host/model_ref.h"
#include "standard/element_table.h"
#include "standard/regle_lignes.h"
#include "standard/verelement.h"

// How the results of a branch's rows are kept: the best of them, or the last one tried.
enum class regle_essai : std::uint8_t { meilleur, dernier };

// A cell that a branch admits, with its category ("%s" takes the cell name). A cell with
// children rows has its components checked instead of its own symbology, with no final step.
struct regle_celluleV3 {
  std::wstring_view nom;
  std::wstring_view categorie;
  std::span<const regle_enfant> enfants = {};
};

// A branch that takes an element by its line-style name too: any name, only that name, or only
// another name.
enum class regle_siStyle : std::uint8_t { tous, egal, different };

// The elements of a slot that one set of rules takes, by type.
struct regle_brancheV3 {
  std::uint8_t masque = 0;          // element_typeAccepte's mask
  bool tousTypes = false;           // every element type, the mask aside
  bool annotationSeule = false;     // only cells of an unnamed-cell pair; other cells go on to the next branch
  std::wstring_view categorie = {}; // set on the element before the rows
  std::wstring_view annotation = {};  // category of a cell of an unnamed-cell pair
  std::span<const regle_celluleV3> cellules = {};  // when not empty, any other cell gets 2041...
  std::wstring_view sansNom = {};   // ...unless it has no name and this category is given
  std::span<const regle_ligne> lignes = {};
  regle_essai essai = regle_essai::meilleur;
  regle_siStyle siStyle = regle_siStyle::tous;
  std::wstring_view nomStyle = {};  // the line-style name that `siStyle` compares (exactly)
};

// How a slot gives its rules: its own branches, or one of the two patterns of the network books.
// - texte (T): a text (mask 32) takes the category libelles[0]; otherwise a cell of an
//   unnamed-cell pair libelles[1]; otherwise a dimension libelles[2]; otherwise, when libelles[3]
//   is given, a line (mask 2) takes it; any other element (an unpaired cell too) gets 2032. The
//   category is set before the slot's rows `lignes`.
// - cotation (D): dimensions only, else 2032; rows libelles[0] `couleur` / 0 / 0 small, then
//   libelles[1] 0 / 0 / 0 small, italic.
enum class regle_genreV3 : std::uint8_t { branches, texte, cotation };

// A slot of the chain: the level's name in the file's catalogue, and its branches in order or its
// pattern with the pattern's labels.
struct regle_slotV3 {
  std::wstring_view niveau;
  std::span<const regle_brancheV3> branches = {};
  regle_genreV3 genre = regle_genreV3::branches;
  std::array<std::wstring_view, 4> libelles = {};
  std::span<const regle_ligne> lignes = {};  // T's rows
  std::int32_t couleur = 0;                  // D's colour of the raised row
};

// A text-pattern slot T(text, annotation, arrow[, line]) with its rows, and a dimension-pattern
// slot D(colour, raised, not raised), as the network books write them.
constexpr regle_slotV3 regle_slotTexteV3(std::wstring_view niveau, std::array<std::wstring_view, 4> libelles,
                                         std::span<const regle_ligne> lignes) {
  return {.niveau = niveau, .genre = regle_genreV3::texte, .libelles = libelles, .lignes = lignes};
}
constexpr regle_slotV3 regle_slotCotationV3(std::wstring_view niveau, std::int32_t couleur, std::wstring_view levee,
                                            std::wstring_view nonLevee) {
  return {.niveau = niveau, .genre = regle_genreV3::cotation, .libelles = {levee, nonLevee}, .couleur = couleur};
}

// The components of the PTRL cells of the network files: a complex shape of weight 2, a line
// string and a complex chain, all colour 0 and line style 0.
inline constexpr std::array<regle_enfant, 3> regle_enfantsPTRL = {{{14, 0, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}}};

// Rows and branches that the two network books hold alike: the exchange cells' row, the
// undifferentiated insets, the PTRC cells' row and the PTRL texts' row.
inline constexpr std::array<regle_ligne, 1> regle_lignesCartoucheV3 = {
    {{L"Cartouche", 0, 0, -1, L"~", regle_gabarit::simple, -1.0}}};
inline constexpr std::array<regle_ligne, 1> regle_lignesEncartIndifV3 = {{{L"Encart indifférencié", -1, -1, -1}}};
inline constexpr std::array<regle_brancheV3, 1> regle_encartIndifV3 = {
    {{.tousTypes = true, .lignes = regle_lignesEncartIndifV3}}};
inline constexpr std::array<regle_ligne, 1> regle_lignesPTRCV3 = {
    {{L"PTRC", 0, 0, 0, L"~", regle_gabarit::petit, -1.0}}};
inline constexpr std::array<regle_ligne, 1> regle_textesPTRLV3 = {
    {{L"Texte PTRL", 0, 0, 0, L"~", regle_gabarit::petit, -1.0}}};

// A book ready to walk: its slots with the catalogue index of each (-1: the catalogue lacks the
// name, the slot never matches), and its text templates.
struct regle_livreV3 {
  std::span<const regle_slotV3> slots;
  std::vector<std::int32_t> index;
  regle_gabarits gabarits;
};

// The templates of the three-file books: plain, and small ("INTL_ENGINEERING" 0.4 × 0.28).
regle_gabarits regle_gabaritsV3();

template <std::size_t N>
regle_livreV3 regle_preparerLivre(std::span<const regle_slotV3> slots, const std::array<std::wstring_view, N>& catalogue) {
  regle_livreV3 livre{slots, {}, regle_gabaritsV3()};
  for (const regle_slotV3& s : slots) {
    std::int32_t i = -1;
    for (std::size_t k = 0; k < N && i < 0; ++k)
      if (catalogue[k] == s.niveau) i = static_cast<std::int32_t>(k);
    livre.index.push_back(i);
  }
  return livre;
}

// Classifies one element by the book: common cells first, then the slot of its level (`ids`: the
// file's level table, slot order; a slot of id 0 never matches), and writes its error code and
// category. `modele` is where the children of a cell are read.
void regle_classerV3(verelement& element, const regle_livreV3& livre, std::span<const std::uint32_t> ids,
                     const vercouples& couples, std::int32_t classeEchelle, host::ModelRef modele);
