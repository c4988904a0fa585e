// A paste into the coordinates dialog: the input is the clipboard's Unicode text as UTF-16 units
// (unpaired surrogates and NUL units kept), read by the dialog's paste button as GML (the XML
// reader, then the import of a point or a polygon) or else as two plain numbers. The application
// is registered in the process once, over a working drawing in Lambert 93 with view 1 open; the
// dialog is opened afresh for each input.
#include <string>

#include "application/app_tables.h"
#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/tvkdialogue.h"
#include "application/verapplication.h"
#include "fuzz/harness.h"
#include "host/application.h"
#include "host/clipboard.h"
#include "host/commands.h"
#include "host/dialogs.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/transients.h"
#include "host/views.h"

namespace {

namespace d = host::dialogs;
namespace fx = host::fixture;

constexpr int kDialogue = 5;
constexpr int kColler = 52;

// The application's tables and resource file as its plug-in registers them, and the drawing.
bool preparer() {
  // The resource file is looked for beside the plug-in's path.
  const int id = host::application::registerInProcess(L"" PROJECT_SOURCE_DIR "/resources/libtolvek.so");
  host::application::CallScope portee(id);
  if (host::application::openResourceFile(L"") == 0) return false;
  host::commands::loadCommandTables();
  host::commands::registerCommandNumbers(tableCommandes);
  host::application::publishVariable(L"tvkdialogue", L"TvkDlg", &TvkDlg);
  d::publishHooks(tableCrochets, nombreCrochets);
  proj_remplirTable();
  fx::DesignBuilder dessin;
  dessin.header().coordinateSystem = L"IGN-RGF93";
  dessin.add(fx::line({0, 0, 0}, {1000, 1000, 0}));
  const std::wstring chemin = fuzz::dossierTemporaire() + L"Travail.dgn";
  if (!dessin.save(chemin) || host::openActiveFile(chemin) != host::kSuccess) return false;
  host::views::open(1);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool pret = preparer();
  if (!pret) return 0;
  projectionCourante = -1;
  pointsCoordonnees.clear();
  TvkDlg = tvkdialogue{};
  cmd_ouvrirCoordonnees(L"");
  d::Dialog* dialogue = d::find(kDialogue);
  if (!dialogue) return 0;

  // The units as the clipboard keeps them, with the terminating zero.
  std::u16string unites(size / 2 + 1, u'\0');
  for (std::size_t i = 0; i + 1 < size; i += 2) unites[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  if (host::clipboard::open()) {
    host::clipboard::empty();
    host::clipboard::setData(host::clipboard::formatUnicodeText, unites.data(), unites.size() * sizeof(char16_t));
    host::clipboard::close();
  }
  std::wstring erreur;
  d::press(d::findItem(dialogue, d::ItemType::PushButton, kColler), erreur);

  d::close(dialogue);
  host::views::reset();
  host::views::open(1);
  marqueurCoordonnees = nullptr;
  host::transients::clear();
  host::messages::clearLog();
  return 0;
}
