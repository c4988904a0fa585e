#pragma once
// The file set of a plan under check, and the plan record that the checks of one theme read.
#include <cstdint>
#include <string>

#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"

// The file set of the plan `nom` in `repertoire` (the Livre directory for the delivered plan, the
// Origine directory for its previous version). Names and paths are upper-cased (the host finds
// files whatever their case). One-file plan (kind 1): slot 0 is the plan's file; three-file plan
// (kind 2): slots 0, 1 and 2 are its FP2, EL2 and AR2 files. Each slot tells whether its file
// exists and is read-only; nothing is opened. The projection comes from the fixed table by the
// coordinate-system key.
void plan_construire(verplanfichiers& sortie, const std::wstring& nom, std::int32_t type, std::int32_t version,
                     const std::wstring& cleProjection, const std::wstring& repertoire);

// The plan record of a file set for the theme `masqueTheme` (62 electricity, 1984 gas, 6144
// other networks): the main file (slot 0) and its model, and the model of the theme's file (a
// one-file plan's own model, the EL2 model for 62, the AR2 model for 6144, none otherwise). The
// models are the file set's: the record does not own them.
void plan_copierIdentite(verplaninfo& sortie, const verplanfichiers& fichiers, std::uint32_t masqueTheme);
