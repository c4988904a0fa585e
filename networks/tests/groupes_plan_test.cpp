// The flag stage and the network dates through plan_verifier on the network plans with their
// graphic groups: both kinds and scales pass, and each one-change variant gives exactly its one
// row.
#include <gtest/gtest.h>

#include <functional>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_groupes.h"
#include "networks/postes.h"
#include "networks/tests/harnais_fichier.h"
#include "standard/tests/harnais_plan.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Trouve;
using harnais::groupe;
using host::Point3d;

namespace {

// Changes an element of a built file in place.
void changer(fx::DesignBuilder& b, host::ElementId id, const std::function<void(host::Element&)>& f) {
  host::Model& m = b.file().models.front();
  host::Element e = *m.find(id);
  f(e);
  ASSERT_TRUE(m.replace(e));
}

void regrouper(fx::DesignBuilder& b, host::ElementId id, std::uint32_t g) {
  changer(b, id, [g](host::Element& e) {
    e.graphicGroup = g;
    for (host::Element& c : e.children) c.graphicGroup = g;
  });
}

void reecrire(fx::DesignBuilder& b, host::ElementId id, const std::wstring& s) {
  changer(b, id, [&](host::Element& e) { e.text->runs = {{s}}; });
}

// The plan's rows but those of the cable topology (the plans are delivered without their
// neighbours: their border cables end in the open), once it reached the network stage.
std::vector<vererreur> lignes(const verplan& plan) {
  EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the network stage";
  std::vector<vererreur> l;
  for (const vererreur& e : plan.erreurs)
    if (!harnais::ligneTopologieCables(e.code)) l.push_back(e);
  return l;
}

std::vector<Trouve> trouves(const verplan& plan) {
  std::vector<Trouve> t;
  for (const vererreur& e : lignes(plan)) t.push_back({e.code, e.idElement, e.complement});
  return t;
}

class GroupesPlan : public harnais::PlanLivre {};

TEST_F(GroupesPlan, NetworkPlansWithTheirGroupsPassAtBothScales) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(trouves(livrer(pf::planReseauGroupes(version))), std::vector<Trouve>{});
    EXPECT_EQ(trouves(livrer(pf::planTroisFichiersReseauGroupes(version))), std::vector<Trouve>{});
  }
}

// A variant: what it changes in the built file (the network's or the groups' file) and the one
// row it gives, on the element it names.
struct Variante {
  const char* pourquoi;
  std::function<host::ElementId(fx::DesignBuilder&, const pf::IdsGroupes&, const pf::IdsReseau&)> changer;
  std::uint32_t code;
  std::function<std::wstring(const pf::IdsGroupes&)> complement;
};

const auto numeroDrapeau = [](const pf::IdsGroupes& g) { return groupe(g.groupeDrapeau); };
const auto numeroCables = [](const pf::IdsGroupes& g) { return groupe(g.groupeCables); };
const auto sansComplement = [](const pf::IdsGroupes&) { return std::wstring(); };

// The variants that both kinds of plan show.
std::vector<Variante> variantesCommunes(const std::function<void(fx::DesignBuilder&, host::ElementId)>& abandonner) {
  return {
      {"a second flag cell",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         host::Element e = *b.file().models.front().find(g.drapeau);
         e.cell->name = L"DRAP6";
         e.id = 0;
         e.filePosition = 0;
         b.add(e);
         return g.traitDrapeau;
       },
       2071, numeroDrapeau},
      {"an HTA line in the group of BT lines",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         regrouper(b, g.cableHTA, g.groupeCables);
         return g.cablesGroupe.front();
       },
       2072, numeroCables},
      {"one line of the group abandoned",
       [abandonner](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         abandonner(b, g.cablesGroupe.back());
         return g.cablesGroupe.front();
       },
       2073, numeroCables},
      {"two texts grouped alone",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         host::Element t = *b.file().models.front().find(g.texteCables);
         t.id = 0;
         t.filePosition = 0;
         t.graphicGroup = 950;
         const host::ElementId premier = b.add(t);
         b.add(t);
         return premier;
       },
       2074, [](const pf::IdsGroupes&) { return groupe(950); }},
      {"the substation's text out of its group",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         regrouper(b, g.textePoste, 0);
         return g.poste;
       },
       2091, [](const pf::IdsGroupes& g) { return groupe(g.groupePoste); }},
      {"the flag's cut line out of its group",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         regrouper(b, g.traitDrapeau, 0);
         return g.drapeau;
       },
       2102, sansComplement},
      {"HTA words on a BT text",
       [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
         reecrire(b, g.texteCables, L"HTA 3x150");
         return g.texteCables;
       },
       2112, [](const pf::IdsGroupes&) { return std::wstring(L"HTA 3x150"); }},
  };
}

