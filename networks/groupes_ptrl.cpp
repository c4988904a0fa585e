#include "networks/groupes_ptrl.h"

#include <algorithm>
#include <string>

#include "engine/plan_construire.h"
#include "host/model_ref.h"
#include "networks/groupes_graphiques.h"
#include "networks/ptr_cellules.h"
#include "networks/ptr_grille.h"
#include "networks/recherches_reseau.h"
#include "networks/vertolerances.h"
#include "standard/element_table.h"
#include "standard/niv_classement.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_str.h"

using host::ElementType;

namespace {

constexpr std::uint32_t codeContenuGroupe = 2075;
constexpr std::uint32_t codeSansAltitude = 2081;
constexpr std::uint32_t codeSuperposes = 2082;
constexpr std::uint32_t codeSansObjet = 2083;
constexpr std::uint32_t codeNonClasse = 2084;
constexpr std::uint32_t codeTexteNonGroupe = 2085;

constexpr std::size_t kTolerancePTR = 15;  // entry of vertolerances
constexpr std::int32_t kRien = 1;
constexpr std::int32_t kSansObjet = 6;
constexpr std::int32_t kNonClasse = 7;

std::wstring complementGroupe(const verptr& p) { return drap_complementGroupe(p.groupe); }

bool niveauTextePTR(std::uint32_t typePlan, const std::wstring& niveau) {
  return std::any_of(ptrl_niveauxTextes.begin(), ptrl_niveauxTextes.end(),
                     [&](const ptrl_niveauTexte& n) { return n.typePlan == typePlan && n.niveau == niveau; });
}

bool groupeConnu(const std::vector<verptr>& ptrs, std::uint32_t groupe) {
  const auto it = std::lower_bound(ptrs.begin(), ptrs.end(), groupe,
                                   [](const verptr& p, std::uint32_t g) { return p.groupe < g; });
  return it != ptrs.end() && it->groupe == groupe;
}

// Step A: the PTR texts of the table that no PTR cell's group holds.
void textesNonGroupes(std::vector<vererreur>& erreurs, const std::vector<verptr>& ptrs, const verfichier& fichier,
                      std::uint32_t typePlan) {
  for (const verelement& e : fichier.elements) {
    if (e.symbologie.type != ElementType::Text && e.symbologie.type != ElementType::TextNode) continue;
    if (!niveauTextePTR(typePlan, e.symbologie.nomNiveau)) continue;
    if (e.groupe != 0 && groupeConnu(ptrs, e.groupe)) continue;
    element_signalerReseau(erreurs, fichier, e.idElement, codeTexteNonGroupe, e.symbologie.texte);
  }
}

// Whether a PTR of class `j` superposed on one of class `i` counts as a second one.
bool classesSuperposables(std::uint32_t i, std::uint32_t j) {
  if (i == classePtrl || i == classePtrla) return j == classePtrl || j == classePtrla || j == classePtrc;
  if (i == classePtrlas) return j == classePtrlas || j == classePtrc;
  return false;
}

// ptr_etatReseauSousJacent with the mask of the BT and HTA lines built once by the caller.
std::int32_t etatSousJacent(const verptr& ptr, double distance, const verplaninfo& plan, const host::LevelMask& lignes) {
  if (ptr.ligneSousJacente == 0)
    return ptr.accessoire != 0 || ptr.ligneProtection != 0 || ptr.zoneProtection != 0 ? kRien : kSansObjet;
  if (ptr.accessoire != 0 || ptr.ligneProtection != 0) return kRien;
  const verclassement& c = ptr.classement;
  if ((c.reseau != nr_BT && c.reseau != nr_HTA) || c.etat == er_Abandonne ||
      (ptr.classe != classePtrla && ptr.classe != classePtrlas) || c.etat == er_Classe)
    return kRien;

  const host::Point3d origine{host::masterToUor(plan.modeleTheme, ptr.origine.x),
                              host::masterToUor(plan.modeleTheme, ptr.origine.y), 0.0};
  std::vector<verproximite> proches;
  res_elementsLeLongChemin(proches, origine, distance, lignes, plan);
  if (proches.size() < 2) return kNonClasse;
  for (const verproximite& l : proches) {
    if (l.idElement == ptr.ligneSousJacente) continue;
    verclassement autre;
    niv_classerElement(&autre, host::ElementHandle(l.idElement, plan.modeleTheme), plan.modeleTheme, plan.type,
                       plan.masqueTheme);
    if (autre.etat == er_Classe) return kRien;
  }
  return kNonClasse;
}

// Step B: superposed PTRs, then what lies under each.
void cellulesPTR(std::vector<vererreur>& erreurs, const std::vector<verptr>& ptrs, const verfichier& fichier,
                 const verplaninfo& plan, double t, double tm) {
  const ptr_grille grille(ptrs, tm);
  const host::LevelMask lignes = res_masqueLignes(nr_BT | nr_HTA, plan);
  for (const verptr& p : ptrs) {
    if (p.classe == classePtrlEa || p.classe == classePtrc || p.classe == classePtrcEa) continue;
    std::uint32_t code = 0;
    if (tm > 0.0)
      for (const std::size_t j : grille.voisins(p.origine)) {
        const verptr& q = ptrs[j];
        if (p.idElement < q.idElement && classesSuperposables(p.classe, q.classe) && p.origine.distanceXY(q.origine) < tm) {
          code = codeSuperposes;
          break;
        }
      }
    if (code == 0) {
      const std::int32_t r = etatSousJacent(p, t, plan, lignes);
      if (r == kSansObjet) code = codeSansObjet;
      else if (r == kNonClasse) code = codeNonClasse;
    }
    if (code != 0) element_signalerReseau(erreurs, fichier, p.idElement, code, complementGroupe(p));
  }
}

// Mode 2: PTRLA, PTRLAS and PTRD groups holding anything but the cell and its two texts, or no
// altitude text.
void contenuGroupes(std::vector<vererreur>& erreurs, const std::vector<verptr>& ptrs, const verfichier& fichier,
                    const verplaninfo& plan) {
  std::vector<host::ElementId> membres;
  for (const verptr& p : ptrs) {
    if (p.classe != classePtrla && p.classe != classePtrlas && p.classe != classePtrd) continue;
    if (!element_estExamine(fichier, p.idElement)) continue;
    std::uint32_t code = 0;
    if (p.groupe == 0) {
      code = codeContenuGroupe;
    } else {
      stbDgn_elementsDuGroupe(membres, p.groupe, plan.modeleTheme);
      const bool etranger = std::any_of(membres.begin(), membres.end(), [&](host::ElementId id) {
        return id != p.idElement && id != p.texteAltitude && id != p.texteNumero;
      });
      if (etranger) code = codeContenuGroupe;
    }
    if (code == 0 && p.texteAltitude == 0) code = codeSansAltitude;
    if (code != 0) element_signalerReseau(erreurs, fichier, p.idElement, code, complementGroupe(p));
  }
}

}  // namespace

std::int32_t ptr_etatReseauSousJacent(const verptr& ptr, double distance, const verplaninfo& plan) {
  return etatSousJacent(ptr, distance, plan, res_masqueLignes(nr_BT | nr_HTA, plan));
}

void ctrl_groupesPTRL(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers, std::int32_t mode) {
  verplaninfo plan;
  plan_copierIdentite(plan, fichiers, nr_ThemeEle);
  vertolerances tolerances;
  tol_initialiser(tolerances);
  const double t = tolerances[kTolerancePTR];
  const double tm = host::uorToMaster(plan.modeleTheme, t);
  std::vector<verptr> ptrs;
  ptr_collecterCellules(ptrs, plan, tm);
  const verfichier& fichier = fichiers.type == 1 ? fichiers.fichiers[0] : fichiers.fichiers[1];

  if (mode == 1) {
    textesNonGroupes(erreurs, ptrs, fichier, plan.type);
    cellulesPTR(erreurs, ptrs, fichier, plan, t, tm);
  } else if (mode == 2) {
    contenuGroupes(erreurs, ptrs, fichier, plan);
  }
}
