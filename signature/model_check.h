#pragma once
// The check of a model against its stored record, and of a plan file.
#include <cstdint>
#include <string>

#include "host/model_ref.h"
#include "signature/signature_record.h"

namespace brevane {

// 0 when the colour, weight, level and type counters agree (compared in that order), else 6. The
// identifier, the producer words and the tail are not compared.
int CompareRecords(const SignatureRecord& stored, const SignatureRecord& counted);

// The result of BrevaneModelQuorel (brevane.h).
int CheckModel(host::ModelRef model);

// The model check of a plan file opened read-only for the call and closed again; 1 when the file
// cannot be opened.
int CheckPlanFile(const std::wstring& path);

}  // namespace brevane
