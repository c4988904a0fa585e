#include "host/resource_file.h"

#include <stdexcept>

#include <boost/filesystem/operations.hpp>
#include <nlohmann/json.hpp>

#include "host/config.h"
#include "host/paths.h"
#include "host/text.h"

namespace host::resources {
namespace {

using json = nlohmann::json;

constexpr const char* formatTag = "cadhost-resource";
constexpr int formatVersion = 1;

struct TypeName {
  ItemType type;
  const wchar_t* name;
};
constexpr TypeName typeNames[] = {
    {ItemType::Text, L"text"},           {ItemType::ToggleButton, L"toggleButton"},
    {ItemType::OptionButton, L"optionButton"}, {ItemType::PushButton, L"pushButton"},
    {ItemType::ListBox, L"listBox"},     {ItemType::ComboBox, L"comboBox"},
    {ItemType::MenuBar, L"menuBar"},     {ItemType::PopupMenu, L"popupMenu"},
    {ItemType::Label, L"label"},
};

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what); }

std::wstring wide(const json& j, const char* key, const std::wstring& fallback = {}) {
  if (!j.contains(key)) return fallback;
  if (!j.at(key).is_string()) fail(std::string("le champ \"") + key + "\" doit être un texte");
  return text::fromUtf8(j.at(key).get<std::string>());
}

long long integer(const json& j, const char* key, long long fallback) {
  if (!j.contains(key)) return fallback;
  const json& v = j.at(key);
  if (v.is_number_integer()) return v.get<long long>();
  fail(std::string("le champ \"") + key + "\" doit être un entier");
}

// Command numbers are 64-bit: written as "0x..." texts or as JSON integers.
std::uint64_t commandNumber(const json& v) {
  if (v.is_number_unsigned()) return v.get<std::uint64_t>();
  if (v.is_number_integer()) return static_cast<std::uint64_t>(v.get<long long>());
  if (v.is_string()) {
    const std::string s = v.get<std::string>();
    std::size_t used = 0;
    std::uint64_t n = 0;
    try {
      n = std::stoull(s, &used, 0);
    } catch (...) {
      used = 0;
    }
    if (used == s.size() && used > 0) return n;
  }
  fail("numéro de commande illisible : " + v.dump());
}

std::vector<MenuEntry> entries(const json& list) {
  std::vector<MenuEntry> out;
  for (const json& e : list) out.push_back({wide(e, "label"), static_cast<int>(integer(e, "value", 0))});
  return out;
}

std::vector<Menu> menus(const json& list) {
  std::vector<Menu> out;
  for (const json& m : list) out.push_back({wide(m, "label"), entries(m.value("entries", json::array()))});
  return out;
}

ItemSpec item(const json& j) {
  ItemSpec it;
  const std::wstring typeText = wide(j, "type");
  auto type = itemTypeFromName(typeText);
  if (!type) fail("type d'élément inconnu : " + text::toUtf8(typeText));
  it.type = *type;
  it.id = static_cast<int>(integer(j, "id", 0));
  it.label = wide(j, "label");
  it.access = wide(j, "access");
  it.hook = integer(j, "hook", 0);
  it.value = static_cast<int>(integer(j, "value", 0));
  for (const json& o : j.value("options", json::array())) it.options.push_back(text::fromUtf8(o.get<std::string>()));
  if (j.contains("menus")) it.menus = menus(j.at("menus"));
  if (j.contains("entries")) it.menus.push_back({it.label, entries(j.at("entries"))});
  for (const json& c : j.value("columns", json::array()))
    it.columns.push_back({wide(c, "heading"), static_cast<int>(integer(c, "width", 10))});
  it.multiSelect = j.value("multiSelect", false);
  it.rows = static_cast<int>(integer(j, "rows", 5));
  const long long decimals = integer(j, "decimals", -1);
  if (j.contains("decimals") && (decimals < 0 || decimals > maxDecimals))
    fail("nombre de décimales hors de 0 à " + std::to_string(maxDecimals) + " : " + std::to_string(decimals));
  it.decimals = static_cast<int>(decimals);
  it.x = static_cast<int>(integer(j, "x", 0));
  it.y = static_cast<int>(integer(j, "y", 0));
  it.width = static_cast<int>(integer(j, "width", 0));
  it.height = static_cast<int>(integer(j, "height", 0));
  return it;
}

FieldKind fieldKind(const std::wstring& name) {
  if (name == L"int16") return FieldKind::Int16;
  if (name == L"int32") return FieldKind::Int32;
  if (name == L"double") return FieldKind::Double;
  if (name == L"text") return FieldKind::Text;
  if (name == L"uint64") return FieldKind::Uint64;
  fail("type de champ inconnu : " + text::toUtf8(name));
}

