#include "engine/encart.h"
#include "networks/recherches_reseau.h"
#include "toolbox/stb_dgn.h"

std::vector<host::ElementId> res_elementsHorsEncarts(host::ScanCriteria& criteres, const verplaninfo& plan) {
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);
  host::ElementAgenda encarts;
  encart_remplirAgenda(encarts, plan);
  std::erase_if(ids, [&](host::ElementId id) {
    const host::ElementHandle h(id, plan.modeleTheme);
    return !h.isValid() || encart_contientElement(h, encarts) == 0;
  });
  return ids;
}
