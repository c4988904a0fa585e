#pragma once
// What the tests of the differences drawing share: reading the drawing back, and the points by
// which a copy is held against its source element.
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "host/coordinate_system.h"
#include "host/design_file.h"

namespace diff_fixture {

// Every origin and vertex of an element and of its children, in order (UORs).
inline void pointsDe(const host::Element& e, std::vector<host::Point3d>& points) {
  points.insert(points.end(), e.points.begin(), e.points.end());
  if (e.arc) points.push_back(e.arc->centre);
  if (e.text) points.push_back(e.text->origin);
  if (e.cell) points.push_back(e.cell->origin);
  for (const host::Element& enfant : e.children) pointsDe(enfant, points);
}

// The points of a source element of a plan in "RGF93.CC47" (1000 UORs per metre) reprojected
// into Lambert 93, as the host reprojects them.
inline std::vector<host::Point3d> pointsReprojetes(const host::Element& source) {
  std::vector<host::Point3d> points;
  pointsDe(source, points);
  const auto cc47 = host::CoordinateSystem::create(L"RGF93.CC47");
  const auto l93 = host::CoordinateSystem::create(L"IGN-RGF93");
  if (!cc47 || !l93 || !host::reprojectUors(points, *cc47, *l93, 1000.0)) return {};
  return points;
}

// The level name of an element of a loaded file; empty for level 0 or an unknown id.
inline std::wstring nomNiveau(const host::DesignFile& f, const host::Element& e) {
  const host::Level* l = f.level(e.level);
  return l ? l->name : std::wstring();
}

}  // namespace diff_fixture
