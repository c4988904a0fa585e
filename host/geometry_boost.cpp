#include "host/geometry_boost.h"

#include <cmath>

namespace host::bgx {

std::vector<std::vector<Point3d>> strokedPieces(const CurveVector& curve, double chordTolerance) {
  std::vector<Point3d> pts;
  curve.addStrokePoints(pts, chordTolerance);
  std::vector<std::vector<Point3d>> pieces(1);
  for (const Point3d& p : pts) {
    if (isDisconnect(p)) {
      if (!pieces.back().empty()) pieces.emplace_back();
    } else {
      pieces.back().push_back(p);
    }
  }
  if (pieces.back().empty()) pieces.pop_back();
  for (auto& piece : pieces)
    if (piece.size() == 1) piece.push_back(piece.front());
  return pieces;
}

namespace {

bool pointWithinBounds(const Point& p) {
  return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) <= kMaxRelativeCoordinate &&
         std::abs(p.y()) <= kMaxRelativeCoordinate;
}

template <typename Range>
bool rangeWithinBounds(const Range& points) {
  for (const Point& p : points)
    if (!pointWithinBounds(p)) return false;
  return true;
}

}  // namespace

bool withinBounds(const MultiLinestring& lines) {
  for (const auto& ls : lines)
    if (!rangeWithinBounds(ls)) return false;
  return true;
}

bool withinBounds(const MultiPolygon& area) {
  for (const auto& poly : area) {
    if (!rangeWithinBounds(poly.outer())) return false;
    for (const auto& inner : poly.inners())
      if (!rangeWithinBounds(inner)) return false;
  }
  return true;
}

Point3d originOf(const CurveVector& curve) {
  Point3d s, e;
  return curve.getStartEnd(s, e) ? Point3d{s.x, s.y, 0.0} : Point3d{};
}

MultiLinestring toLines(const CurveVector& curve, double chordTolerance, const Point3d& origin) {
  MultiLinestring out;
  for (const auto& piece : strokedPieces(curve, chordTolerance)) {
    Linestring ls;
    for (const Point3d& p : piece) ls.emplace_back(p.x - origin.x, p.y - origin.y);
    out.push_back(std::move(ls));
  }
  return out;
}

namespace {

Polygon::ring_type ringOf(const CurveVector& loop, double chordTolerance, const Point3d& origin) {
  std::vector<Point3d> pts;
  loop.addStrokePoints(pts, chordTolerance);
  Polygon::ring_type ring;
  for (const Point3d& p : pts)
    if (!isDisconnect(p)) ring.emplace_back(p.x - origin.x, p.y - origin.y);
  if (!ring.empty() && !bg::equals(ring.front(), ring.back())) ring.push_back(ring.front());
  return ring;
}

}  // namespace

bool toArea(const CurveVector& curve, double chordTolerance, const Point3d& origin, MultiPolygon& out) {
  out.clear();
  if (!curve.isValid()) return false;
  switch (curve.boundaryType()) {
    case CurveVector::BoundaryType::Outer:
    case CurveVector::BoundaryType::Inner: {
      Polygon poly;
      poly.outer() = ringOf(curve, chordTolerance, origin);
      if (poly.outer().size() < 4) return false;
      bg::correct(poly);
      out.push_back(std::move(poly));
      return true;
    }
    case CurveVector::BoundaryType::ParityRegion: {
      // The loop of largest area is the outer boundary, the others its holes.
      std::vector<Polygon::ring_type> rings;
      for (const CurvePrimitive& p : curve.primitives())
        if (p.childCurve()) rings.push_back(ringOf(*p.childCurve(), chordTolerance, origin));
      if (rings.empty()) return false;
      size_t outer = 0;
      for (size_t i = 1; i < rings.size(); ++i)
        if (std::abs(bg::area(rings[i])) > std::abs(bg::area(rings[outer]))) outer = i;
      Polygon poly;
      poly.outer() = rings[outer];
      for (size_t i = 0; i < rings.size(); ++i)
        if (i != outer) poly.inners().push_back(rings[i]);
      bg::correct(poly);
      out.push_back(std::move(poly));
      return true;
    }
    case CurveVector::BoundaryType::UnionRegion: {
      for (const CurvePrimitive& p : curve.primitives()) {
        MultiPolygon part, merged;
        if (!p.childCurve() || !toArea(*p.childCurve(), chordTolerance, origin, part)) return false;
        bg::union_(out, part, merged);
        out = std::move(merged);
      }
      return !out.empty();
    }
    default:
      return false;
  }
}

namespace {

CurveVector loopOf(const Polygon::ring_type& ring, const Point3d& origin, double z, CurveVector::BoundaryType type) {
  std::vector<Point3d> pts;
  pts.reserve(ring.size());
  for (const Point& p : ring) pts.push_back({p.x() + origin.x, p.y() + origin.y, z});
  auto cv = CurveVector::createLinear(pts, type);
  return cv ? *cv : CurveVector(type);
}

CurveVector regionOf(const Polygon& poly, const Point3d& origin, double z) {
  if (poly.inners().empty()) return loopOf(poly.outer(), origin, z, CurveVector::BoundaryType::Outer);
  CurveVector region(CurveVector::BoundaryType::ParityRegion);
  region.add(CurvePrimitive::child(loopOf(poly.outer(), origin, z, CurveVector::BoundaryType::Outer)));
  for (const auto& inner : poly.inners())
    region.add(CurvePrimitive::child(loopOf(inner, origin, z, CurveVector::BoundaryType::Inner)));
  return region;
}

}  // namespace

CurveVector fromArea(const MultiPolygon& area, const Point3d& origin, double z) {
  if (area.size() == 1) return regionOf(area.front(), origin, z);
  CurveVector all(CurveVector::BoundaryType::UnionRegion);
  for (const Polygon& poly : area) all.add(CurvePrimitive::child(regionOf(poly, origin, z)));
  return all;
}

std::vector<CurveVector> fromLines(const MultiLinestring& lines, const Point3d& origin, double z) {
  std::vector<CurveVector> out;
  for (const Linestring& ls : lines) {
    std::vector<Point3d> pts;
    for (const Point& p : ls) pts.push_back({p.x() + origin.x, p.y() + origin.y, z});
    if (auto cv = CurveVector::createLinear(pts, CurveVector::BoundaryType::Open)) out.push_back(std::move(*cv));
  }
  return out;
}

}  // namespace host::bgx
