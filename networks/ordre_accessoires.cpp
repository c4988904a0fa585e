#include "networks/ordre_accessoires.h"

#include <algorithm>
#include <optional>

#include "engine/erreur.h"
#include "engine/plan_fichier.h"
#include "host/curve_element.h"
#include "host/element_handle.h"
#include "networks/extremites_niveaux_table.h"
#include "networks/reseau_compteurs.h"
#include "standard/element_table.h"
#include "standard/niv_classement.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_niveau.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr std::uint32_t codeBoutPendant = 2061;
constexpr std::uint32_t codeOrdre = 2062;
constexpr std::uint32_t codeCableAccessoire = 2063;
constexpr std::uint32_t extraOrdre = 2;
constexpr double kPortee = 1.0;  // UORs: an end of the previous version at the same place

const std::vector<int> kTypesCables = {host::ElementType::Line, host::ElementType::LineString,
                                       host::ElementType::ComplexChain, host::ElementType::Arc};

const vertroncon* tronconDe(const verreseau& reseau, std::int32_t i) {
  return i >= 0 && static_cast<std::size_t>(i) < reseau.troncons.size() ? &reseau.troncons[static_cast<std::size_t>(i)]
                                                                        : nullptr;
}

bool examine(std::uint32_t etat) { return etat == 2 || etat == 3; }

// The catalogue bit of a piece: a BT service connection counts as one, the other pieces by
// their network bit; 0 for a network no catalogue row names.
std::uint32_t bitAccessoire(const vertroncon& t) {
  if (t.reseau == nr_BT && t.branchement) return mca_Branchement;
  switch (t.reseau) {
    case nr_BT: return mca_BT;
    case nr_HTA: return mca_HTA;
    case nr_TLCEle: return mca_TLCEle;
    case nr_TLR: return mca_TLR;
    default: return 0;
  }
}

// The neighbour's element met at the node, classified in the neighbour's file: true when it is
// abandoned. False when no neighbour of the list is that plan or the element cannot be read.
bool voisinAbandonne(const vernoeud& n, const std::vector<host::ModelRef>& voisins) {
  for (host::ModelRef m : voisins) {
    std::wstring nom;
    if (plan_nomDepuisFichier(nom, host::fileName(m)) != 0 || stbStr_comparer(nom, n.planVoisin, false) != 0) continue;
    verclassement c;
    if (niv_classerElement(&c, host::ElementHandle(n.idVoisin, m), m, plan_typeFichierModele(m), nr_ThemeEle) != 0)
      return false;
    return c.etat == er_Abandonne;
  }
  return false;
}

// Whether exactly one other piece listed at the node continues the element's piece: same network
// bit, service-connection flag and protection network, abandoned exactly when it is. The piece
// is the last one listed for the element; every other entry of the list counts, so that a piece
// closing on itself continues itself.
bool continuee(const vernoeud& n, const verreseau& reseau, std::uint64_t idElement) {
  if (n.troncons.size() < 2) return false;
  std::size_t position = n.troncons.size();
  for (std::size_t k = n.troncons.size(); k-- > 0;) {
    const vertroncon* t = tronconDe(reseau, n.troncons[k]);
    if (t && t->idElement == idElement) {
      position = k;
      break;
    }
  }
  if (position == n.troncons.size()) return false;
  const vertroncon& p = reseau.troncons[static_cast<std::size_t>(n.troncons[position])];
  const bool abandonne = p.etat == er_Abandonne;
  int semblables = 0;
  for (std::size_t k = 0; k < n.troncons.size(); ++k) {
    const vertroncon* q = k == position ? nullptr : tronconDe(reseau, n.troncons[k]);
    if (q && q->reseau == p.reseau && q->branchement == p.branchement && q->protection == p.protection &&
        (q->etat == er_Abandonne) == abandonne)
      ++semblables;
  }
  return semblables == 1;
}

