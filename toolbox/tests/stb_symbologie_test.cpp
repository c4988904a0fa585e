#include "toolbox/stb_symbologie.h"

#include <gtest/gtest.h>

#include <numbers>

#include "host/fixture/design_builder.h"
#include "toolbox/stb_elem_attributs.h"

namespace fx = host::fixture;
using host::ElementHandle;

namespace {

constexpr double kPi = std::numbers::pi;

// A plan with levels and a named line style, open read-only; 1000 UORs per master unit.
class StbSymbologie : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    fx::DesignBuilder b;
    reseau = b.level(L"RéseauBT", 12);
    texte = b.level(L"TxtRéseauBT", 13);
    tirets = b.lineStyle(L"{ Tirets }");
    const std::string nom = std::string("symbologie_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dgn";
    ASSERT_TRUE(b.save(std::wstring(nom.begin(), nom.end())));
    ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, std::wstring(nom.begin(), nom.end()), L"", true), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }
  ElementHandle tenir(const fx::Spec& s) const { return ElementHandle(s.element(), modele); }
  versymbologie lire(const ElementHandle& h) const {
    versymbologie s;
    stbElem_lireSymbologie(s, h, modele);
    return s;
  }
  host::ModelRef modele;
  host::LevelId reseau = 0, texte = 0;
  std::int32_t tirets = 0;
};

TEST(Versymbologie, DefaultsAreTheNotCheckedValues) {
  const versymbologie s;
  EXPECT_EQ(s.libelle, L"");
  EXPECT_EQ(s.nomNiveau, L"");
  EXPECT_EQ(s.idNiveau, 0xFFFFFFFFu);
  EXPECT_EQ(s.type, -1);
  EXPECT_EQ(s.couleur, 0xFFFFFFFFu);
  EXPECT_EQ(s.epaisseur, 0xFFFFFFFFu);
  EXPECT_EQ(s.style, -1);
  EXPECT_EQ(s.nomStyle, L"~");
  EXPECT_EQ(s.largeurStyle, 0.0);
  EXPECT_EQ(s.echelleStyle, 0.0);
  EXPECT_EQ(s.couleurRemplissage, 0xFFFFFFFFu);
  EXPECT_EQ(s.priorite, -999);
  EXPECT_EQ(s.modeZone, -1);
  EXPECT_EQ(s.classe, -1);
  EXPECT_LT(s.transparence, 0.0);
  EXPECT_EQ(s.police, L"~");
  EXPECT_EQ(s.hauteurTexte, -9999.0);
  EXPECT_EQ(s.largeurTexte, -9999.0);
  EXPECT_EQ(s.interligne, -9999.0);
  EXPECT_EQ(s.souligne, 0u);
  EXPECT_EQ(s.justification, 127u);
  EXPECT_EQ(s.angle, -9999.0);
  EXPECT_EQ(s.texte, L"");
  EXPECT_EQ(s.nomCellule, L"~");
  EXPECT_EQ(s.echelleCellule, (host::Point3d{0, 0, 0}));
  EXPECT_EQ(s.espacementMotif1, 0.0);
  EXPECT_EQ(s.espacementMotif2, 0.0);
  EXPECT_EQ(s.angleMotif1, 0.0);
  EXPECT_EQ(s.angleMotif2, 0.0);
}

