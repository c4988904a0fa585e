// The electricity (EL2) and other-networks (AR2) books through the per-plan driver: the clean
// three-file plan verifies without any finding and its sampler without any code of the books, at
// 1:200 and 1:500; each one-change variant of the sampler gives exactly its one row in the errors
// CSV.
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
using host::Point3d;

namespace {

bool codeDuLivre(std::uint32_t code) { return code >= 2031 && code <= 2052; }

using harnais::champs;

class RegleReseauxV3Plan : public harnais::PlanLivre {
 protected:
  using Resultat = Verifie;
  Resultat verifier(const pf::PlanTroisFichiers& p, const std::function<void(pf::PlanTroisFichiersConstruit&)>& changer = {}) {
    return livrerAvecErreurs(p, changer);
  }
};

// Edits one element of a built file in place.
void modifier(fx::DesignBuilder& b, host::ElementId id, const std::function<void(host::Element&)>& f) {
  host::Model& m = b.file().models.front();
  const host::Element* e = m.find(id);
  ASSERT_NE(e, nullptr);
  host::Element copie = *e;
  f(copie);
  ASSERT_TRUE(m.replace(copie));
}

TEST_F(RegleReseauxV3Plan, CleanPlanAndSamplerHaveNoFindingOfTheBooks) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const Resultat propre = verifier(pf::planTroisFichiers(version));
    EXPECT_TRUE(propre.plan.erreurs.empty());
    for (const vererreur& e : propre.plan.erreurs) ADD_FAILURE() << e.code << " " << std::string(e.fichier.begin(), e.fichier.end());
    EXPECT_EQ(propre.plan.statuts[0], 0);
    EXPECT_EQ(propre.plan.statuts[1], 2) << "the drawing rules ran";

    const Resultat echantillon = verifier(pf::planTroisFichiersEchantillon(version));
    EXPECT_EQ(echantillon.plan.statuts[1], 2);
    for (const vererreur& e : echantillon.plan.erreurs) EXPECT_FALSE(codeDuLivre(e.code)) << e.code << " " << e.idElement;
  }
}

