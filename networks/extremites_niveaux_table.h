#pragma once
// The cable levels on which the previous version of a plan file is searched for a live cable end,
// by plan kind (1 one-file, 2 three-file) and natureReseau bit (2 BT, 4 HTA). Unused names are
// empty.
#include <array>
#include <cstdint>
#include <string_view>

struct cable_niveauxExtremite {
  std::uint32_t typePlan;
  std::uint32_t reseau;
  std::array<std::wstring_view, 3> niveaux;
};

inline constexpr std::array<cable_niveauxExtremite, 4> cable_niveauxExtremites = {{
    {2, 2, {L"CâblesBT", L"RésIncertainBT", L"CâblesBrancht"}},
    {2, 4, {L"CâblesHTA", L"RésIncertainHTA", L""}},
    {1, 2, {L"RéseauBT", L"", L""}},
    {1, 4, {L"RéseauHTA", L"", L""}},
}};
