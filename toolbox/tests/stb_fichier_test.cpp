#include "toolbox/stb_fichier.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "host/messages.h"
#include "host/paths.h"
#include "host/text.h"

namespace {

namespace fs = boost::filesystem;
namespace msg = host::messages;
using Liste = std::vector<std::wstring>;

// A fresh folder per test, under the tests' working directory. CI runs as root, so failures are
// provoked with the wrong kind of file, never with permission bits.
class StbFichier : public ::testing::Test {
 protected:
  void SetUp() override {
    msg::clearLog();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    racine_ = fs::absolute(fs::path("stb_fichier") / info->name());
    fs::remove_all(racine_);
    fs::create_directories(racine_);
  }

  std::wstring chemin(const std::wstring& relatif) const {
    return host::paths::fromNative(racine_) + L"/" + relatif;
  }

  fs::path natif(const std::wstring& relatif) const { return host::paths::toNative(chemin(relatif)); }

  void ecrire(const std::wstring& relatif, const std::string& octets) const {
    fs::create_directories(natif(relatif).parent_path());
    std::ofstream(natif(relatif).string(), std::ios::binary) << octets;
  }

  std::string lire(const std::wstring& relatif) const {
    std::ifstream f(natif(relatif).string(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

  void dossier(const std::wstring& relatif) const { fs::create_directories(natif(relatif)); }

  // Names in a folder, to see that no temporary file was left behind.
  std::vector<std::string> contenu(const std::wstring& relatif = L"") const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(relatif.empty() ? racine_ : natif(relatif)))
      noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }

  fs::path racine_;
};

TEST_F(StbFichier, ExistenceTestsTellFilesFromFoldersAndIgnoreCase) {
  ecrire(L"Dossier/fichier.txt", "x");
  struct Case { std::wstring relatif; bool fichier, repertoire; const char* why; };
  const Case cases[] = {
      {L"Dossier/fichier.txt", true, false, "a file"},
      {L"Dossier", false, true, "a folder"},
      {L"DOSSIER/FICHIER.TXT", true, false, "upper-cased path"},
      {L"DOSSIER", false, true, "upper-cased folder"},
      {L"Dossier\\fichier.txt", true, false, "backslash separator"},
      {L"Dossier/absent.txt", false, false, "missing"},
      {L"Dossier/fichier.txt/x", false, false, "through a regular file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stbFichier_existe(chemin(c.relatif)), c.fichier) << c.why;
    EXPECT_EQ(stbFichier_dossierExiste(chemin(c.relatif)), c.repertoire) << c.why;
  }
  EXPECT_FALSE(stbFichier_existe(L""));
  EXPECT_FALSE(stbFichier_dossierExiste(L""));
  EXPECT_TRUE(msg::log().empty());  // quiet failures
}

TEST_F(StbFichier, CreerDossier) {
  ecrire(L"f.txt", "x");
  dossier(L"Existant");
  struct Case { std::wstring relatif; int res; std::wstring cree; const char* why; };
  const Case cases[] = {
      {L"Existant", 0, L"Existant", "already there"},
      {L"a/b/c", 0, L"a/b/c", "three missing levels"},
      {L"EXISTANT/neuf", 0, L"Existant/neuf", "into the folder found without case"},
      {L"f.txt", 0x8000, L"", "a regular file is in the way"},
      {L"f.txt/a/b", 0x8000, L"", "a path through a regular file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stbFichier_creerDossier(chemin(c.relatif)), c.res) << c.why;
    if (!c.cree.empty()) { EXPECT_TRUE(fs::is_directory(natif(c.cree))) << c.why; }
  }
  EXPECT_EQ(stbFichier_creerDossier(L""), 0x8000);
  EXPECT_TRUE(fs::is_regular_file(natif(L"f.txt")));
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbFichier, PiecesOfAPath) {
  struct Case { std::wstring chemin, nom, dossier, tige, extension; };
  const Case cases[] = {
      {L"a/b/P1.V2.dgn", L"P1.V2.dgn", L"a/b", L"P1.V2", L"dgn"},  // extension from the last point
      {L"C:\\x\\y.csv", L"y.csv", L"C:\\x", L"y", L"csv"},
      {L"a\\b/c.txt", L"c.txt", L"a\\b", L"c", L"txt"},
      {L"sans", L"sans", L"", L"sans", L""},
      {L"/P1.dgn", L"P1.dgn", L"/", L"P1", L"dgn"},
      {L"dir/", L"", L"dir", L"", L""},
      {L"d/.profil", L".profil", L"d", L"", L"profil"},
      {L"d/x.", L"x.", L"d", L"x", L""},
      {L"a//b", L"b", L"a", L"b", L""},
      {L"", L"", L"", L"", L""},
  };
  for (const Case& c : cases) {
    std::wstring nom = L"stale", d = L"stale", t = L"stale", e = L"stale";
    EXPECT_EQ(stbFichier_nom(nom, c.chemin), c.nom) << c.chemin.size();
    stbFichier_decomposer(d, t, e, c.chemin);
    EXPECT_EQ(d, c.dossier) << c.nom;
    EXPECT_EQ(t, c.tige) << c.nom;
    EXPECT_EQ(e, c.extension) << c.nom;
    EXPECT_EQ(stbFichier_nomSansExtension(nom, c.chemin), c.tige);
    EXPECT_EQ(stbFichier_extension(nom, c.chemin), c.extension);
  }
}

TEST_F(StbFichier, Composer) {
  struct Case { std::wstring dossier, nom, extension, modele, resultat; const char* why; };
  const Case cases[] = {
      {L"X/", L"", L"csv", L"/autre/P1.dgn", L"X/P1.csv", "no doubled separator, model stem, point added"},
      {L"X\\", L"", L"csv", L"/autre/P1.dgn", L"X/P1.csv", "a backslash ending too"},
      {L"", L"Trace.txt", L"", L"", L"Trace.txt", "no folder, the name's own extension"},
      {L"R", L"Trace.txt", L"", L"", L"R/Trace.txt", "separator inserted"},
      {L"R", L"B", L".csv", L"", L"R/B.csv", "extension with its point"},
      {L"R", L"Bilan.txt", L"csv", L"", L"R/Bilan.csv", "the extension argument wins"},
      {L"", L"", L"", L"/d/P1.dgn", L"/d/P1.dgn", "everything from the model"},
      {L"R", L"Bilan", L"", L"/d/P1.dgn", L"R/Bilan.dgn", "model extension"},
      {L"/", L"f", L"txt", L"", L"/f.txt", "the root keeps its separator"},
      {L"", L"", L"", L"", L"", "nothing"},
  };
  for (const Case& c : cases) {
    std::wstring sortie = L"stale";
    EXPECT_EQ(stbFichier_composer(sortie, c.dossier, c.nom, c.extension, c.modele), c.resultat) << c.why;
  }
}

TEST_F(StbFichier, CheminTemporaire) {
  const char* ancien = std::getenv("TMPDIR");
  const std::string garde = ancien ? ancien : "";
  ::setenv("TMPDIR", racine_.string().c_str(), 1);
  std::wstring sortie;
  EXPECT_EQ(stbFichier_cheminTemporaire(sortie, L""), 0);
  EXPECT_EQ(sortie, host::paths::fromNative(racine_));
  EXPECT_EQ(stbFichier_cheminTemporaire(sortie, L"x.tmp"), 0);
  EXPECT_EQ(sortie, host::paths::fromNative(racine_) + L"/x.tmp");
  EXPECT_TRUE(msg::log().empty());

  ecrire(L"fichier", "x");  // not a directory: the temporary directory is unusable
  ::setenv("TMPDIR", natif(L"fichier").string().c_str(), 1);
  EXPECT_EQ(stbFichier_cheminTemporaire(sortie, L"x.tmp"), 0x8000);
  EXPECT_EQ(sortie, L"");
  const auto log = msg::log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, msg::Kind::MessageList);
  EXPECT_EQ(log[0].brief, L"Impossible de cr\u00e9er un fichier dans le r\u00e9pertoire temporaire.");
  if (ancien) ::setenv("TMPDIR", garde.c_str(), 1); else ::unsetenv("TMPDIR");
}

TEST_F(StbFichier, CopierReplacesTheTargetOnlyWithACompleteCopy) {
  struct Case { std::wstring source, cible; int res; std::string cibleApres; const char* why; };
  const Case cases[] = {
      {L"src.txt", L"neuf.txt", 0, "source", "new target"},
      {L"src.txt", L"cible.txt", 0, "source", "existing target replaced"},
      {L"SRC.TXT", L"cible.txt", 0, "source", "source found without case"},
      {L"absent.txt", L"cible.txt", 0x8000, "ancienne", "missing source keeps the target"},
      {L"cible.txt", L"cible.txt", 0x8000, "ancienne", "onto itself"},
      {L"CIBLE.TXT", L"cible.txt", 0x8000, "ancienne", "onto itself through another case"},
      {L"rep", L"cible.txt", 0x8000, "ancienne", "a folder as source"},
      {L"src.txt", L"plein", 0x8000, "", "a non-empty folder as target"},
      {L"src.txt", L"manque/x.txt", 0x8000, "", "target folder missing"},
      {L"src.txt", L"src.txt/x.txt", 0x8000, "", "target through a regular file"},
  };
  for (const Case& c : cases) {
    fs::remove_all(racine_);
    ecrire(L"src.txt", "source");
    ecrire(L"cible.txt", "ancienne");
    ecrire(L"plein/f", "f");
    dossier(L"rep");
    const auto avant = contenu();
    EXPECT_EQ(stbFichier_copier(chemin(c.source), chemin(c.cible)), c.res) << c.why;
    if (!c.cibleApres.empty()) { EXPECT_EQ(lire(c.cible), c.cibleApres) << c.why; }
    if (c.res != 0) { EXPECT_EQ(contenu(), avant) << c.why << ": nothing left behind"; }
    EXPECT_EQ(lire(L"src.txt"), "source") << c.why;
  }
  EXPECT_TRUE(fs::is_regular_file(natif(L"plein/f")));
  EXPECT_TRUE(msg::log().empty());  // mode -1 by default
}

// A target on another file system (the tmpfs of /dev/shm beside the tests' folder): the kernel's
// copy may refuse across file systems, the plain copy does it, still through a renamed temporary.
TEST_F(StbFichier, CopierReachesAnotherFileSystem) {
  boost::system::error_code ec;
  const fs::path autre = fs::path("/dev/shm") / fs::unique_path("stb_fichier_%%%%%%%%");
  if (!fs::create_directory(autre, ec) || ec) GTEST_SKIP() << "no tmpfs at /dev/shm to copy to";
  struct Nettoyage {
    fs::path p;
    ~Nettoyage() {
      boost::system::error_code ignore;
      fs::remove_all(p, ignore);
    }
  } nettoyage{autre};
  struct stat a {}, b {};
  if (::stat(racine_.c_str(), &a) != 0 || ::stat(autre.c_str(), &b) != 0 || a.st_dev == b.st_dev)
    GTEST_SKIP() << "/dev/shm is on the tests' file system";
  ecrire(L"source.dgn", std::string(100000, 'p'));
  const std::wstring cible = host::paths::fromNative(autre / "Emprises.dgn");
  ASSERT_EQ(stbFichier_copier(chemin(L"source.dgn"), cible), 0);
  std::ifstream f((autre / "Emprises.dgn").string(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), std::string(100000, 'p'));
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(autre)) noms.push_back(e.path().filename().string());
  EXPECT_EQ(noms, std::vector<std::string>{"Emprises.dgn"});
  // and back from it
  ASSERT_EQ(stbFichier_copier(cible, chemin(L"retour.dgn")), 0);
  EXPECT_EQ(lire(L"retour.dgn"), std::string(100000, 'p'));
}

// Names of legal length can be written: the temporary name stays within the name limit.
TEST_F(StbFichier, NamesOfLegalLengthCanBeWritten) {
  for (const std::size_t longueur : {200u, 241u, 250u, 255u}) {
    const std::wstring nom = std::wstring(longueur - 4, L'n') + L".csv";
    const std::wstring accentue = std::wstring(longueur / 2 - 4, L'\u00e9') + L".csv";  // two bytes each
    for (const std::wstring& n : {nom, accentue}) {
      EXPECT_EQ(stbFichier_ecrireLignes(chemin(n), {L"a"}), 0) << longueur;
      EXPECT_EQ(stbFichier_copier(chemin(n), chemin(L"c" + n.substr(1))), 0) << longueur;
      EXPECT_EQ(lire(L"c" + n.substr(1)), "a\n") << longueur;
    }
  }
  for (const std::string& nom : contenu()) EXPECT_FALSE(host::paths::isTemporaryName(nom)) << nom;
}

// A file without any write bit is not replaced by a write.
TEST_F(StbFichier, EcrireLignesLeavesAReadOnlyFileAsItWas) {
  ecrire(L"lu.csv", "garde\n");
  fs::permissions(natif(L"lu.csv"), fs::owner_read | fs::group_read | fs::others_read);
  EXPECT_EQ(stbFichier_ecrireLignes(chemin(L"lu.csv"), {L"nouveau"}), 0x8000);
  EXPECT_EQ(lire(L"lu.csv"), "garde\n");
  EXPECT_EQ(fs::status(natif(L"lu.csv")).permissions() & fs::all_all, fs::owner_read | fs::group_read | fs::others_read);
  EXPECT_EQ(contenu(), std::vector<std::string>{"lu.csv"});
  fs::permissions(natif(L"lu.csv"), fs::owner_all);
}

TEST_F(StbFichier, CopierShowsItsMessageInTheModeAsked) {
  EXPECT_EQ(stbFichier_copier(chemin(L"absent"), chemin(L"b"), 5), 0x8000);
  const auto log = msg::log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, msg::Kind::MessageBox);
  EXPECT_EQ(log[0].brief, L"Impossible de copier le fichier " + chemin(L"absent") + L" en " + chemin(L"b") + L".");
}

// A read-only copy of a previous version is made writable again: the owner's write bit only.
TEST_F(StbFichier, AttributsNormauxGivesTheOwnerTheWriteBit) {
  ecrire(L"Lu.dgn", "x");
  fs::permissions(natif(L"Lu.dgn"), fs::owner_read | fs::group_read);
  ASSERT_TRUE(stbFichier_lectureSeule(chemin(L"Lu.dgn")));
  EXPECT_EQ(stbFichier_attributsNormaux(chemin(L"LU.DGN")), 0);  // found without case
  EXPECT_FALSE(stbFichier_lectureSeule(chemin(L"Lu.dgn")));
  EXPECT_EQ(fs::status(natif(L"Lu.dgn")).permissions() & fs::all_all, fs::owner_read | fs::owner_write | fs::group_read);
  EXPECT_EQ(stbFichier_attributsNormaux(chemin(L"Lu.dgn")), 0);  // already writable
  dossier(L"Dossier");
  EXPECT_EQ(stbFichier_attributsNormaux(chemin(L"Dossier")), 0x8000);
  EXPECT_EQ(stbFichier_attributsNormaux(chemin(L"absent")), 0x8000);
  EXPECT_EQ(stbFichier_attributsNormaux(L""), 0x8000);
}

TEST_F(StbFichier, Supprimer) {
  ecrire(L"a.txt", "a");
  ecrire(L"Plein/f", "f");
  dossier(L"vide");
  EXPECT_EQ(stbFichier_supprimer(chemin(L"a.txt")), 0);
  EXPECT_FALSE(fs::exists(natif(L"a.txt")));
  EXPECT_EQ(stbFichier_supprimer(chemin(L"a.txt")), 0);  // missing is no failure
  EXPECT_EQ(stbFichier_supprimer(chemin(L"PLEIN/F")), 0);
  EXPECT_FALSE(fs::exists(natif(L"Plein/f")));
  ecrire(L"Plein/g", "g");
  EXPECT_EQ(stbFichier_supprimer(chemin(L"Plein")), 0x8000);  // a non-empty folder stays
  EXPECT_TRUE(fs::exists(natif(L"Plein/g")));
  EXPECT_EQ(stbFichier_supprimer(chemin(L"vide")), 0);
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbFichier, ListerKeepsWholeNameMatchesOfRegularFilesInNameOrder) {
  for (const wchar_t* f : {L"P1_Erreurs.csv", L"p2_Erreurs.csv", L"P1_Erreurs.csv.bak", L"B.dgn", L"a.txt"})
    ecrire(std::wstring(L"Livre/") + f, "x");
  dossier(L"Livre/Sous_Erreurs.csv");  // a folder is never listed
  ecrire(L"Livre/Sous_Erreurs.csv/P3_Erreurs.csv", "x");
  ecrire(L"fichier", "x");
  const std::wstring d = chemin(L"Livre") + L"/";
  struct Case { std::wstring dossier, masque; Liste attendu; const char* why; };
  const Case cases[] = {
      {chemin(L"Livre"), L"*_Erreurs.csv", {d + L"P1_Erreurs.csv", d + L"p2_Erreurs.csv"}, "mask, whole name"},
      {chemin(L"Livre"), L"",
       {d + L"a.txt", d + L"B.dgn", d + L"P1_Erreurs.csv", d + L"P1_Erreurs.csv.bak", d + L"p2_Erreurs.csv"},
       "every file, ordered on upper-cased names"},
      {chemin(L"LIVRE"), L"?.dgn", {d + L"B.dgn"}, "folder found without case"},
      {chemin(L"Livre"), L"*.DGN", {}, "the mask keeps case"},
      {chemin(L"Livre"), L"a{", {}, "a mask that is no valid pattern"},
      {chemin(L"absent"), L"*", {}, "missing folder"},
      {chemin(L"fichier"), L"*", {}, "a file as folder"},
  };
  for (const Case& c : cases) {
    Liste sortie{L"stale"};
    EXPECT_EQ(stbFichier_lister(sortie, c.dossier, c.masque), c.attendu) << c.why;
  }
}

// A delivered name never makes a listed path name a file outside the folder: overlong UTF-8
// forms of "/" or of a null character are no characters, and a "\" in a Linux name is no
// separator. Every listed path names the entry listed.
TEST_F(StbFichier, ListerNeverNamesAFileOutsideTheFolder) {
  ecrire(L"x.dgn", "dehors");
  const std::string livre = natif(L"A/Livre").string();
  fs::create_directories(livre);
  const std::string noms[] = {"..\xE0\x80\xAF..\xE0\x80\xAFx.dgn", "..\\..\\x.dgn", "a\xE0\x80\x80" "b.dgn",
                              "\xC0\xAFy.dgn", "ok.dgn"};
  for (const std::string& n : noms) std::ofstream(livre + "/" + n, std::ios::binary) << "dedans";
  Liste liste;
  stbFichier_lister(liste, chemin(L"A/Livre"), L"*.dgn");
  EXPECT_EQ(liste.size(), 4u) << "the name with \"\\\" cannot be listed as itself";
  for (const std::wstring& p : liste) {
    EXPECT_EQ(p.find(L'/', chemin(L"A/Livre/").size()), std::wstring::npos);
    EXPECT_EQ(p.find(L'\\'), std::wstring::npos);
    EXPECT_EQ(p.find(L'\0'), std::wstring::npos);
    std::ifstream f(host::paths::resolve(p).string(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "dedans") << host::paths::resolve(p).string();
  }
  EXPECT_EQ(host::text::fromUtf8("\xE0\x80\xAF"), L"\u00E0\u0080\u00AF");
  EXPECT_EQ(host::text::fromUtf8("\xF0\x80\x80\xAF"), L"\u00F0\u0080\u0080\u00AF");
  EXPECT_EQ(host::text::fromUtf8("\xE2\x82\xAC\xF0\x9F\x98\x80"), L"\u20AC\U0001F600") << "shortest forms stay";
}

TEST_F(StbFichier, LireLignesDecodesLatin1AndAcceptsBothLineEnds) {
  struct Case { std::string octets; Liste lignes; const char* why; };
  const Case cases[] = {
      {"a\nb\n", {L"a", L"b"}, "no empty entry after the final line end"},
      {"a\r\nb", {L"a", L"b"}, "CR LF, last line without line end"},
      {"", {}, "empty file"},
      {"\n", {L""}, "one empty line"},
      {"x\xe9\xff\n", {L"x\u00e9\u00ff"}, "ISO 8859-1"},
      {std::string("\0\x01\x80\r\r\n", 6), {std::wstring(L"\0\x01\x80\r", 4)}, "binary bytes, one CR dropped"},
  };
  for (const Case& c : cases) {
    ecrire(L"f.txt", c.octets);
    Liste sortie{L"stale"};
    EXPECT_EQ(stbFichier_lireLignes(sortie, chemin(L"F.TXT")), c.lignes) << c.why;
  }
  dossier(L"rep");
  Liste sortie{L"stale"};
  EXPECT_TRUE(stbFichier_lireLignes(sortie, chemin(L"absent")).empty());
  EXPECT_TRUE(stbFichier_lireLignes(sortie, chemin(L"rep")).empty());
}

TEST_F(StbFichier, EcrireLignesWritesLatin1ThroughARename) {
  dossier(L"Rapport");
  const Liste lignes{L"\u0152uvre", L"\u00e9t\u00e9;1", L""};
  EXPECT_EQ(stbFichier_ecrireLignes(chemin(L"RAPPORT/out.csv"), lignes), 0);  // into the folder found
  EXPECT_EQ(lire(L"Rapport/out.csv"), "_uvre\n\xe9t\xe9;1\n\n");
  Liste relues;
  EXPECT_EQ(stbFichier_lireLignes(relues, chemin(L"Rapport/out.csv")), (Liste{L"_uvre", L"\u00e9t\u00e9;1", L""}));
  EXPECT_EQ(stbFichier_ecrireLignes(chemin(L"RAPPORT/OUT.CSV"), {L"court"}), 0);  // the same file
  EXPECT_EQ(lire(L"Rapport/out.csv"), "court\n");  // replaced, not appended
  EXPECT_EQ(contenu(L"Rapport"), std::vector<std::string>{"out.csv"});

  ecrire(L"plein/f", "f");
  ecrire(L"fichier", "x");
  for (const wchar_t* cible : {L"plein", L"manque/out.csv", L"fichier/out.csv"})
    EXPECT_EQ(stbFichier_ecrireLignes(chemin(cible), lignes), 0x8000) << cible;
  EXPECT_EQ(contenu(L"plein"), std::vector<std::string>{"f"});
  EXPECT_EQ(lire(L"fichier"), "x");
}

TEST_F(StbFichier, AjouterLigneCreatesOrAppends) {
  EXPECT_EQ(stbFichier_ajouterLigne(chemin(L"Trace.txt"), L"D\u00e9but. 10:00:00"), 0);
  EXPECT_EQ(stbFichier_ajouterLigne(chemin(L"TRACE.TXT"), L"\u0152"), 0);
  EXPECT_EQ(lire(L"Trace.txt"), "D\xe9" "but. 10:00:00\n_\n");  // upper-cased name reaches the same file
  ecrire(L"fichier", "x");
  dossier(L"rep");
  EXPECT_EQ(stbFichier_ajouterLigne(chemin(L"rep"), L"x"), 0x8000);
  EXPECT_EQ(stbFichier_ajouterLigne(chemin(L"fichier/x"), L"x"), 0x8000);
  EXPECT_EQ(stbFichier_ajouterLigne(chemin(L"manque/x"), L"x"), 0x8000);
}

TEST_F(StbFichier, DateModificationInLocalTime) {
  ecrire(L"f.dgn", "x");
  std::tm local{};
  local.tm_year = 121;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_sec = 30;
  local.tm_isdst = -1;
  fs::last_write_time(natif(L"f.dgn"), std::mktime(&local));
  std::wstring date = L"stale", heure = L"stale";
  EXPECT_EQ(stbFichier_dateModification(&date, &heure, 0, chemin(L"F.DGN")), 0);
  EXPECT_EQ(date, L"05/03/2021");
  EXPECT_EQ(heure, L"10:20:30");
  EXPECT_EQ(stbFichier_dateModification(nullptr, &heure, 0, chemin(L"f.dgn")), 0);
  EXPECT_EQ(stbFichier_dateModification(nullptr, nullptr, 0, chemin(L"f.dgn")), 0);
  dossier(L"rep");
  for (const wchar_t* p : {L"absent", L"rep"}) {
    date = heure = L"stale";
    EXPECT_EQ(stbFichier_dateModification(&date, &heure, 0, chemin(p)), 0x8000) << p;
    EXPECT_EQ(date, L"");
    EXPECT_EQ(heure, L"");
  }
}

TEST_F(StbFichier, EmptyPathsAndPathsWithANullCharacterNameNothing) {
  ecrire(L"f.txt", "garde");
  dossier(L"rep");
  const std::wstring tronque = chemin(L"f.txt") + std::wstring(1, L'\0') + L"x";  // would reach f.txt
  const std::wstring dossierTronque = chemin(L"rep") + std::wstring(1, L'\0');
  for (const std::wstring& p : {std::wstring(), tronque, dossierTronque}) {
    Liste sortie{L"stale"};
    std::wstring date = L"stale";
    EXPECT_FALSE(stbFichier_existe(p));
    EXPECT_FALSE(stbFichier_dossierExiste(p));
    EXPECT_EQ(stbFichier_creerDossier(p), 0x8000);
    EXPECT_EQ(stbFichier_ecrireLignes(p, {L"x"}), 0x8000);
    EXPECT_EQ(stbFichier_ajouterLigne(p, L"x"), 0x8000);
    EXPECT_EQ(stbFichier_copier(chemin(L"f.txt"), p), 0x8000);
    EXPECT_EQ(stbFichier_copier(p, chemin(L"neuf")), 0x8000);
    EXPECT_TRUE(stbFichier_lireLignes(sortie, p).empty());
    EXPECT_TRUE(stbFichier_lister(sortie, p, L"").empty());
    EXPECT_EQ(stbFichier_dateModification(&date, nullptr, 0, p), 0x8000);
    EXPECT_EQ(date, L"");
  }
  EXPECT_EQ(stbFichier_supprimer(L""), 0);
  EXPECT_EQ(stbFichier_supprimer(tronque), 0x8000);
  EXPECT_EQ(stbFichier_supprimer(dossierTronque), 0x8000);
  EXPECT_EQ(lire(L"f.txt"), "garde");
  EXPECT_TRUE(fs::is_directory(natif(L"rep")));
  EXPECT_EQ(contenu(), (std::vector<std::string>{"f.txt", "rep"}));
}

}  // namespace
