#include "standard/niv_classement.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "standard/niv_classement_table.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_niveau.h"

namespace {

constexpr std::uint32_t kNonClasse = 0x8000;
constexpr int kCellule = 2;
constexpr int kNoeudTexte = 7;
constexpr int kTexte = 17;
constexpr int kCotation = 33;

// The rows of one section by level name, the groups spread into one row per level.
using Index = std::unordered_map<std::wstring_view, niv_ligne>;

Index indexer(const niv_section& section) {
  Index index;
  for (const niv_groupeClassement& g : section.groupes) {
    for (std::size_t i = 0; i < g.niveaux.size(); ++i) {
      if (g.niveaux[i].empty()) continue;
      index.emplace(g.niveaux[i], niv_ligne{g.niveaux[i], g.reseau, niv_issuesGroupe[i].contenu,
                                            niv_issuesGroupe[i].etat, g.branchement});
    }
  }
  for (const niv_ligne& l : section.lignes) index.emplace(l.niveau, l);
  for (const niv_exception& e : section.exceptions) {
    const auto it = index.find(e.niveau);
    if (it != index.end()) it->second.regle = e.regle;
  }
  return index;
}

struct Indexes {
  Index elec = indexer(niv_sectionV3(62));
  Index gaz = indexer(niv_sectionV3(1984));
  Index autres = indexer(niv_sectionV3(6144));
  Index v2Communes = indexer(niv_sectionV2Commune());
  Index v2Elec = indexer(niv_sectionV2(62));
  Index v2Gaz = indexer(niv_sectionV2(1984));
};

const Indexes& indexes() {
  static const Indexes i;
  return i;
}

const niv_ligne* chercher(const Index& index, std::wstring_view niveau) {
  const auto it = index.find(niveau);
  return it == index.end() ? nullptr : &it->second;
}

std::uint32_t classeHtb(std::uint32_t couleur) {
  switch (couleur) {
    case 149: return 1;
    case 38: return 2;
    case 63: return 3;
    case 146: return 4;
    default: return 0;
  }
}

std::uint32_t reseauGaz(std::uint32_t couleur) {
  switch (couleur) {
    case 2: return 64;
    case 11: return 128;
    case 12: return 256;
    default: return 0;
  }
}

std::uint32_t contenuParType(std::int32_t type) {
  if (type == kCellule) return 2;
  if (type == kTexte || type == kNoeudTexte) return 4;
  return 1;
}

template <std::size_t N>
bool nommee(const std::array<std::wstring_view, N>& noms, std::wstring_view nom) {
  return std::find(noms.begin(), noms.end(), nom) != noms.end();
}

// A cable of the three-file standard whose line style tells its class and its NI mark.
void styleCableV3(verclassement& c, std::wstring_view style, std::wstring_view classeA, std::wstring_view classeANi,
                  std::wstring_view ni) {
  if (style == classeA) {
    c.etat = 1;
  } else if (style == classeANi) {
    c.etat = 1;
    c.ni = 1;
  } else {
    c.etat = 2;
    if (style == ni) c.ni = 1;
  }
}

// The one-file standard's line-style rules for the lines of the electricity theme.
void stylesV2(verclassement& c, const niv_lecture& l) {
  const std::wstring_view s = l.nomStyle;
  c.etat = 2;
  if (s == L"ST_BRANCH_INC") {
    c.etat = 4;
    c.branchement = 1;
  } else if (s == L"ST_BT_INC_V2" || s == L"ST_HTA_INC_V2") {
    c.etat = 4;
  } else if (s == L"ST_BRANCH_CLA_V2") {
    c.etat = 1;
    c.branchement = 1;
  } else if (s == L"ST_BT_CLA_V2" || s == L"ST_HTA_CLA") {
    c.etat = 1;
  } else if (s == L"ST_ABAND") {
    c.etat = 8;
    if (c.reseau == 2 && l.epaisseur == 0) c.branchement = 1;
  } else if (s.empty()) {
    if (c.reseau == 2 && l.style == 0) c.branchement = 1;
  }
}

// The row's particular treatment: false when it refuses the element.
bool appliquer(verclassement& c, niv_regle regle, const niv_lecture& l) {
  using R = niv_regle;
  switch (regle) {
    case R::aucune: return true;
    case R::styleBranchtV3:
      c.etat = l.nomStyle == L"ST_BRANCH_CLA_V3" ? 1 : l.nomStyle == L"ST_BT_BRANCH_INC" ? 4 : 2;
      return true;
    case R::styleBTV3: styleCableV3(c, l.nomStyle, L"ST_BT_CLA_V3", L"ST_BT_NI_CLA_V3", L"ST_BT_NI"); return true;
    case R::incertainBTV3:
      if (l.nomStyle == L"ST_BT_NI_INC") c.ni = 1;
      return true;
    case R::styleHTAV3:
      styleCableV3(c, l.nomStyle, L"ST_HTA_CLA_V3", L"ST_HTA_NI_CLA_V3", L"ST_HTA_NI");
      c.classeHta = classeHtb(l.couleur);
      return true;
    case R::incertainHTAV3:
      if (l.nomStyle == L"ST_HTA_NI_INC") c.ni = 1;
      c.classeHta = classeHtb(l.couleur);
      return true;
    case R::classeHtb: c.classeHta = classeHtb(l.couleur); return true;
    case R::abandonEle:
      if (c.contenu == 1) {
        if (l.epaisseur == 4) c.reseau = 4;
        else if (l.epaisseur == 0) c.branchement = 1;
      }
      return true;
    case R::protection:
      if (l.couleur != 6) return false;
      if (l.nomStyle == L"ST_PROT_TERRE") {
        c.reseau = 32;
        c.protection = 0;
      }
      return true;
    case R::couleur6: return l.couleur == 6;
    case R::couleur21: return l.couleur == 21;
    case R::textes: return l.type == kTexte || l.type == kNoeudTexte;
    case R::texte17: return l.type == kTexte;
    case R::cellulesElec: return l.type == kCellule && nommee(niv_cellulesElec, l.nomCellule);
    case R::cellulesGaz: return l.type == kCellule && nommee(niv_cellulesGaz, l.nomCellule);
    case R::reseauV2:
      if (l.type == kCellule) c.contenu = 2;
      return true;
    case R::reseauHTAV2:
      if (l.type == kCellule) c.contenu = 2;
      c.classeHta = classeHtb(l.couleur);
      return true;
    case R::texteAbandonV2:
      if (l.couleur == 0) c.etat = 8;
      return true;
    case R::texteHTAV2:
      if (l.couleur == 0) c.etat = 8;
      else c.classeHta = classeHtb(l.couleur);
      return true;
    case R::abandonGazV2:
      if (l.type == kCellule) {
        c.contenu = 2;
      } else if (l.type == kTexte) {
        c.contenu = 4;
      } else if (l.type == kCotation) {
        c.contenu = 8;
        c.etat = niv_etatParCouleur;
      } else if (l.epaisseur == 0) {
        c.reseau = 512;
      }
      return true;
  }
  return false;
}

}  // namespace

