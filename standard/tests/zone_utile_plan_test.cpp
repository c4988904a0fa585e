// The useful-area, element-class and empty-text checks through the per-plan driver: the clean
// plans pass them, and each one-change variant gives its code or none.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/tests/harnais_plan.h"
#include "titleblock/cart_zone_utile.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

namespace {

const std::set<std::uint32_t> kCodes = {1203, 1267, 2021, 2022, 2023, 2024, 2036, 2053};

struct Trouve {
  std::uint32_t code;
  std::uint64_t id;
  friend bool operator==(const Trouve&, const Trouve&) = default;
};
std::ostream& operator<<(std::ostream& o, const Trouve& t) { return o << t.code << "@" << t.id; }

class ZoneUtilePlan : public harnais::PlanLivre {
 protected:
  // The findings of this check family, in order.
  static std::vector<Trouve> trouves(const verplan& plan) {
    std::vector<Trouve> t;
    for (const vererreur& e : plan.erreurs)
      if (kCodes.contains(e.code)) t.push_back({e.code, e.idElement});
    return t;
  }

  std::vector<Trouve> verifier(const pf::PlanUnique& p, const std::function<void(pf::PlanUniqueConstruit&)>& changer) {
    return atteint(livrer(p, changer));
  }
  std::vector<Trouve> verifier(const pf::PlanTroisFichiers& p,
                               const std::function<void(pf::PlanTroisFichiersConstruit&)>& changer) {
    return atteint(livrer(p, changer));
  }
  static std::vector<Trouve> atteint(const verplan& plan) {
    EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the drawing rules";
    return trouves(plan);
  }

  // The useful area with its margin of the clean plan, UORs.
  std::vector<Point3d> zone(const pf::PlanUnique& p) {
    const std::wstring chemin = contexte_.repertoire + L"Zone/" + p.nomFichier;
    EXPECT_TRUE(pf::sauver(pf::construire(p).fichier, chemin));
    std::vector<Point3d> z;
    EXPECT_EQ(cart_zoneUtileFichier(z, chemin, 1, p.version, true), 0u);
    return z;
  }
  std::vector<Point3d> zone(const pf::PlanTroisFichiers& p) {
    const auto chemins = pf::enregistrer(p, contexte_.repertoire + L"Zone");
    std::vector<Point3d> z;
    EXPECT_EQ(cart_zoneUtileFichier(z, chemins.fp2, 2, p.version, true), 0u);
    return z;
  }
};

TEST_F(ZoneUtilePlan, CleanPlansPassAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(verifier(pf::planUnique(version), {}), std::vector<Trouve>{});
    EXPECT_EQ(verifier(pf::planEchantillon(version), {}), std::vector<Trouve>{});
    EXPECT_EQ(verifier(pf::planTroisFichiers(version), {}), std::vector<Trouve>{});
    EXPECT_EQ(verifier(pf::planTroisFichiersEchantillon(version), {}), std::vector<Trouve>{});
  }
}

// A cell of lines through its origin, each given by its half-extent along x and y (UORs).
fx::Spec celluleTraits(const Point3d& o, const std::vector<std::pair<double, double>>& demiTraits) {
  std::vector<fx::Spec> traits;
  for (const auto& [dx, dy] : demiTraits) traits.push_back(fx::line(o - Point3d{dx, dy, 0}, o + Point3d{dx, dy, 0}));
  return fx::cell(L"ARBRE", o, traits);
}

TEST_F(ZoneUtilePlan, OneFilePlanVariants) {
  const pf::PlanUnique p = pf::planUnique();
  const std::vector<Point3d> z = zone(p);
  ASSERT_EQ(z.size(), 5u);
  // z[0] is the top-left corner; the area runs along x and down.
  const Point3d gauche = z[0] + Point3d{0, (z[3].y - z[0].y) / 2, 0};
  const Point3d milieu = (z[0] + z[2]) * 0.5;
  struct Cas {
    const char* pourquoi;
    std::function<fx::Spec()> element;
    std::vector<std::uint32_t> codes;
  };
  const std::vector<Cas> cas = {
      {"a line crossing the border", [&] { return fx::line(gauche - Point3d{2000, 0, 0}, gauche + Point3d{2000, 0, 0}); },
       {1203}},
      {"a line 5.0 outside", [&] { return fx::line(gauche - Point3d{5, 0, 0}, gauche - Point3d{5, 2000, 0}); }, {1203}},
      {"a text crossing the border", [&] { return fx::text(L"TRAVERSE", gauche - Point3d{1000, 0, 0}); }, {}},
      {"a text wholly outside", [&] { return fx::text(L"DEHORS", gauche - Point3d{9000, 0, 0}); }, {1203}},
      {"a construction-class line", [&] { return fx::line(milieu, milieu + Point3d{3000, 0, 0}).elementClass(2); },
       {2021}},
      {"a text of blanks", [&] { return fx::text(L"   ", milieu); }, {2053}},
      {"a shape 2 x 2", [&] { return fx::rectangle(milieu, milieu + Point3d{2, 2, 0}); }, {1267}},
      // Cells are judged by their range; one whose range has no area, by its segment.
      {"a cell of one line astride the border", [&] { return celluleTraits(gauche, {{-2000, 0}}); }, {}},
      {"a cross-shaped cell astride the border", [&] { return celluleTraits(gauche, {{-2000, 0}, {0, 2000}}); }, {}},
      {"a cell of one line wholly outside",
       [&] { return celluleTraits(gauche - Point3d{9000, 0, 0}, {{-2000, 0}}); }, {1203}},
  };
  const host::LevelId divers = *pf::construire(p).fichier.file().levelId(L"Topo4Divers");
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::ElementId id = 0;
    const auto t = verifier(p, [&](pf::PlanUniqueConstruit& k) { id = k.fichier.add(c.element().level(divers)); });
    std::vector<Trouve> attendu;
    for (const std::uint32_t code : c.codes) attendu.push_back({code, id});
    EXPECT_EQ(t, attendu);
  }
}

