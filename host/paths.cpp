#include "host/paths.h"

#include <algorithm>
#include <vector>

#include <boost/filesystem/operations.hpp>

namespace fs = boost::filesystem;

namespace host::paths {
namespace {

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string toUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    auto c = static_cast<char32_t>(w);
    if (c == U'\\') c = U'/';
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = U'_';
    appendUtf8(out, c);
  }
  return out;
}

std::wstring fromUtf8(const std::string& bytes) {
  std::wstring out;
  size_t i = 0;
  while (i < bytes.size()) {
    auto b = static_cast<unsigned char>(bytes[i]);
    int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
    bool valid = b < 0x80 || extra > 0;
    if (extra > 0 && i + extra < bytes.size()) {
      for (int k = 1; k <= extra; ++k) {
        auto n = static_cast<unsigned char>(bytes[i + k]);
        if ((n & 0xC0) != 0x80) { valid = false; break; }
        c = (c << 6) | (n & 0x3F);
      }
    } else if (extra > 0) {
      valid = false;
    }
    if (valid) {
      out.push_back(static_cast<wchar_t>(c));
      i += 1 + extra;
    } else {
      out.push_back(static_cast<wchar_t>(b));  // stray byte: ISO 8859-1
      i += 1;
    }
  }
  return out;
}

// The entries of a folder in name order (empty when it cannot be listed).
std::vector<fs::path> entries(const fs::path& folder) {
  std::vector<fs::path> names;
  boost::system::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) names.push_back(it->path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

bool present(const fs::path& p) {
  boost::system::error_code ec;
  return fs::exists(fs::symlink_status(p, ec)) && !ec;
}

}  // namespace

wchar_t upper(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
  return c;
}

wchar_t lower(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  return c;
}

bool equalNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

fs::path toNative(const std::wstring& path) {
  // The system calls would stop at a null character and reach another file: such a path names nothing.
  if (path.find(L'\0') != std::wstring::npos) return fs::path();
  return fs::path(toUtf8(path));
}

std::wstring fromNative(const fs::path& path) { return fromUtf8(path.string()); }

fs::path resolve(const std::wstring& path) {
  fs::path native = toNative(path);
  try {
    if (native.empty() || present(native)) return native;
    fs::path current = native.has_root_directory() ? native.root_path() : fs::path();
    bool matched = true;
    for (const fs::path& piece : native.relative_path()) {
      if (!matched || piece == "." || piece == "..") {
        current /= piece;
        continue;
      }
      fs::path exact = current / piece;
      if (present(exact)) {
        current = exact;
        continue;
      }
      const std::wstring wanted = fromNative(piece);
      matched = false;
      for (const fs::path& name : entries(current.empty() ? fs::path(".") : current)) {
        if (equalNoCase(fromNative(name), wanted)) {
          current /= name;
          matched = true;
          break;
        }
      }
      if (!matched) current /= piece;
    }
    return current;
  } catch (...) {
    return native;
  }
}

fs::path resolveForWriting(const std::wstring& path) {
  fs::path native = toNative(path);
  if (!native.has_parent_path()) return native;
  fs::path folder = resolve(fromNative(native.parent_path()));
  return folder / native.filename();
}

}  // namespace host::paths
