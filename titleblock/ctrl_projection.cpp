#include "titleblock/ctrl_projection.h"

#include "engine/erreur.h"
#include "host/element_handle.h"
#include "titleblock/ctrl_commun.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;
constexpr std::uint32_t codeInconnu = 1124;
constexpr std::uint32_t codeHorsDomaine = 1129;
constexpr std::uint32_t codeDepartement = 1134;

}  // namespace

std::uint32_t ctrl_projectionCartouche(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                                       const std::wstring& code, const std::vector<verprojection>& projections) {
  const verprojection* projection = nullptr;
  for (const verprojection& p : projections)
    if (stbStr_comparer(p.codeCourt, code, false) == 0) {
      projection = &p;
      break;
    }
  if (!projection) {
    erreur_ajouter(erreurs, fichier.chemin, idCellule, ctrl_typeCellule, codeInconnu, nullptr, ctrl_objetCartouche, code);
    return kEchec;
  }
  host::Point3d origine;
  if (!ctrl_origineMaitre(origine, idCellule, fichier.modele)) return kEchec;
  if (!projection->domaine.containsXY(origine)) {
    erreur_ajouter(erreurs, fichier.chemin, idCellule, ctrl_typeCellule, codeHorsDomaine, nullptr, ctrl_objetCartouche,
                   code);
    return kEchec;
  }
  return 0;
}

std::wstring ctrl_departementInsee(const std::wstring& insee) {
  if (insee.size() != 5) return {};
  return insee.substr(0, insee.compare(0, 2, L"97") == 0 ? 3 : 2);
}

void ctrl_departementProjection(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                                const std::wstring& code, const std::wstring& insee,
                                const std::vector<verdeptproj>& relations) {
  const std::wstring departement = ctrl_departementInsee(insee);
  const verdeptproj* relation = nullptr;
  for (const verdeptproj& r : relations)
    if (stbStr_comparer(r.codeProjection, code, false) == 0 && stbStr_comparer(r.departement, departement, false) == 0) {
      relation = &r;
      break;
    }
  if (relation) {
    host::Point3d origine;
    if (!ctrl_origineMaitre(origine, idCellule, fichier.modele) || relation->etendue.containsXY(origine)) return;
  }
  erreur_ajouter(erreurs, fichier.chemin, idCellule, ctrl_typeCellule, codeDepartement, nullptr, ctrl_objetCartouche,
                 stbStr_toString(L"%s-%s", code, departement));
}
