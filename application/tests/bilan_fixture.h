#pragma once
// The application registered in the test's own process, as the plug-in registers itself when
// loaded: its resource file, hook table, command table and dialog variable, so that its dialogs
// open and its key-ins run against the objects linked into the test. Host state and the
// application's global state are reset around each test.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <string>
#include <vector>

#include "application/app_tables.h"
#include "application/bilan.h"
#include "application/verapplication.h"
#include "host/application.h"
#include "host/color_palette.h"
#include "host/commands.h"
#include "host/config.h"
#include "host/dialogs.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/view_display.h"
#include "host/views.h"

namespace bilan_fixture {

namespace d = host::dialogs;

class ApplicationEnProcessus : public ::testing::Test {
 protected:
  void SetUp() override {
    reinitialiser();
    dir = boost::filesystem::current_path() /
          (std::string("bilan_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    boost::filesystem::remove_all(dir);
    boost::filesystem::create_directories(dir);
    id = host::application::registerInProcess(L"" TOLVEK_PLUGIN_PATH);
    host::application::CallScope scope(id);
    ASSERT_NE(host::application::openResourceFile(L""), 0u);
    host::commands::loadCommandTables();
    host::commands::registerCommandNumbers(tableCommandes);
    ASSERT_TRUE(host::application::publishVariable(L"tvkdialogue", L"TvkDlg", &TvkDlg));
    host::dialogs::publishHooks(tableCrochets, nombreCrochets);
    appTolvek.palette = host::colors::createPalette(7);
  }
  void TearDown() override {
    std::wstring erreur;
    host::application::unloadId(id, host::application::reasonRequest, erreur);
    reinitialiser();
  }
  static void reinitialiser() {
    host::colors::destroyPalette(appTolvek.palette);
    appTolvek = verapplication{};
    TvkDlg = tvkdialogue{};
    filtrePlans.clear();
    host::config::clear();
    host::messages::clearLog();
    host::commands::clearQueue();
    host::commands::clearScheduledInputs();
    host::commands::clearHistory();
    host::resetModels();
    host::views::reset();
    host::views::resetDisplay();
  }

  // The summary dialog, its plan list and an item of it.
  static d::Dialog* bilan() { return d::find(2); }
  static d::Item* liste() { return d::findItem(bilan(), d::ItemType::ListBox, 21); }
  static d::Item* element(d::ItemType type, int itemId) { return d::findItem(bilan(), type, itemId); }

  // The text of every cell of column `colonne`, row by row.
  static std::vector<std::wstring> colonne(int colonne) {
    std::vector<std::wstring> textes;
    if (d::Item* l = liste(); l && l->model)
      for (const auto& ligne : l->model->rows) textes.push_back(ligne.cells.at(static_cast<std::size_t>(colonne)).text);
    return textes;
  }

  // The texts of the message list, and of the whole log, since the last clearLog().
  static std::vector<std::wstring> listeMessages() {
    std::vector<std::wstring> textes;
    for (const auto& e : host::messages::log())
      if (e.kind == host::messages::Kind::MessageList) textes.push_back(e.brief);
    return textes;
  }

  static void presser(int bouton) {
    std::wstring erreur;
    EXPECT_TRUE(d::press(element(d::ItemType::PushButton, bouton), erreur)) << bouton;
  }
  static void menuPlan(int entree) {
    std::wstring erreur;
    EXPECT_TRUE(d::chooseMenu(element(d::ItemType::PopupMenu, 21), entree, erreur)) << entree;
  }
  static void selectionner(const std::vector<int>& lignes) {
    std::wstring erreur;
    EXPECT_TRUE(d::select(liste(), lignes, erreur));
  }

  boost::filesystem::path dir;
  int id = 0;
};

}  // namespace bilan_fixture
