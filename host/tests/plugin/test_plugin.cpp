// A small application for the host's tests: it registers what an application registers and
// reports every call it receives in the host's message list ("event: ...").
#include <cstdint>
#include <cstring>
#include <string>

#include "host/application.h"
#include "host/clipboard.h"
#include "host/color_palette.h"
#include "host/commands.h"
#include "host/dialog_variable.h"
#include "host/dialogs.h"
#include "host/messages.h"
#include "host/tools.h"
#include "host/version_record.h"

CADHOST_VERSION_RECORD(3, 14, 15, 9);

namespace {

namespace d = host::dialogs;

struct testdialog {
  std::int32_t count;
  char name[8];
  double x;
  std::int32_t option;
  std::int32_t toggle;
};

testdialog TestDlg;
host::colors::Palette* palette = nullptr;
d::ListModel* listModel = nullptr;
d::ListModel* comboModel = nullptr;

void event(const std::wstring& text) { host::messages::messageList(L"event: " + text); }

int byText(const d::ListRow* a, const d::ListRow* b, bool ascending, int column) {
  const auto& x = a->cells[static_cast<std::size_t>(column)].text;
  const auto& y = b->cells[static_cast<std::size_t>(column)].text;
  const int r = x < y ? -1 : x > y ? 1 : 0;
  return ascending ? r : -r;
}

void fillList() {
  d::Item* list = d::findItem(d::find(1), d::ItemType::ListBox, 6);
  if (!list || !list->model) return;
  list->model->rows.clear();
  const wchar_t* names[] = {L"b", L"c", L"a"};
  for (int i = 0; i < 3; ++i) {
    d::ListRow row = list->model->makeRow();
    row.cells[0] = {names[i], i, palette, i == 0 ? 2 : -1};
    row.cells[1] = {std::to_wstring(10 - i), i};
    list->model->rows.push_back(row);
  }
  d::rowsChanged(list);
}

void dialogHook(d::DialogMessage* m) {
  m->msgUnderstood = true;
  switch (m->messageType) {
    case d::msgCreate: event(L"dialog create"); m->interests |= 0x10040; break;
    case d::msgInit: event(L"dialog init"); break;
    case d::msgDestroy: event(L"dialog destroy"); break;
    case d::msgWindowFlags:
      if (m->flagBytes[1]) m->flagBytes[0] = 1;
      break;
    case d::msgSizeLimits:
      m->width = std::max(m->width, d::toPixels(100));
      m->changed = true;
      break;
    case d::msgResize: event(L"dialog resize " + std::to_wstring(m->newContent.width())); break;
    default: m->msgUnderstood = false;
  }
}

void itemHook(d::ItemMessage* m) {
  m->msgUnderstood = true;
  switch (m->messageType) {
    case d::msgItemActivate: event(L"activate " + std::to_wstring(m->itemId) + L" value " + std::to_wstring(m->value) +
                                   L" toggle " + std::to_wstring(TestDlg.toggle)); break;
    case d::msgItemValueChanged: event(L"changed " + std::to_wstring(m->itemId) + L" option " + std::to_wstring(TestDlg.option)); break;
    case d::msgItemStateChanged: event(L"state " + std::to_wstring(m->itemId)); break;
    default: m->msgUnderstood = false;
  }
}

void listHook(d::ItemMessage* m) {
  m->msgUnderstood = true;
  switch (m->messageType) {
    case d::msgItemCreate:
      listModel = d::createListModel(2);
      d::setListModel(m->item, listModel);
      break;
    case d::msgItemDestroy:
      d::destroyListModel(listModel);
      listModel = nullptr;
      break;
    case d::msgItemInit:
      d::setSortFunction(m->item, 0, byText);
      fillList();
      break;
    case d::msgItemButton:
      if (m->buttonTrans == d::buttonPress && m->clickCount == 2)
        event(L"double click row " + std::to_wstring(m->row) + L" value " +
              std::to_wstring(listModel->cell(m->row, 0)->value));
      else if (m->buttonTrans == d::buttonRelease && m->buttonNumber == d::rightButton)
        d::showPopup(m->dialog, 6);
      break;
    default: m->msgUnderstood = false;
  }
}

void menuHook(d::ItemMessage* m) {
  m->msgUnderstood = m->messageType == d::msgItemButton;
  if (m->msgUnderstood)
    event(host::resources::itemTypeName(m->itemType) + L" entry " + std::to_wstring(m->item->menuSelection));
}

void comboHook(d::ItemMessage* m) {
  m->msgUnderstood = true;
  switch (m->messageType) {
    case d::msgItemCreate: {
      comboModel = d::createListModel(1);
      for (const wchar_t* t : {L"", L"Lambert", L"WGS84"}) {
        d::ListRow row = comboModel->makeRow();
        row.cells[0].text = t;
        comboModel->rows.push_back(row);
      }
      d::setListModel(m->item, comboModel);
      break;
    }
    case d::msgItemDestroy:
      d::destroyListModel(comboModel);
      comboModel = nullptr;
      break;
    case d::msgItemValueChanged: event(L"combo " + std::wstring(TestDlg.name, TestDlg.name + std::strlen(TestDlg.name))); break;
    default: m->msgUnderstood = false;
  }
}

void hello(const wchar_t* argument) { event(L"hello " + std::wstring(argument)); }
void second(const wchar_t*) { event(L"second"); }
void first(const wchar_t*) {
  host::commands::queue(false, 0x0A07000000000000ULL, L"", false);
  event(L"first");
}
void failStart(const wchar_t*) { host::commands::queue(false, host::commands::unloadApplication, L"", false); }

void toolSecondPoint(const host::Point3d* p, int view) {
  event(L"second point " + std::to_wstring(static_cast<int>(p->x)) + L" in view " + std::to_wstring(view));
  host::tools::startDefaultCommand();
}
void toolReset() { event(L"tool reset"); }
void toolDynamics(const host::Point3d* p, int) { event(L"dynamics " + std::to_wstring(static_cast<int>(p->x))); }
void toolFirstPoint(const host::Point3d* p, int) {
  event(L"first point " + std::to_wstring(static_cast<int>(p->x)));
  host::tools::setDataPointFunction(toolSecondPoint);
  host::tools::setDynamicsFunction(toolDynamics);
}
void tool(const wchar_t*) { host::tools::startPrimitive(toolFirstPoint, toolReset, 1, 2); }

void pump(const wchar_t*) {
  for (int i = 0; i < 3; ++i) {
    event(L"pump " + std::to_wstring(i));
    host::commands::pumpMessages();
  }
}

void fill(const wchar_t*) { fillList(); }

const host::commands::CommandRow commandTable[] = {
    {hello, 0x0A01000000000000ULL}, {failStart, 0x0A02000000000000ULL}, {tool, 0x0A03000000000000ULL},
    {first, 0x0A04000000000000ULL}, {pump, 0x0A05000000000000ULL},      {fill, 0x0A06000000000000ULL},
    {second, 0x0A07000000000000ULL}, {nullptr, 0}};

void reload() { event(L"reload"); }
bool unload(int reason) {
  event(L"unload " + std::to_wstring(reason));
  host::colors::destroyPalette(palette);
  return reason == 99;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void MdlMain(int argc, const wchar_t** argv) {
  std::wstring args;
  for (int i = 1; i < argc; ++i) args += L" " + std::wstring(argv[i]);
  event(L"main " + std::wstring(argv[0]).substr(std::wstring(argv[0]).rfind(L'/') + 1) + args);
  const std::uint32_t rsc = host::application::openResourceFile(L"");
  const auto* resource = host::application::resourceFile(host::application::currentId(), rsc);
  if (!resource) return;
  host::application::registerStringIds(0, 0);
  host::commands::loadCommandTable(*resource);
  host::commands::registerCommandNumbers(commandTable);
  host::application::publishVariable(L"testdialog", L"TestDlg", &TestDlg);
  static const d::HookRow hooks[] = {{11, dialogHook}, {12, itemHook}, {13, itemHook},
                                     {14, listHook},   {15, menuHook}, {16, comboHook}};
  d::publishHooks(hooks, 6, host::application::currentId());
  host::application::setReloadFunction(reload);
  host::application::setUnloadFunction(unload);
  std::memset(&TestDlg, 0, sizeof TestDlg);
  palette = host::colors::createPalette(3);
  if (palette) host::colors::setEntryFromTable(palette, 2, 102);
  event(palette ? L"palette" : L"no palette");
  d::open(1);
}
