#include "engine/ctrl_fichier.h"

#include <cmath>
#include <string>

#include "engine/erreur.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"

namespace {

constexpr std::int32_t erreursAjoutees = 0x8000;

// The host's tolerance on a file's units, and its unit distance for the global origin (UORs).
constexpr double toleranceUnites = 0.1;
constexpr double ecartOrigineMax = 1.0;

void ajouter(std::vector<vererreur>& erreurs, const std::wstring& chemin, std::uint32_t code) {
  erreur_ajouter(erreurs, chemin, 0, 0, code, nullptr, L"", chemin);
}

}  // namespace

bool ctrl_unitesNorme(host::ModelRef modele) {
  return std::fabs(host::uorPerSub(modele) - 1.0) < toleranceUnites &&
         std::fabs(host::subPerMaster(modele) - 1000.0) < toleranceUnites;
}

std::int32_t ctrl_fichier(std::vector<vererreur>& erreurs, verfichier& fichier) {
  if (!fichier.existe) return 0;
  const std::size_t avant = erreurs.size();
  host::ModelRef modele;
  std::uint32_t format = 0;
  bool est3d = false;
  if (stbDgn_ouvrirFichier(&modele, &format, &est3d, fichier.chemin, L"", true) != 0) {
    ajouter(erreurs, fichier.chemin, 2012);
    return erreursAjoutees;
  }
  if (format != 2) ajouter(erreurs, fichier.chemin, 1007);
  if (est3d) ajouter(erreurs, fichier.chemin, 1004);
  if (!ctrl_unitesNorme(modele)) ajouter(erreurs, fichier.chemin, 1001);
  if (host::modelCount(modele) > 1) ajouter(erreurs, fichier.chemin, 1010);
  const host::Point3d origine = host::globalOrigin(modele);
  if (std::hypot(origine.x, origine.y) > ecartOrigineMax) ajouter(erreurs, fichier.chemin, 1003);
  stbDgn_fermerFichier(modele);  // the active model stays open
  return erreurs.size() > avant ? erreursAjoutees : 0;
}

std::int32_t ctrl_fichierGaz(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers) {
  if (fichiers.type != 2) return 0;
  const std::wstring& principal = fichiers.fichiers[0].chemin;
  std::wstring gaz;
  stbFichier_composer(gaz, L"", L"", L"GZ2", principal);
  if (gaz.empty() || !stbFichier_existe(gaz)) return 0;
  std::wstring surDisque;
  erreur_ajouter(erreurs, principal, 0, 0, 1008, nullptr, L"", stbFichier_cheminSurDisque(surDisque, gaz));
  return erreursAjoutees;
}
