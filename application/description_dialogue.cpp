// The description dialog's hooks, its list and the display of the two versions.
#include "application/description.h"

#include <algorithm>

#include "application/champ_texte.h"
#include "application/liste.h"
#include "application/ref_plans.h"
#include "application/verapplication.h"
#include "host/commands.h"
#include "host/view_display.h"
#include "host/views.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_vue.h"

namespace d = host::dialogs;

etatDescription dlgDescription;

namespace {

constexpr int kDialogue = 4;
constexpr int kListe = 41;
constexpr std::uint32_t kInterets = 0x10040;
constexpr int kLargeurMinimale = 164;  // dialog units
constexpr int kHauteurMinimale = 136;  // dialog units
constexpr double kFacteurZoom = 1.2;
constexpr int kVueLivre = 0;    // view 1
constexpr int kVueOrigine = 7;  // view 8
constexpr std::uint64_t kCommandeAffichage = 0x030B000000000000ULL;
constexpr std::uint32_t kAjout = 2;
constexpr std::uint32_t kSuppression = 3;

void viderEtat() {
  dlgDescription.plans.clear();
  dlgDescription.lignes.clear();
  dlgDescription.parId.clear();
}

void detacherVersions() {
  stbDgn_detacherReferences(L"VERLIV");
  stbDgn_detacherReferences(L"VERORI");
}

void installerFonctionsVues(bool installer) {
  host::views::setUpdatePostFunction(installer ? desc_synchroniserVues : nullptr);
  host::views::setMotionFunction(installer ? desc_vueMouvement : nullptr);
  host::views::setSubstituteFunction(installer ? desc_substituerElement : nullptr);
}

// Every level of the reference shown in every view (mode 0), or only in `vue` (other modes).
void afficherNiveaux(host::ModelRef reference, bool partout, int vue) {
  host::LevelMask masque = host::views::levelDisplay(vue, reference);
  masque.setAll(partout);
  for (int v = 0; v < host::views::kCount; ++v) host::views::setLevelDisplay(v, reference, masque);
  if (!partout) {
    masque.setAll(true);
    host::views::setLevelDisplay(vue, reference, masque);
  }
}

void doubleClic() {
  std::int32_t index = -1;
  liste_lignesSelectionnees(&index, nullptr, kDialogue, kListe);
  if (index < 0 || static_cast<std::size_t>(index) >= dlgDescription.lignes.size()) return;
  const verdescription& ligne = dlgDescription.lignes[static_cast<std::size_t>(index)];
  const verdossier& dossier = appTolvek.dossier;
  const std::wstring repertoire =
      ligne.version == 1 ? dossier.repLivre : ligne.version == 2 ? dossier.repOrigine : std::wstring();
  if (repertoire.empty()) return;
  std::wstring chemin;
  stbFichier_composer(chemin, repertoire, ligne.fichier, L"", L"");
  host::ModelRef attachement;
  if (stbDgn_chercherAttachement(&attachement, chemin, L"", L"", host::activeModel()) == 0)
    stbElem_surligner(ligne.idElement, attachement, kVueLivre, kFacteurZoom, false);
}

}  // namespace

void desc_fermer() {
  try {
    // Its destroy also restores the display and detaches both versions.
    d::close(d::find(kDialogue));
    viderEtat();
  } catch (...) {
  }
}

void desc_ouvrir(verdossier& dossier, std::int32_t plan) {
  try {
    desc_fermer();
    if (plan < 0 || static_cast<std::size_t>(plan) >= dossier.plans.size()) return;
    const verplan& p = dossier.plans[static_cast<std::size_t>(plan)];
    if (p.ecarts.empty()) return;
    dlgDescription.plans.push_back(plan);
    for (const verecart& e : p.ecarts) {
      if (e.statut != kAjout && e.statut != kSuppression) continue;
      verdescription ligne;
      ligne.version = e.source;
      ligne.fichier = e.fichier;
      ligne.role = e.role;
      ligne.idElement = e.source == 1 ? e.idLivre : e.source == 2 ? e.idOrigine : 0;
      ligne.type = e.type;
      ligne.statut = e.statut;
      ligne.libelle = e.objet + desc_libelleType(e.type);
      dlgDescription.parId.emplace(ligne.idElement, dlgDescription.lignes.size());
      dlgDescription.lignes.push_back(std::move(ligne));
    }
    tvk_remplirChamp(TvkDlg.nomPlan, p.nom);
    d::open(kDialogue);
  } catch (...) {
  }
}

