#pragma once
// The expected symbology of network objects, as data: one row per plan kind and network (split by
// the branchement flag, the plan's theme or the protection's network where the standard splits
// them), its first column (level name, colour, weight, and a line-style number when the standard
// puts one there), then what each state adds. niv_symbologieAttendue takes the first row that
// matches.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// What one state of a row sets; an empty name or an absent value leaves the item as it is.
struct niv_symbologieEtat {
  std::wstring_view niveau = {};    // replaces the row's level name
  std::wstring_view alterne = {};   // level looked for first
  std::optional<std::uint32_t> couleur = {};
  std::optional<std::uint32_t> epaisseur = {};
  std::optional<std::int32_t> style = {};  // line-style number
  std::wstring_view nomStyle = {};
  std::wstring_view nomStyleNI = {};  // line-style name of an object carrying the NI flag
};

inline constexpr std::int32_t niv_indifferent = -1;

struct niv_symbologieLigne {
  std::uint32_t typePlan;   // 1 one-file, 2 three-file
  std::uint32_t reseau;     // one natureReseau bit
  std::int32_t branchement; // 0 not a branchement, 1 a branchement, niv_indifferent
  std::uint32_t theme;      // the plan's theme mask; 0 whatever
  std::uint32_t protection; // the protection's network; 0 whatever
  std::wstring_view niveau;
  std::uint32_t couleur;
  std::uint32_t epaisseur;
  std::optional<std::int32_t> style;
  std::array<niv_symbologieEtat, 4> etats;  // states 1, 2, 4, 8
};

extern const std::array<niv_symbologieLigne, 14> niv_symbologiesV2;
extern const std::array<niv_symbologieLigne, 18> niv_symbologiesV3;
