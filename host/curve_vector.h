#pragma once
// Curves of the host: lines, line strings, elliptic arcs and chains of them, gathered in curve
// vectors that say whether they are open paths, closed loops or regions.
// Coordinates are in UORs of the model the curve comes from. Unless a name says otherwise,
// distances and closest points are measured in the XY plane (z ignored).
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "host/element.h"
#include "host/geom_types.h"

namespace host {

// Stroked point lists mark a break between two disconnected pieces with the elements' disconnect
// point (disconnectPoint() of element.h: every coordinate the largest double).

// An elliptic arc: centre + cos(a) * vector0 + sin(a) * vector90, for a from start to
// start + sweep (radians; a negative sweep runs clockwise). A circle has vector0 and vector90 of
// equal length and perpendicular.
struct Arc {
  Point3d centre;
  Vector3d vector0{1, 0, 0};
  Vector3d vector90{0, 1, 0};
  double start = 0.0;
  double sweep = 0.0;

  friend bool operator==(const Arc&, const Arc&) = default;
  // A circular arc in the XY plane at the centre's z.
  static Arc circular(const Point3d& centre, double radius, double startRadians, double sweepRadians);
  // An axis-aligned ellipse of the XY plane, rotated by `rotation` radians.
  static Arc elliptic(const Point3d& centre, double radiusX, double radiusY, double rotation, double startRadians,
                      double sweepRadians);
  Point3d pointAtAngle(double a) const;
  Vector3d derivativeAtAngle(double a) const;
  Point3d startPoint() const { return pointAtAngle(start); }
  Point3d endPoint() const { return pointAtAngle(start + sweep); }
  bool isFinite() const;
};

class CurveVector;

// One piece of a curve vector: a line (2 points), a line string (2 or more points), an arc, or a
// nested curve vector (a loop of a region, a chain inside a set of pieces).
class CurvePrimitive {
 public:
  enum class Kind { Line, LineString, Arc, Child };

  static CurvePrimitive line(const Point3d& a, const Point3d& b);
  static CurvePrimitive lineString(std::vector<Point3d> points);
  static CurvePrimitive arc(const Arc& arc);
  static CurvePrimitive child(CurveVector curve);

  CurvePrimitive(const CurvePrimitive& o);
  CurvePrimitive& operator=(const CurvePrimitive& o);
  CurvePrimitive(CurvePrimitive&&) noexcept = default;
  CurvePrimitive& operator=(CurvePrimitive&&) noexcept = default;
  ~CurvePrimitive();

  Kind kind() const { return kind_; }
  // Points of a line or line string; empty for the other kinds.
  const std::vector<Point3d>& points() const { return points_; }
  const Arc& arcData() const { return arc_; }
  // The nested curve of a Child, else null.
  const CurveVector* childCurve() const { return child_.get(); }
  CurveVector* childCurve() { return child_.get(); }

 private:
  CurvePrimitive() = default;
  friend class CurveVector;
  Kind kind_ = Kind::Line;
  std::vector<Point3d> points_;
  Arc arc_;
  std::unique_ptr<CurveVector> child_;
};

// Where a point lies on a path: the point, the unit tangent there (XY and z as the curve runs)
// and the distance along the path from its start (UORs, 3D length).
struct PathLocation {
  Point3d point;
  Vector3d tangent;
  double distanceAlong = 0.0;
};

class CurveVector {
 public:
  // Open: a path. Outer and Inner: a closed loop (boundary or hole). ParityRegion: an outer loop
  // and its holes, as children. UnionRegion: regions as children. None: unrelated pieces.
  enum class BoundaryType { None = 0, Open = 1, Outer = 2, Inner = 3, ParityRegion = 4, UnionRegion = 5 };

  explicit CurveVector(BoundaryType type = BoundaryType::Open) : type_(type) {}
  // A line string of the points; a closed type gets its first point repeated at the end when
  // the points do not already close. Fewer than 2 points (3 for a loop) give none.
  static std::optional<CurveVector> createLinear(const std::vector<Point3d>& points, BoundaryType type);

  BoundaryType boundaryType() const { return type_; }
  void setBoundaryType(BoundaryType t) { type_ = t; }
  std::vector<CurvePrimitive>& primitives() { return primitives_; }
  const std::vector<CurvePrimitive>& primitives() const { return primitives_; }
  void add(CurvePrimitive p) { primitives_.push_back(std::move(p)); }
  bool empty() const { return primitives_.empty(); }

  bool isPath() const { return type_ == BoundaryType::Open || type_ == BoundaryType::Outer || type_ == BoundaryType::Inner; }
  bool isClosedPath() const { return type_ == BoundaryType::Outer || type_ == BoundaryType::Inner; }
  bool isRegion() const { return isClosedPath() || type_ == BoundaryType::ParityRegion || type_ == BoundaryType::UnionRegion; }
  // Every coordinate finite, and at least one primitive with enough points.
  bool isValid() const;

  // Appends the stroked points: arcs become chords deviating at most `chordTolerance` UORs from
  // the arc (a tolerance of 0 or less uses 1/1000 of the arc's radius). Consecutive pieces that do
  // not connect are separated by a disconnect point. Nothing is appended for an invalid curve.
  void addStrokePoints(std::vector<Point3d>& out, double chordTolerance) const;
  // Length along all pieces (3D), in UORs.
  double length() const;
  // Start of the first piece and end of the last one; false when empty or invalid.
  bool getStartEnd(Point3d& start, Point3d& end) const;
  bool getStartEnd(Point3d& start, Point3d& end, Vector3d& startTangent, Vector3d& endTangent) const;
  // The location at `distance` from the start, along all pieces in order; none when the distance
  // is outside 0 .. length() (a rounding slack of 1e-9 of the length is accepted) or the curve is
  // invalid.
  std::optional<PathLocation> pointAtDistance(double distance) const;
  // The nearest location on the curve itself (ends not extended), nearest in XY; none when the
  // curve or the point is invalid. The first of equally near locations wins.
  std::optional<PathLocation> closestPointBounded(const Point3d& point) const;
  // XY distance from the point to its nearest location; none as above.
  std::optional<double> distanceXY(const Point3d& point) const;
  // Signed XY area of a closed loop or region: positive anticlockwise; holes subtract. Zero for
  // open curves.
  double signedAreaXY() const;
  // Reverses the direction of every piece (and their order).
  void reverse();
  Range3d range() const;

 private:
  BoundaryType type_;
  std::vector<CurvePrimitive> primitives_;
};

}  // namespace host
