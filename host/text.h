#pragma once
// Text conversions of the host's own files and outputs: resource files and the shell speak
// UTF-8; the single-byte fields of published dialog variables are ISO 8859-1.
#include <string>

namespace host::text {

// UTF-8 of a wide text; characters that are no Unicode scalar value become "_".
std::string toUtf8(const std::wstring& text);

// Wide text of UTF-8 bytes; a byte that starts no valid sequence (overlong forms included) is
// read as ISO 8859-1.
std::wstring fromUtf8(const std::string& bytes);

// ISO 8859-1 bytes of a wide text; characters above U+00FF become "_".
std::string toLatin1(const std::wstring& text);

// Wide text of ISO 8859-1 bytes.
std::wstring fromLatin1(const std::string& bytes);

// UTF-16 units of a wide text (the platform's wide strings, the clipboard's text): characters
// above U+FFFF become surrogate pairs, values beyond U+10FFFF "_".
std::u16string toUtf16(const std::wstring& text);

// Wide text of UTF-16 units: surrogate pairs joined; an unpaired surrogate is kept as it is.
std::wstring fromUtf16(const std::u16string& units);

}  // namespace host::text
