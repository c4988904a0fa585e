#include "fuzz/harness.h"

#include <unistd.h>

#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "host/paths.h"
#include "host/text.h"

namespace fuzz {

namespace fs = boost::filesystem;

namespace {

// Named after the process, so that parallel workers have one each; removed when the process ends.
struct Dossier {
  fs::path chemin = fs::temp_directory_path() / ("tolvek_fuzz_" + std::to_string(::getpid()));
  Dossier() {
    boost::system::error_code ec;
    fs::remove_all(chemin, ec);
    fs::create_directories(chemin);
  }
  ~Dossier() {
    boost::system::error_code ec;
    fs::remove_all(chemin, ec);
  }
};

}  // namespace

const std::wstring& dossierTemporaire() {
  static const Dossier dossier;
  static const std::wstring chemin = host::paths::fromNative(dossier.chemin) + L"/";
  return chemin;
}

std::wstring texteUtf16(const std::uint8_t* data, std::size_t size) {
  std::u16string unites(size / 2, u'\0');
  for (std::size_t i = 0; i < unites.size(); ++i)
    unites[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  return host::text::fromUtf16(unites);
}

bool ecrire(const std::wstring& chemin, std::string_view contenu) {
  const fs::path cible = host::paths::toNative(chemin);
  boost::system::error_code ec;
  fs::create_directories(cible.parent_path(), ec);
  return host::paths::writeReplacing(cible, contenu);
}

void supprimer(const std::wstring& chemin) {
  boost::system::error_code ec;
  fs::remove_all(host::paths::toNative(chemin), ec);
}

void vider(const std::wstring& dossier) {
  boost::system::error_code ec;
  std::vector<fs::path> contenu;
  for (fs::directory_iterator it(host::paths::toNative(dossier), ec), fin; !ec && it != fin; it.increment(ec))
    contenu.push_back(it->path());
  for (const fs::path& chemin : contenu) fs::remove_all(chemin, ec);
}

}  // namespace fuzz
