#include "standard/element_table.h"

#include <algorithm>
#include <unordered_map>

#include "engine/erreur.h"
#include "host/curve_element.h"
#include "standard/element_symbologie.h"
#include "standard/niv_classement.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_dgn_cellules.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_composant.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;
constexpr std::uint32_t codeNiveauAbsent = 1006;
constexpr int kCellule = 2;
constexpr int kCotation = 33;

// Standard version and theme mask of a file's classification; theme 0: not classified.
struct Classification {
  std::uint32_t version = 0;
  std::uint32_t theme = 0;
};

Classification classificationDe(std::uint32_t role) {
  switch (role) {
    case rolePlanUnique: return {1, 62};
    case roleElectricite: return {2, 62};
    case roleAutres: return {2, 6144};
    default: return {};
  }
}

verelement ligneDe(host::ElementId id, const host::Element& e, host::ModelRef modele, stbNomsSymbologie& noms,
                   const Classification& classification) {
  verelement v;
  v.idElement = id;
  v.groupe = e.graphicGroup;
  if (host::isCurveType(e.type)) {
    if (const auto courbe = host::curveOfElement(e)) {
      v.longueur = host::uorToMaster(modele, courbe->length());
      host::Point3d debut, fin;
      if (courbe->getStartEnd(debut, fin)) {
        v.debut = debut;
        v.fin = fin;
      }
    }
  } else if (e.type == 7 || e.type == 17) {
    stbElem_lireTexteElement(&v.origine, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, e);
  } else if (e.type == kCellule || e.type == 35) {
    stbElem_lireCelluleElement(&v.origine, nullptr, nullptr, nullptr, e);
  }
  const host::Range3d etendue = host::elementRangeOf(modele, id);
  v.centre = {(etendue.low.x + etendue.high.x) * 0.5, (etendue.low.y + etendue.high.y) * 0.5, 0.0};
  element_lireSymbologie(v.symbologie, e, noms);
  // The classifier reads the level, colour, weight and line style that the symbology holds.
  if (classification.theme != 0)
    niv_classerLecture(&v.classement, niv_lectureDe(v.symbologie, v.idElement), classification.version,
                       classification.theme);
  return v;
}

// Whether the cell holds a text or a dimension at any depth (walked without recursion: cells may
// nest deep).
bool contientTexteOuCotation(const host::Element& cellule) {
  std::vector<const host::Element*> pile;
  for (const host::Element& c : cellule.children) pile.push_back(&c);
  while (!pile.empty()) {
    const host::Element* e = pile.back();
    pile.pop_back();
    if (e->type == 17 || e->type == kCotation) return true;
    for (const host::Element& c : e->children) pile.push_back(&c);
  }
  return false;
}

void signaler(std::vector<vererreur>& erreurs, const verfichier& fichier, const verelement& e, std::uint32_t code,
              const std::wstring& objet, const std::wstring& complement) {
  erreur_ajouter(erreurs, fichier.chemin, e.idElement, static_cast<std::uint32_t>(e.symbologie.type), code, nullptr,
                 objet, complement);
}

}  // namespace

void element_construireTable(verfichier& fichier) {
  std::vector<verelement>().swap(fichier.elements);
  if (!fichier.modele) return;
  const Classification classification = classificationDe(fichier.role);
  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.excludedTypes = {94};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, fichier.modele);
  fichier.elements.reserve(ids.size());
  // Level and line-style names looked up once per level and style, not per element.
  stbNomsSymbologie noms(fichier.modele);
  for (const host::ElementId id : ids) {
    const host::Element* e = host::readElement(fichier.modele, id);
    if (!e) continue;
    fichier.elements.push_back(ligneDe(id, *e, fichier.modele, noms, classification));
  }
  std::sort(fichier.elements.begin(), fichier.elements.end(),
            [](const verelement& a, const verelement& b) { return a.idElement < b.idElement; });
}

