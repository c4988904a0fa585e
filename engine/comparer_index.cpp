#include "engine/comparer_index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace {

constexpr double kCelluleGrille = 8192.0;  // UORs: about 8 m of a plan
constexpr std::int64_t kCellulesMax = 256;  // a range over more cells is kept apart
constexpr double kCoordonneeMax = 1e15;     // UORs; beyond, the grid's cell numbers would not hold

std::uint64_t genreDe(host::LevelId niveau, int type) {
  return (static_cast<std::uint64_t>(niveau) << 32) | static_cast<std::uint32_t>(type);
}

bool meets(const host::Range3d& a, const host::Range3d& b) {
  return !a.isNull() && !b.isNull() && a.low.x <= b.high.x && b.low.x <= a.high.x && a.low.y <= b.high.y &&
         b.low.y <= a.high.y && a.low.z <= b.high.z && b.low.z <= a.high.z;
}

// The grid cells a range covers in x and y; false when it covers too many or cannot be gridded.
bool cellules(const host::Range3d& r, std::int64_t& x0, std::int64_t& y0, std::int64_t& x1, std::int64_t& y1) {
  for (const double v : {r.low.x, r.low.y, r.high.x, r.high.y})
    if (!std::isfinite(v) || std::abs(v) > kCoordonneeMax) return false;
  x0 = static_cast<std::int64_t>(std::floor(r.low.x / kCelluleGrille));
  y0 = static_cast<std::int64_t>(std::floor(r.low.y / kCelluleGrille));
  x1 = static_cast<std::int64_t>(std::floor(r.high.x / kCelluleGrille));
  y1 = static_cast<std::int64_t>(std::floor(r.high.y / kCelluleGrille));
  if (x1 < x0 || y1 < y0 || x1 - x0 >= kCellulesMax || y1 - y0 >= kCellulesMax) return false;
  return (x1 - x0 + 1) * (y1 - y0 + 1) <= kCellulesMax;
}

// The bits of a range, so that equal ranges (bit for bit) make one group.
using Bits = std::array<std::uint64_t, 6>;
Bits bitsDe(const host::Range3d& r) {
  const double v[6] = {r.low.x, r.low.y, r.low.z, r.high.x, r.high.y, r.high.z};
  Bits b{};
  std::memcpy(b.data(), v, sizeof v);
  return b;
}

// A group's key: level and type, and the range's bits.
struct CleGroupe {
  std::uint64_t genre = 0;
  Bits bits{};
  friend bool operator==(const CleGroupe&, const CleGroupe&) = default;
};

struct HachageCleGroupe {
  std::size_t operator()(const CleGroupe& c) const noexcept {
    std::uint64_t h = c.genre * 0x9E3779B97F4A7C15ull;
    for (const std::uint64_t b : c.bits) h = (h ^ b) * 0xFF51AFD7ED558CCDull + (h >> 29);
    return static_cast<std::size_t>(h ^ (h >> 32));
  }
};

}  // namespace

std::size_t comparer_index::HachageCle::operator()(const Cle& c) const noexcept {
  std::uint64_t h = c.genre * 0x9E3779B97F4A7C15ull;
  h ^= static_cast<std::uint64_t>(c.x) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
  h ^= static_cast<std::uint64_t>(c.y) + 0x94D049BB133111EBull + (h << 6) + (h >> 2);
  return static_cast<std::size_t>(h);
}

