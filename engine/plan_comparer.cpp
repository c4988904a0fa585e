#include "engine/plan_comparer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "engine/cartouche_quadrigramme.h"
#include "engine/comparer_index.h"
#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "standard/element_table.h"
#include "standard/niv_catalogues.h"
#include "standard/regle_livresV3.h"
#include "standard/regle_v2.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_symbologie.h"

namespace {

enum etatComparaison : std::uint32_t {
  etatNonApparie = 0,
  etatInchange = 1,
  etatNouveau = 2,
  etatSupprime = 3,
  etatHorsComparaison = 4,
  etatTypeNonCompare = 5,
  etatIllisible = 6,
};
constexpr std::uint32_t modeComparaison = 2;  // verify and compare: every element, work copy
constexpr std::uint32_t modeVerification = 3;
constexpr std::uint32_t etatControleNouveau = 2;

std::uint64_t candidatsExamines = 0;

bool typeCompare(int type) {
  static constexpr std::array<int, 11> types = {2, 3, 4, 6, 7, 12, 14, 15, 16, 17, 33};
  for (const int t : types)
    if (t == type) return true;
  return false;
}

// The previous version's files opened by the comparison, closed on every path unless active.
class fichiersPrecedents {
 public:
  explicit fichiersPrecedents(verplanfichiers& fichiers) : fichiers_(fichiers) {}
  fichiersPrecedents(const fichiersPrecedents&) = delete;
  fichiersPrecedents& operator=(const fichiersPrecedents&) = delete;
  ~fichiersPrecedents() {
    for (verfichier& f : fichiers_.fichiers) {
      if (!f.modele) continue;
      stbDgn_fermerFichier(f.modele);
      f.modele = host::ModelRef{};
    }
  }

 private:
  verplanfichiers& fichiers_;
};

// Mode 2's work copy of a previous version's bytes in Temp, deleted on every path. Only a copy
// made here is ever deleted (a folder standing in its place stays). The elements are matched
// against the previous version's own model, read once: a matched element leaves the candidates
// all the same, so that the copy need not be read nor changed.
class copieTravail {
 public:
  copieTravail(const verfichier& precedent, const std::wstring& repTemp) {
    if (repTemp.empty() || precedent.nomFichier.empty()) return;
    stbFichier_composer(chemin_, repTemp, precedent.nomFichier, L"", L"");
    faite_ = stbFichier_copier(precedent.chemin, chemin_) == 0;
  }
  copieTravail(const copieTravail&) = delete;
  copieTravail& operator=(const copieTravail&) = delete;
  ~copieTravail() {
    if (faite_) stbFichier_supprimer(chemin_);
  }

 private:
  std::wstring chemin_;
  bool faite_ = false;
};

// The category labels of the removed elements, by the rule book of the file's role with the
// plan's scale class; the rule books read the previous version's own model.
void etiqueterSupprimes(verfichier& precedent, std::int32_t classeEchelle) {
  // Without a removed element the rule book's tables are not read.
  if (std::none_of(precedent.elements.begin(), precedent.elements.end(),
                   [](const verelement& e) { return e.etatComparaison == etatSupprime; }))
    return;
  const auto supprimes = [&](auto&& classer) {
    for (verelement& e : precedent.elements)
      if (e.etatComparaison == etatSupprime) classer(e);
  };
  switch (precedent.role) {
    case rolePlanUnique: {
      verniveauxv2 niveaux;
      niv_tableV2(niveaux, precedent.modele);
      supprimes([&](verelement& e) { regle_classerElementV2(e, niveaux, classeEchelle, precedent); });
      break;
    }
    case roleFond: {
      verniveauxfdp niveaux;
      niv_tableFdpV3(niveaux, precedent.modele);
      const vercouples couples = element_collecterCellules(precedent.modele);
      supprimes([&](verelement& e) { regle_classerElementFdpV3(e, niveaux, couples, classeEchelle); });
      break;
    }
    case roleElectricite: {
      verniveauxele niveaux;
      niv_tableElecV3(niveaux, precedent.modele);
      const vercouples couples = element_collecterCellules(precedent.modele);
      supprimes([&](verelement& e) { regle_classerElementElecV3(e, niveaux, couples, classeEchelle, precedent); });
      break;
    }
    case roleAutres: {
      verniveauxaut niveaux;
      niv_tableAutreV3(niveaux, precedent.modele);
      const vercouples couples = element_collecterCellules(precedent.modele);
      supprimes([&](verelement& e) { regle_classerElementAutreV3(e, niveaux, couples, classeEchelle, precedent); });
      break;
    }
    default: break;
  }
}

// `nomFichier`: the file's name, pooled once for all its results.
verecart ecartDe(const verfichier& fichier, const verchaine& nomFichier, const verelement& e, std::uint32_t source) {
  verecart r;
  r.fichier = nomFichier;
  r.role = fichier.role;
  r.type = e.symbologie.type < 0 ? 0 : static_cast<std::uint32_t>(e.symbologie.type);
  r.longueur = e.longueur;
  r.position = e.origine;
  r.niveau = e.symbologie.nomNiveau;
  r.statut = e.etatComparaison;
  r.source = source;
  r.objet = e.categorie;
  return r;
}

}  // namespace

