// The LevelAudit log as the engine reads it: the input is the log file, read back into lines by
// the toolbox's line reader, then searched for the finding.
#include <vector>

#include "engine/ctrl_levelAudit.h"
#include "fuzz/harness.h"
#include "toolbox/stb_fichier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring journal = fuzz::dossierTemporaire() + L"LevelAudit_Log.txt";
  if (!fuzz::ecrire(journal, fuzz::octets(data, size))) return 0;
  std::vector<std::wstring> lignes;
  ctrl_levelAuditJournal(stbFichier_lireLignes(lignes, journal));
  return 0;
}
