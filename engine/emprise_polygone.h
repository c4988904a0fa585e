#pragma once
// A plan's footprint (emprise): the closed five-point polygon that shows on the footprint drawing
// where the plan lies. A three-file plan's frame carries its outline as a shape; a one-file
// plan's frame outline is brought in, side by side, to the drawn content of the plan. UORs of the
// plan file throughout.
#include <cstdint>
#include <string>
#include <vector>

#include "host/element_handle.h"
#include "host/geom_types.h"
#include "host/level_mask.h"
#include "host/model_ref.h"

// The levels whose drawn content a one-file plan's footprint is fitted to: "2-4,6-44,46-56,58-60".
host::LevelMask emprise_masqueNiveaux();

// The footprint of the plan file at `chemin` appended to `polygone` (which the caller passes
// empty): 0, or 0x8000 when the file does not open, has units other than the standard's (its
// position among the plans is unknown), has no frame, or a three-file frame has no outline shape
// stroking to exactly five points. The file, when opened here, is closed on every
// path unless it is the host's active model.
std::uint32_t emprise_calculerPolygone(std::vector<host::Point3d>& polygone, const std::wstring& chemin);
// The same from the plan file's model, open.
std::uint32_t emprise_calculerPolygone(std::vector<host::Point3d>& polygone, host::ModelRef modele);

// Appends the rectangle whose opposite corners are a and c and whose first side leaves a in the
// direction `angle` (radians): a, the corner along, c, the corner across, a again.
void emprise_rectangle(std::vector<host::Point3d>& polygone, const host::Point3d& a, const host::Point3d& c,
                       double angle);

// Moves the corners a and c so that each side of their rectangle comes in, parallel to itself, to
// the nearest drawn content on the mask's levels (sides in the order along-bottom, far end, top,
// near end; each starts where the previous move left the shared corner). A side for which nothing
// is measured stays; content touching or crossing a side keeps it in place. z becomes 0.
void emprise_ajusterCotes(host::Point3d& a, host::Point3d& c, double angle, host::ModelRef modele,
                          const host::LevelMask& masque);

// The smallest XY distance between `cote` (an element not in the model) and the drawn elements of
// the model on the mask's levels and of class primary or pattern component (a cell measured child
// by child): 0, or 0x8000 when nothing could be measured (`distance` then left alone).
std::uint32_t emprise_distanceContenu(double& distance, const host::ElementHandle& cote, host::ModelRef modele,
                                      const host::LevelMask& masque);
