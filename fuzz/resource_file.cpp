// A resource file (docs/resource-file.md) as the host reads it when an application opens it: the
// input is the file; what it defines is then looked up as applications do.
#include <string>

#include "fuzz/harness.h"
#include "host/resource_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring fichier = fuzz::dossierTemporaire() + L"ressources.json";
  if (!fuzz::ecrire(fichier, fuzz::octets(data, size))) return 0;
  std::wstring erreur;
  const auto ressources = host::resources::load(fichier, erreur);
  if (!ressources) return 0;
  for (int liste = 0; liste < 4; ++liste)
    for (int chaine = 0; chaine < 4; ++chaine) ressources->string(liste, chaine);
  for (int numero = 0; numero < 4; ++numero) ressources->dataDefinition(numero);
  return 0;
}
