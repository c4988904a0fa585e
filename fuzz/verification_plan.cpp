// The whole verification of a plan whose file is the input: a clean delivery folder (the
// fixture's one-file plan, its previous version with a signature list, the parameter folder) is
// written and set up once per process, then for each input the plan file's bytes are replaced by
// it and the plan verified. Nothing delivered may change: the plan file, its previous version and
// the signature list are read back after each run, and a change is a fault.
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/dossier.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/halvorn.h"
#include "fuzz/harness.h"
#include "host/completion_bar.h"
#include "host/messages.h"
#include "host/paths.h"
#include "host/views.h"

namespace {

struct Livraison {
  verdossier dossier;
  std::wstring plan;
  std::wstring origine[2];   // the previous version and the signature list
  std::string octetsOrigine[2];
  bool pret = false;
};

std::string lire(const std::wstring& chemin) {
  return host::paths::readBytes(host::paths::toNative(chemin)).value_or(std::string("\0absent", 7));
}

Livraison preparer() {
  Livraison l;
  const std::wstring racine = fuzz::dossierTemporaire() + L"Livraison/";
  const std::wstring parametres = fuzz::dossierTemporaire() + L"Parametres/";
  if (!plan_fixture::ecrireParametres(parametres)) return l;
  l.plan = plan_fixture::enregistrer(plan_fixture::planUnique(), racine + L"Livre");
  const std::wstring precedent = plan_fixture::enregistrer(plan_fixture::planUnique(), racine + L"Origine");
  if (l.plan.empty() || precedent.empty() || !plan_fixture::ecrireListeSignature(racine + L"Origine")) return l;
  std::wstring message;
  if (dossier_charger(l.dossier, message, racine, parametres) != verifSucces || l.dossier.plans.size() != 1) return l;
  l.origine[0] = precedent;
  l.origine[1] = racine + L"Origine/Signature/Signature.json";
  for (int k = 0; k < 2; ++k) l.octetsOrigine[k] = lire(l.origine[k]);
  host::views::open(1);
  l.pret = true;
  return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Livraison l = preparer();
  if (!l.pret) return 0;
  const std::string_view entree = fuzz::octets(data, size);
  if (!fuzz::ecrire(l.plan, entree)) return 0;
  verplan plan = l.dossier.plans[0];
  verif_verifierPlan(plan, l.dossier, 0);
  if (lire(l.plan) != entree || lire(l.origine[0]) != l.octetsOrigine[0] || lire(l.origine[1]) != l.octetsOrigine[1])
    std::abort();  // a delivered file was changed
  host::completion_bar::clearLog();
  host::messages::clearLog();
  return 0;
}