// The level masks of the cable levels of one model, kept for the last model asked about: the
// masks are built once per previous version, not once per cable end. Keyed by the model's handle
// and design file, which a closed and reopened file never shares.
struct MasquesCables {
  std::uint64_t modele = 0;
  const host::DesignFile* fichier = nullptr;
  std::uint32_t typePlan = 0;
  std::array<std::optional<host::LevelMask>, cable_niveauxExtremites.size()> masques;
};

const host::LevelMask* masqueCables(host::ModelRef modele, std::uint32_t typePlan, std::uint32_t reseau) {
  static MasquesCables cache;
  const host::DesignFile* fichier = host::designFile(modele);
  if (cache.modele != modele.handle || cache.fichier != fichier || cache.typePlan != typePlan)
    cache = MasquesCables{modele.handle, fichier, typePlan, {}};
  for (std::size_t i = 0; i < cable_niveauxExtremites.size(); ++i) {
    const cable_niveauxExtremite& ligne = cable_niveauxExtremites[i];
    if (ligne.typePlan != typePlan || ligne.reseau != reseau) continue;
    if (!cache.masques[i]) {
      std::vector<std::wstring> noms;
      for (std::wstring_view nom : ligne.niveaux)
        if (!nom.empty()) noms.emplace_back(nom);
      host::LevelMask masque;
      stbNiveau_masqueVue(masque, L"", noms, modele);
      cache.masques[i] = std::move(masque);
    }
    return &*cache.masques[i];
  }
  return nullptr;
}

}  // namespace

// Errors 2063 on each live piece a network cell refuses and 2062 on each cell that receives a
// number of live pieces its row does not admit; only the cells the verification examines, not
// abandoned. A piece listed twice at one cell counts twice. Returns 0.
std::int32_t cable_controlerOrdreAccessoires(std::vector<vererreur>& erreurs, const verreseau& reseau,
                                             const verfichier& fichier, const verplaninfo& plan) {
  const std::vector<veraccessoire>& catalogue = res_catalogue(reseau, plan.type);
  for (const vernoeud& n : reseau.noeuds) {
    if (n.indexCatalogue < 0 || static_cast<std::size_t>(n.indexCatalogue) >= catalogue.size() || n.abandonne) continue;
    const std::int32_t i = element_rechercherParId(fichier.elements, n.idCellule);
    if (i < 0 || !examine(fichier.elements[static_cast<std::size_t>(i)].etatControle)) continue;
    const veraccessoire& ligne = catalogue[static_cast<std::size_t>(n.indexCatalogue)];
    std::int32_t nombre = 0;
    for (std::int32_t k : n.troncons) {
      const vertroncon* t = tronconDe(reseau, k);
      if (!t || t->etat == er_Abandonne) continue;
      const std::uint32_t bit = bitAccessoire(*t);
      if (bit != 0 && (ligne.cablesAdmis & bit) != 0) {
        ++nombre;
        continue;
      }
      // Reported only when the table holds the piece; its type as read in the file, 0 when it
      // cannot be read.
      if (element_rechercherParId(fichier.elements, t->idElement) < 0) continue;
      const host::Element* e = host::readElement(fichier.modele, t->idElement);
      erreur_ajouter(erreurs, fichier.nomFichier, t->idElement, e ? static_cast<std::uint32_t>(e->type) : 0,
                     codeCableAccessoire, nullptr, ligne.code, L"");
    }
    if (std::find(ligne.nombresAdmis.begin(), ligne.nombresAdmis.end(), nombre) == ligne.nombresAdmis.end())
      erreur_ajouter(erreurs, fichier.nomFichier, n.idCellule, extraOrdre, codeOrdre, nullptr, ligne.code, L"");
  }
  return 0;
}

