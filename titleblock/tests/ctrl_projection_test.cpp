// The projection and department checks against the parameter folder of the fixture, on cells
// placed where each case needs them.
#include "titleblock/ctrl_projection.h"

#include <gtest/gtest.h>

#include <map>

#include "harnais_cartouche.h"
#include "host/fixture/design_builder.h"
#include "toolbox/stb_dgn.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

class CtrlProjection : public harnais::Cartouche {
 protected:
  // One file with a cell at each point (metres), named as given, and a line; opened.
  void ouvrir(const std::map<std::wstring, Point3d>& points) {
    fx::DesignBuilder b;
    for (const auto& [nom, p] : points) ids_[nom] = b.add(fx::cell(nom, pf::uor(p), {fx::line(pf::uor(p), pf::uor(p) + Point3d{100, 0, 0})}));
    ids_[L"ligne"] = b.add(fx::line({0, 0, 0}, {10, 0, 0}));
    fichier_.chemin = dossier(L"44010450.109");
    ASSERT_TRUE(pf::sauver(b, fichier_.chemin));
    ASSERT_EQ(stbDgn_ouvrirFichier(&fichier_.modele, nullptr, nullptr, fichier_.chemin, L"", true), 0);
  }
  void TearDown() override {
    if (fichier_.modele) stbDgn_fermerFichier(fichier_.modele);
    harnais::Cartouche::TearDown();
  }
  std::uint64_t id(const std::wstring& nom) { return ids_.count(nom) ? ids_[nom] : 0; }

  static std::vector<std::pair<std::uint32_t, std::wstring>> constats(const std::vector<vererreur>& erreurs) {
    std::vector<std::pair<std::uint32_t, std::wstring>> c;
    for (const vererreur& e : erreurs) {
      EXPECT_EQ(e.extra, 2u);
      EXPECT_EQ(e.objet, L"Cartouche");
      c.emplace_back(e.code, e.complement);
    }
    return c;
  }

  verfichier fichier_;
  std::map<std::wstring, std::uint64_t> ids_;
};

TEST_F(CtrlProjection, CodeAmongTheFolderProjectionsAndCellInsideItsRange) {
  ouvrir({{L"NANTES", {pf::kNantesC47X, pf::kNantesC47Y, 0}},
          {L"BORD", {1042000.0, 6088000.0, 0}},
          {L"COIN", {2242000.0, 6346000.0, 0}},
          {L"DEHORS", {1041999.999, 6234000.0, 0}},
          {L"LOIN", {1e11, -1e11, 0}}});  // near the largest coordinates design files hold
  using constat = std::pair<std::uint32_t, std::wstring>;
  const struct {
    const wchar_t* cellule;
    const wchar_t* code;
    std::uint32_t resultat;
    std::vector<constat> constats;
    const char* pourquoi;
  } cas[] = {
      {L"NANTES", L"C47", 0, {}, "Nantes in zone 47"},
      {L"NANTES", L"c47", 0, {}, "the code is compared without case"},
      {L"NANTES", L"C99", 0x8000, {{1124, L"C99"}}, "no such projection"},
      {L"NANTES", L"", 0x8000, {{1124, L""}}, "an empty code"},
      {L"NANTES", L"C4\u00e97", 0x8000, {{1124, L"C4\u00e97"}}, "a code with a letter outside ASCII"},
      {L"BORD", L"C47", 0, {}, "on the range's lower edges"},
      {L"COIN", L"C47", 0, {}, "on its upper corner"},
      {L"DEHORS", L"C47", 0x8000, {{1129, L"C47"}}, "a millimetre outside"},
      {L"NANTES", L"U40", 0x8000, {{1129, L"U40"}}, "Nantes is not in La R\u00e9union"},
      {L"LOIN", L"C47", 0x8000, {{1129, L"C47"}}, "the largest coordinates"},
      {L"ligne", L"C47", 0x8000, {}, "no cell: nothing to test, no finding"},
      {L"absent", L"C47", 0x8000, {}, "no element"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<vererreur> erreurs;
    EXPECT_EQ(ctrl_projectionCartouche(erreurs, fichier_, id(c.cellule), c.code, contexte.projections), c.resultat);
    EXPECT_EQ(constats(erreurs), c.constats);
    for (const vererreur& e : erreurs) EXPECT_EQ(e.idElement, id(c.cellule));
  }
}

TEST_F(CtrlProjection, DepartmentOfAnInseeCode) {
  const std::pair<const wchar_t*, const wchar_t*> cas[] = {
      {L"44109", L"44"}, {L"2A004", L"2A"}, {L"97209", L"972"}, {L"97411", L"974"}, {L"9720", L""},
      {L"4410", L""},    {L"441090", L""},  {L"", L""},         {L"9", L""},         {L"\u00e9\u00e9\u00e9\u00e9\u00e9", L"\u00e9\u00e9"}};
  for (const auto& [insee, departement] : cas) EXPECT_EQ(ctrl_departementInsee(insee), departement) << insee;
}

TEST_F(CtrlProjection, CellInsideItsDepartmentInTheProjection) {
  ouvrir({{L"NANTES", {pf::kNantesC47X, pf::kNantesC47Y, 0}},
          {L"REUNION", {330000.0, 7650000.0, 0}},
          {L"BORD44", {1276000.0, 6309000.0, 0}}});
  using constat = std::pair<std::uint32_t, std::wstring>;
  const struct {
    const wchar_t* cellule;
    const wchar_t* code;
    const wchar_t* insee;
    std::vector<constat> constats;
    const char* pourquoi;
  } cas[] = {
      {L"NANTES", L"C47", L"44109", {}, "Nantes in Loire-Atlantique"},
      {L"NANTES", L"c47", L"44109", {}, "the code is compared without case"},
      {L"BORD44", L"C47", L"44109", {}, "on the corner of the department's area"},
      {L"NANTES", L"C47", L"33063", {{1134, L"C47-33"}}, "Gironde has no area in zone 47"},
      {L"NANTES", L"L93", L"44109", {{1134, L"L93-44"}}, "Nantes' zone 47 point is outside its Lambert 93 area"},
      {L"REUNION", L"U40", L"97411", {}, "overseas: three characters"},
      {L"NANTES", L"U40", L"97411", {{1134, L"U40-974"}}, "overseas code, cell in Nantes"},
      {L"NANTES", L"C47", L"4410", {{1134, L"C47-"}}, "a four-character code has no department"},
      {L"NANTES", L"C47", L"", {{1134, L"C47-"}}, "no code at all"},
      {L"ligne", L"C47", L"44109", {}, "no cell: its place is not tested"},
      {L"ligne", L"C47", L"33063", {{1134, L"C47-33"}}, "no cell, no relation"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<vererreur> erreurs;
    ctrl_departementProjection(erreurs, fichier_, id(c.cellule), c.code, c.insee, contexte.deptProjections);
    EXPECT_EQ(constats(erreurs), c.constats);
  }
}

}  // namespace
