#include "application/diff_copie.h"

#include <map>

#include "application/diff_dessin.h"
#include "application/ecart_classement.h"
#include "application/references.h"
#include "engine/plan_fichier.h"
#include "engine/verplaninfo.h"
#include "host/element.h"
#include "host/element_handle.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"

namespace {

constexpr std::uint32_t kRoleElectricite = 3;
constexpr std::uint32_t kStatutNouveau = 2;
constexpr std::uint32_t kStatutSupprime = 3;

// One record's element copied into the drawing: its level and symbology of difference, placed by
// the plan's transform; not yet in the model. False when the element is left out.
bool preparerCopie(host::ElementHandle& copie, const host::ElementHandle& source, const verplaninfo& info,
                   std::uint32_t direction, const host::Transform& transformation, host::ModelRef modele) {
  const host::Element* element = source.element();
  if (!element) return false;
  verclassement classement;
  if (ecart_classerElement(&classement, source, source.model(), info.type, info.masqueTheme) != 0) return false;
  const versymbologie symbologie = diff_niveauDifference(classement, direction);
  if (symbologie.nomNiveau.empty()) return false;
  copie = host::ElementHandle(host::copyForModel(*element, source.model(), modele), modele);
  stbElem_appliquerSymbologie(copie, symbologie, modele);
  if (const host::Element* e = copie.element()) copie.setElement(host::transformed(*e, transformation));
  return true;
}

}  // namespace

void diff_copierElementsPlan(host::ModelRef modele, const verplan& plan, const verdossier& dossier) {
  if (plan.ecarts.empty()) return;
  verplaninfo livre;
  plan_construireInfo(livre, plan, dossier.repLivre);
  if (plan_ouvrir(livre) != 0 || !livre.modeleTheme) return;

  verplaninfo origine = livre;
  origine.modeleTheme = host::ModelRef{};
  origine.modelePrincipal = host::ModelRef{};
  stbFichier_composer(origine.chemin, dossier.repOrigine, livre.nomFichier, L"", L"");
  if (stbFichier_existe(origine.chemin)) plan_ouvrir(origine);

  try {
    const host::Transform transformation =
        transformationPlan(plan.emprise, dossier.projection, plan.projection, modele);
    // The drawing is never the active file (refused by the command): its counter is its file's.
    std::uint32_t compteur = host::nextGraphicGroup(modele);
    // Source group -> group in the drawing, for this plan only; the delivered and the previous
    // files share it.
    std::map<std::uint32_t, std::uint32_t> groupes;

    for (const verecart& ecart : plan.ecarts) {
      if (plan.type == 2 && ecart.role != kRoleElectricite) continue;
      if (ecart.statut != kStatutNouveau && ecart.statut != kStatutSupprime) continue;
      const bool ajout = ecart.statut == kStatutNouveau;
      const host::ModelRef source = ajout ? livre.modeleTheme : origine.modeleTheme;
      if (!source) continue;
      const host::ElementHandle element(ajout ? ecart.idLivre : ecart.idOrigine, source);
      host::ElementHandle copie;
      if (!preparerCopie(copie, element, livre, ajout ? 1 : 2, transformation, modele)) continue;
      const std::uint32_t groupeSource = element.element()->graphicGroup;
      if (groupeSource != 0) {
        const auto [place, nouveau] = groupes.try_emplace(groupeSource, compteur);
        if (nouveau) ++compteur;
        copie.edit()->graphicGroup = place->second;
      }
      copie.addToModel(modele);
    }
    host::saveNextGraphicGroup(modele, compteur);
  } catch (...) {
  }
  if (origine.modeleTheme) stbDgn_fermerFichier(origine.modeleTheme);
  stbDgn_fermerFichier(livre.modeleTheme);
}
