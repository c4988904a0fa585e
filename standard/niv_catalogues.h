#pragma once
// The level catalogues of the drawing standard: for each theme a fixed list of level names, each
// at its slot, and the slot table of one file: the id that the file's level table gives to the
// name of each slot, 0 when the file lacks it. Rules speak of slots and compare level ids.
#include <array>
#include <cstdint>
#include <string_view>

#include "host/model_ref.h"

// The names of each catalogue in slot order (one data file each, niv_catalogue_*.cpp).
const std::array<std::wstring_view, 77>& niv_catalogueV2();   // one-file plan
const std::array<std::wstring_view, 29>& niv_catalogueFdp();  // background file FP2
const std::array<std::wstring_view, 63>& niv_catalogueEle();  // electricity file EL2
const std::array<std::wstring_view, 63>& niv_catalogueGaz();  // gas file
const std::array<std::wstring_view, 26>& niv_catalogueAut();  // other-networks file AR2

// Slot tables: level ids in slot order; 0 for a level the file lacks.
struct verniveauxv2 {
  std::array<std::uint32_t, 77> id{};
};
struct verniveauxfdp {
  std::array<std::uint32_t, 29> id{};
};
struct verniveauxele {
  std::array<std::uint32_t, 63> id{};
};
struct verniveauxgaz {
  std::array<std::uint32_t, 63> id{};
};
struct verniveauxaut {
  std::array<std::uint32_t, 26> id{};
};

// The one-file slot whose level, when absent, is looked for under the name "58".
inline constexpr std::size_t niv_slotCotesFourreaux = 8;

// Each builder fills every slot from the model's level table (exact names); an absent level, or
// an invalid model, leaves 0. The model is the caller's, neither opened nor closed here.
void niv_tableV2(verniveauxv2& table, host::ModelRef modele);
void niv_tableFdpV3(verniveauxfdp& table, host::ModelRef modele);
void niv_tableElecV3(verniveauxele& table, host::ModelRef modele);
void niv_tableGazV3(verniveauxgaz& table, host::ModelRef modele);
void niv_tableAutreV3(verniveauxaut& table, host::ModelRef modele);

// The slot of a name in a catalogue, or -1.
template <std::size_t N>
std::int32_t niv_slot(const std::array<std::wstring_view, N>& catalogue, std::wstring_view nom) {
  for (std::size_t i = 0; i < N; ++i)
    if (catalogue[i] == nom) return static_cast<std::int32_t>(i);
  return -1;
}
