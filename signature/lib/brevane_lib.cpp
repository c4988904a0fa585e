// libbrevane.so's three exported names: the model and plan checks, and the entry of the library
// loaded as an application of the host. Everything else is hidden (brevane.map).
#include <cstdio>

#include "host/application.h"
#include "host/commands.h"
#include "host/console.h"
#include "host/open_resources.h"
#include "host/version_record.h"
#include "signature/brevane.h"
#include "signature/model_check.h"
#include "signature/stored_signature.h"

// The library's version record, which the host reads from the file. Hidden rather than exported
// (as CADHOST_VERSION_RECORD does): libhalvorn.so, which links this library, exports a record of
// the same name, and two exported records of one name interpose one another once loaded.
extern "C" __attribute__((visibility("hidden"), used)) const host::version::Record cadhost_version_record = {
    host::version::recordSignature, 1, 0, 0, 0};

namespace {

constexpr std::uint64_t kCheckActivePlan = 0x0101000000000000ULL;

void KeyinCheckActivePlan(const wchar_t*) {
  const std::int32_t result = BrevaneModelQuorel(host::activeModel());
  wchar_t line[64];
  std::swprintf(line, sizeof line / sizeof line[0], L"R\u00e9sultat chck plan actif : %d\n", static_cast<int>(result));
  host::console::print(line);
}

// The application's resource file goes with it, so that later checks of the linked library read
// BREVANE_MAFILE again instead of a closed handle.
bool closeResourceFile(int) {
  if (brevane::resourceHandle != 0) host::resources::closeFile(brevane::resourceHandle);
  brevane::resourceHandle = 0;
  return false;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) std::int32_t BrevaneModelQuorel(host::ModelRef model) {
  try {
    return brevane::CheckModel(model);
  } catch (...) {
    return 1;  // nothing leaves the library; a model that cannot be read is not signed
  }
}

__attribute__((visibility("default"))) std::int32_t BrevanePlanQuorel(std::wstring fileName) {
  try {
    return brevane::CheckPlanFile(fileName);
  } catch (...) {
    return 1;
  }
}

__attribute__((visibility("default"))) void MdlMain(int, const wchar_t**) {
  static const host::commands::CommandRow commands[] = {{KeyinCheckActivePlan, kCheckActivePlan}, {nullptr, 0}};
  host::commands::registerCommandNumbers(commands);
  if (brevane::resourceHandle != 0) closeResourceFile(0);
  brevane::resourceHandle = host::resources::openFile(host::application::resourceFilePath(L""));
  const auto* resource = host::resources::openedFile(brevane::resourceHandle);
  if (!resource || !host::commands::loadCommandTable(*resource)) host::console::beep();
  host::application::setUnloadFunction(closeResourceFile);
}
}
