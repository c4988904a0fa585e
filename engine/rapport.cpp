#include "engine/rapport.h"

#include <charconv>
#include <string>

#include "toolbox/stb_date.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
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

constexpr std::size_t kChampsBilan = 13;

// The user is told which report could not be written; false for the caller.
bool signalerEchec(const std::wstring& chemin) {
  stbMsg_afficher(4, L"", stbStr_toString(L"Impossible d'\u00e9crire le fichier %s.", chemin));
  return false;
}

// A damaged summary is kept once beside it, "<name>_endommage.csv" (the latest damaged one), and
// the user is told.
void conserverEndommage(const std::wstring& chemin) {
  std::wstring dossier, nom, extension, copie;
  stbFichier_decomposer(dossier, nom, extension, chemin);
  stbFichier_composer(copie, dossier, nom + L"_endommage", extension, L"");
  if (stbFichier_copier(chemin, copie) != 0) return;
  stbMsg_afficher(4, L"", stbStr_toString(L"Le fichier %s \u00e9tait endommag\u00e9 : il est conserv\u00e9 en %s et "
                                          L"r\u00e9crit.", chemin, copie));
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

namespace {

// The fields of a report line appended in place, as the formats "%s", "%d" and "%.Nf" of
// stbStr_toString write them ("C" locale: "." as the decimal point, no grouping): the lines of
// a plan's reports are many, and a format read anew for each costs more than the line.
class ligneCsv {
 public:
  ligneCsv& texte(const std::wstring& champ) {
    ligne_ += stbStr_champCsv(champ);
    return *this;
  }
  ligneCsv& mot(const wchar_t* mot) {
    ligne_ += mot;
    return *this;
  }
  ligneCsv& entier(std::uint64_t n) {
    ligne_ += std::to_wstring(n);
    return *this;
  }
  // Rounded to `decimales` as printf rounds (to_chars with a precision is printf's "%.Nf").
  ligneCsv& decimal(double x, int decimales) {
    char tampon[400];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed, decimales).ptr;
    ligne_.append(tampon, fin);
    return *this;
  }
  ligneCsv& separateur() {
    ligne_ += L';';
    return *this;
  }
  std::wstring str() { return std::move(ligne_); }

 private:
  std::wstring ligne_;
};

}  // namespace

std::wstring rapport_ligneErreur(const vererreur& erreur) {
  double x = 0.0, y = 0.0;
  if (erreur.aPosition) {
    const double uorParMaitre = rapport_uorParMaitre(erreur);
    x = erreur.position.x / uorParMaitre;
    y = erreur.position.y / uorParMaitre;
  }
  ligneCsv l;
  l.texte(erreur.fichier).separateur().entier(erreur.idElement).separateur().entier(erreur.niveau).separateur();
  l.entier(erreur.code).separateur().texte(erreur.message).separateur().texte(erreur.complement).separateur();
  l.decimal(x, 3).separateur().decimal(y, 3).separateur().texte(erreur.objet);
  return l.str();
}

std::wstring rapport_ligneComparaison(const verecart& ecart) {
  ligneCsv l;
  l.mot(rapport_motStatut(ecart.statut)).separateur().texte(ecart.fichier).separateur().mot(rapport_motTheme(ecart.role));
  l.separateur().texte(ecart.objet).separateur().entier(ecart.type).separateur().decimal(ecart.longueur, 2);
  l.separateur().entier(ecart.idLivre).separateur().entier(ecart.idOrigine);
  return l.str();
}

std::wstring rapport_ligneBilan(const verplan& plan, const verdossier& dossier) {
  std::size_t crees = 0, supprimes = 0;
  for (const verecart& ecart : plan.ecarts) {
    if (ecart.statut == 2) ++crees;
    if (ecart.statut == 3) ++supprimes;
  }
  std::wstring ligne = stbStr_toString(L"%s;%d;%d;", stbStr_champCsv(plan.nom), plan.statuts[1], plan.erreurs.size()) +
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

bool rapport_ecrireErreurs(verplan& plan, const std::wstring& repErreur) {
  try {
    stbFichier_composer(plan.fichierErreurs, repErreur, stbStr_toString(L"%s_Erreurs.csv", plan.nom), L"", L"");
    // An old report that stays would be read back as this verification's.
    if (stbFichier_supprimer(plan.fichierErreurs) != 0) return signalerEchec(plan.fichierErreurs);
    if (plan.erreurs.empty()) return true;
    std::vector<std::wstring> lignes;
    lignes.reserve(plan.erreurs.size() + 1);
    lignes.emplace_back(rapport_enteteErreurs);
    for (const vererreur& erreur : plan.erreurs) lignes.push_back(rapport_ligneErreur(erreur));
    if (stbFichier_ecrireLignes(plan.fichierErreurs, lignes) == 0) return true;
  } catch (...) {
  }
  return signalerEchec(plan.fichierErreurs);
}

bool rapport_ecrireComparaison(const std::wstring& chemin, const std::vector<verecart>& ecarts) {
  try {
    std::vector<std::wstring> lignes;
    lignes.reserve(ecarts.size() + 1);
    lignes.emplace_back(rapport_enteteComparaison);
    for (const verecart& ecart : ecarts) lignes.push_back(rapport_ligneComparaison(ecart));
    if (stbFichier_ecrireLignes(chemin, lignes) == 0) return true;
  } catch (...) {
  }
  return signalerEchec(chemin);
}

bool rapport_ligneBilanLisible(const std::wstring& ligne) {
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, ligne, L";");
  if (champs.size() != kChampsBilan || champs[0].empty()) return false;
  for (std::size_t i = 1; i <= 4; ++i) {
    std::uint64_t n = 0;
    std::size_t fin = 0;
    const std::wstring chiffres = i == 1 && !champs[i].empty() && champs[i][0] == L'-' ? champs[i].substr(1) : champs[i];
    if (!stbStr_lireChiffres(n, chiffres, fin, 0x7FFFFFFF) || fin != chiffres.size()) return false;
  }
  return true;
}

bool rapport_ecrireBilan(verplan& plan, verdossier& dossier, bool enregistre) {
  try {
    std::vector<std::wstring> lues;
    stbFichier_lireLignes(lues, dossier.fichierBilan);
    // The file is rebuilt well formed: the header, then one row per plan, the first of its name;
    // rows that do not parse and later duplicates are dropped, and the damaged file is kept.
    const std::wstring nom = stbStr_champCsv(plan.nom);
    std::vector<std::wstring> lignes{rapport_enteteBilan};
    std::vector<std::wstring> noms;
    bool endommage = !lues.empty() && lues[0] != rapport_enteteBilan;
    bool placee = false;
    std::wstring premier;
    for (std::size_t i = 1; i < lues.size(); ++i) {
      if (!rapport_ligneBilanLisible(lues[i])) {
        endommage = true;
        continue;
      }
      stbStr_avantPointVirgule(premier, lues[i]);
      if (stbStr_indiceDansListe(noms, premier, false) >= 0) {
        endommage = true;
        continue;
      }
      noms.push_back(premier);
      if (stbStr_comparer(premier, nom, false) != 0) {
        lignes.push_back(lues[i]);
      } else if (enregistre) {
        lignes.push_back(rapport_ligneBilan(plan, dossier));
        placee = true;
      }
    }
    if (enregistre && !placee) lignes.push_back(rapport_ligneBilan(plan, dossier));
    if (endommage) conserverEndommage(dossier.fichierBilan);
    if (stbFichier_ecrireLignes(dossier.fichierBilan, lignes) == 0) return true;
  } catch (...) {
  }
  return signalerEchec(dossier.fichierBilan);
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
