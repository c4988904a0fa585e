#include "networks/groupes_graphiques.h"

#include <algorithm>
#include <string>

#include "host/curve_element.h"
#include "host/model_ref.h"
#include "standard/element_table.h"
#include "standard/niv_classement.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_niveau.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeDefinitionGroupe = 2071;
constexpr std::uint32_t codeNatures = 2072;
constexpr std::uint32_t codeEtats = 2073;
constexpr std::uint32_t codeTextesSeuls = 2074;
constexpr std::uint32_t codePoste = 2091;
constexpr std::uint32_t codeDrapeau = 2102;
constexpr std::uint32_t codeDrapeauDifferencie = 2103;

constexpr double kToleranceTraits = 0.002;  // master units

// One-file plans: texts grouped alone on these levels are symbols' texts, not network texts.
const std::wstring kNiveauxTextesSeulsV2[] = {L"SymbolesFixes", L"Topo4Divers"};

std::wstring complementGroupe(const verdrapeau& d) { return drap_complementGroupe(d.groupe); }

bool textesSeuls(const verdrapeau& d) {
  return !d.textes.empty() && d.cote == 0 && d.cellulePoint == 0 && d.cellule == 0 && d.traits.empty() &&
         d.autresCellules.empty() && d.lignes.empty();
}

// Texts alone in a group are allowed when they are protection texts or, in a one-file plan, the
// texts of symbols.
bool textesSeulsAdmis(const verdrapeau& d, const verplaninfo& plan) {
  if (std::all_of(d.textes.begin(), d.textes.end(), [](const vertextereseau& t) { return t.reseau == nr_Protections; }))
    return true;
  if (plan.type != 1) return false;
  std::wstring nom;
  for (const vertextereseau& t : d.textes) {
    const host::ElementHandle h(t.element, plan.modeleTheme);
    if (!h.isValid()) continue;
    stbNiveau_nom(nom, plan.modeleTheme, stbElem_niveau(h));
    if (std::find(std::begin(kNiveauxTextesSeulsV2), std::end(kNiveauxTextesSeulsV2), nom) ==
        std::end(kNiveauxTextesSeulsV2))
      return false;
  }
  return true;
}

// The member an incomplete group is reported on: the first cut line, the flag cell, the point
// cell, the dimension, the first network line, the first other cell, the first text; 0 none.
std::uint64_t premierMembre(const verdrapeau& d) {
  if (!d.traits.empty() && d.traits.front() != 0) return d.traits.front();
  for (const std::uint64_t id : {d.cellule, d.cellulePoint, d.cote})
    if (id != 0) return id;
  if (!d.lignes.empty() && d.lignes.front().idElement != 0) return d.lignes.front().idElement;
  if (!d.autresCellules.empty()) return d.autresCellules.front();
  return d.textes.empty() ? 0 : d.textes.front().element;
}

bool abandonnee(std::uint32_t etat) { return etat == er_Abandonne; }

// A group of network lines mixes abandoned and in-service members.
bool etatsMelanges(const verdrapeau& d) {
  const bool ligneAbandonnee =
      std::any_of(d.lignes.begin(), d.lignes.end(), [](const verclassement& l) { return abandonnee(l.etat); });
  const bool texteAbandonne =
      std::any_of(d.textes.begin(), d.textes.end(), [](const vertextereseau& t) { return abandonnee(t.etat); });
  if (!ligneAbandonnee) return texteAbandonne;
  return std::any_of(d.lignes.begin(), d.lignes.end(), [](const verclassement& l) { return !abandonnee(l.etat); }) ||
         std::any_of(d.textes.begin(), d.textes.end(), [](const vertextereseau& t) { return !abandonnee(t.etat); });
}

std::uint64_t premiereLigne(const verdrapeau& d) { return d.lignes.empty() ? 0 : d.lignes.front().idElement; }

}  // namespace

std::wstring drap_complementGroupe(std::uint32_t groupe) {
  return stbStr_toString(L"Num\u00e9ro groupe : %d", groupe);
}

void drap_marquerAControler(std::vector<verdrapeau>& drapeaux, const verfichier& fichier) {
  for (verdrapeau& d : drapeaux) {
    bool marque = false;
    auto voir = [&](std::uint64_t id) { marque = marque || (id != 0 && element_estExamine(fichier, id)); };
    voir(d.cote);
    voir(d.cellulePoint);
    voir(d.cellule);
    for (const std::uint64_t id : d.traits) voir(id);
    for (const std::uint64_t id : d.autresCellules) voir(id);
    for (const verclassement& l : d.lignes) voir(l.idElement);
    for (const vertextereseau& t : d.textes) voir(t.element);
    if (marque) d.aControler = 1;
  }
}

