#pragma once
// The projection rows that the application offers, as row texts
// "identifier;label;zone code;coordinate-system key;EPSG number".
#include <array>

// The projected systems, in the order of the table (kind 1).
extern const std::array<const wchar_t*, 18> proj_lignesProjetees;

// The geographic row (kind 2), always last: a format that takes the key and the EPSG number.
inline constexpr const wchar_t* proj_formatWgs84 = L"999;WGS84;;%s;%s";
inline constexpr const wchar_t* proj_cleWgs84 = L"EPSG:4326";
inline constexpr const wchar_t* proj_epsgWgs84 = L"4326";
