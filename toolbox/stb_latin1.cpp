#include "toolbox/stb_latin1.h"

std::string stbLatin1_encoder(std::wstring_view texte) {
  std::string out;
  out.reserve(texte.size());
  for (wchar_t c : texte) out.push_back(c >= 0 && c <= 0xFF ? static_cast<char>(c) : '_');
  return out;
}

std::wstring stbLatin1_decoder(std::string_view octets) {
  std::wstring out;
  out.reserve(octets.size());
  for (char b : octets) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(b)));
  return out;
}
