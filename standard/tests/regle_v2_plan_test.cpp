// The one-file rule book through the per-plan driver: the clean plan and its sampler verify
// without any code of the book, and each one-change variant of the sampler gives exactly its one
// row in the errors CSV.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "engine/rapport.h"
#include "host/clock.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/tests/harnais_plan.h"
#include "toolbox/stb_fichier.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;

namespace {

bool codeDuLivre(std::uint32_t code) { return code >= 2031 && code <= 2052; }

using harnais::champs;

class RegleV2Plan : public harnais::PlanLivre {
 protected:
  using Resultat = Verifie;
  Resultat verifier(const pf::PlanUnique& p, const std::function<void(pf::PlanUniqueConstruit&)>& changer = {}) {
    return livrerAvecErreurs(p, changer);
  }
};

// Edits one element of a built plan in place.
void modifier(pf::PlanUniqueConstruit& c, host::ElementId id, const std::function<void(host::Element&)>& f) {
  host::Model& m = c.fichier.file().models.front();
  const host::Element* e = m.find(id);
  ASSERT_NE(e, nullptr);
  host::Element copie = *e;
  f(copie);
  ASSERT_TRUE(m.replace(copie));
}

host::LevelId niveau(pf::PlanUniqueConstruit& c, const std::wstring& nom) { return *c.fichier.file().levelId(nom); }

TEST_F(RegleV2Plan, CleanPlanAndSamplerHaveNoFindingOfTheBook) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const Resultat propre = verifier(pf::planUnique(version));
    std::vector<std::uint32_t> codes;
    for (const vererreur& e : propre.plan.erreurs) codes.push_back(e.code);
    EXPECT_EQ(codes, std::vector<std::uint32_t>{});
    EXPECT_EQ(propre.plan.statuts[0], 0);
    EXPECT_EQ(propre.plan.statuts[1], 2) << "the drawing rules ran";

    const Resultat echantillon = verifier(pf::planEchantillon(version));
    EXPECT_EQ(echantillon.plan.statuts[1], 2);
    for (const vererreur& e : echantillon.plan.erreurs) EXPECT_FALSE(codeDuLivre(e.code)) << e.code << " " << e.idElement;
  }
}

