#pragma once
// The file checks of a plan's DGN files, run before any other check: the format, the units, the
// dimension, the number of models and the global origin that the drawing standard requires, and
// the gas file that a three-file plan must not carry beside it.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "host/model_ref.h"

// Whether a model has the units the drawing standard requires (1 UOR per sub-unit, 1000
// sub-units per master unit, each within 0.1): only then do its coordinates place it among the
// other plans.
bool ctrl_unitesNorme(host::ModelRef modele);

// Checks one file: nothing for a file that does not exist; else 2012 when it does not open, or
// in this order 1007 (format other than V8), 1004 (3D), 1001 (units other than 1 UOR per
// sub-unit and 1000 sub-units per master unit, each within 0.1), 1010 (more than one model) and
// 1003 (global origin farther than 1.0 from (0, 0) in XY). Each error carries the file's path as
// file and complement. The file is closed again unless it is the active model. 0, or 0x8000 when
// errors were added.
std::int32_t ctrl_fichier(std::vector<vererreur>& erreurs, verfichier& fichier);

// A three-file plan whose main file has a "GZ2" sibling gets 1008, with the main file's path as
// file and the gas file's path as complement. 0, or 0x8000 when the error was added; other plan
// kinds: 0.
std::int32_t ctrl_fichierGaz(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers);
