#pragma once
// The flags and other graphic groups of network elements of a plan file, and the classifiers of
// the flag elements and of the flag-text levels.
#include <cstdint>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"
#include "networks/verdrapeau.h"

// What part of a flag an element is (drap_typeCelluleDrapeau).
enum classeCelluleDrapeau : std::uint32_t {
  classeDrapAucune = 0,   // no flag element
  classeDrapPoint = 1,    // point cell
  classeDrapTrait = 2,    // cut line
  classeDrapCellule = 3,  // flag cell
};

// The groups of the plan record's theme model, sorted by ascending graphic-group number; empty
// when the record has no plan kind or no theme mask. Elements of graphic group 0 form no group.
std::vector<verdrapeau> drap_collecterDrapeaux(const verplaninfo& plan);

// Appends the record of the text or text node `idElement` of the theme model to the flag's
// texts: 0, or 0x8000 (nothing appended) when it cannot be read or is no text.
std::int32_t drap_lireTexteDrapeau(verdrapeau& drapeau, std::uint64_t idElement, const verplaninfo& plan);

// The flag class, network (2 BT, 4 HTA, 0xFFFF none told) and differentiated flag (CPT5 to
// CPT9) of an element by the plan's standard; every output is optional. Nothing is written for
// an element that is no flag element or a plan kind other than 1 and 2: callers set their class
// to 0 beforehand.
void drap_typeCelluleDrapeau(std::uint32_t* classe, std::uint32_t* reseau, std::uint8_t* differencie,
                             const host::ElementHandle& element, const verplaninfo& plan);

// The level id of the theme's flag texts in the theme model (0 when the model lacks it), and the
// BT, HTA and service-connection text levels of the electricity theme (0 for the other themes).
// Every output is optional; with no theme model, or a plan kind or theme mask of 0, the result
// is 0 and the outputs are left alone.
std::uint32_t drap_niveauTexteDrapeau(std::uint32_t* niveauBT, std::uint32_t* niveauHTA,
                                      std::uint32_t* niveauBranchement, const verplaninfo& plan);
