// Start-up in the test's own process: app_initialiser over the configuration, the palette and the
// working drawing, the unload callback and the hook of dialog 1.
#include "application/app_demarrage.h"

#include <gtest/gtest.h>

#include <fstream>

#include <boost/filesystem.hpp>
#include <cstring>
#include <cwctype>

#include "application/proj_application.h"
#include "application/verapplication.h"
#include "application/version_fichier.h"
#include "engine/fixture/parametres_fixture.h"
#include "host/color_palette.h"
#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;

namespace {

class Demarrage : public ::testing::Test {
 protected:
  void SetUp() override {
    reinitialiser();
    dir = fs::current_path() / (std::string("demarrage_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "Travail");
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir / "Parametres")));
    host::config::set(L"TOLVEK_RACINE", racine());
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(dir / "Parametres"));
    std::memset(&TvkDlg, 0x5A, sizeof TvkDlg);  // start-up clears it all
  }
  void TearDown() override { reinitialiser(); }
  static void reinitialiser() {
    host::colors::destroyPalette(appTolvek.palette);
    appTolvek = verapplication{};
    host::colors::setRefusePalettes(false);
    host::config::clear();
    host::messages::clearLog();
    host::resetModels();
  }
  std::wstring racine() const { return host::fixture::large(dir / "Travail"); }
  std::wstring dessin() const { return host::fixture::large(dir / "Travail" / "Tolvek.dgn"); }
  static std::vector<std::wstring> boites() {
    std::vector<std::wstring> textes;
    for (const auto& e : host::messages::log())
      if (e.kind == host::messages::Kind::MessageBox) textes.push_back(e.brief);
    return textes;
  }
  static void attacher(const std::wstring& nomLogique, const std::wstring& fichier) {
    host::ReferenceAttachment a;
    a.logicalName = nomLogique;
    a.fileName = fichier;
    ASSERT_TRUE(host::attachReference(host::activeModel(), a));
  }
  static std::vector<std::wstring> references() {
    std::vector<std::wstring> noms;
    for (host::ModelRef r : host::references(host::activeModel())) noms.push_back(host::attachment(r)->logicalName);
    return noms;
  }
  fs::path dir;
};

