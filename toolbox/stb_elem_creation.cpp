#include "toolbox/stb_elem_creation.h"

#include <algorithm>
#include <exception>

#include "host/area_ops.h"
#include "host/fonts.h"
#include "toolbox/stb_geom.h"

using host::CurvePrimitive;
using host::CurveVector;
using host::Element;
using host::ElementHandle;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

constexpr int kEchec = 0x8000;

// The curve made into an element in the model (3D as the model is), owned by `sortie`.
int versElement(ElementHandle& sortie, const CurveVector& courbe, const Element* modele, host::ModelRef model) {
  auto e = host::elementOfCurve(courbe, modele, host::is3d(model));
  if (!e) return kEchec;
  sortie = ElementHandle(std::move(*e), model);
  return 0;
}

bool estFerme(const Element& e) {
  return e.type == host::ElementType::Shape || e.type == host::ElementType::ComplexShape ||
         e.type == host::ElementType::Ellipse;
}

// The points of a path, in order, when it is made of lines only.
bool pointsLineaires(const CurveVector& chemin, std::vector<Point3d>& points) {
  for (const CurvePrimitive& p : chemin.primitives()) {
    if (p.kind() != CurvePrimitive::Kind::Line && p.kind() != CurvePrimitive::Kind::LineString) return false;
    for (size_t i = 0; i < p.points().size(); ++i)
      if (i > 0 || points.empty() || points.back() != p.points()[i]) points.push_back(p.points()[i]);
  }
  return true;
}

}  // namespace

int stbElem_creerLigneBrisee(ElementHandle& sortie, const ElementHandle* modele, host::ModelRef model,
                             const std::vector<Point3d>& points, bool ferme) {
  if (points.size() < 2 || (ferme && points.size() < 3)) return kEchec;
  const auto courbe = CurveVector::createLinear(points, ferme ? BT::Outer : BT::Open);
  if (!courbe) return kEchec;
  const Element* gabarit = modele ? modele->element() : nullptr;
  const int statut = versElement(sortie, *courbe, gabarit, model);
  if (statut == 0 && gabarit && gabarit->graphicGroup != 0) sortie.edit()->graphicGroup = gabarit->graphicGroup;
  return statut;
}

int stbElem_creerSegment(ElementHandle& sortie, const Point3d& point, host::ModelRef model) {
  const auto courbe = CurveVector::createLinear({point, point}, BT::Open);
  if (!courbe) return kEchec;
  return versElement(sortie, *courbe, nullptr, model);
}

int stbElem_creerTexte(ElementHandle& sortie, host::ModelRef model, const std::wstring& texte, const Point3d& origine) {
  try {
    if (texte.empty()) return kEchec;
    const host::TextStyle& style = host::activeTextStyle();
    std::vector<std::wstring> lignes(1);
    for (size_t i = 0; i < texte.size(); ++i) {
      if (texte[i] == L'\r' || texte[i] == L'\n') {
        if (texte[i] == L'\r' && i + 1 < texte.size() && texte[i + 1] == L'\n') ++i;
        lignes.emplace_back();
      } else {
        lignes.back() += texte[i];
      }
    }
    auto texteSimple = [&](const std::wstring& chaine, const Point3d& o) {
      Element e;
      e.type = host::ElementType::Text;
      e.colour = style.colour;
      host::TextPart part;
      part.runs = {{chaine, host::RunKind::Plain}};
      part.origin = host::is3d(model) ? o : Point3d{o.x, o.y, 0.0};
      part.font = style.font;
      part.width = style.width;
      part.height = style.height;
      part.lineSpacing = style.lineSpacing;
      part.justification = style.justification;
      part.underline = style.underline;
      e.text = std::move(part);
      return e;
    };
    if (lignes.size() == 1) {
      sortie = ElementHandle(texteSimple(lignes.front(), origine), model);
      return 0;
    }
    // Lines go down from the origin, one text height and line spacing apart.
    Element noeud;
    noeud.type = host::ElementType::TextNode;
    noeud.colour = style.colour;
    for (size_t i = 0; i < lignes.size(); ++i)
      noeud.children.push_back(texteSimple(lignes[i], origine - Point3d{0, (style.height + style.lineSpacing) * i, 0}));
    sortie = ElementHandle(std::move(noeud), model);
    return 0;
  } catch (const std::exception&) {
    return kEchec;
  }
}

