#include "signature/model_statistics.h"

#include "signature/scan_positions.h"

namespace brevane {
namespace {

void increment(std::int16_t& counter) {
  counter = static_cast<std::int16_t>(static_cast<std::uint16_t>(counter) + 1u);
}

// The counter of `value` in a range whose lowest value `lowest` is counted at word `word`; null
// when the value has no counter.
std::int16_t* counter(SignatureRecord& record, int word, int count, long long lowest, long long value) {
  if (value < lowest || value >= lowest + count) return nullptr;
  return &record.words[word + (value - lowest)];
}

}  // namespace

bool isComplexHeader(int type) {
  return type == host::ElementType::Cell || type == host::ElementType::TextNode ||
         type == host::ElementType::ComplexChain || type == host::ElementType::ComplexShape;
}

bool GetFirstComponentSymbology(const std::vector<host::Element>& components, int& level, int& colour, int& weight) {
  for (const host::Element& c : components) {
    if (isComplexHeader(c.type)) {
      if (GetFirstComponentSymbology(c.children, level, colour, weight)) return true;
      continue;
    }
    level = static_cast<int>(c.level);
    colour = static_cast<std::int32_t>(c.colour);
    weight = static_cast<std::int32_t>(c.weight);
    return true;
  }
  return false;
}

int ComputeModelStatistics(SignatureRecord& record, host::ModelRef model) {
  ScanCriteriaGuard criteria = std::make_unique<host::ScanCriteria>();
  AddElementTypeTests(*criteria, kCountedTypes);
  std::vector<std::uint32_t> positions;
  const int batches = CollectScanFilePositions(model, *criteria, positions);
  const host::Model* m = host::model(model);
  if (!m) return batches;
  for (std::uint32_t position : positions) {
    const host::Element* e = m->findByPosition(position);
    if (!e) continue;  // an unreadable position is skipped
    long long level = e->level;
    int colour = static_cast<std::int32_t>(e->colour);
    int weight = static_cast<std::int32_t>(e->weight);
    if (isComplexHeader(e->type)) {
      int l = 0;
      if (!GetFirstComponentSymbology(e->children, l, colour, weight)) continue;
      level = static_cast<std::uint32_t>(l);
    }
    if (colour == -1) colour = 255;
    if (weight == -1) weight = 8;
    if (auto* c = counter(record, kTypeWord, kTypeCount, 1, e->type)) increment(*c);
    if (auto* c = counter(record, kLevelWord, kLevelCount, 1, level)) increment(*c);
    if (auto* c = counter(record, kColourWord, kColourCount, 0, colour)) increment(*c);
    if (auto* c = counter(record, kWeightWord, kWeightCount, 0, weight)) increment(*c);
  }
  return batches;
}

}  // namespace brevane
