#pragma once
// The cable topology of a plan's electricity file, against its previous version and its
// neighbouring plans.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "host/model_ref.h"

// Errors 2061 to 2067 on the cables of the electricity file (`fichier`: a one-file plan's file,
// a three-file plan's EL2 file); `plan` is the plan record of theme 62 with its theme model open.
// Marks in the file's element table the unchanged elements touching what the delivery changed
// (status 3 and the end at the change), which the later stages read. Reads only the network
// file's comparison records. Closes the work files it opens and, at its end, empties the
// folder's Temp directory but for the footprint drawing. Returns 0.
std::int32_t ctrl_topologieCables(std::vector<vererreur>& erreurs, const std::vector<verecart>& ecarts,
                                  const vercontexte& contexte, const verplaninfo& plan, verfichier& fichier);

// The open network files of the plans whose footprints lie within 10.0 UORs of the plan's
// footprint (each plan once, never the plan itself), in the order the footprints are found; empty
// without a footprint shape or footprint drawing. A neighbour whose file carries another system
// than its declared projection is copied into the Temp directory (given its write bit) and the
// copy, given that projection, is listed instead; none when Temp is not a folder. The caller
// closes every model but the host's active one and deletes the copies.
void cable_ouvrirPlansVoisins(std::vector<host::ModelRef>& voisins, const verplaninfo& plan,
                              const vercontexte& contexte);

// Deletes every file of the Temp directory but the footprint drawing: every "Emprises.dgn"
// (without case) and the file the context's footprint path names. Nothing when Temp is not a folder.
void cable_viderTemp(const vercontexte& contexte);
