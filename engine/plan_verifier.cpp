#include "engine/plan_verifier.h"

#include <string>
#include <vector>

#include "engine/ctrl_fichier.h"
#include "engine/ctrl_levelAudit.h"
#include "engine/ctrl_positionPlan.h"
#include "engine/emprise_lecture.h"
#include "engine/erreur.h"
#include "engine/plan_chrono.h"
#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "engine/rapport.h"
#include "host/design_file_pins.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeFichierInexistant = 2011;
constexpr std::uint32_t codePosition = 1130;
constexpr std::uint32_t codeTablesNiveaux = 2013;

// The plan's files opened as work files from the opening step on; closes them on every path,
// exceptions included, after noting each file's units on its errors (their positions are written
// in the file's own master units). The active model is never closed.
class fichiersOuverts {
 public:
  fichiersOuverts(verplanfichiers& fichiers, std::vector<vererreur>& erreurs) : fichiers_(fichiers), erreurs_(erreurs) {}
  fichiersOuverts(const fichiersOuverts&) = delete;
  fichiersOuverts& operator=(const fichiersOuverts&) = delete;
  ~fichiersOuverts() { fermer(); }

  // Slot 0, and the EL2 and AR2 files when they exist; read-only files are accepted. A file
  // that does not open keeps a null model.
  void ouvrir() {
    for (verfichier& f : fichiers_.fichiers)
      if (f.existe) stbDgn_ouvrirFichier(&f.modele, nullptr, nullptr, f.chemin, L"", true);
  }

  void fermer() noexcept {
    for (verfichier& f : fichiers_.fichiers) {
      if (!f.modele) continue;
      erreur_noterUnites(erreurs_, f.chemin, f.modele);
      stbDgn_fermerFichier(f.modele);
      f.modele = host::ModelRef{};
    }
  }

 private:
  verplanfichiers& fichiers_;
  std::vector<vererreur>& erreurs_;
};

// The plan's files kept loaded in the host while its verification runs: the file checks, the
// required levels, the opening and every stage share one load of each file whatever its size.
class fichiersRetenus {
 public:
  explicit fichiersRetenus(const verplanfichiers& fichiers) {
    for (const verfichier& f : fichiers.fichiers)
      if (f.existe) {
        host::pinDesignFile(f.chemin);
        chemins_.push_back(f.chemin);
      }
  }
  fichiersRetenus(const fichiersRetenus&) = delete;
  fichiersRetenus& operator=(const fichiersRetenus&) = delete;
  ~fichiersRetenus() {
    for (const std::wstring& c : chemins_) host::unpinDesignFile(c);
  }

 private:
  std::vector<std::wstring> chemins_;
};

// What the driver decides at each stop: the result status, and the depth the plan reached.
void arreter(verplan& plan, std::int32_t resultat, std::int32_t profondeur) {
  plan.statuts[0] = resultat;
  plan.statuts[1] = profondeur;
}

