#pragma once
// Elements and clips: whether an element lies inside a clip, and the split of an element into
// its parts inside and outside a clip. UORs.
#include <cstdint>

#include "host/curve_element.h"
#include "host/element_handle.h"

// Whether some part of the element lies inside the clip; `traverse` (when given) is set when the
// element also has a part outside, i.e. crosses the clip's boundary. A cell (types 2 and 35) is
// judged by its outline turned with its orientation.
bool stbElem_estDansClip(bool* traverse, const host::ElementHandle& element, const host::ClipVector& clip);

// Splits the element by the clip: copies of its inside parts are appended to `dedans`, of its
// outside parts to `dehors`. With a clip area given, a shape (6, 14) that does not meet it goes
// whole into `dehors`, and an element that crosses the clip but came out on one side only is cut
// again at its crossings with the area's boundary. The clip number is the view of the clip; the
// host's clips do not depend on it. 0, or 0x8000 when the element cannot be split.
int stbElem_decouper(host::ElementAgenda& dedans, host::ElementAgenda& dehors, const host::ElementHandle& element,
                     const host::ClipVector& clip, std::uint32_t numeroClip, const host::CurveVector* zoneClip);
