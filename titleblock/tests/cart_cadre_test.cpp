// The frame of the fixture plans and its variants, the useful area and plan names.
#include "titleblock/cart_cadre.h"

#include <gtest/gtest.h>

#include <numbers>

#include "engine/fixture/plan_fixture.h"
#include "titleblock/cart_nom_plan.h"
#include "titleblock/cart_zone_utile.h"
#include "toolbox/stb_str.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

struct Cadre {
  std::uint32_t resultat = 0, type = 0, version = 0;
  bool georeference = false;
  std::wstring code;
  std::uint64_t id = 0;
  host::RotMatrix rotation;
};

Cadre lireCadre(const std::wstring& chemin) {
  Cadre c;
  host::ModelRef modele;
  if (host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true) != host::kSuccess) {
    ADD_FAILURE() << "cannot open the plan";
    return c;
  }
  c.resultat = cart_lireCadre(&c.type, &c.version, &c.georeference, &c.code, &c.id, &c.rotation, modele);
  host::closeWorkFile(modele);
  return c;
}

class CartCadre : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open"; }
  static std::wstring dossier() {
    const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return L"cadre/" + std::wstring(nom.begin(), nom.end());
  }
};

TEST_F(CartCadre, CleanPlansGiveKindVersionProjectionAndGeoreference) {
  for (std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanUnique unique = pf::planUnique(version);
    const pf::PlanUniqueConstruit u = pf::construire(unique);
    const std::wstring cheminUnique = dossier() + L"/" + std::to_wstring(version) + L"/" + unique.nomFichier;
    ASSERT_TRUE(pf::sauver(u.fichier, cheminUnique));
    Cadre c = lireCadre(cheminUnique);
    EXPECT_EQ(c.resultat, 0u);
    EXPECT_EQ(c.type, 1u);
    EXPECT_EQ(c.version, version);
    EXPECT_TRUE(c.georeference);
    EXPECT_EQ(c.code, L"C47");
    EXPECT_EQ(c.id, u.idCadre);

    const pf::PlanTroisFichiers trois = pf::planTroisFichiers(version);
    EXPECT_EQ(trois.nom.size(), version == 1 ? 26u : 25u);
    const pf::CheminsTroisFichiers chemins = pf::enregistrer(trois, dossier() + L"/" + std::to_wstring(version));
    c = lireCadre(chemins.fp2);
    EXPECT_EQ(c.resultat, 0u);
    EXPECT_EQ(c.type, 2u);
    EXPECT_EQ(c.version, version);
    EXPECT_TRUE(c.georeference);
    EXPECT_EQ(c.code, L"C47");
  }
}

TEST_F(CartCadre, CadaVersionFollowsTheXScale) {
  const struct {
    double echelle;
    std::uint32_t version;
  } cas[] = {{2.0, 1}, {2.0005, 1}, {1.9995, 1}, {2.001, 0}, {5.0, 2}, {4.9995, 2}, {5.001, 0}, {1.0, 0}};
  int n = 0;
  for (const auto& c : cas) {
    pf::PlanTroisFichiers plan = pf::planTroisFichiers();
    plan.echelleCadre = c.echelle;
    const pf::CheminsTroisFichiers chemins = pf::enregistrer(plan, dossier() + L"/" + std::to_wstring(n++));
    const Cadre lu = lireCadre(chemins.fp2);
    EXPECT_EQ(lu.type, 2u) << c.echelle;
    EXPECT_EQ(lu.version, c.version) << c.echelle;
  }
}

