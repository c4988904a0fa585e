#include "toolbox/stb_niveau.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/views.h"
#include "host/fixture/chemins.h"
#include "host/messages.h"

namespace fx = host::fixture;

namespace {

class StbNiveau : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    host::views::reset();
    const std::string nom = std::string("niveau_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dgn";
    fx::DesignBuilder b;
    b.level(L"RéseauBT", 5);
    b.level(L"Topo1Limites", 9);
    b.file().levels.push_back({0, L"Zéro"});  // a level of id 0 counts as missing
    ASSERT_TRUE(b.save(host::fixture::large(boost::filesystem::path(nom))));
    ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, host::fixture::large(boost::filesystem::path(nom)), L"", true), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }
  host::ModelRef modele;
};

TEST_F(StbNiveau, MasqueVueSetsOnlyTheNamedLevels) {
  // The view hides level 9: the mask does not depend on what the view shows.
  host::views::setLevelDisplayed(0, modele, 9, false);
  host::LevelMask masque(true);
  stbNiveau_masqueVue(masque, L"Topo1Limites", {L"RéseauBT", L"Absent", L"réseaubt", L"Zéro"}, modele);
  EXPECT_TRUE(masque.test(8));
  EXPECT_TRUE(masque.test(4));
  for (std::uint32_t bit : {0u, 3u, 5u, 7u, 9u, 0xFFFFFFFEu}) EXPECT_FALSE(masque.test(bit)) << bit;
  stbNiveau_masqueVue(masque, L"", {L"Absent", L"Autre"}, modele);
  EXPECT_TRUE(masque.none());
}

TEST_F(StbNiveau, NomOfALevelOrEmpty) {
  std::wstring nom = L"x";
  EXPECT_EQ(stbNiveau_nom(nom, modele, 5), L"RéseauBT");
  EXPECT_EQ(stbNiveau_nom(nom, modele, 6), L"");
  EXPECT_EQ(stbNiveau_nom(nom, host::ModelRef{}, 5), L"");
}

TEST_F(StbNiveau, CreerFindsOrMakesTheLevelAndNamesTheOneItCannotMake) {
  host::ModelRef ecriture;
  ASSERT_EQ(host::openWorkFile(&ecriture, nullptr, nullptr, host::fileName(modele), L"", false), host::kSuccess);
  host::messages::clearLog();
  EXPECT_EQ(stbNiveau_creer(ecriture, L"RéseauBT"), 5u);
  const std::uint32_t neuf = stbNiveau_creer(ecriture, L"BT_Ajout");
  EXPECT_GT(neuf, 9u);
  EXPECT_EQ(stbNiveau_creer(ecriture, L"BT_Ajout"), neuf);
  EXPECT_EQ(stbNiveau_creer(modele, L"RéseauBT"), 5u) << "found in a read-only model";
  EXPECT_TRUE(host::messages::log().empty());

  EXPECT_EQ(stbNiveau_creer(modele, L"BT_Suppression"), 0u) << "read-only";
  host::setRefuseAdditions(true);
  EXPECT_EQ(stbNiveau_creer(ecriture, L"HTA_Ajout"), 0u);
  host::setRefuseAdditions(false);
  std::vector<std::wstring> messages;
  for (const auto& e : host::messages::log()) {
    EXPECT_EQ(e.kind, host::messages::Kind::MessageList);
    messages.push_back(e.brief);
  }
  EXPECT_EQ(messages, (std::vector<std::wstring>{L"Impossible de créer le niveau BT_Suppression.",
                                                 L"Impossible de créer le niveau HTA_Ajout."}));
  ASSERT_EQ(host::closeWorkFile(ecriture), host::kSuccess);
  host::ModelRef relu;
  ASSERT_EQ(host::openWorkFile(&relu, nullptr, nullptr, host::fileName(modele), L"", true), host::kSuccess);
  EXPECT_EQ(host::levelIdFromName(relu, L"BT_Ajout"), std::optional<host::LevelId>(neuf)) << "saved with the file";
}

}  // namespace
