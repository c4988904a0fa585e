#include "titleblock/cart_cellules.h"

#include <algorithm>

#include "engine/encart.h"
#include "titleblock/cart_modele.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_dgn_cellules.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

std::wstring rogner(const std::wstring& texte) {
  const auto debut = texte.find_first_not_of(L" \t");
  if (debut == std::wstring::npos) return {};
  const auto fin = texte.find_last_not_of(L" \t");
  return texte.substr(debut, fin - debut + 1);
}

bool aChampSaisie(const host::Element& texte) {
  const host::TextPart* partie = host::firstTextPart(texte);
  if (!partie) return false;
  return std::any_of(partie->runs.begin(), partie->runs.end(),
                     [](const host::TextRun& r) { return r.kind == host::RunKind::EnterData; });
}

}  // namespace

void cart_collecterCellules(std::vector<vercellule>& cellules, host::ModelRef modele,
                            const std::vector<std::wstring>& noms, const std::vector<std::uint64_t>& encarts) {
  const auto toutes = stbDgn_cellules(modele);
  host::ElementAgenda agendaEncarts;
  encart_remplirAgendaModele(agendaEncarts, modele, encarts);
  for (const stbCellule& lue : *toutes) {
    const std::wstring_view nom = lue.nom();
    if (!noms.empty() && std::none_of(noms.begin(), noms.end(), [&](const std::wstring& n) { return n == nom; }))
      continue;
    const host::ElementHandle element(lue.id, modele);
    if (!agendaEncarts.empty() && encart_contientElement(element, agendaEncarts) == 0) continue;
    vercellule c;
    c.nom = nom;
    c.origine = lue.element->cell->origin;
    c.rotation = lue.element->cell->rotation;
    c.echelle = lue.element->cell->scale;
    c.elementId = lue.id;
    c.groupe = lue.element->graphicGroup;
    cellules.push_back(std::move(c));
  }
}

std::uint32_t cart_trouverCellule(vercellule& cellule, host::ModelRef modele, const std::wstring& chemin) {
  const cart_modele lecture(modele, chemin);
  if (!lecture) return kEchec;
  std::vector<vercellule> cellules;
  cart_collecterCellules(cellules, lecture.get(), {L"CART", L"CART2"}, {});
  if (cellules.empty()) return kEchec;
  cellule = cellules.front();
  return 0;
}

std::uint32_t cart_cellulesIdentification(std::uint64_t* idFich, std::uint64_t* idTheme, std::uint64_t* idLoc,
                                          std::vector<std::uint64_t>* idVoies, host::ModelRef modele,
                                          const std::wstring& chemin) {
  const cart_modele lecture(modele, chemin);
  if (!lecture) return kEchec;
  std::uint64_t fich = 0, theme = 0, loc = 0;
  std::vector<std::uint64_t> voies;
  for (const stbCellule& c : *stbDgn_cellules(lecture.get())) {
    const std::wstring_view nom = c.nom();
    if (nom == L"IDFICH") fich = c.id;
    else if (nom == L"IDLOC" || nom == L"IDLOCV3") loc = c.id;
    else if (nom == L"IDFDP" || nom == L"IDELE" || nom == L"IDGAZ" || nom == L"IDAUT") theme = c.id;
    else if (nom == L"IDVOIE") voies.push_back(c.id);
  }
  if (idFich) *idFich = fich;
  if (idTheme) *idTheme = theme;
  if (idLoc) *idLoc = loc;
  if (idVoies) *idVoies = std::move(voies);
  return fich != 0 ? 0 : kEchec;
}

std::uint32_t cart_trouverCelluleId(host::ElementHandle& cellule, std::uint64_t id, host::ModelRef modele,
                                    int sorte, int sousSorte) {
  if (id == 0) {
    if (sorte == sorteCartouche && sousSorte == 1) {
      vercellule cartouche;
      if (cart_trouverCellule(cartouche, modele, L"") != 0) return kEchec;
      id = cartouche.elementId;
    } else if (sorte == sorteIdentification && sousSorte >= 1 && sousSorte <= 3) {
      std::uint64_t fich = 0, theme = 0, loc = 0;
      cart_cellulesIdentification(&fich, &theme, &loc, nullptr, modele, L"");
      id = sousSorte == 1 ? fich : sousSorte == 2 ? theme : loc;
    }
    if (id == 0) return kEchec;
  }
  cellule = host::ElementHandle(id, modele);
  return cellule.isValid() ? 0 : kEchec;
}

const std::wstring& cart_texteCellule(std::wstring& texte, const host::ElementHandle& cellule, int n) {
  texte.clear();
  if (n < 0) return texte;
  const host::Element* cell = cellule.element();
  if (!cell) return texte;
  int rang = 0;
  for (const auto& enfant : cell->children) {
    if (enfant.type != host::ElementType::Text) continue;
    const host::ElementHandle h(enfant, cellule.model());
    std::wstring chaine;
    if (stbElem_lireTexte(nullptr, &chaine, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, h) != 0) continue;
    if (!aChampSaisie(enfant)) continue;
    if (rang++ == n) {
      texte = rogner(chaine);
      break;
    }
  }
  return texte;
}
