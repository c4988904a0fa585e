#pragma once
// One graphic group of a plan's network file that holds network elements, flag cells or
// protection elements: a flag, a group of network lines, a dimension group...
#include <cstdint>
#include <vector>

#include "networks/vertextereseau.h"
#include "standard/verclassement.h"

// What kind of group it is (`nature`).
enum natureDrapeau : std::uint32_t {
  natureIndecise = 0,            // nothing decisive yet; a group of texts only stays so
  natureLignes = 1,              // network lines
  natureCellule = 2,             // a cell that is not a flag cell
  natureDrapeauSimple = 3,       // a flag with a DRAP or CPT cell
  natureCote = 4,                // a dimension
  natureProtection = 5,          // protection lines or texts
  natureDrapeauDifferencie = 6,  // a differentiated flag: CPT5 to CPT9 cell
};

struct verdrapeau {
  std::uint8_t valide = 1;          // 0 once members that do not fit together were met; never back to 1
  std::uint32_t nature = natureIndecise;
  // Network bit of the group; 0 while no member gave one; 0xFFFF for members of different
  // networks, or a flag cell whose level tells no network.
  std::uint32_t reseau = 0;
  std::uint32_t aControler = 0;     // 1 when a member is among the elements the verification examines
  std::uint8_t reseauCellule = 0;   // 1 when the network came from the flag cell's level and is a real bit
  std::uint32_t groupe = 0;         // graphic-group number, never 0 in a collected record
  std::vector<verclassement> lignes;          // one per network line member
  std::vector<std::uint64_t> autresCellules;  // member cells that are not flag cells
  std::uint64_t cellule = 0;                  // the flag cell; 0 none
  std::vector<std::uint64_t> traits;          // the cut lines
  std::uint64_t cellulePoint = 0;             // the point cell; 0 none
  std::uint64_t cote = 0;                     // the dimension; 0 none
  std::vector<vertextereseau> textes;         // text members, in scan order
};
