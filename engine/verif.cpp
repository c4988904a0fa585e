// The five operations the application calls. Each one is guarded: no exception leaves it.
#include <string>
#include <vector>

#include "engine/dossier.h"
#include "engine/halvorn.h"
#include "engine/plan_chrono.h"
#include "engine/plan_etapes.h"
#include "engine/plan_fichier.h"
#include "engine/plan_verifier.h"
#include "engine/rapport.h"
#include "engine/vercontexte.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/views.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_sys.h"

namespace {

// A folder record the later operations can work from: set up, named, its directories known and
// present (Origine may be missing), and at least one plan.
bool verif_dossierComplet(const verdossier& d) {
  if (!d.initialise || d.nom.empty() || d.repertoire.empty() || d.repLivre.empty() || d.repOrigine.empty() ||
      d.repRapport.empty() || d.repErreur.empty() || d.repComparaison.empty() || d.plans.empty())
    return false;
  for (const std::wstring* rep : {&d.repertoire, &d.repParametres, &d.repLivre, &d.repRapport, &d.repErreur,
                                  &d.repComparaison})
    if (!stbFichier_dossierExiste(*rep)) return false;
  return true;
}

// A plan's findings and comparison, with the counts its summary row gave it, before it is verified.
void verif_viderResultats(verplan& plan) {
  plan.erreurs.clear();
  plan.ecarts.clear();
  plan.nbCreesBilan = -1;
  plan.nbSupprimesBilan = -1;
}

bool verif_planBienForme(const verplan& p) {
  return !p.nom.empty() && (p.type == 1 || p.type == 2) && (p.version == 1 || p.version == 2);
}

// One plan through the per-plan driver, then its errors CSV and its summary row. Results that
// could not be recorded (the writer told the user which file) are not presented as recorded: the
// plan's summary row goes (when the errors CSV failed) and its result is "not verified", so
// that neither this session nor the next opening shows it OK. False then. A plan the driver
// could not verify (status 2) without any finding gets no summary row either: its row would
// bring it back OK.
bool verif_verifierUnPlan(verplan& plan, std::int32_t mode, vercontexte& ctx, verdossier& dossier,
                          drapeauxVerification drapeaux) {
  plan_verifier(plan, mode, ctx, drapeaux);
  // The lists stay with the application's folder record, plan after plan: without the room they
  // grew into.
  plan.erreurs.shrink_to_fit();
  plan.ecarts.shrink_to_fit();
  plan_chrono chrono;
  const bool erreursEcrites = rapport_ecrireErreurs(plan, dossier.repErreur);
  chrono.marquer("rapport_ecrireErreurs");
  const bool sansResultat = plan.statuts[0] == 2 && plan.erreurs.empty();
  const bool bilanEcrit = rapport_ecrireBilan(plan, dossier, erreursEcrites && !sansResultat);
  chrono.marquer("rapport_ecrireBilan");
  if (erreursEcrites && bilanEcrit) return true;
  plan.statuts[0] = -1;
  return false;
}

// The host's completion bar of a list verification, closed on every way out.
class verif_barre {
 public:
  explicit verif_barre(const std::wstring& titre) : barre_(host::completion_bar::open(titre)) {}
  ~verif_barre() { host::completion_bar::close(barre_); }
  verif_barre(const verif_barre&) = delete;
  verif_barre& operator=(const verif_barre&) = delete;
  void avancer(const std::wstring& texte, int pourcentage) { host::completion_bar::update(barre_, texte, pourcentage); }

 private:
  int barre_;
};

}  // namespace

std::int32_t verif_initialiserDossier(verdossier& dossier, std::wstring& message, const std::wstring& dossierChemin) {
  try {
    dossier.nom.clear();
    dossier.repertoire.clear();
    dossier.repParametres.clear();
    dossier.repLivre.clear();
    dossier.repOrigine.clear();
    dossier.repRapport.clear();
    dossier.repErreur.clear();
    dossier.repComparaison.clear();
    dossier.initialise = false;
    dossier.plans.clear();

    std::wstring parametres;
    if (stbSys_lireVariable(parametres, L"TOLVEK_PARAM") != 0) {
      message = stbStr_toString(L"La variable d'environnement %s n'est pas d\u00e9finie.", std::wstring(L"TOLVEK_PARAM"));
      return verifErreurParametres;
    }
    if (!stbFichier_dossierExiste(parametres)) {
      message = stbStr_toString(L"R\u00e9pertoire %s introuvable.", parametres);
      return verifErreurParametres;
    }
    message.clear();
    if (!stbFichier_dossierExiste(dossierChemin)) {
      message = stbStr_toString(L"R\u00e9pertoire %s introuvable.", dossierChemin);
      return verifErreurDossier;
    }
    return dossier_charger(dossier, message, dossierChemin, parametres);
  } catch (...) {
    return verifErreurDossier;
  }
}

