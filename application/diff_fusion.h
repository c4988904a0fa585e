#pragma once
// Merging, in the differences drawing, the cable pieces that run between two accessories.
#include "host/model_ref.h"

// Joins the cable pieces of the differences model that meet end to end between accessories into one
// element per run, moving their texts into its group; a run that cannot be joined whole stays as drawn.
void diff_fusionnerTroncons(host::ModelRef modele);
