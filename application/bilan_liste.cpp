// The summary's plan list (list 21 of dialog 2): one row per plan shown, every cell carrying the
// plan's index in the folder's plan list.
#include "application/bilan.h"

#include <algorithm>

#include "application/liste.h"
#include "application/verapplication.h"
#include "toolbox/stb_str.h"

namespace d = host::dialogs;

std::wstring filtrePlans;

namespace {

constexpr int kDialogue = 2;
constexpr int kListe = 21;
constexpr int kColonnes = 5;

// Palette entries of the status cell.
constexpr int kCouleurLectureSeule = 5;
constexpr int kCouleurOk = 4;
constexpr int kCouleurNok = 2;

d::Item* listeBilan() { return liste_trouver(kDialogue, kListe); }

// New (2) or removed (3) objects: as the summary CSV recorded them for a plan read back without
// its comparison list, else counted in that list.
std::wstring compterEcarts(const verplan& plan, std::uint32_t statut) {
  const std::int32_t enregistre = statut == 2 ? plan.nbCreesBilan : plan.nbSupprimesBilan;
  if (enregistre >= 0) return stbStr_toString(L"%d", enregistre);
  const auto n = std::count_if(plan.ecarts.begin(), plan.ecarts.end(),
                               [statut](const verecart& e) { return e.statut == statut; });
  return stbStr_toString(L"%d", n);
}

}  // namespace

bool bilan_indexPlanValide(const verdossier& dossier, std::int64_t index) {
  return index >= 0 && index < static_cast<std::int64_t>(dossier.plans.size());
}

void bilan_remplirLigne(d::ListRow& ligne, const verplan& plan, std::int32_t index) {
  if (ligne.cells.size() < kColonnes) ligne.cells.resize(kColonnes);
  const std::int32_t resultat = plan.statuts[0];
  const bool compte = resultat <= 1;  // above 1 the plan was not verifiable: no counts

  d::ListCell& statut = ligne.cells[0];
  statut.palette = appTolvek.palette;
  statut.colorEntry = -1;
  if (plan.lectureSeule) {
    statut.text = L"LS";
    statut.colorEntry = kCouleurLectureSeule;
  } else if (resultat == 0) {
    statut.text = L"OK";
    statut.colorEntry = kCouleurOk;
  } else if (resultat == 1) {
    statut.text = L"NOK";
    statut.colorEntry = kCouleurNok;
  } else {
    statut.text = L" ";
  }
  if (statut.colorEntry < 0) statut.palette = nullptr;

  ligne.cells[1].text = plan.nom;
  ligne.cells[2].text = compte ? stbStr_toString(L"%d", plan.erreurs.size()) : L" ";
  ligne.cells[3].text = compte ? compterEcarts(plan, 2) : L" ";
  ligne.cells[4].text = compte ? compterEcarts(plan, 3) : L" ";
  for (std::size_t c = 0; c < kColonnes; ++c) {
    ligne.cells[c].value = index;
    if (c > 0) {
      ligne.cells[c].palette = nullptr;
      ligne.cells[c].colorEntry = -1;
    }
  }
}

void bilan_remplirListe() {
  try {
    d::Item* liste = listeBilan();
    if (!liste) return;
    d::ListModel& modele = *liste->model;
    // The selection follows the plans, not the row numbers: a filter moves the rows.
    std::vector<std::int32_t> choisis;
    liste_lignesSelectionnees(nullptr, &choisis, kDialogue, kListe);
    modele.rows.clear();
    const std::vector<verplan>& plans = appTolvek.dossier.plans;
    for (std::size_t i = 0; i < plans.size(); ++i) {
      if (!filtrePlans.empty() && stbStr_chercher(plans[i].nom, filtrePlans, false) < 0) continue;
      d::ListRow ligne = modele.makeRow();
      bilan_remplirLigne(ligne, plans[i], static_cast<std::int32_t>(i));
      modele.rows.push_back(std::move(ligne));
    }
    liste->selection.clear();
    for (std::size_t r = 0; r < modele.rows.size(); ++r)
      if (std::find(choisis.begin(), choisis.end(), modele.rows[r].cells[0].value) != choisis.end())
        liste->selection.push_back(static_cast<int>(r));
    liste_compterLignes(liste, L"Plans (%d)");
  } catch (...) {
  }
}

void bilan_actualiserLignes(std::vector<std::int32_t> plans) {
  try {
    d::Item* liste = listeBilan();
    if (!liste) return;
    for (d::ListRow& ligne : liste->model->rows) {
      if (ligne.cells.empty()) continue;
      const std::int64_t index = ligne.cells[0].value;
      // A row's index is checked against the plan list before the plan is read.
      if (!bilan_indexPlanValide(appTolvek.dossier, index)) continue;
      if (std::find(plans.begin(), plans.end(), index) == plans.end()) continue;
      bilan_remplirLigne(ligne, appTolvek.dossier.plans[static_cast<std::size_t>(index)],
                         static_cast<std::int32_t>(index));
    }
    d::rowsChanged(liste);
  } catch (...) {
  }
}
