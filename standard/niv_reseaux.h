#pragma once
// The words that the network side of the system shares: kinds of network, states of a network
// object, and what a level holds.
#include <cstdint>

// One bit per kind of network; a selection may hold several.
enum natureReseau : std::uint32_t {
  nr_BT = 2,            // low-voltage electricity
  nr_HTA = 4,           // medium-voltage electricity
  nr_TLCEle = 8,        // TLC on the electricity side
  nr_TLR = 16,
  nr_Terre = 32,        // earthing: protections drawn with "ST_PROT_TERRE"
  nr_BP = 64,
  nr_MPB = 128,
  nr_MPC = 256,
  nr_TLCGaz = 512,      // TLC on the gas side
  nr_PRC = 1024,
  nr_EP = 2048,
  nr_VDC = 4096,
  nr_Protections = 8192,  // in no theme mask
  // Theme masks: the value of a plan's or a file's theme.
  nr_ThemeEle = 62,
  nr_ThemeGaz = 1984,
  nr_ThemeAut = 6144,
  nr_Tous = 65535,
};

// The state of one network object; as a selection, a bit set of the states plus the level
// families of the three-file standard.
enum etatReseau : std::uint32_t {
  er_Classe = 1,
  er_Normal = 2,
  er_Incertain = 4,
  er_Abandonne = 8,
  er_TxtCables = 0x400,            // cable texts
  er_AccAffleurants = 0x800,       // flush accessories and their texts
  er_AccNonAffleurants = 0x1000,   // non-flush accessories and their texts
  er_Tous = 65535,
};

// What a level holds, as bits of a contents word.
enum contenuNiveau : std::uint32_t {
  cn_Lignes = 1,       // cables, pipes, protections
  cn_Accessoires = 2,
  cn_Textes = 4,
  cn_Cotes = 8,        // dimensions and construction points
};
