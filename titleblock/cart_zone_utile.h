#pragma once
// The useful area of a plan: the rectangle inside which every drawn element must lie, from the
// frame's origin along the frame's direction and downwards across it.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/geom_types.h"

// The useful area of the plan file at `chemin`, of plan kind `type` (1 or 2) and version
// `version` (2: sizes times 2.5), with or without the margin, as a closed polygon of five points
// (UORs, z 0). The list is cleared first. 32768 when the file does not open, has no frame, or
// the kind disagrees with the frame (kind 1 needs a one-file frame, kind 2 CADA1C); the list is
// then empty and the file, when opened here, closed.
std::uint32_t cart_zoneUtileFichier(std::vector<host::Point3d>& zone, const std::wstring& chemin, std::uint32_t type,
                                    std::uint32_t version, bool marge);

// The same for a plan record: its main file, kind and version.
std::uint32_t cart_zoneUtile(std::vector<host::Point3d>& zone, const verplaninfo& plan, bool marge);
