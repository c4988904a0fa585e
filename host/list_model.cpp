#include "host/list_model.h"

namespace host::dialogs {

ListCell* ListModel::cell(int row, int column) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return nullptr;
  auto& cells = rows[static_cast<std::size_t>(row)].cells;
  if (column < 0 || column >= static_cast<int>(cells.size())) return nullptr;
  return &cells[static_cast<std::size_t>(column)];
}

const ListCell* ListModel::cell(int row, int column) const { return const_cast<ListModel*>(this)->cell(row, column); }

ListModel* createListModel(int columns) {
  auto* m = new ListModel;
  m->columns = columns < 1 ? 1 : columns;
  return m;
}

void destroyListModel(ListModel* model) { delete model; }

}  // namespace host::dialogs