// Error 2061 at the node's point when the element's end (`debut` 1 the start, 0 the end) stops
// in the open: not on a cell nor a change of characteristics, not continued across the border
// (an abandoned end is free to stop there unless its neighbour element is live), not continued
// by exactly one similar piece, and not already free in the previous version (`modelePrecedent`,
// null when there is none). A node index outside the graph tests nothing. Returns 0.
std::int32_t cable_controlerBoutPendant(std::vector<vererreur>& erreurs, const verelement& element,
                                        std::uint8_t debut, std::int32_t noeud, const verreseau& reseau,
                                        const verfichier& fichier, host::ModelRef modelePrecedent,
                                        const std::vector<host::ModelRef>& voisins) {
  if (noeud < 0 || static_cast<std::size_t>(noeud) >= reseau.noeuds.size()) return 0;
  const vernoeud& n = reseau.noeuds[static_cast<std::size_t>(noeud)];
  if (n.indexCatalogue != -1 || n.idCellule != 0 || n.changement) return 0;

  if (!n.planVoisin.empty() && n.idVoisin != 0) {
    if (element.classement.etat != er_Abandonne) {
      if (n.traverse) return 0;
    } else if (!n.traverse || voisinAbandonne(n, voisins)) {
      return 0;
    }
  }
  if (continuee(n, reseau, element.idElement)) return 0;

  if (modelePrecedent) {
    const std::uint32_t autreBout = debut ? 2 : 1;
    const bool marqueeAilleurs = element.etatControle == 3 && element.marqueExtremite == autreBout;
    if (element.etatControle == 2 || marqueeAilleurs) {
      versegment cle;
      cle.idElement = element.idElement;
      cle.classement = element.classement;
      cle.extremiteDebut = debut ? 1 : 0;
      (debut ? cle.debut : cle.fin) = n.point;
      if (cable_extremiteAnterieure(cle, modelePrecedent) == 0) return 0;
    }
  }
  erreur_ajouter(erreurs, fichier.nomFichier, element.idElement, static_cast<std::uint32_t>(element.symbologie.type),
                 codeBoutPendant, &n.point, element.categorie, L"");
  return 0;
}

// 0 when the previous version holds, less than 1.0 UOR from the key's tested end in XY, an end
// of a cable on the cable levels of the key's network that is not abandoned, of the same
// service-connection flag (BT) or protection network (HTA). 0x8000 otherwise, also for a model
// that is not a plan file or a key of another network.
std::int32_t cable_extremiteAnterieure(const versegment& segment, host::ModelRef modelePrecedent) {
  if (!host::isValid(modelePrecedent)) return kEchec;
  const std::uint32_t typePlan = plan_typeFichierModele(modelePrecedent);
  const std::uint32_t reseau = segment.classement.reseau;
  const host::LevelMask* masque = masqueCables(modelePrecedent, typePlan, reseau);
  if (!masque || masque->none()) return kEchec;

  const host::Point3d& p = segment.extremite();
  host::ScanCriteria criteres;
  criteres.types = kTypesCables;
  criteres.levelMask = *masque;
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, p, kPortee);
  std::vector<host::ElementId> ids;
  res_scanner(ids, criteres, modelePrecedent);
  for (host::ElementId id : ids) {
    const host::ElementHandle element(id, modelePrecedent);
    verclassement c;
    if (niv_classerElement(&c, element, modelePrecedent, typePlan, nr_ThemeEle) != 0) continue;
    if (c.etat == er_Abandonne) continue;
    if (reseau == nr_BT && c.branchement != segment.classement.branchement) continue;
    if (reseau == nr_HTA && c.protection != segment.classement.protection) continue;
    const host::Element* e = element.element();
    const std::optional<host::CurveVector> courbe = e ? host::curveOfElement(*e) : std::nullopt;
    host::Point3d debut, fin;
    if (!courbe || !courbe->getStartEnd(debut, fin)) continue;
    if (debut.distanceXY(p) < kPortee || fin.distanceXY(p) < kPortee) return 0;
  }
  return kEchec;
}
