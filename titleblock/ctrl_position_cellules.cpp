#include "titleblock/ctrl_position_cellules.h"

#include <cmath>
#include <string>

#include "engine/erreur.h"
#include "titleblock/ctrl_cartouche_table.h"
#include "titleblock/ctrl_commun.h"

namespace {

constexpr std::uint32_t codePosition = 1135;

// Within 1.0 UOR, or (street cells) not more than 1.0 UOR before, the expected point.
bool bienPlacee(const host::Point3d& origine, const host::Point3d& attendu, ctrl_testPosition test) {
  if (test == testAPartir) return origine.x >= attendu.x - 1.0 && origine.y >= attendu.y - 1.0;
  return std::fabs(origine.x - attendu.x) < 1.0 && std::fabs(origine.y - attendu.y) < 1.0;
}

void tester(std::vector<vererreur>& erreurs, const verfichier& fichier, const host::Point3d& origineCadre,
            std::int32_t version, const ctrl_lignePosition& ligne, std::uint64_t id) {
  host::Point3d origine;
  if (id == 0 || !ctrl_origineCellule(origine, id, fichier.modele)) return;
  const double decalage = version == 2 ? ligne.decalageVersion2 : ligne.decalageVersion1;
  const host::Point3d attendu{origineCadre.x + host::masterToUor(fichier.modele, decalage), origineCadre.y, 0.0};
  if (!bienPlacee(origine, attendu, ligne.test))
    erreur_ajouter(erreurs, fichier.chemin, id, ctrl_typeCellule, codePosition, nullptr, L"", ligne.cellule);
}

const ctrl_lignePosition& ligne(const wchar_t* cellule) {
  for (const ctrl_lignePosition& l : ctrl_positionsIdentification)
    if (std::wstring(cellule) == l.cellule) return l;
  return ctrl_positionsIdentification.front();
}

}  // namespace

void ctrl_positionCellulesId(std::vector<vererreur>& erreurs, const verfichier& fichier, const host::Point3d& origineCadre,
                             std::int32_t version, std::uint64_t idFich, std::uint64_t idLoc,
                             const std::vector<std::uint64_t>& idVoies, std::uint64_t idFdp, std::uint64_t idEle,
                             std::uint64_t idAut) {
  tester(erreurs, fichier, origineCadre, version, ligne(L"IDFICH"), idFich);
  tester(erreurs, fichier, origineCadre, version, ligne(L"IDLOC"), idLoc);
  for (std::uint64_t id : idVoies) tester(erreurs, fichier, origineCadre, version, ligne(L"IDVOIE"), id);
  tester(erreurs, fichier, origineCadre, version, ligne(L"IDFDP"), idFdp);
  tester(erreurs, fichier, origineCadre, version, ligne(L"IDELE"), idEle);
  tester(erreurs, fichier, origineCadre, version, ligne(L"IDAUT"), idAut);
}
