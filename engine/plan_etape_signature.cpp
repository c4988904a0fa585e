// The signature stage of the driver: the previous versions in the Origine directory, checked by
// the folder's signature list or the signature library, following the flags.
#include "engine/plan_etapes.h"
#include "engine/plan_signature.h"

void etape_signature(verplan& plan, const vercontexte& contexte, drapeauxVerification drapeaux) {
  verif_verifierSignaturePlan(plan, contexte.repOrigine, contexte.fichierSignature, drapeaux);
}