TEST_F(StbSymbologie, ReadsLinesCellsAndTexts) {
  const auto ligne = lire(tenir(fx::line({0, 0, 0}, {1, 0, 0}).level(reseau).colour(3).weight(2).style(tirets)
                                    .styleParams({2.0, 150.0, 150.0, 1 | 8 | 16}).elementClass(0).priority(4).transparency(0.25)));
  EXPECT_EQ(ligne.nomNiveau, L"RéseauBT");
  EXPECT_EQ(ligne.idNiveau, 12u);
  EXPECT_EQ(ligne.type, 3);
  EXPECT_EQ(ligne.couleur, 3u);
  EXPECT_EQ(ligne.epaisseur, 2u);
  EXPECT_EQ(ligne.style, tirets);
  EXPECT_EQ(ligne.nomStyle, L"{ Tirets }");
  EXPECT_EQ(ligne.largeurStyle, 150.0);
  EXPECT_EQ(ligne.echelleStyle, 2.0);
  EXPECT_EQ(ligne.classe, 0);
  EXPECT_EQ(ligne.priorite, 4);
  EXPECT_EQ(ligne.transparence, 0.25);
  EXPECT_EQ(ligne.modeZone, -1);  // not an area
  EXPECT_EQ(ligne.nomCellule, L"~");
  EXPECT_EQ(ligne.echelleCellule, (host::Point3d{0, 0, 0}));
  EXPECT_EQ(lire(tenir(fx::line({0, 0, 0}, {1, 0, 0}).style(2))).nomStyle, L"~");  // standard style: no name

  const auto cellule = lire(tenir(fx::cell(L"POTKRV", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0})}, 2.0).angle(kPi / 3)));
  EXPECT_EQ(cellule.nomCellule, L"POTKRV");
  EXPECT_EQ(cellule.echelleCellule, (host::Point3d{2, 2, 2}));
  EXPECT_NEAR(cellule.angle, kPi / 3, 1e-12);

  const auto txt = lire(tenir(fx::text(L"BT 3x150", {0, 0, 0}, 400, 280, L"WORKING").level(texte).justification(7)
                                  .lineSpacing(200).underline().angle(kPi / 6)));
  EXPECT_EQ(txt.texte, L"BT 3x150");
  EXPECT_EQ(txt.police, L"WORKING");
  EXPECT_DOUBLE_EQ(txt.hauteurTexte, 0.4);  // master units
  EXPECT_DOUBLE_EQ(txt.largeurTexte, 0.28);
  EXPECT_DOUBLE_EQ(txt.interligne, 0.2);
  EXPECT_EQ(txt.justification, 7u);
  EXPECT_EQ(txt.souligne, 1u);
  EXPECT_NEAR(txt.angle, kPi / 6, 1e-12);

  const auto forme = lire(tenir(fx::rectangle({0, 0, 0}, {10, 10, 0}).fill(5).hole()));
  EXPECT_EQ(forme.modeZone, 1);
  EXPECT_EQ(forme.couleurRemplissage, 5u);
}

// A pass over a model reads the names once per level and style: the record is the one the
// handle reader gives, asked twice so that the second reading comes from the names kept.
TEST_F(StbSymbologie, NamesReadOnceGiveTheSameRecords) {
  const fx::Spec cas[] = {
      fx::line({0, 0, 0}, {1, 0, 0}).level(reseau).colour(3).weight(2).style(tirets),
      fx::line({0, 0, 0}, {1, 0, 0}).level(99).style(300),
      fx::line({0, 0, 0}, {1, 0, 0}).level(reseau).style(2),
      fx::text(L"BT 3x150", {0, 0, 0}, 400, 280, L"WORKING").level(texte).justification(7),
      fx::text(L"", {0, 0, 0}).level(texte).style(tirets),
      fx::textNode({fx::text(L"a", {0, 0, 0}).level(texte).style(tirets), fx::text(L"b", {0, 0, 0}).level(reseau)}),
      fx::cell(L"POTKRV", {5, 5, 0}, {fx::line({5, 5, 0}, {6, 6, 0}).level(reseau)}, 2.0).level(reseau),
      fx::chain({fx::line({0, 0, 0}, {1, 0, 0}), fx::line({1, 0, 0}, {2, 0, 0})}).level(reseau).style(tirets),
  };
  stbNomsSymbologie noms(modele);
  for (int tour = 0; tour < 2; ++tour)
    for (const fx::Spec& c : cas) {
      versymbologie parNoms;
      stbElem_lireSymbologie(parNoms, c.element(), noms);
      EXPECT_EQ(parNoms, lire(tenir(c))) << "type " << c.element().type << ", round " << tour;
    }
}

TEST_F(StbSymbologie, AnEmptyTextKeepsItsDefaults) {
  const auto s = lire(tenir(fx::text(L"", {0, 0, 0}).level(texte).colour(4).elementClass(1).priority(3)));
  EXPECT_EQ(s.couleur, 4u);
  EXPECT_EQ(s.idNiveau, 13u);
  EXPECT_EQ(s.classe, -1);
  EXPECT_EQ(s.priorite, -999);
  EXPECT_LT(s.transparence, 0.0);
  EXPECT_EQ(s.police, L"~");
  EXPECT_EQ(s.hauteurTexte, -9999.0);
  EXPECT_EQ(s.justification, 127u);
  EXPECT_EQ(s.texte, L"");
  const auto vide = lire(ElementHandle());
  EXPECT_EQ(vide, versymbologie{});
}

