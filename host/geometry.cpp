#include "host/geometry.h"

#include <algorithm>
#include <boost/geometry/index/rtree.hpp>
#include <cmath>
#include <limits>

#include "host/geometry_boost.h"

namespace host {

namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

// Tolerance with which arcs are followed when curves are intersected (UORs).
constexpr double kIntersectionChord = 1e-3;

struct Segment {
  Point3d a, b;
};

std::vector<Segment> segmentsOf(const CurveVector& cv) {
  std::vector<Point3d> pts;
  cv.addStrokePoints(pts, kIntersectionChord);
  std::vector<Segment> segs;
  for (size_t i = 0; i + 1 < pts.size(); ++i)
    if (!isDisconnect(pts[i]) && !isDisconnect(pts[i + 1])) segs.push_back({pts[i], pts[i + 1]});
  return segs;
}

double crossXY(const Vector3d& a, const Vector3d& b) { return a.x * b.y - a.y * b.x; }

struct Hit {
  size_t segment;
  double t;
  Point3d point;
};

// Meeting of segment s (of the first curve) with segment o; appends hits with their parameter on s.
void meet(size_t index, const Segment& s, const Segment& o, std::vector<Hit>& hits) {
  const Vector3d d1 = s.b - s.a, d2 = o.b - o.a, w = o.a - s.a;
  const double len1 = std::hypot(d1.x, d1.y), len2 = std::hypot(d2.x, d2.y);
  if (len1 == 0.0 || len2 == 0.0) return;
  const double denom = crossXY(d1, d2);
  const double eps = 1e-12;
  auto at = [&](double t) { return Hit{index, t, s.a + d1 * t}; };
  if (std::abs(denom) > eps * len1 * len2) {
    const double t = crossXY(w, d2) / denom, u = crossXY(w, d1) / denom;
    if (t >= -eps && t <= 1 + eps && u >= -eps && u <= 1 + eps) hits.push_back(at(std::clamp(t, 0.0, 1.0)));
    return;
  }
  if (std::abs(crossXY(w, d1)) > 1e-9 * len1 * std::max(1.0, len1)) return;  // parallel, apart
  const double l2 = len1 * len1;
  double t0 = (w.x * d1.x + w.y * d1.y) / l2;
  double t1 = ((o.b.x - s.a.x) * d1.x + (o.b.y - s.a.y) * d1.y) / l2;
  if (t0 > t1) std::swap(t0, t1);
  t0 = std::max(t0, 0.0), t1 = std::min(t1, 1.0);
  if (t0 > t1 + eps) return;
  hits.push_back(at(t0));
  if (t1 > t0 + eps) hits.push_back(at(t1));
}

bool samePlace(const Point3d& p, const Point3d& q) {
  const double scale = std::max({1.0, std::abs(p.x), std::abs(p.y)});
  return p.distanceXY(q) <= 1e-9 * scale + 1e-6;
}

}  // namespace

std::vector<Point3d> intersectionsXY(const CurveVector& a, const CurveVector& b) {
  std::vector<Point3d> out;
  if (!a.isValid() || !b.isValid()) return out;
  const std::vector<Segment> sa = segmentsOf(a), sb = segmentsOf(b);
  using Box = bg::model::box<bgx::Point>;
  using Entry = std::pair<Box, size_t>;
  std::vector<Entry> entries;
  entries.reserve(sb.size());
  for (size_t j = 0; j < sb.size(); ++j)
    entries.emplace_back(Box({std::min(sb[j].a.x, sb[j].b.x), std::min(sb[j].a.y, sb[j].b.y)},
                             {std::max(sb[j].a.x, sb[j].b.x), std::max(sb[j].a.y, sb[j].b.y)}),
                         j);
  bgi::rtree<Entry, bgi::quadratic<16>> tree(entries.begin(), entries.end());
  std::vector<Hit> hits;
  std::vector<Entry> found;
  for (size_t i = 0; i < sa.size(); ++i) {
    const Segment& s = sa[i];
    found.clear();
    tree.query(bgi::intersects(Box({std::min(s.a.x, s.b.x), std::min(s.a.y, s.b.y)},
                                   {std::max(s.a.x, s.b.x), std::max(s.a.y, s.b.y)})),
               std::back_inserter(found));
    std::sort(found.begin(), found.end(), [](const Entry& x, const Entry& y) { return x.second < y.second; });
    for (const Entry& e : found) meet(i, s, sb[e.second], hits);
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const Hit& x, const Hit& y) { return x.segment != y.segment ? x.segment < y.segment : x.t < y.t; });
  for (const Hit& h : hits) {
    // A meeting at a vertex is found on the segments on both sides of it; a closed curve's first
    // and last points are one vertex.
    if (!out.empty() && samePlace(out.back(), h.point)) continue;
    if (out.size() > 1 && a.isClosedPath() && samePlace(out.front(), h.point)) continue;
    out.push_back(h.point);
  }
  return out;
}