TEST_F(Demarrage, MakesTheWorkingDrawingActiveAndFillsTheState) {
  ASSERT_EQ(app_initialiser(), 0);
  EXPECT_TRUE(boites().empty());
  EXPECT_EQ(appTolvek.cheminDessin, dessin());
  EXPECT_EQ(appTolvek.cheminPrototype, host::fixture::large(dir / "Parametres" / "Prototype.dgn"));
  EXPECT_TRUE(fs::exists(dir / "Travail" / "Tolvek.dgn"));
  EXPECT_EQ(host::activeFileName(), dessin());
  // The dialog variable is cleared, but for the file of the locate-element command.
  tvkdialogue vide{};
  vide.codeTheme = 4;
  EXPECT_EQ(std::memcmp(&TvkDlg, &vide, sizeof vide), 0);
  EXPECT_EQ(appTolvek.drapeaux, 0u);
  const int couleurs[] = {7, 9, 102, 88, 21, 44, 31};
  ASSERT_EQ(host::colors::paletteSize(appTolvek.palette), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(host::colors::entryColorIndex(appTolvek.palette, i), couleurs[i]) << i;
  EXPECT_EQ(appTolvek.projections.size(), 19u);
  EXPECT_EQ(appTolvek.versionApplication, L"00.00.00");  // no plug-in runs: the host gives 0
  EXPECT_TRUE(appTolvek.versionBibliotheque.empty());    // no application path, no library beside it
}

TEST_F(Demarrage, ReadsTheLibraryVersionBesideTheApplication) {
  appTolvek.cheminApplication = L"" TOLVEK_PLUGIN_PATH;
  ASSERT_EQ(app_initialiser(), 0);
  std::wstring attendue;
  app_lireVersionFichier(attendue, host::fixture::large(fs::path(TOLVEK_PLUGIN_PATH).parent_path() / "libhalvorn.so"));
  EXPECT_FALSE(attendue.empty());
  EXPECT_EQ(appTolvek.versionBibliotheque, attendue);

  // The plug-in's own record is hidden from the loader, yet read from the file.
  std::wstring application;
  app_lireVersionFichier(application, L"" TOLVEK_PLUGIN_PATH);
  EXPECT_EQ(application, L"1.0.0.0");

  std::wstring aucune = L"x";
  app_lireVersionFichier(aucune, host::fixture::large(dir / "absent.so"));
  EXPECT_TRUE(aucune.empty());
  app_lireVersionFichier(aucune, dessin());  // a file that is no library
  EXPECT_TRUE(aucune.empty());
}

TEST_F(Demarrage, OptionalVariablesSetTheirFlagWhenTheyReadAsTheRightInteger) {
  const struct {
    const wchar_t* variable;
    const wchar_t* valeur;
    std::uint32_t drapeaux;
  } cas[] = {
      {L"TOLVEK_SIGNATURE", L"0", 1},
      {L"TOLVEK_SIGNATURE", L" -0", 1},
      {L"TOLVEK_SIGNATURE", L"1", 0},
      {L"TOLVEK_SIGNATURE", L"non", 0},   // a text is no 0
      {L"TOLVEK_SIGNATURE", L"", 0},
      {L"TOLVEK_LEVELAUDIT", L"1", 2},
      {L"TOLVEK_LEVELAUDIT", L"1x", 2},   // the leading digits count
      {L"TOLVEK_LEVELAUDIT", L"2", 0},
      {L"TOLVEK_TRACE", L"01", 4},
      {L"TOLVEK_TRACE", L"+1", 4},
      {L"TOLVEK_TRACE", L"x1", 0},
      {L"TOLVEK_TRACE", L"4294967297", 0},  // too long for a number: not 1
  };
  for (const auto& c : cas) {
    host::config::set(c.variable, c.valeur);
    host::resetModels();
    EXPECT_EQ(app_initialiser(), 0) << c.variable << L"=" << c.valeur;
    EXPECT_EQ(appTolvek.drapeaux, c.drapeaux) << c.variable << L"=" << c.valeur;
    host::config::unset(c.variable);
  }
  host::config::set(L"TOLVEK_SIGNATURE", L"0");
  host::config::set(L"TOLVEK_LEVELAUDIT", L"1");
  host::config::set(L"TOLVEK_TRACE", L"1");
  EXPECT_EQ(app_initialiser(), 0);
  EXPECT_EQ(appTolvek.drapeaux, 7u);
  EXPECT_TRUE(boites().empty());  // optional variables are read silently
}

TEST_F(Demarrage, ARequiredVariableMissingFailsWithOneMessageBox) {
  host::config::unset(L"TOLVEK_RACINE");
  EXPECT_EQ(app_initialiser(), 0x8000);
  EXPECT_EQ(boites(), std::vector<std::wstring>{L"La variable d'environnement TOLVEK_RACINE n'est pas d\u00e9finie."});
  EXPECT_TRUE(appTolvek.cheminDessin.empty());

  host::messages::clearLog();
  host::config::set(L"TOLVEK_RACINE", racine());
  host::config::unset(L"TOLVEK_PARAM");
  EXPECT_EQ(app_initialiser(), 0x8000);
  EXPECT_EQ(boites(), std::vector<std::wstring>{L"La variable d'environnement TOLVEK_PARAM n'est pas d\u00e9finie."});
  EXPECT_EQ(appTolvek.cheminDessin, dessin());  // already set when the second variable is read
  EXPECT_FALSE(host::activeModel());
  EXPECT_FALSE(fs::exists(dir / "Travail" / "Tolvek.dgn"));
}

TEST_F(Demarrage, APrototypeThatCannotBeCopiedFailsWithAMessageBox) {
  fs::remove(dir / "Parametres" / "Prototype.dgn");
  EXPECT_EQ(app_initialiser(), 0x8000);
  const std::wstring prototype = host::fixture::large(dir / "Parametres" / "Prototype.dgn");
  EXPECT_EQ(boites(), std::vector<std::wstring>{L"Impossible de copier le fichier " + prototype + L" en " + dessin() + L"."});
  EXPECT_FALSE(host::activeModel());
  EXPECT_TRUE(appTolvek.versionApplication.empty());  // ended before the versions

  // A working folder that does not exist cannot take the copy either.
  host::messages::clearLog();
  ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir / "Parametres")));
  host::config::set(L"TOLVEK_RACINE", host::fixture::large(dir / "Absent"));
  EXPECT_EQ(app_initialiser(), 0x8000);
  EXPECT_EQ(boites().size(), 1u);
}

// A prototype that is there but cannot be read as a design file fails as a missing one does:
// one message box, no active model.
TEST_F(Demarrage, APrototypeThatIsNoDesignFileFailsWithAMessageBox) {
  const std::wstring prototype = host::fixture::large(dir / "Parametres" / "Prototype.dgn");
  for (const std::string& contenu : {std::string(), std::string("{\"format\": \"cadhost-design\", \"vers"),
                                    std::string("\x00\x01garbage", 9)}) {
    host::messages::clearLog();
    host::resetModels();
    std::ofstream((dir / "Parametres" / "Prototype.dgn").string(), std::ios::binary | std::ios::trunc) << contenu;
    EXPECT_EQ(app_initialiser(), 0x8000) << contenu;
    EXPECT_EQ(boites(), std::vector<std::wstring>{L"Impossible d'ouvrir le fichier " + dessin() +
                                                  L" copi\u00e9 du fichier " + prototype + L"."})
        << contenu;
    EXPECT_FALSE(host::activeModel());
  }
}

