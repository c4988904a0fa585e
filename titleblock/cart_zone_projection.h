#pragma once
// Projection short codes of the two-digit zone codes of grid-cell names.
#include <string>

// The three-character short code of a two-character zone code ("47" gives "C47"), or empty for
// any text outside the table.
const std::wstring& cart_codeZoneProjection(std::wstring& code, const std::wstring& zone);
