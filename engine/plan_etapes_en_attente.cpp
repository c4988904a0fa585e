// The stages of the verification whose checks are not built yet: the one list of them. Each
// passes over the plan (no finding, no status, result 0) until its checks land; the comment of
// each says the calls it will make. Remove a stage from here when it is built.
#include "engine/plan_etapes.h"

// ctrl_topologieCables with the plan record (theme mask 62, its footprint) and the network file.
void etape_topologieCables(std::vector<vererreur>&, std::vector<verecart>&, vercontexte&, verplaninfo&, verfichier&) {}
