// The replay driver of the normal build: `fuzz_rejouer <harness> FOLDER...` runs the harness once
// on every file of the folders (or files) given, in name order, under the build's sanitizers. It
// fails when they hold no input at all, when an exception leaves the harness, or when anything
// was written in its working directory, in the folders it read or beside the harness's temporary
// folder.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "fuzz/harness.h"

// The harnesses linked in (made by fuzz/CMakeLists.txt), ended by a null name.
struct fuzz_harnais {
  const char* nom;
  int (*entree)(const std::uint8_t*, std::size_t);
};
extern const fuzz_harnais fuzz_tableHarnais[];

namespace {

namespace fs = boost::filesystem;

// Every file below a folder, with its size and time: what a harness must leave as it was.
using Etat = std::map<std::string, std::pair<std::uintmax_t, std::time_t>>;

void releve(Etat& etat, const fs::path& racine, const fs::path& exclu) {
  boost::system::error_code ec;
  if (!fs::is_directory(racine, ec)) return;
  for (fs::recursive_directory_iterator it(racine, ec), fin; !ec && it != fin; it.increment(ec)) {
    if (!exclu.empty() && it->path() == exclu) {
      it.disable_recursion_pending();
      continue;
    }
    const bool fichier = fs::is_regular_file(it->path(), ec);
    etat[it->path().string()] = {fichier ? fs::file_size(it->path(), ec) : 0, fs::last_write_time(it->path(), ec)};
  }
}

std::vector<fs::path> entrees(const fs::path& chemin) {
  std::vector<fs::path> fichiers;
  boost::system::error_code ec;
  if (fs::is_regular_file(chemin, ec)) return {chemin};
  for (fs::recursive_directory_iterator it(chemin, ec), fin; !ec && it != fin; it.increment(ec))
    if (fs::is_regular_file(it->path(), ec)) fichiers.push_back(it->path());
  std::sort(fichiers.begin(), fichiers.end());
  return fichiers;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path travail = fs::current_path();  // a harness may make its own folder the current one
  const fuzz_harnais* harnais = fuzz_tableHarnais;
  while (harnais->nom && (argc < 2 || std::string(argv[1]) != harnais->nom)) ++harnais;
  if (!harnais->nom) {
    std::cerr << "usage : fuzz_rejouer <harnais> <dossier ou fichier>...\nharnais :";
    for (const fuzz_harnais* h = fuzz_tableHarnais; h->nom; ++h) std::cerr << ' ' << h->nom;
    std::cerr << '\n';
    return 2;
  }
  std::vector<fs::path> fichiers, dossiers;
  for (int i = 2; i < argc; ++i) {
    dossiers.emplace_back(argv[i]);
    const auto trouves = entrees(argv[i]);
    fichiers.insert(fichiers.end(), trouves.begin(), trouves.end());
  }
  if (fichiers.empty()) {
    std::cerr << "aucune entrée à rejouer\n";
    return 1;
  }
  // The harness's folder, and beside it the rest of the temporary directory when the test gave
  // the process one of its own (TMPDIR): the shared one changes under other processes.
  const fs::path temporaire = fs::path(fuzz::dossierTemporaire()).parent_path();
  const char* tmpdir = std::getenv("TMPDIR");
  Etat avant, apres;
  const auto relever = [&](Etat& etat) {
    releve(etat, travail, temporaire);
    if (tmpdir && *tmpdir) releve(etat, temporaire.parent_path(), temporaire);
    for (const fs::path& d : dossiers) releve(etat, d, {});
  };
  relever(avant);
  for (const fs::path& f : fichiers) {
    std::ifstream in(f.string(), std::ios::binary);
    const std::vector<char> contenu{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
      harnais->entree(reinterpret_cast<const std::uint8_t*>(contenu.data()), contenu.size());
    } catch (...) {
      std::cerr << f.string() << " : une exception est sortie du lecteur\n";
      return 1;
    }
  }
  relever(apres);
  if (avant != apres) {
    for (const auto& [chemin, valeur] : apres)
      if (!avant.count(chemin) || avant[chemin] != valeur) std::cerr << "écrit : " << chemin << '\n';
    for (const auto& [chemin, valeur] : avant)
      if (!apres.count(chemin)) std::cerr << "supprimé : " << chemin << '\n';
    return 1;
  }
  std::cout << fichiers.size() << " entrées rejouées\n";
  return 0;
}
