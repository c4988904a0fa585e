#include "host/dialogs.h"

#include <algorithm>
#include <map>
#include <set>

#include "host/application.h"
#include "host/dialog_variable.h"

namespace host::dialogs {
namespace {

constexpr int pixelsPerDialogUnit = 2;
constexpr int fontPixels = 12;

struct Hook {
  DialogHook dialogHook = nullptr;
  ItemHook itemHook = nullptr;
  int owner = 0;
};

struct State {
  std::map<std::int64_t, Hook> hooks;
  std::vector<std::unique_ptr<Dialog>> dialogs;
  int depth = 0;  // hooks running; closed dialogs are freed only when none runs
};

State& state() {
  static State s;
  return s;
}

// Frees closed dialogs. Called where no hook runs and no caller holds an item of a closed
// dialog: at the entry of open() and find(), where callers take fresh pointers.
void collect() {
  if (state().depth == 0) std::erase_if(state().dialogs, [](const auto& d) { return d->closing; });
}

struct Depth {
  Depth() { ++state().depth; }
  ~Depth() { --state().depth; }
};

bool isOpen(const Dialog* d) {
  for (const auto& p : state().dialogs)
    if (p.get() == d) return !d->closing;
  return false;
}

void send(Dialog* d, DialogMessage& m) {
  m.dialog = d;
  m.dialogId = d->id;
  auto it = state().hooks.find(d->spec.hook);
  if (d->spec.hook == 0 || it == state().hooks.end() || !it->second.dialogHook) return;
  Depth depth;
  application::CallScope scope(it->second.owner);
  try {
    it->second.dialogHook(&m);
  } catch (...) {
  }
}

bool send(Item* item, ItemMessage& m) {
  m.dialog = item->dialog;
  m.dialogId = item->dialog->id;
  m.item = item;
  m.itemType = item->spec.type;
  m.itemId = item->spec.id;
  m.value = item->spec.value;
  auto it = state().hooks.find(item->spec.hook);
  if (item->spec.hook == 0 || it == state().hooks.end() || !it->second.itemHook) return false;
  Depth depth;
  application::CallScope scope(it->second.owner);
  try {
    it->second.itemHook(&m);
  } catch (...) {
  }
  return m.msgUnderstood;
}

bool sendSimple(Item* item, int type) {
  ItemMessage m;
  m.messageType = type;
  return send(item, m);
}

std::optional<dialog_variable::FieldRef> bound(const Item* item) {
  if (item->spec.access.empty()) return std::nullopt;
  return dialog_variable::find(item->spec.access);
}

const resources::DialogSpec* findSpec(int dialogId, int& owner) {
  std::vector<int> order;
  if (owner != 0) order.push_back(owner);
  else {
    if (application::currentId() != 0) order.push_back(application::currentId());
    for (const auto* app : application::loaded()) order.push_back(app->id);
  }
  for (int id : order) {
    const auto* app = application::byId(id);
    if (!app) continue;
    for (const auto& rf : app->resources)
      if (const auto* spec = rf.dialog(dialogId)) {
        owner = id;
        return spec;
      }
  }
  return nullptr;
}

bool checkItem(Item* item, std::initializer_list<ItemType> types, std::wstring& error) {
  if (!item || !isOpen(item->dialog)) {
    error = L"élément de dialogue absent";
    return false;
  }
  if (std::find(types.begin(), types.end(), item->spec.type) == types.end()) {
    error = L"l'élément " + resources::itemTypeName(item->spec.type) + L" " + std::to_wstring(item->spec.id) +
            L" ne prend pas cette action";
    return false;
  }
  if (!item->enabled || !item->visible) {
    error = L"l'élément " + resources::itemTypeName(item->spec.type) + L" " + std::to_wstring(item->spec.id) +
            L" est inactif ou caché";
    return false;
  }
  return true;
}

int rowCount(const Item* item) { return item->model ? static_cast<int>(item->model->rows.size()) : 0; }

void clickRow(Item* item, int row, int button, int clicks) {
  for (int trans : {buttonPress, buttonRelease}) {
    if (!isOpen(item->dialog)) return;
    ItemMessage m;
    m.messageType = msgItemButton;
    m.buttonTrans = trans;
    m.buttonNumber = button;
    m.clickCount = clicks;
    m.row = row;
    send(item, m);
  }
}

}  // namespace

Item* Dialog::item(ItemType type, int itemId) {
  for (auto& i : items)
    if (i->spec.type == type && i->spec.id == itemId) return i.get();
  return nullptr;
}

void publishHooks(const HookRow* rows, int count, int owner) {
  if (owner < 0) owner = application::currentId();
  for (int i = 0; rows && i < count; ++i) state().hooks[rows[i].id] = {rows[i].dialogHook, rows[i].itemHook, owner};
}

void unpublishHooksOwnedBy(int owner) {
  std::erase_if(state().hooks, [owner](const auto& h) { return h.second.owner == owner; });
}

Dialog* open(int dialogId, int owner) {
  collect();
  if (Dialog* d = find(dialogId)) return d;
  const resources::DialogSpec* spec = findSpec(dialogId, owner);
  if (!spec) return nullptr;
  auto dialog = std::make_unique<Dialog>();
  Dialog* d = dialog.get();
  d->id = dialogId;
  d->owner = owner;
  d->spec = *spec;
  d->title = spec->title;
  d->content = {0, 0, toPixels(spec->width), toPixels(spec->height)};
  for (const auto& is : spec->items) {
    auto item = std::make_unique<Item>();
    item->spec = is;
    item->dialog = d;
    item->rect = {toPixels(is.x), toPixels(is.y), toPixels(is.x + is.width), toPixels(is.y + is.height)};
    item->rowsShown = is.rows;
    for (const auto& c : is.columns) {
      item->headings.push_back(c.heading);
      item->columnWidths.push_back(c.width);
    }
    item->sorters.resize(is.columns.size());
    d->items.push_back(std::move(item));
  }
  state().dialogs.push_back(std::move(dialog));
  DialogMessage create;
  create.messageType = msgCreate;
  send(d, create);
  d->interests = create.interests;
  for (std::size_t i = 0; i < d->items.size() && isOpen(d); ++i) sendSimple(d->items[i].get(), msgItemCreate);
  for (std::size_t i = 0; i < d->items.size() && isOpen(d); ++i) sendSimple(d->items[i].get(), msgItemInit);
  if (!isOpen(d)) return nullptr;
  DialogMessage init;
  init.messageType = msgInit;
  send(d, init);
  if (!isOpen(d)) return nullptr;
  DialogMessage flags;
  flags.messageType = msgWindowFlags;
  flags.flagBytes[1] = 1;
  send(d, flags);
  d->windowFlags[0] = flags.flagBytes[0];
  d->windowFlags[1] = flags.flagBytes[1];
  return isOpen(d) ? d : nullptr;
}

Dialog* find(int dialogId) {
  collect();
  for (const auto& d : state().dialogs)
    if (d->id == dialogId && !d->closing) return d.get();
  return nullptr;
}

void close(Dialog* dialog) {
  if (!dialog || !isOpen(dialog)) return;
  dialog->closing = true;
  for (auto& item : dialog->items) sendSimple(item.get(), msgItemDestroy);
  DialogMessage destroy;
  destroy.messageType = msgDestroy;
  send(dialog, destroy);
}

void closeOwnedBy(int owner) {
  for (;;) {
    Dialog* victim = nullptr;
    for (const auto& d : state().dialogs)
      if (!d->closing && (owner == 0 || d->owner == owner)) victim = d.get();
    if (!victim) break;
    close(victim);
  }
  collect();
}

std::vector<Dialog*> openDialogs() {
  std::vector<Dialog*> out;
  for (const auto& d : state().dialogs)
    if (!d->closing) out.push_back(d.get());
  return out;
}

Item* findItem(Dialog* dialog, ItemType type, int itemId) { return dialog ? dialog->item(type, itemId) : nullptr; }

void setTitle(Dialog* dialog, const std::wstring& title) {
  if (dialog) dialog->title = title;
}

void setVisible(Item* item, bool visible) {
  if (item) item->visible = visible;
}

void synchronize(Item* item) {
  if (item && isOpen(item->dialog)) sendSimple(item, msgItemSynchronize);
}

std::wstring displayText(const Item* item) {
  if (!item) return {};
  auto ref = bound(item);
  if (item->spec.type == ItemType::OptionButton) {
    const int index = ref ? dialog_variable::readInt(*ref) : 0;
    if (index >= 0 && index < static_cast<int>(item->spec.options.size()))
      return item->spec.options[static_cast<std::size_t>(index)];
    return std::to_wstring(index);
  }
  if (ref) return dialog_variable::read(*ref, item->spec.decimals);
  return item->value;
}

int fontHeight(const Dialog*) { return fontPixels; }
int toPixels(int dialogUnits) { return dialogUnits * pixelsPerDialogUnit; }
int toDialogUnits(int pixels) { return pixels / pixelsPerDialogUnit; }

void setListModel(Item* item, ListModel* model) {
  if (!item) return;
  item->model = model;
  item->selection.clear();
  if (model && static_cast<int>(item->headings.size()) < model->columns) {
    item->headings.resize(static_cast<std::size_t>(model->columns));
    item->columnWidths.resize(static_cast<std::size_t>(model->columns), 10);
    item->sorters.resize(static_cast<std::size_t>(model->columns));
  }
}

void setColumn(Item* item, int column, const std::wstring& heading, int width) {
  if (!item || column < 0) return;
  const auto c = static_cast<std::size_t>(column);
  if (item->headings.size() <= c) {
    item->headings.resize(c + 1);
    item->columnWidths.resize(c + 1, 10);
    item->sorters.resize(c + 1);
  }
  item->headings[c] = heading;
  if (width > 0) item->columnWidths[c] = width;
}

void setSortFunction(Item* item, int column, SortFunction sorter) {
  if (!item || column < 0) return;
  if (item->sorters.size() <= static_cast<std::size_t>(column)) setColumn(item, column, L"", 0);
  item->sorters[static_cast<std::size_t>(column)] = sorter;
}

void rowsChanged(Item* item) {
  if (!item) return;
  const int n = rowCount(item);
  std::erase_if(item->selection, [n](int r) { return r >= n; });
}

void showPopup(Dialog* dialog, int popupItemId) {
  if (Item* popup = findItem(dialog, ItemType::PopupMenu, popupItemId)) popup->popupShown = true;
}

bool press(Item* item, std::wstring& error) {
  if (!checkItem(item, {ItemType::PushButton, ItemType::ToggleButton}, error)) return false;
  if (item->spec.type == ItemType::ToggleButton) {
    auto ref = bound(item);
    if (!ref) {
      error = L"bouton bascule sans champ lié : " + std::to_wstring(item->spec.id);
      return false;
    }
    dialog_variable::writeInt(*ref, dialog_variable::readInt(*ref) ? 0 : 1);
  }
  sendSimple(item, msgItemActivate);
  return true;
}

bool type(Item* item, const std::wstring& text, std::wstring& error) {
  if (!checkItem(item, {ItemType::Text}, error)) return false;
  if (auto ref = bound(item)) {
    if (!dialog_variable::write(*ref, text)) {
      error = L"valeur refusée par le champ " + item->spec.access + L" : " + text;
      return false;
    }
  } else {
    item->value = text;
  }
  sendSimple(item, msgItemValueChanged);
  if (isOpen(item->dialog)) sendSimple(item, msgItemStateChanged);
  return true;
}

bool choose(Item* item, const std::wstring& choice, std::wstring& error) {
  if (!checkItem(item, {ItemType::OptionButton, ItemType::ComboBox}, error)) return false;
  auto ref = bound(item);
  int index = -1;
  if (choice.size() > 1 && choice[0] == L'#') {
    try {
      index = std::stoi(choice.substr(1));
    } catch (...) {
      index = -1;
    }
  }
  if (item->spec.type == ItemType::OptionButton) {
    if (index < 0)
      for (std::size_t i = 0; i < item->spec.options.size(); ++i)
        if (item->spec.options[i] == choice) index = static_cast<int>(i);
    if (index < 0 || index >= static_cast<int>(item->spec.options.size()) || !ref) {
      error = L"choix introuvable dans le bouton d'option " + std::to_wstring(item->spec.id) + L" : " + choice;
      return false;
    }
    dialog_variable::writeInt(*ref, index);
  } else {
    if (index < 0 && item->model)
      for (int r = 0; r < rowCount(item); ++r)
        if (const ListCell* c = item->model->cell(r, 0); c && c->text == choice) {
          index = r;
          break;
        }
    const ListCell* cell = item->model ? item->model->cell(index, 0) : nullptr;
    if (!cell) {
      error = L"choix introuvable dans la liste déroulante " + std::to_wstring(item->spec.id) + L" : " + choice;
      return false;
    }
    if (ref) dialog_variable::write(*ref, cell->text);
    else item->value = cell->text;
  }
  sendSimple(item, msgItemValueChanged);
  return true;
}

bool select(Item* item, const std::vector<int>& rows, std::wstring& error) {
  if (!checkItem(item, {ItemType::ListBox}, error)) return false;
  for (int r : rows)
    if (r < 0 || r >= rowCount(item)) {
      error = L"ligne " + std::to_wstring(r) + L" absente de la liste " + std::to_wstring(item->spec.id) + L" (" +
              std::to_wstring(rowCount(item)) + L" lignes)";
      return false;
    }
  if (rows.size() > 1 && !item->spec.multiSelect) {
    error = L"la liste " + std::to_wstring(item->spec.id) + L" ne prend qu'une ligne à la fois";
    return false;
  }
  std::set<int> unique(rows.begin(), rows.end());
  item->selection.assign(unique.begin(), unique.end());
  clickRow(item, rows.empty() ? -1 : rows.back(), dataButton, 1);
  return true;
}

bool doubleClick(Item* item, int row, std::wstring& error) {
  if (!checkItem(item, {ItemType::ListBox}, error)) return false;
  if (row < 0 || row >= rowCount(item)) {
    error = L"ligne " + std::to_wstring(row) + L" absente de la liste " + std::to_wstring(item->spec.id);
    return false;
  }
  item->selection = {row};
  clickRow(item, row, dataButton, 1);
  if (isOpen(item->dialog)) clickRow(item, row, dataButton, 2);
  return true;
}

bool rightClick(Item* item, int row, std::wstring& error) {
  if (!checkItem(item, {ItemType::ListBox}, error)) return false;
  if (row >= rowCount(item)) {
    error = L"ligne " + std::to_wstring(row) + L" absente de la liste " + std::to_wstring(item->spec.id);
    return false;
  }
  if (row >= 0 && std::find(item->selection.begin(), item->selection.end(), row) == item->selection.end())
    item->selection = {row};
  clickRow(item, row, rightButton, 1);
  return true;
}

bool chooseMenu(Item* item, int entryValue, std::wstring& error) {
  if (!checkItem(item, {ItemType::MenuBar, ItemType::PopupMenu}, error)) return false;
  bool known = false;
  for (const auto& menu : item->spec.menus)
    for (const auto& e : menu.entries) known = known || e.value == entryValue;
  if (!known) {
    error = L"entrée de menu " + std::to_wstring(entryValue) + L" absente du menu " + std::to_wstring(item->spec.id);
    return false;
  }
  item->menuSelection = entryValue;
  item->popupShown = false;
  ItemMessage m;
  m.messageType = msgItemButton;
  m.buttonTrans = buttonRelease;
  m.buttonNumber = dataButton;
  m.clickCount = 1;
  m.menuValue = entryValue;
  send(item, m);
  return true;
}

bool sort(Item* item, int column, bool ascending, std::wstring& error) {
  if (!checkItem(item, {ItemType::ListBox}, error)) return false;
  if (!item->model || column < 0 || column >= item->model->columns) {
    error = L"colonne " + std::to_wstring(column) + L" absente de la liste " + std::to_wstring(item->spec.id);
    return false;
  }
  const SortFunction sorter =
      static_cast<std::size_t>(column) < item->sorters.size() ? item->sorters[static_cast<std::size_t>(column)] : nullptr;
  if (!sorter) {
    error = L"la colonne " + std::to_wstring(column) + L" de la liste " + std::to_wstring(item->spec.id) +
            L" ne se trie pas";
    return false;
  }
  auto& rows = item->model->rows;
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return sorter(&rows[a], &rows[b], ascending, column) < 0;
  });
  std::vector<ListRow> sorted;
  std::vector<int> selection;
  for (std::size_t i = 0; i < order.size(); ++i) {
    sorted.push_back(std::move(rows[order[i]]));
    if (std::find(item->selection.begin(), item->selection.end(), static_cast<int>(order[i])) != item->selection.end())
      selection.push_back(static_cast<int>(i));
  }
  rows = std::move(sorted);
  item->selection = selection;
  return true;
}

void resize(Dialog* dialog, int widthPixels, int heightPixels) {
  if (!dialog || !isOpen(dialog)) return;
  DialogMessage limits;
  limits.messageType = msgSizeLimits;
  limits.width = widthPixels;
  limits.height = heightPixels;
  send(dialog, limits);
  if (!isOpen(dialog)) return;
  dialog->content = {0, 0, limits.width, limits.height};
  DialogMessage r;
  r.messageType = msgResize;
  r.newContent = dialog->content;
  send(dialog, r);
}

}  // namespace host::dialogs
