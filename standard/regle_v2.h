#pragma once
// The one-file (V2) rule book: every drawn element of a one-file plan is classified by its
// level, type and cell name, and left with an error code (0 when it conforms) and a category
// label; the driver reports the elements that ended with a code.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "standard/niv_catalogues.h"
#include "standard/verelement.h"

// Rebuilds the file's element table, classifies every element with the plan's scale class and
// appends one error per element with a code, in table order (the element type as extra value,
// the category label as object, the cell name as complement for a cell).
void ctrl_elementsV2(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers);

// Classifies one element: local cells on any level, then the first slot whose level id is the
// element's (2031 none), its type mask (2032), its cell list (2041), the components of the cells
// that have children rows (2043), else its rows in trial order. The file's model serves the
// components; any element and any level table may be given.
void regle_classerElementV2(verelement& element, const verniveauxv2& niveaux, std::int32_t classeEchelle,
                            const verfichier& fichier);

// A local cell ("CEL1" to "CEL14" of colour 4, "EP1", "EP2", "TLR1", "TLR2", "VDC1", "VDC2",
// "PRC1", "PRC2" of colour 7; weight 0): takes its comparison's code and the label
// "Cellule locale (name)", and gives 0. Any other element: 0x8000.
std::uint32_t regle_celluleLocaleV2(verelement& element, std::int32_t classeEchelle);
