#pragma once
// The graph of a plan's electricity network: nodes made from the catalogue cells, pieces made from
// the cable elements, and the connection of each piece's ends to nodes, also across the plan's
// border with the networks of the neighbouring plans. Built in this order on an emptied graph:
// res_collecterCellulesReseau, res_collecterTroncons, res_relierTroncons. Everything is read
// from the plan record's theme model; elements drawn inside the record's insets are left out.
// Points and distances in UORs.
#include <cstdint>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"
#include "host/model_ref.h"
#include "networks/veraccessoire.h"
#include "networks/verreseau.h"

// A node for each cell of the model named in the plan's catalogue, at the cell's origin, abandoned
// when the cell's state is 8.
void res_collecterCellulesReseau(verreseau& reseau, const verplaninfo& plan);

// A piece for each line, line string, complex chain and arc on the BT and HTA cable levels (for
// theme 62; else on the levels of the record's `masqueReseau`) that has a curve and is classified.
void res_collecterTroncons(verreseau& reseau, const verplaninfo& plan);

// Connects the start and then the end of each piece to a node, appending a node without cell where
// none is found; asks the neighbours (`voisins`, open models of their network files) about an end
// at a new node or at a node whose first piece is abandoned; then marks the changes of
// characteristics. A piece that cannot be read stays unconnected.
void res_relierTroncons(verreseau& reseau, const std::vector<host::ModelRef>& voisins, const verplaninfo& plan);

// The node that the end `point` of the piece joins: the first node lying less than 1.0 from it,
// else the node of the family-2 cell whose shape the end touches within 1.0 (the cell whose origin
// is nearest the end wins); -1 when none, or when the piece cannot be read. `debut` 1 for the
// start, 0 for the end.
std::int32_t res_noeudExtremite(const host::Point3d& point, const host::ElementHandle& troncon, std::uint8_t debut,
                                verreseau& reseau, const std::vector<veraccessoire>& catalogue, const verplaninfo& plan);

// 0 when the piece end `point` touches the cell's first shape, with its XY distance to that
// shape's outline in `distance`: nearer than the key's touch tolerance, or the piece's last
// segment at that end meets the shape (a shape counts as its area), or nearer than the key's cell
// reach. 0x8000 otherwise, and for a cell without shape or a piece without curve.
std::int32_t geo_contactCellule(double& distance, const host::ElementHandle& troncon, const host::ElementHandle& cellule,
                                const host::Point3d& point, const versegment& segment);
