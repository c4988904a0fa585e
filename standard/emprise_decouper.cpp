#include "standard/emprise_decouper.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "host/area_ops.h"
#include "host/design_file.h"
#include "host/geometry.h"
#include "host/views.h"
#include "networks/drapeaux.h"
#include "networks/ptr_cellules.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_clip.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_symbologie.h"

using host::ElementHandle;
using host::ElementType;
using host::Point3d;

namespace {

constexpr std::uint32_t kDehors = 0x8000;
constexpr std::uint32_t kEchec = 0x8000;
constexpr double kCoteMinimal = 10.0;         // outline sides below this are judged by the element itself
constexpr std::size_t kPointsCotation = 10;   // definition points of a dimension looked at
constexpr double kTolerancePTR = 0.002;       // master units

bool estTexte(int type) { return type == ElementType::Text || type == ElementType::TextNode; }
bool estCellule(int type) { return type == ElementType::Cell || type == ElementType::SharedCell; }

bool celluleCadre(const host::Element& e) {
  if (e.type != ElementType::Cell || !e.cell) return false;
  return std::find(emprise_cellulesCadre.begin(), emprise_cellulesCadre.end(), e.cell->name) !=
         emprise_cellulesCadre.end();
}

bool dansPolygone(const std::vector<Point3d>& polygone, const Point3d& p) {
  return host::pointInPolygonXY(polygone, p, fc_epsilon);
}

// The toolbox clip of the element: whether some part lies inside and whether some lies outside.
// False when the clip fails.
bool decouper(bool& dedans, bool& dehors, const ElementHandle& element, const host::ClipVector& clip, int vue,
              const host::CurveVector& courbePolygone) {
  host::ElementAgenda partsDedans, partsDehors;
  if (stbElem_decouper(partsDedans, partsDehors, element, clip, static_cast<std::uint32_t>(std::max(vue, 0)),
                       &courbePolygone) != 0)
    return false;
  dedans = !partsDedans.empty();
  dehors = !partsDehors.empty();
  return true;
}

// A dimension lies outside when none of its first definition points is inside and nothing of
// its drop (texts, lines, the line string through its points) is.
std::uint32_t cotationDehors(const ElementHandle& cotation, const host::Element& e, host::ModelRef modele,
                             const host::ClipVector& clip, int vue, const std::vector<Point3d>& polygone,
                             const host::CurveVector& courbePolygone) {
  const std::size_t n = std::min(e.points.size(), kPointsCotation);
  for (std::size_t i = 0; i < n; ++i)
    if (dansPolygone(polygone, e.points[i])) return 0;
  for (const host::Element& enfant : e.children) {
    const ElementHandle h(enfant, modele);
    if (estTexte(enfant.type)) {
      if (emprise_decouperElement(h, modele, polygone, clip, courbePolygone, vue) == 0) return 0;
    } else if (enfant.type == ElementType::Line || enfant.type == ElementType::LineString) {
      if (stbElem_estDansClip(nullptr, h, clip)) return 0;
    }
  }
  ElementHandle ligne;
  if (e.points.size() >= 2 && stbElem_creerLigneBrisee(ligne, &cotation, modele, e.points, false) == 0 &&
      stbElem_estDansClip(nullptr, ligne, clip))
    return 0;
  return kDehors;
}

// Whether the polygon is convex (its turns all one way), so that a range whose four corners lie
// inside it lies wholly inside.
bool estConvexe(const std::vector<Point3d>& polygone) {
  std::vector<Point3d> p = polygone;
  if (p.size() > 1 && p.front().x == p.back().x && p.front().y == p.back().y) p.pop_back();
  if (p.size() < 3) return false;
  int signe = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Point3d& a = p[i];
    const Point3d& b = p[(i + 1) % p.size()];
    const Point3d& c = p[(i + 2) % p.size()];
    const double z = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
    if (!std::isfinite(z)) return false;
    if (z == 0.0) continue;
    const int s = z > 0.0 ? 1 : -1;
    if (signe != 0 && s != signe) return false;
    signe = s;
  }
  return signe != 0;
}

// Whether a text or text node has a usable outline: a readable, non-empty string.
bool texteLisible(const ElementHandle& texte, Point3d* origine) {
  std::wstring chaine;
  return stbElem_lireTexte(origine, &chaine, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, texte) == 0 &&
         !chaine.empty();
}

// A drawn element whose range (`r`, as the model stores it) lies inside a convex polygon is
// reported by no rule, except a text without a usable outline, judged by its origin alone.
bool dedansSansDoute(const ElementHandle& h, const host::Element& e, const host::Range3d& r,
                     const std::vector<Point3d>& polygone) {
  if (estTexte(e.type) && !texteLisible(h, nullptr)) return false;
  if (r.isNull()) return false;
  const Point3d coins[] = {{r.low.x, r.low.y, 0.0}, {r.high.x, r.low.y, 0.0}, {r.high.x, r.high.y, 0.0},
                           {r.low.x, r.high.y, 0.0}};
  return std::all_of(std::begin(coins), std::end(coins), [&](const Point3d& c) { return dansPolygone(polygone, c); });
}

// A curve element (not a text, cell or dimension) whose range (`r`) lies wholly apart from the
// polygon's range: its clip leaves it whole outside, so it is reported.
bool dehorsSansDoute(const host::Element& e, const host::Range3d& r, const host::Range3d& etenduePolygone) {
  switch (e.type) {
    case ElementType::Line:
    case ElementType::LineString:
    case ElementType::Shape:
    case ElementType::Curve:
    case ElementType::ComplexChain:
    case ElementType::ComplexShape:
    case ElementType::Ellipse:
    case ElementType::Arc:
      break;
    default:
      return false;
  }
  if (r.isNull() || !std::isfinite(r.low.x) || !std::isfinite(r.low.y) || !std::isfinite(r.high.x) ||
      !std::isfinite(r.high.y))
    return false;
  return !r.intersectsXY(etenduePolygone) && host::curveOfElement(e).has_value();
}

