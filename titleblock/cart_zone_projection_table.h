#pragma once
// The zone codes of grid-cell names and the projection short codes they stand for.
#include <array>

struct cart_ligneZone {
  const wchar_t* zone;
  const wchar_t* code;
};

inline constexpr std::array<cart_ligneZone, 17> cart_zonesProjection = {{
    {L"01", L"LZ1"}, {L"02", L"LZ2"}, {L"03", L"LZ3"}, {L"04", L"LZ4"}, {L"20", L"U20"}, {L"93", L"L93"},
    {L"22", L"U22"}, {L"40", L"U40"}, {L"42", L"C42"}, {L"43", L"C43"}, {L"44", L"C44"}, {L"45", L"C45"},
    {L"46", L"C46"}, {L"47", L"C47"}, {L"48", L"C48"}, {L"49", L"C49"}, {L"50", L"C50"},
}};