template <typename Plan, typename Construit>
void verifierVariantes(const Plan& p, const std::vector<Variante>& variantes,
                       fx::DesignBuilder& (*fichier)(Construit&),
                       std::function<verplan(const Plan&, const std::function<void(Construit&)>&)> livrer) {
  for (const Variante& v : variantes) {
    SCOPED_TRACE(v.pourquoi);
    host::ElementId id = 0;
    pf::IdsGroupes ids;
    const verplan plan = livrer(p, [&](Construit& c) {
      ids = c.groupes;
      id = v.changer(fichier(c), c.groupes, c.reseau);
    });
    const std::vector<vererreur> l = lignes(plan);
    ASSERT_EQ(l.size(), 1u) << ::testing::PrintToString(trouves(plan));
    const vererreur& e = l.front();
    EXPECT_EQ(e.code, v.code);
    EXPECT_EQ(e.idElement, id);
    EXPECT_EQ(e.complement, v.complement(ids));
    EXPECT_TRUE(e.objet.empty());
    EXPECT_FALSE(e.aPosition);
  }
}

fx::DesignBuilder& fichierUnique(pf::PlanUniqueConstruit& c) { return c.fichier; }
fx::DesignBuilder& fichierEL2(pf::PlanTroisFichiersConstruit& c) { return c.el2; }

TEST_F(GroupesPlan, OneFileVariantsGiveTheirOneRow) {
  auto abandonner = [](fx::DesignBuilder& b, host::ElementId id) {
    const std::int32_t style = b.lineStyle(L"ST_ABAND");
    changer(b, id, [style](host::Element& e) {
      e.colour = 0;
      e.weight = 2;
      e.lineStyle = style;
    });
  };
  verifierVariantes<pf::PlanUnique, pf::PlanUniqueConstruit>(
      pf::planReseauGroupes(), variantesCommunes(abandonner), fichierUnique,
      [this](const pf::PlanUnique& p, const std::function<void(pf::PlanUniqueConstruit&)>& c) { return livrer(p, c); });
}

TEST_F(GroupesPlan, ThreeFileVariantsGiveTheirOneRow) {
  auto abandonner = [](fx::DesignBuilder& b, host::ElementId id) {
    const std::int32_t style = b.lineStyle(L"ST_ABAND");
    const host::LevelId niveau = b.level(L"R\u00e9seauAbandonn\u00e9Ele");
    changer(b, id, [=](host::Element& e) {
      e.level = niveau;
      e.colour = 0;
      e.weight = 2;
      e.lineStyle = style;
    });
  };
  std::vector<Variante> v = variantesCommunes(abandonner);
  v.push_back({"a cut line drawn again on the first, the other way",
               [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
                 host::Element t = *b.file().models.front().find(g.traitDrapeau);
                 std::swap(t.points.front(), t.points.back());
                 t.id = 0;
                 t.filePosition = 0;
                 b.add(t);
                 return g.traitDrapeau;
               },
               2072, numeroDrapeau});
  v.push_back({"the cut line on the flag level, in its colour there",
               [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
                 const host::LevelId niveau = b.level(harnais::kDrapEle);
                 changer(b, g.traitDrapeau, [niveau](host::Element& e) {
                   e.level = niveau;
                   e.colour = 0;
                 });
                 return g.traitDrapeau;
               },
               2103, sansComplement});
  v.push_back({"a BT word after a section on an HTA text",
               [](fx::DesignBuilder& b, const pf::IdsGroupes& g, const pf::IdsReseau&) {
                 reecrire(b, g.texteCpt, L"NS 120 BT");
                 return g.texteCpt;
               },
               2112, [](const pf::IdsGroupes&) { return std::wstring(L"NS 120 BT"); }});
  verifierVariantes<pf::PlanTroisFichiers, pf::PlanTroisFichiersConstruit>(
      pf::planTroisFichiersReseauGroupes(), v, fichierEL2,
      [this](const pf::PlanTroisFichiers& p, const std::function<void(pf::PlanTroisFichiersConstruit&)>& c) {
        return livrer(p, c);
      });
}

