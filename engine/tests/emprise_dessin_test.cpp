// The footprint drawing of a folder brought up to date: drawn from the prototype, kept when
// nothing changed, redrawn with the user's symbology when a plan changed, a footprint deleted when
// its plan left the folder.
#include "engine/emprise_dessin.h"

#include <gtest/gtest.h>

#include <ctime>

#include <boost/filesystem.hpp>

#include "engine/emprise_lecture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/projection.h"
#include "host/completion_bar.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "toolbox/stb_proj.h"

namespace {

namespace fs = boost::filesystem;

// Plans are older than any drawing made by the test.
constexpr std::time_t dateLivraison = 1796112000;

class EmpriseDessin : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path dossier = fs::current_path() / "EmpriseDessin" / test;
    fs::remove_all(dossier);
    fs::create_directories(dossier / "Temp");
    racine_ = host::paths::fromNative(dossier) + L"/";
    ASSERT_TRUE(plan_fixture::ecrireParametres(racine_ + L"Parametres"));
    ctx_.fichierPrototype = racine_ + L"Parametres/Prototype.dgn";
    ctx_.fichierEmprises = racine_ + L"Temp/Emprises.dgn";
    ctx_.projectionDossier = projection_rechercher(L"C47", L"");
    for (int i = 0; i < 3; ++i) ajouterPlan(i);
    host::completion_bar::clearLog();
    host::messages::clearLog();
    ouvertsAvant_ = host::openWorkFileCount();
  }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_); }

  void ajouterPlan(int i) {
    plan_fixture::PlanUnique plan = plan_fixture::planUnique();
    plan.nomFichier = L"3701045" + std::to_wstring(i) + L".261";
    plan.origineCadre.x += 300.0 * i;
    const std::wstring chemin = plan_fixture::enregistrer(plan, racine_ + L"Livre");
    ASSERT_FALSE(chemin.empty());
    fs::last_write_time(host::paths::toNative(chemin), dateLivraison);
    verplaninfo info;
    info.chemin = chemin;
    info.nomPlan = plan.nomFichier;
    info.libelleEmprise = plan.nomFichier;
    info.type = 1;
    info.version = 1;
    info.georeference = true;
    info.projection = ctx_.projectionDossier;
    ctx_.planInfos.push_back(info);
  }

  std::vector<veremprise> lire() const {
    std::vector<veremprise> e;
    EXPECT_EQ(emprise_chargerFichier(e, ctx_.fichierEmprises, {}, {}), 0);
    return e;
  }

  std::wstring racine_;
  vercontexte ctx_;
  std::size_t ouvertsAvant_ = 0;
};

TEST_F(EmpriseDessin, FirstOpeningDrawsEveryFootprintIntoACopyOfThePrototype) {
  std::wstring message;
  ASSERT_EQ(dossier_creerEmprises(ctx_, message), 0);
  EXPECT_TRUE(message.empty());
  std::wstring systeme;
  EXPECT_EQ(stbProj_nomSysteme(systeme, host::ModelRef{}, ctx_.fichierEmprises), ctx_.projectionDossier.cleSysteme);
  const std::vector<veremprise> lues = lire();
  ASSERT_EQ(lues.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const verplaninfo& p = ctx_.planInfos[i];
    EXPECT_EQ(p.emprise.libelle, p.nomPlan);
    EXPECT_EQ(p.emprise.indexPlan, static_cast<std::int32_t>(i));
    EXPECT_EQ(p.emprise.cree, 1u);
    EXPECT_EQ(p.emprise.idForme, lues[i].idForme);
    EXPECT_EQ(p.masqueTheme, 62u);
    EXPECT_EQ(p.masqueReseau, 62u);
  }
  const std::vector<host::completion_bar::Entry> barre = host::completion_bar::log();
  ASSERT_EQ(barre.size(), 6u);
  EXPECT_EQ(barre[0].text, L"V\u00e9rification des plans");
  EXPECT_EQ(barre[1].text, L"Cr\u00e9ation des emprises");
  EXPECT_EQ(barre[1].percent, 0);
  EXPECT_EQ(barre[2].text, L"Cr\u00e9ation des emprises (1/3).");
  EXPECT_EQ(barre[2].percent, 33);
  EXPECT_EQ(barre[4].percent, 100);
  EXPECT_EQ(barre[5].event, host::completion_bar::Event::Close);
}

