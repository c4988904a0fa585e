#include "application/version_fichier.h"

#include "host/version_record.h"

void app_lireVersionFichier(std::wstring& version, const std::wstring& chemin) {
  version.clear();
  try {
    if (const auto record = host::version::readFile(chemin)) version = host::version::text(*record);
  } catch (...) {
    version.clear();
  }
}
