#pragma once
// The layout of verlongueurs: the groups after the service connections, by network bit, and the
// entry of each state within a group.
#include <array>
#include <cstddef>
#include <cstdint>

// Groups 1 to 6; group 0 holds the service connections whatever their network.
inline constexpr std::array<std::uint32_t, 6> res_reseauxGroupes = {2, 4, 8, 16, 2048, 4096};
// Entries 0 to 3 of a group; entry 4 counts every state.
inline constexpr std::array<std::uint32_t, 4> res_etatsGroupe = {1, 2, 4, 8};
inline constexpr std::size_t res_tailleGroupe = 5;
inline constexpr std::size_t res_entreeTousEtats = 4;
inline constexpr std::size_t res_nombreGroupes = 7;
inline constexpr std::size_t res_entreeTotal = 35;
