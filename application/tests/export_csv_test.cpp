// The folder-wide CSV exports of the summary's menu: over a folder record filled by hand, the two
// files byte for byte, the files that cannot be written, an export in the same second; through
// the host's shell, a folder whose last verification is recovered at opening, exported three
// times, the second and third time with a directory in the way of one of the files.
#include "application/export_csv.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "application/tests/bilan_fixture.h"
#include "application/tests/shell_lancer.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "host/clock.h"
#include "toolbox/stb_fichier.h"

namespace fs = boost::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

namespace d = host::dialogs;

// The names that an export at the fixed clock gives.
const std::string kErreurs = "LIVRAISON_Erreurs_20261210-234507.csv";
const std::string kCompare = "LIVRAISON_Compare_20261210-234507.csv";
const std::string kEnteteErreurs =
    "Fichier;ID_Graph;Erreur_Niveau;Erreur_ID;Erreur_Principale;Erreur_Complement;Erreur_X;Erreur_Y;Objet_Nom\n";
const std::string kEnteteCompare = "Statut;Fichier_Nom;Fichier_Theme;Objet_Nom;Type;Longueur;Livre_ID;Origine_ID\n";

std::string lire(const fs::path& chemin) {
  std::ifstream f(chemin.string(), std::ios::binary);
  std::ostringstream octets;
  octets << f.rdbuf();
  return octets.str();
}

vererreur erreur(const std::wstring& fichier, std::uint64_t id, std::uint32_t niveau, std::uint32_t code,
                 const std::wstring& message, const std::wstring& complement, const std::wstring& objet) {
  vererreur e;
  e.fichier = fichier;
  e.idElement = id;
  e.niveau = niveau;
  e.code = code;
  e.message = message;
  e.complement = complement;
  e.objet = objet;
  return e;
}

vererreur positionnee(vererreur e, double x, double y, double uorParMaitre) {
  e.aPosition = true;
  e.position = host::Point3d{x, y, 0.0};
  e.uorParMaitre = uorParMaitre;
  return e;
}

verecart ecart(std::uint32_t statut, const std::wstring& fichier, std::uint32_t role, const std::wstring& objet,
               std::uint32_t type, double longueur, std::uint64_t idLivre, std::uint64_t idOrigine) {
  verecart c;
  c.statut = statut;
  c.fichier = fichier;
  c.role = role;
  c.objet = objet;
  c.type = type;
  c.longueur = longueur;
  c.idLivre = idLivre;
  c.idOrigine = idOrigine;
  return c;
}

