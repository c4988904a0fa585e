#pragma once
// The rules of the network display masks, as data: which levels a selection of networks (N),
// states (E), contents (C) and the flag-texts switch (F) switches on. niv_masqueAffichage walks
// these tables; a rule only ever switches levels on.
#include <array>
#include <cstdint>
#include <string_view>

// A condition: each non-zero word must share a bit with the selection's word; `drapeau` asks F
// to be non-zero; `theme` (one-file rules only), when non-zero, must equal the plan's theme mask.
struct niv_condition {
  std::uint32_t reseau = 0;
  std::uint32_t contenu = 0;
  std::uint32_t etat = 0;
  bool drapeau = false;
  std::uint32_t theme = 0;
};

// Three-file plans: the eight members of every network's group of levels, in slot order of the
// group (cables, non-flush, flush, cable texts, texts of non-flush, texts of flush, dimensions,
// uncertain), each with the contents and states it asks.
inline constexpr std::array<niv_condition, 8> niv_membresGroupe = {{
    {.contenu = 1},
    {.contenu = 2, .etat = 0x1000},
    {.contenu = 2, .etat = 0x800},
    {.contenu = 4, .etat = 0x400},
    {.contenu = 4, .etat = 0x1000},
    {.contenu = 4, .etat = 0x800},
    {.contenu = 8},
    {.contenu = 1, .etat = 4},
}};

// One network's group in a three-file catalogue: the file's theme, the network bit that selects
// it (0: always), and the slot of each member (-1: the group has no such level).
struct niv_groupeMasque {
  std::uint32_t theme;
  std::uint32_t reseau;
  std::array<std::int32_t, 8> slots;
};
extern const std::array<niv_groupeMasque, 13> niv_groupesV3;

// The other levels of the three-file catalogues that a selection switches on, by name.
struct niv_regleNiveau {
  std::uint32_t theme;  // three-file rules: the file's theme; one-file rules: 0
  std::wstring_view niveau;
  niv_condition condition;
};
extern const std::array<niv_regleNiveau, 21> niv_autresNiveauxV3;

// Levels of the three-file catalogues that no selection switches on.
extern const std::array<std::wstring_view, 25> niv_jamaisAffichesV3;

// One-file plans: the rules on the levels of the one-file catalogue (E's family bits unread).
extern const std::array<niv_regleNiveau, 50> niv_reglesV2;
