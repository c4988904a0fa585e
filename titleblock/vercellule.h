#pragma once
// One cell found in a plan's model.
#include <cstdint>
#include <string>

#include "host/element.h"

struct vercellule {
  std::wstring nom;
  std::uint64_t elementId = 0;
  host::Point3d origine;                     // UORs of the cell's file
  host::Point3d echelle{1.0, 1.0, 1.0};      // per axis
  host::RotMatrix rotation;                  // identity on construction
  std::uint32_t groupe = 0;                  // graphic group of the cell element
  bool marque = false;                       // free for the callers; never set by the readers
};

// The empty record: no name, id 0, origin (0, 0, 0), scale 1, identity rotation, group 0.
void vercellule_initialiser(vercellule& cellule);
// Copies every field.
void vercellule_copier(vercellule& cible, const vercellule& source);
