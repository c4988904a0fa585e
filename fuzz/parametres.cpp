// The parameter folder as the folder set-up reads it: the input's first byte chooses which of its
// files the rest of the input stands for ("Prototype.dgn", "Emprise_Projection.ini",
// "Emprise_Dept_Proj.ini", "Prefixe_Texte_Valide.ini", by its value modulo 4), the others clean.
// One file an input lets the fuzzer learn each file's form apart, at a quarter of the cost. The
// set-up then reads the folder again for the fixture's clean one-file plan (listed once per
// process) and checks the plans' projections against what it read. The set-up only checks that the
// prototype is there: with the input as the prototype, the footprint drawing is made from it anew
// for a context set up once per process from the clean files.
#include <string>

#include "engine/dossier.h"
#include "engine/emprise_dessin.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/projection.h"
#include "fuzz/harness.h"
#include "host/completion_bar.h"
#include "host/messages.h"
#include "host/paths.h"

namespace {

const wchar_t* const kFichiers[] = {L"Prototype.dgn", L"Emprise_Projection.ini", L"Emprise_Dept_Proj.ini",
                                    L"Prefixe_Texte_Valide.ini"};

struct Dossiers {
  verdossier dossier;  // as the set-up listed it
  vercontexte contexte;  // the clean files set up, projections checked
  std::string propres[4];  // each file's clean bytes
  bool pret = false;
};

Dossiers preparer() {
  Dossiers d;
  const std::wstring livraison = fuzz::dossierTemporaire() + L"Livraison/";
  const std::wstring parametres = fuzz::dossierTemporaire() + L"Parametres/";
  if (!plan_fixture::ecrireParametres(parametres)) return d;
  if (plan_fixture::enregistrer(plan_fixture::planUnique(), livraison + L"Livre").empty()) return d;
  std::wstring message;
  if (dossier_charger(d.dossier, message, livraison, parametres) != verifSucces) return d;
  for (int k = 0; k < 4; ++k) {
    const auto octets = host::paths::readBytes(host::paths::toNative(parametres + kFichiers[k]));
    if (!octets) return d;
    d.propres[k] = *octets;
  }
  if (dossier_initialiser(d.contexte, message, d.dossier, dossierReconstruire) != verifSucces ||
      dossier_controlerProjections(d.contexte, message) != 0)
    return d;
  d.pret = true;
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Dossiers d = preparer();
  if (!d.pret || size == 0) return 0;
  const int k = data[0] % 4;
  const std::wstring fichier = d.dossier.repParametres + kFichiers[k];
  if (!fuzz::ecrire(fichier, fuzz::octets(data + 1, size - 1))) return 0;
  std::wstring message;
  if (k == 0) {
    vercontexte ctx = d.contexte;
    fuzz::supprimer(ctx.fichierEmprises);
    dossier_creerEmprises(ctx, message);
  } else {
    vercontexte ctx;
    if (dossier_initialiser(ctx, message, d.dossier, dossierReconstruire) == verifSucces)
      dossier_controlerProjections(ctx, message);
  }
  if (!fuzz::ecrire(fichier, d.propres[k])) return 0;
  host::completion_bar::clearLog();
  host::messages::clearLog();
  return 0;
}
