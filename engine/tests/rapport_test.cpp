// The reports: exact bytes of the CSV files the application reads back, the summary row
// replacement, the trace, and the positions converted with their own file's units.
#include "engine/rapport.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>

#include "engine/erreur.h"
#include "host/clock.h"
#include "host/messages.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "toolbox/stb_str.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;

namespace {

std::string octets(const fs::path& chemin) {
  std::ifstream f(chemin.string(), std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void ecrireOctets(const fs::path& chemin, const std::string& texte) {
  std::ofstream(chemin.string(), std::ios::binary) << texte;
}

std::vector<std::wstring> messagesListe() {
  std::vector<std::wstring> textes;
  for (const auto& e : host::messages::log())
    if (e.kind == host::messages::Kind::MessageList) textes.push_back(e.brief);
  return textes;
}

fs::path attendu(const char* nom) { return fs::path(TEST_SOURCE_DIR) / "data" / "rapport" / nom; }

class Rapport : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    host::messages::clearLog();
    dir = fs::current_path() / (std::string("rapport_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    for (const char* sous : {"Livre", "Rapport/Erreur", "Rapport/Comparaison"}) fs::create_directories(dir / sous);
    dossier.nom = L"DOSSIER";
    dossier.repLivre = host::fixture::large(dir / "Livre") + L"/";
    dossier.repRapport = host::fixture::large(dir / "Rapport") + L"/";
    dossier.repErreur = host::fixture::large(dir / "Rapport" / "Erreur") + L"/";
    dossier.repComparaison = host::fixture::large(dir / "Rapport" / "Comparaison") + L"/";
    dossier.fichierBilan = dossier.repRapport + L"DOSSIER_Bilan.csv";
  }
  void TearDown() override {
    host::resetModels();
    host::clock::useSystem();
  }
  fs::path dir;
  verdossier dossier;
};

TEST_F(Rapport, ErrorsCsvMatchesTheExpectedBytes) {
  verplan plan;
  plan.nom = L"12345678.DGN";
  erreur_ajouter(plan.erreurs, L"/d/Livre/12345678.DGN", 0, 0, 1001, nullptr, L"", L"/d/Livre/12345678.DGN");
  const host::Point3d p1{123456.0, -78900.0, 5.0};
  erreur_ajouter(plan.erreurs, L"/d/Livre/12345678.dgn", 0x1234567890ABCDEFULL, 17, 2052, &p1, L"Texte BT; c\u00e2ble",
                 L"hauteur; 1.2\r\nlargeur");
  plan.erreurs.back().uorParMaitre = 100.0;  // the file's own units: 100 UORs per metre
  const host::Point3d p2{123456.7, 0.6, 0.0};
  erreur_ajouter(plan.erreurs, L"/d/Livre/12345678.DGN", 42, 3, 2031, &p2, L"", L"C\u0153ur \u00e9");
  // units never noted: the standard's 1000 UORs per metre

  rapport_ecrireErreurs(plan, dossier.repErreur);

  EXPECT_EQ(plan.fichierErreurs, dossier.repErreur + L"12345678.DGN_Erreurs.csv");
  EXPECT_EQ(octets(dir / "Rapport" / "Erreur" / "12345678.DGN_Erreurs.csv"), octets(attendu("12345678.DGN_Erreurs.csv")));
}

TEST_F(Rapport, APlanWithoutErrorsLosesItsOldErrorsCsvAndGetsNone) {
  const fs::path ancien = dir / "Rapport" / "Erreur" / "AB12_Erreurs.csv";
  ecrireOctets(ancien, "ancien\n");
  verplan plan;
  plan.nom = L"AB12";
  rapport_ecrireErreurs(plan, dossier.repErreur);
  EXPECT_FALSE(fs::exists(ancien));
  EXPECT_EQ(plan.fichierErreurs, dossier.repErreur + L"AB12_Erreurs.csv");
}

// A report that cannot be written is told, with its file, and its writer says so.
TEST_F(Rapport, AnUnwritableReportIsToldWithItsFile) {
  verplan plan;
  plan.nom = L"AB12";
  plan.type = 2;
  erreur_ajouter(plan.erreurs, L"/d/AB12.FP2", 0, 0, 1004, nullptr, L"", L"");
  const std::wstring absent = host::fixture::large(dir / "Absent") + L"/";
  dossier.fichierBilan = absent + L"DOSSIER_Bilan.csv";
  const struct {
    std::function<bool()> ecrire;
    std::wstring fichier;
  } cas[] = {
      {[&] { return rapport_ecrireErreurs(plan, absent); }, absent + L"AB12_Erreurs.csv"},
      {[&] { return rapport_ecrireComparaison(absent + L"AB12_Compare.csv", {}); }, absent + L"AB12_Compare.csv"},
      {[&] { return rapport_ecrireBilan(plan, dossier); }, dossier.fichierBilan},
  };
  for (const auto& c : cas) {
    host::messages::clearLog();
    EXPECT_FALSE(c.ecrire()) << c.fichier;
    EXPECT_EQ(messagesListe(), std::vector<std::wstring>{L"Impossible d'\u00e9crire le fichier " + c.fichier + L"."});
  }
  EXPECT_FALSE(fs::exists(dir / "Absent"));
  EXPECT_EQ(plan.erreurs.size(), 1u);
}

TEST_F(Rapport, CompareCsvMatchesTheExpectedBytes) {
  std::vector<verecart> ecarts(3);
  ecarts[0] = {L"PLAN.EL2", 3, 101, 7, 4, 12.346, {}, L"BT", 1, 1, L"C\u00e2ble BT"};
  ecarts[1] = {L"PLAN.FP2", 2, 102, 0, 6, 0.0, {}, L"Bati", 2, 1, L"B\u00e2ti"};
  ecarts[2] = {L"PLAN.AR2", 4, 0, 9876543210123ULL, 12, 3.1, {}, L"EP", 3, 2, L"Conduite; EP"};
  const std::wstring chemin = dossier.repComparaison + L"PLAN_Compare.csv";
  rapport_ecrireComparaison(chemin, ecarts);
  EXPECT_EQ(octets(dir / "Rapport" / "Comparaison" / "PLAN_Compare.csv"), octets(attendu("PLAN_Compare.csv")));

  rapport_ecrireComparaison(chemin, {});
  EXPECT_EQ(octets(dir / "Rapport" / "Comparaison" / "PLAN_Compare.csv"),
            "Statut;Fichier_Nom;Fichier_Theme;Objet_Nom;Type;Longueur;Livre_ID;Origine_ID\n")
      << "an empty list gives the header alone, replacing the old file";
}

TEST(RapportLignes, StatusAndRoleWordsOfTheCompareCsv) {
  struct Cas {
    std::uint32_t statut, role;
    const wchar_t* debut;
  };
  const Cas cas[] = {
      {1, 1, L"Inchang\u00e9;F;V2;"}, {2, 2, L"Nouveau;F;V3_FDP;"}, {3, 3, L"Supprime;F;V3_Elec;"},
      {5, 4, L"Erreur;F;V3_Autre;"},  {6, 0, L"Erreur;F;;"},        {4, 5, L";F;;"},
      {0, 9, L";F;;"},
  };
  for (const Cas& c : cas) {
    verecart e;
    e.fichier = L"F";
    e.statut = c.statut;
    e.role = c.role;
    EXPECT_EQ(rapport_ligneComparaison(e).rfind(c.debut, 0), 0u) << c.statut << " " << c.role;
  }
}

TEST(RapportLignes, FreeTextFieldsCannotShiftTheColumns) {
  EXPECT_EQ(stbStr_champCsv(L"a;b\r\nc\nd;\u0153\u00e9"), L"a,b  c d,_\u00e9");
  vererreur e;
  e.fichier = L"F.DGN";
  e.message = L"m;1";
  e.complement = L"c\n2";
  e.objet = L"o;3";
  const std::wstring ligne = rapport_ligneErreur(e);
  EXPECT_EQ(std::count(ligne.begin(), ligne.end(), L';'), 8);
  EXPECT_EQ(ligne, L"F.DGN;0;0;0;m,1;c 2;0.000;0.000;o,3");
}

// A file with other units than the active model: the position is written in its own metres.
TEST_F(Rapport, PositionsAreConvertedWithTheUnitsOfTheirOwnFile) {
  host::fixture::DesignBuilder actif;
  actif.header().subPerMaster = 1.0;  // 1 UOR per master unit
  ASSERT_TRUE(actif.save(host::fixture::large(dir / "Actif.dgn")));
  ASSERT_EQ(host::openActiveFile(host::fixture::large(dir / "Actif.dgn")), 0);
  host::fixture::DesignBuilder plan;
  plan.header().uorPerSub = 10.0;  // 10 x 1000 = 10000 UORs per metre
  ASSERT_TRUE(plan.save(host::fixture::large(dir / "Livre" / "12345678.DGN")));
  host::ModelRef modele;
  const std::wstring chemin = host::fixture::large(dir / "Livre" / "12345678.dgn");
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true), 0);

  std::vector<vererreur> erreurs;
  const host::Point3d p{25000.0, -5000.0, 0.0};
  erreur_ajouter(erreurs, chemin, 1, 0, 2031, &p, L"", L"");
  erreur_ajouter(erreurs, chemin, 2, 0, 2031, nullptr, L"", L"");
  erreur_ajouter(erreurs, L"/d/AUTRE123.DGN", 3, 0, 2031, &p, L"", L"");
  erreurs.push_back(erreurs[0]);
  erreurs.back().uorParMaitre = 100.0;  // noted earlier from another open file: kept
  erreur_noterUnites(erreurs, chemin, modele);
  host::closeWorkFile(modele);
  erreur_noterUnites(erreurs, L"/d/AUTRE123.DGN", modele);  // closed: nothing noted

  EXPECT_EQ(erreurs[0].uorParMaitre, 10000.0);
  EXPECT_EQ(erreurs[1].uorParMaitre, 0.0) << "no position, nothing to convert";
  EXPECT_EQ(erreurs[2].uorParMaitre, 0.0) << "another file";
  EXPECT_EQ(erreurs[3].uorParMaitre, 100.0);
  EXPECT_EQ(rapport_ligneErreur(erreurs[0]).substr(rapport_ligneErreur(erreurs[0]).find(L";2.500;")), L";2.500;-0.500;");
  EXPECT_NE(rapport_ligneErreur(erreurs[2]).find(L";25.000;-5.000;"), std::wstring::npos) << "standard units";
}

class RapportBilan : public Rapport {
 protected:
  // A delivered file dated at a fixed instant; the expected date text in local time.
  std::wstring livrer(const std::string& nom, std::time_t quand) {
    ecrireOctets(dir / "Livre" / nom, "x");
    fs::last_write_time(dir / "Livre" / nom, quand);
    char texte[32];
    std::strftime(texte, sizeof texte, "%d/%m/%Y-%H:%M:%S", std::localtime(&quand));
    return std::wstring(texte, texte + std::strlen(texte));
  }
  const std::string entete = "Plan;Niveau;Nb_Erreur;Nb_Cr\xe9\xe9;Nb_Suppr;Origine_V2;Origine_V3_Fdp;Origine_V3_Elec;"
                             "Origine_V3_Autre;Date_V2;Date_V3_Fdp;Date_V3_Elec;Date_V3_Autre\n";
  fs::path bilan() const { return dir / "Rapport" / "DOSSIER_Bilan.csv"; }
};

TEST_F(RapportBilan, RowsOfBothPlanKinds) {
  verplan v2;
  v2.nom = L"12345678.DGN";
  v2.type = 1;
  v2.statuts = {1, 2, 0, -1, -1, -1};
  erreur_ajouter(v2.erreurs, L"/d/12345678.DGN", 0, 0, 2031, nullptr, L"", L"");
  erreur_ajouter(v2.erreurs, L"/d/12345678.DGN", 0, 0, 2031, nullptr, L"", L"");
  v2.ecarts.resize(6);
  v2.ecarts[0].statut = v2.ecarts[1].statut = v2.ecarts[2].statut = 2;
  v2.ecarts[3].statut = 3;
  v2.ecarts[4].statut = 1;
  v2.ecarts[5].statut = 5;
  const std::wstring date = livrer("12345678.dgn", 1796720730);
  EXPECT_EQ(rapport_ligneBilan(v2, dossier), L"12345678.DGN;2;2;3;1;0;;;;" + date + L";;;");

  verplan v3;
  v3.nom = L"ABCDEFGHIJKLMNOPQRSTUVWXY";
  v3.type = 2;
  v3.statuts = {1, 0, -1, 6, -1, 1};
  const std::wstring fp2 = livrer("ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", 1796720730);
  const std::wstring ar2 = livrer("abcdefghijklmnopqrstuvwxy.ar2", 1700000000);
  EXPECT_EQ(rapport_ligneBilan(v3, dossier), L"ABCDEFGHIJKLMNOPQRSTUVWXY;0;0;0;0;;6;-1;1;;" + fp2 + L";;" + ar2)
      << "a missing EL2 file has an empty date";
}

TEST_F(RapportBilan, ANewFileStartsWithTheHeaderAndRowsAreReplacedOrAppended) {
  verplan ab12;
  ab12.nom = L"ab12";
  ab12.type = 2;
  EXPECT_TRUE(rapport_ecrireBilan(ab12, dossier));
  const std::string ligneAb12 = "ab12;-1;0;0;0;;-1;-1;-1;;;;\n";
  EXPECT_EQ(octets(bilan()), entete + ligneAb12);

  const std::string ab1 = "AB1;0;0;0;0;;;;;;;;\n", cd34 = "CD34;2;1;0;0;;;;;;;;\n";
  ecrireOctets(bilan(), entete + ab1 + "AB12;2;9;9;9;;0;0;0;;;;\n" + cd34);
  ab12.statuts[1] = 2;
  rapport_ecrireBilan(ab12, dossier);
  EXPECT_EQ(octets(bilan()), entete + ab1 + "ab12;2;0;0;0;;-1;-1;-1;;;;\n" + cd34)
      << "the row named AB12 without case is replaced, the rest kept";

  verplan ef56;
  ef56.nom = L"EF56";
  ef56.type = 2;
  rapport_ecrireBilan(ef56, dossier);
  EXPECT_EQ(octets(bilan()), entete + ab1 + "ab12;2;0;0;0;;-1;-1;-1;;;;\n" + cd34 + "EF56;-1;0;0;0;;-1;-1;-1;;;;\n")
      << "a plan without a row gets one at the end";

  rapport_ecrireBilan(ab12, dossier, false);
  EXPECT_EQ(octets(bilan()), entete + ab1 + cd34 + "EF56;-1;0;0;0;;-1;-1;-1;;;;\n")
      << "results not recorded: the plan's row goes";
  EXPECT_FALSE(fs::exists(dir / "Rapport" / "DOSSIER_Bilan_endommage.csv"));
  EXPECT_TRUE(messagesListe().empty());
}

// Whatever state the summary was in, it comes out well formed; a damaged one is kept beside it
// once and the user told.
TEST_F(RapportBilan, ADamagedSummaryComesOutWellFormedAndIsKeptBesideIt) {
  const std::string cd34 = "CD34;2;1;0;0;;;;;;;;\n", ligne = "AB12;-1;0;0;0;;-1;-1;-1;;;;\n";
  struct Cas {
    std::string avant, apres;
    bool endommage;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {"", entete + ligne, false, "an empty file gets the header"},
      {entete, entete + ligne, false, "the header alone: the row comes after it"},
      {"AB12;vieux\n" + cd34, entete + cd34 + ligne, true, "a wrong header"},
      {"\xef\xbb\xbf" + entete + cd34, entete + cd34 + ligne, true, "a byte-order mark"},
      {entete + "CD34;deux;1;0;0;;;;;;;;\nEF56;2;1\n" + cd34, entete + cd34 + ligne, true, "lines that do not parse"},
      {entete + cd34 + "cd34;0;0;0;0;;;;;;;;\n", entete + cd34 + ligne, true, "a stale duplicate row"},
      {entete + "AB12;2;0;0;0;;0;0;0;;;;\nab12;2;3;0;0;;0;0;0;;;;\n", entete + ligne, true,
       "the plan's own duplicate"},
  };
  verplan ab12;
  ab12.nom = L"AB12";
  ab12.type = 2;
  const fs::path copie = dir / "Rapport" / "DOSSIER_Bilan_endommage.csv";
  for (const Cas& c : cas) {
    fs::remove(copie);
    host::messages::clearLog();
    ecrireOctets(bilan(), c.avant);
    EXPECT_TRUE(rapport_ecrireBilan(ab12, dossier)) << c.pourquoi;
    EXPECT_EQ(octets(bilan()), c.apres) << c.pourquoi;
    EXPECT_EQ(fs::exists(copie), c.endommage) << c.pourquoi;
    EXPECT_EQ(messagesListe().size(), c.endommage ? 1u : 0u) << c.pourquoi;
    if (!c.endommage) continue;
    EXPECT_EQ(octets(copie), c.avant) << c.pourquoi;
    fs::remove(copie);
    rapport_ecrireBilan(ab12, dossier);
    EXPECT_FALSE(fs::exists(copie)) << c.pourquoi << ": kept once, the summary is well formed now";
  }
}

// A name that the file cannot hold as it stands is written and looked up in one form: its row is
// replaced, not added again at each verification.
TEST_F(RapportBilan, ANameWithSeparatorsOrWideCharactersKeepsOneRow) {
  for (const wchar_t* nom : {L"A;B", L"A\nB", L"C\u0153UR"}) {
    verplan plan;
    plan.nom = nom;
    plan.type = 2;
    ecrireOctets(bilan(), entete);
    rapport_ecrireBilan(plan, dossier);
    plan.statuts[1] = 2;
    rapport_ecrireBilan(plan, dossier);
    const std::string texte = octets(bilan());
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 2) << texte;
    EXPECT_NE(texte.find(";2;0;0;0;"), std::string::npos) << texte;
  }
}

TEST_F(Rapport, TraceIsDeletedAtTheStartAndWrittenOnlyWithItsFlag) {
  const fs::path trace = dir / "Rapport" / "Trace.txt";
  ASSERT_TRUE(host::clock::setFixed(2026, 12, 8, 9, 5, 30));
  ecrireOctets(trace, "ancienne trace\n");
  rapport_commencerTrace(dossier.repRapport, drapeauLevelAudit);
  rapport_tracerPlan(dossier.repRapport, L"AB12", drapeauLevelAudit);
  EXPECT_FALSE(fs::exists(trace));

  rapport_commencerTrace(dossier.repRapport, drapeauTrace | drapeauSansSignature);
  rapport_tracerPlan(dossier.repRapport, L"12345678.DGN", drapeauTrace);
  rapport_tracerPlan(dossier.repRapport, L"AB12", drapeauTrace);
  EXPECT_EQ(octets(trace), "D\xe9" "but. 09:05:30\n09:05:30. 12345678.DGN\n09:05:30. AB12\n");
}

}  // namespace
