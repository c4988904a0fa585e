#pragma once
// Design files kept loaded while a piece of work reads them again and again (see the cache of
// loaded files in model_ref.h).
#include <string>

namespace host {

// Keeps a design file in the cache, whatever its size, from its next load (or now, when it is
// loaded) until it is unpinned as many times as it was pinned: work that checks and opens the
// same files again and again reads and parses each once. The file still goes when it changes on
// disk. Other files are dropped first when the cache is over its budget; an unpinned file stays
// only as the budget allows.
void pinDesignFile(const std::wstring& path);
void unpinDesignFile(const std::wstring& path);

}  // namespace host