std::uint32_t niv_classerLecture(verclassement* classement, const niv_lecture& l, std::uint32_t version,
                                 std::uint32_t theme) {
  // A level of id 0 is no level: a slot holding 0 never matches either.
  if (l.idNiveau == 0 || l.nomNiveau.empty()) return kNonClasse;
  const Indexes& ix = indexes();
  const niv_ligne* ligne = nullptr;
  bool stylesElecV2 = false;
  bool regleGazV2 = false;
  if (version == 1) {
    ligne = chercher(ix.v2Communes, l.nomNiveau);
    if (!ligne && theme == 62) stylesElecV2 = (ligne = chercher(ix.v2Elec, l.nomNiveau)) != nullptr;
    if (!ligne && theme == 1984) regleGazV2 = (ligne = chercher(ix.v2Gaz, l.nomNiveau)) != nullptr;
  } else if (version == 2) {
    if (theme == 62) ligne = chercher(ix.elec, l.nomNiveau);
    else if (theme == 1984) ligne = chercher(ix.gaz, l.nomNiveau);
    else if (theme == 6144) ligne = chercher(ix.autres, l.nomNiveau);
  }
  if (!ligne) return kNonClasse;

  verclassement c;
  c.idElement = l.idElement;
  c.reseau = ligne->reseau == niv_reseauParCouleur ? reseauGaz(l.couleur) : ligne->reseau;
  c.contenu = ligne->contenu == niv_contenuParType ? contenuParType(l.type) : ligne->contenu;
  c.etat = ligne->etat;
  c.branchement = ligne->branchement;
  c.protection = ligne->protection;
  if (!appliquer(c, ligne->regle, l)) return kNonClasse;
  if (c.etat == niv_etatParCouleur) c.etat = l.couleur == 0 ? 32768 : 16384;
  if (stylesElecV2 && c.contenu == 1) stylesV2(c, l);
  if (regleGazV2 && c.contenu == 1) {
    if (c.etat == 0) c.etat = 2;
    if (l.style == 5) c.branchement = 1;
  }
  if (c.reseau == 0) return kNonClasse;
  if (classement) *classement = c;
  return 0;
}

std::uint32_t niv_classerElement(verclassement* classement, const host::ElementHandle& element, host::ModelRef modele,
                                 std::uint32_t version, std::uint32_t theme) {
  try {
    const host::Element* e = element.element();
    if (!e) return kNonClasse;
    niv_lecture l;
    l.idElement = element.id();
    l.type = e->type;
    l.idNiveau = stbElem_niveau(element);
    std::wstring nomNiveau, nomStyle, nomCellule;
    l.nomNiveau = stbNiveau_nom(nomNiveau, modele, l.idNiveau);
    std::uint32_t style = 0;
    stbElem_symbologie(&l.couleur, &l.epaisseur, &style, element);
    l.style = static_cast<std::int32_t>(style);
    if (stbElem_styleLigne(nomStyle, nullptr, element, modele) == 0) l.nomStyle = nomStyle;
    if (l.type == kCellule && stbElem_lireCellule(nullptr, nullptr, nullptr, &nomCellule, element) == 0)
      l.nomCellule = nomCellule;
    return niv_classerLecture(classement, l, version, theme);
  } catch (...) {
    return kNonClasse;
  }
}

niv_lecture niv_lectureDe(const versymbologie& s, std::uint64_t idElement) {
  niv_lecture l;
  l.idElement = idElement;
  l.type = s.type;
  l.idNiveau = s.idNiveau == 0xFFFFFFFF ? 0 : s.idNiveau;
  l.nomNiveau = s.nomNiveau;
  l.couleur = s.couleur;
  l.epaisseur = s.epaisseur;
  l.style = s.style;
  if (s.nomStyle != L"~") l.nomStyle = s.nomStyle;
  if (s.nomCellule != L"~") l.nomCellule = s.nomCellule;
  return l;
}
