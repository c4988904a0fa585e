#include "application/erreurs.h"

#include <algorithm>

#include "application/app_traitement.h"
#include "application/liste.h"
#include "application/localiser.h"
#include "application/ref_plans.h"
#include "application/verapplication.h"
#include "host/element_handle.h"
#include "host/locate.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_vue.h"

namespace d = host::dialogs;

etatErreurs dlgErreurs;

namespace {

constexpr int kDialogue = 3;
constexpr int kListe = 31;
constexpr std::uint32_t kInterets = 0x10040;
constexpr int kLargeurMinimale = 180;  // dialog units
constexpr int kHauteurMinimale = 96;   // dialog units
constexpr double kFacteurZoom = 1.2;
// Half the side of the cross on an error's position, in master units.
constexpr double kDemiCroix = 0.2;

void libererMarqueur() {
  host::transients::free(dlgErreurs.marqueur);
  dlgErreurs.marqueur = nullptr;
}

unsigned masqueMarqueur() { return TvkDlg.vuesMarqueur != 0 ? 1u : 0u; }

// Curves get a cross on their recorded position; texts and cells carry their own.
bool croixPourType(int type) {
  switch (type) {
    case host::ElementType::Line:
    case host::ElementType::LineString:
    case host::ElementType::Shape:
    case host::ElementType::ComplexChain:
    case host::ElementType::ComplexShape:
    case host::ElementType::Ellipse:
    case host::ElementType::Arc:
      return true;
    default:
      return false;
  }
}

void ajouterAuMarqueur(const host::Element& element) {
  dlgErreurs.marqueur =
      host::transients::addElement(dlgErreurs.marqueur, element, host::transients::drawHighlighted, masqueMarqueur());
}

void doubleClic() {
  std::int32_t index = -1;
  liste_lignesSelectionnees(&index, nullptr, kDialogue, kListe);
  if (index < 0 || static_cast<std::size_t>(index) >= dlgErreurs.erreurs.size()) return;
  // Attaching the plan is refused while the library works, as the show pick is.
  if (app_refuserPendantTraitement()) return;
  const vererreur erreur = dlgErreurs.erreurs[static_cast<std::size_t>(index)];
  dlgErreurs.fichierCourant.clear();
  dlgErreurs.positionCourante = 0;
  if (erreur.idElement == 0) return;

  verdossier& dossier = appTolvek.dossier;
  const std::int32_t plan = plan_indiceParNom(dossier.plans, erreur.fichier);
  if (plan < 0) return;
  stbFichier_composer(dlgErreurs.fichierCourant, dossier.repLivre, erreur.fichier, L"", L"");
  ref_montrerPlan(dossier, plan, 1);
  host::ModelRef attachement;
  if (stbDgn_chercherAttachement(&attachement, dlgErreurs.fichierCourant, L"", L"VERLIV", host::activeModel()) != 0)
    return;
  if (const host::Element* element = host::readElement(attachement, erreur.idElement))
    dlgErreurs.positionCourante = element->filePosition;

  // An element that does not open leaves position 0: no marker, no zoom, nothing selected.
  host::selection::freeAll();
  err_afficherTransitoire(erreur, attachement);
  stbElem_surligner(erreur.idElement, attachement, 0, kFacteurZoom, false);
  if (TvkDlg.selectionLivre != 0 && dlgErreurs.positionCourante != 0)
    host::selection::addElement(attachement, dlgErreurs.positionCourante);
}

}  // namespace

void err_fermer() {
  try {
    d::close(d::find(kDialogue));
    libererMarqueur();
    dlgErreurs.plans.clear();
    dlgErreurs.erreurs.clear();
    dlgErreurs.fichierCourant.clear();
    dlgErreurs.positionCourante = 0;
  } catch (...) {
  }
}

void err_ouvrir(verdossier& dossier, std::vector<std::int32_t> plans) {
  try {
    err_fermer();
    for (std::int32_t i : plans) {
      if (i < 0 || static_cast<std::size_t>(i) >= dossier.plans.size()) continue;
      const verplan& plan = dossier.plans[static_cast<std::size_t>(i)];
      if (plan.erreurs.empty()) continue;
      dlgErreurs.plans.push_back(i);
      dlgErreurs.erreurs.insert(dlgErreurs.erreurs.end(), plan.erreurs.begin(), plan.erreurs.end());
    }
    d::open(kDialogue);
  } catch (...) {
  }
}

