#pragma once
// Configuration variables of the host: set by the shell (--cfg NAME=VALUE, --cfg-file),
// then looked up in the process environment. A variable defined with an empty value is
// defined; only a variable that is neither set nor in the environment is undefined.
#include <cstdint>
#include <optional>
#include <string>

namespace host::config {

// The value of a variable, or nothing when it is undefined.
std::optional<std::wstring> get(const std::wstring& name);

// A size in bytes from a variable holding a whole number of megabytes (1 to 999999999):
// `fallbackMegabytes` megabytes when it is undefined, empty, 0 or not such a number.
std::uint64_t megabytes(const std::wstring& name, std::uint64_t fallbackMegabytes);

// Defines (or redefines) a variable for this process; it hides the environment's.
void set(const std::wstring& name, const std::wstring& value);

// Forgets a variable set with set(); the environment's value, if any, shows again.
void unset(const std::wstring& name);

// Forgets every variable set with set() (tests).
void clear();

// A definition "NAME=VALUE" (UTF-8) of the shell's --cfg and of a configuration file: sets the
// variable. False, and nothing set, when there is no "=" or no name before it.
bool define(const std::string& definition);

// A configuration file (--cfg-file): one definition a line (UTF-8); blank lines and lines whose
// first character past the blanks is "#" are passed over, a carriage return before a line end
// is dropped. False when the file cannot be read or at the first line that is no definition,
// with `error` saying why (French); the lines before it stay set.
bool loadFile(const std::string& path, std::string& error);

}  // namespace host::config
