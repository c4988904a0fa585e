// The application's resource file against the code: the published type's layout, the command
// numbers with their key-ins, the dialogs with the items and hooks the code addresses, the string
// ids of the tools.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>

#include "application/app_tables.h"
#include "application/tvkdialogue.h"
#include "host/dialog_variable.h"
#include "host/resource_file.h"

namespace {

using host::resources::ItemType;

const host::resources::ResourceFile& ressources() {
  static const auto fichier = [] {
    std::wstring erreur;
    auto f = host::resources::load(L"" PROJECT_SOURCE_DIR L"/resources/tolvek.json", erreur);
    EXPECT_TRUE(f) << std::string(erreur.begin(), erreur.end());
    return f.value_or(host::resources::ResourceFile{});
  }();
  return fichier;
}

TEST(Ressources, TheDataDefinitionHasTheLayoutOfTheCStruct) {
  const auto* definition = ressources().dataDefinition(L"tvkdialogue");
  ASSERT_NE(definition, nullptr);
  const auto layout = host::dialog_variable::layoutOf(*definition);
  struct Champ {
    const wchar_t* nom;
    std::size_t decalage;
    int taille;  // bytes of a text field, array length of a number field
  };
  const Champ attendus[] = {
      {L"vuesMarqueur", offsetof(tvkdialogue, vuesMarqueur), 1},
      {L"selectionLivre", offsetof(tvkdialogue, selectionLivre), 1},
      {L"nomPlan", offsetof(tvkdialogue, nomPlan), 80},
      {L"affichageReferences", offsetof(tvkdialogue, affichageReferences), 1},
      {L"substitutionSymbologie", offsetof(tvkdialogue, substitutionSymbologie), 1},
      {L"filtreDescription", offsetof(tvkdialogue, filtreDescription), 1},
      {L"filtrePlan", offsetof(tvkdialogue, filtrePlan), 80},
      {L"demonterTout", offsetof(tvkdialogue, demonterTout), 1},
      {L"idElement", offsetof(tvkdialogue, idElement), 1},
      {L"codeTheme", offsetof(tvkdialogue, codeTheme), 1},
      {L"numeroVue", offsetof(tvkdialogue, numeroVue), 1},
      {L"libelleProjection", offsetof(tvkdialogue, libelleProjection), 84},
      {L"coordonnees", offsetof(tvkdialogue, coordonnees), 4},
      {L"versionApplication", offsetof(tvkdialogue, versionApplication), 80},
      {L"versionBibliotheque", offsetof(tvkdialogue, versionBibliotheque), 80},
  };
  ASSERT_EQ(layout.fields.size(), std::size(attendus));
  for (std::size_t i = 0; i < std::size(attendus); ++i) {
    EXPECT_EQ(layout.fields[i].name, attendus[i].nom);
    EXPECT_EQ(layout.fields[i].offset, attendus[i].decalage) << i;
    EXPECT_EQ(layout.fields[i].count, attendus[i].taille) << i;
  }
  EXPECT_EQ(layout.size, sizeof(tvkdialogue));
}

TEST(Ressources, EveryCommandOfTheTableHasOneKeyin) {
  std::set<std::uint64_t> numeros;
  for (const auto& c : ressources().commands) {
    EXPECT_FALSE(c.keyin.empty());
    EXPECT_TRUE(numeros.insert(c.number).second) << "numéro en double";
  }
  std::set<std::uint64_t> table;
  for (const auto* r = tableCommandes; r->function; ++r) table.insert(r->number);
  EXPECT_EQ(numeros, table);
  EXPECT_EQ(table.size(), 6u);
}

TEST(Ressources, DialogsHoldTheItemsAndHooksTheCodeAddresses) {
  struct Element {
    int dialogue;
    ItemType type;
    int id;
    std::int64_t hook;
    const wchar_t* acces;  // empty: not bound
    int valeur;            // push and toggle buttons
  };
  const Element attendus[] = {
      // summary: plan list with its pop-up menu, menu bar, filter, buttons 1 to 4
      {2, ItemType::ListBox, 21, 24, L"", 0},
      {2, ItemType::PopupMenu, 21, 25, L"", 0},
      {2, ItemType::MenuBar, 0, 22, L"", 0},
      {2, ItemType::Text, 1, 23, L"TvkDlg.filtrePlan", 0},
      {2, ItemType::PushButton, 1, 26, L"", 1},
      {2, ItemType::PushButton, 2, 26, L"", 2},
      {2, ItemType::PushButton, 3, 26, L"", 3},
      {2, ItemType::PushButton, 4, 26, L"", 4},
      {2, ItemType::Text, 2, 0, L"TvkDlg.idElement", 0},
      {2, ItemType::Text, 3, 0, L"TvkDlg.codeTheme", 0},
      {2, ItemType::ToggleButton, 1, 0, L"TvkDlg.demonterTout", 0},
      // errors
      {3, ItemType::ListBox, 31, 33, L"", 0},
      {3, ItemType::ToggleButton, 1, 32, L"TvkDlg.vuesMarqueur", 1},
      {3, ItemType::ToggleButton, 2, 32, L"TvkDlg.selectionLivre", 2},
      // comparison description
      {4, ItemType::ListBox, 41, 44, L"", 0},
      {4, ItemType::ToggleButton, 1, 42, L"TvkDlg.affichageReferences", 1},
      {4, ItemType::ToggleButton, 2, 42, L"TvkDlg.substitutionSymbologie", 2},
      {4, ItemType::OptionButton, 1, 43, L"TvkDlg.filtreDescription", 0},
      {4, ItemType::Text, 1, 0, L"TvkDlg.nomPlan", 0},
      // coordinates
      {5, ItemType::MenuBar, 0, 52, L"", 0},
      {5, ItemType::ComboBox, 51, 53, L"TvkDlg.libelleProjection", 0},
      {5, ItemType::Text, 51, 0, L"TvkDlg.coordonnees[0]", 0},
      {5, ItemType::Text, 52, 0, L"TvkDlg.coordonnees[1]", 0},
      {5, ItemType::Text, 53, 0, L"TvkDlg.coordonnees[2]", 0},
      {5, ItemType::Text, 54, 0, L"TvkDlg.coordonnees[3]", 0},
      {5, ItemType::Text, 55, 0, L"TvkDlg.numeroVue", 0},
      {5, ItemType::PushButton, 52, 54, L"", 0},
      {5, ItemType::PushButton, 51, 55, L"", 0},
      // about
      {6, ItemType::Text, 1, 0, L"TvkDlg.versionApplication", 0},
      {6, ItemType::Text, 2, 0, L"TvkDlg.versionBibliotheque", 0},
      {6, ItemType::PushButton, 1, 61, L"", 0},
  };
  for (const auto& e : attendus) {
    const auto* d = ressources().dialog(e.dialogue);
    ASSERT_NE(d, nullptr) << e.dialogue;
    const host::resources::ItemSpec* trouve = nullptr;
    for (const auto& item : d->items)
      if (item.type == e.type && item.id == e.id) trouve = &item;
    ASSERT_NE(trouve, nullptr) << "dialogue " << e.dialogue << ", élément " << e.id;
    EXPECT_EQ(trouve->hook, e.hook) << "dialogue " << e.dialogue << ", élément " << e.id;
    EXPECT_EQ(trouve->access, e.acces) << "dialogue " << e.dialogue << ", élément " << e.id;
    if (e.valeur) {
      EXPECT_EQ(trouve->value, e.valeur) << "dialogue " << e.dialogue << ", élément " << e.id;
    }
  }
  // The menus' entries: the summary's pop-up 1 to 4, the menu bars' 1 and 2.
  auto valeurs = [](const host::resources::Menu& m) {
    std::vector<int> v;
    for (const auto& e : m.entries) v.push_back(e.value);
    return v;
  };
  for (const auto& item : ressources().dialog(2)->items) {
    if (item.type == ItemType::PopupMenu) {
      EXPECT_EQ(valeurs(item.menus.at(0)), (std::vector<int>{1, 2, 3, 4}));
    }
    if (item.type == ItemType::MenuBar) {
      EXPECT_EQ(valeurs(item.menus.at(0)), (std::vector<int>{1, 2}));
    }
  }
  for (const auto& item : ressources().dialog(5)->items) {
    if (item.type == ItemType::MenuBar) {
      EXPECT_EQ(valeurs(item.menus.at(0)), (std::vector<int>{1, 2}));
    }
  }
}

TEST(Ressources, DialogHooksAndItemHooksAreTheTablesOwn) {
  const std::pair<int, std::int64_t> dialogues[] = {{1, 11}, {2, 21}, {3, 31}, {4, 41}, {5, 51}, {6, 0}};
  for (const auto& [id, hook] : dialogues) {
    const auto* d = ressources().dialog(id);
    ASSERT_NE(d, nullptr) << id;
    EXPECT_EQ(d->hook, hook) << id;
  }
  // Every hook id the resource file names is a row of the hook table, of the right kind.
  for (const auto& d : ressources().dialogs) {
    auto ligne = [](std::int64_t id) -> const host::dialogs::HookRow* {
      for (const auto& r : tableCrochets)
        if (r.id == id) return &r;
      return nullptr;
    };
    if (d.hook != 0) {
      ASSERT_NE(ligne(d.hook), nullptr) << d.hook;
      EXPECT_NE(ligne(d.hook)->dialogHook, nullptr) << d.hook;
    }
    for (const auto& item : d.items) {
      if (!item.hook) continue;
      ASSERT_NE(ligne(item.hook), nullptr) << item.hook;
      EXPECT_NE(ligne(item.hook)->itemHook, nullptr) << item.hook;
    }
  }
}

TEST(Ressources, TheToolsStringIdsHaveTexts) {
  for (int id : {0, 1, 2, 3, 4, 10, 11, 12, 13}) EXPECT_TRUE(ressources().string(0, id)) << id;
}

}  // namespace
