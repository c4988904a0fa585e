#include "host/dialog_variable.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <map>

#include "host/text.h"

namespace host::dialog_variable {
namespace {

struct Published {
  Layout layout;
  void* address = nullptr;
  int owner = 0;
};

std::map<std::wstring, Published>& table() {
  static std::map<std::wstring, Published> published;
  return published;
}

std::size_t alignmentOf(resources::FieldKind kind) {
  switch (kind) {
    case resources::FieldKind::Int16: return alignof(std::int16_t);
    case resources::FieldKind::Int32: return alignof(std::int32_t);
    case resources::FieldKind::Double: return alignof(double);
    case resources::FieldKind::Text: return 1;
    case resources::FieldKind::Uint64: return alignof(std::uint64_t);
  }
  return 1;
}

}  // namespace

std::size_t sizeOf(resources::FieldKind kind) {
  switch (kind) {
    case resources::FieldKind::Int16: return sizeof(std::int16_t);
    case resources::FieldKind::Int32: return sizeof(std::int32_t);
    case resources::FieldKind::Double: return sizeof(double);
    case resources::FieldKind::Text: return 1;
    case resources::FieldKind::Uint64: return sizeof(std::uint64_t);
  }
  return 1;
}

namespace {

// Reads a whole decimal number of type T: no sign other than the type allows, no space, no
// other character, and within the type's range.
template <typename T>
bool readWhole(const std::wstring& value, T& v) {
  const std::string s = text::toLatin1(value);
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

}  // namespace

const Field* Layout::field(const std::wstring& name) const {
  for (const Field& f : fields)
    if (f.name == name) return &f;
  return nullptr;
}

Layout layoutOf(const resources::DataDefinition& definition) {
  Layout layout;
  layout.typeName = definition.typeName;
  std::size_t offset = 0, structAlign = 1;
  for (const resources::FieldSpec& spec : definition.fields) {
    const std::size_t align = alignmentOf(spec.kind);
    structAlign = std::max(structAlign, align);
    offset = (offset + align - 1) / align * align;
    layout.fields.push_back({spec.name, spec.kind, spec.count, offset});
    offset += sizeOf(spec.kind) * static_cast<std::size_t>(spec.count);
  }
  layout.size = (offset + structAlign - 1) / structAlign * structAlign;
  return layout;
}

void publish(const std::wstring& name, const Layout& layout, void* address, int owner) {
  table()[name] = Published{layout, address, owner};
}

void unpublishOwnedBy(int owner) {
  for (auto it = table().begin(); it != table().end();) {
    if (it->second.owner == owner) it = table().erase(it);
    else ++it;
  }
}

void unpublish(const std::wstring& name) { table().erase(name); }

std::optional<FieldRef> find(const std::wstring& access) {
  const auto dot = access.find(L'.');
  if (dot == std::wstring::npos) return std::nullopt;
  auto var = table().find(access.substr(0, dot));
  if (var == table().end() || !var->second.address) return std::nullopt;
  std::wstring name = access.substr(dot + 1);
  int index = 0;
  if (const auto open = name.find(L'['); open != std::wstring::npos) {
    if (name.back() != L']') return std::nullopt;
    try {
      index = std::stoi(name.substr(open + 1, name.size() - open - 2));
    } catch (...) {
      return std::nullopt;
    }
    name.resize(open);
  }
  const Field* f = var->second.layout.field(name);
  if (!f) return std::nullopt;
  FieldRef ref{static_cast<unsigned char*>(var->second.address) + f->offset, *f};
  if (f->kind != resources::FieldKind::Text) {
    if (index < 0 || index >= f->count) return std::nullopt;
    ref.address = static_cast<unsigned char*>(ref.address) + sizeOf(f->kind) * static_cast<std::size_t>(index);
    ref.field.count = 1;
  } else if (index != 0) {
    return std::nullopt;
  }
  return ref;
}

std::wstring read(const FieldRef& ref, int decimals) {
  switch (ref.field.kind) {
    case resources::FieldKind::Int16: {
      std::int16_t v = 0;
      std::memcpy(&v, ref.address, sizeof v);
      return std::to_wstring(v);
    }
    case resources::FieldKind::Int32: return std::to_wstring(readInt(ref));
    case resources::FieldKind::Double: {
      double v = 0;
      std::memcpy(&v, ref.address, sizeof v);
      // Room for any double in fixed notation: a sign, 309 digits, a point and the decimals; or
      // the 327 characters of the smallest one in its shortest form.
      char buf[340];
      const auto r = decimals >= 0 && decimals <= resources::maxDecimals
                         ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals)
                         : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
      if (r.ec != std::errc()) return {};
      return text::fromLatin1(std::string(buf, r.ptr));
    }
    case resources::FieldKind::Text: {
      const char* p = static_cast<const char*>(ref.address);
      return text::fromLatin1(std::string(p, strnlen(p, static_cast<std::size_t>(ref.field.count))));
    }
    case resources::FieldKind::Uint64: {
      std::uint64_t v = 0;
      std::memcpy(&v, ref.address, sizeof v);
      return std::to_wstring(v);
    }
  }
  return {};
}

bool write(const FieldRef& ref, const std::wstring& value) {
  switch (ref.field.kind) {
    case resources::FieldKind::Int16: {
      const std::string s = text::toLatin1(value);
      std::int16_t v = 0;
      auto r = std::from_chars(s.data(), s.data() + s.size(), v);
      if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
      std::memcpy(ref.address, &v, sizeof v);
      return true;
    }
    case resources::FieldKind::Int32: {
      const std::string s = text::toLatin1(value);
      int v = 0;
      auto r = std::from_chars(s.data(), s.data() + s.size(), v);
      if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
      writeInt(ref, v);
      return true;
    }
    case resources::FieldKind::Double: {
      const std::string s = text::toLatin1(value);
      double v = 0;
      auto r = std::from_chars(s.data(), s.data() + s.size(), v);
      if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
      std::memcpy(ref.address, &v, sizeof v);
      return true;
    }
    case resources::FieldKind::Text: {
      std::string bytes = text::toLatin1(value);
      const auto room = static_cast<std::size_t>(ref.field.count) - 1;
      if (bytes.size() > room) bytes.resize(room);
      char* p = static_cast<char*>(ref.address);
      std::memcpy(p, bytes.data(), bytes.size());
      p[bytes.size()] = '\0';
      return true;
    }
    case resources::FieldKind::Uint64: {
      // A negative number is refused, not wrapped round.
      std::uint64_t v = 0;
      if (!readWhole(value, v)) return false;
      std::memcpy(ref.address, &v, sizeof v);
      return true;
    }
  }
  return false;
}

int readInt(const FieldRef& ref) {
  if (ref.field.kind != resources::FieldKind::Int32) return 0;
  std::int32_t v = 0;
  std::memcpy(&v, ref.address, sizeof v);
  return v;
}

void writeInt(const FieldRef& ref, int value) {
  if (ref.field.kind != resources::FieldKind::Int32) return;
  const std::int32_t v = value;
  std::memcpy(ref.address, &v, sizeof v);
}

}  // namespace host::dialog_variable
