#pragma once
// Paths of the platform. The system names files with wide strings and upper-cases whole paths,
// as its original platform ignores case; ours does not. Every place that reaches an existing file
// or folder resolves its path with resolve(): a path that does not exist as written is matched
// component by component without regard to case (ASCII and Latin-1 letters), taking the first
// match in name order. Wide strings map to native bytes as UTF-8.
#include <cstdint>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include <boost/filesystem/path.hpp>

namespace host::paths {

// Wide path to a native path (UTF-8 bytes); "\" separators become "/". A path holding a null
// character names nothing: the result is empty.
boost::filesystem::path toNative(const std::wstring& path);

// Native path (UTF-8 bytes, invalid sequences read as ISO 8859-1) to a wide string.
std::wstring fromNative(const boost::filesystem::path& path);

// The existing file or folder that `path` names without regard to case, or `path` itself
// (as a native path) when nothing matches. Never throws.
boost::filesystem::path resolve(const std::wstring& path);

// Where a file about to be written goes: its folder resolved as above, under the name given.
boost::filesystem::path resolveForWriting(const std::wstring& path);

// A fresh name beside `target` for a file written whole and then renamed over it:
// "." + name + "." + 8 hexadecimal digits + ".tmp", the name cut at a character boundary when
// needed so that the whole stays within the file system's 255 bytes of a name.
boost::filesystem::path temporaryBeside(const boost::filesystem::path& target);

// Writes `bytes` as the whole file `target`: into a temporary file beside it, renamed over it, so
// that the target is replaced only by a complete file. False, the target as it was and the
// temporary file removed, on failure, with the reason in `error` (when given).
bool writeReplacing(const boost::filesystem::path& target, std::string_view bytes, std::string* error = nullptr);

// Whether a file or folder has a write bit for anyone: read-only is the mode bits, as the machines
// run as root (access() cannot tell). False when it cannot be read.
bool hasWriteBit(const boost::filesystem::path& path);

// Whether a file name is one that temporaryBeside gives, or the form "<name>.tmp-" + 8
// hexadecimal digits that design files were once saved through: a writer's own leftover when a
// run was killed between writing and renaming.
bool isTemporaryName(const std::string& name);

// The whole content of a regular file, read in one piece; nothing when it cannot be read. With
// `padding`, that many more bytes are allocated after the content (readable, not part of it).
std::optional<std::string> readBytes(const boost::filesystem::path& path, std::size_t padding = 0);

// Reads the whole file again into `bytes`, which readBytes gave for it, in place: false, `bytes`
// then unspecified, when it can no longer be read or its size changed.
bool readBytesAgain(const boost::filesystem::path& path, std::string& bytes);

// The names of a folder's entries, in name order (empty when it cannot be listed). A folder is
// listed once and listed again only when it changed (reference valid until the next call).
const std::vector<boost::filesystem::path>& entries(const boost::filesystem::path& folder);

// Folders listed by entries() since the start.
std::uint64_t listings();

// Equal without regard to case, folding ASCII and Latin-1 letters.
bool equalNoCase(const std::wstring& a, const std::wstring& b);

// Upper case of one character, ASCII and Latin-1 letters only (ÿ and ß stay as they are).
wchar_t upper(wchar_t c);

// Lower case of one character, ASCII and Latin-1 letters only.
wchar_t lower(wchar_t c);

}  // namespace host::paths
