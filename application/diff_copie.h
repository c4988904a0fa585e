#pragma once
// One plan's differences copied into the differences drawing.
#include "engine/halvorn.h"
#include "host/model_ref.h"

// Copies into `modele` (the open differences drawing) the elements that the plan's comparison
// list records as added (from the delivered file) or removed (from the previous version in the
// folder's Origine directory): only the electricity file's records for a three-file plan. Each
// copy goes on its difference level with its symbology, placed in the folder's coordinate
// system, and elements that shared a graphic group in their source share a new one, numbered on
// from the drawing's counter. Elements not found, not classified or without a difference level
// are left out; nothing is shown. The plan's files are closed again.
void diff_copierElementsPlan(host::ModelRef modele, const verplan& plan, const verdossier& dossier);
