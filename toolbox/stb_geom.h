#pragma once
// Planar geometry over the host's curves. Coordinates and distances are in the model's UORs;
// every distance is measured in XY (z ignored) unless said otherwise. Curves are passed as
// pointers: a null curve is a missing one. Results: 0, or 0x8000 on failure.
#include <vector>

#include "host/curve_vector.h"
#include "host/geom_types.h"

// True when |a - b| < tolerance (strict).
bool stbGeom_egalTolerance(double a, double b, double tolerance);

// The point of the polyline nearest to `point`. For each segment in order the point is projected
// on the segment's line in XY; the projection is the candidate when its distances to the
// segment's ends add up to at most the segment's length + 1.0 UOR, else the segment's start when
// it is strictly nearer, else its end. The candidate nearest in XY wins; a later one replaces an
// earlier only when strictly nearer. (0, 0, 0) for fewer than 2 points.
void stbGeom_projeterSurPolyligne(host::Point3d& sortie, const std::vector<host::Point3d>& polyligne,
                                  const host::Point3d& point);

// The meeting point of the line through point1 at angle1 with the line through point2 at angle2
// (radians, in XY): 0, or 0x8000 when the lines are parallel. Its z runs from point1's z down to
// 0 at the distance point1-point2 along line 1, as the lines are drawn that way.
int stbGeom_intersectionSegments(host::Point3d& sortie, const host::Point3d& point1, double angle1,
                                 const host::Point3d& point2, double angle2);

// The smaller angle between the two directions taken as unoriented lines: 0 to pi/2 radians.
double stbGeom_angleDirections(double angle1, double angle2);

// The XY crossings of two curves, one point per crossing, as points of the first curve, in its
// order, appended to `sortie`: 0, or 0x8000 when a curve is missing or nothing crosses.
int stbGeom_intersectionsCourbes(std::vector<host::Point3d>& sortie, const host::CurveVector* courbe1,
                                 const host::CurveVector* courbe2);

// The curve stroked into points within the chord tolerance (the list is emptied first). Breaks
// between disconnected pieces are points whose x is the largest double; they are kept only when
// `garderDeconnexions` is set. Along a path, a component whose first point lies closer than
// fc_epsilon to the previous component's last point continues it from that vertex (the point is
// not repeated). 0, or 0x8000 for a missing curve.
int stbGeom_discretiserCourbe(std::vector<host::Point3d>& sortie, const host::CurveVector* courbe, double tolerance,
                              bool garderDeconnexions);

// Appends the point at `distance` along the curve from its start: 0, or 0x8000 when the curve is
// missing or the distance lies outside it. The second argument is not read.
int stbGeom_pointsEspaces(std::vector<host::Point3d>& sortie, const void* nonLu, const host::CurveVector* courbe,
                          double distance);

// The point of the path nearest to `point` in XY, on the path itself (its ends are not
// extended), with the unit tangent there; the result is the distance along the path from its
// start to that point. A missing or invalid path gives 0 and leaves the outputs alone.
double stbGeom_plusProchePoint(host::Point3d* plusProche, host::Vector3d* tangente, const host::CurveVector* chemin,
                               const host::Point3d& point);

// The XY distance from the point to its nearest point on the path; the largest double when the
// path is missing or invalid (so that nothing is ever "near" it).
double stbGeom_distanceChemin(const host::CurveVector* chemin, const host::Point3d& point);

// 0 when the two curves run along each other within the tolerance in XY (both pairs of ends
// meet in either orientation, both ends of one lie on the other, or an end of each lies on the
// other away from the other's ends); else 0x8000, also for a missing curve.
int stbGeom_raccordExtremites(const host::CurveVector* courbe1, const host::CurveVector* courbe2, double tolerance);
