#pragma once
// The place of a three-file plan's identification cells relative to its frame.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "host/geom_types.h"

// Tests, in the order IDFICH, IDLOC, each IDVOIE, IDFDP, IDELE, IDAUT, the origin of each cell
// whose id is not 0 against the frame origin (UORs) moved right by the cell's offset at the
// plan's version (master units of the file's model). A misplaced cell gives 1135 with its id,
// extra 2, an empty object and the cell's name as complement; a cell that cannot be read is
// passed over.
void ctrl_positionCellulesId(std::vector<vererreur>& erreurs, const verfichier& fichier, const host::Point3d& origineCadre,
                             std::int32_t version, std::uint64_t idFich, std::uint64_t idLoc,
                             const std::vector<std::uint64_t>& idVoies, std::uint64_t idFdp, std::uint64_t idEle,
                             std::uint64_t idAut);
