#include "application/liste.h"

#include <algorithm>

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

bool liste_redimensionnerDialogue(d::DialogMessage* message, int idListe, int largeurMinimale, int hauteurMinimale,
                                  bool redessiner) {
  if (message->messageType == d::msgResize) {
    if (message->state == d::stateMinimized || message->newContent.height() == 1) {
      message->msgUnderstood = false;
      return true;
    }
    liste_ajusterColonnes(message->dialog, idListe);
    if (redessiner) message->redraw = true;
    return true;
  }
  if (message->messageType == d::msgSizeLimits) {
    if (message->state == d::stateMinimized || message->height == 1) {
      message->msgUnderstood = false;
      return true;
    }
    message->width = std::max(message->width, d::toPixels(largeurMinimale));
    message->height = std::max(message->height, d::toPixels(hauteurMinimale));
    message->changed = true;
    return true;
  }
  return false;
}

bool liste_gererModele(d::ItemMessage* message, int colonnes) {
  d::Item* liste = message->item;
  if (message->messageType == d::msgItemCreate) {
    d::setListModel(liste, d::createListModel(colonnes));
    return true;
  }
  if (message->messageType == d::msgItemDestroy) {
    if (liste && liste->model) {
      d::ListModel* modele = liste->model;
      d::setListModel(liste, nullptr);
      d::destroyListModel(modele);
    }
    return true;
  }
  return false;
}

bool liste_doubleClic(const d::ItemMessage* message) {
  return message->messageType == d::msgItemButton && message->buttonTrans == d::buttonPress &&
         message->buttonNumber == d::dataButton && message->clickCount == 2;
}

void liste_ajouterLigne(d::ListModel& modele, const std::vector<std::wstring>& textes, std::int64_t index) {
  d::ListRow ligne = modele.makeRow();
  for (std::size_t c = 0; c < ligne.cells.size(); ++c) {
    if (c < textes.size()) ligne.cells[c].text = textes[c];
    ligne.cells[c].value = index;
  }
  modele.rows.push_back(std::move(ligne));
}

void liste_compterLignes(d::Item* liste, const wchar_t* format) {
  if (!liste) return;
  d::rowsChanged(liste);
  d::setColumn(liste, 1, stbStr_toString(format, liste->model ? liste->model->rows.size() : 0), 0);
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
