#pragma once
// The rule books of the three files of a three-file plan: each classifies one element of its
// file by level, type and cell name and compares its symbology with the standard's rows, writing
// the element's error code (0 when it conforms) and its category. Each is callable on any
// element with any level table (the comparison with the previous version uses them too).
#include <cstdint>
#include <span>
#include <vector>

#include "engine/verplanfichiers.h"
#include "standard/element_table.h"
#include "standard/niv_catalogues.h"
#include "standard/regle_livreV3.h"
#include "standard/verelement.h"

// Background file (FP2).
void regle_classerElementFdpV3(verelement& element, const verniveauxfdp& niveaux, const vercouples& couples,
                               std::int32_t classeEchelle);
// The background book's slots in test order (regle_livreFdpV3_table.cpp).
std::span<const regle_slotV3> regle_livreFdpV3();

// Electricity file (EL2) and other-networks file (AR2): the file's model serves the children
// check of the cells that have children rows.
void regle_classerElementElecV3(verelement& element, const verniveauxele& niveaux, const vercouples& couples,
                                std::int32_t classeEchelle, const verfichier& fichier);
void regle_classerElementAutreV3(verelement& element, const verniveauxaut& niveaux, const vercouples& couples,
                                 std::int32_t classeEchelle, const verfichier& fichier);
// The two books' slots in test order (regle_livreElecV3_table.cpp, regle_livreAutreV3_table.cpp).
std::span<const regle_slotV3> regle_livreElecV3();
std::span<const regle_slotV3> regle_livreAutreV3();