void ctrl_groupesGraphiques(std::vector<vererreur>& erreurs, std::vector<verdrapeau>& drapeaux,
                            const verfichier& fichier, const verplaninfo& plan) {
  const double tolerance = host::masterToUor(fichier.modele, kToleranceTraits);
  for (verdrapeau& d : drapeaux) {
    if (d.aControler != 1) continue;
    const std::wstring complement = complementGroupe(d);
    if (textesSeuls(d)) {
      if (textesSeulsAdmis(d, plan)) continue;
      // A first text that the table lacks leaves the group to the checks of its nature.
      if (element_signalerReseau(erreurs, fichier, d.textes.front().element, codeTextesSeuls, complement)) continue;
    }
    if (d.valide == 0) d.nature = natureIndecise;
    switch (d.nature) {
      case natureIndecise:
        if (const std::uint64_t id = premierMembre(d); id != 0)
          element_signalerReseau(erreurs, fichier, id, codeDefinitionGroupe, complement);
        break;
      case natureLignes:
        if (d.reseau == nr_Tous)
          element_signalerReseau(erreurs, fichier, premiereLigne(d), codeNatures, complement);
        else if (etatsMelanges(d))
          element_signalerReseau(erreurs, fichier, premiereLigne(d), codeEtats, complement);
        break;
      case natureCellule:
        if (d.reseau == nr_Tous && !d.autresCellules.empty())
          element_signalerReseau(erreurs, fichier, d.autresCellules.front(), codeNatures, complement);
        break;
      case natureDrapeauSimple:
      case natureDrapeauDifferencie:
        ctrl_extremitesTraitsGroupe(erreurs, d, tolerance, fichier);
        ctrl_definitionDrapeau(erreurs, d, fichier, plan);
        break;
      case natureProtection:
        if (d.lignes.empty() || d.textes.empty()) {
          d.valide = 0;
          const std::uint64_t texte = d.textes.empty() ? 0 : d.textes.front().element;
          const std::uint64_t id = premiereLigne(d) != 0 ? premiereLigne(d) : texte;
          if (id != 0) element_signalerReseau(erreurs, fichier, id, codePoste, complement);
        }
        break;
      default:
        break;
    }
  }
}

void ctrl_extremitesTraitsGroupe(std::vector<vererreur>& erreurs, verdrapeau& drapeau, double tolerance,
                                 const verfichier& fichier) {
  auto proches = [tolerance](const host::Point3d& a, const host::Point3d& b) { return a.distanceXY(b) < tolerance; };
  for (const std::uint64_t trait : drapeau.traits) {
    // A one-file cut line is a cell: it has no curve and ends the check.
    const host::Element* e = host::readElement(fichier.modele, trait);
    const auto courbe = e ? host::curveOfElement(*e) : std::nullopt;
    host::Point3d debut, fin;
    if (!courbe || !courbe->getStartEnd(debut, fin)) return;
    host::Range3d plage = host::elementRangeOf(fichier.modele, trait);
    const host::Point3d marge{tolerance, tolerance, tolerance};
    plage.low = plage.low - marge;
    plage.high = plage.high + marge;
    host::ScanCriteria criteres;
    criteres.types = {host::ElementType::Line};
    criteres.levels = {e->level};
    criteres.range = plage;
    std::vector<host::ElementId> lignes;
    stbDgn_scanner(lignes, criteres, fichier.modele);
    for (const host::ElementId id : lignes) {
      if (id <= trait) continue;
      const host::Element* autre = host::readElement(fichier.modele, id);
      const auto autreCourbe = autre ? host::curveOfElement(*autre) : std::nullopt;
      host::Point3d a, b;
      if (!autreCourbe || !autreCourbe->getStartEnd(a, b)) continue;
      if ((proches(debut, a) && proches(fin, b)) || (proches(debut, b) && proches(fin, a)))
        element_signalerReseau(erreurs, fichier, trait, codeNatures, complementGroupe(drapeau));
    }
  }
}

void ctrl_definitionDrapeau(std::vector<vererreur>& erreurs, verdrapeau& drapeau, const verfichier& fichier,
                            const verplaninfo& plan) {
  std::uint32_t code = 0;
  if (drapeau.cellule == 0 || drapeau.traits.empty() || drapeau.textes.empty() ||
      (drapeau.nature == natureDrapeauSimple && drapeau.cellulePoint == 0)) {
    code = codeDrapeau;
  } else if (drapeau.reseauCellule == 0) {
    drapeau.reseau = nr_Tous;
    return;
  } else {
    verclassement c;
    niv_classerElement(&c, host::ElementHandle(drapeau.traits.front(), fichier.modele), fichier.modele, plan.type,
                       plan.masqueTheme);
    if (c.reseau != nr_BT && c.reseau != nr_HTA) {
      code = codeDrapeauDifferencie;
    } else {
      drapeau.reseau = c.reseau;
      for (const vertextereseau& t : drapeau.textes) {
        if (host::readElement(fichier.modele, t.element)) continue;
        code = codeDrapeauDifferencie;
        break;
      }
    }
  }
  if (code == 0) return;
  drapeau.valide = 0;
  const std::uint64_t cible = !drapeau.traits.empty() && drapeau.traits.front() != 0 ? drapeau.traits.front()
                              : drapeau.cellule != 0                                  ? drapeau.cellule
                                                                                      : drapeau.cellulePoint;
  if (cible != 0) element_signalerReseau(erreurs, fichier, cible, code);
}
