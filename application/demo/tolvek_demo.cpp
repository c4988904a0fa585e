// tolvek_demo <dossier>: writes the demo delivery folder <dossier>/Livraison (Livre and Origine)
// and its parameter folder <dossier>/Parametres, replacing those two folders and nothing else.
// Prints the two paths, one a line; exit status 0, or 1 with a French message on stderr.
#include <cstdio>
#include <exception>
#include <string>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "host/paths.h"
#include "host/text.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fputs("usage : tolvek_demo <dossier>\n", stderr);
    return 1;
  }
  try {
    boost::system::error_code ec;
    boost::filesystem::create_directories(argv[1], ec);
    const boost::filesystem::path racine = boost::filesystem::canonical(argv[1], ec);  // no "." nor trailing "/"
    if (ec || !boost::filesystem::is_directory(racine)) {
      std::fprintf(stderr, "Impossible de cr\u00e9er le dossier %s.\n", argv[1]);
      return 1;
    }
    plan_fixture::CheminsDemo chemins;
    std::wstring message;
    if (!plan_fixture::ecrireDemo(host::paths::fromNative(racine), chemins, message)) {
      std::fprintf(stderr, "%s\n", host::text::toUtf8(message).c_str());
      return 1;
    }
    std::printf("%s\n%s\n", host::text::toUtf8(chemins.livraison).c_str(), host::text::toUtf8(chemins.parametres).c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Erreur inattendue : %s\n", e.what());
    return 1;
  }
}
