#include "host/design_file.h"

#include "host/paths.h"

namespace fs = boost::filesystem;

namespace host {

DesignFile::DesignFile() = default;

std::optional<DesignFile> DesignFile::load(const fs::path& path, std::string* error) {
  try {
    auto text = paths::readBytes(path, kReadPadding);
    if (!text) {
      if (error) *error = "cannot read " + path.string();
      return std::nullopt;
    }
    return parseFileBytes(*text, path, error);
  } catch (const std::exception& bad) {
    if (error) *error = bad.what();
    return std::nullopt;
  }
}

bool DesignFile::save(const fs::path& path, std::string* error) const {
  try {
    return paths::writeReplacing(path, toJson(), error);
  } catch (const std::exception& bad) {
    if (error) *error = bad.what();
    return false;
  }
}

std::optional<LevelId> DesignFile::levelId(const std::wstring& name) const {
  for (const auto& l : levels)
    if (l.name == name) return l.id;
  return std::nullopt;
}

const Level* DesignFile::level(LevelId id) const {
  for (const auto& l : levels)
    if (l.id == id) return &l;
  return nullptr;
}

std::optional<LevelId> DesignFile::addLevel(const std::wstring& name, LevelId id) {
  if (levelId(name)) return std::nullopt;
  if (id == 0) {
    id = 1;
    for (const auto& l : levels) id = std::max(id, l.id + 1);
  } else if (level(id)) {
    return std::nullopt;
  }
  levels.push_back({id, name});
  return id;
}

std::int32_t DesignFile::lineStyleNumber(const std::wstring& name) const {
  for (const auto& s : lineStyles)
    if (s.name == name) return s.number;
  return kUnknownLineStyle;
}

std::wstring DesignFile::lineStyleName(std::int32_t number) const {
  for (const auto& s : lineStyles)
    if (s.number == number) return s.name;
  return {};
}

ElementId DesignFile::add(std::size_t model, Element e) {
  if (model >= models.size() || e.type == 0 || nextId_ == 0) return 0;
  e.id = nextId_++;
  e.filePosition = models[model].lastPosition() + 1;
  const ElementId id = e.id;
  models[model].append(std::move(e));
  return id;
}

std::optional<std::size_t> DesignFile::modelIndex(const std::wstring& name) const {
  for (std::size_t i = 0; i < models.size(); ++i)
    if (models[i].name() == name) return i;
  return std::nullopt;
}

namespace {
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

std::string toBase64(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::uint32_t b0 = bytes[i];
    const std::uint32_t b1 = i + 1 < bytes.size() ? bytes[i + 1] : 0;
    const std::uint32_t b2 = i + 2 < bytes.size() ? bytes[i + 2] : 0;
    const std::uint32_t n = (b0 << 16) | (b1 << 8) | b2;
    out.push_back(kBase64[(n >> 18) & 63]);
    out.push_back(kBase64[(n >> 12) & 63]);
    out.push_back(i + 1 < bytes.size() ? kBase64[(n >> 6) & 63] : '=');
    out.push_back(i + 2 < bytes.size() ? kBase64[n & 63] : '=');
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> fromBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    std::uint32_t n = 0;
    int padding = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const char c = text[i + k];
      int v;
      if (c == '=') {
        // Padding only at the very end, in the last two places.
        if (i + 4 != text.size() || k < 2) return std::nullopt;
        ++padding;
        v = 0;
      } else {
        if (padding) return std::nullopt;
        const char* p = c ? std::char_traits<char>::find(kBase64, 64, c) : nullptr;
        if (!p) return std::nullopt;
        v = static_cast<int>(p - kBase64);
      }
      n = (n << 6) | static_cast<std::uint32_t>(v);
    }
    out.push_back(static_cast<std::uint8_t>(n >> 16));
    if (padding < 2) out.push_back(static_cast<std::uint8_t>((n >> 8) & 0xFF));
    if (padding < 1) out.push_back(static_cast<std::uint8_t>(n & 0xFF));
  }
  return out;
}

}  // namespace host
