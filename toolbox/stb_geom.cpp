#include "toolbox/stb_geom.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "host/geometry.h"
#include "toolbox/stb_symbologie.h"

using host::CurveVector;
using host::Point3d;

namespace {
constexpr int kEchec = 0x8000;
}

bool stbGeom_egalTolerance(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

void stbGeom_projeterSurPolyligne(Point3d& sortie, const std::vector<Point3d>& polyligne, const Point3d& point) {
  sortie = {};
  if (polyligne.size() < 2) return;
  double meilleure = 0.0;
  for (size_t i = 0; i + 1 < polyligne.size(); ++i) {
    const Point3d& a = polyligne[i];
    const Point3d& b = polyligne[i + 1];
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z, l2 = dx * dx + dy * dy;
    // Projection on the segment's line in XY (a zero-length segment projects on its point).
    const double t = l2 > 0.0 ? ((point.x - a.x) * dx + (point.y - a.y) * dy) / l2 : 0.0;
    const Point3d projete{a.x + dx * t, a.y + dy * t, a.z + dz * t};
    const double d1 = projete.distanceXY(a), d2 = projete.distanceXY(b), longueur = a.distanceXY(b);
    const Point3d candidat = d1 + d2 <= longueur + 1.0 ? projete : (d2 > d1 ? a : b);
    const double d = candidat.distanceXY(point);
    if (i == 0 || d < meilleure) {
      sortie = candidat;
      meilleure = d;
    }
  }
}

int stbGeom_intersectionSegments(Point3d& sortie, const Point3d& point1, double angle1, const Point3d& point2,
                                 double angle2) {
  if (!point1.isFinite() || !point2.isFinite() || !std::isfinite(angle1) || !std::isfinite(angle2)) return kEchec;
  const double c1 = std::cos(angle1), s1 = std::sin(angle1), c2 = std::cos(angle2), s2 = std::sin(angle2);
  const double det = c1 * s2 - s1 * c2;
  if (std::abs(det) < 1e-12) return kEchec;
  // Distance along line 1 (unit direction) to the meeting point.
  const double wx = point2.x - point1.x, wy = point2.y - point1.y;
  const double s = (wx * s2 - wy * c2) / det;
  const double d = point1.distance(point2);
  const double z = d > 0.0 ? point1.z * (1.0 - s / d) : point1.z;
  sortie = {point1.x + c1 * s, point1.y + s1 * s, z};
  return 0;
}

double stbGeom_angleDirections(double angle1, double angle2) {
  const double pi = std::numbers::pi;
  double ecart = std::fmod(std::abs(angle1 - angle2), pi);
  if (!std::isfinite(ecart)) return 0.0;
  return std::min(ecart, pi - ecart);
}

int stbGeom_intersectionsCourbes(std::vector<Point3d>& sortie, const CurveVector* courbe1, const CurveVector* courbe2) {
  if (!courbe1 || !courbe2) return kEchec;
  const std::vector<Point3d> points = host::intersectionsXY(*courbe1, *courbe2);
  if (points.empty()) return kEchec;
  sortie.insert(sortie.end(), points.begin(), points.end());
  return 0;
}

int stbGeom_discretiserCourbe(std::vector<Point3d>& sortie, const CurveVector* courbe, double tolerance,
                              bool garderDeconnexions) {
  sortie.clear();
  if (!courbe) return kEchec;
  if (courbe->isPath() && courbe->isValid()) {
    // Component by component: the host drops a component's first point only when it equals the
    // previous component's last one exactly, and a chain written with a rounding error at a
    // joint would stroke to two vertices a hair apart there.
    std::vector<Point3d> morceau;
    for (const host::CurvePrimitive& composant : courbe->primitives()) {
      CurveVector seul(CurveVector::BoundaryType::Open);
      seul.add(composant);
      morceau.clear();
      seul.addStrokePoints(morceau, tolerance);
      auto premier = morceau.begin();
      if (!sortie.empty() && !morceau.empty() && !host::isDisconnect(sortie.back()) &&
          !host::isDisconnect(morceau.front()) && sortie.back().distance(morceau.front()) < fc_epsilon)
        ++premier;
      sortie.insert(sortie.end(), premier, morceau.end());
    }
  } else {
    courbe->addStrokePoints(sortie, tolerance);
  }
  if (!garderDeconnexions) std::erase_if(sortie, [](const Point3d& p) { return host::isDisconnect(p); });
  return 0;
}

int stbGeom_pointsEspaces(std::vector<Point3d>& sortie, const void*, const CurveVector* courbe, double distance) {
  if (!courbe) return kEchec;
  const auto position = courbe->pointAtDistance(distance);
  if (!position) return kEchec;
  sortie.push_back(position->point);
  return 0;
}

double stbGeom_plusProchePoint(Point3d* plusProche, host::Vector3d* tangente, const CurveVector* chemin, const Point3d& point) {
  if (!chemin) return 0.0;
  const auto position = chemin->closestPointBounded(point);
  if (!position) return 0.0;
  if (plusProche) *plusProche = position->point;
  if (tangente) *tangente = position->tangent;
  return position->distanceAlong;
}

double stbGeom_distanceChemin(const CurveVector* chemin, const Point3d& point) {
  if (!chemin) return std::numeric_limits<double>::max();
  return chemin->distanceXY(point).value_or(std::numeric_limits<double>::max());
}

int stbGeom_raccordExtremites(const CurveVector* courbe1, const CurveVector* courbe2, double tolerance) {
  if (!courbe1 || !courbe2) return kEchec;
  Point3d s1, e1, s2, e2;
  if (!courbe1->getStartEnd(s1, e1) || !courbe2->getStartEnd(s2, e2)) return kEchec;
  // A distance equal to the tolerance is neither near nor far.
  auto proche = [tolerance](const Point3d& a, const Point3d& b) { return a.distanceXY(b) < tolerance; };
  auto loin = [tolerance](const Point3d& a, const Point3d& b) { return a.distanceXY(b) > tolerance; };
  auto sur = [tolerance](const Point3d& p, const CurveVector* c) { return stbGeom_distanceChemin(c, p) < tolerance; };

  if ((proche(s1, s2) && proche(e1, e2)) || (proche(s1, e2) && proche(e1, s2))) return 0;
  if (sur(s1, courbe2) && sur(e1, courbe2)) return 0;
  if (sur(s2, courbe1) && sur(e2, courbe1)) return 0;
  if (sur(s1, courbe2) && loin(s1, s2) && loin(s1, e2)) {
    if ((sur(s2, courbe1) && loin(e1, s2)) || (sur(e2, courbe1) && loin(e1, e2))) return 0;
  }
  if (sur(e1, courbe2) && loin(e1, s2) && loin(e1, e2)) {
    if ((sur(s2, courbe1) && loin(s1, s2)) || (sur(e2, courbe1) && loin(s1, e2))) return 0;
  }
  return kEchec;
}
