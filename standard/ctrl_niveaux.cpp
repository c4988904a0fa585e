#include "standard/ctrl_niveaux.h"

#include "engine/erreur.h"
#include "standard/element_table.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"

namespace {

constexpr std::int32_t kErreurs = 0x8000;
constexpr std::uint32_t codeOuverture = 2012;

std::int32_t controler(std::vector<vererreur>& erreurs, const verfichier& fichier,
                       const std::vector<std::wstring>& noms) {
  const std::size_t avant = erreurs.size();
  if (!stbFichier_existe(fichier.chemin)) return 0;
  host::ModelRef modele;
  if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, fichier.chemin, L"", true) != 0) {
    erreur_ajouter(erreurs, fichier.chemin, 0, 0, codeOuverture, nullptr, L"", fichier.chemin);
    return kErreurs;
  }
  for (const std::wstring& nom : noms) element_idNiveau(erreurs, fichier.chemin, modele, nom);
  stbDgn_fermerFichier(modele);
  return erreurs.size() == avant ? 0 : kErreurs;
}

}  // namespace

std::int32_t ctrl_niveauxV2(std::vector<vererreur>& erreurs, const verfichier& fichier) {
  return controler(erreurs, fichier, ctrl_listeNiveaux(rolePlanUnique));
}

std::int32_t ctrl_niveauxV3(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint32_t role) {
  // The one-file list is not a three-file role: nothing is tested then.
  return controler(erreurs, fichier, ctrl_listeNiveaux(role == rolePlanUnique ? 0 : role));
}
