// The title-block stage on one-file plans: the clean plan, then one change each, with the
// findings and whether the plan stops; the fields it leaves in the file set; the stop in the
// driver; a plan record whose name is too short for the name test.
#include "titleblock/ctrl_cartouche_v2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "engine/fixture/livraison_fixture.h"
#include "engine/halvorn.h"
#include "harnais_cartouche.h"
#include "host/config.h"
#include "host/views.h"
#include "titleblock/ctrl_cellules.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr std::int32_t arret = 0x8000;
constexpr double degre = std::numbers::pi / 180.0;

using Changement = std::function<void(pf::PlanUnique&)>;
using Edition = std::function<void(pf::PlanUniqueConstruit&)>;

// Both copies of a doubled field.
Changement champs(int texte1, int texte2, const std::wstring& valeur) {
  return [=](pf::PlanUnique& p) { p.champs[texte1] = p.champs[texte2] = valeur; };
}
Changement champ(int texte, const std::wstring& valeur) {
  return [=](pf::PlanUnique& p) { p.champs[texte] = valeur; };
}
Changement cadre(const wchar_t* nom, double angle) {
  return [=](pf::PlanUnique& p) {
    p.nomCadre = nom;
    p.angle = angle;
  };
}
Changement ensemble(std::vector<Changement> changements) {
  return [=](pf::PlanUnique& p) {
    for (const auto& c : changements) c(p);
  };
}
// The plan moved (frame and all) to `origine` (metres), named and filled for the commune `insee`
// of the department there, in the projection `code`.
Changement ailleurs(Point3d origine, const wchar_t* code, const wchar_t* nom, const wchar_t* insee) {
  return [=](pf::PlanUnique& p) {
    p.origineCadre = origine;
    p.texteProjection = std::wstring(L"PRJ=") + code;
    p.nomFichier = nom;
    p.champs[pf::texteInsee] = p.champs[pf::texteInsee2] = insee;
  };
}

class CtrlCartoucheV2 : public harnais::Cartouche {
 protected:
  harnais::Passage passer(const pf::PlanUnique& plan, const Edition& edition = {}) {
    pf::PlanUniqueConstruit construit = pf::construire(plan);
    if (edition) edition(construit);
    const std::wstring rep = dossier(std::to_wstring(n_++));
    EXPECT_TRUE(pf::sauver(construit.fichier, rep + L"/" + plan.nomFichier));
    return harnais::passer(contexte, rep, plan.nomFichier, 1, static_cast<std::int32_t>(plan.version));
  }
  int n_ = 0;
};

TEST_F(CtrlCartoucheV2, CleanPlansPassAndLeaveTheirFieldsInTheFileSet) {
  for (std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const harnais::Passage p = passer(pf::planUnique(version));
    EXPECT_EQ(p.resultat, 0);
    EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{});
    EXPECT_EQ(p.fichiers.codeLivre, L"QR44");
    EXPECT_EQ(p.fichiers.projection.codeCourt, L"C47");
    EXPECT_EQ(p.fichiers.qualite, L"P");
  }
  // The code as written, once it passed; a quality letter of the list.
  pf::PlanUnique plan = pf::planUnique();
  plan.texteProjection = L"prj=c47";
  plan.champs[pf::texteEchelleQualite] = L"200-X";
  const harnais::Passage p = passer(plan);
  EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{});
  EXPECT_EQ(p.fichiers.projection.codeCourt, L"c47");
  EXPECT_EQ(p.fichiers.qualite, L"X");
}

