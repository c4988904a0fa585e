// The title-block codes of plans, worked out by the library and kept in the folder's
// "Quadrigramme.csv": a header, then one line "plan;Oui|Non;code" per plan.
#include "application/app_traitement.h"
#include "application/bilan.h"
#include "application/bilan_requetes.h"
#include "application/verapplication.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

const wchar_t* const kEntete = L"Plan;Actualiser;Valeur";

// The line of a plan, from the second line on (the first is the header whatever it holds): the
// first whose text before ";" is the plan's name, ignoring case. -1 when none.
int lignePlan(const std::vector<std::wstring>& lignes, const std::wstring& nom) {
  std::wstring premierChamp;
  for (std::size_t i = 1; i < lignes.size(); ++i)
    if (stbStr_comparer(stbStr_avantPointVirgule(premierChamp, lignes[i]), nom, false) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace

void bilan_actualiserCartouches(verdossier& dossier, const std::vector<std::int32_t>& plans) {
  try {
    std::wstring chemin;
    stbFichier_composer(chemin, dossier.repRapport, L"Quadrigramme", L"csv", L"");
    std::vector<std::wstring> lignes;
    if (stbFichier_existe(chemin)) stbFichier_lireLignes(lignes, chemin);
    // An empty file has no header to keep: it gets one, so that no plan line stands in its place.
    if (lignes.empty()) lignes.push_back(kEntete);

    {
      TraitementEnCours traitement;
      for (std::int32_t index : plans) {
        if (!bilan_indexPlanValide(dossier, index)) continue;
        verplan& plan = dossier.plans[static_cast<std::size_t>(index)];
        std::wstring code;
        const std::int32_t r = verif_actualiserCartouche(code, plan, dossier, appTolvek.drapeaux);
        if (r != 0) code.clear();  // a refused code is recorded empty
        const std::wstring ligne = stbStr_toString(L"%s;%s;%s", plan.nom, std::wstring(r == 0 ? L"Oui" : L"Non"), code);
        const int trouvee = lignePlan(lignes, plan.nom);
        if (trouvee >= 0) lignes[static_cast<std::size_t>(trouvee)] = ligne;
        else lignes.push_back(ligne);
      }
    }

    if (stbFichier_ecrireLignes(chemin, lignes) != 0)
      stbMsg_afficher(4, L"", stbStr_toString(L"Impossible d'\u00e9crire le fichier %s.", chemin));
  } catch (...) {
  }
}