comparer_index::comparer_index(const std::vector<verelement>& table, host::ModelRef modele) : table_(table) {
  std::unordered_map<CleGroupe, std::uint32_t, HachageCleGroupe> parCle;
  parCle.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const host::Element* e = host::readElement(modele, table[i].idElement);
    if (!e) continue;
    const host::Range3d r = host::elementRangeOf(modele, table[i].idElement);
    if (r.isNull()) continue;  // meets nothing
    const std::uint64_t genre = genreDe(e->level, e->type);
    const auto [it, nouveau] = parCle.try_emplace({genre, bitsDe(r)}, static_cast<std::uint32_t>(groupes_.size()));
    if (nouveau) {
      groupes_.push_back({r, {}, {}, 0});
      const std::uint32_t g = it->second;
      std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
      if (cellules(r, x0, y0, x1, y1)) {
        for (std::int64_t x = x0; x <= x1; ++x)
          for (std::int64_t y = y0; y <= y1; ++y) grille_[Cle{genre, x, y}].push_back(g);
      } else {
        grands_[genre].push_back(g);
      }
      parGenre_[genre].push_back(g);
    }
    Groupe& groupe = groupes_[it->second];
    groupe.rangs.push_back(static_cast<std::uint32_t>(i));
    groupe.positions.push_back(e->filePosition);
  }
  for (Groupe& g : groupes_) {
    std::vector<std::size_t> ordre(g.rangs.size());
    for (std::size_t k = 0; k < ordre.size(); ++k) ordre[k] = k;
    std::sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return g.positions[a] < g.positions[b]; });
    std::vector<std::uint32_t> rangs, positions;
    for (const std::size_t k : ordre) {
      rangs.push_back(g.rangs[k]);
      positions.push_back(g.positions[k]);
    }
    g.rangs = std::move(rangs);
    g.positions = std::move(positions);
  }
  marques_.assign(groupes_.size(), 0);
}

std::int32_t comparer_index::premier(host::LevelId niveau, int type, const host::Range3d& plage,
                                     const std::function<bool(std::int32_t)>& accepte) {
  const std::uint64_t genre = genreDe(niveau, type);
  if (++requete_ == 0) {  // the marks wrapped around
    std::fill(marques_.begin(), marques_.end(), 0);
    requete_ = 1;
  }
  vus_.clear();
  const auto voir = [&](const std::vector<std::uint32_t>& liste) {
    for (const std::uint32_t g : liste)
      if (marques_[g] != requete_) {
        marques_[g] = requete_;
        vus_.push_back(g);
      }
  };
  std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (cellules(plage, x0, y0, x1, y1)) {
    for (std::int64_t x = x0; x <= x1; ++x)
      for (std::int64_t y = y0; y <= y1; ++y)
        if (const auto it = grille_.find(Cle{genre, x, y}); it != grille_.end()) voir(it->second);
    if (const auto it = grands_.find(genre); it != grands_.end()) voir(it->second);
  } else if (const auto it = parGenre_.find(genre); it != parGenre_.end()) {
    voir(it->second);
  }

  // The groups met, by the file position of their first row still at state 0.
  std::vector<std::pair<std::uint32_t, std::uint32_t>>& ordre = ordre_;  // position, group
  ordre.clear();
  for (const std::uint32_t g : vus_) {
    Groupe& groupe = groupes_[g];
    if (!meets(plage, groupe.plage)) continue;
    while (groupe.debut < groupe.rangs.size() && table_[groupe.rangs[groupe.debut]].etatComparaison != 0)
      ++groupe.debut;
    if (groupe.debut < groupe.rangs.size()) ordre.emplace_back(groupe.positions[groupe.debut], g);
  }
  std::sort(ordre.begin(), ordre.end());
  std::int32_t trouve = -1;
  std::uint64_t meilleure = UINT64_MAX;
  for (const auto& [debut, g] : ordre) {
    if (debut >= meilleure) break;
    const Groupe& groupe = groupes_[g];
    for (std::size_t k = groupe.debut; k < groupe.rangs.size() && groupe.positions[k] < meilleure; ++k) {
      const auto rang = static_cast<std::int32_t>(groupe.rangs[k]);
      if (table_[groupe.rangs[k]].etatComparaison != 0 || !accepte(rang)) continue;
      meilleure = groupe.positions[k];
      trouve = rang;
      break;
    }
  }
  return trouve;
}
