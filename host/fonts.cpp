#include "host/fonts.h"

#include <array>

#include "host/paths.h"

namespace host {

namespace {

// The fonts installed with the host, by number.
const std::array<Font, 9> kFonts{{
    {0, L"STANDARD"},
    {1, L"WORKING"},
    {2, L"FANCY"},
    {3, L"ENGINEERING"},
    {42, L"INTL_ENGINEERING"},
    {100, L"Arial"},
    {101, L"Arial Narrow"},
    {102, L"Courier New"},
    {103, L"Times New Roman"},
}};

TextStyle& active() {
  static TextStyle style;
  return style;
}

}  // namespace

std::optional<Font> findFont(const std::wstring& name) {
  for (const auto& f : kFonts)
    if (paths::equalNoCase(f.name, name)) return f;
  return std::nullopt;
}

const TextStyle& activeTextStyle() { return active(); }

void setActiveTextStyle(const TextStyle& style) { active() = style; }

}  // namespace host