std::int32_t comparer_niveauxTopo(const verelement& element, std::uint32_t role) {
  const std::wstring& niveau = element.symbologie.nomNiveau;
  const std::int32_t type = element.symbologie.type;
  const bool texteOuCellule = type == 2 || type == 7 || type == 17;
  switch (role) {
    case rolePlanUnique:
      if (niveau == L"Topo1Limites" || niveau == L"Topo2B\u00e2tis" || niveau == L"Topo3Routes") return 0;
      if (niveau == L"Topo4Divers") return texteOuCellule ? 1 : 0;
      return 1;
    case roleFond: return texteOuCellule ? 1 : 0;
    case roleElectricite: return 1;
    default: return 0;
  }
}

void comparer_scannerElements(verelement& element, std::vector<verelement>& tablePrecedente, host::ModelRef modeleLivre,
                              host::ModelRef modelePrecedent, std::uint32_t modeFichier, comparer_index* index) {
  const host::ElementHandle h(element.idElement, modeleLivre);
  const host::Element* e = h.element();
  if (!e) {
    element.etatComparaison = etatIllisible;
    return;
  }
  if (!typeCompare(e->type)) {
    element.etatComparaison = etatTypeNonCompare;
    return;
  }
  element.etatComparaison = etatNouveau;
  if (!stbDgn_modeleValide(modelePrecedent)) return;  // no previous version: nothing to match
  host::Range3d plage = host::elementRangeOf(modeleLivre, element.idElement);
  // An element without a range, or with a NaN or infinite one, meets nothing.
  if (plage.isNull() || !plage.low.isFinite() || !plage.high.isFinite()) return;
  plage.low = plage.low - host::Point3d{1.0, 1.0, 1.0};
  plage.high = plage.high + host::Point3d{1.0, 1.0, 1.0};
  std::optional<comparer_index> local;
  if (!index) index = &local.emplace(tablePrecedente, modelePrecedent);
  const std::int32_t indice = index->premier(e->level, e->type, plage, [&](std::int32_t candidat) {
    ++candidatsExamines;
    const verelement& precedent = tablePrecedente[static_cast<std::size_t>(candidat)];
    return comparer_cleGeometrie(h, element.symbologie, host::ElementHandle(precedent.idElement, modelePrecedent),
                                 precedent.symbologie) == 0;
  });
  if (indice < 0) return;
  verelement& precedent = tablePrecedente[static_cast<std::size_t>(indice)];
  element.etatComparaison = etatInchange;
  element.indexOrigine = indice;
  precedent.etatComparaison = etatInchange;
  if (modeFichier == modeComparaison) host::deleteElement(modelePrecedent, precedent.idElement);
}

