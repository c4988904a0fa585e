#include "signature/scan_positions.h"

#include <algorithm>

namespace brevane {
namespace {

constexpr std::size_t kBufferWords = 250;  // 125 positions of 32 bits
constexpr int kScanNextRange = 12;

}  // namespace

void AddElementTypeTests(host::ScanCriteria& criteria, std::span<const int> types) {
  criteria.types.insert(criteria.types.end(), types.begin(), types.end());
}

int CollectScanFilePositions(host::ModelRef model, const host::ScanCriteria& criteria,
                             std::vector<std::uint32_t>& positions) {
  positions.clear();
  positions.reserve(500);
  std::uint32_t buffer[kBufferWords / 2] = {};
  std::uint32_t start = 0;
  int batches = 0;
  while (start != host::kScanEndPosition) {
    const host::PositionBatch batch = host::scanPositionBatch(model, criteria, start, buffer, kBufferWords);
    ++batches;
    const bool last = batch.status == host::kScanEndOfModel;
    if (!last && batch.status != host::kScanBufferFull && batch.status != kScanNextRange) break;
    // A scan that does not move on would never end.
    if (!last && batch.next <= start) break;
    start = batch.next;
    if (batch.status == host::kScanBufferFull && batch.words < 2) continue;
    if (batch.words < 2) break;
    const std::size_t count = std::min(batch.words / 2, kBufferWords / 2);
    for (std::size_t i = buffer[0] == 0 ? 1 : 0; i < count; ++i) positions.push_back(buffer[i]);
    if (last) break;
  }
  return batches;
}

}  // namespace brevane
