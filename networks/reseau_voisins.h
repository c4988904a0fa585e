#pragma once
// Continuation of a plan's cables in the neighbouring plans: the network file of each neighbour
// (an open model) is searched for a cable end or a network cell at the place where a piece of the
// plan ends. A neighbour drawn in another coordinate system than the plan is searched at the end
// points reprojected into its system. Points and distances in UORs.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"
#include "host/model_ref.h"
#include "networks/veraccessoire.h"
#include "networks/verreseau.h"

// 1 when the end (`debut` 1 the start, 0 the end) of the piece `idTroncon` of the plan's theme
// model continues in one of the neighbours, searched in list order with the catalogue of each
// neighbour's standard: then the neighbour's plan name and the element met there. 0 otherwise,
// with both outputs as they were: a model that is null, closed or of no plan file is passed over.
std::uint8_t geo_extremiteVoisine(std::wstring& planVoisin, std::uint64_t& idVoisin, std::uint64_t idTroncon,
                                  std::uint8_t debut, const std::vector<veraccessoire>& catalogueV2,
                                  const std::vector<veraccessoire>& catalogueV3,
                                  const std::vector<host::ModelRef>& voisins, const verplaninfo& plan);

// 0 when the neighbour's model holds, at the tested end of the key, a cable end of the piece's
// network, service-connection flag and protection network that is not abandoned (less than 1.0
// away), or else a cell the end belongs to; then the neighbour's plan name and that element.
// 0x8000 otherwise, outputs as they were: also when the plan and the neighbour carry two
// different systems and the end cannot be reprojected. A neighbour that carries no system is
// searched at the plan's own coordinates.
std::int32_t res_chercherDansVoisin(std::wstring& planVoisin, std::uint64_t& idVoisin, const host::ElementHandle& troncon,
                                    const versegment& segment, const std::vector<veraccessoire>& catalogue,
                                    host::ModelRef voisin, const verplaninfo& plan);

// 0 when the tested end of the key belongs to a cell of the model, found within the key's cell
// reach: the nearest such cell, with its distance, unless the piece is one straight segment whose
// other end belongs to that cell at a smaller distance; the distance must be below the key's
// touch tolerance. 0x8000 otherwise, outputs as they were.
std::int32_t geo_celluleVoisine(double& distance, std::uint64_t& idCellule, const host::ElementHandle& troncon,
                                const versegment& segment, const std::vector<veraccessoire>& catalogue,
                                host::ModelRef modele);

// 0 when the tested end of the key belongs to the cell, with its distance: a family-2 cell by
// geo_contactCellule; a family-1 cell when the end lies inside the cell's outline (within 1.0)
// and not farther from the cell's origin than the other end (the distance is the one to the
// origin). 0x8000 for a cell without name or not in the catalogue.
std::int32_t geo_toucheCellule(double& distance, const host::ElementHandle& troncon, const host::ElementHandle& cellule,
                               const versegment& segment, const std::vector<veraccessoire>& catalogue);
