#pragma once
// The network display mask of a plan file: the levels on which the standard draws a selection of
// networks, states and contents.
#include <cstdint>

#include "engine/verplaninfo.h"
#include "host/level_mask.h"

// A fresh mask (the caller owns it) with bit (level id - 1) set for each level of the plan's theme
// file that the selection switches on: `reseaux` natureReseau bits, `etats` etatReseau bits and
// level families, `contenus` contenuNiveau bits, `drapeaux` non-zero for the flag-text levels.
// Levels the file lacks set no bit. A plan kind or theme outside the standard, or a record with
// no theme model, gives an empty mask.
host::LevelMask niv_masqueAffichage(std::uint32_t reseaux, std::uint32_t etats, std::uint32_t contenus,
                                    std::uint8_t drapeaux, const verplaninfo& plan);
