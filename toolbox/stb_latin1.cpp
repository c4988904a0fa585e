#include "toolbox/stb_latin1.h"

#include "host/text.h"

std::string stbLatin1_encoder(std::wstring_view texte) { return host::text::toLatin1(std::wstring(texte)); }

std::wstring stbLatin1_decoder(std::string_view octets) { return host::text::fromLatin1(std::string(octets)); }