namespace {

// A curve as the geometries whose distances are measured: areas for regions, lines otherwise.
struct Parts {
  bgx::MultiPolygon areas;
  bgx::MultiLinestring lines;
};

void collectParts(const CurveVector& cv, const Point3d& origin, Parts& parts) {
  if (cv.isRegion()) {
    bgx::MultiPolygon area;
    if (bgx::toArea(cv, bgx::kAreaChordTolerance, origin, area)) {
      parts.areas.insert(parts.areas.end(), area.begin(), area.end());
      return;
    }
  }
  if (cv.boundaryType() == CurveVector::BoundaryType::None) {
    for (const CurvePrimitive& p : cv.primitives()) {
      if (p.childCurve()) {
        collectParts(*p.childCurve(), origin, parts);
      } else {
        CurveVector single(CurveVector::BoundaryType::Open);
        single.add(p);
        collectParts(single, origin, parts);
      }
    }
    return;
  }
  const bgx::MultiLinestring lines = bgx::toLines(cv, bgx::kAreaChordTolerance, origin);
  parts.lines.insert(parts.lines.end(), lines.begin(), lines.end());
}

}  // namespace

std::optional<double> minDistanceXY(const CurveVector& a, const CurveVector& b) {
  if (!a.isValid() || !b.isValid()) return std::nullopt;
  try {
    const Point3d origin = bgx::originOf(a);
    Parts pa, pb;
    collectParts(a, origin, pa);
    collectParts(b, origin, pb);
    double best = std::numeric_limits<double>::infinity();
    auto keep = [&best](double d) { best = std::min(best, d); };
    if (!pa.areas.empty() && !pb.areas.empty()) keep(bg::distance(pa.areas, pb.areas));
    if (!pa.areas.empty() && !pb.lines.empty()) keep(bg::distance(pa.areas, pb.lines));
    if (!pa.lines.empty() && !pb.areas.empty()) keep(bg::distance(pa.lines, pb.areas));
    if (!pa.lines.empty() && !pb.lines.empty()) keep(bg::distance(pa.lines, pb.lines));
    if (!std::isfinite(best)) return std::nullopt;
    return best;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool pointInPolygonXY(const std::vector<Point3d>& polygon, const Point3d& point, double tolerance) {
  if (polygon.size() < 3 || !point.isFinite()) return false;
  for (const Point3d& p : polygon)
    if (!p.isFinite()) return false;
  const size_t n = polygon.size();
  bool inside = false;
  for (size_t i = 0; i < n; ++i) {
    const Point3d& a = polygon[i];
    const Point3d& b = polygon[(i + 1) % n];
    // Within the tolerance of an edge: inside.
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((point.x - a.x) * dx + (point.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    // hypot is never below the larger of its two sides: most edges are passed without it.
    const double ex = std::abs(a.x + dx * t - point.x), ey = std::abs(a.y + dy * t - point.y);
    if (ex <= tolerance && ey <= tolerance && std::hypot(ex, ey) <= tolerance) return true;
    if ((a.y > point.y) != (b.y > point.y)) {
      const double x = a.x + (point.y - a.y) / (b.y - a.y) * (b.x - a.x);
      if (point.x < x) inside = !inside;
    }
  }
  return inside;
}

}  // namespace host