TEST_F(RegleReseauxV3Plan, EachVariantOfTheSamplerGivesItsOneRow) {
  struct Variante {
    const char* pourquoi;
    std::uint32_t version;
    std::function<host::ElementId(pf::PlanTroisFichiersConstruit&)> changer;  // the element that must be reported
    bool el2;  // in the electricity file, else the other-networks file
    std::uint32_t code;
    std::int32_t type;
    std::wstring objet, complement;
  };
  const Point3d bas = pf::planTroisFichiers().contour.front();
  const Point3d o = pf::uor(bas + Point3d{70, 90, 0}), p = o + Point3d{5000, 0, 0}, q = o + Point3d{5000, 5000, 0};
  auto niveau = [](fx::DesignBuilder& b, const wchar_t* nom) { return *b.file().levelId(nom); };
  auto carre = [&] { return fx::rectangle(o, o + Point3d{300, 300, 0}); };
  auto cableBT = [](const std::function<void(host::Element&)>& f) {
    return [f](pf::PlanTroisFichiersConstruit& c) {
      modifier(c.el2, c.echantillonEL2.cableBT, f);
      return c.echantillonEL2.cableBT;
    };
  };
  auto ptrl = [](const std::function<void(host::Element&)>& f) {
    return [f](pf::PlanTroisFichiersConstruit& c) {
      modifier(c.ar2, c.echantillonAR2.ptrl, f);
      return c.echantillonAR2.ptrl;
    };
  };
  auto texteEchanges = [&](const std::wstring& police, double hauteur) {
    return [=](pf::PlanTroisFichiersConstruit& c) {
      return c.el2.add(fx::text(L"PTRL 12", o, hauteur, 280.0, police).level(niveau(c.el2, L"CellulesEchanges")).colour(2));
    };
  };
  const std::vector<Variante> variantes = {
      {"an unpaired cell on TxtCâblesBT", 1,
       [&](auto& c) { return c.el2.add(fx::cell(L"", o, {carre()}, 2.0).level(niveau(c.el2, L"TxtC\u00e2blesBT")).colour(7)); },
       true, 2032, 2, L"", L""},
      {"a shape styled ST_PROT_TERRE on ProtectionsHTA", 1,
       [&](auto& c) {
         const std::int32_t terre = c.el2.lineStyle(L"ST_PROT_TERRE");
         return c.el2.add(fx::shape({o, p, q, o}).level(niveau(c.el2, L"ProtectionsHTA")).colour(6).style(terre).styleParams({2.0}));
       },
       true, 2032, 6, L"", L""},
      {"a 1RCO on AccNonAffBT", 1,
       [&](auto& c) { return c.el2.add(fx::cell(L"1RCO", o, {carre()}, 2.0).level(niveau(c.el2, L"AccNonAffBT")).colour(7)); },
       true, 2041, 2, L"", L"1RCO"},
      {"a VRTERR on AccAffVDC", 1,
       [&](auto& c) { return c.ar2.add(fx::cell(L"VRTERR", o, {carre()}, 2.0).level(niveau(c.ar2, L"AccAffVDC")).colour(7)); },
       false, 2041, 2, L"", L"VRTERR"},
      {"an ARPTRL with its line string and chain swapped", 1,
       ptrl([](host::Element& e) { std::swap(e.children[1], e.children[2]); }), false, 2043, 2, L"PTRL publi\u00e9", L"ARPTRL"},
      {"an ARPTRL with a fourth component", 1, ptrl([](host::Element& e) { e.children.push_back(e.children[1]); }), false,
       2043, 2, L"PTRL publi\u00e9", L"ARPTRL"},
      {"a BT cable of colour 3", 1, cableBT([](host::Element& e) { e.colour = 3; }), true, 2033, 4, L"C\u00e2ble BT Classe A", L""},
      {"a BT cable styled ST_HTA", 1,
       [](auto& c) {
         const std::int32_t hta = c.el2.lineStyle(L"ST_HTA");
         modifier(c.el2, c.echantillonEL2.cableBT, [hta](host::Element& e) { e.lineStyle = hta; });
         return c.echantillonEL2.cableBT;
       },
       true, 2034, 4, L"C\u00e2ble BT Classe A", L""},
      {"a BT cable at style scale 1.0", 1, cableBT([](host::Element& e) { e.lineStyleParams.scale = 1.0; }), true, 2035, 4,
       L"C\u00e2ble BT Classe A", L""},
      {"a BT cable of weight 0", 1, cableBT([](host::Element& e) { e.weight = 0; }), true, 2037, 4, L"C\u00e2ble BT Classe A",
       L""},
      {"at 1:500 an ARPTRC at scale 2.0", 2,
       [&](auto& c) {
         const Point3d o5 = pf::uor(pf::planTroisFichiers(2).contour.front() + Point3d{150, 200, 0});
         return c.ar2.add(fx::cell(L"ARPTRC", o5, {fx::rectangle(o5, o5 + Point3d{300, 300, 0})}, 2.0)
                              .level(niveau(c.ar2, L"PTRC+TxtAut")));
       },
       false, 2042, 2, L"PTRC", L"ARPTRC"},
      {"a text on CellulesEchanges in another font", 1, texteEchanges(L"WORKING", 400.0), true, 2051, 17,
       L"Texte PTRL source", L""},
      {"a text on CellulesEchanges of another height", 1, texteEchanges(L"INTL_ENGINEERING", 500.0), true, 2052, 17,
       L"Texte PTRL source", L""},
  };
  for (const Variante& v : variantes) {
    SCOPED_TRACE(v.pourquoi);
    host::ElementId id = 0;
    const pf::PlanTroisFichiers description = pf::planTroisFichiersEchantillon(v.version);
    const Resultat r = verifier(description, [&](pf::PlanTroisFichiersConstruit& c) { id = v.changer(c); });
    std::vector<const vererreur*> duLivre;
    for (const vererreur& e : r.plan.erreurs)
      if (codeDuLivre(e.code)) duLivre.push_back(&e);
    ASSERT_EQ(duLivre.size(), 1u);
    EXPECT_EQ(duLivre[0]->code, v.code);
    EXPECT_EQ(duLivre[0]->idElement, id);
    EXPECT_EQ(duLivre[0]->extra, static_cast<std::uint32_t>(v.type));
    std::vector<std::vector<std::wstring>> rangees;
    for (const std::wstring& l : r.lignes)
      if (const auto c = champs(l); c.size() == 9 && c[3] == std::to_wstring(v.code)) rangees.push_back(c);
    ASSERT_EQ(rangees.size(), 1u);
    EXPECT_EQ(rangees[0][0], description.nom + (v.el2 ? L".EL2" : L".AR2"));
    EXPECT_EQ(rangees[0][1], std::to_wstring(id));
    EXPECT_EQ(rangees[0][5], v.complement);
    EXPECT_EQ(rangees[0][8], v.objet);
  }
}

}  // namespace