std::int32_t verif_verifierListePlan(const std::vector<std::int32_t>& indexes, verdossier& dossier,
                                     drapeauxVerification drapeaux) {
  try {
    if (!verif_dossierComplet(dossier)) return verifErreurDossier;
    vercontexte ctx;
    std::wstring message;
    if (dossier_initialiser(ctx, message, dossier, dossierReconstruire) != 0) return verifErreurDossier;
    if (host::views::firstOpen() < 0) return verifAucuneVue;

    rapport_commencerTrace(dossier.repRapport, drapeaux);
    verif_barre barre(L"V\u00e9rification des plans");
    barre.avancer(L"V\u00e9rification des plans", 0);
    host::commands::pumpMessages();

    std::int32_t resultat = verifSucces;
    const std::size_t n = indexes.size();
    std::size_t k = 0;
    int pourcentage = 0;
    for (const std::int32_t index : indexes) {
      ++k;
      if (index < 0 || static_cast<std::size_t>(index) >= dossier.plans.size()) continue;
      verplan& plan = dossier.plans[static_cast<std::size_t>(index)];
      plan.statuts[0] = -1;
      verif_viderResultats(plan);
      barre.avancer(plan.nom, pourcentage);
      host::commands::pumpMessages();
      pourcentage = static_cast<int>(100 * k / n);
      barre.avancer(plan.nom, pourcentage);
      if (!verif_planBienForme(plan)) {
        plan.statuts[0] = 2;
        resultat = verifErreurPlan;
        continue;
      }
      if (!verif_verifierUnPlan(plan, 1, ctx, dossier, drapeaux)) resultat = verifErreurPlan;
      rapport_tracerPlan(dossier.repRapport, plan.nom, drapeaux);
    }
    return resultat;
  } catch (...) {
    return verifErreurDossier;
  }
}

namespace {

std::int32_t verif_traiterPlan(verplan& plan, std::int32_t mode, verdossier& dossier, drapeauxVerification drapeaux) {
  verif_viderResultats(plan);
  if (!verif_dossierComplet(dossier)) return verifErreurDossier;
  if (!verif_planBienForme(plan)) return verifErreurPlan;
  vercontexte ctx;
  std::wstring message;
  if (dossier_initialiser(ctx, message, dossier, dossierReconstruire) != 0) return verifErreurDossier;
  if (host::views::firstOpen() < 0) return verifAucuneVue;
  std::wstring nom = plan.nom;
  stbStr_majuscules(nom);
  if (dossier_chercherPlan(nom, ctx.planInfos) < 0) return verifErreurPlan;
  verif_verifierUnPlan(plan, mode, ctx, dossier, drapeaux);
  return plan.erreurs.empty() ? verifSucces : verifErreursTrouvees;
}

}  // namespace

std::int32_t verif_verifierPlan(verplan& plan, verdossier& dossier, drapeauxVerification drapeaux) {
  try {
    return verif_traiterPlan(plan, 1, dossier, drapeaux);
  } catch (...) {
    return verifErreurDossier;
  }
}

std::int32_t verif_comparerPlan(verplan& plan, verdossier& dossier, drapeauxVerification drapeaux) {
  try {
    return verif_traiterPlan(plan, 2, dossier, drapeaux);
  } catch (...) {
    return verifErreurDossier;
  }
}

std::int32_t verif_actualiserCartouche(std::wstring& code, verplan& plan, verdossier& dossier,
                                       drapeauxVerification drapeaux) {
  try {
    code.clear();
    if (!dossier.initialise || dossier.nom.empty() || dossier.repertoire.empty() || dossier.repLivre.empty() ||
        dossier.repOrigine.empty() || dossier.repRapport.empty() || dossier.repErreur.empty() ||
        dossier.repComparaison.empty() || dossier.plans.empty() || !stbFichier_dossierExiste(dossier.repertoire) ||
        !stbFichier_dossierExiste(dossier.repLivre))
      return verifRefus;
    if (!verif_planBienForme(plan)) return verifRefus;
    bool connu = false;
    for (const verplan& p : dossier.plans)
      if (stbStr_comparer(p.nom, plan.nom, false) == 0) connu = true;
    if (!connu) return verifRefus;
    return etape_quadrigramme(code, dossier, plan, drapeaux);
  } catch (...) {
    return verifRefus;
  }
}
