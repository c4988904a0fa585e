#include "host/application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/color_palette.h"
#include "host/commands.h"
#include "host/dialog_variable.h"
#include "host/dialogs.h"
#include "host/messages.h"
#include "host/text.h"
#include "host/tools.h"
#include "host/version_record.h"

namespace {

namespace app = host::application;
namespace cmd = host::commands;
namespace d = host::dialogs;
using ::testing::ElementsAre;

const std::wstring pluginPath = host::text::fromUtf8(TEST_PLUGIN_PATH);

// The plug-in reports every call it receives as "event: ..." in the message list.
std::vector<std::wstring> events() {
  std::vector<std::wstring> out;
  for (const auto& e : host::messages::log())
    if (e.brief.rfind(L"event: ", 0) == 0) out.push_back(e.brief.substr(7));
  host::messages::clearLog();
  return out;
}

class HostApplication : public ::testing::Test {
 protected:
  void SetUp() override {
    host::messages::clearLog();
    cmd::clearHistory();
    std::wstring error;
    id = app::load(pluginPath, {L"x"}, error);
    ASSERT_NE(id, 0) << host::text::toUtf8(error);
  }
  void TearDown() override {
    host::colors::setRefusePalettes(false);
    app::unloadAll();
    cmd::clearQueue();
    cmd::clearScheduledInputs();
  }
  bool keyin(const std::wstring& line) {
    std::wstring error;
    const bool ok = cmd::keyin(line, error);
    cmd::runQueue();
    return ok;
  }
  d::Item* item(d::ItemType type, int itemId) { return d::findItem(d::find(1), type, itemId); }
  int id = 0;
};

TEST_F(HostApplication, StartsThePlugInWithItsPathFirstAndPublishesWhatItRegisters) {
  EXPECT_THAT(events(), ElementsAre(L"main libtestplugin.so x", L"palette", L"dialog create", L"dialog init"));
  d::Dialog* dialog = d::find(1);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->interests, 0x10040u);
  EXPECT_EQ(dialog->windowFlags[0], 1);  // the hook answered message 24 by setting the first flag byte
  EXPECT_TRUE(host::dialog_variable::find(L"TestDlg.name"));
  EXPECT_EQ(app::find(L"testplugin")->id, id);
  EXPECT_TRUE(keyin(L"TEST   Hello  le monde"));
  EXPECT_THAT(events(), ElementsAre(L"hello le monde"));
  EXPECT_FALSE(keyin(L"test"));
}

TEST_F(HostApplication, LoadingALoadedApplicationCallsItsReloadFunction) {
  events();
  std::wstring error;
  EXPECT_EQ(app::load(pluginPath, {}, error), id);
  EXPECT_THAT(events(), ElementsAre(L"reload"));
  EXPECT_EQ(app::loaded().size(), 1u);
}

TEST_F(HostApplication, UnloadingClosesItsDialogsAndForgetsEverythingItRegistered) {
  events();
  std::wstring error;
  EXPECT_TRUE(app::unload(L"TESTPLUGIN", app::reasonRequest, error));
  EXPECT_THAT(events(), ElementsAre(L"unload 1", L"dialog destroy"));
  EXPECT_FALSE(d::find(1));
  EXPECT_FALSE(host::dialog_variable::find(L"TestDlg.name"));
  EXPECT_FALSE(keyin(L"test hello"));
  EXPECT_TRUE(app::loaded().empty());
  EXPECT_FALSE(app::unload(L"TESTPLUGIN", app::reasonRequest, error));
}

