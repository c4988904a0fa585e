#pragma once
// The origins of a PTR list in square cells, for the searches of records lying near one another
// (pairing, superposition) without comparing every record with every other.
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "networks/verptr.h"

class ptr_grille {
 public:
  // `cote`: the side of a cell in master units, the largest distance searched. A side that is
  // not a positive number puts every record in one cell.
  ptr_grille(const std::vector<verptr>& ptrs, double cote);
  // The indexes of the records whose origin may lie within `cote` of the point, increasing; the
  // caller measures the distance.
  std::vector<std::size_t> voisins(const host::Point3d& point) const;

 private:
  using cle = std::pair<std::int64_t, std::int64_t>;
  std::int64_t indice(double v) const;
  double cote_;
  bool unique_;
  std::map<cle, std::vector<std::size_t>> cases_;
};
