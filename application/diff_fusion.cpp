// Merging the cable pieces of the differences drawing: each run of pieces between two nodes that
// stop a cable becomes one stroked line string on the run's difference level, in a new graphic
// group that the texts of the old pieces' groups join. A run is replaced only once its new element
// is in the model; a run that cannot be joined whole keeps its pieces.
#include "application/diff_fusion.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <set>

#include "application/diff_dessin.h"
#include "application/diff_fusion_graphe.h"
#include "host/curve_element.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_symbologie.h"

using host::CurvePrimitive;
using host::CurveVector;
using host::ElementHandle;
using host::ElementId;
using host::Point3d;

namespace {

const diff_troncon& tronconDe(const diff_graphe& g, int t) { return g.troncons[static_cast<std::size_t>(t)]; }

bool estLineaire(const CurvePrimitive& p) {
  return p.kind() == CurvePrimitive::Kind::Line || p.kind() == CurvePrimitive::Kind::LineString;
}

bool avant(const Point3d& a, const Point3d& b) {
  return a.x != b.x ? a.x < b.x : a.y != b.y ? a.y < b.y : a.z < b.z;
}

// Whether the assembled curve holds every piece: the assembly leaves out, without a word, the
// pieces that it cannot join. Pieces of lines only become one line string through their points
// (a point shared by two pieces once), so each of their points must be there; otherwise every
// primitive of every piece is kept as it is.
bool assemblageComplet(const CurveVector& assemble, const std::vector<CurveVector>& morceaux) {
  bool lineaire = true;
  std::size_t primitives = 0;
  for (const CurveVector& m : morceaux) {
    primitives += m.primitives().size();
    for (const CurvePrimitive& p : m.primitives()) lineaire = lineaire && estLineaire(p);
  }
  if (!lineaire) return assemble.primitives().size() == primitives;
  std::vector<Point3d> points;
  for (const CurvePrimitive& p : assemble.primitives()) {
    if (!estLineaire(p)) return false;
    points.insert(points.end(), p.points().begin(), p.points().end());
  }
  std::sort(points.begin(), points.end(), avant);
  for (const CurveVector& m : morceaux)
    for (const CurvePrimitive& p : m.primitives())
      for (const Point3d& pt : p.points())
        if (!std::binary_search(points.begin(), points.end(), pt, avant)) return false;
  return true;
}

// The chain's curve: the single piece's own, or the assembly of every piece; none when a piece is
// gone or is not one path, or when the assembly fails or leaves a piece out.
std::optional<CurveVector> courbeDeChaine(const diff_graphe& g, const diff_chaine& chaine, host::ModelRef modele) {
  std::vector<CurveVector> morceaux;
  morceaux.reserve(chaine.troncons.size());
  for (int t : chaine.troncons) {
    const host::Element* e = host::readElement(modele, tronconDe(g, t).idElement);
    if (!e) return std::nullopt;
    auto courbe = host::curveOfElement(*e);
    // A line string broken by a disconnect point is several paths: joining them would draw a gap.
    if (!courbe || !courbe->isPath()) return std::nullopt;
    morceaux.push_back(std::move(*courbe));
  }
  if (morceaux.size() == 1) return std::move(morceaux.front());
  std::vector<ElementId> ids;
  ids.reserve(chaine.troncons.size());
  for (int t : chaine.troncons) ids.push_back(tronconDe(g, t).idElement);
  ElementHandle assemblage;
  if (stbElem_assemblerChaine(assemblage, std::move(ids), modele, fc_1) != 0) return std::nullopt;
  auto courbe = host::curveOfElement(*assemblage.element());
  if (!courbe || !assemblageComplet(*courbe, morceaux)) return std::nullopt;
  return courbe;
}

// Moves the texts and text nodes of the pieces' other groups into the chain's group.
void regrouperTextes(const diff_graphe& g, const diff_chaine& chaine, std::uint32_t groupe, host::ModelRef modele) {
  if (!stbDgn_modeleValide(modele)) return;
  std::set<std::uint32_t> anciens;
  for (int t : chaine.troncons) {
    const std::uint32_t ancien = tronconDe(g, t).groupe;
    if (ancien != 0 && ancien != groupe) anciens.insert(ancien);
  }
  for (std::uint32_t ancien : anciens) {
    std::vector<ElementId> ids;
    stbDgn_elementsDuGroupe(ids, ancien, modele);
    for (ElementId id : ids) {
      ElementHandle element(id, modele);
      const int type = element.type();
      if (type != host::ElementType::Text && type != host::ElementType::TextNode) continue;
      element.edit()->graphicGroup = groupe;
      element.replaceInModel();
    }
  }
}

// Replaces the chain's pieces by one element. Nothing changes unless the element was added.
void fusionnerChaine(const diff_graphe& g, diff_chaine& chaine, std::uint32_t& compteur, host::ModelRef modele) {
  std::uint32_t groupe = 0;
  for (int t : chaine.troncons)
    if (tronconDe(g, t).groupe != 0) groupe = compteur;
  if (groupe != 0) ++compteur;  // taken even when the chain stays as drawn

  const auto courbe = courbeDeChaine(g, chaine, modele);
  if (!courbe) return;
  std::vector<Point3d> points;
  if (stbGeom_discretiserCourbe(points, &*courbe, fc_1, false) != 0 || points.size() < 2) return;
  const auto ligne = CurveVector::createLinear(points, CurveVector::BoundaryType::Open);
  if (!ligne) return;
  auto element = host::elementOfCurve(*ligne, nullptr, host::is3d(modele));
  if (!element) return;
  ElementHandle nouveau(std::move(*element), modele);
  stbElem_appliquerSymbologie(nouveau, diff_niveauDifference(chaine.classement, static_cast<std::uint32_t>(chaine.direction)), modele);
  if (groupe != 0) nouveau.edit()->graphicGroup = groupe;
  const ElementId id = nouveau.addToModel(modele);
  if (id == 0) return;
  chaine.idElement = id;

  if (groupe != 0) regrouperTextes(g, chaine, groupe, modele);
  for (int t : chaine.troncons) host::deleteElement(modele, tronconDe(g, t).idElement);
}

}  // namespace

void diff_fusionnerTroncons(host::ModelRef modele) {
  try {
    diff_graphe graphe;
    diff_collecterElements(graphe, modele);
    diff_construireGraphe(graphe, modele);
    std::vector<diff_chaine> chaines = diff_construireChaines(graphe);

    const bool actif = host::isActive(modele);
    const std::uint32_t premier = actif ? host::currentGraphicGroup() : host::nextGraphicGroup(modele);
    std::uint32_t compteur = premier;
    for (diff_chaine& chaine : chaines) fusionnerChaine(graphe, chaine, compteur, modele);
    if (compteur == premier) return;
    if (actif) host::setCurrentGraphicGroup(compteur);
    host::saveNextGraphicGroup(modele, compteur);
  } catch (const std::exception&) {
    // Whatever was merged stays merged; each run was replaced whole or not at all.
  }
}
