#pragma once
// One drawn element of a plan file: a row of the file's element table, which the rule books,
// the comparison with the previous version and the network checks read and mark.
// Points are in model units (UORs); lengths in master units.
#include <cstdint>
#include <string>

#include "host/geom_types.h"
#include "standard/verclassement.h"
#include "toolbox/stb_symbologie.h"

struct verelement {
  std::uint64_t idElement = 0;   // the table's sort key
  versymbologie symbologie;      // as read from the element; not-checked values in a fresh record
  double longueur = 0.0;         // curve length, master units; 0 for non-curves
  std::uint32_t groupe = 0;      // graphic group, 0 none
  verclassement classement;      // left at its default for a file without theme mask
  host::Point3d origine;         // texts, text nodes, cells and shared cells; (0, 0, 0) otherwise
  host::Point3d debut;           // first point of the curve; (0, 0, 0) for non-curves
  host::Point3d fin;             // last point of the curve; (0, 0, 0) for non-curves
  host::Point3d centre;          // middle of the range in x and y; z always 0
  std::uint32_t codeErreur = 0;  // error code a rule book set; 0 none
  // 0 not yet matched, 1 unchanged, 2 new, 3 removed, 4 left out, 5 type not compared, 6 not readable
  std::uint32_t etatComparaison = 0;
  // 1 by default; 2 new or changed since the previous version; 3 marked by the network checks.
  std::uint32_t etatControle = 1;
  std::wstring categorie;        // label of the rule row that classified the element
  std::int32_t indexOrigine = -1;  // index of the matched element in the previous version's table
  // Which end of a cable lies at a node the cable-end matching looked at: 0 none, 1 start, 2 end.
  std::uint32_t marqueExtremite = 0;
};
