// A configuration file given to the shell with --cfg-file: the input is the file.
#include <string>

#include "fuzz/harness.h"
#include "host/config.h"
#include "host/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring fichier = fuzz::dossierTemporaire() + L"cadhost.cfg";
  if (!fuzz::ecrire(fichier, fuzz::octets(data, size))) return 0;
  std::string erreur;
  host::config::loadFile(host::paths::toNative(fichier).string(), erreur);
  host::config::clear();
  return 0;
}