TEST_F(Demarrage, AWorkingDrawingAlreadyActiveIsKeptAndItsPlanReferencesDetached) {
  ASSERT_EQ(app_initialiser(), 0);
  const host::ElementId marque = host::addElement(host::activeModel(), host::fixture::line({0, 0, 0}, {1, 1, 0}).element());
  ASSERT_NE(marque, 0u);
  const std::wstring plan = host::fixture::large(dir / "Parametres" / "Prototype.dgn");
  for (const wchar_t* nom : {L"VERIFEmprisesdgn", L"VERLIVP0123EL2", L"AUTRE", L"veroriP0123EL2"}) attacher(nom, plan);

  // The same path in other letter case names the same drawing: no copy, no reopening.
  std::wstring autreCasse = racine();
  for (auto& c : autreCasse) c = static_cast<wchar_t>(std::towupper(c));
  host::config::set(L"TOLVEK_RACINE", autreCasse);
  ASSERT_EQ(app_initialiser(), 0);
  EXPECT_NE(host::readElement(host::activeModel(), marque), nullptr);
  EXPECT_EQ(references(), std::vector<std::wstring>{L"AUTRE"});
  EXPECT_EQ(appTolvek.versionApplication, L"00.00.00");
}

TEST_F(Demarrage, APaletteRefusedEndsTheStartEarlyAsASuccess) {
  host::colors::setRefusePalettes(true);
  host::config::set(L"TOLVEK_TRACE", L"1");
  EXPECT_EQ(app_initialiser(), 0);
  EXPECT_EQ(appTolvek.palette, nullptr);
  EXPECT_EQ(appTolvek.drapeaux, 4u);
  EXPECT_EQ(TvkDlg.codeTheme, 4);
  EXPECT_TRUE(appTolvek.projections.empty());
  EXPECT_TRUE(appTolvek.versionApplication.empty());
  EXPECT_TRUE(appTolvek.versionBibliotheque.empty());
  EXPECT_FALSE(host::activeModel());  // no working drawing
  EXPECT_TRUE(boites().empty());
}

TEST_F(Demarrage, UnloadingDestroysThePaletteAndOnRequestDetachesThePlans) {
  ASSERT_EQ(app_initialiser(), 0);
  const std::wstring plan = host::fixture::large(dir / "Parametres" / "Prototype.dgn");
  for (const wchar_t* nom : {L"VERIFEmprisesdgn", L"VERLIVP0123EL2", L"VERORIP0123EL2", L"AUTRE"}) attacher(nom, plan);
  host::colors::Palette* palette = appTolvek.palette;

  EXPECT_FALSE(app_decharger(2));  // the host exits: references stay
  EXPECT_FALSE(host::colors::isPalette(palette));
  EXPECT_EQ(references().size(), 4u);

  EXPECT_FALSE(app_decharger(1));
  EXPECT_EQ(references(), std::vector<std::wstring>{L"AUTRE"});
}

TEST(HookDialoguePrincipal, AnswersOnlyTheWindowFlagsMessage) {
  const struct {
    int message;
    std::uint8_t second;
    bool traite;
    std::uint8_t premier;
  } cas[] = {
      {host::dialogs::msgWindowFlags, 1, true, 1},
      {host::dialogs::msgWindowFlags, 0, true, 0},
      {host::dialogs::msgInit, 1, false, 0},
      {host::dialogs::msgCreate, 1, false, 0},
      {host::dialogs::msgDestroy, 1, false, 0},
  };
  for (const auto& c : cas) {
    host::dialogs::DialogMessage m;
    m.messageType = c.message;
    m.msgUnderstood = !c.traite;
    m.flagBytes[1] = c.second;
    app_hookDialoguePrincipal(&m);
    EXPECT_EQ(m.msgUnderstood, c.traite) << c.message;
    EXPECT_EQ(m.flagBytes[0], c.premier) << c.message;
  }
}

TEST(LireEntier, LeadingBlanksSignAndDigits) {
  const struct {
    const wchar_t* texte;
    bool lu;
    long nombre;
  } cas[] = {
      {L"0", true, 0},     {L"  12", true, 12},  {L"-3", true, -3},  {L"+1", true, 1},
      {L"1x", true, 1},    {L"007", true, 7},    {L"", false, 0},    {L" ", false, 0},
      {L"x1", false, 0},   {L"-", false, 0},     {L"+ 1", false, 0}, {L"99999999999", false, 0},
  };
  for (const auto& c : cas) {
    long n = -99;
    EXPECT_EQ(app_lireEntier(c.texte, n), c.lu) << c.texte;
    if (c.lu) {
      EXPECT_EQ(n, c.nombre) << c.texte;
    }
  }
}

}  // namespace
