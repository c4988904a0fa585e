#pragma once
// The system fonts the host knows, and the active text style used for new texts.
#include <cstdint>
#include <optional>
#include <string>

namespace host {

struct Font {
  std::uint32_t number = 0;
  std::wstring name;
};

// A font by name, compared without regard to case; the font's own spelling comes back.
std::optional<Font> findFont(const std::wstring& name);

// Sizes in UORs of the active model.
struct TextStyle {
  std::wstring font = L"STANDARD";
  double width = 1000.0;
  double height = 1000.0;
  double lineSpacing = 500.0;
  std::uint32_t justification = 2;  // left, baseline
  bool underline = false;
  std::uint32_t colour = 0;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

const TextStyle& activeTextStyle();
void setActiveTextStyle(const TextStyle& style);

}  // namespace host
