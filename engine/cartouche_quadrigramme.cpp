#include "engine/cartouche_quadrigramme.h"

#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "engine/plan_signature.h"
#include "titleblock/cart_cellules.h"
#include "titleblock/cart_lecture.h"
#include "titleblock/cart_modele.h"
#include "titleblock/vercartouche.h"

namespace {

constexpr std::int32_t kRefus = 0x8000;

bool estAlf(const std::wstring& code) { return code == L"ALF0" || code == L"ALF1"; }

}  // namespace

void cartouche_lireChamp(std::wstring& sortie, const std::wstring& cheminPlan, host::ModelRef modele,
                         std::int32_t type) {
  sortie.clear();
  if (type != 1 && type != 2) return;
  const cart_modele lecture(modele, cheminPlan);
  if (!lecture) return;
  if (type == 1) {
    vercartouche cartouche;
    if (cart_lire(cartouche, lecture.get(), L"") == 0) sortie = cartouche.champs[champOrigine];
    return;
  }
  std::uint64_t idFich = 0;
  if (cart_cellulesIdentification(&idFich, nullptr, nullptr, nullptr, lecture.get(), L"") != 0) return;
  veridfich id;
  if (cart_lireIdFich(id, idFich, lecture.get(), L"") == 0) sortie = id.textes[3];
}

std::int32_t cartouche_deciderQuadrigramme(std::wstring& code, const std::wstring& livre, bool signatureValide,
                                           const std::wstring& origine) {
  code.clear();
  if (estAlf(livre)) return kRefus;
  if (livre == L"TALV") {
    if (!signatureValide || origine == L"TALV") return kRefus;
    code = estAlf(origine) ? origine : std::wstring(4, L' ');
    return 0;
  }
  if (!signatureValide) {
    code = L"TALV";
    return 0;
  }
  if (!estAlf(origine) && origine != L"TALV") return kRefus;
  code = origine;
  return 0;
}

std::int32_t cartouche_calculerQuadrigramme(std::wstring& code, verdossier& dossier, verplan& plan,
                                            drapeauxVerification drapeaux) {
  code.clear();
  verif_verifierSignaturePlan(plan, dossier.repOrigine, dossier.repOrigine + L"Signature/Signature.json", drapeaux);
  // The delivered and previous files: the plan's own file, or its EL2 file.
  const std::size_t slot = plan.type == 2 ? 1 : 0;
  const bool signatureValide = plan.statuts[plan.type == 2 ? 4 : 2] == 0;
  verplanfichiers livre, precedent;
  plan_construire(livre, plan.nom, plan.type, plan.version, plan.projection, dossier.repLivre);
  std::wstring codeLivre, codeOrigine;
  cartouche_lireChamp(codeLivre, livre.fichiers[slot].chemin, host::ModelRef{}, plan.type);
  if (signatureValide) {
    plan_construire(precedent, plan.nom, plan.type, plan.version, plan.projection, dossier.repOrigine);
    cartouche_lireChamp(codeOrigine, precedent.fichiers[slot].chemin, host::ModelRef{}, plan.type);
  }
  return cartouche_deciderQuadrigramme(code, codeLivre, signatureValide, codeOrigine);
}

std::int32_t etape_quadrigramme(std::wstring& code, verdossier& dossier, verplan& plan,
                                drapeauxVerification drapeaux) {
  return cartouche_calculerQuadrigramme(code, dossier, plan, drapeaux);
}
