#include "host/curve_vector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host {

namespace {

constexpr double kPi = std::numbers::pi;
// No arc is ever stroked into more chords than this, whatever the tolerance asked.
constexpr int kMaxChordsPerArc = 100000;

double crossXY(const Point3d& a, const Point3d& b) { return a.x * b.y - a.y * b.x; }

Vector3d unit(const Vector3d& v) {
  const double m = v.magnitude();
  return m > 0.0 ? v * (1.0 / m) : Vector3d{};
}

double radiusOf(const Arc& a) { return std::max(a.vector0.magnitude(), a.vector90.magnitude()); }

bool isCircular(const Arc& a) {
  const double r0 = a.vector0.magnitude(), r90 = a.vector90.magnitude();
  return std::abs(r0 - r90) <= 1e-12 * std::max(r0, r90) && std::abs(a.vector0.dot(a.vector90)) <= 1e-12 * r0 * r90;
}

// Length of the arc between two angles (3D), exact for circles, Gauss-Legendre otherwise.
double arcLengthBetween(const Arc& arc, double a0, double a1) {
  if (isCircular(arc)) return arc.vector0.magnitude() * std::abs(a1 - a0);
  static constexpr double x[5] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
  static constexpr double w[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                                  0.2369268850561891};
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(a1 - a0) / (kPi / 16))));
  const double h = (a1 - a0) / pieces;
  double sum = 0.0;
  for (int i = 0; i < pieces; ++i) {
    const double mid = a0 + (i + 0.5) * h;
    for (int k = 0; k < 5; ++k) sum += w[k] * arc.derivativeAtAngle(mid + 0.5 * h * x[k]).magnitude();
  }
  return std::abs(sum * 0.5 * h);
}

// One elementary piece of a path: a segment or an arc, with its length.
struct Leaf {
  const Arc* arc = nullptr;  // null for a segment
  Point3d a, b;
  double length = 0.0;
};

// Calls fn(leaf) for every elementary piece in path order; no list is built, as paths of
// many thousand vertices are walked once per query.
template <typename Fn>
void forEachLeaf(const CurveVector& cv, Fn&& fn) {
  for (const CurvePrimitive& p : cv.primitives()) {
    switch (p.kind()) {
      case CurvePrimitive::Kind::Line:
      case CurvePrimitive::Kind::LineString:
        for (size_t i = 0; i + 1 < p.points().size(); ++i)
          fn(Leaf{nullptr, p.points()[i], p.points()[i + 1], p.points()[i].distance(p.points()[i + 1])});
        break;
      case CurvePrimitive::Kind::Arc: {
        const Arc& arc = p.arcData();
        fn(Leaf{&arc, arc.startPoint(), arc.endPoint(), arcLengthBetween(arc, arc.start, arc.start + arc.sweep)});
        break;
      }
      case CurvePrimitive::Kind::Child:
        forEachLeaf(*p.childCurve(), fn);
        break;
    }
  }
}

Vector3d arcTangent(const Arc& arc, double a) { return unit(arc.derivativeAtAngle(a) * (arc.sweep < 0 ? -1.0 : 1.0)); }

// The angle of the arc whose point is at `length` from the arc's start.
double arcAngleAtLength(const Arc& arc, double length, double total) {
  if (total <= 0.0) return arc.start;
  if (isCircular(arc)) return arc.start + arc.sweep * std::clamp(length / total, 0.0, 1.0);
  double lo = 0.0, hi = 1.0;
  for (int i = 0; i < 60; ++i) {
    const double mid = 0.5 * (lo + hi);
    (arcLengthBetween(arc, arc.start, arc.start + arc.sweep * mid) < length ? lo : hi) = mid;
  }
  return arc.start + arc.sweep * 0.5 * (lo + hi);
}

