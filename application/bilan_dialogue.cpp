// The summary dialog's hooks: the dialog, its menu bar, the filter, the plan list, its pop-up
// menu and the push buttons.
#include <algorithm>
#include <cstring>

#include "application/diff_dessin.h"
#include "application/app_traitement.h"
#include "application/bilan.h"
#include "application/bilan_requetes.h"
#include "application/description.h"
#include "application/erreurs.h"
#include "application/export_csv.h"
#include "application/liste.h"
#include "application/ref_plans.h"
#include "application/verapplication.h"
#include "host/commands.h"
#include "host/model_ref.h"
#include "host/view_display.h"
#include "host/views.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"

namespace d = host::dialogs;

namespace {

constexpr int kDialogue = 2;
constexpr int kListe = 21;
constexpr int kMenuPlan = 21;
constexpr int kDialogueDescription = 4;
constexpr std::uint32_t kInterets = 0x10040;
constexpr int kLargeurMinimale = 270;  // dialog units
constexpr int kHauteurMinimale = 132;  // dialog units
constexpr std::uint64_t kCommandeLocaliser = 0x0104000000000000ULL;

// Attaches the folder's footprint drawing ("VERIF") to the active model; 0 and the reference
// (null when the toolbox gave none), or the toolbox's failure.
int attacherEmprises(host::ModelRef& reference) {
  reference = host::ModelRef{};
  return stbDgn_attacherModele(&reference, appTolvek.dossier.fichierEmprises, L"", L"VERIF", L"",
                               host::activeModel());
}

// Shows the footprint drawing in the first view, when there is one and it can be attached.
void montrerEmprises() {
  if (appTolvek.dossier.fichierEmprises.empty() || !stbFichier_existe(appTolvek.dossier.fichierEmprises)) return;
  host::ModelRef reference;
  if (attacherEmprises(reference) != 0) return;
  std::vector<host::ModelRef> modeles;
  if (reference) {
    modeles.push_back(reference);
  } else {
    // The active model and its direct references that have a file.
    std::vector<host::ModelRef> candidats{host::activeModel()};
    for (host::ModelRef r : host::references(host::activeModel())) candidats.push_back(r);
    std::wstring nom;
    for (host::ModelRef m : candidats)
      if (m && !stbDgn_nomFichier(nom, m).empty()) modeles.push_back(m);
  }
  if (!host::views::isOpen(0)) return;
  host::views::fit(0, modeles);
  host::views::update(0);
}

void viderFiltre() {
  std::memset(TvkDlg.filtrePlan, 0, sizeof TvkDlg.filtrePlan);
  filtrePlans.clear();
}

// The selected plans of the list, kept only when they name plans of the folder. True when at
// least one is left.
bool plansSelectionnes(std::int32_t& premier, std::vector<std::int32_t>& plans) {
  premier = -1;
  plans.clear();
  std::vector<std::int32_t> lus;
  std::int32_t lu = -1;
  liste_lignesSelectionnees(&lu, &lus, kDialogue, kListe);
  for (std::int32_t i : lus)
    if (bilan_indexPlanValide(appTolvek.dossier, i)) plans.push_back(i);
  if (plans.empty()) return false;
  premier = bilan_indexPlanValide(appTolvek.dossier, lu) ? lu : plans.front();
  return true;
}

}  // namespace

void bilan_hookDialogue(d::DialogMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_redimensionnerDialogue(message, kListe, kLargeurMinimale, kHauteurMinimale, false)) return;
    switch (message->messageType) {
      case d::msgCreate:
        message->interests |= kInterets;
        montrerEmprises();
        viderFiltre();
        break;
      case d::msgInit:
        d::setTitle(message->dialog, stbStr_toString(L"Bilan de la v\u00e9rification - %s", appTolvek.dossier.nom));
        liste_ajusterColonnes(message->dialog, kListe);
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void bilan_hookMenu(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemButton) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    if (app_refuserPendantTraitement()) return;
    if (message->menuValue == 1) diff_ecrireDifferences(appTolvek.dossier);
    else if (message->menuValue == 2) rapport_exporterCsv(appTolvek.dossier);
  } catch (...) {
  }
}

void bilan_hookFiltre(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemStateChanged) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    filtrePlans = d::displayText(message->item);
    bilan_remplirListe();
  } catch (...) {
  }
}

void bilan_hookListe(d::ItemMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_gererModele(message, 5)) return;
    d::Item* liste = message->item;
    switch (message->messageType) {
      case d::msgItemInit:
        for (int colonne : {0, 1, 3, 4}) d::setSortFunction(liste, colonne, liste_texteCellule);
        d::setSortFunction(liste, 2, liste_reelCellule);
        bilan_remplirListe();
        break;
      case d::msgItemButton:
        if (liste_doubleClic(message)) {
          std::int32_t premier = -1;
          std::vector<std::int32_t> plans;
          if (plansSelectionnes(premier, plans)) ref_montrerElementsPlan(appTolvek.dossier, premier);
        } else if (message->buttonTrans == d::buttonRelease && message->buttonNumber == d::rightButton) {
          d::showPopup(message->dialog, kMenuPlan);
        }
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void bilan_hookMenuPlan(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemButton) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    const int entree = message->menuValue;
    // Entries 2 and 3 run the engine on the folder's plans; entry 4 reads a plan's errors, which a
    // verification is rewriting (as button 2).
    if (entree >= 2 && entree <= 4 && app_refuserPendantTraitement()) return;
    std::int32_t premier = -1;
    std::vector<std::int32_t> plans;
    if (!plansSelectionnes(premier, plans)) return;
    switch (entree) {
      case 1:
        ref_montrerElementsPlan(appTolvek.dossier, premier);
        break;
      case 2:
        bilan_verifierPlan(appTolvek.dossier, premier);
        break;
      case 3:
        bilan_actualiserCartouches(appTolvek.dossier, plans);
        break;
      case 4:
        err_ouvrir(appTolvek.dossier, {premier});
        break;
      default:
        break;
    }
  } catch (...) {
  }
}

void bilan_hookBoutons(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemActivate) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    const int bouton = message->value;
    if (bouton >= 1 && bouton <= 3 && app_refuserPendantTraitement()) return;
    std::int32_t premier = -1;
    std::vector<std::int32_t> plans;
    const bool selection = plansSelectionnes(premier, plans);
    switch (bouton) {
      case 1:
        if (selection) bilan_verifierListe(appTolvek.dossier, plans);
        break;
      case 2:
        if (selection) err_ouvrir(appTolvek.dossier, plans);
        break;
      case 3:
        d::close(d::find(kDialogueDescription));
        if (selection && bilan_comparerPlan(appTolvek.dossier, premier) == 0) desc_ouvrir(appTolvek.dossier, premier);
        break;
      case 4:
        host::commands::send(kCommandeLocaliser, L"");
        break;
      default:
        break;
    }
  } catch (...) {
  }
}
