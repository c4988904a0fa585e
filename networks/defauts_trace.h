#pragma once
// Trace defects of the drawn cables: turn backs, confused vertices, cables drawn over each other.
#include <cstdint>
#include <vector>
#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "standard/verelement.h"

std::int32_t cable_controlerAllerRetour(std::vector<vererreur>& erreurs, double angle, double distance,
                                        const verfichier& fichier);
std::int32_t cable_controlerSommetsConfondus(std::vector<vererreur>& erreurs, double distance,
                                             const verfichier& fichier);
std::int32_t cable_controlerCablesSuperposes(std::vector<vererreur>& erreurs, const verelement& element,
                                             double distance, const verfichier& fichier, const verplaninfo& plan);
