#pragma once
// One map projection of the parameter folder's projection table.
#include <cstdint>
#include <string>

#include "host/geom_types.h"

struct verprojection {
  std::int32_t identifiant = -1;
  std::wstring libelle;     // display label
  std::wstring codeZone;    // zone code as the parameter file gives it
  std::wstring codeCourt;   // "LZ1" to "LZ4", "L93", "C42" to "C50", "U20", "U22", "U40"
  std::wstring cleSysteme;  // the host's coordinate-system key, e.g. "RGF93.CC47" or "EPSG:32620"
  std::int32_t epsg = 0;
  std::int32_t type = 1;
  host::Range3d domaine;    // validity area in master units, only x and y count; empty until read
};

// The default record: identifier -1, empty texts, EPSG 0, kind 1, an empty validity area.
void verprojection_construire(verprojection& projection);
