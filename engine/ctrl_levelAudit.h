#pragma once
// The host's LevelAudit run on a plan file: the tool, driven by key-ins, reports in its log
// whether the file holds several master level tables. Each process names a log of its own in the
// temporary directory ("LevelAudit_Log_<process>.txt"), so that two hosts verifying at once never
// read each other's findings; the log is removed once read.
#include <cstdint>
#include <string>
#include <vector>

// The run could not be made or its log not read back: the plan's level tables are unknown.
inline constexpr std::int32_t ctrl_levelAuditImpossible = -1;

// Runs LevelAudit on the file: 0, or 32768 when its log reports the finding. 0 without running
// when the file does not exist. ctrl_levelAuditImpossible when the temporary directory is
// unusable, an old log cannot be removed, the file cannot be made the active design file, or the
// log is not there to be read after the report. The host's active design file (none included),
// its working drawing and mode byte 5 are as before.
std::int32_t ctrl_levelAudit(const std::wstring& cheminFichier);

// The finding in the lines of a log: 32768 when a line from the second on begins with "ERREUR"
// and the line before it begins with "MESSAGE" and holds " fichier " (exact, case-sensitive).
std::int32_t ctrl_levelAuditJournal(const std::vector<std::wstring>& lignes);
