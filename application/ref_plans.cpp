#include "application/ref_plans.h"

#include "application/app_traitement.h"
#include "application/references.h"
#include "application/verapplication.h"
#include "engine/emprise_lecture.h"
#include "engine/plan_fichier.h"
#include "engine/verplaninfo.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_vue.h"

namespace {

constexpr int kTypeForme = 6;
constexpr int kTypeTexte = 17;
// String ids of the application's resources: prompt, and the show and detach command names.
constexpr int kInviteIdentifierPlan = 1;
constexpr int kMessageMontrer = 2;
constexpr int kMessageDemonter = 3;
// The question box's answer No.
constexpr int kReponseNon = 7;
// The footprint fills the view with this margin.
constexpr double kFacteurZoomEmprise = 1.2;

void redemarrerMontrer() { cmd_montrerPlan(L""); }
void redemarrerDemonter() { cmd_demonterPlans(L""); }

// Starts one of the two modify commands with the locate settings they share.
void demarrerSelection(host::tools::RestartFunction redemarrer, host::tools::AcceptFunction accepter, int message) {
  host::tools::startModifyCommand(redemarrer, accepter, nullptr, nullptr, message, kInviteIdentifierPlan, false, 0);
  host::locate::enableAutoLocate(true);
  host::locate::allowLocked();
  host::locate::setPostLocateFunction(ref_filtrerLocalisation);
  host::locate::init();
}

const verplan* planDuDossier(const verdossier& dossier, std::int32_t plan) {
  if (plan < 0 || static_cast<std::size_t>(plan) >= dossier.plans.size()) return nullptr;
  return &dossier.plans[static_cast<std::size_t>(plan)];
}

// The footprint drawing's attachment on the active model, whatever its logical name.
bool attachementEmprises(host::ModelRef& attachement, const verdossier& dossier) {
  if (dossier.fichierEmprises.empty()) return false;
  return stbDgn_chercherAttachement(&attachement, dossier.fichierEmprises, L"", L"", host::activeModel()) == 0;
}

// The plan of the located element, then `action` on it; the data point's view is redrawn and
// the command goes on.
void accepter(int vue, void (*action)(verdossier&, std::int32_t)) {
  const auto chemin = host::locate::currentPath();
  if (!chemin) return;
  const host::ElementHandle localise(chemin->element, chemin->model);
  const std::int32_t plan = ref_planDuGroupe(localise, appTolvek.dossier.plans);
  if (plan >= 0) {
    action(appTolvek.dossier, plan);
    host::views::update(vue);
  }
  host::tools::restartCurrentCommand();
}

void montrerLivre(verdossier& dossier, std::int32_t plan) { ref_montrerPlan(dossier, plan, 1); }

}  // namespace

void cmd_montrerPlan(const wchar_t* /*argument*/) {
  try {
    demarrerSelection(redemarrerMontrer, ref_accepterMontrer, kMessageMontrer);
  } catch (...) {
  }
}

void cmd_demonterPlans(const wchar_t* /*argument*/) {
  try {
    if (TvkDlg.demonterTout != 0) {
      // The field stays set on No: the next run of the command asks again.
      if (stbMsg_afficher(6, L"", L"D\u00e9monter tous les plans KV. Confirmer ?") == kReponseNon) return;
      stbDgn_detacherReferences(L"VERLIV");
      TvkDlg.demonterTout = 0;
      host::tools::startDefaultCommand();
      return;
    }
    demarrerSelection(redemarrerDemonter, ref_accepterDemonter, kMessageDemonter);
  } catch (...) {
  }
}

int ref_filtrerLocalisation(int /*action*/, const host::Element* /*element*/, host::ModelRef /*modele*/,
                            std::uint32_t /*positionFichier*/, const host::Point3d* /*point*/, int /*vue*/,
                            const host::locate::HitPath* chemin, std::wstring* /*raison*/) {
  try {
    if (!chemin) return host::locate::filterReject;
    const host::Element* tete = host::readElement(chemin->model, chemin->element);
    if (!tete) return host::locate::filterReject;
    const std::wstring& emprises = appTolvek.dossier.fichierEmprises;
    std::wstring fichier;
    stbDgn_nomFichier(fichier, chemin->model);
    if (emprises.empty() || fichier.empty() || stbStr_comparer(fichier, emprises, false) != 0)
      return host::locate::filterReject;
    return tete->type == kTypeTexte || tete->type == kTypeForme ? host::locate::filterAccept
                                                                : host::locate::filterReject;
  } catch (...) {
    return host::locate::filterReject;
  }
}

