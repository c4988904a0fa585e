#pragma once
// Records kept inside elements in a stored form and read back into a C struct through a data
// definition named by number in an open resource file (docs/resource-file.md). The stored form is
// the definition's fields one after the other without padding, numbers little-endian; the struct
// is the definition's layout as a C compiler gives it (host::dialog_variable::layoutOf).
#include <cstddef>
#include <cstdint>

#include "host/resource_file.h"

namespace host::stored_form {

enum Status : int {
  kSuccess = 0,
  kNoResourceFile = 1,   // the handle names no open resource file
  kNoDefinition = 2,     // the file has no definition of that number
  kShortBuffer = 3,      // fewer stored bytes than the definition describes
  kRecordTooSmall = 4,   // the struct given is smaller than the definition's layout
};

// Bytes of a definition's stored form.
std::size_t storedSize(const resources::DataDefinition& definition);

// Converts `storedBytes` bytes of stored form into `record` (`recordSize` bytes) with definition
// `definitionNumber` of the resource file `resourceHandle` (host::resources::openFile). Bytes
// beyond the stored form are ignored. On failure nothing is written.
int bufferFromFileFormat(void* record, std::size_t recordSize, std::uint32_t resourceHandle, int definitionNumber,
                         const std::uint8_t* stored, std::size_t storedBytes);

}  // namespace host::stored_form
