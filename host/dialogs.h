#pragma once
// The dialog manager: dialogs of the applications' resource files, opened, found and closed by
// id; their items reached by (type, id); hooks called with the platform's message numbers, each
// hook telling through `msgUnderstood` whether it handled the message. The user's actions (a
// script's or a test's) go through the functions of the last section, which write the bound
// fields of the published dialog variable and send the messages a real dialog would.
// Dialogs and items are owned by the host: a pointer stays valid until the dialog is closed.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/list_model.h"
#include "host/resource_file.h"

namespace host::dialogs {

using resources::ItemType;

// Dialog messages.
constexpr int msgCreate = 0;
constexpr int msgInit = 1;
constexpr int msgDestroy = 2;
constexpr int msgResize = 4;
constexpr int msgWindowFlags = 24;  // after init: flagBytes[1] set asks whether to keep the window's state
constexpr int msgSizeLimits = 28;
// Item messages.
constexpr int msgItemCreate = 50;
constexpr int msgItemDestroy = 51;
constexpr int msgItemButton = 54;       // a mouse button on the item, or a menu entry chosen
constexpr int msgItemSynchronize = 56;  // the item shows its bound field again
constexpr int msgItemStateChanged = 59; // the user changed the item's text
constexpr int msgItemActivate = 70;     // a push or toggle button pressed
constexpr int msgItemValueChanged = 71; // the bound field took a new value from the item
constexpr int msgItemInit = 73;

// Button transitions and numbers of msgItemButton.
constexpr int buttonPress = 1;
constexpr int buttonRelease = 2;
constexpr int dataButton = 1;
constexpr int rightButton = 515;

// Resize state that means "minimised": hooks leave their layout alone.
constexpr int stateMinimized = 4;

// One pixel rectangle; dialog units are converted with toPixels / toDialogUnits.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

struct Dialog;
struct Item;

struct DialogMessage {
  int messageType = 0;
  Dialog* dialog = nullptr;
  int dialogId = 0;
  bool msgUnderstood = false;
  std::uint32_t interests = 0;                   // msgCreate: the hook may add interest bits
  int state = 0;                                 // msgResize, msgSizeLimits
  Rect newContent;                               // msgResize
  bool redraw = false;                           // msgResize: the hook asks for a redraw
  std::uint8_t flagBytes[2] = {0, 0};            // msgWindowFlags
  int width = 0, height = 0;                     // msgSizeLimits: proposed size in pixels, may be raised
  bool changed = false;                          // msgSizeLimits: the hook changed the size
};

struct ItemMessage {
  int messageType = 0;
  Dialog* dialog = nullptr;
  int dialogId = 0;
  Item* item = nullptr;
  ItemType itemType = ItemType::Label;
  int itemId = 0;
  int value = 0;                 // the item's value (push and toggle buttons)
  bool msgUnderstood = false;
  int buttonTrans = 0;           // msgItemButton
  int buttonNumber = 0;
  int clickCount = 0;
  int row = -1;                  // msgItemButton on a list box: the row clicked
  int menuValue = 0;             // msgItemButton on a menu: the entry chosen
};

using DialogHook = void (*)(DialogMessage* message);
using ItemHook = void (*)(ItemMessage* message);

// One row of an application's hook table.
struct HookRow {
  HookRow(std::int64_t hookId, DialogHook hook) : id(hookId), dialogHook(hook) {}
  HookRow(std::int64_t hookId, ItemHook hook) : id(hookId), itemHook(hook) {}
  std::int64_t id = 0;
  DialogHook dialogHook = nullptr;
  ItemHook itemHook = nullptr;
};

// Publishes `count` hooks for application `owner` (-1: the running application); a later id
// replaces an earlier one.
void publishHooks(const HookRow* rows, int count, int owner = -1);
void unpublishHooksOwnedBy(int owner);

struct Item {
  resources::ItemSpec spec;
  Dialog* dialog = nullptr;
  bool visible = true;
  bool enabled = true;
  std::wstring value;        // the text of an unbound text or combo item
  Rect rect;                 // pixels, inside the dialog's content
  // List boxes and combo boxes.
  ListModel* model = nullptr;                 // not owned
  std::vector<std::wstring> headings;
  std::vector<int> columnWidths;              // dialog units
  std::vector<SortFunction> sorters;
  std::vector<int> selection;                 // selected rows, ascending
  int rowsShown = 0;
  // Menus.
  int menuSelection = 0;                      // value of the entry last chosen
  bool popupShown = false;
};

struct Dialog {
  int id = 0;
  int owner = 0;             // application whose resource file holds the dialog
  resources::DialogSpec spec;
  std::wstring title;
  Rect content;              // pixels
  std::vector<std::unique_ptr<Item>> items;
  std::uint32_t interests = 0;
  std::uint8_t windowFlags[2] = {0, 0};
  bool closing = false;

  Item* item(ItemType type, int itemId);
};

// Opens a dialog of an application's resource file (owner 0: the running application's files,
// then every loaded application's); the dialog already open is returned as it is. Null when no
// resource holds the id. Messages: create, item create and init, init, window flags.
Dialog* open(int dialogId, int owner = 0);

// The first open dialog with that id, or null.
Dialog* find(int dialogId);

// Closes a dialog: item destroy messages, then the dialog's destroy. A null or closed dialog is
// ignored.
void close(Dialog* dialog);

// Closes every dialog of an application (owner 0: every dialog).
void closeOwnedBy(int owner);

std::vector<Dialog*> openDialogs();

// Item helpers for applications.
Item* findItem(Dialog* dialog, ItemType type, int itemId);
void setTitle(Dialog* dialog, const std::wstring& title);
void setVisible(Item* item, bool visible);
void synchronize(Item* item);                // sends msgItemSynchronize
std::wstring displayText(const Item* item);  // what a text, option or combo item shows
int fontHeight(const Dialog* dialog);        // pixels
int toPixels(int dialogUnits);
int toDialogUnits(int pixels);
void setListModel(Item* item, ListModel* model);
void setColumn(Item* item, int column, const std::wstring& heading, int width);
void setSortFunction(Item* item, int column, SortFunction sorter);
void rowsChanged(Item* item);                // drops selected rows that no longer exist
void showPopup(Dialog* dialog, int popupItemId);

// User actions. Each returns false and an error text (French) when the item cannot take it.
bool press(Item* item, std::wstring& error);                              // push or toggle button
bool type(Item* item, const std::wstring& text, std::wstring& error);     // text item
bool choose(Item* item, const std::wstring& choice, std::wstring& error); // option button, combo box (label or #index)
bool select(Item* item, const std::vector<int>& rows, std::wstring& error); // list box: click on the rows
bool doubleClick(Item* item, int row, std::wstring& error);
bool rightClick(Item* item, int row, std::wstring& error);
bool chooseMenu(Item* item, int entryValue, std::wstring& error);         // menu bar or pop-up menu
bool sort(Item* item, int column, bool ascending, std::wstring& error);
void resize(Dialog* dialog, int widthPixels, int heightPixels);

}  // namespace host::dialogs
