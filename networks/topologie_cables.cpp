#include "networks/topologie_cables.h"

#include <boost/filesystem.hpp>

#include "engine/encart.h"
#include "engine/plan_chrono.h"
#include "engine/plan_fichier.h"
#include "host/paths.h"
#include "networks/associer_extremites.h"
#include "networks/defauts_trace.h"
#include "networks/ordre_accessoires.h"
#include "networks/passe_reseau.h"
#include "standard/element_table.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kNouveau = 2, kMarque = 3;

bool examine(const verelement& e) { return e.etatControle == kNouveau || e.etatControle == kMarque; }
bool cableElectrique(std::uint32_t reseau) { return reseau == nr_BT || reseau == nr_HTA; }

// The previous version of the network file, from the Origine directory, with its graph: a record
// like the plan's with its own models and the insets found in that file.
struct versionPrecedente {
  verplaninfo plan;
  ~versionPrecedente() { fermer(); }
  void fermer() {
    if (plan.modeleTheme && !host::isActive(plan.modeleTheme)) stbDgn_fermerFichier(plan.modeleTheme);
    plan.modeleTheme = {};
    if (plan.type == 1) plan.modelePrincipal = {};
  }
};

// The neighbours' models, closed at the end of the stage unless one is the active model.
struct voisinsOuverts {
  std::vector<host::ModelRef> modeles;
  ~voisinsOuverts() {
    for (host::ModelRef m : modeles)
      if (!host::isActive(m)) stbDgn_fermerFichier(m);
  }
};

// Paths compared as the files they reach, found without regard to case.
bool memeFichier(const std::wstring& a, const std::wstring& b) {
  std::wstring surDisqueA, surDisqueB;
  stbFichier_cheminSurDisque(surDisqueA, a);
  stbFichier_cheminSurDisque(surDisqueB, b);
  boost::system::error_code erreur;
  return boost::filesystem::equivalent(host::paths::toNative(surDisqueA), host::paths::toNative(surDisqueB), erreur) &&
         !erreur;
}

}  // namespace

std::int32_t ctrl_topologieCables(std::vector<vererreur>& erreurs, const std::vector<verecart>& ecarts,
                                  const vercontexte& contexte, const verplaninfo& plan, verfichier& fichier) {
  plan_chrono chrono;
  // 1 and 2: both networks with the tolerances and catalogues.
  verreseau courant;
  tol_initialiser(courant.tolerances);
  courant.catalogueV2 = cable_listeAccessoires(1);
  courant.catalogueV3 = cable_listeAccessoires(2);
  verreseau origine;
  verreseau_copier(origine, courant);

  {
    // 3 and 4: the neighbours, then the delivered graph.
    voisinsOuverts voisins;
    cable_ouvrirPlansVoisins(voisins.modeles, plan, contexte);
    chrono.marquer("topologie:voisins");
    drap_verifierDrapeaux(courant, voisins.modeles, plan);
    chrono.marquer("topologie:graphe");

    // 5. The previous version's graph, when its signature holds.
    versionPrecedente precedente;
    precedente.plan = plan;
    precedente.plan.modelePrincipal = {};
    precedente.plan.modeleTheme = {};
    precedente.plan.encarts.clear();
    if (fichier.signatureValide && !contexte.repOrigine.empty()) {
      stbFichier_composer(precedente.plan.chemin, contexte.repOrigine, fichier.nomFichier, L"", L"");
      plan_ouvrir(precedente.plan);
      // The plan's insets are ids of the delivered file: the previous file has its own.
      encart_collecter(precedente.plan);
      drap_verifierDrapeaux(origine, voisins.modeles, precedente.plan);
    }
    chrono.marquer("topologie:graphePrecedent");

    // 6. Matching; 7. accessory order; 8. dangling ends.
    cable_associerExtremites(fichier, ecarts, courant, origine, precedente.plan.modeleTheme);
    chrono.marquer("topologie:association");
    cable_controlerOrdreAccessoires(erreurs, courant, fichier, plan);
    chrono.marquer("topologie:ordre");
    for (const vertroncon& t : courant.troncons) {
      const std::int32_t i = element_rechercherParId(fichier.elements, t.idElement);
      if (i < 0) continue;
      const verelement& e = fichier.elements[static_cast<std::size_t>(i)];
      if (!examine(e) || !cableElectrique(e.classement.reseau)) continue;
      cable_controlerBoutPendant(erreurs, e, 1, t.noeudDebut, courant, fichier, precedente.plan.modeleTheme,
                                 voisins.modeles);
      cable_controlerBoutPendant(erreurs, e, 0, t.noeudFin, courant, fichier, precedente.plan.modeleTheme,
                                 voisins.modeles);
    }
    chrono.marquer("topologie:boutsPendants");

    // 9 and 10: trace defects.
    cable_controlerAllerRetour(erreurs, courant.tolerances[21], courant.tolerances[12], fichier);
    cable_controlerSommetsConfondus(erreurs, courant.tolerances[12], fichier);
    chrono.marquer("topologie:allerRetour");
    for (const verelement& e : fichier.elements) {
      if (examine(e) && e.classement.contenu == cn_Lignes && cableElectrique(e.classement.reseau) &&
          e.classement.etat != er_Abandonne)
        cable_controlerCablesSuperposes(erreurs, e, courant.tolerances[12], fichier, plan);
    }
    chrono.marquer("topologie:superposes");
    // 11 and 12: the previous version and the neighbours are closed here.
  }

  // 13. Temp emptied; 14. the networks go with the call.
  cable_viderTemp(contexte);
  chrono.marquer("topologie:nettoyage");
  verreseau_detruire(courant);
  verreseau_detruire(origine);
  return 0;
}

void cable_viderTemp(const vercontexte& contexte) {
  if (contexte.repTemp.empty() || !stbFichier_dossierExiste(contexte.repTemp)) return;
  std::vector<std::wstring> fichiers;
  stbFichier_lister(fichiers, contexte.repTemp, L"*");
  for (const std::wstring& chemin : fichiers) {
    std::wstring nom;
    if (stbStr_comparer(stbFichier_nom(nom, chemin), L"Emprises.dgn", false) == 0) continue;
    if (!contexte.fichierEmprises.empty() && memeFichier(chemin, contexte.fichierEmprises)) continue;
    stbFichier_supprimer(chemin);
  }
}
