#pragma once
// Relations between curves of the host, measured in the XY plane (z ignored). UORs throughout.
#include <optional>
#include <vector>

#include "host/curve_vector.h"

namespace host {

// The points where two curves meet in XY, one per meeting place (a crossing at a shared vertex
// is one point; where the curves overlap, the two ends of the overlap), as points of the first
// curve, in its order. Arcs are followed within 1/1000 UOR. Empty for an invalid curve.
std::vector<Point3d> intersectionsXY(const CurveVector& a, const CurveVector& b);

// Minimum XY distance between two curves. A closed loop or region counts as its area: a curve
// inside a shape, or a shape inside another, is at distance 0; open curves count as their lines.
// None when a curve is invalid.
std::optional<double> minDistanceXY(const CurveVector& a, const CurveVector& b);

// Whether the point lies inside the polygon (its points, the closing point optional, even-odd
// rule) in XY. A point within `tolerance` of the boundary counts as inside, on either side of it.
// False for fewer than 3 points or a non-finite coordinate.
bool pointInPolygonXY(const std::vector<Point3d>& polygon, const Point3d& point, double tolerance);

}  // namespace host
