#pragma once
// Searches over the network lines of a plan file.
#include <array>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"

// Lengths of network lines in master units, by group and state. Seven groups of five entries:
// [0-4] service connections (whatever the network bit), [5-9] BT, [10-14] HTA, [15-19] TLC
// (electricity), [20-24] TLR, [25-29] EP, [30-34] VDC; within a group the states 1 (classé),
// 2, 4 and 8 (abandonné), then all states. [35] the sum of the seven all-states entries.
using verlongueurs = std::array<double, 36>;

// Sums the lengths of the record's network lines of its theme model outside its insets, only
// their parts inside the clip when `clip` holds an element (an empty handle: no clip). All zeros
// when no view is open or no clip can be made from the element.
verlongueurs res_elementsDansClip(const verplaninfo& plan, const host::ElementHandle& clip);
