#pragma once
// The classification of one drawn element of a plan file for the differences drawing: which
// network it belongs to, what kind of network object it is, and its state. The standard's own
// classifier answers, with the plan kind as the standard's version.
#include <cstdint>

#include "host/element_handle.h"
#include "host/model_ref.h"
#include "standard/verclassement.h"

// Classifies `element` of `modele` by the rules of the plan kind (1 one-file, 2 three-file) and
// the file's theme mask (62 electricity, 1984 gas, 6144 other networks). 0 with the record
// (optional) written whole; 0x8000 for an empty handle, an unnamed level, another kind or mask,
// or an element no rule classifies, the record then untouched. Reads only.
std::uint32_t ecart_classerElement(verclassement* classement, const host::ElementHandle& element, host::ModelRef modele,
                                   std::uint32_t typePlan, std::uint32_t masqueTheme);
