#pragma once
// Operations on areas in the XY plane, through Boost.Geometry. Areas are closed loops and
// regions of curve vectors; arcs are stroked first (1/100 UOR unless a tolerance is given).
// Results lie at the z of the source curve's start. UORs throughout.
#include <optional>
#include <vector>

#include "host/curve_vector.h"

namespace host {

// The area within `distance` of the given area (a negative distance shrinks it), with round
// corners stroked within `chordTolerance`, never chamfered. The orientation of the source does
// not matter. A loop with no area (a path drawn out and back) or one that crosses itself is
// offset as its outline: the result then covers the loop's line and everything it encloses.
// None when the source is no area, is invalid, or nothing is left.
std::optional<CurveVector> areaOffset(const CurveVector& area, double distance, double chordTolerance);

// The common part of two areas; none when they do not overlap or one is not an area.
std::optional<CurveVector> areaIntersection(const CurveVector& a, const CurveVector& b);

// A curve cut by a clip area into the parts inside it and outside it. Open curves are cut at
// their crossings with the clip's boundary into open line strings; areas into areas, but a loop
// with no area (a flat box, a path drawn out and back) is cut as its outline, into line strings.
// A part lying on the boundary counts as inside.
struct ClipSplit {
  std::vector<CurveVector> inside;
  std::vector<CurveVector> outside;
  // Parts on both sides: the curve crosses the clip's boundary.
  bool crossesBoundary = false;
};
// None when the curve or the clip area is invalid, or the clip is not an area.
std::optional<ClipSplit> clipSplit(const CurveVector& curve, const CurveVector& clipArea, double chordTolerance = 0.01);

// Whether some part of the curve lies inside the clip area; `crossesBoundary` (when given) says
// whether it also has a part outside. False for invalid input.
bool isInsideClip(const CurveVector& curve, const CurveVector& clipArea, bool* crossesBoundary);

}  // namespace host