ResourceFile build(const json& root) {
  if (!root.is_object() || root.value("format", std::string()) != formatTag)
    fail(std::string("ce n'est pas un fichier de ressources (\"format\": \"") + formatTag + "\" attendu)");
  // Read as an integer only when it is one: a number beyond int's range is no version.
  const json version = root.value("version", json(0));
  if (!version.is_number_integer() || version.get<long long>() != formatVersion)
    fail("version de format de ressources non prise en charge");
  ResourceFile rf;
  for (const json& list : root.value("stringLists", json::array())) {
    auto& strings = rf.stringLists[static_cast<int>(integer(list, "id", 0))];
    for (const json& s : list.value("strings", json::array()))
      strings[static_cast<int>(integer(s, "id", 0))] = wide(s, "text");
  }
  for (const json& c : root.value("commands", json::array())) {
    if (!c.contains("number")) fail("commande sans numéro");
    rf.commands.push_back({wide(c, "keyin"), commandNumber(c.at("number"))});
  }
  for (const json& d : root.value("dialogs", json::array())) {
    DialogSpec spec;
    spec.id = static_cast<int>(integer(d, "id", 0));
    spec.title = wide(d, "title");
    spec.hook = integer(d, "hook", 0);
    spec.width = static_cast<int>(integer(d, "width", 200));
    spec.height = static_cast<int>(integer(d, "height", 100));
    for (const json& i : d.value("items", json::array())) spec.items.push_back(item(i));
    rf.dialogs.push_back(std::move(spec));
  }
  for (const json& d : root.value("dataDefinitions", json::array())) {
    DataDefinition def;
    def.typeName = wide(d, "type");
    def.number = static_cast<int>(integer(d, "number", 0));
    if (def.number < 0) fail("numéro de définition négatif");
    for (const json& f : d.value("fields", json::array())) {
      FieldSpec field{wide(f, "name"), fieldKind(wide(f, "kind")), static_cast<int>(integer(f, "count", 1))};
      if (field.count < 1) fail("champ de taille nulle : " + text::toUtf8(field.name));
      def.fields.push_back(std::move(field));
    }
    rf.dataDefinitions.push_back(std::move(def));
  }
  return rf;
}

}  // namespace

const DialogSpec* ResourceFile::dialog(int id) const {
  for (const DialogSpec& d : dialogs)
    if (d.id == id) return &d;
  return nullptr;
}

const DataDefinition* ResourceFile::dataDefinition(const std::wstring& typeName) const {
  for (const DataDefinition& d : dataDefinitions)
    if (d.typeName == typeName) return &d;
  return nullptr;
}

const DataDefinition* ResourceFile::dataDefinition(int number) const {
  if (number == 0) return nullptr;
  for (const DataDefinition& d : dataDefinitions)
    if (d.number == number) return &d;
  return nullptr;
}

std::optional<std::wstring> ResourceFile::string(int listId, int stringId) const {
  auto list = stringLists.find(listId);
  if (list == stringLists.end()) return std::nullopt;
  auto s = list->second.find(stringId);
  if (s == list->second.end()) return std::nullopt;
  return s->second;
}

std::optional<ResourceFile> parse(const std::string& utf8, std::wstring& error) {
  try {
    return build(json::parse(utf8));
  } catch (const std::exception& e) {
    error = text::fromUtf8(e.what());
  } catch (...) {
    error = L"erreur inconnue";
  }
  return std::nullopt;
}

std::optional<ResourceFile> load(const std::wstring& path, std::wstring& error) {
  try {
    const boost::filesystem::path resolved = paths::resolve(path);
    boost::system::error_code ec;
    const std::uintmax_t size = boost::filesystem::file_size(resolved, ec);
    // No resource file comes near the bound: a larger one is refused unread, as a damaged one.
    if (!ec && size > config::megabytes(L"CADHOST_RESOURCE_FILE_MAX_MB", kDefaultResourceFileMaxMb)) {
      error = path + L" : fichier de ressources trop grand (CADHOST_RESOURCE_FILE_MAX_MB)";
      return std::nullopt;
    }
    const std::optional<std::string> content = paths::readBytes(resolved);
    if (!content) {
      error = L"fichier de ressources introuvable : " + path;
      return std::nullopt;
    }
    auto rf = parse(*content, error);
    if (rf) rf->path = path;
    else error = path + L" : " + error;
    return rf;
  } catch (...) {
    error = L"lecture impossible : " + path;
    return std::nullopt;
  }
}

std::wstring itemTypeName(ItemType type) {
  for (const TypeName& t : typeNames)
    if (t.type == type) return t.name;
  return L"?";
}

std::optional<ItemType> itemTypeFromName(const std::wstring& name) {
  for (const TypeName& t : typeNames)
    if (paths::equalNoCase(name, t.name)) return t.type;
  return std::nullopt;
}

}  // namespace host::resources
