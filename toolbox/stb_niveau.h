#pragma once
// Levels of a model: names by id, and a view level mask made from level names.
#include <cstdint>
#include <string>
#include <vector>

#include "host/level_mask.h"
#include "host/model_ref.h"

// A mask shaped like view 0's level display mask of the model, with only the bits (id - 1) of
// the named levels set (the single name when not empty, then every name of the list). Names are
// exact; names the model lacks, and levels of id 0, set nothing. The caller owns the mask.
void stbNiveau_masqueVue(host::LevelMask& masque, const std::wstring& nomNiveau,
                         const std::vector<std::wstring>& nomsNiveaux, host::ModelRef modele);

// The level's name, or empty when the model has no such level.
const std::wstring& stbNiveau_nom(std::wstring& nom, host::ModelRef modele, std::uint32_t idNiveau);

// The id of the model's level of that exact name, created when missing (saved with the file).
// 0 when it neither exists nor can be made, with "Impossible de créer le niveau %s." in the
// message list.
std::uint32_t stbNiveau_creer(host::ModelRef modele, const std::wstring& nom);
