#pragma once
// The clipboard. Applications open it, empty it, set or get data by format and close it; the
// shell and tests read and set its text directly. Only Unicode text is kept (format 13: UTF-16
// units with their terminating zero). A buffer returned by getData is freed with freeMemory.
#include <cstddef>
#include <optional>
#include <string>

namespace host::clipboard {

constexpr int formatUnicodeText = 13;

// False when the clipboard is already open or unavailable (test switch).
bool open();
void close();
bool isOpen();
// Empties the clipboard; false unless opened.
bool empty();
// Sets data; false unless opened, or for another format than Unicode text. `bytes` counts the
// terminating zero; the text ends at the first zero unit.
bool setData(int format, const void* data, std::size_t bytes);
// A copy of the data in a buffer of the host's allocator (UTF-16 units with a terminating zero),
// or false when not opened or no data of that format.
bool getData(int format, void** data, std::size_t* bytes);
void freeMemory(void* buffer);

// Direct access (shell, tests).
std::optional<std::wstring> text();
void setText(const std::wstring& text);
void clear();
// Test switch: while on, open() fails.
void setUnavailable(bool unavailable);

}  // namespace host::clipboard