void err_hookDialogue(d::DialogMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_redimensionnerDialogue(message, kListe, kLargeurMinimale, kHauteurMinimale, true)) return;
    switch (message->messageType) {
      case d::msgCreate:
        message->interests |= kInterets;
        break;
      case d::msgInit: {
        liste_ajusterColonnes(message->dialog, kListe);
        const auto& plans = appTolvek.dossier.plans;
        if (!dlgErreurs.plans.empty() && static_cast<std::size_t>(dlgErreurs.plans.front()) < plans.size())
          d::setTitle(message->dialog,
                      stbStr_toString(L"Erreurs - %s", plans[static_cast<std::size_t>(dlgErreurs.plans.front())].nom));
        break;
      }
      case d::msgDestroy:
        libererMarqueur();
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void err_hookSelection(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemActivate) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    if (message->value == 1) {
      host::transients::setViewMask(dlgErreurs.marqueur, masqueMarqueur());
    } else if (message->value == 2) {
      host::selection::freeAll();
      if (TvkDlg.selectionLivre == 0 || dlgErreurs.fichierCourant.empty()) return;
      host::ModelRef attachement;
      if (stbDgn_chercherAttachement(&attachement, dlgErreurs.fichierCourant, L"", L"VERLIV", host::activeModel()) == 0 &&
          dlgErreurs.positionCourante != 0)
        host::selection::addElement(attachement, dlgErreurs.positionCourante);
    }
  } catch (...) {
  }
}

void err_hookListe(d::ItemMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_gererModele(message, 2)) return;
    d::Item* liste = message->item;
    switch (message->messageType) {
      case d::msgItemInit:
        d::setSortFunction(liste, 0, liste_reelCellule);
        d::setSortFunction(liste, 1, liste_texteCellule);
        err_remplirListe();
        break;
      case d::msgItemButton:
        if (liste_doubleClic(message)) doubleClic();
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void err_remplirListe() {
  try {
    d::Item* liste = liste_trouver(kDialogue, kListe);
    if (!liste) return;
    d::ListModel& modele = *liste->model;
    modele.rows.clear();
    for (std::size_t i = 0; i < dlgErreurs.erreurs.size(); ++i) {
      const vererreur& e = dlgErreurs.erreurs[i];
      std::wstring description = e.message;
      if (!e.complement.empty()) description += stbStr_toString(L". %s", e.complement);
      liste_ajouterLigne(modele, {stbStr_toString(L"%d", e.niveau), description}, static_cast<std::int64_t>(i));
    }
    liste_compterLignes(liste, L"Description (%d)");
  } catch (...) {
  }
}

void err_afficherTransitoire(const vererreur& erreur, host::ModelRef attachement) {
  try {
    libererMarqueur();
    if (erreur.idElement == 0 || !attachement) return;
    const host::Element* element = host::readElement(attachement, erreur.idElement);
    if (!element) return;
    host::Point3d p = erreur.position;
    host::Element copie = *element;
    if (host::isReference(attachement)) {
      const host::Transform versMaitre = host::referenceToMaster(attachement);
      copie = host::transformed(copie, versMaitre);
      p = versMaitre.apply(p);
    }
    ajouterAuMarqueur(copie);

    // The recovery reads "0.000;0.000" back as a position: the origin is no element's place.
    const bool origine = erreur.position.x == 0.0 && erreur.position.y == 0.0 && erreur.position.z == 0.0;
    if (!erreur.aPosition || origine || !croixPourType(element->type)) return;
    const double dd = host::masterToUor(attachement, kDemiCroix);
    const std::vector<host::Point3d> points{
        {p.x + dd, p.y + dd, 0.0}, {p.x - dd, p.y - dd, 0.0}, p, {p.x - dd, p.y + dd, 0.0}, {p.x + dd, p.y - dd, 0.0}};
    host::ElementHandle croix;
    if (stbElem_creerLigneBrisee(croix, nullptr, attachement, points, false) == 0 && croix.element())
      ajouterAuMarqueur(*croix.element());
  } catch (...) {
  }
}
