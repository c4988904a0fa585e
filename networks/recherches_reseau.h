#pragma once
// Searches over the network lines of a plan file: lengths by network and state, and the lines
// passing near a point. Neither reports, writes or changes anything.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/design_file.h"
#include "host/element_handle.h"
#include "host/geom_types.h"
#include "host/level_mask.h"
#include "standard/verclassement.h"

// Lengths of network lines in master units, by group and state. Seven groups of five entries:
// [0-4] service connections (whatever the network bit), [5-9] BT, [10-14] HTA, [15-19] TLC
// (electricity), [20-24] TLR, [25-29] EP, [30-34] VDC; within a group the states 1 (classé),
// 2, 4 and 8 (abandonné), then all states. [35] the sum of the seven all-states entries.
using verlongueurs = std::array<double, 36>;

// Sums the lengths of the record's network lines (the levels of its network set) of its theme
// model outside its insets, only their parts inside the clip when `clip` holds an element (an
// empty handle: no clip). The clip must be a closed element (shape, complex shape, ellipse). All
// zeros when no view is open, or when `clip` names an element from which no clip can be made.
verlongueurs res_elementsDansClip(const verplaninfo& plan, const host::ElementHandle& clip);

// The elements of the record's theme model that pass the criteria, that the host can read and
// that lie outside the record's insets, in scan order.
std::vector<host::ElementId> res_elementsHorsEncarts(host::ScanCriteria& criteres, const verplaninfo& plan);

// Adds a line's length to the entry of its state in its group and to the group's all-states
// entry: the service-connection group when the branchement flag is set, else the group of its
// network bit; a state other than 1, 2, 4 and 8 adds to the all-states entry only, a network bit
// of no group adds nothing. Entry 35 is left to res_totaliserLongueurs.
void res_ajouterLongueur(verlongueurs& longueurs, const verclassement& classement, double longueur);
// Entry 35 := the sum of the seven all-states entries.
void res_totaliserLongueurs(verlongueurs& longueurs);

// One network line found near a point. Only the element id and the distance carry information;
// the other fields keep these values.
struct verproximite {
  std::uint64_t idElement = 0;
  std::int64_t idSecond = -1;       // none
  std::uint64_t reserve1 = 0;
  std::uint64_t reserve2 = 0;
  double reel = 0.0;
  double distance = 0.0;            // XY distance from the searched point to the line, UORs
  std::int32_t indice = -1;         // none
};

// The network lines (lines, line strings, complex chains, arcs) of the theme model on the levels
// of `reseaux` (network bits, all states) that pass within `distance` (UORs, inclusive, in XY) of
// the point, each with its distance to the line itself (its ends are not extended), nearest first
// (equal distances in no defined order). Neither classified nor kept out of insets. `sortie` is
// cleared first.
void res_elementsLeLongChemin(std::vector<verproximite>& sortie, const host::Point3d& point, double distance,
                              std::uint32_t reseaux, const verplaninfo& plan);
// The same on the levels of a mask built once by the caller for a loop of searches:
// res_masqueLignes(reseaux, plan).
void res_elementsLeLongChemin(std::vector<verproximite>& sortie, const host::Point3d& point, double distance,
                              const host::LevelMask& niveaux, const verplaninfo& plan);
// The levels of the network lines of `reseaux`, all states, in the plan's theme model.
host::LevelMask res_masqueLignes(std::uint32_t reseaux, const verplaninfo& plan);
