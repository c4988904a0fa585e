#include "host/text.h"

namespace host::text {
namespace {

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    auto c = static_cast<char32_t>(w);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = U'_';
    appendUtf8(out, c);
  }
  return out;
}

std::wstring fromUtf8(const std::string& bytes) {
  std::wstring out;
  size_t i = 0;
  while (i < bytes.size()) {
    auto b = static_cast<unsigned char>(bytes[i]);
    int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
    bool valid = b < 0x80 || extra > 0;
    char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
    if (extra > 0 && i + extra < bytes.size()) {
      for (int k = 1; k <= extra; ++k) {
        auto n = static_cast<unsigned char>(bytes[i + k]);
        if ((n & 0xC0) != 0x80) {
          valid = false;
          break;
        }
        c = (c << 6) | (n & 0x3F);
      }
    } else if (extra > 0) {
      valid = false;
    }
    // An overlong form (E0 80 AF for "/", E0 80 80 for a null character) is no character: its
    // bytes are kept one by one, as invalid bytes are.
    const char32_t least = extra == 3 ? 0x10000 : extra == 2 ? 0x800 : 0;
    if (valid && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) {
      out.push_back(static_cast<wchar_t>(c));
      i += 1 + extra;
    } else {
      out.push_back(static_cast<wchar_t>(b));
      i += 1;
    }
  }
  return out;
}

std::string toLatin1(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out.push_back(c >= 0 && c <= 0xFF ? static_cast<char>(c) : '_');
  return out;
}

std::wstring fromLatin1(const std::string& bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) out.push_back(static_cast<wchar_t>(c));
  return out;
}

std::u16string toUtf16(const std::wstring& text) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    auto u = static_cast<char32_t>(c);
    if (u >= 0x10000 && u <= 0x10FFFF) {
      u -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (u >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (u & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(u > 0x10FFFF ? u'_' : u));
    }
  }
  return out;
}

std::wstring fromUtf16(const std::u16string& units) {
  std::wstring out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    out.push_back(static_cast<wchar_t>(c));
  }
  return out;
}

}  // namespace host::text