TEST_F(CtrlCartoucheV2, EachChangeGivesItsFindingAndStopsOnlyOnCountsNameAndDoubledFields) {
  const Point3d origine = pf::planUnique().origineCadre;
  const struct {
    const char* pourquoi;
    Changement changer;
    Edition editer;
    std::int32_t resultat;
    std::vector<std::uint32_t> codes;
  } cas[] = {
      // Counts.
      {"a CART title block is not counted", [](pf::PlanUnique& p) { p.nomCartouche = L"CART"; }, {}, arret, {1103}},
      {"two frames", {}, [](pf::PlanUniqueConstruit& c) { c.fichier.add(fx::cell(L"A1", {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})})); }, arret, {1101}},
      {"no frame", [](pf::PlanUnique& p) { p.nomCadre = L"A5"; }, {}, arret, {1100}},
      {"two title blocks", {}, [](pf::PlanUniqueConstruit& c) { c.fichier.add(fx::cell(L"CART2", {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})})); }, arret, {1104}},
      // The file name, and frames that skip its test (and the department's).
      {"slot 2 against the name", champs(pf::texteInsee, pf::texteInsee2, L"44110"), {}, arret, {1108}},
      {"slot 6 against the name", champ(pf::texteRivoli, L"0451"), {}, arret, {1108}},
      {"slot 9 with a one-digit folio", champs(pf::texteFolio, pf::texteFolio2, L"1/3"), {}, arret, {1108}},
      {"slot 9 \"/\" alone", champs(pf::texteFolio, pf::texteFolio2, L"/"), {}, arret, {1108}},
      {"slot 9 outside ASCII", champs(pf::texteFolio, pf::texteFolio2, L"0\u00e9/05"), {}, arret, {1108}},
      {"slot 9 empty passes the name, not the folio's form", champs(pf::texteFolio, pf::texteFolio2, L""), {}, arret, {1106}},
      {"A1 unrotated skips the name and department", ensemble({cadre(L"A1", 0.0), champs(pf::texteInsee, pf::texteInsee2, L"33063")}), {}, 0, {}},
      {"A1 turned 0.5 degree skips them", ensemble({cadre(L"A1", 0.5 * degre), champs(pf::texteInsee, pf::texteInsee2, L"33063")}), {}, 0, {}},
      {"A1 turned -0.5 degree skips them", ensemble({cadre(L"A1", -0.5 * degre), champs(pf::texteInsee, pf::texteInsee2, L"33063")}), {}, 0, {}},
      {"A1 turned 1.5 degree does not", ensemble({cadre(L"A1", 1.5 * degre), champs(pf::texteInsee, pf::texteInsee2, L"33063")}), {}, arret, {1108}},
      {"A4X4 turned 0.5 degree never skips", ensemble({cadre(L"A4X4", 0.5 * degre), champs(pf::texteInsee, pf::texteInsee2, L"33063")}), {}, arret, {1108}},
      {"A4X4 turned 0.5 degree, clean", cadre(L"A4X4", 0.5 * degre), {}, 0, {}},
      // Doubled fields and the folio's form.
      {"slots 4 and 5 apart", champ(pf::texteCommune2, L"NANTE"), {}, arret, {1106}},
      {"slots 2 and 3 apart", champ(pf::texteInsee2, L"44110"), {}, arret, {1106}},
      {"slot 6 of 5 characters", ensemble({cadre(L"A1", 0.0), champ(pf::texteRivoli, L"04500")}), {}, arret, {1106}},
      {"slots 7 and 8 apart", champ(pf::texteVoie2, L"RUE"), {}, arret, {1106}},
      {"slots 9 and 10 apart", champ(pf::texteFolio2, L"01/06"), {}, arret, {1106}},
      {"slot 9 01/3a", champs(pf::texteFolio, pf::texteFolio2, L"01/3a"), {}, arret, {1106}},
      {"slot 9 1/ with the name test skipped", ensemble({cadre(L"A1", 0.0), champs(pf::texteFolio, pf::texteFolio2, L"1/")}), {}, arret, {1106, 1106}},
      {"empty title block, name test skipped", ensemble({cadre(L"A1", 0.0), [](pf::PlanUnique& p) { p.champs.clear(); }}), {}, arret, {1106, 1106, 1106}},
      // Dates.
      {"a future background date", champ(pf::texteDateFond, L"15/03/2099"), {}, 0, {1107}},
      {"an unreadable background date", champ(pf::texteDateFond, L"2024-03-15"), {}, 0, {1107}},
      {"a background date \"//\"", champ(pf::texteDateFond, L"//"), {}, 0, {1107}},
      {"a background date 99/99/99999999", champ(pf::texteDateFond, L"99/99/99999999"), {}, 0, {1107}},
      {"a valid gas BP date", champ(pf::texteDateBP, L"01/01/2020"), {}, 0, {1247}},
      {"valid gas MPB, MPC and PRC dates", ensemble({champ(pf::texteDateMPB, L"01/01/2020"), champ(pf::texteDateMPC, L"1/2/07"), champ(pf::texteDatePRC, L"02/02/2099")}), {}, 0, {1247, 1247, 1247}},
      {"an invalid gas date", champ(pf::texteDateBP, L"2020-01-01"), {}, 0, {}},
      // Places.
      {"frame at (0, 0)", {}, [origine](pf::PlanUniqueConstruit& c) { harnais::deplacer(c.fichier, c.idCadre, pf::uor(origine) * -1.0); }, 0, {1102}},
      {"title block at (0, 0)", [](pf::PlanUnique& p) { p.decalageCartouche = p.origineCadre * -1.0; }, {}, 0, {1105, 1129}},
      // Projection and department.
      {"no \"PRJ=\" text", [](pf::PlanUnique& p) { p.texteProjection = L"PROJ=C47"; }, {}, 0, {1107}},
      {"\"PRJ=\" with nothing after", [](pf::PlanUnique& p) { p.texteProjection = L"PRJ="; }, {}, 0, {1124}},
      {"an unknown code", [](pf::PlanUnique& p) { p.texteProjection = L"PRJ=C99"; }, {}, 0, {1124}},
      {"\"c47\" in lower case", [](pf::PlanUnique& p) { p.texteProjection = L"PRJ=c47"; }, {}, 0, {}},
      {"title block outside the zone's range", [](pf::PlanUnique& p) { p.origineCadre.x = 1041999.0; }, {}, 0, {1129}},
      {"title block on its edge (outside the department)", [](pf::PlanUnique& p) { p.origineCadre.x = 1042000.0; }, {}, 0, {1134}},
      {"a wrong department", [](pf::PlanUnique& p) { ailleurs(p.origineCadre, L"C47", L"33010450.063", L"33063")(p); }, {}, 0, {1134}},
      {"a 4-character INSEE code stops at the name", champs(pf::texteInsee, pf::texteInsee2, L"4410"), {}, arret, {1108}},
      {"2A004 in Corsica, zone 42", ailleurs({2200000.0, 1200053.0, 0}, L"C42", L"2A010450.004", L"2A004"), {}, 0, {}},
      {"97209 in Martinique, UTM 20", ailleurs({700000.0, 1600053.0, 0}, L"U20", L"97010450.209", L"97209"), {}, 0, {}},
      // Scale and georeferencing quality.
      {"slot 15 500-P at 1:200", champ(pf::texteEchelleQualite, L"500-P"), {}, 0, {1122}},
      {"slot 15 200-Q", champ(pf::texteEchelleQualite, L"200-Q"), {}, 0, {1133}},
      {"slot 15 200-C (a three-file letter)", champ(pf::texteEchelleQualite, L"200-C"), {}, 0, {1133}},
      {"slot 15 200-p in lower case", champ(pf::texteEchelleQualite, L"200-p"), {}, 0, {1133}},
      {"slot 15 200-\u00c9", champ(pf::texteEchelleQualite, L"200-\u00c9"), {}, 0, {1133}},
      {"slot 15 500-Q", champ(pf::texteEchelleQualite, L"500-Q"), {}, 0, {1122, 1133}},
      {"slot 15 200P", champ(pf::texteEchelleQualite, L"200P"), {}, 0, {1107}},
      {"slot 15 empty", champ(pf::texteEchelleQualite, L""), {}, 0, {1107}},
      {"slot 15 one character", champ(pf::texteEchelleQualite, L"2"), {}, 0, {1107}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanUnique plan = pf::planUnique();
    if (c.changer) c.changer(plan);
    const harnais::Passage p = passer(plan, c.editer);
    EXPECT_EQ(p.resultat, c.resultat);
    EXPECT_EQ(p.codes(), c.codes);
  }
}

