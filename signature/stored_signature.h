#pragma once
// The statistics record stored in a signed plan: one type-66 element holding the identifier 17732
// at byte 34, the record's stored form following it, converted by data definition 3 of the
// library's resource file.
#include <cstdint>

#include "host/model_ref.h"
#include "signature/signature_record.h"

namespace brevane {

// Handle of the library's resource file; 0 when none is open. The library's application opens it
// once (MdlMain) and closes it when it unloads; otherwise each read opens and closes the file named
// by BREVANE_MAFILE.
extern std::uint32_t resourceHandle;

// Reads the stored record into `record`: 6 when a record was converted, or 1 (no type-66 element,
// on level 20 when the model has that level), 2, 3, 4 or 5 (see brevane.h). Every element carrying
// the identifier is converted in turn, the last one giving the record; any failed conversion is 5.
int ReadStoredSignature(SignatureRecord& record, host::ModelRef model);

}  // namespace brevane
