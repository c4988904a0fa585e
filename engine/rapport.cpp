#include "engine/rapport.h"

#include "toolbox/stb_date.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

const wchar_t* const rapport_enteteErreurs =
    L"Fichier;ID_Graph;Erreur_Niveau;Erreur_ID;Erreur_Principale;Erreur_Complement;Erreur_X;Erreur_Y;Objet_Nom";
const wchar_t* const rapport_enteteComparaison =
    L"Statut;Fichier_Nom;Fichier_Theme;Objet_Nom;Type;Longueur;Livre_ID;Origine_ID";
const wchar_t* const rapport_enteteBilan =
    L"Plan;Niveau;Nb_Erreur;Nb_Cr\u00e9\u00e9;Nb_Suppr;Origine_V2;Origine_V3_Fdp;Origine_V3_Elec;Origine_V3_Autre;"
    L"Date_V2;Date_V3_Fdp;Date_V3_Elec;Date_V3_Autre";

namespace {

// "%d/%m/%Y-%H:%M:%S" of the file's last write, local time; empty when it cannot be read.
std::wstring dateFichier(const std::wstring& chemin) {
  std::wstring date, heure;
  if (chemin.empty() || stbFichier_dateModification(&date, &heure, 0, chemin) != 0) return L"";
  return stbStr_toString(L"%s-%s", date, heure);
}

std::wstring cheminLivre(const verdossier& dossier, const std::wstring& nom, const std::wstring& extension) {
  std::wstring chemin;
  return stbFichier_composer(chemin, dossier.repLivre, nom, extension, L"");
}

std::wstring cheminTrace(const std::wstring& repRapport) {
  std::wstring chemin;
  return stbFichier_composer(chemin, repRapport, L"Trace.txt", L"", L"");
}

}  // namespace

const wchar_t* rapport_motStatut(std::uint32_t statut) {
  switch (statut) {
    case 1: return L"Inchang\u00e9";
    case 2: return L"Nouveau";
    case 3: return L"Supprime";
    case 5:
    case 6: return L"Erreur";
    default: return L"";
  }
}

const wchar_t* rapport_motTheme(std::uint32_t role) {
  switch (role) {
    case 1: return L"V2";
    case 2: return L"V3_FDP";
    case 3: return L"V3_Elec";
    case 4: return L"V3_Autre";
    default: return L"";
  }
}

double rapport_uorParMaitre(const vererreur& erreur) {
  return erreur.uorParMaitre > 0.0 ? erreur.uorParMaitre : rapport_uorParMaitreNorme;
}

std::wstring rapport_champ(const std::wstring& texte) {
  std::wstring champ = texte;
  for (wchar_t& c : champ) {
    if (c == L';')
      c = L',';
    else if (c == L'\r' || c == L'\n')
      c = L' ';
  }
  return champ;
}

std::wstring rapport_ligneErreur(const vererreur& erreur) {
  double x = 0.0, y = 0.0;
  if (erreur.aPosition) {
    const double uorParMaitre = rapport_uorParMaitre(erreur);
    x = erreur.position.x / uorParMaitre;
    y = erreur.position.y / uorParMaitre;
  }
  return stbStr_toString(L"%s;%d;%d", rapport_champ(erreur.fichier), erreur.idElement, erreur.niveau) +
         stbStr_toString(L";%d;%s;%s", erreur.code, rapport_champ(erreur.message), rapport_champ(erreur.complement)) +
         stbStr_toString(L";%0.3f;%0.3f;%s", x, y, rapport_champ(erreur.objet));
}

std::wstring rapport_ligneComparaison(const verecart& ecart) {
  return stbStr_toString(L"%s;%s;%s", rapport_motStatut(ecart.statut), rapport_champ(ecart.fichier),
                         rapport_motTheme(ecart.role)) +
         stbStr_toString(L";%s;%d;%.02f", rapport_champ(ecart.objet), ecart.type, ecart.longueur) +
         stbStr_toString(L";%d;%d", ecart.idLivre, ecart.idOrigine);
}

