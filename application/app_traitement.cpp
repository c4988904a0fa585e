#include "application/app_traitement.h"

#include "application/verapplication.h"
#include "toolbox/stb_msg.h"

TraitementEnCours::TraitementEnCours() { ++appTolvek.traitementsEnCours; }

TraitementEnCours::~TraitementEnCours() { --appTolvek.traitementsEnCours; }

bool app_traitementEnCours() { return appTolvek.traitementsEnCours > 0; }

bool app_refuserPendantTraitement() {
  if (!app_traitementEnCours()) return false;
  stbMsg_afficher(4, L"", L"Un traitement est en cours, veuillez patienter.");
  return true;
}
