// The stages of the verification whose checks are not built yet: the one list of them. Each
// passes over the plan (no finding, no status, result 0) until its checks land; the comment of
// each says the calls it will make. Remove a stage from here when it is built.
#include "engine/plan_etapes.h"
#include "networks/ptr_cellules.h"

// The PTR cells of a plan, which the useful-area cut leaves out. Until their collector lands the
// list is empty: PTR elements that lie outside the useful area are reported with 1203.
void ptr_collecterCellules(std::vector<verptr>& sortie, const verplaninfo&, double) { sortie.clear(); }

// ctrl_noeudTopoSurLimite on the file set.
void etape_noeudsSurLimite(std::vector<vererreur>&, verplanfichiers&) {}

// ctrl_groupesPTRL with the pass number.
void etape_groupesPTRL(std::vector<vererreur>&, verplanfichiers&, std::int32_t) {}
