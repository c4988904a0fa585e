#pragma once
// One raccord cell of a plan file: the stretch of the plan's limit that its line marks, and the
// label text that names the neighbouring plan.
#include <cstdint>
#include <string>
#include <vector>

#include "host/geom_types.h"

// Kind of a raccord cell by its name (compared without case).
enum typeRaccord : std::uint32_t {
  raccordAucun = 0,
  raccordRiv = 1,  // RACRIV: labelled by a text on "Topo4Divers" near the cell and parallel to it
  raccordSec = 2,  // RACSEC: labelled by a text of its own graphic group on its own level
};

// A new record holds these defaults; the reserved fields are read by no check and keep them.
// Element ids are 0 when the thing is absent.
struct verraccord {
  std::int32_t lie = 0;            // 1 when the label text was found
  std::uint64_t idElement = 0;     // the cell
  host::Point3d origine;           // the cell's origin, UORs
  host::Point3d debutLigne;        // the cell's line, UORs; both ends (0, 0, 0) without usable line
  host::Point3d finLigne;
  std::uint64_t texteEtiquette = 0;           // the chosen label text
  std::vector<std::uint64_t> textesCandidats;  // RACRIV: texts kept as candidates; RACSEC: the label
  std::wstring code;               // read from the label, upper case
  std::uint32_t type = raccordAucun;
  std::wstring fichier;            // the model's file name: with extension for RACRIV, without for RACSEC
  std::int32_t reserve1 = -1;
  // RACRIV: 1 a plan code of 11 characters, 2 a code of 26; RACSEC: 1 a code of 12 characters, 2
  // any other; 0 until a code is read.
  std::uint32_t typeCode = 0;
  std::wstring voisin;             // the neighbouring plan's name derived from the code
  std::int32_t reserve2 = -1;
  std::uint64_t reserve3 = 0;
};
