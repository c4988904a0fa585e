#include "networks/verreseau.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "host/curve_element.h"
#include "standard/niv_classement.h"

namespace {

constexpr double kPortee = 1.0;  // UORs: ends nearer than this share a node

// The grid cell of a coordinate. Coordinates beyond 2^62 share the last cell of their side: the
// cells stay integers and points less than 1.0 apart still fall into neighbouring cells.
std::int64_t caseDe(double v) {
  constexpr double limite = 4611686018427387904.0;  // 2^62
  return static_cast<std::int64_t>(std::floor(std::clamp(v, -limite, limite)));
}

void indexer(verreseau_index& index, const vernoeud& n, std::int32_t i) {
  if (n.idCellule != 0) index.cellules.emplace(n.idCellule, i);
  // A point that is not finite is never less than 1.0 from anything: it stays out of the grid.
  if (n.point.isFinite()) index.grille[{caseDe(n.point.x), caseDe(n.point.y)}].push_back(i);
}

// Rebuilds the index when the node list was changed other than through res_ajouterNoeud.
void indexAJour(verreseau& reseau) {
  verreseau_index& index = reseau.index;
  if (index.indexes == reseau.noeuds.size()) return;
  index.grille.clear();
  index.cellules.clear();
  for (std::size_t i = 0; i < reseau.noeuds.size(); ++i) indexer(index, reseau.noeuds[i], static_cast<std::int32_t>(i));
  index.indexes = reseau.noeuds.size();
}

}  // namespace

void verreseau_copier(verreseau& cible, const verreseau& source) {
  if (&cible != &source) cible = source;
}

void verreseau_detruire(verreseau& reseau) { reseau = verreseau{}; }

const std::vector<veraccessoire>& res_catalogue(const verreseau& reseau, std::uint32_t typePlan) {
  return typePlan == 1 ? reseau.catalogueV2 : reseau.catalogueV3;
}

std::int32_t res_ajouterNoeud(verreseau& reseau, const host::Point3d& point, std::int32_t indexCatalogue,
                              std::uint64_t idCellule, std::uint8_t abandonne) {
  indexAJour(reseau);
  vernoeud n;
  n.point = point;
  n.indexCatalogue = indexCatalogue;
  n.idCellule = idCellule;
  n.abandonne = abandonne;
  const auto i = static_cast<std::int32_t>(reseau.noeuds.size());
  indexer(reseau.index, n, i);
  reseau.noeuds.push_back(std::move(n));
  reseau.index.indexes = reseau.noeuds.size();
  return i;
}

std::int32_t res_noeudAuPoint(verreseau& reseau, const host::Point3d& p) {
  indexAJour(reseau);
  if (!p.isFinite()) return -1;
  const std::int64_t cx = caseDe(p.x), cy = caseDe(p.y);
  std::int32_t premier = -1;
  for (std::int64_t dx = -1; dx <= 1; ++dx) {
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
      // Cells beyond the clamp limit are never reached: the limit is far below the largest i64.
      const auto it = reseau.index.grille.find({cx + dx, cy + dy});
      if (it == reseau.index.grille.end()) continue;
      for (std::int32_t i : it->second) {
        if (premier != -1 && i >= premier) break;  // each cell lists ascending indexes
        if (reseau.noeuds[static_cast<std::size_t>(i)].point.distanceXY(p) < kPortee) premier = i;
      }
    }
  }
  return premier;
}

std::int32_t res_noeudDeCellule(verreseau& reseau, std::uint64_t idCellule) {
  indexAJour(reseau);
  const auto it = reseau.index.cellules.find(idCellule);
  return it == reseau.index.cellules.end() ? -1 : it->second;
}

bool res_extremitesCourbe(host::Point3d& debut, double& directionDebut, host::Point3d& fin, double& directionFin,
                          const host::Element& element) {
  const std::optional<host::CurveVector> courbe = host::curveOfElement(element);
  host::Point3d a, b;
  host::Vector3d ta, tb;
  if (!courbe || !courbe->getStartEnd(a, b, ta, tb)) return false;
  debut = a;
  fin = b;
  directionDebut = std::atan2(ta.y, ta.x);
  directionFin = std::atan2(tb.y, tb.x) + std::numbers::pi;
  return true;
}

versegment geo_extremitesSegment(const host::ElementHandle& troncon) {
  versegment s;
  s.idElement = troncon.id();
  if (const host::Element* e = troncon.element())
    res_extremitesCourbe(s.debut, s.directionDebut, s.fin, s.directionFin, *e);
  return s;
}

void geo_classerSegment(versegment& segment, const host::ElementHandle& troncon, const verplaninfo& plan) {
  if (!plan.modeleTheme) return;
  verclassement c;
  if (niv_classerElement(&c, troncon, plan.modeleTheme, plan.type, plan.masqueTheme) == 0) segment.classement = c;
}

versegment geo_creerSegment(const host::ElementHandle& troncon, const verplaninfo& plan) {
  versegment s = geo_extremitesSegment(troncon);
  geo_classerSegment(s, troncon, plan);
  return s;
}
