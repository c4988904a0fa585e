// Reading back a folder's last verification: the summary line of each plan against its files,
// the errors and compare CSVs line by line, and a round trip through the engine's own writer.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>

#include "application/bilan.h"
#include "application/dossier_ouvrir.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/rapport.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/config.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr std::time_t kDateLivraison = 1796112000;

void dater(const fs::path& fichier, std::time_t quand) {
  fs::last_write_time(fichier, fs::file_time_type::clock::from_sys(std::chrono::system_clock::from_time_t(quand)));
}

// "%d/%m/%Y-%H:%M:%S" of the file as the engine records it.
std::wstring dateDe(const fs::path& fichier) {
  std::wstring date, heure;
  stbFichier_dateModification(&date, &heure, 0, host::fixture::large(fichier));
  return date + L"-" + heure;
}

class Recuperation : public ::testing::Test {
 protected:
  fs::path dir, livre;
  verdossier dossier;

  void SetUp() override {
    host::resetModels();
    host::messages::clearLog();
    host::completion_bar::clearLog();
    host::commands::clearScheduledInputs();
    dir = fs::absolute(std::string("recuperer_") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    livre = dir / "Livre";
    fs::create_directories(livre);
    fs::create_directories(dir / "Rapport" / "Erreur");
    fs::create_directories(dir / "Rapport" / "Comparaison");
    dossier.repLivre = host::fixture::large(livre) + L"/";
    dossier.fichierBilan = host::fixture::large(dir / "Rapport" / "Dossier_Bilan.csv");
    dossier.plans.reserve(16);  // plan() hands out references into the list
  }
  void TearDown() override { host::resetModels(); }

  // A plan of the folder with its report paths, its files (plain text: only their dates count)
  // delivered at kDateLivraison.
  verplan& plan(const std::wstring& nom, std::int32_t type, bool fichiers = true) {
    verplan p;
    p.nom = nom;
    p.type = type;
    p.fichierErreurs = host::fixture::large(dir / "Rapport" / "Erreur" / (nom + L"_Erreurs.csv"));
    p.fichierCompare = host::fixture::large(dir / "Rapport" / "Comparaison" / (nom + L"_Compare.csv"));
    if (fichiers) {
      const std::vector<std::wstring> noms =
          type == 2 ? std::vector<std::wstring>{nom + L".FP2", nom + L".EL2", nom + L".AR2"} : std::vector<std::wstring>{nom};
      for (const std::wstring& f : noms) {
        std::ofstream(livre / f) << "plan";
        dater(livre / f, kDateLivraison);
      }
    }
    dossier.plans.push_back(std::move(p));
    return dossier.plans.back();
  }
  std::wstring date(const std::wstring& fichier) const { return dateDe(livre / fichier); }

  static void ecrire(const std::wstring& chemin, std::vector<std::wstring> lignes) {
    ASSERT_EQ(stbFichier_ecrireLignes(chemin, lignes), 0);
  }
  void bilan(const std::vector<std::wstring>& lignes) {
    std::vector<std::wstring> tout{rapport_enteteBilan};
    tout.insert(tout.end(), lignes.begin(), lignes.end());
    ecrire(dossier.fichierBilan, tout);
  }
  void recuperer() {
    verprogression progression;
    progression.barre = host::completion_bar::open(L"Tolvek");
    dos_recupererVerification(dossier, progression);
    host::completion_bar::close(progression.barre);
  }
};

TEST_F(Recuperation, WhetherAPlanFileStillMatchesItsSummaryFields) {
  std::ofstream(livre / "PRESENT.DGN") << "plan";
  dater(livre / "PRESENT.DGN", kDateLivraison);
  const std::wstring present = host::fixture::large(livre / "PRESENT.DGN"), absent = host::fixture::large(livre / "ABSENT.DGN");
  const std::wstring juste = date(L"PRESENT.DGN");
  std::ofstream(livre / "AUTRE.DGN") << "x";
  dater(livre / "AUTRE.DGN", kDateLivraison + 1);
  const std::wstring uneSecondeApres = date(L"AUTRE.DGN");
  const std::wstring sansHeure = juste.substr(0, juste.find(L'-'));
  const struct {
    const wchar_t* statut;
    std::wstring chemin, date;
    std::int32_t statutLu, resultat;
  } cas[] = {
      {L"", absent, L"", -1, 0},                  // missing then, missing now
      {L"3", absent, L"", 3, 0},
      {L"3", absent, juste, 3, kEchec},           // the file went away
      {L"4", present, L"", 4, kEchec},            // the file came
      {L"0", present, juste, 0, 0},
      {L"-1", present, juste, -1, 0},
      {L"6", present, uneSecondeApres, 6, kEchec},  // another time
      {L"6", present, sansHeure, 6, kEchec},        // no "-": no time to compare
      {L"x", present, juste, -1, kEchec},           // a status that is no number
      {L"99999999999", present, juste, -1, kEchec},
  };
  for (const auto& c : cas) {
    std::int32_t statut = 77;
    EXPECT_EQ(dos_lireResultatFichier(statut, c.statut, c.chemin, c.date), c.resultat) << c.statut << L" " << c.date;
    EXPECT_EQ(statut, c.statutLu) << c.statut << L" " << c.date;
  }
}

TEST_F(Recuperation, ASummaryLineRestoresAPlanOnlyWhenItsFilesAreAsRecorded) {
  plan(L"P0000001.DGN", 1);                        // 0: restored, no errors CSV
  plan(L"P0000002.DGN", 1);                        // 1: only 12 fields
  plan(L"P0000003.DGN", 1);                        // 2: two lines, the first counts
  plan(L"P0000004.DGN", 1, false);                 // 3: missing, recorded missing
  plan(L"P0000005.DGN", 1);                        // 4: present, recorded missing
  plan(L"P0000006.DGN", 1);                        // 5: changed since
  plan(L"QRL-A", 2);                               // 6: three files as recorded
  plan(L"QRL-B", 2);                               // 7: its AR2 changed since
  plan(L"P0000009.DGN", 1);                        // 8: no line
  plan(L"P0000010.DGN", 1);                        // 9: depth is no number
  plan(L"P0000011.DGN", 0, false);                 // 10: no known kind: nothing to check
  plan(L"qrl-c", 2, false);                        // 11: delivered in lower case, recorded in upper
  for (const char* f : {"qrl-c.fp2", "qrl-c.el2", "qrl-c.ar2"}) {
    std::ofstream(livre / f) << "plan";
    dater(livre / f, kDateLivraison);
  }
  dater(livre / "QRL-B.AR2", kDateLivraison + 60);
  dater(livre / "P0000006.DGN", kDateLivraison + 3600);
  const std::wstring d = date(L"P0000001.DGN");  // every file was delivered at the same time
  bilan({
      L"p0000001.dgn;2;0;0;0;3;;;;" + d + L";;;",    // the name without case
      L"P0000002.DGN;2;0;0;0;3;;;;" + d + L";;",
      L"P0000003.DGN;0;0;0;0;1;;;;" + d + L";;;",
      L"P0000003.DGN;2;0;0;0;5;;;;" + d + L";;;",
      L"P0000004.DGN;2;0;0;0;;;;;;;;",
      L"P0000005.DGN;2;0;0;0;4;;;;;;;",
      L"P0000006.DGN;2;0;0;0;4;;;;" + d + L";;;",
      L"QRL-A;2;0;0;0;;0;1;2;;" + d + L";" + d + L";" + d,
      L"QRL-B;2;0;0;0;;0;1;2;;" + d + L";" + d + L";" + d,
      L"P0000010.DGN;deux;0;0;0;4;;;;" + d + L";;;",
      L"P0000011.DGN;2;0;0;0;;;;;;;;",
      L"QRL-C;2;0;0;0;;0;0;0;;" + d + L";" + d + L";" + d,
  });
  recuperer();
  const struct {
    std::int32_t resultat, profondeur, signature;
  } attendus[] = {
      {0, 2, 3}, {-1, -1, -1}, {0, 0, 1}, {0, 2, -1}, {-1, -1, 4}, {-1, -1, 4}, {0, 2, -1}, {-1, -1, -1},
      {-1, -1, -1}, {-1, -1, 4}, {0, 2, -1}, {0, 2, -1},
  };
  for (std::size_t i = 0; i < dossier.plans.size(); ++i) {
    const verplan& p = dossier.plans[i];
    EXPECT_EQ(p.statuts[0], attendus[i].resultat) << p.nom;
    EXPECT_EQ(p.statuts[1], attendus[i].profondeur) << p.nom;
    EXPECT_EQ(p.statuts[2], attendus[i].signature) << p.nom;
    EXPECT_TRUE(p.erreurs.empty() && p.ecarts.empty()) << p.nom;
  }
  // The three files' signature statuses are written whether they match or not.
  for (int k : {6, 7}) {
    EXPECT_EQ(dossier.plans[k].statuts[3], 0);
    EXPECT_EQ(dossier.plans[k].statuts[4], 1);
    EXPECT_EQ(dossier.plans[k].statuts[5], 2);
  }
}

TEST_F(Recuperation, NoSummaryLeavesEveryPlanAsTheEngineGaveIt) {
  verplan& p = plan(L"P0000001.DGN", 1);
  p.statuts = {2, 0, 5, -1, -1, -1};
  recuperer();
  EXPECT_EQ(dossier.plans[0].statuts, (std::array<std::int32_t, 6>{2, 0, 5, -1, -1, -1}));
  // Only the bar's opening and closing: no progress without a summary.
  EXPECT_EQ(host::completion_bar::log().size(), 2u);
}

TEST_F(Recuperation, TheBarCountsThePlansAndThePumpRunsAtEachOne) {
  for (const wchar_t* nom : {L"P0000001.DGN", L"P0000002.DGN", L"P0000003.DGN", L"P0000004.DGN"}) plan(nom, 1);
  bilan({});
  int pompes = 0;
  for (int i = 0; i < 10; ++i) host::commands::scheduleForPump([&pompes] { ++pompes; });
  recuperer();
  std::vector<int> pourcentages;
  for (const auto& e : host::completion_bar::log())
    if (e.event == host::completion_bar::Event::Update) {
      pourcentages.push_back(e.percent);
      EXPECT_EQ(e.text, dos_texteRecuperation);
    }
  EXPECT_EQ(pourcentages, (std::vector<int>{0, 25, 50, 75, 100}));
  EXPECT_EQ(pompes, 5);
  for (const verplan& p : dossier.plans) EXPECT_EQ(p.statuts[0], -1);
}

TEST_F(Recuperation, ErrorLinesGiveTheirNumbersAndPositions) {
  verplan& p = plan(L"P0000001.DGN", 1);
  bilan({L"P0000001.DGN;2;4;0;0;;;;;" + date(L"P0000001.DGN") + L";;;"});
  ecrire(p.fichierErreurs,
         {rapport_enteteErreurs,
          L"P0000001.DGN;18446744073709551615;2;2061;Bout pendant;compl;1.500;-2.250;cable",  // u64 max
          L"P0000001.DGN;4294967296;1;2044;Noeud;;0.000;0.000;",      // 0.000 is a position
          L"P0000001.DGN;7;1;2044;Noeud;;;0.000;",                    // no X: no position
          L"P0000001.DGN;8;1;2044;Noeud;;5;6;"});                     // one character: no position
  recuperer();
  const verplan& r = dossier.plans[0];
  ASSERT_EQ(r.erreurs.size(), 4u);
  EXPECT_EQ(r.statuts[0], 1);
  const vererreur& e = r.erreurs[0];
  EXPECT_EQ(e.fichier, L"P0000001.DGN");
  EXPECT_EQ(e.idElement, 18446744073709551615ULL);
  EXPECT_EQ(e.niveau, 2u);
  EXPECT_EQ(e.code, 2061u);
  EXPECT_EQ(e.message, L"Bout pendant");
  EXPECT_EQ(e.complement, L"compl");
  EXPECT_EQ(e.objet, L"cable");
  EXPECT_EQ(e.extra, 0u);
  ASSERT_TRUE(e.aPosition);
  // Not a design file: the engine's fallback of 1000 UORs per master unit.
  EXPECT_EQ(e.uorParMaitre, 1000.0);
  EXPECT_EQ(e.position.x, 1500.0);
  EXPECT_EQ(e.position.y, -2250.0);
  EXPECT_EQ(e.position.z, 0.0);
  EXPECT_EQ(r.erreurs[1].idElement, 4294967296ULL);
  EXPECT_TRUE(r.erreurs[1].aPosition);
  EXPECT_EQ(r.erreurs[1].position.x, 0.0);
  for (int k : {2, 3}) {
    EXPECT_FALSE(r.erreurs[k].aPosition) << k;
    EXPECT_EQ(r.erreurs[k].position.x, 0.0) << k;
    EXPECT_EQ(r.erreurs[k].position.y, 0.0) << k;
  }
}

// The summary row decides the status and the count: an errors CSV that is missing, cut short,
// damaged or left beside a plan recorded without errors leaves the plan not verified, never OK.
TEST_F(Recuperation, AnErrorsCsvThatDisagreesWithTheSummaryLeavesThePlanNotVerified) {
  const std::wstring bon = L"P0000001.DGN;7;1;2044;Noeud;;1.000;2.000;";
  const std::wstring entete = rapport_enteteErreurs;
  struct Cas {
    std::wstring nbErreurs;
    std::optional<std::vector<std::wstring>> erreurs;  // none: no errors CSV
    std::int32_t resultat;
    std::size_t lues;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"1", std::nullopt, -1, 0, "recorded NOK, errors CSV missing"},
      {L"1", std::vector<std::wstring>{}, -1, 0, "an empty errors CSV"},
      {L"1", std::vector<std::wstring>{entete}, -1, 0, "cut short after the header"},
      {L"2", std::vector<std::wstring>{entete, bon}, -1, 0, "one row of two"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;abc;1;2044;Noeud;;;;"}, -1, 0, "a number that is none"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;0.000;0.000"}, -1, 0, "8 fields"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;1.5.0;2.0;"}, -1, 0, "a bad position"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;1e400;2.0;"}, -1, 0, "X out of range"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;1.0;-1e-400;"}, -1, 0, "Y out of range"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;1e308;2.0;"}, -1, 0, "X infinite in UORs"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;1.0;-2e12;"}, -1, 0,
       "Y beyond what a design file holds"},
      {L"1", std::vector<std::wstring>{entete, L"P0000001.DGN;9;1;2044;Noeud;;-1e12;1e12;"}, 1, 1,
       "the largest coordinates a design file holds"},
      {L"0", std::vector<std::wstring>{entete, bon}, -1, 0, "a stray errors CSV beside a plan recorded OK"},
      {L"un", std::nullopt, -1, 0, "a count that is no number"},
      {L"0", std::nullopt, 0, 0, "recorded OK, no errors CSV"},
      {L"0", std::vector<std::wstring>{entete}, 0, 0, "recorded OK, the header alone"},
      {L"1", std::vector<std::wstring>{entete, bon}, 1, 1, "recorded NOK, its row"},
  };
  verplan& p = plan(L"P0000001.DGN", 1);
  for (const Cas& c : cas) {
    bilan({L"P0000001.DGN;0;" + c.nbErreurs + L";0;0;;;;;" + date(L"P0000001.DGN") + L";;;"});
    fs::remove(fs::path(p.fichierErreurs));
    if (c.erreurs) ecrire(p.fichierErreurs, *c.erreurs);
    p.erreurs.clear();
    recuperer();
    EXPECT_EQ(p.statuts[0], c.resultat) << c.pourquoi;
    EXPECT_EQ(p.erreurs.size(), c.lues) << c.pourquoi;
  }
}