class ExportCsv : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    ASSERT_TRUE(host::clock::setFixed(2026, 12, 10, 23, 45, 7));
    rapport = dir / "LIVRAISON" / "Rapport";
    fs::create_directories(rapport);
    verdossier& dossier = appTolvek.dossier;
    dossier.nom = L"LIVRAISON";
    dossier.repRapport = rapport.wstring() + L"/";
    dossier.plans.resize(3);

    verplan& v2 = dossier.plans[0];
    v2.nom = L"44010450.109";
    v2.type = 1;
    v2.erreurs = {
        // The file's units were noted: 1000 UORs per metre.
        positionnee(erreur(L"44010450.109", 4294967301ULL, 2, 2011, L"Texte d\u2019habillage mal plac\u00e9",
                           L"niveau=12;couleur=3", L"TEXTE"),
                    1354960500.0, 6234070250.0, 1000.0),
        erreur(L"44010450.109", 0, 0, 1004, L"Le fichier est en 3D", L"", L""),  // no position, units unknown
    };
    v2.ecarts = {
        ecart(1, L"44010450.109", 1, L"BT", 4, 12.5, 101, 201),
        ecart(4, L"44010450.109", 1, L"Texte", 17, 0.0, 102, 0),
        ecart(9, L"44010450.109", 7, L"Cellule", 2, 0.0, 103, 0),
    };

    verplan& v3 = dossier.plans[1];
    v3.nom = L"QRL-47-00193-01246-03-D-24";
    v3.type = 2;
    // A file of 100 UORs per metre, whatever the working drawing's units.
    v3.erreurs = {positionnee(erreur(L"QRL-47-00193-01246-03-D-24.EL2", 77, 1, 2050, L"C\u00e2ble hors du plan", L"",
                                     L"CABLE BT"),
                              135496050.0, 623407025.0, 100.0)};
    v3.ecarts = {
        ecart(2, L"QRL-47-00193-01246-03-D-24.FP2", 2, L"Batiment", 6, 1234.567, 104, 0),
        ecart(3, L"QRL-47-00193-01246-03-D-24.EL2", 3, L"CABLE BT", 4, 3.0, 0, 5000000000ULL),
        ecart(5, L"QRL-47-00193-01246-03-D-24.AR2", 4, L"", 12, 0.0, 105, 205),
        ecart(6, L"QRL-47-00193-01246-03-D-24.EL2", 3, L"", 4, 0.0, 106, 206),
    };

    dossier.plans[2].nom = L"44010451.109";  // nothing found, nothing compared
    ASSERT_NE(d::open(2), nullptr);
    host::messages::clearLog();
  }
  void TearDown() override {
    host::clock::useSystem();
    ApplicationEnProcessus::TearDown();
  }

  static void exporter() {
    std::wstring erreur;
    ASSERT_TRUE(d::chooseMenu(element(d::ItemType::MenuBar, 0), 2, erreur));
  }
  static std::string attendu(const std::string& nom) { return lire(fs::path(TEST_SOURCE_DIR) / "export_csv" / nom); }
  // The outputs as "[list] text" and "[box] text".
  static std::vector<std::wstring> sorties() {
    std::vector<std::wstring> textes;
    for (const auto& e : host::messages::log())
      textes.push_back((e.kind == host::messages::Kind::MessageBox ? L"[box] " : L"[list] ") + e.brief);
    return textes;
  }
  std::wstring fermeture() const { return L"[box] Rapports cr\u00e9\u00e9s dans le r\u00e9pertoire " + appTolvek.dossier.repRapport; }

  fs::path rapport;
};

TEST_F(ExportCsv, TheMenuWritesEveryErrorAndRecordOfTheFolderAndNamesTheRapportDirectory) {
  const verdossier avant = appTolvek.dossier;
  exporter();
  EXPECT_EQ(lire(rapport / kErreurs), attendu(kErreurs));
  EXPECT_EQ(lire(rapport / kCompare), attendu(kCompare));
  EXPECT_EQ(sorties(), std::vector<std::wstring>{fermeture()});
  // Only read: the plans' records are as they were.
  ASSERT_EQ(appTolvek.dossier.plans.size(), avant.plans.size());
  for (std::size_t i = 0; i < avant.plans.size(); ++i) {
    EXPECT_EQ(appTolvek.dossier.plans[i].erreurs.size(), avant.plans[i].erreurs.size());
    EXPECT_EQ(appTolvek.dossier.plans[i].ecarts.size(), avant.plans[i].ecarts.size());
  }
}

TEST_F(ExportCsv, AnExportInTheSameSecondReplacesTheFilesAndAFolderWithoutPlansGivesTheHeadersOnly) {
  exporter();
  appTolvek.dossier.plans.clear();
  host::messages::clearLog();
  exporter();
  EXPECT_EQ(lire(rapport / kErreurs), kEnteteErreurs);
  EXPECT_EQ(lire(rapport / kCompare), kEnteteCompare);
  std::size_t fichiers = 0;
  for (const auto& f : fs::directory_iterator(rapport)) {
    (void)f;
    ++fichiers;
  }
  EXPECT_EQ(fichiers, 2u);  // no temporary file left beside them
  EXPECT_EQ(sorties(), std::vector<std::wstring>{fermeture()});
}

TEST_F(ExportCsv, AFileThatCannotBeWrittenIsNamedAndTheOtherIsStillWrittenWithoutTheClosingMessage) {
  for (const std::string& bloque : {kErreurs, kCompare}) {
    SCOPED_TRACE(bloque);
    fs::remove_all(rapport);
    fs::create_directories(rapport / bloque);  // a directory where the file should go
    host::messages::clearLog();
    exporter();
    const std::string ecrit = bloque == kErreurs ? kCompare : kErreurs;
    EXPECT_EQ(lire(rapport / ecrit), attendu(ecrit));
    EXPECT_TRUE(fs::is_directory(rapport / bloque));
    const std::wstring chemin = (rapport / bloque).wstring();
    EXPECT_EQ(sorties(), std::vector<std::wstring>{L"[list] Impossible d'\u00e9crire le fichier " + chemin + L"."});
  }
}

