// "Rapport/Quadrigramme.csv" as the summary's pop-up menu reads it before recording the
// title-block codes of the selected plans: the input is the file. The folder's plans have no
// delivered file, so that the library refuses their codes at once and the reader and the
// rewriting of the file are what runs.
#include <vector>

#include "application/bilan_requetes.h"
#include "fuzz/harness.h"
#include "host/messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring racine = fuzz::dossierTemporaire() + L"Livraison/";
  static const std::wstring fichier = racine + L"Rapport/Quadrigramme.csv";
  if (!fuzz::ecrire(fichier, fuzz::octets(data, size))) return 0;
  verdossier dossier;
  dossier.repertoire = racine;
  dossier.repRapport = racine + L"Rapport/";
  dossier.repLivre = racine + L"Livre/";
  for (const wchar_t* nom : {L"PLAN01.dgn", L"Plan02"}) {
    verplan plan;
    plan.nom = nom;
    plan.type = dossier.plans.empty() ? 1 : 2;
    dossier.plans.push_back(std::move(plan));
  }
  bilan_actualiserCartouches(dossier, {0, 1, 2});
  host::messages::clearLog();
  return 0;
}