// The elements of the plan's PTR cells and flags, sorted.
std::vector<std::uint64_t> idsExemptes(const verplaninfo& plan) {
  std::vector<std::uint64_t> ids;
  std::vector<verptr> ptrs;
  ptr_collecterCellules(ptrs, plan, kTolerancePTR);
  for (const verptr& p : ptrs)
    if (p.idElement != 0) ids.push_back(p.idElement);
  for (const verdrapeau& d : drap_collecterDrapeaux(plan)) {
    if (d.nature == natureDrapeauSimple) {
      ids.insert(ids.end(), d.traits.begin(), d.traits.end());
      ids.push_back(d.cellule);
      for (const vertextereseau& t : d.textes) ids.push_back(t.element);
    } else if (d.nature == natureCote) {
      ids.insert(ids.end(), d.autresCellules.begin(), d.autresCellules.end());
    } else if (d.nature == natureDrapeauDifferencie) {
      ids.push_back(d.cellule);
      for (const vertextereseau& t : d.textes) ids.push_back(t.element);
    }
  }
  std::erase(ids, 0);
  std::sort(ids.begin(), ids.end());
  return ids;
}

}  // namespace

std::uint32_t emprise_decouperElement(const ElementHandle& element, host::ModelRef modele,
                                      const std::vector<Point3d>& polygone, const host::ClipVector& clip,
                                      const host::CurveVector& courbePolygone, int vue) {
  (void)modele;  // the element's own model serves: a held element carries it
  try {
    const host::Element* e = element.element();
    if (!e) return 0;
    Point3d origine;
    std::vector<Point3d> contour;
    if (estTexte(e->type)) {
      if (texteLisible(element, &origine)) stbElem_contourTexte(contour, element);
    } else if (estCellule(e->type)) {
      stbElem_lireCellule(&origine, nullptr, nullptr, nullptr, element);
      stbElem_contourCellule(contour, element);
    } else {
      return 0;
    }
    if (contour.size() == 5) {
      if (contour[0].distanceXY(contour[1]) >= kCoteMinimal && contour[1].distanceXY(contour[2]) >= kCoteMinimal) {
        const auto zone = host::CurveVector::createLinear(contour, host::CurveVector::BoundaryType::Outer);
        if (!zone) return 0;
        return host::areaIntersection(*zone, courbePolygone) ? 0 : kDehors;
      }
      bool dedans = false, dehors = false;
      if (!decouper(dedans, dehors, element, clip, vue, courbePolygone)) return 0;
      return dedans ? 0 : kDehors;
    }
    return dansPolygone(polygone, origine) ? 0 : kDehors;
  } catch (const std::exception&) {
    return 0;
  }
}

std::uint32_t emprise_supprimerElements(std::uint64_t idElement, host::ModelRef modele, const host::ClipVector& clip,
                                        int vue, const std::vector<Point3d>& polygone,
                                        const host::CurveVector& courbePolygone) {
  try {
    const ElementHandle h(idElement, modele);
    const host::Element* e = h.element();
    if (!e) return 0;
    if (celluleCadre(*e)) return 0;
    if (estTexte(e->type) || estCellule(e->type))
      return emprise_decouperElement(h, modele, polygone, clip, courbePolygone, vue);
    if (e->type == ElementType::Dimension) return cotationDehors(h, *e, modele, clip, vue, polygone, courbePolygone);
    bool dedans = false, dehors = false;
    if (!decouper(dedans, dehors, h, clip, vue, courbePolygone)) return 0;
    return dehors ? kDehors : 0;
  } catch (const std::exception&) {
    return 0;
  }
}

std::uint32_t emprise_decouperPlan(std::vector<std::uint64_t>& dehors, const verplaninfo& plan, std::uint32_t mode,
                                   const std::vector<Point3d>& polygone) {
  dehors.clear();
  const bool principal = plan.type == 2 && mode == 1;
  const host::ModelRef modele = principal ? plan.modelePrincipal : plan.modeleTheme;
  if (!stbDgn_modeleValide(modele) || polygone.size() < 3) return kEchec;
  const auto clip = host::ClipVector::fromPoints(polygone);
  if (!clip) return kEchec;
  const auto courbe = host::CurveVector::createLinear(polygone, host::CurveVector::BoundaryType::Outer);
  if (!courbe) return kEchec;
  const std::vector<std::uint64_t> exemptes = principal ? std::vector<std::uint64_t>() : idsExemptes(plan);
  const int vue = host::views::firstOpen();
  const bool convexe = estConvexe(polygone);
  host::Range3d etendue;
  for (const Point3d& p : polygone) etendue.extend(p);

  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.excludedTypes = {94};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, modele);
  for (const host::ElementId id : ids) {
    if (std::binary_search(exemptes.begin(), exemptes.end(), id)) continue;
    if (convexe) {
      const ElementHandle h(id, modele);
      const host::Element* e = h.element();
      if (!e) continue;
      const host::Range3d r = host::elementRangeOf(modele, id);
      if (dedansSansDoute(h, *e, r, polygone)) continue;
      if (dehorsSansDoute(*e, r, etendue)) {
        dehors.push_back(id);
        continue;
      }
    }
    if (emprise_supprimerElements(id, modele, *clip, vue, polygone, *courbe) == kDehors) dehors.push_back(id);
  }
  return 0;
}