// A name that the CSV cannot hold as it stands is looked up in the form the engine wrote it.
TEST_F(Recuperation, ANameWrittenInItsCsvFormIsFoundAgain) {
  for (const std::wstring nom : {L"A;B.DGN", L"A\nB.DGN", L"C\u0153UR.DGN"}) {
    // Paths made through the system's own conversion (UTF-8), whatever the process locale.
    dossier.plans.assign(1, verplan{});
    verplan& p = dossier.plans[0];
    p.nom = nom;
    p.type = 1;
    p.fichierErreurs = host::fixture::large(dir) + L"/Rapport/Erreur/" + nom + L"_Erreurs.csv";
    p.fichierCompare = host::fixture::large(dir) + L"/Rapport/Comparaison/" + nom + L"_Compare.csv";
    const std::wstring fichier = host::fixture::large(livre) + L"/" + nom;
    std::ofstream(host::paths::toNative(fichier).string()) << "plan";
    std::wstring jour, heure;
    ASSERT_EQ(stbFichier_dateModification(&jour, &heure, 0, fichier), 0);
    bilan({stbStr_champCsv(nom) + L";2;0;0;0;;;;;" + jour + L"-" + heure + L";;;"});
    recuperer();
    EXPECT_EQ(p.statuts[0], 0) << stbStr_champCsv(nom);
  }
}