void comparer_fichier(std::vector<verecart>& sortie, verfichier& livre, verfichier& precedent,
                      verplanfichiers& fichiers, vercontexte& contexte) {
  if (!livre.existe) return;
  if (precedent.existe) element_construireTable(precedent);
  const std::uint32_t mode = livre.mode;
  const auto initialiser = [mode](std::vector<verelement>& table, std::uint32_t role) {
    for (verelement& e : table) {
      e.etatComparaison = etatNonApparie;
      if (mode == modeVerification && comparer_niveauxTopo(e, role) == 0) e.etatComparaison = etatHorsComparaison;
    }
  };
  initialiser(livre.elements, livre.role);
  initialiser(precedent.elements, precedent.role);

  {
    // The previous version's own model serves both modes; the state test keeps a candidate from
    // matching twice, and nothing is deleted.
    const bool copier = mode == modeComparaison && precedent.modele;
    const copieTravail copie(precedent, copier ? contexte.repTemp : std::wstring());
    comparer_index index(precedent.elements, precedent.modele);
    for (verelement& e : livre.elements) {
      if (e.etatComparaison == etatHorsComparaison) continue;
      comparer_scannerElements(e, precedent.elements, livre.modele, precedent.modele, modeVerification, &index);
      if (e.etatComparaison == etatNouveau) e.etatControle = etatControleNouveau;
    }
  }

  for (verelement& e : precedent.elements)
    if (e.etatComparaison == etatNonApparie) e.etatComparaison = etatSupprime;

  const verchaine nomLivre = livre.nomFichier;
  for (const verelement& e : livre.elements) {
    verecart r = ecartDe(livre, nomLivre, e, 1);
    r.idLivre = e.idElement;
    if (e.indexOrigine >= 0 && static_cast<std::size_t>(e.indexOrigine) < precedent.elements.size())
      r.idOrigine = precedent.elements[static_cast<std::size_t>(e.indexOrigine)].idElement;
    sortie.push_back(std::move(r));
  }

  etiqueterSupprimes(precedent, fichiers.version);
  const verchaine nomPrecedent = precedent.nomFichier;
  for (const verelement& e : precedent.elements) {
    if (e.etatComparaison != etatSupprime) continue;
    verecart r = ecartDe(precedent, nomPrecedent, e, 2);
    r.idOrigine = e.idElement;
    sortie.push_back(std::move(r));
  }
}

void plan_comparer(std::vector<verecart>& sortie, verplanfichiers& fichiers, vercontexte& contexte) {
  verplanfichiers precedents;
  plan_construire(precedents, fichiers.nom, fichiers.type, fichiers.version, fichiers.projection.cleSysteme,
                  contexte.repOrigine);
  fichiersPrecedents ouverts(precedents);
  for (std::size_t k = 0; k < 3; ++k) {
    verfichier& precedent = precedents.fichiers[k];
    if (fichiers.fichiers[k].signatureValide && precedent.existe &&
        stbDgn_ouvrirFichier(&precedent.modele, nullptr, nullptr, precedent.chemin, L"", true) != 0) {
      // A previous version whose checksum holds but that is no drawing (cut, empty) is compared as
      // an empty one, every element new: the user is told why.
      precedent.modele = host::ModelRef{};
      stbMsg_afficher(4, L"", stbStr_toString(L"Impossible d'ouvrir le fichier %s.", precedent.chemin));
    }
  }
  for (std::size_t k = 0; k < 3; ++k)
    comparer_fichier(sortie, fichiers.fichiers[k], precedents.fichiers[k], fichiers, contexte);
  const verfichier& titre = precedents.fichiers[fichiers.type == 2 ? 1 : 0];
  fichiers.codeOrigine.clear();
  if (titre.modele) cartouche_lireChamp(fichiers.codeOrigine, titre.chemin, titre.modele, fichiers.type);
}

std::uint64_t comparer_candidatsExamines() { return candidatsExamines; }

void etape_comparaison(std::vector<verecart>& ecarts, verplanfichiers& fichiers, vercontexte& contexte) {
  plan_comparer(ecarts, fichiers, contexte);
}