TEST_F(EmpriseDessin, UnchangedPlansKeepTheirFootprintsAndAChangedOneIsRedrawnWithItsColour) {
  std::wstring message;
  vercontexte premier = ctx_;
  ASSERT_EQ(dossier_creerEmprises(premier, message), 0);
  {  // the user colours the second footprint
    host::ModelRef m;
    ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, ctx_.fichierEmprises, L"", false), 0);
    host::Element forme = *host::readElement(m, premier.planInfos[1].emprise.idForme);
    forme.colour = 5;
    ASSERT_EQ(host::replaceElement(m, forme), 0);
    ASSERT_EQ(host::closeWorkFile(m), 0);
  }
  vercontexte second = ctx_;
  ASSERT_EQ(dossier_creerEmprises(second, message), 0);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(second.planInfos[i].emprise.idForme, premier.planInfos[i].emprise.idForme);
    EXPECT_EQ(second.planInfos[i].emprise.cree, 0u);
  }

  fs::last_write_time(host::paths::toNative(ctx_.planInfos[1].chemin), std::time(nullptr) + 60);
  vercontexte troisieme = ctx_;
  ASSERT_EQ(dossier_creerEmprises(troisieme, message), 0);
  const veremprise& redessinee = troisieme.planInfos[1].emprise;
  EXPECT_EQ(redessinee.cree, 1u);
  EXPECT_NE(redessinee.idForme, premier.planInfos[1].emprise.idForme);
  EXPECT_EQ(redessinee.symbologieForme.couleur, 5u);
  EXPECT_EQ(troisieme.planInfos[0].emprise.cree, 0u);
  EXPECT_EQ(lire().size(), 3u);
}

TEST_F(EmpriseDessin, PlansThatLeftOrAreNotGeoreferenced) {
  std::wstring message;
  vercontexte premier = ctx_;
  ASSERT_EQ(dossier_creerEmprises(premier, message), 0);
  // The third plan left the folder; the second is no longer georeferenced and newer: its
  // footprint stays as it was.
  vercontexte second = ctx_;
  second.planInfos.pop_back();
  second.planInfos[1].georeference = false;
  fs::last_write_time(host::paths::toNative(ctx_.planInfos[1].chemin), std::time(nullptr) + 60);
  ASSERT_EQ(dossier_creerEmprises(second, message), 0);
  const std::vector<veremprise> lues = lire();
  ASSERT_EQ(lues.size(), 2u);
  EXPECT_EQ(lues[0].libelle, ctx_.planInfos[0].nomPlan);
  EXPECT_EQ(lues[1].libelle, ctx_.planInfos[1].nomPlan);
  EXPECT_EQ(second.planInfos[1].emprise.idForme, premier.planInfos[1].emprise.idForme);
}

TEST_F(EmpriseDessin, FailuresGiveTheirMessages) {
  // A plan whose file has no frame gets a warning and no footprint; the others are drawn.
  {
    host::fixture::DesignBuilder vide;
    ASSERT_TRUE(vide.save(ctx_.planInfos[0].chemin));
  }
  std::wstring message;
  ASSERT_EQ(dossier_creerEmprises(ctx_, message), 0);
  EXPECT_EQ(lire().size(), 2u);
  const auto journal = host::messages::log();
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal[0].kind, host::messages::Kind::MessageList);
  EXPECT_EQ(journal[0].brief, L"AVERTISSEMENT. Impossible de cr\u00e9er l'emprise associ\u00e9e au plan " +
                                  ctx_.planInfos[0].chemin + L".");

  // No prototype: the drawing cannot be made.
  vercontexte sansPrototype = ctx_;
  sansPrototype.fichierEmprises = racine_ + L"Temp/Autre.dgn";
  sansPrototype.fichierPrototype = racine_ + L"Parametres/Absent.dgn";
  EXPECT_EQ(dossier_creerEmprises(sansPrototype, message), 0x8000);
  EXPECT_EQ(message, L"Impossible de copier le fichier " + sansPrototype.fichierPrototype + L" en " +
                         sansPrototype.fichierEmprises + L".");
}

}  // namespace
