#include "host/level_audit.h"

#include "host/application.h"
#include "host/commands.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "host/paths.h"
#include "host/text.h"

namespace host::level_audit {
namespace {

constexpr std::uint64_t kSetLogfile = 0x7A10000000000001ULL;
constexpr std::uint64_t kReportMasterTables = 0x7A10000000000002ULL;

struct State {
  std::wstring logFile;
  std::optional<std::uint8_t> modeByte;
  std::uint64_t reports = 0;
};

State& state() {
  static State s;
  return s;
}

// The log, written whole through a temporary file renamed over it; nothing when it cannot be, as
// in a folder that nobody may write.
void writeLog(const std::wstring& path, const std::string& text) {
  try {
    const boost::filesystem::path target = paths::resolveForWriting(path);
    if (!paths::hasWriteBit(target.parent_path())) return;
    paths::writeReplacing(target, text);
  } catch (...) {
  }
}

void setLogfile(const wchar_t* argument) { state().logFile = argument ? argument : L""; }

void reportMasterTables(const wchar_t*) {
  State& s = state();
  s.modeByte = globalModes()[5];
  ++s.reports;
  if (s.logFile.empty()) return;
  std::wstring log = L"LevelAudit - rapport des tables de niveaux principales\n";
  const ModelRef active = activeModel();
  const DesignFile* file = designFile(active);
  if (!file) {
    log += L"MESSAGE : aucun fichier de dessin actif\n";
  } else {
    log += L"MESSAGE : audit du fichier " + activeFileName() + L"\n";
    const std::uint32_t tables = file->header.masterLevelTables;
    if (tables > 1)
      log += L"ERREUR : " + std::to_wstring(tables) + L" tables de niveaux principales dans le fichier\n";
    else
      log += L"INFO : une table de niveaux principale\n";
  }
  writeLog(s.logFile, text::toUtf8(log));
}

}  // namespace

int load() {
  if (const application::Application* app = application::find(kName)) return app->id;
  const int id = application::registerInProcess(kName);
  application::CallScope scope(id);
  static const commands::CommandRow table[] = {
      {&setLogfile, kSetLogfile}, {&reportMasterTables, kReportMasterTables}, {nullptr, 0}};
  commands::registerCommandNumbers(table);
  resources::ResourceFile keyins;
  keyins.commands = {{L"levelaudit set logfile", kSetLogfile}, {L"levelaudit report mastertables", kReportMasterTables}};
  commands::loadCommandTable(keyins);
  return id;
}

std::optional<std::uint8_t> modeByteAtLastReport() { return state().modeByte; }
std::uint64_t reportCount() { return state().reports; }

void reset() { state() = State{}; }

}  // namespace host::level_audit
