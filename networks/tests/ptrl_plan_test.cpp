// The PTR cells and groups through plan_verifier: the network plans pass at both scales, each
// one-change variant gives exactly its one row, and PTR cells outside the useful area are left
// to the PTR checks.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_ptr.h"
#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/tests/harnais_fichier.h"
#include "standard/tests/harnais_plan.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Trouve;
using harnais::groupe;
using host::Point3d;

namespace {

std::vector<Trouve> trouves(const verplan& plan, const std::set<std::uint32_t>& codes = {}) {
  EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the network stage";
  std::vector<Trouve> t;
  for (const vererreur& e : plan.erreurs)
    if ((codes.empty() && !harnais::ligneTopologieCables(e.code)) || codes.contains(e.code))
      t.push_back({e.code, e.idElement, e.complement});
  return t;
}

host::Model& modele(fx::DesignBuilder& b) { return b.file().models.front(); }

// A copy of an element of the file added at its end, moved by `d` (UORs).
host::ElementId copier(fx::DesignBuilder& b, host::ElementId id, const Point3d& d) {
  host::Element e = *modele(b).find(id);
  e.id = 0;
  e.filePosition = 0;
  e.cell->origin = e.cell->origin + d;
  std::function<void(host::Element&)> deplacer = [&](host::Element& x) {
    for (Point3d& p : x.points) p = p + d;
    for (host::Element& c : x.children) deplacer(c);
  };
  for (host::Element& c : e.children) deplacer(c);
  return b.add(e);
}

void restyler(fx::DesignBuilder& b, host::ElementId id, const wchar_t* niveau, const wchar_t* style) {
  host::Element e = *modele(b).find(id);
  e.level = b.level(niveau);
  e.lineStyle = b.lineStyle(style);
  ASSERT_TRUE(modele(b).replace(e));
}

// A variant: what it changes in the network file, and the one row it gives.
struct Variante {
  const char* pourquoi;
  std::function<host::ElementId(fx::DesignBuilder&, const pf::IdsPTR&, const pf::IdsReseau&)> changer;
  std::uint32_t code;
  std::wstring complement;
};

template <typename Plan, typename Construit>
void verifierVariantes(const Plan& p, const std::vector<Variante>& variantes,
                       fx::DesignBuilder& (*fichier)(Construit&),
                       const std::function<verplan(const Plan&, const std::function<void(Construit&)>&)>& livrer) {
  for (const Variante& v : variantes) {
    SCOPED_TRACE(v.pourquoi);
    host::ElementId id = 0;
    const verplan plan = livrer(p, [&](Construit& c) { id = v.changer(fichier(c), pf::trouverPTR(fichier(c)), c.reseau); });
    EXPECT_EQ(trouves(plan), (std::vector<Trouve>{{v.code, id, v.complement}}));
  }
}

// The variants that both kinds of plan show: the PTRLA's (ERPTA's) altitude text removed, and
// the classé BT line under it, `ligne` of the network, turned class C on that level and style.
std::vector<Variante> variantesCommunes(host::ElementId pf::IdsReseau::*ligne, const wchar_t* niveau,
                                        const wchar_t* style) {
  return {
      {"the PTRLA's altitude text removed",
       [](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau&) {
         modele(b).remove(i.texteAltitude);
         return i.ptrla;
       },
       2081, groupe(pf::groupePTRLAReseau)},
      {"the PTRLA's line in state 4",
       [=](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau& r) {
         restyler(b, r.*ligne, niveau, style);
         return i.ptrla;
       },
       2084, groupe(pf::groupePTRLAReseau)},
  };
}

fx::DesignBuilder& fichierUnique(pf::PlanUniqueConstruit& c) { return c.fichier; }
fx::DesignBuilder& fichierEL2(pf::PlanTroisFichiersConstruit& c) { return c.el2; }

class PTRLPlan : public harnais::PlanLivre {};

TEST_F(PTRLPlan, NetworkPlansWithTheirPtrCellsPassAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(trouves(livrer(pf::planReseau(version))), std::vector<Trouve>{});
    EXPECT_EQ(trouves(livrer(pf::planTroisFichiersReseau(version))), std::vector<Trouve>{});
  }
}