TEST_F(CartCadre, FirstFrameInScanOrderAndNoFrame) {
  fx::DesignBuilder b;
  b.add(fx::cell(L"XA1", {}, {fx::line({0, 0, 0}, {1, 0, 0})}));
  const host::ElementId a1 = b.add(fx::cell(L"A1", {20000000, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0})}));
  b.add(fx::cell(L"CADA1C", {}, {fx::line({0, 0, 0}, {1, 0, 0})}, 2.0));
  ASSERT_TRUE(pf::sauver(b, dossier() + L"/deux.dgn"));
  Cadre c = lireCadre(dossier() + L"/deux.dgn");
  EXPECT_EQ(c.resultat, 0u);
  EXPECT_EQ(c.id, a1);
  EXPECT_EQ(c.type, 1u);
  EXPECT_EQ(c.code, L"");  // no title block, no "PRJ=" text

  fx::DesignBuilder vide;
  vide.add(fx::cell(L"a4x4", {}, {fx::line({0, 0, 0}, {1, 0, 0})}));
  ASSERT_TRUE(pf::sauver(vide, dossier() + L"/vide.dgn"));
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, dossier() + L"/vide.dgn", L"", true), host::kSuccess);
  std::uint32_t type = 9;
  EXPECT_EQ(cart_lireCadre(&type, nullptr, nullptr, nullptr, nullptr, nullptr, modele), 0x8000u);
  EXPECT_EQ(type, 9u);
  host::closeWorkFile(modele);
  EXPECT_EQ(cart_lireCadre(&type, nullptr, nullptr, nullptr, nullptr, nullptr, {}), 0x8000u);
}

TEST_F(CartCadre, GeoreferencedAboveTenThousandMetres) {
  const struct {
    double x;
    bool georeference;
  } cas[] = {{10000.0, false}, {10000.001, true}, {500.0, false}};
  int n = 0;
  for (const auto& c : cas) {
    pf::PlanUnique plan = pf::planUnique();
    plan.origineCadre.x = c.x;
    const Cadre lu = lireCadre(pf::enregistrer(plan, dossier() + L"/" + std::to_wstring(n++)));
    EXPECT_EQ(lu.georeference, c.georeference) << c.x;
  }
}

TEST_F(CartCadre, ThreeFileProjectionComesFromTheGridCellName) {
  pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  const pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
  const struct {
    std::wstring nom, code;
  } cas[] = {{L"QRL-20-00217-01249-20-C-10", L"U20"},
              {L"qrl-47-00193-01246-03-d-25", L"C47"},  // delivered in lower case
              {L"QRL-99-00217-01249-20-C-10", L""},
              {L"QRL-47-00217", L""}};
  for (const auto& c : cas) {
    const std::wstring chemin = dossier() + L"/" + c.nom + (c.nom[0] == L'q' ? L".fp2" : L".FP2");
    ASSERT_TRUE(pf::sauver(construit.fp2, chemin));
    EXPECT_EQ(lireCadre(chemin).code, c.code) << c.nom;
  }
}

void attendreRectangle(const std::vector<Point3d>& zone, const std::vector<Point3d>& metres) {
  ASSERT_EQ(zone.size(), metres.size());
  for (std::size_t i = 0; i < zone.size(); ++i) {
    EXPECT_NEAR(zone[i].x, metres[i].x * 1000.0, 1e-3) << i;
    EXPECT_NEAR(zone[i].y, metres[i].y * 1000.0, 1e-3) << i;
    EXPECT_EQ(zone[i].z, 0.0);
  }
}

TEST_F(CartCadre, UsefulAreaOfTheFrames) {
  const pf::PlanUnique v1 = pf::planUnique(1);
  const Point3d o = v1.origineCadre;
  std::vector<Point3d> zone{{1, 2, 3}};
  ASSERT_EQ(cart_zoneUtileFichier(zone, pf::enregistrer(v1, dossier() + L"/v1"), 1, 1, false), 0u);
  attendreRectangle(zone, {o, o + Point3d{160, 0, 0}, o + Point3d{160, -47.4, 0}, o + Point3d{0, -47.4, 0}, o});

  pf::PlanUnique a15 = pf::planUnique(2);
  a15.nomCadre = L"A15";
  const Point3d p = a15.origineCadre + Point3d{-12.5, 15.0, 0};
  ASSERT_EQ(cart_zoneUtileFichier(zone, pf::enregistrer(a15, dossier() + L"/a15"), 1, 2, true), 0u);
  attendreRectangle(zone, {p, p + Point3d{420.5, 0, 0}, p + Point3d{420.5, -297.0, 0}, p + Point3d{0, -297.0, 0}, p});

  // The record's version decides the sizes, not the frame's.
  ASSERT_EQ(cart_zoneUtileFichier(zone, pf::enregistrer(v1, dossier() + L"/v1b"), 1, 2, false), 0u);
  EXPECT_NEAR(zone[1].x - zone[0].x, 400000.0, 1e-3);

  // A three-file plan's area is its sheet, margin or not.
  const pf::PlanTroisFichiers trois = pf::planTroisFichiers(2);
  const std::wstring fp2 = pf::enregistrer(trois, dossier() + L"/trois").fp2;
  for (bool marge : {false, true}) {
    ASSERT_EQ(cart_zoneUtileFichier(zone, fp2, 2, 2, marge), 0u);
    const Point3d q = trois.origineCadre;
    attendreRectangle(zone, {q, q + Point3d{350, 0, 0}, q + Point3d{350, -250, 0}, q + Point3d{0, -250, 0}, q});
  }
}

