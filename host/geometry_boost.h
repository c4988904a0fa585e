#pragma once
// Internal to the host: conversions between curve vectors and Boost.Geometry's XY types.
// Areas are stroked into rings; z is dropped on the way in and set to a given z on the way out.
// Coordinates are taken relative to an origin near the curves (plans lie millions of UORs from
// 0, where Boost.Geometry's overlays lose their precision) and moved back on the way out.
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/linestring.hpp>
#include <boost/geometry/geometries/multi_linestring.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <vector>

#include "host/curve_vector.h"

namespace host::bgx {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Linestring = bg::model::linestring<Point>;
using MultiLinestring = bg::model::multi_linestring<Linestring>;
using Polygon = bg::model::polygon<Point, false>;  // anticlockwise outer ring, closed
using MultiPolygon = bg::model::multi_polygon<Polygon>;

// Chord tolerance used to turn arcs of an area or a clipped curve into rings and lines (UORs).
inline constexpr double kAreaChordTolerance = 0.01;

// The stroked pieces of a curve, split at disconnects; a piece of one point is doubled.
std::vector<std::vector<Point3d>> strokedPieces(const CurveVector& curve, double chordTolerance);
MultiLinestring toLines(const CurveVector& curve, double chordTolerance, const Point3d& origin);
// The area of a closed loop or region, orientation corrected; false when the curve is no region.
bool toArea(const CurveVector& curve, double chordTolerance, const Point3d& origin, MultiPolygon& out);
// A loop for one polygon without holes, a parity region with holes, a union region for several.
CurveVector fromArea(const MultiPolygon& area, const Point3d& origin, double z);
std::vector<CurveVector> fromLines(const MultiLinestring& lines, const Point3d& origin, double z);
// The largest coordinate, relative to the origin, and the largest distance that the area
// operations hand to Boost.Geometry (UORs): beyond, its integer rescaling overflows. A plan spans
// far less.
inline constexpr double kMaxRelativeCoordinate = 1e9;
// Whether every coordinate is finite and within kMaxRelativeCoordinate.
bool withinBounds(const MultiLinestring& lines);
bool withinBounds(const MultiPolygon& area);
// An origin for the curve: its start point, or (0, 0, 0) when it has none.
Point3d originOf(const CurveVector& curve);

}  // namespace host::bgx
