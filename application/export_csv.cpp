#include "application/export_csv.h"

#include <string>
#include <vector>

#include "engine/rapport.h"
#include "toolbox/stb_date.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

constexpr int kModeListeMessages = 4;
constexpr int kModeBoite = 5;

// The file in the Rapport directory; false, and the path in the message list, when it could not
// be written.
bool ecrire(const verdossier& dossier, const std::wstring& nom, const std::vector<std::wstring>& lignes) {
  std::wstring chemin;
  stbFichier_composer(chemin, dossier.repRapport, nom, L"", L"");
  if (stbFichier_ecrireLignes(chemin, lignes) == 0) return true;
  stbMsg_afficher(kModeListeMessages, L"", stbStr_toString(L"Impossible d'\u00e9crire le fichier %s.", chemin));
  return false;
}

}  // namespace

void rapport_exporterCsv(const verdossier& dossier) {
  try {
    std::wstring horodatage;
    stbDate_maintenant(horodatage, "%Y%m%d-%H%M%S");

    std::vector<std::wstring> lignes{rapport_enteteErreurs};
    for (const verplan& plan : dossier.plans)
      for (const vererreur& erreur : plan.erreurs) lignes.push_back(rapport_ligneErreur(erreur));
    const bool erreursEcrites = ecrire(dossier, stbStr_toString(L"%s_Erreurs_%s.csv", dossier.nom, horodatage), lignes);

    lignes.assign(1, rapport_enteteComparaison);
    for (const verplan& plan : dossier.plans)
      for (const verecart& ecart : plan.ecarts) lignes.push_back(rapport_ligneComparaison(ecart));
    const bool comparaisonEcrite = ecrire(dossier, stbStr_toString(L"%s_Compare_%s.csv", dossier.nom, horodatage), lignes);

    if (erreursEcrites && comparaisonEcrite)
      stbMsg_afficher(kModeBoite, L"",
                      stbStr_toString(L"Rapports cr\u00e9\u00e9s dans le r\u00e9pertoire %s", dossier.repRapport));
  } catch (...) {
    // Out of memory: no file is half-written (each is renamed into place whole), no message.
  }
}
