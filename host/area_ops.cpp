#include "host/area_ops.h"

#include <cmath>
#include <numbers>

#include "host/geometry_boost.h"

namespace host {

namespace {

namespace bg = boost::geometry;
namespace bs = boost::geometry::strategy::buffer;

double startZ(const CurveVector& cv) {
  Point3d s, e;
  return cv.getStartEnd(s, e) ? s.z : 0.0;
}

int pointsPerCircle(double distance, double chordTolerance) {
  const double r = std::abs(distance);
  double step = std::numbers::pi / 4;
  if (chordTolerance > 0.0 && chordTolerance < r) step = std::min(step, 2.0 * std::acos(1.0 - chordTolerance / r));
  return static_cast<int>(std::clamp(std::ceil(2 * std::numbers::pi / step), 8.0, 3600.0));
}

template <typename Geometry>
bgx::MultiPolygon buffered(const Geometry& g, double distance, double chordTolerance) {
  const int n = pointsPerCircle(distance, chordTolerance);
  bgx::MultiPolygon out;
  bg::buffer(g, out, bs::distance_symmetric<double>(distance), bs::side_straight(), bs::join_round(n), bs::end_round(n),
             bs::point_circle(n));
  return out;
}

double areaOf(const bgx::MultiPolygon& mp) { return std::abs(bg::area(mp)); }
double lengthOf(const bgx::MultiLinestring& ml) { return bg::length(ml); }

// Whether a loop encloses an area: not nothing beside the length of its outline.
bool enclosesArea(const bgx::MultiPolygon& area, double outlineLength) {
  return areaOf(area) > 1e-9 * outlineLength * outlineLength;
}

// Each line string as its segments of some length; one of no length at all stays a point.
bgx::MultiLinestring segmentsOf(const bgx::MultiLinestring& lines) {
  bgx::MultiLinestring out;
  for (const auto& ls : lines) {
    const std::size_t before = out.size();
    for (std::size_t i = 1; i < ls.size(); ++i)
      if (!bg::equals(ls[i - 1], ls[i])) out.push_back(bgx::Linestring{ls[i - 1], ls[i]});
    if (out.size() == before && !ls.empty()) out.push_back(ls);
  }
  return out;
}

}  // namespace

std::optional<CurveVector> areaOffset(const CurveVector& area, double distance, double chordTolerance) {
  if (!area.isValid() || !area.isRegion() || !std::isfinite(distance) || !std::isfinite(chordTolerance)) return std::nullopt;
  try {
    if (std::abs(distance) > bgx::kMaxRelativeCoordinate) return std::nullopt;
    const Point3d origin = bgx::originOf(area);
    bgx::MultiPolygon source;
    const bool isArea = bgx::toArea(area, chordTolerance, origin, source);
    if (!bgx::withinBounds(source)) return std::nullopt;
    bgx::MultiPolygon result;
    if (isArea && bg::is_valid(source)) {
      result = buffered(source, distance, chordTolerance);
    } else {
      if (distance <= 0.0) return std::nullopt;
      bgx::MultiLinestring outline = bgx::toLines(area, chordTolerance, origin);
      if (!bgx::withinBounds(outline)) return std::nullopt;
      const double length = lengthOf(outline);
      // An outline of no length (an ellipse of radius 0) is a point: offset as one.
      if (!(length > 0.0))
        for (auto& ls : outline)
          if (!ls.empty()) ls = bgx::Linestring{ls.front(), ls.front()};
      result = buffered(outline, distance, chordTolerance);
      // A loop that encloses something keeps what it encloses: the holes of its outline's
      // offset are filled.
      if (enclosesArea(source, length))
        for (auto& poly : result) poly.inners().clear();
    }
    if (result.empty() || areaOf(result) <= 0.0) return std::nullopt;
    return bgx::fromArea(result, origin, startZ(area));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<CurveVector> areaIntersection(const CurveVector& a, const CurveVector& b) {
  try {
    const Point3d origin = bgx::originOf(a);
    bgx::MultiPolygon pa, pb, out;
    if (!bgx::toArea(a, bgx::kAreaChordTolerance, origin, pa) || !bgx::toArea(b, bgx::kAreaChordTolerance, origin, pb) ||
        !bgx::withinBounds(pa) || !bgx::withinBounds(pb))
      return std::nullopt;
    bg::intersection(pa, pb, out);
    if (out.empty() || areaOf(out) <= 0.0) return std::nullopt;
    return bgx::fromArea(out, origin, startZ(a));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<ClipSplit> clipSplit(const CurveVector& curve, const CurveVector& clipArea, double chordTolerance) {
  if (!curve.isValid()) return std::nullopt;
  try {
    const Point3d origin = bgx::originOf(curve);
    bgx::MultiPolygon clip;
    if (!bgx::toArea(clipArea, bgx::kAreaChordTolerance, origin, clip) || !bgx::withinBounds(clip)) return std::nullopt;
    ClipSplit split;
    const double z = startZ(curve);
    bgx::MultiPolygon area;
    const bool isArea = curve.isRegion() && bgx::toArea(curve, chordTolerance, origin, area);
    if (isArea && !bgx::withinBounds(area)) return std::nullopt;
    // A loop with no area (a flat box, a shape drawn out and back) has no part on either side as
    // an area: it is split as its outline.
    if (isArea && enclosesArea(area, curve.length())) {
      bgx::MultiPolygon in, out;
      bg::intersection(area, clip, in);
      bg::difference(area, clip, out);
      const double whole = areaOf(area), eps = 1e-12 * std::max(1.0, whole);
      if (areaOf(in) > eps)
        for (const auto& poly : in) split.inside.push_back(bgx::fromArea(bgx::MultiPolygon{poly}, origin, z));
      if (areaOf(out) > eps)
        for (const auto& poly : out) split.outside.push_back(bgx::fromArea(bgx::MultiPolygon{poly}, origin, z));
    } else {
      bgx::MultiLinestring lines = bgx::toLines(curve, chordTolerance, origin);
      if (!bgx::withinBounds(lines)) return std::nullopt;
      // The outline of a loop without area runs over itself, which the library does not cut:
      // it is cut segment by segment.
      if (isArea) lines = segmentsOf(lines);
      bgx::MultiLinestring in, out;
      for (const auto& ls : lines) {
        bgx::MultiLinestring i, o;
        bg::intersection(ls, clip, i);
        bg::difference(ls, clip, o);
        // A line of no length (a point) lies wholly on one side.
        if (bg::length(ls) == 0.0) {
          (bg::covered_by(ls.front(), clip) ? in : out).push_back(ls);
          continue;
        }
        for (auto& piece : i)
          if (bg::length(piece) > 0.0) in.push_back(piece);
        for (auto& piece : o)
          if (bg::length(piece) > 0.0) out.push_back(piece);
      }
      split.inside = bgx::fromLines(in, origin, z);
      split.outside = bgx::fromLines(out, origin, z);
    }
    split.crossesBoundary = !split.inside.empty() && !split.outside.empty();
    return split;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool isInsideClip(const CurveVector& curve, const CurveVector& clipArea, bool* crossesBoundary) {
  const auto split = clipSplit(curve, clipArea);
  if (crossesBoundary) *crossesBoundary = split && split->crossesBoundary;
  return split && !split->inside.empty();
}

}  // namespace host