TEST_F(CartCadre, UsefulAreaTurnsWithTheFrame) {
  pf::PlanUnique plan = pf::planUnique(1);
  plan.angle = std::numbers::pi / 2;
  std::vector<Point3d> zone;
  ASSERT_EQ(cart_zoneUtileFichier(zone, pf::enregistrer(plan, dossier()), 1, 1, true), 0u);
  const Point3d o = plan.origineCadre;
  // Along the frame is +y, across it downwards is +x; the margin starts 5 back and 6 up.
  const Point3d p0 = o + Point3d{-6.0, -5.0, 0};
  attendreRectangle(zone, {p0, p0 + Point3d{0, 168.2, 0}, p0 + Point3d{59.4, 168.2, 0}, p0 + Point3d{59.4, 0, 0}, p0});
}

TEST_F(CartCadre, UsefulAreaRefusesAKindThatDisagreesWithTheFrame) {
  const std::wstring unique = pf::enregistrer(pf::planUnique(), dossier());
  const std::wstring fp2 = pf::enregistrer(pf::planTroisFichiers(), dossier()).fp2;
  const struct {
    std::wstring chemin;
    std::uint32_t type;
    const char* pourquoi;
  } cas[] = {
      {unique, 2, "kind 2 with A4X4"},
      {fp2, 1, "kind 1 with CADA1C"},
      {unique, 0, "no kind"},
      {unique, 3, "an unknown kind"},
      {dossier() + L"/absent.dgn", 1, "no file"},
  };
  for (const auto& c : cas) {
    std::vector<Point3d> zone{{1, 2, 3}};
    EXPECT_EQ(cart_zoneUtileFichier(zone, c.chemin, c.type, 1, false), 0x8000u) << c.pourquoi;
    EXPECT_TRUE(zone.empty()) << c.pourquoi;
    EXPECT_EQ(host::openWorkFileCount(), 0u) << c.pourquoi;
  }
  // A file without frame is closed as well.
  pf::PlanUnique sansCadre = pf::planUnique();
  sansCadre.nomCadre = L"A4X4X";
  std::vector<Point3d> zone;
  EXPECT_EQ(cart_zoneUtileFichier(zone, pf::enregistrer(sansCadre, dossier() + L"/sans"), 1, 1, false), 0x8000u);
}

TEST_F(CartCadre, UsefulAreaOfAPlanRecordReadsItsUpperCasedPath) {
  verplaninfo plan;
  verplaninfo_construire(plan);
  const std::wstring chemin = pf::enregistrer(pf::planUnique(), dossier());
  plan.chemin = chemin;
  stbStr_majuscules(plan.chemin);
  plan.type = 1;
  plan.version = 1;
  std::vector<Point3d> parRecord, parFichier;
  ASSERT_EQ(cart_zoneUtile(parRecord, plan, true), 0u);
  ASSERT_EQ(cart_zoneUtileFichier(parFichier, chemin, 1, 1, true), 0u);
  EXPECT_EQ(parRecord, parFichier);
}

TEST(CartConvertirNomPlan, TurnsAPlanCodeIntoAFileName) {
  std::wstring nom = L"ancien";
  EXPECT_EQ(cart_convertirNomPlan(nom, L"44109045001"), 0u);
  EXPECT_EQ(nom, L"44010450.109");
  EXPECT_EQ(nom, pf::planUnique().nomFichier);
  for (const wchar_t* code : {L"4410904500", L"441090450011", L""}) {
    nom = L"ancien";
    EXPECT_EQ(cart_convertirNomPlan(nom, code), 0x8000u) << code;
    EXPECT_EQ(nom, L"ancien");
  }
}

}  // namespace
