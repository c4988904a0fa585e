// The summary's requests to the verification library: one plan or a list verified, one plan
// compared. Each holds the folder for the run, shows the library's refusals in the message list
// and refreshes the rows of the plans concerned.
#include "application/bilan_requetes.h"

#include "application/app_traitement.h"
#include "application/bilan.h"
#include "application/ref_plans.h"
#include "application/verapplication.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;

// The text of a refusal that the user reads, or null for a result the rows show.
const wchar_t* messageRefus(std::int32_t resultat, bool planSeul) {
  switch (resultat) {
    case verifAucuneVue:
      return L"Traitement impossible car aucune vue n'est ouverte";
    case verifErreurDossier:
      return L"Erreur dans la structure du dossier";
    case verifErreurPlan:
      return planSeul ? L"Erreur dans la d\u00e9finition du plan" : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

void bilan_verifierPlan(verdossier& dossier, std::int32_t plan) {
  try {
    if (!bilan_indexPlanValide(dossier, plan)) return;
    TraitementEnCours traitement;
    // The plan's own references are detached so that the library can open its files.
    ref_demonterPlan(dossier, plan);
    const std::int32_t r = verif_verifierPlan(dossier.plans[static_cast<std::size_t>(plan)], dossier, appTolvek.drapeaux);
    if (const wchar_t* texte = messageRefus(r, true)) {
      stbMsg_afficher(4, L"", stbStr_toString(L"Plan %s. %s", dossier.plans[static_cast<std::size_t>(plan)].nom,
                                              std::wstring(texte)));
      return;
    }
    bilan_actualiserLignes({plan});
  } catch (...) {
  }
}

void bilan_verifierListe(verdossier& dossier, const std::vector<std::int32_t>& plans) {
  try {
    std::vector<std::int32_t> valides;
    for (std::int32_t i : plans)
      if (bilan_indexPlanValide(dossier, i)) valides.push_back(i);
    if (valides.empty()) return;
    TraitementEnCours traitement;
    const std::int32_t r = verif_verifierListePlan(valides, dossier, appTolvek.drapeaux);
    // A plan that could not be verified (-3) shows its new status in its row, without a message.
    if (r == verifAucuneVue || r == verifErreurDossier) {
      stbMsg_afficher(4, L"", stbStr_toString(L"%s", std::wstring(messageRefus(r, false))));
      return;
    }
    bilan_actualiserLignes(valides);
  } catch (...) {
  }
}

std::int32_t bilan_comparerPlan(verdossier& dossier, std::int32_t plan) {
  try {
    if (!bilan_indexPlanValide(dossier, plan)) return kEchec;
    TraitementEnCours traitement;
    const std::int32_t r = verif_comparerPlan(dossier.plans[static_cast<std::size_t>(plan)], dossier, appTolvek.drapeaux);
    if (r == verifAucuneVue || r == verifErreurDossier) {
      stbMsg_afficher(4, L"", stbStr_toString(L"%s", std::wstring(messageRefus(r, false))));
      return kEchec;
    }
    return 0;
  } catch (...) {
    return kEchec;
  }
}
