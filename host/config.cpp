#include "host/config.h"

#include <cstdlib>
#include <map>

namespace host::config {
namespace {

std::map<std::wstring, std::wstring>& table() {
  static std::map<std::wstring, std::wstring> variables;
  return variables;
}

// Environment values are bytes; the platform reads them as ISO 8859-1.
std::wstring fromLatin1(const char* text) {
  std::wstring out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) out.push_back(*p);
  return out;
}

// Names with characters outside ISO 8859-1 cannot be in the environment.
std::optional<std::string> toLatin1(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    if (c <= 0 || c > 0xFF) return std::nullopt;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

}  // namespace

std::uint64_t megabytes(const std::wstring& name, std::uint64_t fallbackMegabytes) {
  const auto value = get(name);
  if (!value || value->empty() || value->size() > 9) return fallbackMegabytes << 20;
  std::uint64_t mb = 0;
  for (wchar_t c : *value) {
    if (c < L'0' || c > L'9') return fallbackMegabytes << 20;
    mb = mb * 10 + static_cast<std::uint64_t>(c - L'0');
  }
  return mb == 0 ? fallbackMegabytes << 20 : mb << 20;
}

std::optional<std::wstring> get(const std::wstring& name) {
  if (name.empty()) return std::nullopt;
  if (auto it = table().find(name); it != table().end()) return it->second;
  auto narrow = toLatin1(name);
  if (!narrow) return std::nullopt;
  if (const char* value = std::getenv(narrow->c_str())) return fromLatin1(value);
  return std::nullopt;
}

void set(const std::wstring& name, const std::wstring& value) { table()[name] = value; }

void unset(const std::wstring& name) { table().erase(name); }

void clear() { table().clear(); }

}  // namespace host::config
