#include "host/paths.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <map>
#include <fstream>
#include <vector>

#include <boost/filesystem/operations.hpp>

#include "host/text.h"

namespace fs = boost::filesystem;

namespace host::paths {
namespace {

// A folder as listed: it is listed again when its times or identity changed, and while it was
// changed too recently for its times to tell a later change apart (file times are coarse).
struct Listing {
  struct stat stamp {};
  std::int64_t listedAt = 0;  // nanoseconds, real time
  std::vector<fs::path> names;
};

std::int64_t nanoseconds(const timespec& t) { return t.tv_sec * 1'000'000'000LL + t.tv_nsec; }

constexpr std::int64_t kSettled = 2'000'000'000;  // two seconds: the coarsest file times

std::uint64_t& listingCount() {
  static std::uint64_t n = 0;
  return n;
}

}  // namespace

const std::vector<fs::path>& entries(const fs::path& folder) {
  static std::map<std::string, Listing> listings;
  static const std::vector<fs::path> none;
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return none;
  Listing& l = listings[folder.string()];
  const bool same = l.listedAt != 0 && l.stamp.st_dev == st.st_dev && l.stamp.st_ino == st.st_ino &&
                    nanoseconds(l.stamp.st_mtim) == nanoseconds(st.st_mtim) &&
                    nanoseconds(l.stamp.st_ctim) == nanoseconds(st.st_ctim);
  if (same && l.listedAt - nanoseconds(st.st_mtim) > kSettled) return l.names;
  ++listingCount();
  timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  l.stamp = st;
  l.listedAt = nanoseconds(now);
  l.names.clear();
  boost::system::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) l.names.push_back(it->path().filename());
  std::sort(l.names.begin(), l.names.end());
  return l.names;
}

std::uint64_t listings() { return listingCount(); }

namespace {

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
  std::wstring slashed = path;
  std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
  return fs::path(text::toUtf8(slashed));
}

std::wstring fromNative(const fs::path& path) { return text::fromUtf8(path.string()); }

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

namespace {

// Reads the whole regular file `path` into the buffer that `place` gives for its size (nullptr:
// that size is not taken).
template <class Place>
bool readWhole(const fs::path& path, Place&& place) {
  boost::system::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path.string(), std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  char* to = place(static_cast<std::size_t>(size));
  if (!to) return false;
  in.seekg(0);
  return size == 0 || static_cast<bool>(in.read(to, size));
}

}  // namespace

std::optional<std::string> readBytes(const fs::path& path, std::size_t padding) {
  try {
    std::string bytes;
    const bool read = readWhole(path, [&](std::size_t size) {
      bytes.reserve(size + padding);
      bytes.resize(size);
      return bytes.data();
    });
    if (!read) return std::nullopt;
    return bytes;
  } catch (...) {
    return std::nullopt;
  }
}

bool readBytesAgain(const fs::path& path, std::string& bytes) {
  try {
    return readWhole(path, [&](std::size_t size) { return size == bytes.size() ? bytes.data() : nullptr; });
  } catch (...) {
    return false;
  }
}

fs::path temporaryBeside(const fs::path& target) {
  constexpr std::size_t kNameMax = 255;
  constexpr std::size_t kAdded = 1 + 1 + 8 + 4;  // ".", ".", the digits, ".tmp"
  std::string name = target.filename().string();
  if (name.size() + kAdded > kNameMax) {
    std::size_t cut = kNameMax - kAdded;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;  // inside a UTF-8 sequence
    name.resize(cut);
  }
  const fs::path temporary("." + name + "." + fs::unique_path("%%%%%%%%").string() + ".tmp");
  return target.has_parent_path() ? target.parent_path() / temporary : temporary;
}

bool writeReplacing(const fs::path& target, std::string_view bytes, std::string* error) {
  const fs::path temp = temporaryBeside(target);
  {
    std::ofstream out(temp.string(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      boost::system::error_code ignored;
      fs::remove(temp, ignored);
      if (error) *error = "cannot write " + temp.string();
      return false;
    }
  }
  boost::system::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    boost::system::error_code ignored;
    fs::remove(temp, ignored);
    if (error) *error = "cannot replace " + target.string() + ": " + ec.message();
    return false;
  }
  return true;
}

bool hasWriteBit(const fs::path& path) {
  boost::system::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (ec) return false;
  return (st.permissions() & (fs::owner_write | fs::group_write | fs::others_write)) != 0;
}

bool isTemporaryName(const std::string& name) {
  const auto hexadecimal = [&name](std::size_t from) {
    return from + 8 <= name.size() &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                       name.begin() + static_cast<std::ptrdiff_t>(from + 8),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
  };
  const std::string suffix = ".tmp";
  if (name.size() > 1 + 1 + 8 + 4 && name[0] == '.' &&
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 && name[name.size() - 13] == '.' &&
      hexadecimal(name.size() - 12))
    return true;
  const std::string legacy = ".tmp-";
  return name.size() > legacy.size() + 8 && name.compare(name.size() - 13, legacy.size(), legacy) == 0 &&
         hexadecimal(name.size() - 8);
}

fs::path resolveForWriting(const std::wstring& path) {
  fs::path native = toNative(path);
  if (!native.has_parent_path()) return native;
  fs::path folder = resolve(fromNative(native.parent_path()));
  return folder / native.filename();
}

}  // namespace host::paths
