#include "networks/noeud_topo_limite.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "engine/plan_construire.h"
#include "networks/postes.h"
#include "networks/raccords.h"
#include "networks/vertolerances.h"
#include "standard/element_table.h"
#include "titleblock/cart_zone_utile.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"

using host::Point3d;

namespace {

constexpr std::uint32_t kCodeNoeudSurLimite = 2044;
constexpr std::uint32_t kMasqueElectricite = 62;
constexpr double kSansLimite = std::numeric_limits<double>::max();

bool estNoeud(const std::wstring& nom) {
  return std::find(noeud_cellules.begin(), noeud_cellules.end(), nom) != noeud_cellules.end();
}

// A raccord without usable line keeps both ends at the origin: that is no stretch of limit.
bool aUneLigne(const verraccord& r) { return !(r.debutLigne == Point3d{} && r.finLigne == Point3d{}); }

bool surRaccord(const verraccord& r, const Point3d& origine) {
  Point3d proche;
  stbGeom_projeterSurPolyligne(proche, {r.debutLigne, r.finLigne}, origine);
  return proche.distanceXY(origine) < noeud_distanceRaccord;
}

// The file positions of the cells whose range meets a raccord line's range grown by the distance
// to a raccord and the projection's slack, sorted and without repeats: the cells near the limit
// in scan order.
std::vector<std::uint32_t> cellulesPresRaccords(const std::vector<verraccord>& raccords, host::ModelRef modele) {
  // A projection counts up to half the slack past an end, and a node within the distance of it is
  // on the limit: on a slanted line that reaches past the line's range grown by the distance alone.
  constexpr double marge = noeud_distanceRaccord + noeud_distanceRaccord;
  std::vector<std::uint32_t> positions;
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Cell};
  for (const verraccord& r : raccords) {
    if (!aUneLigne(r)) continue;
    // Distances are measured in XY: any z.
    host::Range3d plage = host::Range3d::from(r.debutLigne, r.finLigne);
    plage.low = {plage.low.x - marge, plage.low.y - marge, -kSansLimite};
    plage.high = {plage.high.x + marge, plage.high.y + marge, kSansLimite};
    criteres.range = plage;
    const std::vector<std::uint32_t> ici = host::scanPositions(modele, criteres);
    positions.insert(positions.end(), ici.begin(), ici.end());
  }
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

}  // namespace

void ctrl_noeudTopoSurLimite(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers) {
  verplaninfo plan;
  plan_copierIdentite(plan, fichiers, kMasqueElectricite);
  vertolerances tolerances;
  tol_initialiser(tolerances);
  if (plan.type != 1 && plan.type != 2) return;
  const verfichier& fichier = fichiers.fichiers[plan.type == 1 ? 0 : 1];

  std::vector<verraccord> raccords;
  std::vector<Point3d> contour;
  if (plan.type == 1) rac_collecterRaccords(raccords, plan.modeleTheme, tolerances);
  else cart_zoneUtile(contour, plan, true);
  if (!fichier.existe || !stbDgn_modeleValide(plan.modeleTheme)) return;
  // No outline (the frame could not be read): its nearest point would be the world origin.
  if (plan.type == 2 && contour.size() < 2) return;
  if (plan.type == 1 && std::none_of(raccords.begin(), raccords.end(), aUneLigne)) return;

  std::vector<verposte> postes;
  poste_collecterPostes(postes, plan);
  std::unordered_set<std::uint64_t> exclus;
  for (const verposte& p : postes) {
    exclus.insert(p.noeudsBT.begin(), p.noeudsBT.end());
    exclus.insert(p.noeudsHTA.begin(), p.noeudsHTA.end());
  }

  // A one-file plan looks only at the cells near its raccord lines; a three-file plan at every cell.
  std::vector<host::ElementId> cellules;
  if (plan.type == 1) {
    const host::Model* modele = host::model(plan.modeleTheme);
    for (const std::uint32_t position : cellulesPresRaccords(raccords, plan.modeleTheme))
      if (const host::Element* e = modele ? modele->findByPosition(position) : nullptr) cellules.push_back(e->id);
  } else {
    host::ScanCriteria criteres;
    criteres.types = {host::ElementType::Cell};
    stbDgn_scanner(cellules, criteres, plan.modeleTheme);
  }

  for (const host::ElementId id : cellules) {
    const host::ElementHandle cellule(id, plan.modeleTheme);
    if (!cellule.isValid() || exclus.contains(id)) continue;
    Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, cellule) != 0 || !estNoeud(nom)) continue;
    bool surLimite = false;
    if (plan.type == 2) {
      Point3d proche;
      stbGeom_projeterSurPolyligne(proche, contour, origine);
      surLimite = proche.distanceXY(origine) < noeud_distanceContour;
    } else {
      surLimite = std::any_of(raccords.begin(), raccords.end(),
                              [&](const verraccord& r) { return aUneLigne(r) && surRaccord(r, origine); });
    }
    if (surLimite) element_signalerParId(erreurs, fichier, id, kCodeNoeudSurLimite);
  }
}
