// The title-block stage of the driver: the cell counts, then the title block of a one-file plan
// or the frame and identification cells of a three-file plan's files.
#include "engine/plan_etapes.h"
#include "titleblock/ctrl_cartouche_v2.h"
#include "titleblock/ctrl_cartouche_v3.h"
#include "titleblock/ctrl_cellules.h"

std::int32_t etape_cartouche(std::vector<vererreur>& erreurs, vercontexte& contexte, verplanfichiers& fichiers) {
  if (ctrl_cellulesCartouche(erreurs, fichiers) != 0) return 0x8000;
  if (fichiers.type == 1) return static_cast<std::int32_t>(ctrl_cartoucheV2(erreurs, contexte, fichiers));
  if (fichiers.type != 2) return 0;
  // All three run whatever the others find; none of them stops the plan today.
  std::uint32_t resultat = ctrl_cadreCartoucheV3(erreurs, contexte, fichiers);
  const verfichier& el2 = fichiers.fichiers[1];
  const verfichier& ar2 = fichiers.fichiers[2];
  if (el2.existe && el2.modele) resultat |= ctrl_cartoucheElecV3(erreurs, fichiers);
  if (ar2.existe && ar2.modele) resultat |= ctrl_cartoucheAutreV3(erreurs, fichiers);
  return static_cast<std::int32_t>(resultat);
}
