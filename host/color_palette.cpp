#include "host/color_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "host/application.h"

namespace host::colors {

struct Palette {
  std::vector<int> indexes;  // table index of each entry, -1 when unset
  int owner = 0;
};

namespace {

struct State {
  std::vector<std::unique_ptr<Palette>> palettes;
  bool refuse = false;
};

State& state() {
  static State s;
  return s;
}

// The table: eight primaries, sixteen greys, then a wheel of hues at three lightnesses.
std::array<Rgb, 256> buildTable() {
  std::array<Rgb, 256> t{};
  const Rgb primaries[8] = {{255, 255, 255}, {0, 0, 255}, {0, 255, 0}, {255, 0, 0},
                            {255, 255, 0},   {255, 0, 255}, {255, 128, 0}, {0, 255, 255}};
  for (int i = 0; i < 8; ++i) t[i] = primaries[i];
  for (int i = 0; i < 16; ++i) {
    const auto g = static_cast<std::uint8_t>(255 - i * 17);
    t[8 + i] = {g, g, g};
  }
  for (int i = 24; i < 256; ++i) {
    const int k = i - 24;
    const double hue = (k % 58) / 58.0 * 6.0;
    const double value = 1.0 - (k / 58) * 0.2;
    const double x = 1.0 - std::fabs(std::fmod(hue, 2.0) - 1.0);
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue)) {
      case 0: r = 1, g = x; break;
      case 1: r = x, g = 1; break;
      case 2: g = 1, b = x; break;
      case 3: g = x, b = 1; break;
      case 4: r = x, b = 1; break;
      default: r = 1, b = x; break;
    }
    auto c = [value](double v) { return static_cast<std::uint8_t>(std::lround(v * value * 255.0)); };
    t[i] = {c(r), c(g), c(b)};
  }
  return t;
}

Palette* live(const Palette* p) {
  for (auto& owned : state().palettes)
    if (owned.get() == p) return owned.get();
  return nullptr;
}

}  // namespace

Rgb tableColor(int index) {
  static const std::array<Rgb, 256> table = buildTable();
  if (index < 0 || index > 255) return {};
  return table[static_cast<std::size_t>(index)];
}

std::wstring hex(const Rgb& rgb) {
  wchar_t buf[8];
  std::swprintf(buf, 8, L"#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
  return buf;
}

Palette* createPalette(int size) {
  if (size < 1 || state().refuse) return nullptr;
  auto p = std::make_unique<Palette>();
  p->indexes.assign(static_cast<std::size_t>(size), -1);
  p->owner = application::currentId();
  state().palettes.push_back(std::move(p));
  return state().palettes.back().get();
}

void destroyPalette(Palette* palette) {
  auto& v = state().palettes;
  v.erase(std::remove_if(v.begin(), v.end(), [palette](const auto& p) { return p.get() == palette; }), v.end());
}

bool setEntryFromTable(Palette* palette, int entry, int colorIndex) {
  Palette* p = live(palette);
  if (!p || entry < 0 || entry >= static_cast<int>(p->indexes.size()) || colorIndex < 0 || colorIndex > 255) return false;
  p->indexes[static_cast<std::size_t>(entry)] = colorIndex;
  return true;
}

int entryColorIndex(const Palette* palette, int entry) {
  const Palette* p = live(palette);
  if (!p || entry < 0 || entry >= static_cast<int>(p->indexes.size())) return -1;
  return p->indexes[static_cast<std::size_t>(entry)];
}

std::optional<Rgb> entryColor(const Palette* palette, int entry) {
  const Palette* p = live(palette);
  if (!p || entry < 0 || entry >= static_cast<int>(p->indexes.size())) return std::nullopt;
  const int index = p->indexes[static_cast<std::size_t>(entry)];
  return index < 0 ? Rgb{} : tableColor(index);
}

int paletteSize(const Palette* palette) {
  const Palette* p = live(palette);
  return p ? static_cast<int>(p->indexes.size()) : 0;
}

bool isPalette(const Palette* palette) { return palette && live(palette); }

void setRefusePalettes(bool refuse) { state().refuse = refuse; }

void destroyOwnedBy(int owner) {
  auto& v = state().palettes;
  v.erase(std::remove_if(v.begin(), v.end(), [owner](const auto& p) { return p->owner == owner; }), v.end());
}

}  // namespace host::colors
