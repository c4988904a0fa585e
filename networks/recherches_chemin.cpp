#include "networks/recherches_reseau.h"

#include <algorithm>

#include "host/curve_element.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_geom.h"

host::LevelMask res_masqueLignes(std::uint32_t reseaux, const verplaninfo& plan) {
  return niv_masqueAffichage(reseaux, er_Tous, cn_Lignes, 0, plan);
}

void res_elementsLeLongChemin(std::vector<verproximite>& sortie, const host::Point3d& point, double distance,
                              std::uint32_t reseaux, const verplaninfo& plan) {
  res_elementsLeLongChemin(sortie, point, distance, res_masqueLignes(reseaux, plan), plan);
}

void res_elementsLeLongChemin(std::vector<verproximite>& sortie, const host::Point3d& point, double distance,
                              const host::LevelMask& niveaux, const verplaninfo& plan) {
  sortie.clear();
  if (!(distance >= 0.0) || !point.isFinite()) return;
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Line, host::ElementType::Arc, host::ElementType::LineString,
                    host::ElementType::ComplexChain};
  criteres.levelMask = niveaux;
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, point, distance);
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);

  for (const host::ElementId id : ids) {
    const host::Element* e = host::readElement(plan.modeleTheme, id);
    if (!e) continue;
    const auto courbe = host::curveOfElement(*e);
    if (!courbe) continue;
    // On the path itself: a point beyond a line's end is measured to that end.
    const double d = stbGeom_distanceChemin(&*courbe, point);
    if (d > distance) continue;
    verproximite p;
    p.idElement = id;
    p.distance = d;
    sortie.push_back(p);
  }
  std::stable_sort(sortie.begin(), sortie.end(),
                   [](const verproximite& a, const verproximite& b) { return a.distance < b.distance; });
}
