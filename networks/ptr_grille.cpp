#include "networks/ptr_grille.h"

#include <algorithm>
#include <cmath>

namespace {
// Beyond this index far-apart cells share their index: the search stays correct, only slower.
constexpr double kIndiceMax = 4.0e18;
}  // namespace

ptr_grille::ptr_grille(const std::vector<verptr>& ptrs, double cote)
    : cote_(cote), unique_(!(cote > 0.0) || !std::isfinite(cote)) {
  for (std::size_t i = 0; i < ptrs.size(); ++i) {
    const cle c = unique_ ? cle{0, 0} : cle{indice(ptrs[i].origine.x), indice(ptrs[i].origine.y)};
    cases_[c].push_back(i);
  }
}

std::int64_t ptr_grille::indice(double v) const {
  const double k = std::floor(v / cote_);
  if (!(k > -kIndiceMax)) return static_cast<std::int64_t>(-kIndiceMax);
  if (!(k < kIndiceMax)) return static_cast<std::int64_t>(kIndiceMax);
  return static_cast<std::int64_t>(k);
}

std::vector<std::size_t> ptr_grille::voisins(const host::Point3d& point) const {
  std::vector<std::size_t> sortie;
  if (unique_) {
    if (const auto it = cases_.find({0, 0}); it != cases_.end()) sortie = it->second;
    return sortie;
  }
  const std::int64_t x = indice(point.x), y = indice(point.y);
  for (std::int64_t dx = -1; dx <= 1; ++dx)
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
      // Saturated indexes: the neighbours past the limit are the limit's own cell.
      const cle c{x + (x > -kIndiceMax && x < kIndiceMax ? dx : 0), y + (y > -kIndiceMax && y < kIndiceMax ? dy : 0)};
      if (const auto it = cases_.find(c); it != cases_.end()) sortie.insert(sortie.end(), it->second.begin(), it->second.end());
    }
  std::sort(sortie.begin(), sortie.end());
  sortie.erase(std::unique(sortie.begin(), sortie.end()), sortie.end());
  return sortie;
}
