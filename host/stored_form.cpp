#include "host/stored_form.h"

#include <cstring>

#include "host/dialog_variable.h"
#include "host/open_resources.h"

namespace host::stored_form {
namespace {

// One little-endian value of `size` bytes into host order, whatever the host's byte order.
void copyLittleEndian(unsigned char* to, const std::uint8_t* from, std::size_t size) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < size; ++i) v |= std::uint64_t{from[i]} << (8 * i);
  switch (size) {
    case 2: { const auto x = static_cast<std::uint16_t>(v); std::memcpy(to, &x, 2); break; }
    case 4: { const auto x = static_cast<std::uint32_t>(v); std::memcpy(to, &x, 4); break; }
    default: std::memcpy(to, &v, 8); break;
  }
}

}  // namespace

std::size_t storedSize(const resources::DataDefinition& definition) {
  std::size_t size = 0;
  for (const auto& f : definition.fields) size += dialog_variable::sizeOf(f.kind) * static_cast<std::size_t>(f.count);
  return size;
}

int bufferFromFileFormat(void* record, std::size_t recordSize, std::uint32_t resourceHandle, int definitionNumber,
                         const std::uint8_t* stored, std::size_t storedBytes) {
  const resources::ResourceFile* rf = resources::openedFile(resourceHandle);
  if (!rf) return kNoResourceFile;
  const resources::DataDefinition* def = rf->dataDefinition(definitionNumber);
  if (!def) return kNoDefinition;
  if (storedBytes < storedSize(*def) || (!stored && storedSize(*def) > 0)) return kShortBuffer;
  const dialog_variable::Layout layout = dialog_variable::layoutOf(*def);
  if (!record || recordSize < layout.size) return kRecordTooSmall;
  auto* out = static_cast<unsigned char*>(record);
  const std::uint8_t* in = stored;
  for (const auto& f : layout.fields) {
    const std::size_t size = dialog_variable::sizeOf(f.kind);
    for (int i = 0; i < f.count; ++i, in += size) {
      unsigned char* to = out + f.offset + size * static_cast<std::size_t>(i);
      if (f.kind == resources::FieldKind::Text) *to = *in;
      else copyLittleEndian(to, in, size);
    }
  }
  return kSuccess;
}

}  // namespace host::stored_form
