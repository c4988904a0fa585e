#pragma once
// The previous version's elements as the comparison's candidates, indexed once per file: grouped
// by level, type and range (coincident elements share a group, in file order), the groups found
// through a grid of their ranges kept for each level and type. A query gives the same element as
// a scan of the previous model on that level and type within the range, tested in file order,
// and an element once matched leaves its group's list, so that coincident elements cost near
// linear time. Internal to the library.
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/geom_types.h"
#include "host/model_ref.h"
#include "standard/verelement.h"

class comparer_index {
 public:
  // The rows of `table` (the previous version's element table) whose element `modele` holds with
  // a range. The table must outlive the index; its states may change between queries.
  comparer_index(const std::vector<verelement>& table, host::ModelRef modele);

  // The row of the first element in file order, among those of level `niveau` and type `type`
  // whose range meets `plage` (x, y and z, bounds included) and whose row is at state 0, for
  // which `accepte` holds; -1 when none. A row at another state than 0 never comes back.
  std::int32_t premier(host::LevelId niveau, int type, const host::Range3d& plage,
                       const std::function<bool(std::int32_t)>& accepte);

 private:
  struct Groupe {
    host::Range3d plage;
    std::vector<std::uint32_t> rangs;     // table rows, in file order
    std::vector<std::uint32_t> positions;  // their file positions
    std::size_t debut = 0;                 // rows before it are no longer at state 0
  };
  struct Cle {
    std::uint64_t genre = 0;  // level and type
    std::int64_t x = 0, y = 0;
    friend bool operator==(const Cle&, const Cle&) = default;
  };
  struct HachageCle {
    std::size_t operator()(const Cle& c) const noexcept;
  };

  const std::vector<verelement>& table_;
  std::vector<Groupe> groupes_;
  std::unordered_map<Cle, std::vector<std::uint32_t>, HachageCle> grille_;  // groups by grid cell
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> grands_;   // groups too large for the grid
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> parGenre_;  // every group of a level and type
  std::vector<std::uint32_t> vus_;  // query scratch: groups met, then their marks
  std::vector<std::uint32_t> marques_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> ordre_;  // query scratch: groups by first position
  std::uint32_t requete_ = 0;
};
