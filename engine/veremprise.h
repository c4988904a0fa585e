#pragma once
// One plan footprint in the footprint drawing: a shape and a label text sharing a graphic group.
#include <cstdint>
#include <string>

#include "toolbox/stb_symbologie.h"

struct veremprise {
  std::uint64_t idForme = 0;    // host element id of the footprint shape
  std::uint64_t idLibelle = 0;  // host element id of the label text
  versymbologie symbologieForme;
  versymbologie symbologieLibelle;
  std::int32_t indexPlan = -1;  // index of the folder's plan that owns the footprint; -1 none
  std::wstring libelle;         // the plan name the label shows, upper-cased
  std::uint32_t groupe = 0;     // graphic group of the shape and the label
  std::uint32_t cree = 0;       // 1 when drawn by the current update
};

// The default record, both symbologies at their not-set values.
void veremprise_construire(veremprise& emprise);

// Moves the label of `source` into `cible` and copies every other field.
void veremprise_deplacer(veremprise& cible, veremprise& source);
