// The neighbouring plans of the cable topology: their network files opened, in their own
// declared coordinate system.
#include <algorithm>

#include "engine/emprise_lecture.h"
#include "engine/plan_fichier.h"
#include "host/element_handle.h"
#include "networks/topologie_cables.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"

namespace {

constexpr double kZone = 10.0;       // UORs around the plan's footprint
constexpr double kTolerance = 1.0;   // chord tolerance of the zone

// The footprints near the plan's own, read from the footprint drawing; the drawing is closed
// again when it was opened here.
std::vector<veremprise> empreintesVoisines(const verplaninfo& plan, const vercontexte& contexte) {
  std::vector<veremprise> trouvees;
  bool ouvert = false;
  host::ModelRef emprises;
  if (emprise_localiserFichier(ouvert, emprises, contexte.fichierEmprises) != 0) return trouvees;
  const host::ElementHandle forme(plan.emprise.idForme, emprises);
  host::ElementHandle zone;
  if (forme.isValid() && stbElem_zoneTampon(zone, forme, kZone, kTolerance, emprises) == 0)
    emprise_chercherDansZone(trouvees, emprises, L"", zone, {});
  if (ouvert && !host::isActive(emprises)) stbDgn_fermerFichier(emprises);
  return trouvees;
}

bool dejaPris(const std::vector<std::wstring>& pris, const std::wstring& nom) {
  return std::any_of(pris.begin(), pris.end(), [&](const std::wstring& p) { return stbStr_comparer(p, nom, false) == 0; });
}

// The neighbour's network file in its declared system: the file itself when it carries that
// system (or the plan's own projection is declared), else a copy in Temp given it. Null when
// neither can be opened.
host::ModelRef ouvrirVoisin(const verplaninfo& voisin, const verplaninfo& plan, const vercontexte& contexte) {
  std::wstring chemin;
  plan_fichierTheme(chemin, themeEL2, voisin);
  host::ModelRef modele;
  if (chemin.empty() || !stbFichier_existe(chemin) ||
      stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) != 0)
    return {};
  if (voisin.projection.cleSysteme == plan.projection.cleSysteme) return modele;
  std::wstring systeme;
  if (stbProj_nomSysteme(systeme, modele, L"") == voisin.projection.cleSysteme) return modele;
  if (!host::isActive(modele)) stbDgn_fermerFichier(modele);

  // Nothing is copied outside the Temp directory.
  if (contexte.repTemp.empty() || !stbFichier_dossierExiste(contexte.repTemp)) return {};
  std::wstring nom, copie;
  stbFichier_composer(copie, contexte.repTemp, stbFichier_nom(nom, chemin), L"", L"");
  // The copy keeps the source's mode bits: a read-only neighbour would give a copy that cannot
  // be opened for writing.
  host::ModelRef modeleCopie;
  if (stbFichier_copier(chemin, copie) != 0 || stbFichier_attributsNormaux(copie) != 0 ||
      stbDgn_ouvrirFichier(&modeleCopie, nullptr, nullptr, copie, L"", false) != 0)
    return {};
  stbProj_affecterSysteme(voisin.projection, modeleCopie, L"");
  return modeleCopie;
}

}  // namespace

void cable_ouvrirPlansVoisins(std::vector<host::ModelRef>& voisins, const verplaninfo& plan,
                              const vercontexte& contexte) {
  voisins.clear();
  if (plan.emprise.idForme == 0) return;
  std::vector<std::wstring> pris{plan.nomPlan};
  for (const veremprise& trouvee : empreintesVoisines(plan, contexte)) {
    const auto voisin = std::find_if(contexte.planInfos.begin(), contexte.planInfos.end(), [&](const verplaninfo& p) {
      return stbStr_comparer(p.libelleEmprise, trouvee.libelle, false) == 0;
    });
    if (voisin == contexte.planInfos.end() || dejaPris(pris, voisin->nomPlan)) continue;
    pris.push_back(voisin->nomPlan);
    if (const host::ModelRef modele = ouvrirVoisin(*voisin, plan, contexte)) voisins.push_back(modele);
  }
}
