#pragma once
// Runs the host's shell as a user would, from the tests of the application.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace shell_lancer {

// Runs `commande` with a shell, stderr joined to stdout; its output in `sortie` and its exit
// status (-1 when it could not run or did not exit).
inline int lancer(const std::string& commande, std::string& sortie) {
  FILE* tube = popen((commande + " 2>&1").c_str(), "r");
  if (!tube) return -1;
  char tampon[512];
  while (std::fgets(tampon, sizeof tampon, tube)) sortie += tampon;
  const int statut = pclose(tube);
  return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

// Runs a script of the application's on a delivery folder laid out as the demo's (Livraison,
// Parametres and Travail under `racine`), from that root, the folder picker's first answer
// queued before the plug-in loads; the shell's exit status. `environnement` ("NOM=valeur ...")
// is given to the shell's process.
inline int lancerSurDossier(const std::string& racine, const std::string& script, std::string& sortie,
                            const std::string& environnement = "") {
  return lancer("cd '" + racine + "' && " + environnement + (environnement.empty() ? "" : " ") + CADHOST_SHELL_PATH + " --cfg TOLVEK_RACINE=" + racine + "/Travail" +
                    " --cfg TOLVEK_PARAM=" + racine + "/Parametres" + " -c 'pick Livraison' -c 'load " +
                    TOLVEK_PLUGIN_PATH + "' " + script,
                sortie);
}

// The bytes of a file the run wrote; empty when it is missing.
inline std::string lire(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream octets;
  octets << f.rdbuf();
  return octets.str();
}

// The steps of a script's output, each from its "== n" line (echo == n ...) to the next.
inline std::map<int, std::string> etapes(const std::string& sortie) {
  std::map<int, std::string> parts;
  std::size_t debut = sortie.find("== ");
  while (debut != std::string::npos) {
    const std::size_t suivant = sortie.find("\n== ", debut);
    const std::size_t fin = suivant == std::string::npos ? sortie.size() : suivant + 1;
    parts[std::atoi(sortie.c_str() + debut + 3)] = sortie.substr(debut, fin - debut);
    debut = suivant == std::string::npos ? std::string::npos : suivant + 1;
  }
  return parts;
}

}  // namespace shell_lancer