std::wstring rapport_ligneBilan(const verplan& plan, const verdossier& dossier) {
  std::size_t crees = 0, supprimes = 0;
  for (const verecart& ecart : plan.ecarts) {
    if (ecart.statut == 2) ++crees;
    if (ecart.statut == 3) ++supprimes;
  }
  std::wstring ligne = stbStr_toString(L"%s;%d;%d;", rapport_champ(plan.nom), plan.statuts[1], plan.erreurs.size()) +
                       stbStr_toString(L"%d;%d", crees, supprimes);
  if (plan.type == 1) {
    ligne += stbStr_toString(L";%d;;;", plan.statuts[2]);
    ligne += stbStr_toString(L";%s;;;", dateFichier(cheminLivre(dossier, plan.nom, L"")));
  } else {
    ligne += stbStr_toString(L";;%d;%d;%d", plan.statuts[3], plan.statuts[4], plan.statuts[5]);
    ligne += stbStr_toString(L";;%s", dateFichier(cheminLivre(dossier, plan.nom, L"FP2")));
    ligne += stbStr_toString(L";%s", dateFichier(cheminLivre(dossier, plan.nom, L"EL2")));
    ligne += stbStr_toString(L";%s", dateFichier(cheminLivre(dossier, plan.nom, L"AR2")));
  }
  return ligne;
}

void rapport_ecrireErreurs(verplan& plan, const std::wstring& repErreur) {
  try {
    stbFichier_composer(plan.fichierErreurs, repErreur, stbStr_toString(L"%s_Erreurs.csv", plan.nom), L"", L"");
    stbFichier_supprimer(plan.fichierErreurs);
    if (plan.erreurs.empty()) return;
    std::vector<std::wstring> lignes;
    lignes.reserve(plan.erreurs.size() + 1);
    lignes.emplace_back(rapport_enteteErreurs);
    for (const vererreur& erreur : plan.erreurs) lignes.push_back(rapport_ligneErreur(erreur));
    stbFichier_ecrireLignes(plan.fichierErreurs, lignes);  // 0x8000 ignored: the report is skipped
  } catch (...) {
    // Out of memory: the report is skipped, the plan's records are unaffected.
  }
}

void rapport_ecrireComparaison(const std::wstring& chemin, const std::vector<verecart>& ecarts) {
  try {
    std::vector<std::wstring> lignes;
    lignes.reserve(ecarts.size() + 1);
    lignes.emplace_back(rapport_enteteComparaison);
    for (const verecart& ecart : ecarts) lignes.push_back(rapport_ligneComparaison(ecart));
    stbFichier_ecrireLignes(chemin, lignes);
  } catch (...) {
  }
}

void rapport_ecrireBilan(verplan& plan, verdossier& dossier) {
  try {
    const std::wstring ligne = rapport_ligneBilan(plan, dossier);
    std::vector<std::wstring> lignes;
    if (!stbFichier_existe(dossier.fichierBilan)) {
      lignes.emplace_back(rapport_enteteBilan);
      lignes.push_back(ligne);
    } else {
      stbFichier_lireLignes(lignes, dossier.fichierBilan);
      // Compared with the name as it stands in the file, where ";" and line breaks were replaced.
      const std::wstring nom = rapport_champ(plan.nom);
      bool remplacee = false;
      std::wstring premier;
      for (std::size_t i = 1; i < lignes.size() && !remplacee; ++i) {
        if (stbStr_comparer(stbStr_avantPointVirgule(premier, lignes[i]), nom, false) == 0) {
          lignes[i] = ligne;
          remplacee = true;
        }
      }
      if (!remplacee) lignes.push_back(ligne);
    }
    stbFichier_ecrireLignes(dossier.fichierBilan, lignes);
  } catch (...) {
  }
}

void rapport_commencerTrace(const std::wstring& repRapport, drapeauxVerification drapeaux) {
  try {
    const std::wstring chemin = cheminTrace(repRapport);
    stbFichier_supprimer(chemin);
    if ((drapeaux & drapeauTrace) == 0) return;
    std::wstring heure;
    stbFichier_ajouterLigne(chemin, L"D\u00e9but. " + stbDate_maintenant(heure, "%H:%M:%S"));
  } catch (...) {
  }
}

void rapport_tracerPlan(const std::wstring& repRapport, const std::wstring& nomPlan, drapeauxVerification drapeaux) {
  try {
    if ((drapeaux & drapeauTrace) == 0) return;
    std::wstring heure;
    stbDate_maintenant(heure, "%H:%M:%S");
    stbFichier_ajouterLigne(cheminTrace(repRapport), stbStr_toString(L"%s. %s", heure, nomPlan));
  } catch (...) {
  }
}
