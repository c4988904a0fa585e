#pragma once
// The summary's requests to the verification library, with their messages and the rows refreshed.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"

void bilan_verifierPlan(verdossier& dossier, std::int32_t plan);
void bilan_verifierListe(verdossier& dossier, const std::vector<std::int32_t>& plans);
// 0 lets the caller open the description dialog; 0x8000 stops it.
std::int32_t bilan_comparerPlan(verdossier& dossier, std::int32_t plan);
// Works out the plans' title-block codes and records them in "Quadrigramme.csv".
void bilan_actualiserCartouches(verdossier& dossier, const std::vector<std::int32_t>& plans);