TEST_F(HostApplication, AnUnloadFunctionMayRefuse) {
  std::wstring error;
  EXPECT_FALSE(app::unloadId(id, 99, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(d::find(1));
  EXPECT_EQ(app::loaded().size(), 1u);
}

TEST_F(HostApplication, TheQueuedUnloadCommandWithNoArgumentUnloadsTheApplicationThatQueuedIt) {
  EXPECT_TRUE(keyin(L"test fail"));
  EXPECT_TRUE(app::loaded().empty());
  const auto h = cmd::history();
  ASSERT_EQ(h.size(), 2u);
  EXPECT_EQ(h[1].number, cmd::unloadApplication);
  EXPECT_EQ(h[1].argument, L"");
}

TEST_F(HostApplication, TheRefusalSwitchMakesTheHostRefusePalettes) {
  app::unloadAll();
  host::colors::setRefusePalettes(true);
  events();
  std::wstring error;
  ASSERT_NE(app::load(pluginPath, {}, error), 0);
  EXPECT_THAT(events(), ElementsAre(L"main libtestplugin.so", L"no palette", L"dialog create", L"dialog init"));
}

TEST_F(HostApplication, CommandsQueuedByTheRunningCommandRunAfterIt) {
  events();
  EXPECT_TRUE(keyin(L"test queue"));
  EXPECT_THAT(events(), ElementsAre(L"first", L"second"));
}

TEST_F(HostApplication, EachPumpDeliversOneScheduledInput) {
  events();
  cmd::scheduleForPump([this] {
    std::wstring error;
    d::press(item(d::ItemType::PushButton, 5), error);
  });
  cmd::scheduleForPump([this] {
    std::wstring error;
    d::type(item(d::ItemType::Text, 1), L"abc", error);
  });
  EXPECT_TRUE(keyin(L"test pump"));
  EXPECT_THAT(events(), ElementsAre(L"pump 0", L"activate 5 value 7 toggle 0", L"pump 1", L"changed 1 option 0",
                                    L"state 1", L"pump 2"));
  EXPECT_EQ(cmd::scheduledInputs(), 0u);
}

TEST_F(HostApplication, APrimitiveToolSwapsItsFunctionsWhileItRuns) {
  events();
  std::wstring error;
  EXPECT_FALSE(host::tools::dataPoint(0, {1, 2, 0}, error));  // no tool yet
  EXPECT_TRUE(keyin(L"test tool"));
  auto status = host::tools::status();
  EXPECT_EQ(status.kind, host::tools::Kind::Primitive);
  EXPECT_EQ(status.commandName, L"Outil d'essai");
  EXPECT_EQ(status.prompt, L"Donner un point");
  EXPECT_TRUE(host::tools::reset(error));
  EXPECT_TRUE(host::tools::dataPoint(0, {10, 2, 0}, error));
  host::tools::motion(0, {15, 2, 0});
  EXPECT_FALSE(host::tools::dataPoint(8, {20, 2, 0}, error));  // no view 8
  EXPECT_TRUE(host::tools::dataPoint(3, {20, 2, 0}, error));
  EXPECT_THAT(events(), ElementsAre(L"tool reset", L"first point 10", L"dynamics 15", L"second point 20 in view 3"));
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None);  // the tool ended itself
}

TEST_F(HostApplication, DialogActionsWriteTheBoundFieldsAndSendTheMessages) {
  events();
  std::wstring error;
  EXPECT_TRUE(d::press(item(d::ItemType::ToggleButton, 3), error));
  EXPECT_TRUE(d::choose(item(d::ItemType::OptionButton, 4), L"Ajouts", error));
  EXPECT_TRUE(d::choose(item(d::ItemType::ComboBox, 7), L"WGS84", error));
  EXPECT_TRUE(d::press(item(d::ItemType::ToggleButton, 3), error));
  EXPECT_THAT(events(), ElementsAre(L"activate 3 value 1 toggle 1", L"changed 4 option 1", L"combo WGS84",
                                    L"activate 3 value 1 toggle 0"));
  EXPECT_EQ(d::displayText(item(d::ItemType::OptionButton, 4)), L"Ajouts");
  EXPECT_EQ(d::displayText(item(d::ItemType::Text, 1)), L"WGS84");  // the combo box and text 1 share the field

  const struct {
    bool ok;
    const char* why;
    std::function<bool(std::wstring&)> action;
  } refused[] = {
      {false, "no such option", [this](std::wstring& e) { return d::choose(item(d::ItemType::OptionButton, 4), L"Rien", e); }},
      {false, "row out of range", [this](std::wstring& e) { return d::select(item(d::ItemType::ListBox, 6), {3}, e); }},
      {false, "menu entry absent", [this](std::wstring& e) { return d::chooseMenu(item(d::ItemType::PopupMenu, 6), 9, e); }},
      {false, "column without sort function", [this](std::wstring& e) { return d::sort(item(d::ItemType::ListBox, 6), 1, true, e); }},
      {false, "wrong item type", [this](std::wstring& e) { return d::type(item(d::ItemType::PushButton, 5), L"x", e); }},
      {false, "missing item", [](std::wstring& e) { return d::press(nullptr, e); }},
  };
  for (const auto& c : refused) {
    std::wstring why;
    EXPECT_EQ(c.action(why), c.ok) << c.why;
    EXPECT_FALSE(why.empty()) << c.why;
  }
  d::setVisible(item(d::ItemType::PushButton, 5), false);
  EXPECT_FALSE(d::press(item(d::ItemType::PushButton, 5), error));  // a hidden button cannot be pressed
  EXPECT_TRUE(events().empty());
}

TEST_F(HostApplication, SortingKeepsEachRowsLongValueAndTheSelection) {
  events();
  std::wstring error;
  d::Item* list = item(d::ItemType::ListBox, 6);
  EXPECT_TRUE(d::select(list, {0, 2}, error));  // multi-select list: "b" and "a"
  EXPECT_TRUE(d::sort(list, 0, true, error));
  std::vector<std::wstring> names;
  for (const auto& row : list->model->rows) names.push_back(row.cells[0].text);
  EXPECT_THAT(names, ElementsAre(L"a", L"b", L"c"));
  EXPECT_THAT(list->selection, ElementsAre(0, 1));
  EXPECT_TRUE(d::sort(list, 0, false, error));
  EXPECT_THAT(list->selection, ElementsAre(1, 2));
  EXPECT_TRUE(d::doubleClick(list, 0, error));  // "c", record 1
  EXPECT_THAT(events(), ElementsAre(L"double click row 0 value 1"));
  EXPECT_TRUE(d::rightClick(list, 2, error));
  EXPECT_TRUE(item(d::ItemType::PopupMenu, 6)->popupShown);
  EXPECT_TRUE(d::chooseMenu(item(d::ItemType::PopupMenu, 6), 2, error));
  EXPECT_THAT(events(), ElementsAre(L"popupMenu entry 2"));
}

TEST_F(HostApplication, ResizeAsksTheHookForSizeLimitsFirst) {
  events();
  d::resize(d::find(1), 50, 40);
  EXPECT_THAT(events(), ElementsAre(L"dialog resize 200"));  // raised to 100 dialog units
}

TEST(HostVersionRecord, IsReadFromTheLibraryFileWithoutLoadingIt) {
  auto r = host::version::readFile(pluginPath);
  ASSERT_TRUE(r);
  EXPECT_EQ(host::version::text(*r), L"3.14.15.9");
  std::wstring folder = pluginPath.substr(0, pluginPath.rfind(L'/'));
  EXPECT_FALSE(host::version::readFile(folder + L"/testplugin.json"));  // not a library
  EXPECT_FALSE(host::version::readFile(folder + L"/missing.so"));
  EXPECT_FALSE(host::version::readFile(folder + L"/libcadhost.so"));   // a library without a record
}

TEST(HostApplicationLoad, ALibraryWithoutEntryOrAMissingFileIsRefused) {
  std::wstring error;
  std::wstring folder = pluginPath.substr(0, pluginPath.rfind(L'/'));
  EXPECT_EQ(app::load(folder + L"/libcadhost.so", {}, error), 0);
  EXPECT_NE(error.find(L"MdlMain"), std::wstring::npos);
  EXPECT_EQ(app::load(folder + L"/missing.so", {}, error), 0);
  EXPECT_TRUE(app::loaded().empty());
}

TEST(HostApplicationInProcess, RegistersResourcesAndDialogsWithoutLoadingAnything) {
  const int id = app::registerInProcess(pluginPath);
  ASSERT_NE(id, 0);
  EXPECT_EQ(app::byId(id)->name, L"TESTPLUGIN");
  {
    app::CallScope scope(id);
    EXPECT_EQ(app::openResourceFile(L""), 1u);  // the resource file beside the path given
  }
  EXPECT_TRUE(events().empty());  // no entry was called
  d::Dialog* dialog = d::open(1);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->owner, id);
  std::wstring error;
  EXPECT_TRUE(app::unloadId(id, app::reasonRequest, error));
  EXPECT_EQ(d::find(1), nullptr);
  EXPECT_TRUE(app::loaded().empty());
}

}  // namespace
