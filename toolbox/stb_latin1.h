#pragma once
// Text files and narrow strings of the system are one byte per character, ISO 8859-1, whatever
// the process locale (glibc's "C" locale is ASCII only), so both directions are done by hand.
#include <string>
#include <string_view>

// One byte per character; a character above U+00FF (or negative) becomes "_".
std::string stbLatin1_encoder(std::wstring_view texte);

// Each byte is the character of the same code.
std::wstring stbLatin1_decoder(std::string_view octets);