// Text fields from title blocks, cells or level names may hold a ";" or line ends: each error
// stays one record of 9 fields, each comparison record one of 8.
TEST_F(ExportCsv, SemicolonsAndLineEndsInFieldsNeverShiftColumnsOrSplitRecords) {
  verdossier& dossier = appTolvek.dossier;
  dossier.plans.resize(1);
  dossier.plans[0].erreurs.clear();
  dossier.plans[0].ecarts.clear();
  for (const std::wstring texte : {L"a;b", L"a\rb", L"a\nb", L"a\r\nb;c"}) {
    dossier.plans[0].erreurs.push_back(erreur(texte, 1, 1, 2011, texte, texte, texte));
    dossier.plans[0].ecarts.push_back(ecart(2, texte, 1, texte, 4, 1.0, 1, 0));
  }
  exporter();
  for (const auto& [nom, champs] : {std::pair{kErreurs, 9L}, std::pair{kCompare, 8L}}) {
    SCOPED_TRACE(nom);
    std::istringstream fichier(lire(rapport / nom));
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(fichier, ligne);) lignes.push_back(ligne);
    ASSERT_EQ(lignes.size(), 5u) << "the header and one line per record";
    for (const std::string& ligne : lignes) {
      EXPECT_EQ(std::count(ligne.begin(), ligne.end(), ';') + 1, champs) << ligne;
      EXPECT_EQ(ligne.find('\r'), std::string::npos) << ligne;
    }
  }
}

TEST_F(ExportCsv, LongMessagesAndEmptyFieldsAreWrittenAsTheyStand) {
  verdossier& dossier = appTolvek.dossier;
  dossier.plans.resize(1);
  const std::wstring longMessage(100000, L'x');
  dossier.plans[0].erreurs = {erreur(L"", 0, 0, 0, longMessage, std::wstring(50000, L'\u00e9'), L"")};
  dossier.plans[0].ecarts = {ecart(0, L"", 0, L"", 0, 0.0, 0, 0)};
  exporter();
  const std::string erreurs = lire(rapport / kErreurs);
  EXPECT_EQ(erreurs.substr(erreurs.find('\n') + 1),
            ";0;0;0;" + std::string(100000, 'x') + ";" + std::string(50000, '\xe9') + ";0.000;0.000;\n");
  const std::string compare = lire(rapport / kCompare);
  EXPECT_EQ(compare.substr(compare.find('\n') + 1), ";;;;0;0.00;0;0\n");
}

// Through the shell. The plan's reports as the engine left them (ISO 8859-1): the export repeats
// their lines.
const std::string kLignesErreurs =
    "44010450.109;4294967301;2;2011;Texte d\xe9" "cal\xe9;niveau 12;1354960.500;6234070.250;TEXTE\n"
    "44010450.109;0;0;1004;Le fichier est en 3D;;0.000;0.000;\n";
const std::string kLignesCompare =
    "Supprime;44010450.109;V2;BT;4;12.50;0;5000000000\n"
    ";44010450.109;V2;Texte;17;0.00;102;0\n";

void ecrire(const fs::path& chemin, const std::string& octets) {
  fs::create_directories(chemin.parent_path());
  std::ofstream(chemin.string(), std::ios::binary) << octets;
}

// The part of the output from "== n" to the next "== " line.
std::string etape(const std::string& sortie, int n) {
  const auto debut = sortie.find("== " + std::to_string(n));
  if (debut == std::string::npos) return "";
  const auto fin = sortie.find("\n== ", debut);
  return sortie.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
}

