#pragma once
// The element types that each bit of a rule's type mask admits.
#include <array>
#include <cstdint>

struct element_bitTypes {
  std::uint8_t bit;
  std::array<std::int32_t, 4> types;  // 0 pads
};

inline constexpr std::array<element_bitTypes, 7> element_masquesTypes = {{
    {1, {2, 0, 0, 0}},       // cell
    {2, {3, 4, 12, 0}},      // line, line string, complex chain (not the curve 11)
    {4, {3, 4, 12, 16}},     // the same and the arc
    {8, {6, 14, 0, 0}},      // shape, complex shape
    {16, {6, 14, 15, 0}},    // the same and the ellipse
    {32, {17, 7, 0, 0}},     // text, text node
    {64, {33, 0, 0, 0}},     // dimension
}};
