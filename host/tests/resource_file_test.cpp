#include "host/resource_file.h"

#include <cstddef>
#include <cstdint>
#include <fstream>

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/config.h"
#include "host/dialog_variable.h"
#include "host/paths.h"

namespace {

namespace rs = host::resources;

const char* goodFile = R"({
  "format": "cadhost-resource", "version": 1,
  "stringLists": [{"id": 0, "strings": [{"id": 4, "text": "Localiser l'élément"}]}],
  "commands": [{"keyin": "tolvek dossier", "number": "0x0101000000000000"},
               {"keyin": "tolvek apropos", "number": 72339069014638592}],
  "dataDefinitions": [{"type": "rec", "fields": [{"name": "a", "kind": "int32"}, {"name": "t", "kind": "text", "count": 5},
                                                 {"name": "d", "kind": "double", "count": 2}, {"name": "b", "kind": "int32"}]}],
  "dialogs": [{"id": 2, "title": "Bilan", "hook": 21, "items": [
    {"type": "listBox", "id": 21, "hook": 24, "multiSelect": true, "columns": [{"heading": "St", "width": 4}]},
    {"type": "popupMenu", "id": 21, "hook": 25, "entries": [{"label": "Voir", "value": 1}]},
    {"type": "pushButton", "id": 3, "value": 3, "access": "R.b"},
    {"type": "text", "id": 51, "access": "R.d[0]", "decimals": 3}]}]
})";

TEST(HostResourceFile, ReadsEverySectionOfAGoodFile) {
  std::wstring error;
  auto rf = rs::parse(goodFile, error);
  ASSERT_TRUE(rf) << std::string(error.begin(), error.end());
  EXPECT_EQ(rf->string(0, 4), L"Localiser l'\u00e9l\u00e9ment");
  EXPECT_FALSE(rf->string(0, 5));
  ASSERT_EQ(rf->commands.size(), 2u);
  EXPECT_EQ(rf->commands[0].number, 0x0101000000000000ULL);
  EXPECT_EQ(rf->commands[1].number, 0x0101000000000000ULL);  // the same number written as a JSON integer
  const rs::DialogSpec* d = rf->dialog(2);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->hook, 21);
  ASSERT_EQ(d->items.size(), 4u);
  EXPECT_EQ(d->items[0].type, rs::ItemType::ListBox);
  EXPECT_TRUE(d->items[0].multiSelect);
  EXPECT_EQ(d->items[1].type, rs::ItemType::PopupMenu);
  ASSERT_EQ(d->items[1].menus.size(), 1u);
  EXPECT_EQ(d->items[1].menus[0].entries[0].value, 1);
  EXPECT_EQ(d->items[2].access, L"R.b");
  EXPECT_EQ(d->items[2].decimals, -1);  // none given: the shortest exact form
  EXPECT_EQ(d->items[3].decimals, 3);
  EXPECT_FALSE(rf->dialog(3));
}

TEST(HostResourceFile, RefusesBrokenFilesWithAReason) {
  const struct {
    const char* text;
    const char* why;
  } cases[] = {
      {"{", "not JSON"},
      {R"({"format": "other", "version": 1})", "another format"},
      {R"({"format": "cadhost-resource", "version": 2})", "a later version"},
      {R"({"format": "cadhost-resource", "version": 1e84})", "a version beyond the integers"},
      {R"({"format": "cadhost-resource", "version": 1.5})", "a version not whole"},
      {R"({"format": "cadhost-resource", "version": 1, "commands": [{"keyin": "x", "number": "0x12G"}]})", "bad number"},
      {R"({"format": "cadhost-resource", "version": 1, "commands": [{"keyin": "x"}]})", "no number"},
      {R"({"format": "cadhost-resource", "version": 1, "dialogs": [{"id": 1, "items": [{"type": "slider"}]}]})", "unknown item type"},
      {R"({"format": "cadhost-resource", "version": 1, "dialogs": [{"id": "1"}]})", "id not an integer"},
      {R"({"format": "cadhost-resource", "version": 1, "dialogs": [{"id": 1, "items": [{"type": "text", "decimals": 18}]}]})", "too many decimals"},
      {R"({"format": "cadhost-resource", "version": 1, "dialogs": [{"id": 1, "items": [{"type": "text", "decimals": -1}]}]})", "negative decimals"},
      {R"({"format": "cadhost-resource", "version": 1, "dataDefinitions": [{"type": "r", "fields": [{"name": "t", "kind": "text", "count": 0}]}]})", "empty field"},
  };
  for (const auto& c : cases) {
    std::wstring error;
    EXPECT_FALSE(rs::parse(c.text, error)) << c.why;
    EXPECT_FALSE(error.empty()) << c.why;
  }
}

// A file larger than CADHOST_RESOURCE_FILE_MAX_MB is refused unread, with the reason; the same
// file within the bound loads.
TEST(HostResourceFile, AFileBeyondItsBoundIsRefusedUnread) {
  const boost::filesystem::path path = boost::filesystem::current_path() / "ressources_trop_grandes.json";
  {
    std::ofstream out(path.string(), std::ios::binary);
    out << goodFile << std::string((1u << 20) + 1, ' ');  // blanks after the document: 1 MB and more
  }
  const std::wstring wide = host::paths::fromNative(path);
  for (const bool bounded : {true, false}) {
    SCOPED_TRACE(bounded ? "bound of 1 MB" : "default bound");
    if (bounded) host::config::set(L"CADHOST_RESOURCE_FILE_MAX_MB", L"1");
    else host::config::unset(L"CADHOST_RESOURCE_FILE_MAX_MB");
    std::wstring error;
    const auto rf = rs::load(wide, error);
    EXPECT_EQ(rf.has_value(), !bounded);
    EXPECT_EQ(error.find(L"CADHOST_RESOURCE_FILE_MAX_MB") != std::wstring::npos, bounded);
  }
  boost::filesystem::remove(path);
}

// The layout computed from a data definition is the one the compiler gives the C struct.
struct rec {
  std::int32_t a;
  char t[5];
  double d[2];
  std::int32_t b;
};

TEST(HostResourceFile, DataDefinitionLayoutMatchesTheCompilersStruct) {
  std::wstring error;
  auto rf = rs::parse(goodFile, error);
  ASSERT_TRUE(rf);
  const auto layout = host::dialog_variable::layoutOf(*rf->dataDefinition(L"rec"));
  EXPECT_EQ(layout.size, sizeof(rec));
  EXPECT_EQ(layout.field(L"a")->offset, offsetof(rec, a));
  EXPECT_EQ(layout.field(L"t")->offset, offsetof(rec, t));
  EXPECT_EQ(layout.field(L"d")->offset, offsetof(rec, d));
  EXPECT_EQ(layout.field(L"b")->offset, offsetof(rec, b));
}

}  // namespace
