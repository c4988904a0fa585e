#include "toolbox/stb_fichier.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string_view>

#include <boost/filesystem/operations.hpp>
#include <boost/regex.hpp>

#include "host/paths.h"
#include "toolbox/stb_latin1.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace fs = boost::filesystem;

namespace {

constexpr int kEchec = 0x8000;

// The toolbox's failures are told quietly (mode -1) unless the caller asks otherwise.
void signaler(const std::wstring& message, int mode = -1) noexcept {
  try {
    stbMsg_afficher(mode, L"", message);
  } catch (...) {
  }
}

// A path holding a null character would be cut short by the system calls and reach another
// file: it names nothing.
bool nomme(const std::wstring& chemin) { return !chemin.empty() && chemin.find(L'\0') == std::wstring::npos; }

bool estSeparateur(wchar_t c) { return c == L'/' || c == L'\\'; }

// The folder part and the name part of a path, cut at its last separator.
void couper(const std::wstring& chemin, std::wstring& dossier, std::wstring& nom) {
  const size_t p = chemin.find_last_of(L"/\\");
  if (p == std::wstring::npos) {
    dossier.clear();
    nom = chemin;
    return;
  }
  size_t fin = p;  // a run of separators counts as one, except for the root
  while (fin > 0 && estSeparateur(chemin[fin - 1])) --fin;
  std::wstring d = chemin.substr(0, fin == 0 ? 1 : fin);
  nom = chemin.substr(p + 1);
  dossier = std::move(d);
}

// Stem and extension (without its ".") of a file name; "." and ".." have no extension.
void tigeEtExtension(const std::wstring& nom, std::wstring& tige, std::wstring& extension) {
  const size_t p = nom.rfind(L'.');
  if (p == std::wstring::npos || nom == L"." || nom == L"..") {
    tige = nom;
    extension.clear();
    return;
  }
  extension = nom.substr(p + 1);
  tige = nom.substr(0, p);
}

fs::file_type typeDe(const fs::path& p) {
  boost::system::error_code ec;
  const fs::file_status s = fs::status(p, ec);
  return ec ? fs::file_not_found : s.type();
}

// A fresh name beside `cible` for a file that will be renamed over it.
fs::path cheminProvisoire(const fs::path& cible) { return host::paths::temporaryBeside(cible); }

// An existing file that nobody may write (no write bit): it is not replaced, as on a platform
// where such a file cannot be opened for writing.
bool protegee(const fs::path& p) {
  boost::system::error_code ec;
  const fs::file_status s = fs::status(p, ec);
  return !ec && s.type() == fs::regular_file &&
         (s.permissions() & (fs::owner_write | fs::group_write | fs::others_write)) == 0;
}

// Copies the bytes of `de` into the new file `vers` with a plain read and write: the copy that
// works across file systems, where the kernel's copy refuses (EXDEV).
bool copierOctets(const fs::path& de, const fs::path& vers) {
  const auto octets = host::paths::readBytes(de);
  if (!octets) return false;
  std::ofstream flux(vers.string(), std::ios::binary | std::ios::trunc);
  if (!flux) return false;
  flux.write(octets->data(), static_cast<std::streamsize>(octets->size()));
  flux.close();
  return static_cast<bool>(flux);
}

// Where a file is written: an existing file found without regard to case is the one replaced or
// appended to, as on a platform that ignores case; a new file goes into its folder found the
// same way, under the name given.
fs::path cibleEcriture(const std::wstring& chemin) {
  const fs::path existant = host::paths::resolve(chemin);
  return typeDe(existant) == fs::regular_file ? existant : host::paths::resolveForWriting(chemin);
}

void effacer(const fs::path& p) noexcept {
  boost::system::error_code ec;
  fs::remove(p, ec);
}

std::wstring formaterHeure(const std::time_t t, const char* format) {
  std::tm local{};
  char tampon[80] = {0};
  if (!localtime_r(&t, &local) || std::strftime(tampon, sizeof tampon, format, &local) == 0) tampon[0] = 0;
  std::wstring sortie;
  return stbStr_versLarge(sortie, tampon);
}

}  // namespace

