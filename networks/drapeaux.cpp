#include "networks/drapeaux.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "host/model_ref.h"
#include "networks/cellules_drapeau.h"
#include "networks/drapeaux_table.h"
#include "networks/niveaux_protection.h"
#include "networks/textes_reseau.h"
#include "standard/niv_classement.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"

using host::ElementType;

namespace {

constexpr std::int32_t kEchec = 0x8000;
// niv_texteProtection's answers.
constexpr std::uint32_t kLigneProtection = cn_Lignes;
constexpr std::uint32_t kTexteProtection = cn_Textes;

bool estTexte(int type) { return type == ElementType::Text || type == ElementType::TextNode; }

bool estLigne(int type) {
  return type == ElementType::Line || type == ElementType::LineString || type == ElementType::Shape ||
         type == ElementType::ComplexChain || type == ElementType::ComplexShape || type == ElementType::Arc;
}

// A member's network bit into the group's: taken while the group has none, 0xFFFF when another.
void fusionnerReseau(verdrapeau& d, std::uint32_t reseau) {
  if (d.reseau == 0) d.reseau = reseau;
  else if (d.reseau != reseau) d.reseau = drap_reseauInconnu;
}

// What the collector learnt of one element before placing it in its group.
struct membre {
  std::uint64_t id = 0;
  int type = 0;
  verclassement classement;    // its network bit with earthing taken as protections
  std::uint32_t protection = 0;  // 1 protection line, 4 protection text, 0 neither
  std::uint32_t classe = classeDrapAucune;
  std::uint32_t reseauDrapeau = 0;
  std::uint8_t differencie = 0;
};

void ajouterCellule(verdrapeau& d, const membre& m) {
  if (d.nature == natureIndecise) {
    if (m.classe == classeDrapAucune) {
      d.nature = natureCellule;
    } else {
      d.nature = natureDrapeauSimple;
      d.reseau = m.reseauDrapeau;
      d.reseauCellule = m.reseauDrapeau != drap_reseauInconnu ? 1 : 0;
    }
  } else if (d.nature == natureLignes) {
    d.valide = 0;
  }
  switch (m.classe) {
    case classeDrapPoint:
      if (d.cellulePoint == 0) d.cellulePoint = m.id;
      else d.valide = 0;
      break;
    case classeDrapTrait:
      if (d.traits.empty()) d.traits.push_back(m.id);
      else d.valide = 0;
      break;
    case classeDrapCellule:
      if (d.cellule == 0) {
        d.cellule = m.id;
        // Only a flag becomes a differentiated flag: a group of lines stays one.
        if (m.differencie != 0 && d.nature == natureDrapeauSimple) d.nature = natureDrapeauDifferencie;
      } else {
        d.valide = 0;
      }
      break;
    default:
      d.autresCellules.push_back(m.id);
      break;
  }
}

void ajouterLigne(verdrapeau& d, const membre& m, std::uint32_t typePlan) {
  if (m.type == ElementType::Line && m.classe == classeDrapTrait && typePlan == 2) {
    d.traits.push_back(m.id);
    return;
  }
  const std::uint32_t nature = m.protection == kLigneProtection ? natureProtection : natureLignes;
  if (d.nature == natureIndecise) d.nature = nature;
  else if (d.nature != nature) d.valide = 0;
  d.lignes.push_back(m.classement);
  if (d.nature == natureProtection) return;
  if (m.classement.reseau == 0) d.valide = 0;
  else fusionnerReseau(d, m.classement.reseau);
}

void ajouterTexte(verdrapeau& d, const membre& m, const verplaninfo& plan) {
  if (drap_lireTexteDrapeau(d, m.id, plan) != 0) return;
  if (m.protection == kTexteProtection) {
    if (d.nature == natureIndecise) d.nature = natureProtection;
    else if (d.nature != natureProtection) d.valide = 0;
  } else if (d.nature != natureDrapeauSimple) {
    if (m.classement.reseau == 0) d.valide = 0;
    else if (!(plan.type == 2 && m.classement.etat == er_Abandonne)) fusionnerReseau(d, m.classement.reseau);
  }
}

void ajouterCote(verdrapeau& d, const membre& m) {
  if (d.nature == natureIndecise || d.nature == natureCellule) {
    d.cote = m.id;
    d.nature = natureCote;
  } else {
    d.valide = 0;
  }
}

// The collector's scan: every network level of the theme with its flag-text level, and for a
// one-file plan its symbol levels.
host::ScanCriteria criteresDrapeaux(const verplaninfo& plan) {
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Text,         ElementType::TextNode, ElementType::Cell,   ElementType::Line,
                    ElementType::LineString,   ElementType::ComplexChain, ElementType::Arc, ElementType::ComplexShape,
                    ElementType::Shape,        ElementType::Dimension};
  // The flag levels ("Drap+CoupeTranch" of a one-file plan, the theme's "Drap+TxtIndiff...")
  // hold every one-file flag cell and three-file texts: the switch is on.
  criteres.levelMask = niv_masqueAffichage(nr_Tous, er_Tous, cn_Lignes | cn_Accessoires | cn_Textes, 1, plan);
  if (plan.type == 1)
    for (const std::wstring_view nom : drap_niveauxSymbolesV2)
      if (const auto id = host::levelIdFromName(plan.modeleTheme, std::wstring(nom)); id && *id != 0)
        criteres.levels.push_back(*id);
  return criteres;
}

}  // namespace