void ref_accepterMontrer(const host::Point3d* /*point*/, int vue) {
  try {
    // Refused while the library works; the command goes on all the same.
    if (app_refuserPendantTraitement()) {
      host::tools::restartCurrentCommand();
      return;
    }
    accepter(vue, montrerLivre);
  } catch (...) {
  }
}

void ref_accepterDemonter(const host::Point3d* /*point*/, int vue) {
  try {
    // Refused while the library works; the command goes on all the same.
    if (app_refuserPendantTraitement()) {
      host::tools::restartCurrentCommand();
      return;
    }
    accepter(vue, ref_demonterPlan);
  } catch (...) {
  }
}

std::int32_t ref_planDuGroupe(const host::ElementHandle& element, const std::vector<verplan>& plans) {
  try {
    host::ModelRef emprises;
    if (!attachementEmprises(emprises, appTolvek.dossier)) return -1;
    const host::Element* localise = element.element();
    if (!localise || localise->graphicGroup == 0) return -1;
    std::vector<host::ElementId> groupe;
    stbDgn_elementsDuGroupe(groupe, localise->graphicGroup, emprises);
    std::wstring libelle;
    for (host::ElementId id : groupe) {
      const host::ElementHandle membre(id, emprises);
      if (membre.type() != kTypeTexte) continue;
      std::wstring texte;
      if (stbElem_lireTexte(nullptr, &texte, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, membre) == 0 &&
          !texte.empty()) {
        libelle = texte;
        break;
      }
    }
    if (libelle.empty()) return -1;
    for (std::size_t i = 0; i < plans.size(); ++i)
      if (stbStr_comparer(plans[i].nom, libelle, false) == 0) return static_cast<std::int32_t>(i);
  } catch (...) {
  }
  return -1;
}

void ref_montrerPlan(verdossier& dossier, std::int32_t plan, std::int32_t version) {
  try {
    const verplan* p = planDuDossier(dossier, plan);
    if (!p || (version != 1 && version != 2)) return;
    const std::wstring& repertoire = version == 1 ? dossier.repLivre : dossier.repOrigine;
    const std::wstring prefixe = version == 1 ? L"VERLIV" : L"VERORI";
    std::vector<std::wstring> chemins;
    std::wstring chemin;
    if (p->type == 1) {
      chemins.push_back(stbFichier_composer(chemin, repertoire, p->nom, L"", L""));
    } else if (p->type == 2) {
      // The gas file of a three-file plan is never shown.
      for (const wchar_t* extension : {L"FP2", L"EL2", L"AR2"})
        chemins.push_back(stbFichier_composer(chemin, repertoire, p->nom, extension, L""));
    }
    for (const std::wstring& c : chemins)
      if (stbFichier_existe(c)) ref_attacherPlan(c, prefixe, p->emprise, dossier.projection, p->projection);
  } catch (...) {
  }
}

void ref_demonterPlan(verdossier& dossier, std::int32_t plan) {
  try {
    const verplan* p = planDuDossier(dossier, plan);
    if (!p) return;
    verplaninfo info;
    plan_construireInfo(info, *p, dossier.repLivre);
    std::vector<std::wstring> chemins;
    std::wstring chemin;
    if (info.type == 1) {
      chemins.push_back(info.chemin);
    } else if (info.type == 2) {
      for (std::uint32_t theme : {2u, 4u, 16u}) chemins.push_back(plan_fichierTheme(chemin, theme, info));
    }
    for (const std::wstring& c : chemins) {
      host::ModelRef attachement;
      if (stbFichier_existe(c) && stbDgn_chercherAttachement(&attachement, c, L"", L"VERLIV", host::activeModel()) == 0)
        host::detachReference(attachement);
    }
  } catch (...) {
  }
}

void ref_montrerElementsPlan(verdossier& dossier, std::int32_t plan) {
  try {
    const verplan* p = planDuDossier(dossier, plan);
    if (!p) return;
    host::ModelRef emprises;
    if (!attachementEmprises(emprises, dossier)) return;
    host::ScanCriteria criteres;
    criteres.types = {kTypeTexte};
    std::vector<host::ElementId> textes;
    stbDgn_scanner(textes, criteres, emprises);
    for (host::ElementId id : textes) {
      const host::ElementHandle texte(id, emprises);
      std::wstring libelle;
      if (stbElem_lireTexte(nullptr, &libelle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, texte) != 0 ||
          stbStr_comparer(libelle, p->nom, false) != 0)
        continue;
      const std::uint32_t groupe = texte.element()->graphicGroup;
      if (groupe == 0) return;
      // A group without footprint shape shows nothing.
      const std::uint64_t forme = emprise_formeDuGroupe(groupe, emprises);
      if (forme != 0) stbElem_surligner(forme, emprises, -1, kFacteurZoomEmprise, false);
      return;
    }
  } catch (...) {
  }
}
