#pragma once
// The fixed pairing of the system's projection short codes with the host's coordinate-system
// keys. The parameter folder's projection file is never consulted for it.
#include <vector>

struct projection_code {
  const wchar_t* codeCourt;   // "LZ1" to "LZ4", "L93", "C42" to "C50", "U20", "U22", "U40"
  const wchar_t* cleSysteme;  // the host's coordinate-system key
};

// The 17 rows, in the order of the zones.
const std::vector<projection_code>& projection_tableCodes();
