#pragma once
// The host's 256-colour table and the colour palettes that applications build from it (for
// example to colour list-box cells). A palette is owned by the host and reached through its
// handle until destroyed; the palettes of an application are destroyed when it unloads.
#include <cstdint>
#include <optional>
#include <string>

namespace host::colors {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour `index` (0 to 255) of the host's colour table; indexes outside give black.
Rgb tableColor(int index);

// "#rrggbb".
std::wstring hex(const Rgb& rgb);

struct Palette;

// A palette of `size` entries, all black; null when the host refuses it (size below 1, or the
// refusal switch is on).
Palette* createPalette(int size);

// Destroys a palette; a null or unknown handle is ignored.
void destroyPalette(Palette* palette);

// Sets entry `entry` to colour `colorIndex` of the table; false on a bad handle or index.
bool setEntryFromTable(Palette* palette, int entry, int colorIndex);

// The colour of an entry, and the table index it was set from (-1 when never set).
std::optional<Rgb> entryColor(const Palette* palette, int entry);
int entryColorIndex(const Palette* palette, int entry);
int paletteSize(const Palette* palette);

// True while `palette` is a live palette of the host.
bool isPalette(const Palette* palette);

// Test switch: while on, createPalette refuses every palette.
void setRefusePalettes(bool refuse);

// Destroys the palettes created while application `owner` was running.
void destroyOwnedBy(int owner);

}  // namespace host::colors
