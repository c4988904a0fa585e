#pragma once
// The host's LevelAudit tool, a built-in application: "mdl load levelaudit" loads it, and its
// key-ins "levelaudit set logfile <path>" and "levelaudit report mastertables" name its log and
// write the report on the active design file's master level tables (docs/level-audit.md).
#include <cstdint>
#include <optional>
#include <string>

namespace host::level_audit {

// The name under which the tool loads ("mdl load levelaudit", without regard to case).
inline constexpr const wchar_t* kName = L"levelaudit";

// Loads the tool: registers it as an application with its key-ins. Loading it again does
// nothing. Its id.
int load();

// The value of the host's mode byte 5 while the last report was written; none before any report
// (since the last reset).
std::optional<std::uint8_t> modeByteAtLastReport();
// Reports written since the last reset.
std::uint64_t reportCount();

// Forgets the log path and the figures above (tests).
void reset();

}  // namespace host::level_audit