TEST(ExportCsvShell, TheSummarysMenuExportsTheRecoveredVerificationAndNamesAFileItCannotWrite) {
  const fs::path dir = fs::current_path() / "export_csv_shell";
  fs::remove_all(dir);
  fs::create_directories(dir / "Travail");
  ASSERT_TRUE(plan_fixture::ecrireParametres((dir / "Parametres").wstring()));
  const fs::path dossier = dir / "LIVRAISON", rapport = dossier / "Rapport";
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), (dossier / "Livre").wstring());
  ASSERT_FALSE(plan.empty());
  std::wstring date, heure;
  ASSERT_EQ(stbFichier_dateModification(&date, &heure, 0, plan), 0);
  ecrire(rapport / "LIVRAISON_Bilan.csv",
         "Plan;Niveau;Nb_Erreur;Nb_Cr\xe9\xe9;Nb_Suppr;Origine_V2;Origine_V3_Fdp;Origine_V3_Elec;Origine_V3_Autre;"
         "Date_V2;Date_V3_Fdp;Date_V3_Elec;Date_V3_Autre\n44010450.109;2;2;0;1;-1;;;;" +
             fs::path(date + L"-" + heure).string() + ";;;\n");
  ecrire(rapport / "Erreur" / "44010450.109_Erreurs.csv", kEnteteErreurs + kLignesErreurs);
  ecrire(rapport / "Comparaison" / "44010450.109_Compare.csv", kEnteteCompare + kLignesCompare);
  // The second export finds a directory under its errors file's name, the third under its
  // compare file's.
  const fs::path bloqueErreurs = rapport / "LIVRAISON_Erreurs_20261210-234508.csv";
  const fs::path bloqueCompare = rapport / "LIVRAISON_Compare_20261210-234509.csv";
  fs::create_directories(bloqueErreurs);
  fs::create_directories(bloqueCompare);

  std::string sortie;
  const std::string commande = std::string(CADHOST_SHELL_PATH) + " --cfg TOLVEK_RACINE=" + (dir / "Travail").string() +
                               " --cfg TOLVEK_PARAM=" + (dir / "Parametres").string() + " -c 'pick " + dossier.string() +
                               "' -c 'load " + TOLVEK_PLUGIN_PATH + "' -c 'show 2'" +
                               " -c 'echo == 1' -c 'clock 2026-12-10 23:45:07' -c 'menu 2 2'" +
                               " -c 'echo == 2' -c 'clock 2026-12-10 23:45:08' -c 'menu 2 2'" +
                               " -c 'echo == 3' -c 'clock 2026-12-10 23:45:09' -c 'menu 2 2' -c 'echo == 4'";
  ASSERT_EQ(shell_lancer::lancer(commande, sortie), 0) << sortie;
  EXPECT_THAT(sortie, HasSubstr("| 44010450.109 | 2 | 0 | 1")) << sortie;  // recovered at opening

  // 1. Both files, holding the plan's recovered lines; the message box names Rapport.
  const std::string fermeture = "[mode 5] Rapports cr\u00e9\u00e9s dans le r\u00e9pertoire " + rapport.string() + "/";
  EXPECT_EQ(lire(rapport / "LIVRAISON_Erreurs_20261210-234507.csv"), kEnteteErreurs + kLignesErreurs);
  EXPECT_EQ(lire(rapport / "LIVRAISON_Compare_20261210-234507.csv"), kEnteteCompare + kLignesCompare);
  EXPECT_THAT(etape(sortie, 1), HasSubstr(fermeture)) << sortie;
  EXPECT_THAT(etape(sortie, 1), Not(HasSubstr("[mode 4]")));

  // 2 and 3. The file in the way is named, the other still written, no closing message.
  EXPECT_THAT(etape(sortie, 2),
              HasSubstr("[mode 4] Impossible d'\u00e9crire le fichier " + bloqueErreurs.string() + "."));
  EXPECT_EQ(lire(rapport / "LIVRAISON_Compare_20261210-234508.csv"), kEnteteCompare + kLignesCompare);
  EXPECT_THAT(etape(sortie, 3),
              HasSubstr("[mode 4] Impossible d'\u00e9crire le fichier " + bloqueCompare.string() + "."));
  EXPECT_EQ(lire(rapport / "LIVRAISON_Erreurs_20261210-234509.csv"), kEnteteErreurs + kLignesErreurs);
  for (int n : {2, 3}) {
    EXPECT_THAT(etape(sortie, n), Not(HasSubstr("[mode 5]"))) << n;
    EXPECT_THAT(etape(sortie, n), Not(HasSubstr("Rapports cr"))) << n;
  }
  EXPECT_TRUE(fs::is_directory(bloqueErreurs) && fs::is_directory(bloqueCompare));
}

}  // namespace