void verifier(verplan& plan, std::int32_t mode, vercontexte& contexte, drapeauxVerification drapeaux) {
  // 1. The file set in the Livre directory.
  plan_chrono chrono;
  verplanfichiers fichiers;
  plan_construire(fichiers, plan.nom, plan.type, plan.version, plan.projection, contexte.repLivre);
  plan.statuts.fill(-1);
  const bool troisFichiers = fichiers.type == 2;
  verfichier& principal = fichiers.fichiers[0];

  // 2. No main file: not verifiable.
  if (!principal.existe) {
    erreur_ajouter(plan.erreurs, principal.chemin, 0, 0, codeFichierInexistant, nullptr, L"", principal.chemin);
    arreter(plan, 2, 0);
    return;
  }

  // 3 to 6. File checks, the gas file, required levels: any finding stops before opening.
  const fichiersRetenus retenus(fichiers);
  chrono.marquer("plan_construire");
  ctrl_fichier(plan.erreurs, principal);
  if (troisFichiers) {
    ctrl_fichier(plan.erreurs, fichiers.fichiers[1]);
    ctrl_fichier(plan.erreurs, fichiers.fichiers[2]);
    ctrl_fichierGaz(plan.erreurs, fichiers);
  }
  chrono.marquer("ctrl_fichier");
  etape_niveauxRequis(plan.erreurs, fichiers);
  chrono.marquer("etape_niveauxRequis");
  if (!plan.erreurs.empty()) {
    arreter(plan, 1, 0);
    return;
  }

  // 7. The files are opened for every later stage.
  plan.statuts[1] = 2;
  fichiersOuverts ouverts(fichiers, plan.erreurs);
  ouverts.ouvrir();
  chrono.marquer("ouvrir");

  // 8. Signature of the previous version; a file's signature is valid when its status is 0.
  etape_signature(plan, contexte, drapeaux);
  if (troisFichiers) {
    for (std::size_t i = 0; i < 3; ++i) fichiers.fichiers[i].signatureValide = plan.statuts[3 + i] == 0;
  } else {
    principal.signatureValide = plan.statuts[2] == 0;
  }
  chrono.marquer("etape_signature");

  // 9. The files' mode tells the checks whether the comparison will be written.
  for (verfichier& f : fichiers.fichiers) f.mode = mode == 2 ? 2 : 3;

  // 10. Title block and frame; 11. position of a three-file plan.
  const std::int32_t cartouche = etape_cartouche(plan.erreurs, contexte, fichiers);
  chrono.marquer("etape_cartouche");
  if (cartouche != 0) {
    ouverts.fermer();
    arreter(plan, 1, 0);
    return;
  }
  if (troisFichiers && ctrl_positionPlan(fichiers) != 0) {
    erreur_ajouter(plan.erreurs, principal.chemin, 0, 0, codePosition, nullptr, L"", fichiers.nom);
    ouverts.fermer();
    arreter(plan, 1, 0);
    return;
  }

  // 12. Drawing rules; 13. useful area, nodes on the limit, empty texts, PTR groups (pass 1).
  chrono.marquer("ctrl_positionPlan");
  etape_elements(plan.erreurs, fichiers);
  chrono.marquer("etape_elements");
  etape_zoneUtile(plan.erreurs, fichiers);
  chrono.marquer("etape_zoneUtile");
  etape_noeudsSurLimite(plan.erreurs, fichiers);
  etape_textesVides(plan.erreurs, fichiers);
  etape_groupesPTRL(plan.erreurs, fichiers, 1);
  chrono.marquer("etape_textesVides");

  // 14. Comparison with the previous version.
  etape_comparaison(plan.ecarts, fichiers, contexte);
  chrono.marquer("etape_comparaison");
  if (mode == 2) rapport_ecrireComparaison(plan.fichierCompare, plan.ecarts);
  chrono.marquer("rapport_ecrireComparaison");

  // 15. Network stage.
  if (plan.statuts[1] == 2) {
    verplaninfo reseau;
    plan_copierIdentite(reseau, fichiers, 62);
    std::vector<veremprise> emprises;
    if (emprise_chargerFichier(emprises, contexte.fichierEmprises, {}, {fichiers.nom}) == 0 && !emprises.empty())
      reseau.emprise = emprises.front();
    verfichier& fichierReseau = troisFichiers ? fichiers.fichiers[1] : principal;
    chrono.marquer("emprise_chargerFichier");
    etape_encarts(reseau, fichierReseau);
    chrono.marquer("etape_encarts");
    etape_topologieCables(plan.erreurs, plan.ecarts, contexte, reseau, fichierReseau);
    chrono.marquer("etape_topologieCables");
    etape_echellesEtTextes(plan.erreurs, fichiers);
    chrono.marquer("etape_echellesEtTextes");
    etape_groupesGraphiques(plan.erreurs, contexte, reseau, fichierReseau);
    etape_groupesPTRL(plan.erreurs, fichiers, 2);
    chrono.marquer("etape_groupesGraphiques");
  }

  // 16. The work files are closed; 17. LevelAudit on the plan's (electricity) file. A run that
  // could not be made leaves the level tables unchecked: the plan is not verified, never OK.
  ouverts.fermer();
  chrono.marquer("fermer");
  bool tablesInconnues = false;
  if ((drapeaux & drapeauLevelAudit) != 0) {
    const std::wstring& audite = troisFichiers ? fichiers.fichiers[1].chemin : principal.chemin;
    const std::int32_t audit = etape_levelAudit(audite);
    if (audit == 0x8000) erreur_ajouter(plan.erreurs, audite, 0, 0, codeTablesNiveaux, nullptr, L"", L"");
    if (audit == ctrl_levelAuditImpossible) {
      tablesInconnues = true;
      stbMsg_afficher(4, L"",
                      stbStr_toString(L"Impossible de v\u00e9rifier les tables de niveaux du fichier %s.", audite));
    }
  }

  // 18.
  plan.statuts[0] = tablesInconnues ? 2 : plan.erreurs.empty() ? 0 : 1;
}

}  // namespace

void plan_verifier(verplan& plan, std::int32_t mode, vercontexte& contexte, drapeauxVerification drapeaux) {
  try {
    verifier(plan, mode, contexte, drapeaux);
  } catch (...) {
    // Out of memory or a failing library: the plan is reported as not verifiable; its files
    // were closed on the way out.
    plan.statuts[0] = 2;
  }
}