TEST_F(StbSymbologie, ApplyingADefaultRecordChangesNothingButAreaFillAndPattern) {
  const fx::Spec ligne = fx::line({0, 0, 0}, {1, 0, 0}).level(reseau).colour(3).weight(2).style(tirets).elementClass(2).priority(5);
  auto h = tenir(ligne);
  ASSERT_EQ(stbElem_appliquerSymbologie(h, versymbologie{}, modele), 0);
  EXPECT_EQ(*h.element(), ligne.element());
  for (const fx::Spec& zone : {fx::rectangle({0, 0, 0}, {1, 1, 0}), fx::complexShape({fx::lineString({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}})}),
                               fx::ellipse({0, 0, 0}, 2, 1)}) {
    fx::Spec rempli = zone;
    rempli.fill(4).pattern({100, 0, 0, 0}).hole();
    auto z = tenir(rempli);
    ASSERT_EQ(stbElem_appliquerSymbologie(z, versymbologie{}, modele), 0);
    EXPECT_FALSE(z.element()->fillColour);
    EXPECT_FALSE(z.element()->pattern);
    EXPECT_TRUE(z.element()->hole);  // area mode -1 leaves the area type
  }
  ElementHandle vide;
  EXPECT_EQ(stbElem_appliquerSymbologie(vide, versymbologie{}, modele), 0x8000);
}

TEST_F(StbSymbologie, AppliesEachSetItem) {
  struct Cas {
    void (*regler)(versymbologie&);
    void (*verifier)(const host::Element&);
    const char* pourquoi;
  };
  const Cas cas[] = {
      {[](versymbologie& s) { s.nomNiveau = L"X"; s.idNiveau = 12; },
       [](const host::Element& e) { EXPECT_EQ(e.level, 1u); }, "a level name the model lacks changes nothing"},
      {[](versymbologie& s) { s.idNiveau = 12; }, [](const host::Element& e) { EXPECT_EQ(e.level, 12u); }, "level id"},
      {[](versymbologie& s) { s.nomNiveau = L"TxtRéseauBT"; s.idNiveau = 12; },
       [](const host::Element& e) { EXPECT_EQ(e.level, 13u); }, "level name wins over id"},
      {[](versymbologie& s) { s.idNiveau = 0; }, [](const host::Element& e) { EXPECT_EQ(e.level, 1u); }, "level 0 is not applied"},
      {[](versymbologie& s) { s.transparence = 0.0; }, [](const host::Element& e) { EXPECT_EQ(e.transparency, 0.0); }, "transparency 0 is applied"},
      {[](versymbologie& s) { s.transparence = -0.5; }, [](const host::Element& e) { EXPECT_EQ(e.transparency, 0.5); }, "negative transparency is not"},
      {[](versymbologie& s) { s.couleur = 6; s.epaisseur = 3; s.classe = 0; s.priorite = -2; },
       [](const host::Element& e) {
         EXPECT_EQ(e.colour, 6u);
         EXPECT_EQ(e.weight, 3u);
         EXPECT_EQ(e.elementClass, 0);
         EXPECT_EQ(e.priority, -2);
       },
       "colour, weight, class, priority"},
      {[](versymbologie& s) { s.style = 2; s.nomStyle = L"{ Tirets }"; s.largeurStyle = 50; s.echelleStyle = 2.0; },
       [](const host::Element& e) {
         EXPECT_EQ(e.lineStyle, 100);
         EXPECT_EQ(e.lineStyleParams, (host::LineStyleParams{2.0, 50, 50, 1 | 8 | 16}));
       },
       "line style by name with its width and scale"},
      {[](versymbologie& s) { s.style = 2; s.nomStyle = L"Inconnu"; },
       [](const host::Element& e) { EXPECT_EQ(e.lineStyle, 2); }, "unknown name: the number stays"},
  };
  for (const auto& c : cas) {
    auto h = tenir(fx::line({0, 0, 0}, {1, 0, 0}).level(1).transparency(0.5).elementClass(2).linkage(7));
    versymbologie s;
    c.regler(s);
    ASSERT_EQ(stbElem_appliquerSymbologie(h, s, modele), 0) << c.pourquoi;
    c.verifier(*h.element());
    EXPECT_TRUE(h.element()->linkages.empty()) << c.pourquoi;
  }
  // Area items are converted from master units.
  auto z = tenir(fx::rectangle({0, 0, 0}, {1, 1, 0}));
  versymbologie s;
  s.modeZone = 0;
  s.couleurRemplissage = 7;
  s.espacementMotif1 = 0.5;
  s.angleMotif1 = 0.25;
  s.espacementMotif2 = 0.2;
  s.angleMotif2 = 1.0;
  ASSERT_EQ(stbElem_appliquerSymbologie(z, s, modele), 0);
  EXPECT_EQ(z.element()->fillColour, 7u);
  EXPECT_EQ(z.element()->pattern, (host::Pattern{500, 0.25, 200, 1.0}));
  EXPECT_FALSE(z.element()->hole);
}