std::int32_t drap_lireTexteDrapeau(verdrapeau& drapeau, std::uint64_t idElement, const verplaninfo& plan) {
  const host::ElementHandle h(idElement, plan.modeleTheme);
  if (!estTexte(h.type())) return kEchec;
  verclassement c;
  niv_classerElement(&c, h, plan.modeleTheme, plan.type, plan.masqueTheme);
  vertextereseau t;
  t.element = idElement;
  t.reseau = c.reseau;
  t.etat = c.etat;
  stbElem_texte(t.texte, h);
  if (txt_analyserCaracteristiques(t.texte) != 0) t.utilisable = 1;
  else if (txt_estTexteValeur(t.texte) == 0) t.utilisable = 2;
  drapeau.textes.push_back(std::move(t));
  return 0;
}

std::vector<verdrapeau> drap_collecterDrapeaux(const verplaninfo& plan) {
  std::vector<verdrapeau> drapeaux;
  if (plan.type == 0 || plan.masqueTheme == 0) return drapeaux;
  host::ScanCriteria criteres = criteresDrapeaux(plan);
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);
  const drap_niveaux niveaux = drap_lireNiveaux(plan);
  std::unordered_map<std::uint32_t, std::size_t> parGroupe;

  for (const host::ElementId id : ids) {
    const host::ElementHandle h(id, plan.modeleTheme);
    const host::Element* e = h.element();
    if (!e || e->graphicGroup == 0 || stbElem_niveau(h) == 0) continue;
    membre m;
    m.id = id;
    m.type = e->type;
    // A line the classifier leaves out (a colour-14 protection outline) is still a member: its
    // record carries its id, so that the group can be marked and reported by it.
    niv_classerElement(&m.classement, h, plan.modeleTheme, plan.type, plan.masqueTheme);
    m.classement.idElement = id;
    if (m.classement.reseau == nr_Terre) m.classement.reseau = nr_Protections;
    niv_texteProtection(&m.protection, h, plan);
    if (m.type == ElementType::TextNode && m.protection != kTexteProtection) continue;
    drap_classerElement(&m.classe, &m.reseauDrapeau, &m.differencie, h, plan, niveaux);
    if (m.classement.reseau == 0 && m.protection == 0 && m.classe == classeDrapAucune) continue;

    const auto [it, nouveau] = parGroupe.try_emplace(e->graphicGroup, drapeaux.size());
    if (nouveau) {
      verdrapeau d;
      d.groupe = e->graphicGroup;
      const bool texteAbandonne = m.classement.contenu == cn_Textes && m.classement.etat == er_Abandonne;
      d.reseau = plan.type == 2 && texteAbandonne ? 0 : m.classement.reseau;
      drapeaux.push_back(std::move(d));
    }
    verdrapeau& d = drapeaux[it->second];
    if (m.type == ElementType::Cell) ajouterCellule(d, m);
    else if (estLigne(m.type)) ajouterLigne(d, m, plan.type);
    else if (estTexte(m.type)) ajouterTexte(d, m, plan);
    else if (m.type == ElementType::Dimension) ajouterCote(d, m);
  }
  std::stable_sort(drapeaux.begin(), drapeaux.end(),
                   [](const verdrapeau& a, const verdrapeau& b) { return a.groupe < b.groupe; });
  return drapeaux;
}