// A plan verified but not compared has no compare CSV: the summary shows the counts of new and
// removed objects that its summary row records, not none.
TEST_F(Recuperation, WithoutACompareCsvTheSummaryRowGivesTheCounts) {
  verplan& p = plan(L"P0000001.DGN", 1);
  const struct {
    bool compare;
    std::wstring crees, supprimes;
    const char* pourquoi;
  } cas[] = {
      {false, L"7", L"0", "verified, not compared"},
      {true, L"1", L"1", "compared: its compare CSV gives the counts"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    bilan({L"P0000001.DGN;2;0;7;0;;;;;" + date(L"P0000001.DGN") + L";;;"});
    fs::remove(fs::path(p.fichierCompare));
    if (c.compare)
      ecrire(p.fichierCompare, {rapport_enteteComparaison, L"Nouveau;P0000001.DGN;V2;Cable;4;3.00;12;0",
                                L"Supprime;P0000001.DGN;V2;Borne;2;0.00;0;18"});
    p.ecarts.clear();
    p.nbCreesBilan = p.nbSupprimesBilan = -1;
    recuperer();
    ASSERT_EQ(p.statuts[0], 0);
    host::dialogs::ListRow ligne;
    bilan_remplirLigne(ligne, p, 0);
    EXPECT_EQ(ligne.cells[3].text, c.crees);
    EXPECT_EQ(ligne.cells[4].text, c.supprimes);
  }
}

TEST_F(Recuperation, CompareLinesGiveTheirStatusRoleAndIds) {
  verplan& p = plan(L"QRL-A", 2);
  const std::wstring d = date(L"QRL-A.FP2");
  bilan({L"QRL-A;2;0;1;1;;0;0;0;;" + d + L";" + d + L";" + d});
  ecrire(p.fichierCompare, {rapport_enteteComparaison,
                            L"Inchang\u00e9;QRL-A.FP2;V3_FDP;Bati;4;12.50;5000000000;17",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;4;3.00;12;0",
                            L"Supprime;QRL-A.AR2;V3_Autre;Borne;2;0.00;0;18446744073709551615",
                            L"Erreur;QRL-A.EL2;V2;;0;0.00;0;0",
                            L"supprime;QRL-A.EL2;v3_elec;;0;0.00;0;0",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;quatre;3.00;12;0",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;4;3,00;12;0",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;4;3.00;-12;0",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;4;3.00;12",
                            L"Nouveau;QRL-A.EL2;V3_Elec;Cable;4;1e308;12;0"});
  recuperer();
  const verplan& r = dossier.plans[0];
  EXPECT_EQ(r.statuts[0], 0);  // no errors CSV
  const struct {
    std::uint32_t statut, source, role;
    std::uint64_t livre, origine;
  } attendus[] = {
      {1, 1, 2, 5000000000ULL, 17}, {2, 1, 3, 12, 0}, {3, 2, 4, 0, 18446744073709551615ULL}, {6, 1, 1, 0, 0},
      {0, 1, 0, 0, 0},
  };
  ASSERT_EQ(r.ecarts.size(), std::size(attendus));
  for (std::size_t i = 0; i < std::size(attendus); ++i) {
    EXPECT_EQ(r.ecarts[i].statut, attendus[i].statut) << i;
    EXPECT_EQ(r.ecarts[i].source, attendus[i].source) << i;
    EXPECT_EQ(r.ecarts[i].role, attendus[i].role) << i;
    EXPECT_EQ(r.ecarts[i].idLivre, attendus[i].livre) << i;
    EXPECT_EQ(r.ecarts[i].idOrigine, attendus[i].origine) << i;
  }
  EXPECT_EQ(r.ecarts[0].fichier, L"QRL-A.FP2");
  EXPECT_EQ(r.ecarts[0].objet, L"Bati");
  EXPECT_EQ(r.ecarts[0].type, 4u);
  EXPECT_EQ(r.ecarts[0].longueur, 12.5);
}

// The engine writes the reports; reading them back gives the records it wrote them from, the
// positions in the units of the plan file that holds the element.
TEST_F(Recuperation, WhatTheEngineWroteReadsBackTheSame) {
  namespace pf = plan_fixture;
  auto unique = pf::planUnique();
  auto centieme = pf::construire(unique);
  centieme.fichier.header().subPerMaster = 100.0;  // 100 UORs per metre
  ASSERT_TRUE(pf::sauver(centieme.fichier, host::fixture::large(livre / unique.nomFichier)));
  const auto trois = pf::enregistrer(pf::planTroisFichiers(), host::fixture::large(livre));
  ASSERT_FALSE(trois.el2.empty());
  dossier.repErreur = host::fixture::large(dir / "Rapport" / "Erreur") + L"/";
  dossier.repComparaison = host::fixture::large(dir / "Rapport" / "Comparaison") + L"/";
  verplan& p1 = plan(unique.nomFichier, 1, false);
  verplan& p2 = plan(pf::planTroisFichiers().nom, 2, false);

  auto erreur = [](const std::wstring& fichier, std::uint64_t id, double uor, host::Point3d position) {
    vererreur e;
    e.fichier = fichier;
    e.code = 2061;
    e.message = L"Bout pendant sur un c\u00e2ble";
    e.niveau = 2;
    e.idElement = id;
    e.aPosition = true;
    e.position = position;
    e.uorParMaitre = uor;
    e.objet = L"BT";
    return e;
  };
  std::wstring nomEl2;
  stbFichier_nom(nomEl2, trois.el2);
  stbStr_majuscules(nomEl2);
  std::wstring nom1 = p1.nom;
  stbStr_majuscules(nom1);
  p1.erreurs = {erreur(nom1, 0x1234567890ULL, 100.0, {135496012.0, 623406034.0, 0.0})};
  p2.erreurs = {erreur(nomEl2, 0xFFFFFFFFFFFFFFF0ULL, 1000.0, {1354960123.0, 6234060345.0, 0.0})};
  p2.erreurs.push_back(erreur(nomEl2, 0, 0.0, {}));
  p2.erreurs.back().aPosition = false;
  verecart ecart;
  ecart.fichier = nomEl2;
  ecart.role = 3;
  ecart.idLivre = 0x100000001ULL;
  ecart.idOrigine = 0x200000002ULL;
  ecart.type = 4;
  ecart.longueur = 12.25;
  ecart.statut = 2;
  ecart.source = 1;
  ecart.objet = L"C\u00e2ble BT";
  p2.ecarts = {ecart};
  p1.statuts = {1, 2, 3, -1, -1, -1};
  p2.statuts = {1, 2, -1, 0, 1, 6};
  for (verplan* p : {&p1, &p2}) {
    rapport_ecrireErreurs(*p, dossier.repErreur);
    rapport_ecrireBilan(*p, dossier);
  }
  rapport_ecrireComparaison(p2.fichierCompare, p2.ecarts);
  const verdossier ecrit = dossier;

  for (verplan& p : dossier.plans) {
    p.statuts.fill(-1);
    p.erreurs.clear();
    p.ecarts.clear();
  }
  recuperer();
  for (std::size_t i = 0; i < 2; ++i) {
    const verplan &a = ecrit.plans[i], &r = dossier.plans[i];
    EXPECT_EQ(r.statuts, a.statuts) << a.nom;
    ASSERT_EQ(r.erreurs.size(), a.erreurs.size()) << a.nom;
    for (std::size_t k = 0; k < a.erreurs.size(); ++k) {
      const vererreur &ea = a.erreurs[k], &er = r.erreurs[k];
      EXPECT_EQ(er.fichier, ea.fichier);
      EXPECT_EQ(er.idElement, ea.idElement);
      EXPECT_EQ(er.code, ea.code);
      EXPECT_EQ(er.niveau, ea.niveau);
      EXPECT_EQ(er.message, ea.message);
      EXPECT_EQ(er.objet, ea.objet);
      // The engine writes "0.000" for no position, which reads back as a position at the origin.
      EXPECT_TRUE(er.aPosition);
      EXPECT_NEAR(er.position.x, ea.position.x, 1e-3);
      EXPECT_NEAR(er.position.y, ea.position.y, 1e-3);
      if (ea.aPosition) {
        EXPECT_EQ(er.uorParMaitre, ea.uorParMaitre);
      }
    }
  }
  ASSERT_EQ(dossier.plans[1].ecarts.size(), 1u);
  const verecart& r = dossier.plans[1].ecarts[0];
  EXPECT_EQ(r.fichier, ecart.fichier);
  EXPECT_EQ(r.role, ecart.role);
  EXPECT_EQ(r.idLivre, ecart.idLivre);
  EXPECT_EQ(r.idOrigine, ecart.idOrigine);
  EXPECT_EQ(r.type, ecart.type);
  EXPECT_EQ(r.longueur, ecart.longueur);
  EXPECT_EQ(r.statut, ecart.statut);
  EXPECT_EQ(r.source, ecart.source);
  EXPECT_EQ(r.objet, ecart.objet);
  EXPECT_EQ(host::openWorkFileCount(), 0u);  // the plan files read for their units are closed again
}

}  // namespace
