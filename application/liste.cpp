#include "application/liste.h"

#include "toolbox/stb_str.h"

namespace d = host::dialogs;

namespace {

constexpr std::int32_t kEchec = 0x8000;

// The text of a row's cell, empty when the row has no such column.
const std::wstring& texteCellule(const d::ListRow* ligne, int colonne) {
  static const std::wstring vide;
  if (!ligne || colonne < 0 || static_cast<std::size_t>(colonne) >= ligne->cells.size()) return vide;
  return ligne->cells[static_cast<std::size_t>(colonne)].text;
}

int signe(int comparaison, bool croissant) {
  const int r = comparaison < 0 ? -1 : comparaison > 0 ? 1 : 0;
  return croissant ? r : -r;
}

// The record index a row carries in its first cell.
bool indexLigne(std::int32_t& index, const d::ListModel& modele, int ligne) {
  const d::ListCell* cellule = modele.cell(ligne, 0);
  if (!cellule) return false;
  index = static_cast<std::int32_t>(cellule->value);
  return static_cast<std::int64_t>(index) == cellule->value;
}

}  // namespace

d::Item* liste_trouver(int idDialogue, int idListe) {
  d::Item* liste = d::findItem(d::find(idDialogue), d::ItemType::ListBox, idListe);
  return liste && liste->model ? liste : nullptr;
}

void liste_ajusterColonnes(d::Dialog* dialogue, int idListe) {
  try {
    d::Item* liste = d::findItem(dialogue, d::ItemType::ListBox, idListe);
    if (!liste) return;
    const int h = d::fontHeight(dialogue);
    const d::Rect contenu = dialogue->content;

    // Column 1 takes the room that the other columns leave, in dialog units.
    int reste = d::toDialogUnits(contenu.width() - 3 * h);
    for (std::size_t c = 0; c < liste->columnWidths.size(); ++c)
      if (c != 1) reste -= liste->columnWidths[c];
    if (reste > 0 && liste->columnWidths.size() > 1) liste->columnWidths[1] = reste;

    // Rows: the height below the list's top, less half a line, in lines of h + h / 6 pixels.
    const int hauteur = static_cast<int>(contenu.bottom - liste->rect.top - h * 0.5);
    const int pas = h + h / 6;
    if (pas > 0) liste->rowsShown = hauteur > 0 ? hauteur / pas : 0;
    d::rowsChanged(liste);
  } catch (...) {
  }
}

std::int32_t liste_lignesSelectionnees(std::int32_t* premier, std::vector<std::int32_t>* indexes, int idDialogue,
                                       int idListe) {
  try {
    d::Item* liste = liste_trouver(idDialogue, idListe);
    if (!liste) return kEchec;
    std::int32_t resultat = kEchec;
    std::int32_t index = -1;
    if (premier) *premier = -1;
    if (!liste->selection.empty() && indexLigne(index, *liste->model, liste->selection.front())) {
      if (premier) *premier = index;
      resultat = 0;
    }
    if (indexes) {
      std::vector<std::int32_t> lus;
      for (int ligne : liste->selection)
        if (indexLigne(index, *liste->model, ligne)) lus.push_back(index);
      if (!lus.empty()) resultat = 0;
      *indexes = std::move(lus);
    }
    return resultat;
  } catch (...) {
    return kEchec;
  }
}

int liste_texteCellule(const d::ListRow* premier, const d::ListRow* second, bool croissant, int colonne) {
  // Character by character by code value, a prefix first: the ordering of wstring::compare.
  return signe(texteCellule(premier, colonne).compare(texteCellule(second, colonne)), croissant);
}

int liste_reelCellule(const d::ListRow* premier, const d::ListRow* second, bool croissant, int colonne) {
  const double a = stbStr_versReel(texteCellule(premier, colonne));
  const double b = stbStr_versReel(texteCellule(second, colonne));
  return signe(a < b ? -1 : a > b ? 1 : 0, croissant);
}