TEST_F(ZoneUtilePlan, ThreeFilePlanHasAMarginOfTen) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiers();
  const std::vector<Point3d> z = zone(p);
  ASSERT_EQ(z.size(), 5u);
  const Point3d gauche = z[0] + Point3d{0, (z[3].y - z[0].y) / 2, 0};
  for (const double ecart : {5.0, 15.0}) {
    SCOPED_TRACE(ecart);
    host::ElementId id = 0;
    const auto t = verifier(p, [&](pf::PlanTroisFichiersConstruit& k) {
      const host::LevelId divers = *k.fp2.file().levelId(L"Divers");
      id = k.fp2.add(fx::line(gauche - Point3d{ecart, 0, 0}, gauche - Point3d{ecart, 2000, 0}).level(divers));
    });
    std::vector<Trouve> attendu;
    if (ecart > 10.0) attendu.push_back({1203, id});
    EXPECT_EQ(t, attendu);
  }
}

TEST_F(ZoneUtilePlan, NetworkFilesReportAgainstTheirOwnTablesWithTheirCategories) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiers();
  const std::vector<Point3d> z = zone(p);
  ASSERT_EQ(z.size(), 5u);
  const Point3d dehors = z[0] + Point3d{-30'000, (z[3].y - z[0].y) / 2, 0};
  const Point3d milieu = (z[0] + z[2]) * 0.5;
  host::ElementId ligneEle = 0, ligneAut = 0, texteEle = 0, classeAut = 0;
  boost::filesystem::remove_all(host::paths::toNative(contexte_.repLivre));
  pf::PlanTroisFichiersConstruit c = pf::construire(p);
  const host::LevelId encartEle = *c.el2.file().levelId(L"EncartsIndiffEle");
  const host::LevelId encartAut = *c.ar2.file().levelId(L"EncartsIndiffAut");
  ligneEle = c.el2.add(fx::line(dehors, dehors + Point3d{0, 2000, 0}).level(encartEle));
  texteEle = c.el2.add(fx::text(L" \t", milieu).level(encartEle));
  ligneAut = c.ar2.add(fx::line(dehors, dehors + Point3d{0, 2000, 0}).level(encartAut));
  classeAut = c.ar2.add(fx::line(milieu, milieu + Point3d{2000, 0, 0}).level(encartAut).elementClass(2));
  ASSERT_FALSE(pf::enregistrer(c, p.nom, contexte_.repLivre).fp2.empty());
  verplan plan;
  plan.nom = p.nom;
  plan.type = 2;
  plan.version = 1;
  plan_verifier(plan, 1, contexte_, 0);
  ASSERT_EQ(plan.statuts[1], 2);
  struct Ligne {
    std::uint32_t code;
    std::uint64_t id;
    std::wstring fichier, objet;
    bool operator==(const Ligne&) const = default;
  };
  std::vector<Ligne> lignes;
  for (const vererreur& e : plan.erreurs)
    if (kCodes.contains(e.code)) lignes.push_back({e.code, e.idElement, e.fichier, e.objet});
  const std::wstring el2 = p.nom + L".EL2", ar2 = p.nom + L".AR2";
  const std::vector<Ligne> attendu = {{1203, ligneEle, el2, L"Encart indifférencié"},
                                      {1203, ligneAut, ar2, L"Encart indifférencié"},
                                      {2021, classeAut, ar2, L"Encart indifférencié"},
                                      {2053, texteEle, el2, L"Encart indifférencié"}};
  EXPECT_EQ(lignes, attendu);
}

}  // namespace