// Fraction (0..1) of the arc's sweep whose point is nearest the point in XY.
double arcClosestFraction(const Arc& arc, const Point3d& p) {
  auto dist = [&](double f) { return arc.pointAtAngle(arc.start + arc.sweep * f).distanceXY(p); };
  const int samples = std::max(16, static_cast<int>(std::ceil(std::abs(arc.sweep) / (kPi / 32))));
  int best = 0;
  double bestD = dist(0.0);
  for (int i = 1; i <= samples; ++i) {
    const double d = dist(static_cast<double>(i) / samples);
    if (d < bestD) bestD = d, best = i;
  }
  // Golden-section search around the best sample; the distance is unimodal there.
  double lo = std::max(0.0, (best - 1.0) / samples), hi = std::min(1.0, (best + 1.0) / samples);
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  double c = hi - g * (hi - lo), d = lo + g * (hi - lo);
  double fc = dist(c), fd = dist(d);
  for (int i = 0; i < 80 && hi - lo > 1e-15; ++i) {
    if (fc < fd) {
      hi = d, d = c, fd = fc, c = hi - g * (hi - lo), fc = dist(c);
    } else {
      lo = c, c = d, fc = fd, d = lo + g * (hi - lo), fd = dist(d);
    }
  }
  double f = 0.5 * (lo + hi);
  // The ends themselves may be nearer than the interior minimum found.
  if (dist(0.0) <= dist(f)) f = 0.0;
  if (dist(1.0) < dist(f)) f = 1.0;
  return f;
}

int chordCount(const Arc& arc, double chordTolerance) {
  const double r = radiusOf(arc);
  const double tol = chordTolerance > 0.0 ? chordTolerance : r * 1e-3;
  double step = kPi / 4;
  if (tol < r) step = std::min(step, 2.0 * std::acos(1.0 - tol / r));
  const double n = std::ceil(std::abs(arc.sweep) / step);
  return static_cast<int>(std::clamp(n, 1.0, static_cast<double>(kMaxChordsPerArc)));
}

void strokePrimitive(const CurvePrimitive& p, double tol, std::vector<Point3d>& pts);

// Stroke of a path: pieces follow each other; a joint point is not repeated.
void strokePath(const CurveVector& cv, double tol, std::vector<Point3d>& pts) {
  for (const CurvePrimitive& p : cv.primitives()) {
    std::vector<Point3d> piece;
    strokePrimitive(p, tol, piece);
    size_t first = 0;
    if (!pts.empty() && !piece.empty() && !isDisconnect(pts.back()) && pts.back() == piece.front()) first = 1;
    pts.insert(pts.end(), piece.begin() + static_cast<std::ptrdiff_t>(first), piece.end());
  }
}

void strokeAny(const CurveVector& cv, double tol, std::vector<Point3d>& pts) {
  if (cv.isPath()) {
    strokePath(cv, tol, pts);
    return;
  }
  bool firstPiece = true;
  for (const CurvePrimitive& p : cv.primitives()) {
    std::vector<Point3d> piece;
    strokePrimitive(p, tol, piece);
    if (piece.empty()) continue;
    if (!firstPiece) pts.push_back(disconnectPoint());
    firstPiece = false;
    pts.insert(pts.end(), piece.begin(), piece.end());
  }
}

void strokePrimitive(const CurvePrimitive& p, double tol, std::vector<Point3d>& pts) {
  switch (p.kind()) {
    case CurvePrimitive::Kind::Line:
    case CurvePrimitive::Kind::LineString:
      pts.insert(pts.end(), p.points().begin(), p.points().end());
      break;
    case CurvePrimitive::Kind::Arc: {
      // A sweep that winds more than once traces the same ellipse again: one turn is stroked,
      // so that the chords stay bounded and never overlap.
      Arc arc = p.arcData();
      if (std::abs(arc.sweep) > 2 * kPi) arc.sweep = std::copysign(2 * kPi, arc.sweep);
      const int n = chordCount(arc, tol);
      for (int i = 0; i <= n; ++i) pts.push_back(arc.pointAtAngle(arc.start + arc.sweep * i / n));
      break;
    }
    case CurvePrimitive::Kind::Child:
      strokeAny(*p.childCurve(), tol, pts);
      break;
  }
}

