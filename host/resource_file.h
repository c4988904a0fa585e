#pragma once
// Resource files of applications, in the host's own JSON format (docs/resource-file.md): string
// lists, the command table with its key-in words, dialogs with their items, and data definitions
// (the layout of a published dialog variable). Parsing builds plain records and never throws.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host::resources {

enum class ItemType { Text, ToggleButton, OptionButton, PushButton, ListBox, ComboBox, MenuBar, PopupMenu, Label };

struct MenuEntry {
  std::wstring label;
  int value = 0;
};

struct Menu {
  std::wstring label;
  std::vector<MenuEntry> entries;
};

struct Column {
  std::wstring heading;
  int width = 10;  // dialog units
};

// Most decimals a text item may show of a double (17 already tell any double from its neighbours).
inline constexpr int maxDecimals = 17;

struct ItemSpec {
  ItemType type = ItemType::Label;
  int id = 0;
  std::wstring label;
  std::wstring access;        // "Variable.field" of a published dialog variable; empty: unbound
  std::int64_t hook = 0;      // hook id; 0: none
  int value = 0;              // push and toggle buttons: the value handed to the hook
  std::vector<std::wstring> options;  // option button: its choices, the field holds the index
  std::vector<Menu> menus;    // menu bar: its menus; pop-up menu: one menu
  std::vector<Column> columns;  // list box and combo box
  bool multiSelect = false;   // list box
  int rows = 5;               // list box: rows shown
  int decimals = -1;          // text bound to a double: decimals shown; -1 the shortest exact form
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct DialogSpec {
  int id = 0;
  std::wstring title;
  std::int64_t hook = 0;
  int width = 200, height = 100;  // dialog units
  std::vector<ItemSpec> items;
};

struct CommandWord {
  std::wstring keyin;  // words separated by blanks, matched without regard to case
  std::uint64_t number = 0;
};

enum class FieldKind { Int32, Double, Text, Uint64, Int16 };

struct FieldSpec {
  std::wstring name;
  FieldKind kind = FieldKind::Int32;
  int count = 1;  // Text: bytes including the terminating zero; numbers: array length
};

struct DataDefinition {
  std::wstring typeName;
  std::vector<FieldSpec> fields;
  int number = 0;  // a definition named by number (stored forms); 0: by its type name only
};

struct ResourceFile {
  std::wstring path;
  std::map<int, std::map<int, std::wstring>> stringLists;  // list id -> string id -> text
  std::vector<CommandWord> commands;
  std::vector<DialogSpec> dialogs;
  std::vector<DataDefinition> dataDefinitions;

  const DialogSpec* dialog(int id) const;
  const DataDefinition* dataDefinition(const std::wstring& typeName) const;
  const DataDefinition* dataDefinition(int number) const;  // null for 0 and unknown numbers
  // The text of a string id in a list, or nothing.
  std::optional<std::wstring> string(int listId, int stringId) const;
};

// Parses a resource file's text (UTF-8). On failure: nothing, and `error` says why (French).
std::optional<ResourceFile> parse(const std::string& utf8, std::wstring& error);

// Default of the configuration variable CADHOST_RESOURCE_FILE_MAX_MB, in megabytes: a larger
// resource file is refused before it is read.
constexpr std::uint64_t kDefaultResourceFileMaxMb = 16;

// Reads and parses a resource file (path resolved without regard to case); a file larger than
// CADHOST_RESOURCE_FILE_MAX_MB is refused unread.
std::optional<ResourceFile> load(const std::wstring& path, std::wstring& error);

// The name of an item type as resource files and the shell write it ("listBox", ...).
std::wstring itemTypeName(ItemType type);
std::optional<ItemType> itemTypeFromName(const std::wstring& name);

}  // namespace host::resources
