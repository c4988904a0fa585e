#include "signature/model_check.h"

#include <algorithm>

#include "signature/model_statistics.h"
#include "signature/stored_signature.h"

namespace brevane {

int CompareRecords(const SignatureRecord& stored, const SignatureRecord& counted) {
  const struct {
    int first, count;
  } ranges[] = {{kColourWord, kColourCount}, {kWeightWord, kWeightCount}, {kLevelWord, kLevelCount}, {kTypeWord, kTypeCount}};
  for (const auto& r : ranges)
    if (!std::equal(stored.words + r.first, stored.words + r.first + r.count, counted.words + r.first)) return 6;
  return 0;
}

int CheckModel(host::ModelRef model) {
  SignatureRecord stored{}, counted{};
  if (!host::isValid(model)) return 1;
  const int read = ReadStoredSignature(stored, model);
  if (read != 6) return read;
  ComputeModelStatistics(counted, model);
  return CompareRecords(stored, counted);
}

int CheckPlanFile(const std::wstring& path) {
  host::ModelRef model;
  if (host::openWorkFile(&model, nullptr, nullptr, path, L"", true) != host::kSuccess) return 1;
  const int result = CheckModel(model);
  host::closeWorkFile(model);
  return result;
}

}  // namespace brevane
