#pragma once
// List models: the rows and cells that list boxes and combo boxes show. A cell holds its text, a
// long value (applications keep there the index of the record the row shows, so that sorting
// never loses it) and an optional background colour, an entry of a colour palette. The creator
// owns a model and destroys it; a list box only points at it.
#include <cstdint>
#include <string>
#include <vector>

#include "host/color_palette.h"

namespace host::dialogs {

struct ListCell {
  std::wstring text;
  std::int64_t value = 0;
  const colors::Palette* palette = nullptr;  // background colour: `colorEntry` of `palette`
  int colorEntry = -1;                       // -1: no background colour
};

struct ListRow {
  std::vector<ListCell> cells;
};

struct ListModel {
  int columns = 1;
  std::vector<ListRow> rows;

  // A row with one empty cell per column.
  ListRow makeRow() const { return ListRow{std::vector<ListCell>(static_cast<std::size_t>(columns))}; }
  // The cell, or null when out of range.
  ListCell* cell(int row, int column);
  const ListCell* cell(int row, int column) const;
};

ListModel* createListModel(int columns);
void destroyListModel(ListModel* model);

// Sort function of a list column: -1, 0 or 1 for `first` against `second`, reversed when
// `ascending` is false.
using SortFunction = int (*)(const ListRow* first, const ListRow* second, bool ascending, int column);

}  // namespace host::dialogs
