// Whether a delivered element and a previous-version element are the same: by type, geometry
// (XY, UORs, within 1.0) and symbology.
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/plan_comparer.h"
#include "host/curve_element.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"

namespace {

constexpr double kTolerance = 1.0;  // UORs
constexpr double kToleranceAngle = 0.1 * std::numbers::pi / 180.0;
constexpr double kToleranceTaille = 0.01;
constexpr std::size_t kPointsCotationMax = 10;

bool proches(const host::Point3d& a, const host::Point3d& b) {
  return std::hypot(a.x - b.x, a.y - b.y) <= kTolerance;
}

bool prochesDeuxADeux(const std::vector<host::Point3d>& a, const std::vector<host::Point3d>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!proches(a[i], b[i])) return false;
  return true;
}

// The stroked points of a curve element; without a drawable curve, its own points.
std::vector<host::Point3d> pointsDe(const host::Element& e) {
  std::vector<host::Point3d> points;
  if (const auto courbe = host::curveOfElement(e)) {
    stbGeom_discretiserCourbe(points, &*courbe, kTolerance, false);
    return points;
  }
  return e.points;
}

// The strings of the dimension's texts and text nodes, in order.
std::vector<std::wstring> textesCotation(const host::Element& cotation, host::ModelRef modele) {
  std::vector<std::wstring> textes;
  for (const host::Element& enfant : cotation.children) {
    if (enfant.type != 17 && enfant.type != 7) continue;
    std::wstring texte;
    textes.push_back(stbElem_texte(texte, host::ElementHandle(enfant, modele)));
  }
  return textes;
}

// Angles within 0.1 degree, their difference brought into [0, 2π) and folded to [0, π]. A NaN
// angle is never close.
bool anglesProches(double a, double b) {
  constexpr double tour = 2.0 * std::numbers::pi;
  double d = std::fmod(a - b, tour);
  if (d < 0.0) d += tour;
  if (d > std::numbers::pi) d = tour - d;
  return d <= kToleranceAngle;
}

bool taillesProches(double a, double b) { return std::abs(a - b) <= kToleranceTaille; }

bool origines(host::Point3d& a, host::Point3d& b, const host::ElementHandle& ea, const host::ElementHandle& eb,
              bool cellule) {
  if (cellule)
    return stbElem_lireCellule(&a, nullptr, nullptr, nullptr, ea) == 0 &&
           stbElem_lireCellule(&b, nullptr, nullptr, nullptr, eb) == 0;
  return stbElem_lireTexte(&a, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, ea) == 0 &&
         stbElem_lireTexte(&b, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, eb) == 0;
}

bool memeGeometrie(const host::ElementHandle& a, const host::Element& ea, const host::ElementHandle& b,
                   const host::Element& eb) {
  const int type = ea.type;
  if (type == 2 || type == 7 || type == 17) {
    host::Point3d oa, ob;
    return origines(oa, ob, a, b, type == 2) && proches(oa, ob);
  }
  if (host::isCurveType(type)) return prochesDeuxADeux(pointsDe(ea), pointsDe(eb));
  if (type == 33)
    return ea.points.size() <= kPointsCotationMax && prochesDeuxADeux(ea.points, eb.points) &&
           textesCotation(ea, a.model()) == textesCotation(eb, b.model());
  return true;
}

}  // namespace

std::int32_t comparer_cleGeometrie(const host::ElementHandle& a, const versymbologie& sa, const host::ElementHandle& b,
                                   const versymbologie& sb) {
  const host::Element* ea = a.element();
  const host::Element* eb = b.element();
  if (!ea || !eb || ea->type != eb->type) return comparaisonType;
  if (!memeGeometrie(a, *ea, b, *eb)) return comparaisonGeometrie;
  if (sa.idNiveau != sb.idNiveau || sa.couleur != sb.couleur || sa.epaisseur != sb.epaisseur)
    return comparaisonSymbologie;
  if (sa.nomStyle == L"~" && sb.nomStyle == L"~" ? sa.style != sb.style : sa.nomStyle != sb.nomStyle)
    return comparaisonSymbologie;
  const int type = ea->type;
  if (type == 2) {
    if (sa.nomCellule != sb.nomCellule || !anglesProches(sa.angle, sb.angle) ||
        !taillesProches(sa.echelleCellule.x, sb.echelleCellule.x) ||
        !taillesProches(sa.echelleCellule.y, sb.echelleCellule.y))
      return comparaisonCellule;
  } else if (type == 7 || type == 17) {
    std::wstring ta, tb;
    if (stbElem_texte(ta, a) != stbElem_texte(tb, b) || !anglesProches(sa.angle, sb.angle) ||
        sa.justification != sb.justification || sa.police != sb.police ||
        !taillesProches(sa.hauteurTexte, sb.hauteurTexte) || !taillesProches(sa.largeurTexte, sb.largeurTexte))
      return comparaisonTexte;
  }
  return comparaisonIdentique;
}
