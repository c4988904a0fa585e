#include "application/localiser.h"

#include "application/app_traitement.h"
#include "application/bilan.h"
#include "application/liste.h"
#include "application/ref_plans.h"
#include "application/references.h"
#include "application/verapplication.h"
#include "engine/plan_fichier.h"
#include "engine/verplaninfo.h"
#include "host/locate.h"
#include "host/model_ref.h"
#include "host/tools.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_vue.h"

namespace {

constexpr int kDialogueBilan = 2;
constexpr int kListeBilan = 21;
// String ids of the application's resources: the command's name and its prompt.
constexpr int kNomCommande = 4;
constexpr int kInvite = 0;
constexpr double kFacteurZoom = 2.0;
// Lengths of a plan file's stem: one-file plans, three-file plans.
constexpr std::size_t kTigeUnique = 8;
constexpr std::size_t kTigeTroisMin = 25;
constexpr std::size_t kTigeTroisMax = 26;

void redemarrer() { cmd_localiserElement(L""); }

}  // namespace

void cmd_localiserElement(const wchar_t* /*argument*/) {
  try {
    host::tools::startPrimitive(bilan_localiserElement, redemarrer, kNomCommande, kInvite);
  } catch (...) {
  }
}

void bilan_localiserElement(const host::Point3d* /*point*/, int vue) {
  try {
    // Attaching plans is refused while the library works; the tool stays.
    if (app_refuserPendantTraitement()) return;
    verdossier& dossier = appTolvek.dossier;
    std::int32_t plan = -1;
    liste_lignesSelectionnees(&plan, nullptr, kDialogueBilan, kListeBilan);
    if (!bilan_indexPlanValide(dossier, plan)) {
      stbMsg_afficher(5, L"", L"Aucun plan n'est s\u00e9lectionn\u00e9 dans la liste");
      return;
    }
    ref_montrerPlan(dossier, plan, 1);

    verplaninfo info;
    plan_construireInfo(info, dossier.plans[static_cast<std::size_t>(plan)], dossier.repLivre);
    std::wstring chemin;
    // A theme code of no file gives no path, which must match no reference.
    if (plan_fichierTheme(chemin, static_cast<std::uint32_t>(TvkDlg.codeTheme), info).empty()) return;
    host::ModelRef reference;
    if (stbDgn_trouverReference(reference, chemin, L"", L"", host::activeModel()) != 0) return;

    const std::uint64_t id = TvkDlg.idElement;
    const host::Element* element = id == 0 ? nullptr : host::readElement(reference, id);
    if (!element) {
      stbMsg_afficher(2, L"", stbStr_toString(L"El\u00e9ment introuvable dans le fichier %s", chemin));
      return;
    }
    const std::uint32_t position = element->filePosition;
    stbElem_surligner(id, reference, vue, kFacteurZoom, true);
    host::selection::freeAll();
    host::selection::addElement(reference, position);
  } catch (...) {
  }
}

std::int32_t plan_indiceParNom(const std::vector<verplan>& plans, const std::wstring& nomFichier) {
  try {
    std::wstring tige;
    stbFichier_nomSansExtension(tige, nomFichier);
    std::wstring compare;
    if (tige.size() == kTigeUnique) compare = nomFichier;
    else if (tige.size() == kTigeTroisMin || tige.size() == kTigeTroisMax) compare = tige;
    else return -1;
    for (std::size_t i = 0; i < plans.size(); ++i)
      if (stbStr_comparer(plans[i].nom, compare, false) == 0) return static_cast<std::int32_t>(i);
  } catch (...) {
  }
  return -1;
}
