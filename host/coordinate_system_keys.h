#pragma once
// The host's dictionary of coordinate-system keys: each key the plans use, with its EPSG code.
#include <string>
#include <vector>

namespace host {

struct CoordinateSystemKey {
  const wchar_t* key;
  int epsg;
};

// The fixed table, in the order of the zones (Lambert NTF, Lambert 93, conic conformal zones,
// overseas departments, WGS84).
const std::vector<CoordinateSystemKey>& coordinateSystemKeys();

// The EPSG code of a key: from the table (exact, case-sensitive), else from a key "EPSG:n"
// with n a positive decimal number; 0 when neither.
int epsgOfKey(const std::wstring& key);

}  // namespace host
