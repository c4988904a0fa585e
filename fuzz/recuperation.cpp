// The reading back of a folder's last verification: the summary CSV, then the errors CSV and the
// compare CSV of each plan. The input holds the three files in that order, separated by a form
// feed (a missing part: no such file); the folder has a one-file plan PLAN01 (a design file) and a
// three-file plan PLAN02 (its files plain text: only their dates count), every delivered file dated 1 December 2026 at 16:00 (UTC), so that a
// summary line can match them.
#include <ctime>
#include <string>
#include <string_view>

#include <boost/filesystem/operations.hpp>

#include "application/dossier_ouvrir.h"
#include "fuzz/harness.h"
#include "host/completion_bar.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace {

constexpr std::time_t kDateLivraison = 1796140800;

struct Dossier {
  std::wstring racine, livre, bilan;
  bool pret = false;
};

std::wstring rapportPlan(const Dossier& d, const wchar_t* sousDossier, const std::wstring& nom, const wchar_t* fin) {
  return d.racine + L"Rapport/" + sousDossier + L"/" + nom + fin;
}

Dossier preparer() {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  Dossier d;
  d.racine = fuzz::dossierTemporaire() + L"Livraison/";
  d.livre = d.racine + L"Livre/";
  d.bilan = d.racine + L"Rapport/Livraison_Bilan.csv";
  host::fixture::DesignBuilder plan;
  plan.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
  if (!fuzz::ecrire(d.livre + L"PLAN01.dgn", plan.file().toJson())) return d;
  for (const wchar_t* f : {L"PLAN02.FP2", L"PLAN02.EL2", L"PLAN02.AR2"})
    if (!fuzz::ecrire(d.livre + f, "plan")) return d;
  boost::system::error_code ec;
  for (const wchar_t* f : {L"PLAN01.dgn", L"PLAN02.FP2", L"PLAN02.EL2", L"PLAN02.AR2"})
    boost::filesystem::last_write_time(host::paths::toNative(d.livre + f), kDateLivraison, ec);
  d.pret = !ec;
  return d;
}

// The part `n` of the input (parts separated by form feeds), or nothing.
bool partie(std::string_view entree, int n, std::string_view& sortie) {
  for (int i = 0; i < n; ++i) {
    const auto fin = entree.find('\f');
    if (fin == std::string_view::npos) return false;
    entree.remove_prefix(fin + 1);
  }
  sortie = entree.substr(0, entree.find('\f'));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Dossier dossier = preparer();
  if (!dossier.pret) return 0;
  verdossier d;
  d.repLivre = dossier.livre;
  d.fichierBilan = dossier.bilan;
  int type = 1;
  for (const wchar_t* nom : {L"PLAN01.dgn", L"PLAN02"}) {
    verplan p;
    p.nom = nom;
    p.type = type++;
    p.fichierErreurs = rapportPlan(dossier, L"Erreur", nom, L"_Erreurs.csv");
    p.fichierCompare = rapportPlan(dossier, L"Comparaison", nom, L"_Compare.csv");
    d.plans.push_back(std::move(p));
  }
  // The summary, then PLAN01's reports; PLAN02 shares them, so that both kinds of plan read them.
  const std::wstring fichiers[] = {d.fichierBilan, d.plans[0].fichierErreurs, d.plans[0].fichierCompare};
  for (int n = 0; n < 3; ++n) {
    std::string_view contenu;
    fuzz::supprimer(fichiers[n]);
    if (partie(fuzz::octets(data, size), n, contenu) && !fuzz::ecrire(fichiers[n], contenu)) return 0;
  }
  d.plans[1].fichierErreurs = d.plans[0].fichierErreurs;
  d.plans[1].fichierCompare = d.plans[0].fichierCompare;

  verprogression progression;
  progression.barre = host::completion_bar::open(L"Tolvek");
  dos_recupererVerification(d, progression);
  host::completion_bar::close(progression.barre);
  host::completion_bar::clearLog();
  host::messages::clearLog();
  host::resetModels();
  return 0;
}
