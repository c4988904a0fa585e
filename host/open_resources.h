#pragma once
// Resource files opened by path into host handles, with or without a running application (a
// library that is only linked opens its file this way). Handles are process-wide, start at 1 and
// are never given twice, so a closed handle names nothing rather than another file. A file opened
// while an application runs is that application's and is closed when it unloads.
#include <cstdint>
#include <string>

#include "host/resource_file.h"

namespace host::resources {

// Opens and parses a resource file (path resolved without regard to case). The handle (> 0), or 0
// with a French error when the file is missing, is not a regular file or is refused.
std::uint32_t openFile(const std::wstring& path, std::wstring* error = nullptr);

// Closes a handle; false when it names no open file.
bool closeFile(std::uint32_t handle);

// The file behind an open handle; null for 0 and for closed or unknown handles. The pointer stays
// valid until the handle is closed.
const ResourceFile* openedFile(std::uint32_t handle);

// Closes every file an application opened (its unloading).
void closeOwnedBy(int owner);

std::size_t openFileCount();

}  // namespace host::resources
