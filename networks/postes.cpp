#include "networks/postes.h"

#include <algorithm>

#include "host/curve_element.h"
#include "host/model_ref.h"
#include "networks/postes_table.h"
#include "networks/recherches_reseau.h"
#include "standard/niv_classement.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_str.h"

using host::ElementType;

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr std::uint32_t kCouleurContour = 14;

// 10 characters of which the first 5, and only they, are digits.
bool numeroComplet(const std::wstring& c) {
  if (c.size() != poste_longueurNumero) return false;
  for (std::size_t i = 0; i < c.size(); ++i)
    if ((c[i] >= L'0' && c[i] <= L'9') != (i < poste_chiffresNumero)) return false;
  return true;
}

// A multi-line text holds its lines apart with CR (a text node) or LF: the first line break, CR
// LF as one, becomes a blank, so that a number written on the second line is read as a word.
void joindrePremiereLigne(std::wstring& texte) {
  const std::size_t i = texte.find_first_of(L"\r\n");
  if (i == std::wstring::npos) return;
  const std::size_t n = texte[i] == L'\r' && i + 1 < texte.size() && texte[i + 1] == L'\n' ? 2 : 1;
  texte.replace(i, n, L" ");
}

std::uint32_t reseauNoeud(const std::wstring& nom) {
  for (const poste_celluleNoeud& c : poste_cellulesNoeud)
    if (c.nom == nom) return c.reseau;
  return 0;
}

// The nodes of one substation, with the masks of the node cells and of the lines built once by
// the caller.
void noeudsProches(verposte& poste, const verplaninfo& plan, const host::LevelMask& cellules,
                   const host::LevelMask& lignes) {
  const host::Element* contour = host::readElement(plan.modeleTheme, poste.idElement);
  if (!contour) return;
  const auto courbe = host::curveOfElement(*contour);
  if (!courbe) return;
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Cell};
  criteres.levelMask = cellules;
  criteres.range = host::elementRangeOf(plan.modeleTheme, poste.idElement);
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);
  std::vector<verproximite> proches;
  for (const host::ElementId id : ids) {
    host::Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, host::ElementHandle(id, plan.modeleTheme)) != 0) continue;
    const std::uint32_t reseau = reseauNoeud(nom);
    // On the outline itself: a cell beyond an open outline's end is no node of it.
    if (reseau == 0 || stbGeom_distanceChemin(&*courbe, origine) > poste_distanceNoeud) continue;
    res_elementsLeLongChemin(proches, origine, poste_distanceNoeud, lignes, plan);
    std::uint64_t ligne = 0;
    for (const verproximite& p : proches) {
      verclassement c;
      if (niv_classerElement(&c, host::ElementHandle(p.idElement, plan.modeleTheme), plan.modeleTheme, plan.type,
                             plan.masqueTheme) == 0 &&
          c.reseau == reseau) {
        ligne = p.idElement;
        break;
      }
    }
    (reseau == nr_BT ? poste.noeudsBT : poste.noeudsHTA).push_back(id);
    (reseau == nr_BT ? poste.lignesBT : poste.lignesHTA).push_back(ligne);
  }
}

host::LevelMask masqueCellules(const verplaninfo& plan) {
  return niv_masqueAffichage(plan.masqueTheme, er_Tous, cn_Accessoires, 0, plan);
}

}  // namespace

std::int32_t poste_analyserTexte(verposte& poste, const std::wstring& texte) {
  poste.type = posteAucun;
  poste.nom.clear();
  poste.numero.clear();
  poste.reserve1 = poste.reserve2 = -1;
  const auto prefixe = std::find_if(poste_prefixes.begin(), poste_prefixes.end(), [&](const poste_prefixe& p) {
    return stbStr_commencePar(texte, std::wstring(p.prefixe), false);
  });
  if (prefixe == poste_prefixes.end()) return kEchec;
  poste.type = prefixe->type;
  if (texte.size() <= prefixe->prefixe.size()) return 0;

  // The rest after the prefix and its separator, the first line break (which may be that
  // separator) made a blank first.
  std::wstring reste = texte;
  joindrePremiereLigne(reste);
  reste.erase(0, prefixe->prefixe.size() + 1);
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, reste, L" ");
  if (champs.empty()) return kEchec;
  poste.chaine = texte;
  if (champs.size() == 1) {
    poste.nom = champs.front();
    return 0;
  }
  const std::wstring dernier = champs.back();
  if (poste.type == posteSource && numeroComplet(dernier)) {
    poste.type = posteSimple;
    champs.insert(champs.begin(), L"SOURCE");
  }
  if ((poste.type == posteSimple || poste.type == posteAutoTransfo) && numeroComplet(dernier))
    poste.numero = dernier;
  else if (poste.type == posteSource && dernier.size() == poste_longueurNumeroSource)
    poste.numero = dernier;
  const std::size_t n = poste.numero.empty() ? champs.size() : champs.size() - 1;
  for (std::size_t i = 0; i < n; ++i) poste.nom += (i == 0 ? L"" : L" ") + champs[i];
  return 0;
}

void poste_noeudsProches(verposte& poste, const verplaninfo& plan) {
  noeudsProches(poste, plan, masqueCellules(plan), res_masqueLignes(plan.masqueTheme, plan));
}

void poste_collecterPostes(std::vector<verposte>& sortie, const verplaninfo& plan) {
  sortie.clear();
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Line,    ElementType::LineString,   ElementType::ComplexChain,
                    ElementType::Arc,     ElementType::ComplexShape, ElementType::Shape};
  criteres.levelMask = niv_masqueAffichage(nr_Protections, er_Tous, cn_Lignes, 0, plan);
  for (const host::ElementId id : res_elementsHorsEncarts(criteres, plan)) {
    const host::ElementHandle h(id, plan.modeleTheme);
    std::uint32_t couleur = 0;
    stbElem_symbologie(&couleur, nullptr, nullptr, h);
    if (couleur != kCouleurContour) continue;
    verposte p;
    p.idElement = id;
    p.groupe = h.element()->graphicGroup;
    sortie.push_back(std::move(p));
  }

  for (verposte& p : sortie) {
    if (p.groupe == 0) continue;
    std::vector<host::ElementId> membres;
    stbDgn_elementsDuGroupe(membres, p.groupe, plan.modeleTheme);
    for (const host::ElementId id : membres) {
      const host::ElementHandle h(id, plan.modeleTheme);
      if (h.type() != ElementType::Text && h.type() != ElementType::TextNode) continue;
      std::wstring texte;
      p.chaine = stbElem_texte(texte, h);
      poste_analyserTexte(p, texte);
      p.texte = id;
      break;
    }
  }

  const host::LevelMask cellules = masqueCellules(plan);
  const host::LevelMask lignes = res_masqueLignes(plan.masqueTheme, plan);
  for (verposte& p : sortie) noeudsProches(p, plan, cellules, lignes);
}
