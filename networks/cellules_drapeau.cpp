#include "networks/cellules_drapeau.h"

#include <span>
#include <string>

#include "host/model_ref.h"
#include "networks/drapeaux.h"
#include "networks/drapeaux_table.h"
#include "toolbox/stb_elem.h"

namespace {

std::uint32_t idNiveau(const verplaninfo& plan, std::wstring_view nom) {
  return nom.empty() ? 0 : host::levelIdFromName(plan.modeleTheme, std::wstring(nom)).value_or(0);
}

const drap_celluleNommee* celluleNommee(std::span<const drap_celluleNommee> cellules, const std::wstring& nom) {
  for (const drap_celluleNommee& c : cellules)
    if (c.nom == nom) return &c;
  return nullptr;
}

// Whether a level id is one of the given levels; a level the model lacks (0) is none of them.
bool estNiveau(std::uint32_t niveau, std::uint32_t attendu) { return attendu != 0 && niveau == attendu; }

}  // namespace

drap_niveaux drap_lireNiveaux(const verplaninfo& plan) {
  drap_niveaux n;
  if (!plan.modeleTheme || plan.type == 0 || plan.masqueTheme == 0) return n;
  for (const drap_niveauxTheme& t : drap_niveauxTexte) {
    if (t.theme != plan.masqueTheme) continue;
    n.principal = idNiveau(plan, t.principal);
    n.bt = idNiveau(plan, t.bt);
    n.hta = idNiveau(plan, t.hta);
    n.branchement = idNiveau(plan, t.branchement);
  }
  return n;
}

std::uint32_t drap_niveauTexteDrapeau(std::uint32_t* niveauBT, std::uint32_t* niveauHTA,
                                      std::uint32_t* niveauBranchement, const verplaninfo& plan) {
  if (!plan.modeleTheme || plan.type == 0 || plan.masqueTheme == 0) return 0;
  const drap_niveaux n = drap_lireNiveaux(plan);
  if (niveauBT) *niveauBT = n.bt;
  if (niveauHTA) *niveauHTA = n.hta;
  if (niveauBranchement) *niveauBranchement = n.branchement;
  return n.principal;
}

void drap_classerElement(std::uint32_t* classe, std::uint32_t* reseau, std::uint8_t* differencie,
                         const host::ElementHandle& element, const verplaninfo& plan, const drap_niveaux& niveaux) {
  if (plan.type != 1 && plan.type != 2) return;
  const int type = element.type();
  std::uint32_t c = classeDrapAucune;
  std::uint8_t d = 0;
  if (type == host::ElementType::Line && plan.type == 2) {
    const std::uint32_t niveau = stbElem_niveau(element);
    if (!estNiveau(niveau, niveaux.principal) && !estNiveau(niveau, niveaux.bt) && !estNiveau(niveau, niveaux.hta) &&
        !estNiveau(niveau, niveaux.branchement))
      return;
    c = classeDrapTrait;
  } else {
    std::wstring nom;
    if (stbElem_lireCellule(nullptr, nullptr, nullptr, &nom, element) != 0) return;
    const drap_celluleNommee* n =
        plan.type == 1 ? celluleNommee(drap_cellulesV2, nom) : celluleNommee(drap_cellulesV3, nom);
    if (!n) return;
    c = n->classe;
    d = n->differencie;
  }
  std::uint32_t r = drap_reseauInconnu;
  if (plan.type == 2) {
    const std::uint32_t niveau = stbElem_niveau(element);
    if (estNiveau(niveau, niveaux.bt) || estNiveau(niveau, niveaux.branchement)) r = 2;
    else if (estNiveau(niveau, niveaux.hta)) r = 4;
  }
  if (classe) *classe = c;
  if (reseau) *reseau = r;
  if (differencie) *differencie = d;
}

void drap_typeCelluleDrapeau(std::uint32_t* classe, std::uint32_t* reseau, std::uint8_t* differencie,
                             const host::ElementHandle& element, const verplaninfo& plan) {
  const drap_niveaux niveaux = plan.type == 2 ? drap_lireNiveaux(plan) : drap_niveaux();
  drap_classerElement(classe, reseau, differencie, element, plan, niveaux);
}