bool stbFichier_existe(const std::wstring& chemin) {
  try {
    if (nomme(chemin) && typeDe(host::paths::resolve(chemin)) == fs::regular_file) return true;
    signaler(stbStr_toString(L"Fichier %s introuvable.", chemin));
  } catch (...) {
  }
  return false;
}

bool stbFichier_lectureSeule(const std::wstring& chemin) {
  try {
    return nomme(chemin) && protegee(host::paths::resolve(chemin));
  } catch (...) {
    return false;
  }
}

bool stbFichier_dossierExiste(const std::wstring& chemin) {
  try {
    if (nomme(chemin) && typeDe(host::paths::resolve(chemin)) == fs::directory_file) return true;
    signaler(stbStr_toString(L"R\u00e9pertoire %s introuvable.", chemin));
  } catch (...) {
  }
  return false;
}

const std::wstring& stbFichier_cheminSurDisque(std::wstring& sortie, const std::wstring& chemin) {
  try {
    const fs::path p = nomme(chemin) ? host::paths::resolve(chemin) : fs::path();
    sortie = !p.empty() && typeDe(p) != fs::file_not_found ? host::paths::fromNative(p) : chemin;
  } catch (...) {
    sortie = chemin;
  }
  return sortie;
}

int stbFichier_creerDossier(const std::wstring& chemin) {
  if (chemin.empty()) return kEchec;
  try {
    if (!nomme(chemin)) throw std::invalid_argument("null character");
    const fs::path p = host::paths::resolve(chemin);
    if (typeDe(p) == fs::directory_file) return 0;
    fs::create_directories(p);
    if (typeDe(p) == fs::directory_file) return 0;
  } catch (...) {
  }
  signaler(stbStr_toString(L"Impossible de cr\u00e9er le r\u00e9pertoire %s.", chemin));
  return kEchec;
}