TEST_F(RegleV2Plan, EachVariantOfTheSamplerGivesItsOneRow) {
  struct Variante {
    const char* pourquoi;
    std::uint32_t version;
    std::function<host::ElementId(pf::PlanUniqueConstruit&)> changer;  // the element that must be reported
    std::uint32_t code;
    std::int32_t type;
    std::wstring objet, complement;
  };
  const host::Point3d o = pf::uor(pf::planUnique().origineCadre + host::Point3d{70, -36, 0});
  const host::Point3d p = o + host::Point3d{5000, 0, 0};
  auto ajouter = [](pf::PlanUniqueConstruit& c, fx::Spec s) { return c.fichier.add(s); };
  auto cableBT = [](const std::function<void(host::Element&)>& f) {
    return [f](pf::PlanUniqueConstruit& c) {
      modifier(c, c.echantillon.cableBT, f);
      return c.echantillon.cableBT;
    };
  };
  auto textePTRL = [](const std::function<void(host::Element&)>& f) {
    return [f](pf::PlanUniqueConstruit& c) {
      modifier(c, c.echantillon.textePTRL, f);
      return c.echantillon.textePTRL;
    };
  };
  const std::vector<Variante> variantes = {
      {"an element on PrjTopo1", 1,
       [&](auto& c) { return ajouter(c, fx::line(o, p).level(niveau(c, L"PrjTopo1"))); }, 2031, 3, L"", L""},
      {"a line on TxtPropFdp", 1,
       [&](auto& c) { return ajouter(c, fx::line(o, p).level(niveau(c, L"TxtPropFdp"))); }, 2032, 3, L"", L""},
      {"a cell XYZ on Topo4Divers", 1,
       [&](auto& c) {
         return ajouter(c, fx::cell(L"XYZ", o, {fx::rectangle(o, o + host::Point3d{300, 300, 0})}, 2.0)
                               .level(niveau(c, L"Topo4Divers")));
       },
       2041, 2, L"", L"XYZ"},
      {"a spit with five chains", 1,
       [](auto& c) {
         modifier(c, c.echantillon.spit, [](host::Element& e) { e.children.insert(e.children.begin(), e.children.front()); });
         return c.echantillon.spit;
       },
       2043, 2, L"Spit", L"SPIT"},
      {"a BT cable of colour 5", 1, cableBT([](host::Element& e) { e.colour = 5; }), 2033, 4, L"Câble BT Classe A", L""},
      {"a BT cable of the HTA style", 1,
       [](auto& c) {
         const std::int32_t hta = c.fichier.lineStyle(L"ST_HTA_CLA");
         modifier(c, c.echantillon.cableBT, [hta](host::Element& e) { e.lineStyle = hta; });
         return c.echantillon.cableBT;
       },
       2034, 4, L"Câble BT Classe A", L""},
      {"a BT cable at style scale 2.02", 1, cableBT([](host::Element& e) { e.lineStyleParams.scale = 2.02; }), 2035, 4,
       L"Câble BT Classe A", L""},
      {"a BT cable of weight 1", 1, cableBT([](host::Element& e) { e.weight = 1; }), 2037, 4, L"Câble BT Classe A", L""},
      {"a trench cut at scale 2.0", 1,
       [&](auto& c) {
         return ajouter(c, fx::cell(L"COUPET", o, {fx::line(o, p)}, 2.0).level(niveau(c, L"Drap+CoupeTranch")));
       },
       2042, 2, L"Coupe de tranchée", L"COUPET"},
      {"a PTRL text in another font", 1, textePTRL([](host::Element& e) { e.text->font = L"INTL_ENGINEERING"; }), 2051,
       17, L"Texte PTRL", L""},
      {"a PTRL text of another height", 1, textePTRL([](host::Element& e) { e.text->height = 500.0; }), 2052, 17,
       L"Texte PTRL", L""},
      {"a local cell of colour 3 on TxtInvisible", 1,
       [&](auto& c) {
         return ajouter(c, fx::cell(L"CEL7", o, {fx::line(o, p)}, 2.0).level(niveau(c, L"TxtInvisible")).colour(3));
       },
       2033, 2, L"Cellule locale (CEL7)", L"CEL7"},
      {"at 1:500 a flag left at scale 2.0", 2,
       [](auto& c) {
         modifier(c, c.echantillon.drapeau, [](host::Element& e) { e.cell->scale = {2.0, 2.0, 1.0}; });
         return c.echantillon.drapeau;
       },
       2042, 2, L"Drapeau (2 entrées)", L"DRAP3"},
  };
  for (const Variante& v : variantes) {
    SCOPED_TRACE(v.pourquoi);
    host::ElementId id = 0;
    const Resultat r = verifier(pf::planEchantillon(v.version), [&](pf::PlanUniqueConstruit& c) { id = v.changer(c); });
    std::vector<const vererreur*> duLivre;
    for (const vererreur& e : r.plan.erreurs)
      if (codeDuLivre(e.code)) duLivre.push_back(&e);
    ASSERT_EQ(duLivre.size(), 1u);
    EXPECT_EQ(duLivre[0]->code, v.code);
    EXPECT_EQ(duLivre[0]->idElement, id);
    EXPECT_EQ(duLivre[0]->extra, static_cast<std::uint32_t>(v.type));
    // Its row in the CSV: file, element id, code, complement and object.
    std::vector<std::vector<std::wstring>> rangees;
    for (const std::wstring& l : r.lignes)
      if (const auto c = champs(l); c.size() == 9 && c[3] == std::to_wstring(v.code)) rangees.push_back(c);
    ASSERT_EQ(rangees.size(), 1u);
    EXPECT_EQ(rangees[0][0], L"44010450.109");
    EXPECT_EQ(rangees[0][1], std::to_wstring(id));
    EXPECT_EQ(rangees[0][5], v.complement);
    EXPECT_EQ(rangees[0][8], v.objet);
  }
}

}  // namespace
