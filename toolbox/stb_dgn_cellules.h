#pragma once
// The cells of a model read in one pass and kept: the frame, title-block and identification-cell
// searches and the pairing of annotation cells look at a plan file's cells many times over.
#include <memory>
#include <string_view>
#include <vector>

#include "host/element.h"
#include "host/model_ref.h"

struct stbCellule {
  host::ElementId id = 0;
  const host::Element* element = nullptr;  // the model's own, valid while the model is open and unchanged
  // The cell's name as stbElem_lireCellule gives it (its first 512 characters), without a copy.
  std::wstring_view nom() const;
};

// The cells (type 2) of the model, in scan order. Kept while the model is open read-only (it
// cannot change then); a model that may change is read again at each call. Empty for an invalid
// model.
std::shared_ptr<const std::vector<stbCellule>> stbDgn_cellules(host::ModelRef modele);
