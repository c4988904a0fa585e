#include "toolbox/stb_dgn_cellules.h"

#include <algorithm>

#include "toolbox/stb_dgn.h"

namespace {

// The lists of the models read last, most recent first. An entry is known by its handle, which
// the host never gives twice, and by its model, so that a closed handle's list is never used.
struct Retenue {
  std::uint64_t handle = 0;
  const host::Model* modele = nullptr;
  std::shared_ptr<const std::vector<stbCellule>> cellules;
};
constexpr std::size_t kRetenues = 8;

std::vector<Retenue>& retenues() {
  static std::vector<Retenue> r;
  return r;
}

// The model's elements walked in file order, as a scan of type 2 gives them: a model asked only
// for its cells (a file opened by the folder's set-up) builds no index for it.
std::shared_ptr<const std::vector<stbCellule>> lire(const host::Model& modele) {
  auto cellules = std::make_shared<std::vector<stbCellule>>();
  for (const host::Element* e : modele.elements())
    if (e->type == host::ElementType::Cell && e->cell) cellules->push_back({e->id, e});
  return cellules;
}

}  // namespace

std::wstring_view stbCellule::nom() const { return std::wstring_view(element->cell->name).substr(0, 512); }

std::shared_ptr<const std::vector<stbCellule>> stbDgn_cellules(host::ModelRef modele) {
  try {
    const host::Model* m = host::model(modele);
    if (!m) return std::make_shared<const std::vector<stbCellule>>();
    if (!host::isReadOnly(modele)) return lire(*m);
    auto& r = retenues();
    const auto it = std::find_if(r.begin(), r.end(), [&](const Retenue& e) { return e.handle == modele.handle; });
    if (it != r.end() && it->modele == m) {
      std::rotate(r.begin(), it, it + 1);
      return r.front().cellules;
    }
    if (it != r.end()) r.erase(it);
    auto cellules = lire(*m);
    r.insert(r.begin(), Retenue{modele.handle, m, cellules});
    if (r.size() > kRetenues) r.resize(kRetenues);
    return cellules;
  } catch (...) {
    return std::make_shared<const std::vector<stbCellule>>();
  }
}
