#pragma once
// Scans of a model for file positions, in batches of 125 positions as the host hands them out.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "host/model_ref.h"

namespace brevane {

// A scan criteria held for the length of a scope and freed on every path out of it.
using ScanCriteriaGuard = std::unique_ptr<host::ScanCriteria>;

// Adds one element-type test per type.
void AddElementTypeTests(host::ScanCriteria& criteria, std::span<const int> types);

// Every file position the scan gives, in order, up to the end of the model; a status other than
// the end of the model, a full buffer or 12 ends the scan with the positions collected so far.
// Returns the number of batches asked of the host.
int CollectScanFilePositions(host::ModelRef model, const host::ScanCriteria& criteria,
                             std::vector<std::uint32_t>& positions);

}  // namespace brevane
