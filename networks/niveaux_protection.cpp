#include "networks/niveaux_protection.h"

#include <string>

#include "host/element.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_niveau.h"

namespace {

constexpr std::int32_t kNon = 0x8000;

const niv_niveauxProtection* niveauxDe(std::uint32_t typePlan) {
  for (const niv_niveauxProtection& n : niv_protections)
    if (n.typePlan == typePlan) return &n;
  return nullptr;
}

}  // namespace

void niv_symbologieProtection(versymbologie& symbologie, const verplaninfo& plan) {
  symbologie = versymbologie();
  const niv_niveauxProtection* n = niveauxDe(plan.type);
  if (!n) return;
  symbologie.nomNiveau = n->ligne;
  symbologie.epaisseur = n->epaisseur;
  symbologie.couleur = niv_couleurProtection;
}

std::int32_t niv_texteProtection(std::uint32_t* contenu, const host::ElementHandle& element, const verplaninfo& plan) {
  const niv_niveauxProtection* n = niveauxDe(plan.type);
  const host::Element* e = element.element();
  if (!n || !e) return kNon;
  std::wstring niveau;
  stbNiveau_nom(niveau, plan.modeleTheme, stbElem_niveau(element));
  std::uint32_t couleur = 0;
  stbElem_symbologie(&couleur, nullptr, nullptr, element);
  const bool texte = e->type == host::ElementType::Text || e->type == host::ElementType::TextNode;
  if (couleur != niv_couleurProtection || niveau.empty() || niveau != (texte ? n->texte : n->ligne)) return kNon;
  if (contenu) *contenu = texte ? 4 : 1;
  return 0;
}