void desc_hookDialogue(d::DialogMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_redimensionnerDialogue(message, kListe, kLargeurMinimale, kHauteurMinimale, true)) return;
    switch (message->messageType) {
      case d::msgCreate:
        message->interests |= kInterets;
        detacherVersions();
        for (std::int32_t plan : dlgDescription.plans) {
          ref_montrerPlan(appTolvek.dossier, plan, 1);
          ref_montrerPlan(appTolvek.dossier, plan, 2);
        }
        installerFonctionsVues(true);
        break;
      case d::msgInit:
        liste_ajusterColonnes(message->dialog, kListe);
        desc_afficherReferences();
        break;
      case d::msgDestroy:
        TvkDlg.affichageReferences = 0;
        desc_afficherReferences();
        detacherVersions();
        viderEtat();
        host::transients::free(dlgDescription.curseur);
        dlgDescription.curseur = nullptr;
        installerFonctionsVues(false);
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void desc_hookReferences(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemActivate) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    if (message->value == 1) {
      desc_afficherReferences();
      host::views::update(kVueLivre);
    } else if (message->value == 2) {
      for (int v = 0; v < host::views::kCount; ++v) host::views::update(v);
    }
  } catch (...) {
  }
}

void desc_hookFiltre(d::ItemMessage* message) {
  try {
    if (message->messageType != d::msgItemValueChanged) {
      message->msgUnderstood = false;
      return;
    }
    message->msgUnderstood = true;
    desc_remplirListe();
  } catch (...) {
  }
}

void desc_hookListe(d::ItemMessage* message) {
  try {
    message->msgUnderstood = true;
    if (liste_gererModele(message, 2)) return;
    d::Item* liste = message->item;
    switch (message->messageType) {
      case d::msgItemInit:
        d::setSortFunction(liste, 0, liste_texteCellule);
        d::setSortFunction(liste, 1, liste_texteCellule);
        desc_remplirListe();
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

void desc_remplirListe() {
  try {
    d::Item* liste = liste_trouver(kDialogue, kListe);
    if (!liste) return;
    d::ListModel& modele = *liste->model;
    modele.rows.clear();
    const std::int32_t filtre = TvkDlg.filtreDescription;
    for (std::size_t i = 0; i < dlgDescription.lignes.size(); ++i) {
      const verdescription& l = dlgDescription.lignes[i];
      if ((filtre == 1 && l.statut != kAjout) || (filtre == 2 && l.statut != kSuppression)) continue;
      // Rows left out by the filter still count: a row keeps its index in the whole list.
      liste_ajouterLigne(modele, {l.statut == kAjout ? L"Ajout" : L"Suppression", l.libelle},
                         static_cast<std::int64_t>(i));
    }
    liste_compterLignes(liste, L"Description (%d)");
  } catch (...) {
  }
}

void desc_afficherReferences() {
  try {
    const bool partout = TvkDlg.affichageReferences == 0;
    // The stand-in views show every level of a view that opens: view 8 opens before its levels
    // are chosen.
    if (!partout && !host::views::isOpen(kVueOrigine)) host::views::open(kVueOrigine);
    for (host::ModelRef r : host::references(host::activeModel())) {
      const host::ReferenceAttachment* a = host::attachment(r);
      if (!a || a->skip) continue;
      std::wstring nom;
      stbDgn_nomLogique(nom, r);
      if (stbStr_commencePar(nom, L"VERLIV", false)) afficherNiveaux(r, partout, kVueLivre);
      else if (stbStr_commencePar(nom, L"VERORI", false)) afficherNiveaux(r, partout, kVueOrigine);
    }
    host::views::update(kVueLivre);
    if (!partout) {
      host::views::update(kVueOrigine);
    } else {
      if (!host::views::isOpen(kVueOrigine)) return;
      host::views::close(kVueOrigine);
    }
    host::commands::send(kCommandeAffichage, L"");
  } catch (...) {
  }
}
