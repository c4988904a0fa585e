// The driver's network dates and flags through plan_verifier: the title block's network dates
// against the lines drawn, and flags whose parts lie outside the useful area.
#include <gtest/gtest.h>

#include <set>

#include "engine/fixture/plan_fixture.h"
#include "networks/tests/harnais_fichier.h"
#include "standard/tests/harnais_plan.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

namespace {

using harnais::Trouve;

class EtapesReseauPlan : public harnais::PlanLivre {
 protected:
  static std::vector<Trouve> trouves(const verplan& plan, const std::set<std::uint32_t>& codes) {
    EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the drawing rules";
    std::vector<Trouve> t;
    for (const vererreur& e : plan.erreurs)
      if (codes.contains(e.code)) t.push_back({e.code, e.idElement, e.complement});
    return t;
  }
};

const std::set<std::uint32_t> kDates = {1109, 1110};

// A point of a one-file plan in metres from its frame's origin, in UORs.
Point3d dansUnique(const pf::PlanUnique& p, double x, double y) { return pf::uor(p.origineCadre + Point3d{x, y, 0}); }

TEST_F(EtapesReseauPlan, OneFileNetworkDatesAgainstTheLinesDrawn) {
  const std::wstring posterieure = L"Date des r\u00e9seaux BT post\u00e9rieure \u00e0 la date du jour";
  const struct {
    const char* pourquoi;
    const wchar_t* niveau;
    const wchar_t* style;
    std::uint32_t epaisseur;
    std::wstring dateBT;
    std::vector<std::wstring> complements;
  } cas[] = {
      {"an EP line without EP date (the other networks are measured too)", L"R\u00e9seauEP", L"", 0, L"",
       {L"Plan avec r\u00e9seaux EP en service"}},
      {"a BT service connection alone with a BT date", L"R\u00e9seauBT", L"ST_BRANCH_CLA_V2", 0, L"15/03/2024", {}},
      {"only abandoned BT with a BT date", L"R\u00e9seauBT", L"ST_ABAND", 2, L"15/03/2024",
       {L"Plan sans r\u00e9seaux BT en service"}},
      {"a future BT date", L"R\u00e9seauBT", L"ST_BT_CLA_V2", 0, L"15/03/2099", {posterieure}},
      {"a BT line without BT date", L"R\u00e9seauBT", L"ST_BT_CLA_V2", 0, L"", {L"Plan avec r\u00e9seaux BT en service"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanUnique p = pf::planUnique();
    p.champs[pf::texteDateBT] = c.dateBT;
    host::ElementId cartouche = 0;
    const verplan plan = livrer(p, [&](pf::PlanUniqueConstruit& k) {
      cartouche = k.idCartouche;
      fx::Spec ligne = fx::line(dansUnique(p, 100, -35), dansUnique(p, 120, -35)).weight(c.epaisseur);
      if (*c.style) ligne.style(k.fichier.lineStyle(c.style));
      k.fichier.add(ligne.level(*k.fichier.file().levelId(c.niveau)));
    });
    std::vector<Trouve> attendu;
    for (const std::wstring& complement : c.complements)
      attendu.push_back({complement == posterieure ? 1109u : 1110u, cartouche, complement});
    EXPECT_EQ(trouves(plan, kDates), attendu);
  }
}

TEST_F(EtapesReseauPlan, ThreeFileNetworkDatesOfTheIdentificationCells) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiers();
  host::ElementId idEle = 0;
  const verplan plan = livrer(p, [&](pf::PlanTroisFichiersConstruit& k) {
    idEle = k.idEle;
    const Point3d bas = p.contour.front();
    k.el2.add(fx::line(pf::uor(bas + Point3d{60, 60, 0}), pf::uor(bas + Point3d{90, 60, 0}))
                  .colour(3)
                  .weight(4)
                  .style(k.el2.lineStyle(L"ST_HTA_CLA_V3"))
                  .level(*k.el2.file().levelId(L"C\u00e2blesHTA")));
  });
  EXPECT_EQ(trouves(plan, kDates), (std::vector<Trouve>{{1110, idEle, L"Plan avec r\u00e9seaux HTA en service"}}));
  // The sampler with its dates passes.
  EXPECT_EQ(trouves(livrer(pf::planTroisFichiersEchantillon()), kDates), std::vector<Trouve>{});
  EXPECT_EQ(trouves(livrer(pf::planEchantillon()), kDates), std::vector<Trouve>{});
}

// A flag drawn outside the useful area but for its point cell: its parts are no finding of the
// useful-area check; the same elements outside any group are.
TEST_F(EtapesReseauPlan, FlagsOutsideTheUsefulAreaAreNotReported) {
  for (const std::uint32_t groupe : {0u, 7u}) {
    SCOPED_TRACE(groupe);
    {
      const pf::PlanUnique p = pf::planUnique();
      std::vector<host::ElementId> dehors;
      const verplan plan = livrer(p, [&](pf::PlanUniqueConstruit& k) {
        fx::DesignBuilder& b = k.fichier;
        const host::LevelId drap = *b.file().levelId(L"Drap+CoupeTranch");
        const host::LevelId txt = *b.file().levelId(L"TxtR\u00e9seauBT");
        auto cellule = [&](const wchar_t* nom, Point3d o) {
          return b.add(fx::cell(nom, o, {fx::rectangle(o, o + Point3d{600, 600, 0})}, 2.0).level(drap).group(groupe));
        };
        cellule(L"PTDRAP", dansUnique(p, 100, -40));
        dehors.push_back(cellule(L"DRAP5", dansUnique(p, 100, 60)));
        dehors.push_back(cellule(L"TRAIT", dansUnique(p, 104, 60)));
        for (const wchar_t* s : {L"BT 3x150", L"150"})
          dehors.push_back(b.add(fx::text(s, dansUnique(p, 108, 60)).colour(22).level(txt).group(groupe)));
      });
      std::vector<Trouve> attendu;
      if (groupe == 0)
        for (const host::ElementId id : dehors) attendu.push_back({1203, id, L""});
      EXPECT_EQ(trouves(plan, {1203}), attendu);
    }
    {
      const pf::PlanTroisFichiers p = pf::planTroisFichiers();
      std::vector<host::ElementId> dehors;
      const verplan plan = livrer(p, [&](pf::PlanTroisFichiersConstruit& k) {
        fx::DesignBuilder& b = k.el2;
        const host::LevelId txt = *b.file().levelId(L"TxtC\u00e2blesBT");
        const Point3d bas = p.contour.front();
        auto ici = [&](double x, double y) { return pf::uor(bas + Point3d{x, y, 0}); };
        auto cellule = [&](const wchar_t* nom, Point3d o) {
          return b.add(fx::cell(nom, o, {fx::rectangle(o, o + Point3d{600, 600, 0})}, 2.0).level(txt).colour(7).group(groupe));
        };
        cellule(L"PTDRAP", ici(70, 50));
        dehors.push_back(cellule(L"DRAP5", ici(70, 150)));
        dehors.push_back(b.add(fx::line(ici(74, 150), ici(76, 150)).level(txt).colour(7).group(groupe)));
        for (const wchar_t* s : {L"BT 3x150", L"150"})
          dehors.push_back(b.add(fx::text(s, ici(78, 150)).level(txt).colour(7).group(groupe)));
      });
      std::vector<Trouve> attendu;
      if (groupe == 0)
        for (const host::ElementId id : dehors) attendu.push_back({1203, id, L""});
      EXPECT_EQ(trouves(plan, {1203}), attendu);
    }
  }
}

}  // namespace
