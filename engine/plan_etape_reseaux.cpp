// The stages of the network checks that read the drawn networks: the network dates of the title
// blocks against the lengths drawn, and (step 15.7) the graphic groups with their flags and texts.
#include "engine/plan_etapes.h"
#include "networks/drapeaux.h"
#include "networks/groupes_graphiques.h"
#include "networks/recherches_reseau.h"
#include "networks/texte_symbologie.h"
#include "titleblock/ctrl_dates_reseaux.h"

void etape_datesReseaux(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                        const verplaninfo& plan, const std::vector<std::pair<std::wstring, std::wstring>>& dates) {
  ctrl_datesReseauxMesures(erreurs, fichier, idCellule, res_elementsDansClip(plan, host::ElementHandle()), dates);
}

void etape_groupesGraphiques(std::vector<vererreur>& erreurs, vercontexte& contexte, verplaninfo& plan,
                             verfichier& reseau) {
  std::vector<verdrapeau> drapeaux = drap_collecterDrapeaux(plan);
  drap_marquerAControler(drapeaux, reseau);
  ctrl_groupesGraphiques(erreurs, drapeaux, reseau, plan);
  ctrl_texteSymbologie(erreurs, contexte, drapeaux, reseau);
}
