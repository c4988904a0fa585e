#include "engine/projection_table.h"

const std::vector<projection_code>& projection_tableCodes() {
  static const std::vector<projection_code> table = {
      {L"LZ1", L"NTF.Lambert-1"},  // Lambert zones I to IV (NTF)
      {L"LZ2", L"NTF.Lambert-2"},
      {L"LZ3", L"NTF.Lambert-3"},
      {L"LZ4", L"NTF.Lambert-4"},
      {L"L93", L"IGN-RGF93"},      // Lambert 93
      {L"C42", L"RGF93.CC42"},     // conic conformal zones of RGF93
      {L"C43", L"RGF93.CC43"},
      {L"C44", L"RGF93.CC44"},
      {L"C45", L"RGF93.CC45"},
      {L"C46", L"RGF93.CC46"},
      {L"C47", L"RGF93.CC47"},
      {L"C48", L"RGF93.CC48"},
      {L"C49", L"RGF93.CC49"},
      {L"C50", L"RGF93.CC50"},
      {L"U20", L"EPSG:32620"},     // overseas departments: UTM zones
      {L"U22", L"EPSG:2972"},
      {L"U40", L"EPSG:2975"},
  };
  return table;
}
