#pragma once
// The host's global mode flags: a block of bytes that the host and its tools read and that an
// application may set around a call. Byte 5 is set by callers of the LevelAudit report
// (docs/level-audit.md); the host gives no other byte a meaning. All bytes start at 0.
#include <array>
#include <cstddef>
#include <cstdint>

namespace host {

constexpr std::size_t kGlobalModeBytes = 16;
using GlobalModes = std::array<std::uint8_t, kGlobalModeBytes>;

GlobalModes& globalModes();
// Every byte back to 0 (tests).
void resetGlobalModes();

}  // namespace host
