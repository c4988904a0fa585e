#pragma once
// The recount of a model: its elements by type, level, colour and weight, as the signing side
// counts them.
#include <array>
#include <vector>

#include "host/element.h"
#include "host/model_ref.h"
#include "signature/signature_record.h"

namespace brevane {

// The element types that are counted; other types are not.
inline constexpr std::array<int, 24> kCountedTypes = {2, 3, 4, 6, 7, 11, 12, 14, 15, 16, 17, 18,
                                                      19, 21, 22, 23, 24, 25, 26, 27, 28, 33, 35, 36};

// Headers whose symbology is that of their first simple component: cells, text nodes, complex
// chains and complex shapes.
bool isComplexHeader(int type);

// The level, colour and weight of the first component that is not itself a header, searched depth
// first through nested headers; false when there is none.
bool GetFirstComponentSymbology(const std::vector<host::Element>& components, int& level, int& colour, int& weight);

// Adds the model's counts to the record's counters (16-bit, wrapping). Levels outside 1 to 256,
// colours outside 0 to 255 and weights outside 0 to 15 have no counter and are not counted;
// colour -1 (by level) counts as 255, weight -1 as 8. A header without a simple component is not
// counted at all. Returns the number of scan batches.
int ComputeModelStatistics(SignatureRecord& record, host::ModelRef model);

}  // namespace brevane
