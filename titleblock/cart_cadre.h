#pragma once
// The frame cell of a plan: its kind (1 one-file plan, 2 three-file plan), its version (scale
// class: 1 for 1:200 sizes, 2 for 1:500 sizes), whether it is georeferenced, and the plan's
// projection short code.
#include <cstdint>
#include <string>

#include "host/geom_types.h"
#include "host/model_ref.h"

// Reads the frame: the first cell, in scan order, named A1, A4X4, A15, A4X45 or CADA1C (exact).
// Georeferenced: the origin's x is above 10000.0 master units. Projection code: for a
// three-file plan the zone of the file's grid-cell name, for a one-file plan the "PRJ=" text
// beside the title block; empty when there is none. Every output is optional. 0, or 32768 when the
// model is null or holds no frame, the outputs then left as they were.
std::uint32_t cart_lireCadre(std::uint32_t* type, std::uint32_t* version, bool* georeference, std::wstring* codeProjection,
                             std::uint64_t* idCadre, host::RotMatrix* rotation, host::ModelRef modele);
