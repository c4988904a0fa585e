#include "toolbox/stb_elem_clip.h"

#include <exception>

#include "host/area_ops.h"
#include "host/model_ref.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_geom.h"

using host::CurveVector;
using host::Element;
using host::ElementHandle;
using host::Point3d;

namespace {

constexpr int kEchec = 0x8000;

void copierDans(host::ElementAgenda& agenda, const std::vector<Element>& parts, host::ModelRef model) {
  for (const Element& e : parts) {
    const ElementHandle h(e, model);
    stbElem_insererCopie(agenda, &h);
  }
}

// The index of the stroke segment on which the location at `distance` along the points lies.
size_t segmentA(const std::vector<Point3d>& points, double distance) {
  double avant = 0.0;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    avant += points[i].distance(points[i + 1]);
    if (distance <= avant) return i;
  }
  return points.size() >= 2 ? points.size() - 2 : 0;
}

}  // namespace

bool stbElem_estDansClip(bool* traverse, const ElementHandle& element, const host::ClipVector& clip) {
  try {
    const Element* e = element.element();
    if (!e) {
      if (traverse) *traverse = false;
      return false;
    }
    bool drapeau = false;
    bool dedans = false;
    if (e->type == host::ElementType::Cell || e->type == host::ElementType::SharedCell) {
      std::vector<Point3d> contour;
      stbElem_contourCellule(contour, element);
      ElementHandle forme;
      if (contour.size() >= 3 && stbElem_creerLigneBrisee(forme, nullptr, element.model(), contour, true) == 0)
        dedans = host::isElementInsideClip(*forme.element(), clip, &drapeau);
    } else {
      dedans = host::isElementInsideClip(*e, clip, &drapeau);
    }
    if (traverse) *traverse = drapeau;
    return dedans;
  } catch (const std::exception&) {
    if (traverse) *traverse = false;
    return false;
  }
}

int stbElem_decouper(host::ElementAgenda& dedans, host::ElementAgenda& dehors, const ElementHandle& element,
                     const host::ClipVector& clip, std::uint32_t, const CurveVector* zoneClip) {
  try {
    const Element* e = element.element();
    if (!e) return kEchec;
    const host::ModelRef model = element.model();
    const bool is3d = host::is3d(model);
    const auto courbe = host::curveOfElement(*e);

    if ((e->type == host::ElementType::Shape || e->type == host::ElementType::ComplexShape) && zoneClip) {
      if (!courbe || !host::areaIntersection(*courbe, *zoneClip)) {
        stbElem_insererCopie(dehors, &element);
        return 0;
      }
    }

    auto parts = host::clipElement(*e, clip, is3d);
    if (!parts) return kEchec;

    // The host's flag says the element crosses the clip: when its split kept one side only, the
    // element is cut again at its crossings with the clip area's boundary.
    bool traverse = false;
    if (zoneClip && courbe) host::isElementInsideClip(*e, clip, &traverse);
    if (traverse && (parts->inside.empty() || parts->outside.empty())) {
      std::vector<Point3d> croisements;
      stbGeom_intersectionsCourbes(croisements, &*courbe, zoneClip);
      Point3d debut, fin;
      courbe->getStartEnd(debut, fin);
      std::erase_if(croisements, [&](const Point3d& p) { return p.distanceXY(debut) < 0.1 || p.distanceXY(fin) < 0.1; });
      if (!croisements.empty()) {
        std::vector<Point3d> points;
        stbGeom_discretiserCourbe(points, &*courbe, 1.0, false);
        for (const Point3d& c : croisements) {
          const auto chemin = CurveVector::createLinear(points, CurveVector::BoundaryType::Open);
          if (!chemin) break;
          const auto position = chemin->closestPointBounded(c);
          if (!position) continue;
          const size_t i = segmentA(points, position->distanceAlong);
          points.insert(points.begin() + static_cast<std::ptrdiff_t>(i + 1), c);
        }
        const bool ferme = courbe->isClosedPath();
        ElementHandle refait;
        if (stbElem_creerLigneBrisee(refait, &element, model, points, ferme) != 0) return kEchec;
        parts = host::clipElement(*refait.element(), clip, is3d);
        if (!parts) return kEchec;
      }
    }

    copierDans(dedans, parts->inside, model);
    copierDans(dehors, parts->outside, model);
    return 0;
  } catch (const std::exception&) {
    return kEchec;
  }
}
