#include "engine/erreur.h"

#include "engine/erreur_table.h"
#include "engine/plan_fichier.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

void erreur_definir(vererreur& erreur, std::int32_t disposition) {
  const erreur_ligneTable* ligne = erreur_chercherLigne(erreur.code);
  if (ligne == nullptr) {
    erreur.message.clear();
    erreur.niveau = niveauErreurFichier;
    return;
  }
  erreur.message = ligne->message;
  erreur.niveau = disposition == 1 ? ligne->niveauPlanUnique : ligne->niveauAutre;
}

void erreur_ajouter(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier, std::uint64_t idElement,
                    std::uint32_t extra, std::uint32_t code, const host::Point3d* position,
                    const std::wstring& objet, const std::wstring& complement) {
  try {
    vererreur erreur;
    std::wstring fichier;
    stbFichier_nom(fichier, cheminFichier);
    stbStr_majuscules(fichier);
    erreur.fichier = fichier;
    erreur.code = code;
    erreur.idElement = idElement;
    erreur.extra = extra;
    if (position != nullptr) {
      erreur.aPosition = true;
      erreur.position = *position;
    }
    erreur_definir(erreur, plan_themeFichier(erreur.fichier) == 1 ? 1 : 2);
    erreur.complement = complement;
    erreur.objet = objet;
    erreurs.push_back(std::move(erreur));
  } catch (...) {
    // Out of memory: the finding is lost, the check goes on.
  }
}

void erreur_noterUnites(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier, host::ModelRef modele) {
  try {
    if (!stbDgn_modeleValide(modele)) return;
    const double uorParMaitre = host::uorPerSub(modele) * host::subPerMaster(modele);
    if (!(uorParMaitre > 0.0)) return;
    std::wstring fichier;
    stbFichier_nom(fichier, cheminFichier);
    stbStr_majuscules(fichier);
    for (vererreur& erreur : erreurs) {
      if (erreur.aPosition && erreur.uorParMaitre <= 0.0 && erreur.fichier == fichier) erreur.uorParMaitre = uorParMaitre;
    }
  } catch (...) {
    // Nothing noted: the report falls back on the standard's units.
  }
}
