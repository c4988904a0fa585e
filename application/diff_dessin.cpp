#include "application/diff_dessin.h"

#include "application/diff_copie.h"
#include "application/diff_fusion.h"
#include "application/verapplication.h"
#include "engine/verprojection.h"
#include "host/model_ref.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_niveau.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;

void signaler(int mode, const wchar_t* format, const std::wstring& chemin) {
  stbMsg_afficher(mode, L"", stbStr_toString(format, chemin));
}

// The work file is written back when it is closed: a failed close means the drawing on disk is
// not the one made.
bool fermer(host::ModelRef modele, const std::wstring& chemin) {
  if (stbDgn_fermerFichier(modele) == 0) return true;
  signaler(4, L"Impossible d'\u00e9crire le fichier %s.", chemin);
  return false;
}

}  // namespace

const std::array<const wchar_t*, 8>& diff_niveaux() {
  static const std::array<const wchar_t*, 8> niveaux{
      L"HTA_Ajout", L"HTA_Suppression", L"BT_Ajout",         L"BT_Suppression",
      L"BRCH_Ajout", L"BRCH_Suppression", L"Accessoire_Ajout", L"Accessoire_Suppression"};
  return niveaux;
}

versymbologie diff_niveauDifference(const verclassement& classement, std::uint32_t direction) {
  versymbologie symbologie;
  std::wstring prefixe;
  if (classement.contenu == cn_Lignes || classement.contenu == cn_Textes) {
    if (classement.reseau == nr_BT) prefixe = classement.branchement ? L"BRCH_" : L"BT_";
    else if (classement.reseau == nr_HTA) prefixe = L"HTA_";
  } else if (classement.contenu == cn_Accessoires) {
    prefixe = L"Accessoire_";
  }
  if (prefixe.empty() || (direction != 1 && direction != 2)) return symbologie;
  symbologie.nomNiveau = prefixe + (direction == 1 ? L"Ajout" : L"Suppression");
  const std::wstring& nom = symbologie.nomNiveau;
  if (nom == L"HTA_Ajout" || nom == L"HTA_Suppression") symbologie.couleur = 3;
  else if (nom == L"BT_Ajout" || nom == L"BT_Suppression") symbologie.couleur = 1;
  else if (nom == L"BRCH_Ajout" || nom == L"BRCH_Suppression") symbologie.couleur = 2;
  else symbologie.couleur = 0;
  symbologie.epaisseur = 0;
  symbologie.style = 0;
  return symbologie;
}

std::int32_t diff_preparerFichier(std::wstring chemin) {
  try {
    if (stbFichier_copier(appTolvek.cheminPrototype, chemin, 5) != 0) return kEchec;
    // A read-only prototype gives a read-only copy, which could not be opened for writing.
    stbFichier_attributsNormaux(chemin);
    host::ModelRef modele;
    if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", false) != 0) {
      signaler(4, L"Impossible d'ouvrir le fichier %s.", chemin);
      return kEchec;
    }
    verprojection projection;
    projection.cleSysteme = appTolvek.dossier.projection;
    // Not tested: the drawing then stays in the prototype's coordinate system.
    stbProj_affecterSysteme(projection, modele, L"");
    for (const wchar_t* niveau : diff_niveaux()) stbNiveau_creer(modele, niveau);
    return fermer(modele, chemin) ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

void diff_ecrireDifferences(verdossier& dossier) {
  try {
    std::wstring chemin;
    stbFichier_composer(chemin, dossier.repRapport, dossier.nom + L"_Differences.dgn", L"", L"");
    // The drawing is a work file of its own: copied over the active file, its elements would go
    // into the active model's unsaved content.
    const std::wstring actif = host::activeFileName();
    if (!actif.empty() && stbStr_comparer(actif, chemin, false) == 0) {
      signaler(4, L"Impossible de remplacer le fichier %s, qui est le fichier actif.", chemin);
      return;
    }
    if (diff_preparerFichier(chemin) != 0) return;
    host::ModelRef modele;
    if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", false) != 0) {
      signaler(4, L"Impossible d'ouvrir le fichier %s.", chemin);
      return;
    }
    for (const verplan& plan : dossier.plans) diff_copierElementsPlan(modele, plan, dossier);
    diff_fusionnerTroncons(modele);
    if (!fermer(modele, chemin)) return;
    signaler(5, L"Les diff\u00e9rences ont \u00e9t\u00e9 report\u00e9es dans le fichier %s", chemin);
  } catch (...) {
  }
}