TEST_F(CtrlCartoucheV2, FindingsCarryTheirCellObjectAndComplement) {
  pf::PlanUnique plan = pf::planUnique();
  plan.champs[pf::texteDateFond] = L"15/03/2099";
  plan.champs[pf::texteDatePRC] = L"01/01/2020";
  plan.texteProjection = L"PRJ=C43";
  pf::PlanUniqueConstruit construit = pf::construire(plan);
  harnais::deplacer(construit.fichier, construit.idCadre, pf::uor(plan.origineCadre) * -1.0);
  ASSERT_TRUE(pf::sauver(construit.fichier, dossier(plan.nomFichier)));
  const harnais::Passage p = harnais::passer(contexte, dossier(), plan.nomFichier, 1, 1);
  ASSERT_EQ(p.codes(), (std::vector<std::uint32_t>{1107, 1102, 1247, 1129}));
  EXPECT_EQ(p.complements(),
            (std::vector<std::wstring>{L"Date de fond de plan post\u00e9rieure \u00e0 la date du jour", L"",
                                       L"Date de r\u00e9seaux Gaz PRC", L"C43"}));
  for (const vererreur& e : p.erreurs) {
    EXPECT_EQ(e.fichier, L"44010450.109");
    EXPECT_EQ(e.extra, 2u);
    EXPECT_EQ(e.idElement, e.code == 1102 ? construit.idCadre : construit.idCartouche);
    EXPECT_EQ(e.objet, e.code == 1102 ? L"Cadre" : L"Cartouche");
  }
  // A code not passed leaves the plan's own projection, read from its coordinate system.
  EXPECT_EQ(p.fichiers.projection.codeCourt, L"C47");
}

