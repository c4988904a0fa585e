#include "application/dossier_ouvrir.h"

#include <cstdint>

#include "application/app_demarrage.h"
#include "application/app_traitement.h"
#include "application/description.h"
#include "application/erreurs.h"
#include "application/verapplication.h"
#include "engine/verprojection.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/dialogs.h"
#include "host/file_list.h"
#include "host/model_ref.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"

namespace {

constexpr int kDialogueBilan = 2;
// Attribute flags of the folder picker, without and with a folder to start from.
constexpr unsigned kAttributsSansDossier = 147;
constexpr unsigned kAttributsAvecDossier = 262291;
// Message mode of a blocking error: a message box.
constexpr int kModeBoite = 5;

// Closes the completion bar however the recovery ends.
class barreOuverte {
 public:
  explicit barreOuverte(verprogression& progression) : progression_(progression) {
    progression_.barre = host::completion_bar::open(L"Tolvek");
  }
  ~barreOuverte() {
    try {
      host::completion_bar::close(progression_.barre);
    } catch (...) {
    }
  }
  barreOuverte(const barreOuverte&) = delete;
  barreOuverte& operator=(const barreOuverte&) = delete;

 private:
  verprogression& progression_;
};

}  // namespace

void dos_actualiserProgression(verprogression& progression, const std::wstring& texte, std::int32_t total,
                               std::int32_t fait) {
  try {
    if (!texte.empty()) progression.texte = texte;
    if (total != -1) progression.total = total;
    if (fait != -1) progression.fait = fait;
    host::commands::pumpMessages();
    std::int64_t pourcentage = progression.debut;
    if (progression.total > 0)
      pourcentage += static_cast<std::int64_t>(progression.fin - progression.debut) * progression.fait / progression.total;
    host::completion_bar::update(progression.barre, progression.texte, static_cast<int>(pourcentage));
  } catch (...) {
    // The bar keeps its last state.
  }
}

void cmd_choisirDossier(const wchar_t* /*argument*/) {
  try {
    if (app_refuserPendantTraitement()) return;
    app_detacherReferences();
    if (host::dialogs::Dialog* bilan = host::dialogs::find(kDialogueBilan)) host::dialogs::close(bilan);

    const std::wstring depart = appTolvek.dossier.repertoire;
    const host::file_list::Answer reponse =
        host::file_list::edit(L"S\u00e9lectionner le dossier \u00e0 v\u00e9rifier", depart,
                              depart.empty() ? kAttributsSansDossier : kAttributsAvecDossier);
    if (reponse.action != host::file_list::actionOk || reponse.paths.empty()) return;
    const std::wstring chemin = reponse.paths.front();
    dos_ouvrirDossier(chemin);
  } catch (...) {
  }
}

void dos_ouvrirDossier(const std::wstring& chemin) {
  try {
    {
      // From the set-up to the end of the recovery, the folder record must not be replaced
      // under the run by a command delivered while the host's messages are pumped.
      TraitementEnCours traitement;
      // The errors and description dialogs show rows, and act on plans, of the folder record
      // about to be replaced: they close with their state, as the summary does.
      err_fermer();
      desc_fermer();
      std::wstring message;
      if (verif_initialiserDossier(appTolvek.dossier, message, chemin) != 0) {
        stbMsg_afficher(kModeBoite, L"", stbStr_toString(L"Erreur d'initialisation du dossier. %s", message));
        return;
      }

      verprojection projection;
      verprojection_construire(projection);
      projection.cleSysteme = appTolvek.dossier.projection;
      stbProj_affecterSysteme(projection, host::activeModel(), L"");  // a model left as it was is no failure here

      verprogression progression;
      barreOuverte barre(progression);
      progression.texte = dos_texteRecuperation;
      dos_actualiserProgression(progression, L"", -1, -1);
      dos_recupererVerification(appTolvek.dossier, progression);
    }
    // A summary already open would be handed back as it is, showing the previous folder: it is
    // opened again, so that its hooks fill it for this folder.
    if (host::dialogs::Dialog* ouvert = host::dialogs::find(kDialogueBilan)) host::dialogs::close(ouvert);
    host::dialogs::open(kDialogueBilan);
  } catch (...) {
  }
}