// The substation of the network plans, on a node cell of their network with its cable under it.
TEST(GroupesPlanPostes, TheSubstationHoldsItsNodeAndItsCable) {
  const pf::PlanUniqueConstruit u = pf::construire(pf::planReseauGroupes());
  const pf::PlanTroisFichiersConstruit t = pf::construire(pf::planTroisFichiersReseauGroupes());
  const struct {
    const fx::DesignBuilder& fichier;
    std::uint32_t type;
    const pf::IdsGroupes& groupes;
    std::uint64_t cable;
    bool bt;
  } cas[] = {{u.fichier, 1, u.groupes, u.reseau.cables.at(5), true}, {t.el2, 2, t.groupes, t.groupes.cableHTA, false}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.type);
    const ModeleOuvert m(c.fichier, c.type == 1 ? L"44010450.109" : L"PLAN.EL2");
    verplaninfo plan;
    verplaninfo_construire(plan);
    plan.type = c.type;
    plan.masqueTheme = plan.masqueReseau = 62;
    plan.modeleTheme = m.modele();
    std::vector<verposte> postes;
    poste_collecterPostes(postes, plan);
    ASSERT_EQ(postes.size(), 1u);
    const verposte& p = postes[0];
    EXPECT_EQ(p.idElement, c.groupes.poste);
    EXPECT_EQ(p.texte, c.groupes.textePoste);
    EXPECT_EQ(p.type, 2u);
    EXPECT_EQ(p.nom, L"LYON");
    EXPECT_EQ(p.numero, L"12345");
    EXPECT_EQ(c.bt ? p.noeudsBT : p.noeudsHTA, std::vector<std::uint64_t>{c.groupes.noeudPoste});
    EXPECT_EQ(c.bt ? p.lignesBT : p.lignesHTA, std::vector<std::uint64_t>{c.cable});
  }
}

// The title block's network dates against the network drawn: a future BT date, an HTA network
// drawn without its date.
TEST_F(GroupesPlan, DateVariantsGiveTheirOneRow) {
  const std::wstring posterieure = L"Date des r\u00e9seaux BT post\u00e9rieure \u00e0 la date du jour";
  const std::wstring sansDate = L"Plan avec r\u00e9seaux HTA en service";
  for (const bool futur : {true, false}) {
    SCOPED_TRACE(futur);
    pf::PlanUnique u = pf::planReseauGroupes();
    (futur ? u.champs[pf::texteDateBT] : u.champs[pf::texteDateHTA]) = futur ? L"15/03/2099" : L"";
    host::ElementId cartouche = 0;
    const verplan a = livrer(u, [&](pf::PlanUniqueConstruit& c) { cartouche = c.idCartouche; });
    EXPECT_EQ(trouves(a), (std::vector<Trouve>{{futur ? 1109u : 1110u, cartouche, futur ? posterieure : sansDate}}));

    pf::PlanTroisFichiers t = pf::planTroisFichiersReseauGroupes();
    t.idEle[futur ? 3 : 1] = futur ? L"15/03/2099" : L"";
    host::ElementId idEle = 0;
    const verplan b = livrer(t, [&](pf::PlanTroisFichiersConstruit& c) { idEle = c.idEle; });
    EXPECT_EQ(trouves(b), (std::vector<Trouve>{{futur ? 1109u : 1110u, idEle, futur ? posterieure : sansDate}}));
  }
}

}  // namespace