// Twice the signed area swept by the path about its first point (Green's theorem), exact for
// arcs. Coordinates are taken relative to that point, as plans lie millions of UORs from 0.
double doubleAreaOfPath(const CurveVector& cv) {
  double sum = 0.0;
  bool first = true;
  Point3d ref;
  forEachLeaf(cv, [&](const Leaf& l) {
    if (first) ref = l.a, first = false;
    if (!l.arc) {
      sum += crossXY(l.a - ref, l.b - ref);
      return;
    }
    const Arc& arc = *l.arc;
    const Point3d c = arc.centre - ref;
    const double a0 = arc.start, a1 = arc.start + arc.sweep;
    sum += crossXY(c, arc.vector0) * (std::cos(a1) - std::cos(a0)) + crossXY(c, arc.vector90) * (std::sin(a1) - std::sin(a0)) +
           crossXY(arc.vector0, arc.vector90) * (a1 - a0);
  });
  return sum;
}

}  // namespace

Arc Arc::circular(const Point3d& centre, double radius, double startRadians, double sweepRadians) {
  return {centre, {radius, 0, 0}, {0, radius, 0}, startRadians, sweepRadians};
}

Arc Arc::elliptic(const Point3d& centre, double radiusX, double radiusY, double rotation, double startRadians,
                  double sweepRadians) {
  const double c = std::cos(rotation), s = std::sin(rotation);
  return {centre, {radiusX * c, radiusX * s, 0}, {-radiusY * s, radiusY * c, 0}, startRadians, sweepRadians};
}

Point3d Arc::pointAtAngle(double a) const { return centre + vector0 * std::cos(a) + vector90 * std::sin(a); }
Vector3d Arc::derivativeAtAngle(double a) const { return vector0 * -std::sin(a) + vector90 * std::cos(a); }
bool Arc::isFinite() const {
  return centre.isFinite() && vector0.isFinite() && vector90.isFinite() && std::isfinite(start) && std::isfinite(sweep);
}

CurvePrimitive CurvePrimitive::line(const Point3d& a, const Point3d& b) {
  CurvePrimitive p;
  p.kind_ = Kind::Line;
  p.points_ = {a, b};
  return p;
}
CurvePrimitive CurvePrimitive::lineString(std::vector<Point3d> points) {
  CurvePrimitive p;
  p.kind_ = Kind::LineString;
  p.points_ = std::move(points);
  return p;
}
CurvePrimitive CurvePrimitive::arc(const Arc& arc) {
  CurvePrimitive p;
  p.kind_ = Kind::Arc;
  p.arc_ = arc;
  return p;
}
CurvePrimitive CurvePrimitive::child(CurveVector curve) {
  CurvePrimitive p;
  p.kind_ = Kind::Child;
  p.child_ = std::make_unique<CurveVector>(std::move(curve));
  return p;
}
CurvePrimitive::CurvePrimitive(const CurvePrimitive& o)
    : kind_(o.kind_), points_(o.points_), arc_(o.arc_), child_(o.child_ ? std::make_unique<CurveVector>(*o.child_) : nullptr) {}
CurvePrimitive& CurvePrimitive::operator=(const CurvePrimitive& o) {
  if (this != &o) *this = CurvePrimitive(o);
  return *this;
}
CurvePrimitive::~CurvePrimitive() = default;

std::optional<CurveVector> CurveVector::createLinear(const std::vector<Point3d>& points, BoundaryType type) {
  const bool closed = type == BoundaryType::Outer || type == BoundaryType::Inner;
  if (points.size() < (closed ? 3u : 2u)) return std::nullopt;
  if (type == BoundaryType::ParityRegion || type == BoundaryType::UnionRegion) return std::nullopt;
  std::vector<Point3d> pts = points;
  if (closed && pts.front() != pts.back()) pts.push_back(pts.front());
  CurveVector cv(type);
  cv.add(pts.size() == 2 ? CurvePrimitive::line(pts[0], pts[1]) : CurvePrimitive::lineString(std::move(pts)));
  return cv;
}

