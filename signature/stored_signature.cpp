#include "signature/stored_signature.h"

#include "host/config.h"
#include "host/dialog_variable.h"
#include "host/open_resources.h"
#include "host/stored_form.h"
#include "signature/scan_positions.h"

namespace brevane {

std::uint32_t resourceHandle = 0;

namespace {

constexpr host::LevelId kSignatureLevel = 20;

// Closes the resource file opened for one read, whatever the read's result.
class OpenedForTheRead {
 public:
  OpenedForTheRead() = default;
  OpenedForTheRead(const OpenedForTheRead&) = delete;
  OpenedForTheRead& operator=(const OpenedForTheRead&) = delete;
  ~OpenedForTheRead() {
    if (!opened_) return;
    host::resources::closeFile(resourceHandle);
    resourceHandle = 0;
  }
  void opened() { opened_ = true; }

 private:
  bool opened_ = false;
};

// Converts the stored form that starts at the identifier; false when it cannot be.
bool convert(SignatureRecord& record, const std::vector<std::uint8_t>& data) {
  // A definition that does not describe this record (another size) cannot give it.
  const auto* rf = host::resources::openedFile(resourceHandle);
  const auto* def = rf ? rf->dataDefinition(kDataDefinition) : nullptr;
  if (!def || host::dialog_variable::layoutOf(*def).size != sizeof(SignatureRecord)) return false;
  return host::stored_form::bufferFromFileFormat(&record, sizeof record, resourceHandle, kDataDefinition,
                                                 data.data() + kStoredOffset, data.size() - kStoredOffset) ==
         host::stored_form::kSuccess;
}

}  // namespace

int ReadStoredSignature(SignatureRecord& record, host::ModelRef model) {
  OpenedForTheRead closer;
  if (resourceHandle == 0) {
    const auto path = host::config::get(L"BREVANE_MAFILE");
    if (!path) return 2;
    resourceHandle = host::resources::openFile(*path);
    if (resourceHandle == 0) return 3;
    closer.opened();
  }
  ScanCriteriaGuard criteria = std::make_unique<host::ScanCriteria>();
  if (host::levelName(model, kSignatureLevel)) criteria->levels = {kSignatureLevel};
  const int applicationData[] = {host::ElementType::ApplicationData};
  AddElementTypeTests(*criteria, applicationData);
  std::vector<std::uint32_t> positions;
  CollectScanFilePositions(model, *criteria, positions);
  if (positions.empty()) return 1;

  const host::Model* m = host::model(model);
  int result = 4;
  for (std::size_t i = 0; i < positions.size() && result != 5 && m; ++i) {
    const host::Element* e = m->findByPosition(positions[i]);
    // An element too short to hold the identifier does not carry it.
    if (!e || e->data.size() < kStoredOffset + 2) continue;
    const auto word = static_cast<std::int16_t>(e->data[kStoredOffset] | (e->data[kStoredOffset + 1] << 8));
    if (word != kIdentifier) continue;
    result = convert(record, e->data) ? 6 : 5;
  }
  return result;
}

}  // namespace brevane
