#pragma once
// Runs the host's shell as a user would, from the tests of the application.
#include <cstdio>
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

}  // namespace shell_lancer
