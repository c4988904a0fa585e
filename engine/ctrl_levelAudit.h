#pragma once
// The host's LevelAudit run on a plan file: the tool, driven by key-ins, reports in its log
// "LevelAudit_Log.txt" (temporary directory) whether the file holds several master level tables.
#include <cstdint>
#include <string>
#include <vector>

// Runs LevelAudit on the file: 0, or 32768 when its log reports the finding. 0 without running
// when the file does not exist, the temporary directory is unusable or an old log cannot be
// removed, and without a report when the file cannot be made the active design file. The
// host's active design file (none included), its working drawing and mode byte 5 are as before.
std::int32_t ctrl_levelAudit(const std::wstring& cheminFichier);

// The finding in the lines of a log: 32768 when a line from the second on begins with "ERREUR"
// and the line before it begins with "MESSAGE" and holds " fichier " (exact, case-sensitive).
std::int32_t ctrl_levelAuditJournal(const std::vector<std::wstring>& lignes);