const std::wstring& stbFichier_nom(std::wstring& sortie, const std::wstring& chemin) {
  try {
    std::wstring dossier;
    couper(chemin, dossier, sortie);
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

void stbFichier_decomposer(std::wstring& dossier, std::wstring& nom, std::wstring& extension,
                           const std::wstring& chemin) {
  try {
    std::wstring d, complet, tige, ext;
    couper(chemin, d, complet);
    tigeEtExtension(complet, tige, ext);
    dossier = std::move(d);
    nom = std::move(tige);
    extension = std::move(ext);
  } catch (...) {
    dossier.clear();
    nom.clear();
    extension.clear();
  }
}

const std::wstring& stbFichier_nomSansExtension(std::wstring& sortie, const std::wstring& chemin) {
  std::wstring dossier, extension;
  stbFichier_decomposer(dossier, sortie, extension, chemin);
  return sortie;
}

const std::wstring& stbFichier_extension(std::wstring& sortie, const std::wstring& chemin) {
  std::wstring dossier, nom;
  stbFichier_decomposer(dossier, nom, sortie, chemin);
  return sortie;
}

const std::wstring& stbFichier_composer(std::wstring& sortie, const std::wstring& dossier, const std::wstring& nom,
                                        const std::wstring& extension, const std::wstring& cheminModele) {
  try {
    std::wstring dossierModele, nomModele, extModele;
    if (!cheminModele.empty()) stbFichier_decomposer(dossierModele, nomModele, extModele, cheminModele);

    std::wstring d = dossier.empty() ? dossierModele : dossier;
    const bool separer = !d.empty();  // the root "/" keeps its one separator
    if (!d.empty() && estSeparateur(d.back())) d.pop_back();

    std::wstring n = nomModele, extNom;
    if (!nom.empty()) {
      std::wstring ignore, tige;
      stbFichier_decomposer(ignore, tige, extNom, nom);
      if (!tige.empty()) n = tige;
    }

    std::wstring e = !extension.empty() ? extension : !extNom.empty() ? extNom : extModele;
    if (!e.empty() && e[0] != L'.') e.insert(0, 1, L'.');

    std::wstring resultat = separer ? d + L"/" : std::wstring();
    resultat += n;
    resultat += e;
    sortie = std::move(resultat);
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

int stbFichier_cheminTemporaire(std::wstring& sortie, const std::wstring& nom) {
  sortie.clear();
  try {
    boost::system::error_code ec;
    const fs::path dossier = fs::temp_directory_path(ec);
    if (!ec) {
      sortie = host::paths::fromNative(dossier);
      if (!nom.empty()) {
        const std::wstring temp = sortie;
        stbFichier_composer(sortie, temp, nom, L"", L"");
      }
      return 0;
    }
  } catch (...) {
  }
  sortie.clear();
  signaler(L"Impossible de cr\u00e9er un fichier dans le r\u00e9pertoire temporaire.", 4);
  return kEchec;
}

int stbFichier_copier(const std::wstring& source, const std::wstring& cible, int modeMessage) {
  try {
    const fs::path de = host::paths::resolve(source);
    const fs::path vers = cibleEcriture(cible);
    boost::system::error_code ec;
    const bool memeFichier = fs::exists(vers, ec) && fs::equivalent(de, vers, ec) && !ec;
    if (nomme(source) && nomme(cible) && typeDe(de) == fs::regular_file && !memeFichier) {
      const fs::path provisoire = cheminProvisoire(vers);
      fs::copy_file(de, provisoire, fs::copy_option::fail_if_exists, ec);
      bool copie = !ec;
      if (!copie) {
        effacer(provisoire);
        copie = copierOctets(de, provisoire);
      }
      if (copie) {
        fs::rename(provisoire, vers, ec);
        if (!ec) return 0;
      }
      effacer(provisoire);
    }
  } catch (...) {
  }
  signaler(stbStr_toString(L"Impossible de copier le fichier %s en %s.", source, cible), modeMessage);
  return kEchec;
}

int stbFichier_supprimerProvisoires(const std::wstring& dossier) {
  int supprimes = 0;
  try {
    if (!nomme(dossier)) return 0;
    boost::system::error_code ec;
    for (fs::directory_iterator it(host::paths::resolve(dossier), ec), fin; !ec && it != fin; it.increment(ec)) {
      boost::system::error_code ecType;
      if (fs::symlink_status(it->path(), ecType).type() != fs::regular_file || ecType) continue;
      if (!host::paths::isTemporaryName(it->path().filename().string())) continue;
      boost::system::error_code ecSuppression;
      if (fs::remove(it->path(), ecSuppression) && !ecSuppression) ++supprimes;
    }
  } catch (...) {
  }
  return supprimes;
}

int stbFichier_attributsNormaux(const std::wstring& chemin) {
  try {
    if (!nomme(chemin)) return kEchec;
    const fs::path p = host::paths::resolve(chemin);
    if (typeDe(p) != fs::regular_file) return kEchec;
    boost::system::error_code ec;
    fs::permissions(p, fs::add_perms | fs::owner_write, ec);
    if (!ec) return 0;
  } catch (...) {
  }
  return kEchec;
}

int stbFichier_supprimer(const std::wstring& chemin) {
  try {
    if (chemin.empty()) return 0;  // nothing to remove
    boost::system::error_code ec;
    if (nomme(chemin)) fs::remove(host::paths::resolve(chemin), ec);
    if (nomme(chemin) && !ec) return 0;
  } catch (...) {
  }
  signaler(stbStr_toString(L"Impossible de supprimer le fichier %s.", chemin));
  return kEchec;
}

const std::vector<std::wstring>& stbFichier_lister(std::vector<std::wstring>& sortie, const std::wstring& dossier,
                                                   const std::wstring& masque) {
  sortie.clear();
  // Pairs of the upper-cased name (the sort key) and the full path.
  std::vector<std::pair<std::wstring, std::wstring>> trouves;
  try {
    std::wstring motif;
    stbStr_masqueVersRegex(motif, masque);
    const boost::wregex expression(motif);
    if (!nomme(dossier)) throw std::invalid_argument("no folder");
    const fs::path racine = host::paths::resolve(dossier);
    boost::system::error_code ec;
    if (!fs::is_directory(racine, ec)) fs::directory_iterator refus(racine);  // throws the reason
    // The host lists a folder once while it does not change.
    for (const fs::path& entree : host::paths::entries(racine)) {
      const fs::path natif = racine / entree;
      if (fs::status(natif, ec).type() != fs::regular_file || ec) continue;
      const std::wstring nom = host::paths::fromNative(entree);
      if (!masque.empty() && !boost::regex_match(nom, expression)) continue;
      // A listed path names the entry listed: a name whose characters would read as separators
      // (a "\" in a Linux name) or as another name is left out, never turned into another path.
      const std::wstring chemin = host::paths::fromNative(natif);
      if (nom.find(L'\\') != std::wstring::npos || !fs::equivalent(host::paths::resolve(chemin), natif, ec) || ec)
        continue;
      std::wstring cle = nom;
      stbStr_majuscules(cle);
      trouves.emplace_back(std::move(cle), chemin);
    }
  } catch (const std::exception& e) {
    std::cout << e.what() << std::endl;
  } catch (...) {
  }
  try {
    std::stable_sort(trouves.begin(), trouves.end(),
                     [](const auto& a, const auto& b) { return stbStr_comparer(a.first, b.first, true) < 0; });
    for (auto& t : trouves) sortie.push_back(std::move(t.second));
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

const std::vector<std::wstring>& stbFichier_lireLignes(std::vector<std::wstring>& sortie, const std::wstring& chemin) {
  sortie.clear();
  try {
    if (!stbFichier_existe(chemin)) return sortie;
    std::ifstream flux(host::paths::resolve(chemin).string(), std::ios::binary);
    std::string ligne;
    while (std::getline(flux, ligne)) {
      if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();  // a CR LF line end
      sortie.push_back(stbLatin1_decoder(ligne));
    }
  } catch (...) {
    // Memory exhausted by a huge file: what was read is kept.
  }
  return sortie;
}

int stbFichier_ecrireLignes(const std::wstring& chemin, const std::vector<std::wstring>& lignes) {
  try {
    std::string octets;
    for (const std::wstring& ligne : lignes) {
      octets += stbLatin1_encoder(ligne);
      octets += '\n';
    }
    if (!nomme(chemin)) return kEchec;
    const fs::path cible = cibleEcriture(chemin);
    if (!protegee(cible) && host::paths::writeReplacing(cible, octets)) return 0;
  } catch (...) {
  }
  return kEchec;
}

int stbFichier_ajouterLigne(const std::wstring& chemin, const std::wstring& ligne) {
  try {
    if (!nomme(chemin)) return kEchec;
    const fs::path p = cibleEcriture(chemin);
    if (typeDe(p) == fs::directory_file) return kEchec;
    std::ofstream flux(p.string(), std::ios::binary | std::ios::app);
    if (!flux) return kEchec;
    const std::string octets = stbLatin1_encoder(ligne) + '\n';
    flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    flux.close();
    if (flux) return 0;
  } catch (...) {
  }
  return kEchec;
}

int stbFichier_dateModification(std::wstring* date, std::wstring* heure, int, const std::wstring& chemin) {
  try {
    if (date) date->clear();
    if (heure) heure->clear();
    if (!stbFichier_existe(chemin)) return kEchec;
    boost::system::error_code ec;
    const std::time_t t = fs::last_write_time(host::paths::resolve(chemin), ec);
    if (ec) return kEchec;
    if (date) *date = formaterHeure(t, "%d/%m/%Y");
    if (heure) *heure = formaterHeure(t, "%H:%M:%S");
    return 0;
  } catch (...) {
    return kEchec;
  }
}