bool CurveVector::isValid() const {
  if (primitives_.empty()) return false;
  for (const CurvePrimitive& p : primitives_) {
    switch (p.kind()) {
      case CurvePrimitive::Kind::Line:
      case CurvePrimitive::Kind::LineString:
        if (p.points().size() < 2) return false;
        for (const Point3d& q : p.points())
          if (!q.isFinite()) return false;
        break;
      case CurvePrimitive::Kind::Arc:
        if (!p.arcData().isFinite() || radiusOf(p.arcData()) <= 0.0 || p.arcData().sweep == 0.0) return false;
        break;
      case CurvePrimitive::Kind::Child:
        if (!p.childCurve()->isValid()) return false;
        break;
    }
  }
  return true;
}

void CurveVector::addStrokePoints(std::vector<Point3d>& out, double chordTolerance) const {
  if (!isValid()) return;
  strokeAny(*this, chordTolerance, out);
}

double CurveVector::length() const {
  if (!isValid()) return 0.0;
  double sum = 0.0;
  forEachLeaf(*this, [&sum](const Leaf& l) { sum += l.length; });
  return sum;
}

bool CurveVector::getStartEnd(Point3d& start, Point3d& end) const {
  Vector3d ts, te;
  return getStartEnd(start, end, ts, te);
}

bool CurveVector::getStartEnd(Point3d& start, Point3d& end, Vector3d& startTangent, Vector3d& endTangent) const {
  if (!isValid()) return false;
  auto tangentOf = [](const Leaf& l, bool atStart) {
    return l.arc ? arcTangent(*l.arc, atStart ? l.arc->start : l.arc->start + l.arc->sweep) : unit(l.b - l.a);
  };
  // Tangents skip zero-length segments at the ends.
  bool any = false, anyTangent = false;
  startTangent = {};
  endTangent = {};
  forEachLeaf(*this, [&](const Leaf& l) {
    if (!any) start = l.a;
    any = true;
    end = l.b;
    if (l.length > 0.0) {
      if (!anyTangent) startTangent = tangentOf(l, true);
      anyTangent = true;
      endTangent = tangentOf(l, false);
    }
  });
  return any;
}

std::optional<PathLocation> CurveVector::pointAtDistance(double distance) const {
  if (!isValid() || !std::isfinite(distance)) return std::nullopt;
  const double total = length();
  const double slack = 1e-9 * std::max(1.0, total);
  if (distance < -slack || distance > total + slack) return std::nullopt;
  distance = std::clamp(distance, 0.0, total);
  // The first piece of positive length that reaches the distance, else the last piece.
  std::optional<PathLocation> found;
  std::optional<Leaf> last;
  double before = 0.0, lastBefore = 0.0;
  auto locate = [](const Leaf& l, double local, double along) {
    local = std::clamp(local, 0.0, l.length);
    if (l.arc) {
      const double a = arcAngleAtLength(*l.arc, local, l.length);
      return PathLocation{l.arc->pointAtAngle(a), arcTangent(*l.arc, a), along};
    }
    const double t = l.length > 0.0 ? local / l.length : 0.0;
    return PathLocation{l.a + (l.b - l.a) * t, unit(l.b - l.a), along};
  };
  forEachLeaf(*this, [&](const Leaf& l) {
    if (found) return;
    if (l.length > 0.0 && distance <= before + l.length) found = locate(l, distance - before, distance);
    last = l;
    lastBefore = before;
    before += l.length;
  });
  if (!found && last) found = locate(*last, distance - lastBefore, distance);
  return found;
}

