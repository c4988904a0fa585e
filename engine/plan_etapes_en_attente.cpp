// The stages of the verification whose checks are not built yet: the one list of them. Each
// passes over the plan (no finding, no status, result 0) until its checks land; the comment of
// each says the calls it will make. Remove a stage from here when it is built.
#include "engine/plan_etapes.h"
#include "networks/ptr_cellules.h"

// ctrl_datesReseauxMesures with the lengths of res_elementsDansClip over the whole plan (an
// empty clip handle). Waits for the network searches: lengths of 0.0 for every network would
// give 1110 "Plan sans réseaux %s en service" on every plan that writes a valid network date.
void etape_datesReseaux(std::vector<vererreur>&, const verfichier&, std::uint64_t, const verplaninfo&,
                        const std::vector<std::pair<std::wstring, std::wstring>>&) {}

// The PTR cells of a plan, which the useful-area cut leaves out. Until their collector lands the
// list is empty: PTR elements that lie outside the useful area are reported with 1203.
void ptr_collecterCellules(std::vector<verptr>& sortie, const verplaninfo&, double) { sortie.clear(); }

// ctrl_noeudTopoSurLimite on the file set.
void etape_noeudsSurLimite(std::vector<vererreur>&, verplanfichiers&) {}

// ctrl_groupesPTRL with the pass number.
void etape_groupesPTRL(std::vector<vererreur>&, verplanfichiers&, std::int32_t) {}

// ctrl_topologieCables with the plan record (theme mask 62, its footprint) and the network file.
void etape_topologieCables(std::vector<vererreur>&, std::vector<verecart>&, vercontexte&, verplaninfo&, verfichier&) {}

// drap_collecterDrapeaux, drap_marquerAControler on the network file, ctrl_groupesGraphiques,
// ctrl_texteSymbologie with the context's text prefixes; the flag list is then freed.
void etape_groupesGraphiques(std::vector<vererreur>&, vercontexte&, verplaninfo&, verfichier&) {}

