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

// Unlike the plans' own reports, these files are never read back: the fields go as they stand,
// ";" included. The position is converted with the units of the error's own file, whether or
// not the error has one (none is (0, 0, 0)).
std::wstring ligneErreur(const vererreur& erreur) {
  const double uorParMaitre = rapport_uorParMaitre(erreur);
  return stbStr_toString(L"%s;%d;%d", erreur.fichier, erreur.idElement, erreur.niveau) +
         stbStr_toString(L";%d;%s;%s", erreur.code, erreur.message, erreur.complement) +
         stbStr_toString(L";%0.3f;%0.3f;%s", erreur.position.x / uorParMaitre, erreur.position.y / uorParMaitre,
                         erreur.objet);
}

std::wstring ligneComparaison(const verecart& ecart) {
  return stbStr_toString(L"%s;%s;%s", rapport_motStatut(ecart.statut), ecart.fichier, rapport_motTheme(ecart.role)) +
         stbStr_toString(L";%s;%d;%.02f", ecart.objet, ecart.type, ecart.longueur) +
         stbStr_toString(L";%d;%d", ecart.idLivre, ecart.idOrigine);
}

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
      for (const vererreur& erreur : plan.erreurs) lignes.push_back(ligneErreur(erreur));
    const bool erreursEcrites = ecrire(dossier, stbStr_toString(L"%s_Erreurs_%s.csv", dossier.nom, horodatage), lignes);

    lignes.assign(1, rapport_enteteComparaison);
    for (const verplan& plan : dossier.plans)
      for (const verecart& ecart : plan.ecarts) lignes.push_back(ligneComparaison(ecart));
    const bool comparaisonEcrite = ecrire(dossier, stbStr_toString(L"%s_Compare_%s.csv", dossier.nom, horodatage), lignes);

    if (erreursEcrites && comparaisonEcrite)
      stbMsg_afficher(kModeBoite, L"",
                      stbStr_toString(L"Rapports cr\u00e9\u00e9s dans le r\u00e9pertoire %s", dossier.repRapport));
  } catch (...) {
    // Out of memory: no file is half-written (each is renamed into place whole), no message.
  }
}