TEST_F(StbSymbologie, ApplyingTextProperties) {
  const fx::Spec original = fx::text({{L"Paris", host::RunKind::EnterData}}, {10, 20, 0}, 400, 280, L"WORKING").colour(3).group(8).level(texte);
  auto h = tenir(original);
  versymbologie s;
  ASSERT_EQ(stbElem_appliquerProprietesTexte(h, modele, s), 0);
  EXPECT_EQ(lire(h).texte, L"Paris");  // empty text keeps the content
  EXPECT_EQ(lire(h).police, L"WORKING");  // "~" keeps the font
  EXPECT_EQ(h.element()->colour, 3u);
  EXPECT_EQ(h.element()->graphicGroup, 8u);

  s.texte = L"Lyon";
  s.police = L"intl_engineering";
  s.hauteurTexte = 8.0;
  s.largeurTexte = 5.0;
  s.justification = 7;
  s.angle = kPi / 2;
  s.couleur = 9;
  s.souligne = 1;
  ASSERT_EQ(stbElem_appliquerProprietesTexte(h, modele, s), 0);
  const auto lu = lire(h);
  EXPECT_EQ(lu.texte, L"Lyon");
  EXPECT_EQ(lu.police, L"INTL_ENGINEERING");
  EXPECT_DOUBLE_EQ(lu.hauteurTexte, 8.0);
  EXPECT_DOUBLE_EQ(lu.largeurTexte, 5.0);
  EXPECT_EQ(lu.justification, 7u);
  EXPECT_NEAR(lu.angle, kPi / 2, 1e-12);
  EXPECT_EQ(lu.couleur, 9u);
  EXPECT_EQ(lu.souligne, 1u);
  EXPECT_EQ(h.element()->text->origin, (host::Point3d{10, 20, 0}));
  s.police = L"Police absente";
  ASSERT_EQ(stbElem_appliquerProprietesTexte(h, modele, s), 0);
  EXPECT_EQ(lire(h).police, L"INTL_ENGINEERING");

  auto noeud = tenir(fx::textNode({fx::text(L"ligne 1", {0, 0, 0}).colour(2), fx::text(L"ligne 2", {0, -500, 0})}));
  ASSERT_EQ(stbElem_appliquerProprietesTexte(noeud, modele, versymbologie{}), 0);
  EXPECT_EQ(lire(noeud).texte, L"ligne 1\rligne 2");
  EXPECT_EQ(lire(noeud).couleur, 2u);
  auto ligne = tenir(fx::line({0, 0, 0}, {1, 0, 0}));
  EXPECT_EQ(stbElem_appliquerProprietesTexte(ligne, modele, s), 0x8000);
}

TEST_F(StbSymbologie, ReadingThenApplyingGivesTheSameSymbology) {
  const auto source = tenir(fx::text(L"HTA", {0, 0, 0}, 1000, 700, L"INTL_ENGINEERING").level(reseau).colour(6).weight(1)
                                .elementClass(0).priority(2).transparency(0.1).justification(12).angle(0.3));
  auto cible = tenir(fx::text(L"autre", {5, 5, 0}).level(texte));
  const versymbologie lu = lire(source);
  ASSERT_EQ(stbElem_appliquerSymbologie(cible, lu, modele), 0);
  versymbologie relu = lire(cible);
  EXPECT_EQ(relu, lu);
}

TEST_F(StbSymbologie, RetirerAttributsKeepsWhatIsVisible) {
  const fx::Spec sans = fx::rectangle({0, 0, 0}, {1, 1, 0}).fill(4);
  auto h = tenir(sans);
  EXPECT_EQ(stbElem_retirerAttributs(h, modele), 0x8000);
  EXPECT_EQ(*h.element(), sans.element());
  ElementHandle vide;
  EXPECT_EQ(stbElem_retirerAttributs(vide, modele), 0x8000);

  fx::Spec avec = fx::rectangle({0, 0, 0}, {1, 1, 0}).fill(4).pattern({100, 0.5, 0, 0}).style(tirets).linkage(0x1234).linkage(7);
  auto z = tenir(avec);
  ASSERT_EQ(stbElem_retirerAttributs(z, modele), 0);
  host::Element attendu = avec.element();
  attendu.linkages.clear();
  EXPECT_EQ(*z.element(), attendu);
  auto c = tenir(fx::cell(L"CART", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0})}).linkage(1));
  ASSERT_EQ(stbElem_retirerAttributs(c, modele), 0);
  EXPECT_EQ(c.element()->cell->name, L"CART");
}

}  // namespace
