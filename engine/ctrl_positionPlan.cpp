#include "engine/ctrl_positionPlan.h"

#include <cmath>
#include <vector>

#include "engine/case_grille.h"
#include "engine/plan_construire.h"
#include "titleblock/cart_zone_utile.h"

namespace {

constexpr std::int32_t incoherent = 0x8000;

// How close, in UORs, a corner of the sheet must lie to a corner of the useful area.
constexpr double toleranceCoin = 10.0;

}  // namespace

std::int32_t ctrl_positionPlan(const verplanfichiers& fichiers) {
  if (fichiers.type != 2) return 0;
  try {
    std::vector<host::Point3d> feuille;
    std::uint32_t echelle = 0;
    if (case_calculerRectangle(&feuille, &echelle, nullptr, fichiers.nom) != 0) return incoherent;
    verplaninfo plan;
    plan_copierIdentite(plan, fichiers, 0);
    if (echelle != plan.version) return incoherent;
    std::vector<host::Point3d> zone;
    if (cart_zoneUtile(zone, plan, false) != 0) return incoherent;
    if (feuille.size() != zone.size()) return incoherent;
    const host::ModelRef actif = host::activeModel();
    for (const host::Point3d& coin : feuille) {
      const double x = host::masterToUor(actif, coin.x);
      const double y = host::masterToUor(actif, coin.y);
      bool trouve = false;
      for (const host::Point3d& z : zone) trouve = trouve || std::hypot(z.x - x, z.y - y) < toleranceCoin;
      if (!trouve) return incoherent;
    }
    return 0;
  } catch (...) {
    return incoherent;
  }
}