TEST_F(CtrlCartoucheV2, CountsOfAModelThatIsNotOpen) {
  EXPECT_EQ(cart_scannerCellules(L"CART2", host::ModelRef{}), 0u);
  verplanfichiers fichiers;
  fichiers.type = 1;
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_cellulesCartouche(erreurs, fichiers), 0x8000u);
  ASSERT_EQ(erreurs.size(), 1u);
  EXPECT_EQ(erreurs[0].code, 1100u);
}

// In the driver the counts, the name and the doubled fields stop the plan after the signature
// step; the later findings let it go on to the drawing rules.
TEST_F(CtrlCartoucheV2, TheDriverStopsWhereTheTitleBlockSaysSo) {
  contexte.repLivre = dossier() + L"/";
  const struct {
    const char* pourquoi;
    Changement changer;
    std::array<std::int32_t, 6> statuts;
  } cas[] = {
      {"clean", {}, {0, 2, 1, -1, -1, -1}},
      {"a CART title block", [](pf::PlanUnique& p) { p.nomCartouche = L"CART"; }, {1, 0, 1, -1, -1, -1}},
      {"name against the title block", champ(pf::texteRivoli, L"0451"), {1, 0, 1, -1, -1, -1}},
      {"doubled fields apart", champ(pf::texteVoie2, L"RUE"), {1, 0, 1, -1, -1, -1}},
      {"a future background date", champ(pf::texteDateFond, L"15/03/2099"), {1, 2, 1, -1, -1, -1}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanUnique plan = pf::planUnique();
    if (c.changer) c.changer(plan);
    ASSERT_FALSE(pf::enregistrer(plan, dossier()).empty());
    EXPECT_EQ(harnais::piloter(contexte, plan.nomFichier, 1, drapeauLevelAudit), c.statuts);
  }
}

// A plan record of the caller names a file whose name is too short to be cut as DDnnRRRR.CCC:
// the name test reports it and stops the plan, it never reads past the name.
TEST_F(CtrlCartoucheV2, APlanRecordWithAShortNameStopsWith1108) {
  const std::wstring livraison = dossier() + L"/LIVRAISON";
  const std::wstring parametres = dossier() + L"/Parametres";
  ASSERT_TRUE(pf::ecrireParametres(parametres));
  ASSERT_TRUE(pf::livrerPropres(livraison + L"/Livre"));
  host::config::set(L"TOLVEK_PARAM", parametres);
  host::views::reset();
  verdossier d;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(d, message, livraison), verifSucces) << std::string(message.begin(), message.end());
  ASSERT_TRUE(pf::enregistrerVariante(L"AB.DGN", {}, livraison + L"/Livre"));
  ASSERT_FALSE(d.plans.empty());
  verplan court = d.plans.front();
  court.nom = L"AB.DGN";
  court.type = 1;
  court.version = 1;
  d.plans.push_back(court);

  verplan& plan = d.plans.back();
  EXPECT_EQ(verif_verifierPlan(plan, d, drapeauSansSignature), verifErreursTrouvees);
  host::config::unset(L"TOLVEK_PARAM");
  ASSERT_EQ(plan.erreurs.size(), 1u);
  EXPECT_EQ(plan.erreurs[0].code, 1108u);
  EXPECT_EQ(plan.erreurs[0].fichier, L"AB.DGN");
  EXPECT_EQ(plan.erreurs[0].objet, L"Cartouche");
  EXPECT_EQ(plan.erreurs[0].complement, L"");
  EXPECT_EQ(plan.statuts, (std::array<std::int32_t, 6>{1, 0, 1, -1, -1, -1}));
}

}  // namespace
