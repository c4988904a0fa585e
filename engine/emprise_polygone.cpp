#include "engine/emprise_polygone.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/ctrl_fichier.h"
#include "host/curve_vector.h"
#include "host/geometry.h"
#include "titleblock/cart_cadre.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;
constexpr double kPi = std::numbers::pi;

// Closes a work file opened here on every path; the active model stays open.
class fichierOuvert {
 public:
  explicit fichierOuvert(const std::wstring& chemin) {
    if (stbDgn_ouvrirFichier(&modele_, nullptr, nullptr, chemin, L"", true) != 0) modele_ = {};
  }
  ~fichierOuvert() {
    if (modele_) stbDgn_fermerFichier(modele_);
  }
  fichierOuvert(const fichierOuvert&) = delete;
  fichierOuvert& operator=(const fichierOuvert&) = delete;
  host::ModelRef modele() const { return modele_; }

 private:
  host::ModelRef modele_;
};

// XY distance between two boxes; 0 when they meet. No element of the box `b` is nearer to the box
// `a` than this.
double distanceBoites(const host::Range3d& a, const host::Range3d& b) {
  const double dx = std::max({0.0, a.low.x - b.high.x, b.low.x - a.high.x});
  const double dy = std::max({0.0, a.low.y - b.high.y, b.low.y - a.high.y});
  return std::hypot(dx, dy);
}

host::Point3d pas(double angle, double d) { return {d * std::cos(angle), d * std::sin(angle), 0.0}; }

// The curves an element draws, as the host measures distances between them: open lines and
// chains, shapes and ellipses as closed loops (their area counts), texts and shared cells as the
// box of their range. Pieces of a point list split by disconnect points are separate curves.
void courbesElement(std::vector<host::CurveVector>& courbes, const host::Element& e) {
  using host::CurveVector;
  using host::ElementType;
  const auto lineaire = [&](const std::vector<host::Point3d>& points, CurveVector::BoundaryType type) {
    std::vector<host::Point3d> morceau;
    const auto finir = [&] {
      if (auto c = CurveVector::createLinear(morceau, morceau.size() >= 3 ? type : CurveVector::BoundaryType::Open))
        courbes.push_back(std::move(*c));
      morceau.clear();
    };
    for (const auto& p : points) {
      if (host::isDisconnect(p)) finir();
      else morceau.push_back(p);
    }
    finir();
  };
  const auto arc = [](const host::ArcData& a) {
    return host::Arc::elliptic(a.centre, a.primaryRadius, a.secondaryRadius, a.rotation, a.start, a.sweep);
  };
  switch (e.type) {
    case ElementType::Line:
    case ElementType::LineString:
    case ElementType::Curve:
    case ElementType::Dimension:
      lineaire(e.points, CurveVector::BoundaryType::Open);
      break;
    case ElementType::Shape:
      lineaire(e.points, CurveVector::BoundaryType::Outer);
      break;
    case ElementType::Arc:
    case ElementType::Ellipse:
      if (e.arc) {
        CurveVector c(e.type == ElementType::Ellipse ? CurveVector::BoundaryType::Outer : CurveVector::BoundaryType::Open);
        c.add(host::CurvePrimitive::arc(arc(*e.arc)));
        courbes.push_back(std::move(c));
      }
      break;
    case ElementType::ComplexChain:
    case ElementType::ComplexShape: {
      CurveVector c(e.type == ElementType::ComplexShape ? CurveVector::BoundaryType::Outer : CurveVector::BoundaryType::Open);
      for (const auto& composant : e.children) {
        if (composant.arc) c.add(host::CurvePrimitive::arc(arc(*composant.arc)));
        else if (composant.points.size() >= 2) c.add(host::CurvePrimitive::lineString(composant.points));
      }
      if (!c.empty()) courbes.push_back(std::move(c));
      break;
    }
    case ElementType::Cell:
      for (const auto& enfant : e.children) courbesElement(courbes, enfant);
      break;
    case ElementType::Text:
    case ElementType::TextNode:
    case ElementType::SharedCell: {
      const host::Range3d r = host::elementRange(e);
      if (!r.isNull())
        lineaire({r.low, {r.high.x, r.low.y, 0}, r.high, {r.low.x, r.high.y, 0}}, CurveVector::BoundaryType::Outer);
      break;
    }
    default:
      break;
  }
}

// The minimum XY distance between two elements; none when either draws nothing.
std::optional<double> distanceElements(const host::Element& a, const host::Element& b) {
  std::vector<host::CurveVector> ca, cb;
  courbesElement(ca, a);
  courbesElement(cb, b);
  std::optional<double> minimum;
  for (const auto& x : ca)
    for (const auto& y : cb)
      if (const auto d = host::minDistanceXY(x, y); d && (!minimum || *d < *minimum)) minimum = d;
  return minimum;
}

}  // namespace

host::LevelMask emprise_masqueNiveaux() {
  host::LevelMask masque;
  for (const auto& [de, a] : {std::pair{2u, 4u}, std::pair{6u, 44u}, std::pair{46u, 56u}, std::pair{58u, 60u}})
    for (std::uint32_t niveau = de; niveau <= a; ++niveau) masque.setLevel(niveau);
  return masque;
}

