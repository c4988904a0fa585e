#pragma once
// One relation between a department and a projection, a row of the department relations file.
#include <string>

#include "host/geom_types.h"

struct verdeptproj {
  std::wstring departement;     // department code
  std::wstring codeProjection;  // projection short code
  host::Range3d etendue;        // the department's area in that projection; only x and y count
};
