#include <fstream>

#include "host/config.h"
#include "host/text.h"

namespace host::config {

bool define(const std::string& definition) {
  const auto eq = definition.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  set(text::fromUtf8(definition.substr(0, eq)), text::fromUtf8(definition.substr(eq + 1)));
  return true;
}

bool loadFile(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "fichier de configuration illisible : " + path;
    return false;
  }
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    if (!define(line.substr(start))) {
      error = path + ", ligne " + std::to_string(n) + " : NOM=VALEUR attendu";
      return false;
    }
  }
  return true;
}

}  // namespace host::config