void emprise_rectangle(std::vector<host::Point3d>& polygone, const host::Point3d& a, const host::Point3d& c,
                       double angle) {
  host::Point3d le, travers;
  stbGeom_intersectionSegments(le, a, angle, c, angle + kPi / 2);
  stbGeom_intersectionSegments(travers, a, angle + kPi / 2, c, angle);
  polygone.push_back(a);
  polygone.push_back(le);
  polygone.push_back(c);
  polygone.push_back(travers);
  polygone.push_back(a);
}

std::uint32_t emprise_distanceContenu(double& distance, const host::ElementHandle& cote, host::ModelRef modele,
                                      const host::LevelMask& masque) {
  const host::Element* ligne = cote.element();
  if (!ligne) return kEchec;
  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.levelMask = masque;
  criteres.classMask = 3;  // primary and pattern component
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, modele);

  // Elements are measured nearest box first: once a box lies farther than the best distance
  // found, nothing after it can be nearer, so a side that meets content stops at once.
  const host::Range3d boiteCote = host::elementRange(*ligne);
  std::vector<std::pair<double, host::ElementId>> candidats;
  candidats.reserve(ids.size());
  for (host::ElementId id : ids) candidats.emplace_back(distanceBoites(boiteCote, host::elementRangeOf(modele, id)), id);
  const auto plusLoin = [](const auto& x, const auto& y) { return x.first > y.first; };
  std::make_heap(candidats.begin(), candidats.end(), plusLoin);

  double minimum = 2147483647.0;
  bool mesure = false;
  const auto mesurer = [&](const host::Element& e) {
    if (const auto d = distanceElements(*ligne, e); d && *d < minimum) {
      minimum = *d;
      mesure = true;
    }
  };
  while (!candidats.empty() && candidats.front().first <= minimum) {
    std::pop_heap(candidats.begin(), candidats.end(), plusLoin);
    const host::ElementId id = candidats.back().second;
    candidats.pop_back();
    const host::Element* e = host::readElement(modele, id);
    if (!e) continue;
    if (e->type == host::ElementType::Cell)
      for (const auto& enfant : e->children) mesurer(enfant);
    else
      mesurer(*e);
    if (mesure && minimum == 0.0) break;
  }
  if (!mesure || minimum > 2147483646.0) return kEchec;
  distance = minimum;
  return 0;
}

void emprise_ajusterCotes(host::Point3d& a, host::Point3d& c, double angle, host::ModelRef modele,
                          const host::LevelMask& masque) {
  std::vector<host::Point3d> r;
  emprise_rectangle(r, a, c, angle);
  const double vers[4] = {angle + kPi / 2, angle + kPi, angle - kPi / 2, angle};
  for (int k = 0; k < 4; ++k) {
    // The last side closes on the first corner as the first side left it.
    host::Point3d& debut = r[k];
    host::Point3d& fin = k == 3 ? r[0] : r[k + 1];
    host::Element ligne;
    ligne.type = host::ElementType::Line;
    ligne.points = {debut, fin};
    double d = 0.0;
    if (emprise_distanceContenu(d, host::ElementHandle(ligne, modele), modele, masque) != 0) continue;
    const host::Point3d deplacement = pas(vers[k], d);
    debut = {debut.x + deplacement.x, debut.y + deplacement.y, 0.0};
    fin = {fin.x + deplacement.x, fin.y + deplacement.y, 0.0};
  }
  r[4] = r[0];
  a = r[0];
  c = r[2];
}

std::uint32_t emprise_calculerPolygone(std::vector<host::Point3d>& polygone, const std::wstring& chemin) {
  const fichierOuvert fichier(chemin);
  const host::ModelRef modele = fichier.modele();
  if (!modele) return kEchec;
  return emprise_calculerPolygone(polygone, modele);
}

std::uint32_t emprise_calculerPolygone(std::vector<host::Point3d>& polygone, host::ModelRef modele) {
  // Coordinates in other units would place the plan far from the others (and a view fitted to
  // the drawing would show nothing): its position is unknown, it gets no footprint.
  if (!ctrl_unitesNorme(modele)) return kEchec;
  std::uint32_t type = 0;
  std::uint64_t idCadre = 0;
  host::RotMatrix rotation;
  if (cart_lireCadre(&type, nullptr, nullptr, nullptr, &idCadre, &rotation, modele) != 0) return kEchec;
  const double angle = rotation.angleZ();
  const host::ElementHandle cadre(idCadre, modele);
  if (!cadre.isValid()) return kEchec;

  if (type == 2) {
    host::ElementHandle contour;
    if (stbElem_enfantDeType(contour, cadre, host::ElementType::Shape) != 0) return kEchec;
    std::vector<host::CurveVector> courbes;
    courbesElement(courbes, *contour.element());
    polygone.clear();
    if (courbes.empty() || stbGeom_discretiserCourbe(polygone, &courbes.front(), 1.0, false) != 0) return kEchec;
    if (polygone.size() != 5) {
      polygone.clear();
      return kEchec;
    }
    return 0;
  }
  std::vector<host::Point3d> contour;
  stbElem_contourCellule(contour, cadre);
  if (contour.size() < 3) return kEchec;
  host::Point3d a = contour[0], c = contour[2];
  emprise_ajusterCotes(a, c, angle, modele, emprise_masqueNiveaux());
  emprise_rectangle(polygone, a, c, angle);
  return 0;
}
