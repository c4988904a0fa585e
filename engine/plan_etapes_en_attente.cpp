// The stages of the verification whose checks are not built yet: the one list of them. Each
// passes over the plan (no finding, no status, result 0) until its checks land; the comment of
// each says the calls it will make. Remove a stage from here when it is built. The rule-book
// drivers and books still waiting stand here too, doing nothing.
#include "engine/plan_etapes.h"
#include "standard/regle_livresV3.h"

// ctrl_datesReseauxMesures with the lengths of res_elementsDansClip over the whole plan (an
// empty clip handle). Waits for the network searches: lengths of 0.0 for every network would
// give 1110 "Plan sans réseaux %s en service" on every plan that writes a valid network date.
void etape_datesReseaux(std::vector<vererreur>&, const verfichier&, std::uint64_t, const verplaninfo&,
                        const std::vector<std::pair<std::wstring, std::wstring>>&) {}

// The electricity (EL2) and other-networks (AR2) rule books, which ctrl_elementsElecV3 and
// ctrl_elementsAutreV3 walk; until they land the elements keep code 0 and no category, and the
// drawing-rule stage calls neither driver.
void regle_classerElementElecV3(verelement&, const verniveauxele&, const std::vector<vercouple>&, std::int32_t,
                                const verfichier&) {}
void regle_classerElementAutreV3(verelement&, const verniveauxaut&, const std::vector<vercouple>&, std::int32_t,
                                 const verfichier&) {}

// ctrl_zoneUtile on the file set.
void etape_zoneUtile(std::vector<vererreur>&, verplanfichiers&) {}

// ctrl_noeudTopoSurLimite on the file set.
void etape_noeudsSurLimite(std::vector<vererreur>&, verplanfichiers&) {}

// ctrl_texteVide on each existing file in slot order.
void etape_textesVides(std::vector<vererreur>&, verplanfichiers&) {}

// ctrl_groupesPTRL with the pass number.
void etape_groupesPTRL(std::vector<vererreur>&, verplanfichiers&, std::int32_t) {}

// plan_comparer into the plan's comparison list.
void etape_comparaison(std::vector<verecart>&, verplanfichiers&, vercontexte&) {}

// ctrl_topologieCables with the plan record (theme mask 62, its footprint) and the network file.
void etape_topologieCables(std::vector<vererreur>&, std::vector<verecart>&, vercontexte&, verplaninfo&, verfichier&) {}

// One-file plan: ctrl_echelleCellulesV2 then ctrl_textesV2 on slot 0; three-file plan:
// ctrl_echelleAccessoiresV3 on EL2 then AR2, then ctrl_textesV3 on EL2 then AR2; each with the
// plan's scale class.
void etape_echellesEtTextes(std::vector<vererreur>&, verplanfichiers&) {}

// drap_collecterDrapeaux, drap_marquerAControler on the network file, ctrl_groupesGraphiques,
// ctrl_texteSymbologie with the context's text prefixes; the flag list is then freed.
void etape_groupesGraphiques(std::vector<vererreur>&, vercontexte&, verplaninfo&, verfichier&) {}

// cartouche_calculerQuadrigramme with the code, the folder, the plan and the flags. Until then
// verif_actualiserCartouche refuses (0x8000) every plan whose arguments pass.
std::int32_t etape_quadrigramme(std::wstring& code, verdossier&, verplan&, drapeauxVerification) {
  code.clear();
  return 0x8000;
}