std::int32_t element_rechercherParId(const std::vector<verelement>& table, std::uint64_t idElement) {
  const auto it = std::lower_bound(table.begin(), table.end(), idElement,
                                   [](const verelement& e, std::uint64_t id) { return e.idElement < id; });
  if (it == table.end() || it->idElement != idElement) return -1;
  return static_cast<std::int32_t>(it - table.begin());
}

std::uint32_t element_idNiveau(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier,
                               host::ModelRef modele, const std::wstring& nomNiveau) {
  std::optional<host::LevelId> id;
  try {
    id = host::levelIdFromName(modele, nomNiveau);
  } catch (...) {
  }
  if (id && *id != 0) return 0;
  erreur_ajouter(erreurs, cheminFichier, 0, 0, codeNiveauAbsent, nullptr, L"", nomNiveau);
  return kEchec;
}

vercouples::vercouples(std::vector<vercouple> couples) : liste_(std::move(couples)) {
  for (std::size_t i = 0; i < liste_.size(); ++i) {
    const auto indice = static_cast<std::int32_t>(i);
    if (liste_[i].idCellule != 0) cellules_.emplace(liste_[i].idCellule, indice);
    if (liste_[i].idCotation != 0) cotations_.emplace(liste_[i].idCotation, indice);
  }
}

std::int32_t vercouples::indice(std::uint64_t id, bool cellule) const {
  const auto& index = cellule ? cellules_ : cotations_;
  const auto it = index.find(id);
  return it == index.end() ? -1 : it->second;
}

vercouples element_collecterCellules(host::ModelRef modele) {
  std::vector<vercouple> couples;
  if (!stbDgn_modeleValide(modele)) return couples;

  // The first drawn dimension of each graphic group, in file order: one scan of the model serves
  // every cell.
  std::unordered_map<std::uint32_t, std::uint64_t> cotations;
  bool cotationsLues = false;
  for (const stbCellule& cellule : *stbDgn_cellules(modele)) {
    const host::ElementId id = cellule.id;
    const host::Element* e = cellule.element;
    if (!cellule.nom().empty() || !contientTexteOuCotation(*e)) continue;
    if (!cotationsLues) {
      host::ScanCriteria criteres;
      criteres.drawnOnly = true;
      criteres.types = {kCotation};
      std::vector<host::ElementId> ids;
      stbDgn_scanner(ids, criteres, modele);
      for (const host::ElementId idCotation : ids) {
        const host::Element* d = host::readElement(modele, idCotation);
        if (d) cotations.emplace(d->graphicGroup, idCotation);
      }
      cotationsLues = true;
    }
    const auto it = cotations.find(e->graphicGroup);
    couples.push_back({id, it == cotations.end() ? 0 : it->second});
  }
  return couples;
}

std::int32_t element_indiceCouple(std::uint64_t idElement, std::int32_t type, const vercouples& couples) {
  if (idElement == 0 || (type != kCellule && type != kCotation)) return -1;
  return couples.indice(idElement, type == kCellule);
}

void element_signaler(std::vector<vererreur>& erreurs, const verfichier& fichier, const verelement& e,
                      std::uint32_t code, const std::wstring& complement) {
  signaler(erreurs, fichier, e, code, e.categorie, complement);
}

void element_signalerParId(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idElement,
                           std::uint32_t code, const std::wstring& complement) {
  const std::int32_t i = element_rechercherParId(fichier.elements, idElement);
  if (i >= 0) element_signaler(erreurs, fichier, fichier.elements[static_cast<std::size_t>(i)], code, complement);
}

bool element_estExamine(const verfichier& fichier, std::uint64_t idElement) {
  const std::int32_t i = element_rechercherParId(fichier.elements, idElement);
  if (i < 0) return false;
  const std::uint32_t etat = fichier.elements[static_cast<std::size_t>(i)].etatControle;
  return etat == 2 || etat == 3;
}

bool element_signalerReseau(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idElement,
                            std::uint32_t code, const std::wstring& complement) {
  const std::int32_t i = element_rechercherParId(fichier.elements, idElement);
  if (i < 0) return false;
  signaler(erreurs, fichier, fichier.elements[static_cast<std::size_t>(i)], code, std::wstring(), complement);
  return true;
}
