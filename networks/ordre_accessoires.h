#pragma once
// Accessory order at the network cells and dangling cable ends.
#include <cstdint>
#include <vector>
#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "host/model_ref.h"
#include "networks/verreseau.h"
#include "standard/verelement.h"

std::int32_t cable_controlerOrdreAccessoires(std::vector<vererreur>& erreurs, const verreseau& reseau,
                                             const verfichier& fichier, const verplaninfo& plan);
std::int32_t cable_controlerBoutPendant(std::vector<vererreur>& erreurs, const verelement& element,
                                        std::uint8_t debut, std::int32_t noeud, const verreseau& reseau,
                                        const verfichier& fichier, host::ModelRef modelePrecedent,
                                        const std::vector<host::ModelRef>& voisins);
std::int32_t cable_extremiteAnterieure(const versegment& segment, host::ModelRef modelePrecedent);