int stbElem_assemblerChaine(ElementHandle& sortie, std::vector<host::ElementId> associations, host::ModelRef model,
                            double tolerance) {
  try {
    std::vector<CurveVector> morceaux;
    const Element* premier = nullptr;
    for (host::ElementId id : associations) {
      const Element* e = host::readElement(model, id);
      if (!e) continue;
      auto courbe = host::curveOfElement(*e);
      if (!courbe || !courbe->isPath()) continue;
      if (!premier) premier = e;
      courbe->setBoundaryType(BT::Open);
      morceaux.push_back(std::move(*courbe));
    }
    if (morceaux.empty()) return kEchec;

    // The chain is kept as the pieces joined at its front (last joined first) and the pieces from
    // the first one on, with its two ends: each join then costs the piece's size, not the chain's.
    CurveVector chaine = morceaux.front();
    std::vector<CurvePrimitive> devant;
    Point3d debut, fin;
    chaine.getStartEnd(debut, fin);
    std::vector<bool> pris(morceaux.size(), false);
    pris[0] = true;
    for (bool progres = true; progres;) {
      progres = false;
      for (size_t i = 1; i < morceaux.size(); ++i) {
        if (pris[i]) continue;
        Point3d d, f;
        CurveVector& m = morceaux[i];
        m.getStartEnd(d, f);
        if (fin.distanceXY(d) <= tolerance || fin.distanceXY(f) <= tolerance) {
          if (fin.distanceXY(d) > tolerance) {
            m.reverse();
            m.getStartEnd(d, f);
          }
          auto& prims = chaine.primitives();
          prims.insert(prims.end(), std::make_move_iterator(m.primitives().begin()),
                       std::make_move_iterator(m.primitives().end()));
          fin = f;
        } else if (debut.distanceXY(f) <= tolerance || debut.distanceXY(d) <= tolerance) {
          if (debut.distanceXY(f) > tolerance) {
            m.reverse();
            m.getStartEnd(d, f);
          }
          devant.insert(devant.end(), std::make_move_iterator(m.primitives().rbegin()),
                        std::make_move_iterator(m.primitives().rend()));
          debut = d;
        } else {
          continue;
        }
        pris[i] = progres = true;
      }
    }
    if (!devant.empty()) {
      std::vector<CurvePrimitive> tout(std::make_move_iterator(devant.rbegin()),
                                       std::make_move_iterator(devant.rend()));
      tout.insert(tout.end(), std::make_move_iterator(chaine.primitives().begin()),
                  std::make_move_iterator(chaine.primitives().end()));
      chaine.primitives() = std::move(tout);
    }
    // A chain of lines only is one line string.
    std::vector<Point3d> points;
    if (pointsLineaires(chaine, points)) {
      if (points.size() < 2) points.push_back(points.front());
      chaine = *CurveVector::createLinear(points, BT::Open);
    }
    return versElement(sortie, chaine, premier, model);
  } catch (const std::exception&) {
    return kEchec;
  }
}

int stbElem_zoneTampon(ElementHandle& sortie, const ElementHandle& element, double distance, double tolerance,
                       host::ModelRef model) {
  try {
    const Element* source = element.element();
    if (!source) return kEchec;
    auto courbe = host::curveOfElement(*source);
    if (!courbe) return kEchec;
    if (!courbe->isRegion()) {
      // An open path goes out and comes back to its start (2n - 1 points, the far end once).
      std::vector<Point3d> pts;
      stbGeom_discretiserCourbe(pts, &*courbe, tolerance, false);
      const size_t n = pts.size();
      if (n < 2) return kEchec;
      for (size_t i = n - 1; i-- > 0;) pts.push_back(pts[i]);
      courbe = CurveVector::createLinear(pts, BT::Outer);
      if (!courbe) return kEchec;
    }
    if (courbe->signedAreaXY() < -1.0) courbe->reverse();
    const auto zone = host::areaOffset(*courbe, distance, tolerance);
    if (!zone) return kEchec;
    // The outer boundary of the zone (of its first part when it falls apart).
    const CurveVector* contour = &*zone;
    while (contour->boundaryType() == BT::ParityRegion || contour->boundaryType() == BT::UnionRegion) {
      if (contour->empty() || !contour->primitives().front().childCurve()) return kEchec;
      contour = contour->primitives().front().childCurve();
    }
    std::vector<Point3d> pts;
    stbGeom_discretiserCourbe(pts, contour, tolerance, false);
    const auto forme = CurveVector::createLinear(pts, BT::Outer);
    if (!forme) return kEchec;
    const int statut = versElement(sortie, *forme, source, model);
    if (statut == 0) sortie.edit()->graphicGroup = source->graphicGroup;
    return statut;
  } catch (const std::exception&) {
    return kEchec;
  }
}

void stbElem_discretiser(ElementHandle& element, bool remplacer, std::vector<Point3d>& points, double tolerance) {
  const Element* e = element.element();
  if (!e) return;
  const auto courbe = host::curveOfElement(*e);
  const int statut = stbGeom_discretiserCourbe(points, courbe ? &*courbe : nullptr, tolerance, false);
  if (!remplacer || statut != 0) return;
  ElementHandle nouveau;
  if (stbElem_creerLigneBrisee(nouveau, &element, element.model(), points, estFerme(*e)) == 0)
    element.setElement(*nouveau.element());
}

int stbElem_insererReference(host::ElementId reference, host::ElementAgenda& agenda, host::ModelRef model) {
  agenda.emplace_back(reference, model);
  return 0;
}

void stbElem_insererCopie(host::ElementAgenda& agenda, const ElementHandle* descripteur) {
  if (!descripteur) return;
  const Element* e = descripteur->element();
  if (!e) return;
  agenda.emplace_back(*e, descripteur->model());
}
