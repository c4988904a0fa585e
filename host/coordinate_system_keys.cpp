#include "host/coordinate_system_keys.h"

#include <cwctype>

namespace host {

const std::vector<CoordinateSystemKey>& coordinateSystemKeys() {
  static const std::vector<CoordinateSystemKey> table = {
      {L"NTF.Lambert-1", 27561},  // NTF (Paris) / Lambert Nord France
      {L"NTF.Lambert-2", 27562},  // NTF (Paris) / Lambert Centre France
      {L"NTF.Lambert-3", 27563},  // NTF (Paris) / Lambert Sud France
      {L"NTF.Lambert-4", 27564},  // NTF (Paris) / Lambert Corse
      {L"NTF.Lambert-E", 27572},  // NTF (Paris) / Lambert zone II, the extended zone II
      {L"IGN-RGF93", 2154},       // RGF93 / Lambert-93
      {L"RGF93.CC42", 3942},
      {L"RGF93.CC43", 3943},
      {L"RGF93.CC44", 3944},
      {L"RGF93.CC45", 3945},
      {L"RGF93.CC46", 3946},
      {L"RGF93.CC47", 3947},
      {L"RGF93.CC48", 3948},
      {L"RGF93.CC49", 3949},
      {L"RGF93.CC50", 3950},
      {L"EPSG:32620", 32620},  // WGS 84 / UTM zone 20N (Guadeloupe, Martinique)
      {L"EPSG:2972", 2972},    // RGFG95 / UTM zone 22N (Guyane)
      {L"EPSG:2975", 2975},    // RGR92 / UTM zone 40S (Réunion)
      {L"EPSG:4326", 4326},    // WGS 84, geographic
  };
  return table;
}

int epsgOfKey(const std::wstring& key) {
  for (const CoordinateSystemKey& row : coordinateSystemKeys())
    if (key == row.key) return row.epsg;
  const std::wstring prefix = L"EPSG:";
  if (key.size() <= prefix.size() || key.size() > prefix.size() + 6 || key.compare(0, prefix.size(), prefix) != 0) return 0;
  int code = 0;
  for (size_t i = prefix.size(); i < key.size(); ++i) {
    if (!std::iswdigit(key[i])) return 0;
    code = code * 10 + (key[i] - L'0');
  }
  return code;
}

}  // namespace host
