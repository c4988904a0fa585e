#pragma once
// The network pass of the cable check: the graph of one plan file rebuilt from its drawing.
#include <vector>

#include "engine/verplaninfo.h"
#include "host/model_ref.h"
#include "networks/verreseau.h"

// Empties the network's pieces and nodes, then builds its graph from the plan record's theme model
// (cells, pieces, connections, also with the neighbours' open network files `voisins`). The
// tolerances and catalogues are kept. Run again on the same network, it gives the same graph.
void drap_verifierDrapeaux(verreseau& reseau, const std::vector<host::ModelRef>& voisins, const verplaninfo& plan);
