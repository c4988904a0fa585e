// The signature list "Origine/Signature/Signature.json" as the signature step reads it: the input
// is the list, checked for one previous version of a fixed content.
#include "engine/plan_signature.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring origine = fuzz::dossierTemporaire() + L"Origine/";
  static const std::wstring plan = origine + L"PLAN01.dgn";
  static const std::wstring liste = origine + L"Signature/Signature.json";
  static const bool pret = fuzz::ecrire(plan, "{}\n");
  if (!pret || !fuzz::ecrire(liste, fuzz::octets(data, size))) return 0;
  verif_verifierChecksumJson(plan, liste);
  return 0;
}
