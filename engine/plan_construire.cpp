#include "engine/plan_construire.h"

#include <array>

#include <boost/filesystem/operations.hpp>

#include "engine/projection.h"
#include "host/paths.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

void decrireFichier(verfichier& fichier, const std::wstring& chemin, std::uint32_t role) {
  fichier = verfichier{};
  // The path as it stands on disk, for the reports; the name, compared without case, upper-cased.
  stbFichier_cheminSurDisque(fichier.chemin, chemin);
  stbFichier_nom(fichier.nomFichier, chemin);
  stbStr_majuscules(fichier.nomFichier);
  fichier.existe = stbFichier_existe(fichier.chemin);
  fichier.lectureSeule = fichier.existe && stbFichier_lectureSeule(fichier.chemin);
  fichier.role = role;
}

}  // namespace

void plan_construire(verplanfichiers& sortie, const std::wstring& nom, std::int32_t type, std::int32_t version,
                     const std::wstring& cleProjection, const std::wstring& repertoire) {
  sortie = verplanfichiers{};
  sortie.nom = nom;
  stbStr_majuscules(sortie.nom);
  sortie.type = type;
  sortie.version = version;
  sortie.projection = projection_rechercher(L"", cleProjection);
  std::wstring chemin;
  if (type == 1) {
    decrireFichier(sortie.fichiers[0], stbFichier_composer(chemin, repertoire, sortie.nom, L"", L""), rolePlanUnique);
  } else if (type == 2) {
    constexpr std::array<const wchar_t*, 3> extensions{L"FP2", L"EL2", L"AR2"};
    constexpr std::array<std::uint32_t, 3> roles{roleFond, roleElectricite, roleAutres};
    for (std::size_t i = 0; i < extensions.size(); ++i)
      decrireFichier(sortie.fichiers[i], stbFichier_composer(chemin, repertoire, sortie.nom, extensions[i], L""),
                     roles[i]);
  }
}

void plan_copierIdentite(verplaninfo& sortie, const verplanfichiers& fichiers, std::uint32_t masqueTheme) {
  verplaninfo_construire(sortie);
  sortie.type = static_cast<std::uint32_t>(fichiers.type);
  sortie.version = static_cast<std::uint32_t>(fichiers.version);
  sortie.chemin = fichiers.fichiers[0].chemin;
  sortie.nomFichier = fichiers.fichiers[0].nomFichier;
  sortie.nomPlan = fichiers.nom;
  sortie.libelleEmprise = fichiers.nom;
  sortie.masqueTheme = masqueTheme;
  sortie.masqueReseau = masqueTheme;
  sortie.projection = fichiers.projection;
  sortie.modelePrincipal = fichiers.fichiers[0].modele;
  if (fichiers.type == 1)
    sortie.modeleTheme = fichiers.fichiers[0].modele;
  else if (masqueTheme == 62)
    sortie.modeleTheme = fichiers.fichiers[1].modele;
  else if (masqueTheme == 6144)
    sortie.modeleTheme = fichiers.fichiers[2].modele;
  for (const verfichier& f : fichiers.fichiers) sortie.lectureSeule = sortie.lectureSeule || f.lectureSeule;
}