TEST_F(PTRLPlan, OneFileVariantsGiveTheirOneRow) {
  std::vector<Variante> variantes = {
      {"a topographic line in the PTRLA's group",
       [](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau&) {
         const Point3d o = modele(b).find(i.ptrla)->cell->origin;
         b.add(fx::line(o + Point3d{0, 3000, 0}, o + Point3d{2000, 3000, 0})
                   .level(b.level(L"Topo1Limites"))
                   .colour(5)
                   .group(pf::groupePTRLAReseau));
         return i.ptrla;
       },
       2075, groupe(pf::groupePTRLAReseau)},
      {"a second PTRL 0.5 UOR away",
       [](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau&) {
         host::Element e = *modele(b).find(i.ptrl);
         e.graphicGroup = 0;
         modele(b).replace(e);
         copier(b, i.ptrl, {0.5, 0, 0});
         e = *modele(b).find(i.ptrl);
         e.graphicGroup = pf::groupePTRLReseau;
         modele(b).replace(e);
         return i.ptrl;
       },
       2082, groupe(pf::groupePTRLReseau)},
      {"the PTRL off its line",
       [](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau&) {
         const host::ElementId id = copier(b, i.ptrl, {0, 3000, 0});
         modele(b).remove(i.ptrl);
         return id;
       },
       2083, groupe(pf::groupePTRLReseau)},
  };
  for (Variante& v : variantesCommunes(&pf::IdsReseau::continuation, L"R\u00e9seauBT", L"ST_BT_INC_V2"))
    variantes.push_back(std::move(v));
  verifierVariantes<pf::PlanUnique, pf::PlanUniqueConstruit>(
      pf::planReseau(), variantes, fichierUnique,
      [this](const pf::PlanUnique& p, const std::function<void(pf::PlanUniqueConstruit&)>& c) { return livrer(p, c); });
}

TEST_F(PTRLPlan, ThreeFileVariantsGiveTheirOneRow) {
  std::vector<Variante> variantes = {
      {"an ungrouped text on PTRL+TxtEle",
       [](fx::DesignBuilder& b, const pf::IdsPTR& i, const pf::IdsReseau&) {
         host::Element t = *modele(b).find(i.texteNumero);
         t.id = 0;
         t.filePosition = 0;
         t.graphicGroup = 0;
         t.text->origin = t.text->origin + Point3d{0, -2000, 0};
         t.text->runs = {{L"(13)"}};
         return b.add(t);
       },
       2085, L"(13)"},
  };
  for (Variante& v : variantesCommunes(&pf::IdsReseau::surCoffret, L"R\u00e9sIncertainBT", L"ST_BT_INC"))
    variantes.push_back(std::move(v));
  verifierVariantes<pf::PlanTroisFichiers, pf::PlanTroisFichiersConstruit>(
      pf::planTroisFichiersReseau(), variantes, fichierEL2,
      [this](const pf::PlanTroisFichiers& p, const std::function<void(pf::PlanTroisFichiersConstruit&)>& c) {
        return livrer(p, c);
      });
}

// A PTR cell outside the useful area is the PTR checks' business, not the useful area's; the
// texts of its group are not exempt.
TEST_F(PTRLPlan, PtrCellsOutsideTheUsefulAreaAreNotReported) {
  const pf::PlanUnique p = pf::planUnique();
  auto ici = [&](double x, double y) { return pf::uor(p.origineCadre + Point3d{x, y, 0}); };
  host::ElementId texte = 0;
  verplan plan = livrer(p, [&](pf::PlanUniqueConstruit& k) {
    fx::DesignBuilder& b = k.fichier;
    const host::LevelId n = b.level(L"PTRL+Txt");
    b.add(pf::cellulePTR(L"PTRLA", ici(100, 60), 1000, 2.0).level(n).group(21));
    texte = b.add(fx::text(L"Z=2", ici(102, 60), 400, 280, L"WORKING").level(n).group(21));
  });
  EXPECT_EQ(trouves(plan, {1203}), (std::vector<Trouve>{{1203, texte, L""}}));

  // With a flag beside it: neither gives a row.
  plan = livrer(p, [&](pf::PlanUniqueConstruit& k) {
    fx::DesignBuilder& b = k.fichier;
    const host::LevelId drap = b.level(L"Drap+CoupeTranch");
    const host::LevelId txt = b.level(L"TxtR\u00e9seauBT");
    auto cellule = [&](const wchar_t* nom, Point3d o) {
      return b.add(fx::cell(nom, o, {fx::rectangle(o, o + Point3d{600, 600, 0})}, 2.0).level(drap).group(7));
    };
    cellule(L"PTDRAP", ici(100, -40));
    cellule(L"DRAP5", ici(100, 60));
    cellule(L"TRAIT", ici(104, 60));
    b.add(fx::text(L"BT 3x150", ici(108, 60)).colour(22).level(txt).group(7));
    b.add(pf::cellulePTR(L"PTRL", ici(120, 60), 1000, 2.0).level(b.level(L"PTRL+Txt")));
  });
  EXPECT_EQ(trouves(plan, {1203}), std::vector<Trouve>{});
}

}  // namespace