std::optional<PathLocation> CurveVector::closestPointBounded(const Point3d& point) const {
  if (!isValid() || !point.isFinite()) return std::nullopt;
  // Squared XY distances are compared; the winner's location is built once at the end.
  Leaf best;
  double bestParam = 0.0, bestD2 = 0.0, before = 0.0, bestBefore = 0.0;
  bool found = false, bestDegenerate = false;
  forEachLeaf(*this, [&](const Leaf& l) {
    double param, d2;
    if (l.arc) {
      param = arcClosestFraction(*l.arc, point);
      const Point3d q = l.arc->pointAtAngle(l.arc->start + l.arc->sweep * param);
      d2 = (q.x - point.x) * (q.x - point.x) + (q.y - point.y) * (q.y - point.y);
    } else {
      const double dx = l.b.x - l.a.x, dy = l.b.y - l.a.y, lenXY2 = dx * dx + dy * dy;
      param = lenXY2 > 0.0 ? std::clamp(((point.x - l.a.x) * dx + (point.y - l.a.y) * dy) / lenXY2, 0.0, 1.0) : 0.0;
      const double ex = l.a.x + dx * param - point.x, ey = l.a.y + dy * param - point.y;
      d2 = ex * ex + ey * ey;
    }
    const bool degenerate = l.length <= 0.0;
    // A zero-length piece has no tangent: an equally near real piece replaces it.
    if (!found || d2 < bestD2 || (d2 == bestD2 && bestDegenerate && !degenerate)) {
      found = true;
      best = l, bestParam = param, bestD2 = d2, bestDegenerate = degenerate, bestBefore = before;
    }
    before += l.length;
  });
  if (!found) return std::nullopt;
  const Leaf& l = best;
  if (l.arc) {
    const double a = l.arc->start + l.arc->sweep * bestParam;
    return PathLocation{l.arc->pointAtAngle(a), arcTangent(*l.arc, a), bestBefore + arcLengthBetween(*l.arc, l.arc->start, a)};
  }
  return PathLocation{l.a + (l.b - l.a) * bestParam, unit(l.b - l.a), bestBefore + l.length * bestParam};
}

std::optional<double> CurveVector::distanceXY(const Point3d& point) const {
  const auto loc = closestPointBounded(point);
  if (!loc) return std::nullopt;
  return loc->point.distanceXY(point);
}

double CurveVector::signedAreaXY() const {
  if (!isValid()) return 0.0;
  switch (type_) {
    case BoundaryType::Outer:
    case BoundaryType::Inner:
      return 0.5 * doubleAreaOfPath(*this);
    case BoundaryType::ParityRegion: {
      double area = 0.0;
      bool first = true;
      for (const CurvePrimitive& p : primitives_) {
        const double a = p.childCurve() ? std::abs(p.childCurve()->signedAreaXY()) : 0.0;
        area += first ? a : -a;
        first = false;
      }
      return area;
    }
    case BoundaryType::UnionRegion: {
      double area = 0.0;
      for (const CurvePrimitive& p : primitives_)
        if (p.childCurve()) area += std::abs(p.childCurve()->signedAreaXY());
      return area;
    }
    default:
      return 0.0;
  }
}

void CurveVector::reverse() {
  std::reverse(primitives_.begin(), primitives_.end());
  for (CurvePrimitive& p : primitives_) {
    switch (p.kind_) {
      case CurvePrimitive::Kind::Line:
      case CurvePrimitive::Kind::LineString:
        std::reverse(p.points_.begin(), p.points_.end());
        break;
      case CurvePrimitive::Kind::Arc:
        p.arc_.start += p.arc_.sweep;
        p.arc_.sweep = -p.arc_.sweep;
        break;
      case CurvePrimitive::Kind::Child:
        p.child_->reverse();
        break;
    }
  }
}

Range3d CurveVector::range() const {
  Range3d r;
  std::vector<Point3d> pts;
  addStrokePoints(pts, 0.0);
  for (const Point3d& p : pts)
    if (!isDisconnect(p)) r.extend(p);
  return r;
}

}  // namespace host
