#pragma once
// Staging list of the exported operations: the steps that are not built yet and what the
// operation does in their place. A step leaves this list when its code lands.
// (The per-plan driver keeps the same kind of list for its own stages.)
#include <string_view>

struct verif_etapeEnAttente {
  std::string_view operation;
  std::string_view enAttente;  // the step that is not built
  std::string_view enAttendant;  // what the operation does meanwhile
};

inline constexpr verif_etapeEnAttente verif_etapesEnAttente[] = {
    {"verif_actualiserCartouche", "cartouche_calculerQuadrigramme (title-block code)",
     "refuses with 0x8000 once its arguments pass; the plan's statuts are left as they were"},
};
