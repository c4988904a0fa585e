#pragma once
// Basic geometric values of the host: points, vectors, ranges, rotation matrices and transforms.
// Coordinates of design-file elements are in UORs (units of resolution) of their model.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace host {

struct Point3d {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  friend bool operator==(const Point3d&, const Point3d&) = default;
  Point3d operator+(const Point3d& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Point3d operator-(const Point3d& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Point3d operator*(double s) const { return {x * s, y * s, z * s}; }
  double dot(const Point3d& o) const { return x * o.x + y * o.y + z * o.z; }
  Point3d cross(const Point3d& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
  double magnitude() const { return std::sqrt(dot(*this)); }
  double distance(const Point3d& o) const { return (*this - o).magnitude(); }
  double distanceXY(const Point3d& o) const { return std::hypot(x - o.x, y - o.y); }
  bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

using Vector3d = Point3d;

// An axis-aligned box. A default range is empty (low above high) until a point is added.
struct Range3d {
  Point3d low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
  Point3d high{-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};

  friend bool operator==(const Range3d&, const Range3d&) = default;
  static Range3d from(const Point3d& a, const Point3d& b) {
    Range3d r;
    r.extend(a);
    r.extend(b);
    return r;
  }
  bool isNull() const { return low.x > high.x || low.y > high.y || low.z > high.z; }
  void extend(const Point3d& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  }
  void extend(const Range3d& r) {
    if (r.isNull()) return;
    extend(r.low);
    extend(r.high);
  }
  bool containsXY(const Point3d& p) const { return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y; }
  bool intersectsXY(const Range3d& r) const {
    return !isNull() && !r.isNull() && low.x <= r.high.x && r.low.x <= high.x && low.y <= r.high.y && r.low.y <= high.y;
  }
  Point3d centre() const { return (low + high) * 0.5; }
};

// A 3x3 matrix, row-major; columns are the images of the unit axes.
struct RotMatrix {
  std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

  friend bool operator==(const RotMatrix&, const RotMatrix&) = default;
  static RotMatrix identity() { return {}; }
  // Rotation by `radians` about the z axis.
  static RotMatrix fromAngleZ(double radians) {
    RotMatrix r;
    const double c = std::cos(radians), s = std::sin(radians);
    r.m = {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
    return r;
  }
  Point3d apply(const Point3d& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z, m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z,
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z};
  }
  RotMatrix operator*(const RotMatrix& o) const {
    RotMatrix r;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
    return r;
  }
  // Angle of the x axis's image in the XY plane, in radians.
  double angleZ() const { return std::atan2(m[1][0], m[0][0]); }
};

// An affine transform: p -> matrix * p + translation.
struct Transform {
  RotMatrix matrix;
  Point3d translation;

  friend bool operator==(const Transform&, const Transform&) = default;
  static Transform identity() { return {}; }
  Point3d apply(const Point3d& p) const { return matrix.apply(p) + translation; }
  // this after `inner`: p -> this(inner(p)).
  Transform operator*(const Transform& inner) const {
    return {matrix * inner.matrix, matrix.apply(inner.translation) + translation};
  }
};

}  // namespace host
