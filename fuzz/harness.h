#pragma once
// What every harness shares. A harness is one function that libFuzzer, or the replay driver of
// the normal build, calls with each input; it writes only under its process's temporary folder,
// keeps no clock or randomness of its own and hands every input to its reader, whose status it
// ignores: a crash, a sanitizer report, an exception out or a hang is the only fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// The process's own folder under the system's temporary directory, made at its first use and
// removed with everything in it when the process ends normally. Ends with "/".
const std::wstring& dossierTemporaire();

// The input as bytes.
inline std::string_view octets(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input as UTF-16 units (a trailing odd byte is dropped), joined into wide text as the
// platform's clipboard and wide strings give it: unpaired surrogates and NUL units kept.
std::wstring texteUtf16(const std::uint8_t* data, std::size_t size);

// Writes the bytes as the whole file (made or replaced, its folders made). False when it could not
// be written.
bool ecrire(const std::wstring& chemin, std::string_view contenu);

// Removes a file or a folder with everything in it; nothing when it is not there.
void supprimer(const std::wstring& chemin);

// Removes everything inside a folder, the folder itself kept.
void vider(const std::wstring& dossier);

}  // namespace fuzz
