// The shape that the three-file books walk, on a small book of its own: type branches with their
// category set before the rows, annotations, italic rows, listed cells with "%s" categories and
// cells whose components are checked one for one (missing, nested or too many).
#include "standard/regle_livreV3.h"

#include <gtest/gtest.h>

#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;

namespace {

using enum regle_gabarit;

constexpr std::array<std::wstring_view, 3> catalogue = {L"Autre", L"A", L"B"};

constexpr std::array<regle_ligne, 1> textes = {{{L"Texte", 3, 0, 0, L"~", petit, 0.0, {}, true}}};
constexpr std::array<regle_ligne, 2> cotes = {{{L"Cote levée", 7, 0, 0, L"~", petit}, {L"Cote non levée", 0, 0, 0, L"~", petit, 0.0, {}, true}}};
constexpr std::array<regle_brancheV3, 3> brancheA = {{
    {.masque = 32, .categorie = L"Texte A", .lignes = textes},
    {.masque = 1, .annotationSeule = true, .annotation = L"Annotation A", .lignes = textes},
    {.masque = 64, .lignes = cotes},
}};
constexpr std::array<regle_enfant, 3> enfantsPTRL = {{{14, 0, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}}};
constexpr std::array<regle_celluleV3, 2> cellulesB = {{{L"PTRL", L"PTRL stock", enfantsPTRL}, {L"ID", L"Cartouche - %s"}}};
constexpr std::array<regle_ligne, 1> lignesB = {{{L"Cartouche", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> brancheB = {{{.masque = 1, .cellules = cellulesB, .lignes = lignesB}}};
constexpr std::array<regle_slotV3, 3> slots = {{{L"A", brancheA}, {L"B", brancheB}, {L"Absent", brancheB}}};

const std::array<std::uint32_t, 3> ids = {7, 1, 2};

verelement element(std::int32_t type, std::uint32_t niveau, std::uint32_t couleur = 3) {
  verelement e;
  e.idElement = 50;
  e.symbologie.type = type;
  e.symbologie.idNiveau = niveau;
  e.symbologie.couleur = couleur;
  e.symbologie.epaisseur = 0;
  e.symbologie.style = 0;
  return e;
}

TEST(RegleLivreV3, TheBookFindsItsSlotsInTheCatalogue) {
  const regle_livreV3 livre = regle_preparerLivre(slots, catalogue);
  EXPECT_EQ(livre.index, (std::vector<std::int32_t>{1, 2, -1}));
  EXPECT_EQ(livre.gabarits.petit.police, L"INTL_ENGINEERING");
  EXPECT_DOUBLE_EQ(livre.gabarits.petit.hauteurTexte, 0.4);
  EXPECT_DOUBLE_EQ(livre.gabarits.petit.largeurTexte, 0.28);
  EXPECT_EQ(livre.gabarits.simple, versymbologie{});
}

TEST(RegleLivreV3, BranchesAnnotationsAndItalicRows) {
  const regle_livreV3 livre = regle_preparerLivre(slots, catalogue);
  auto texte = [](const wchar_t* police, double hauteur, double largeur) {
    verelement e = element(17, 1);
    e.symbologie.police = police;
    e.symbologie.hauteurTexte = hauteur;
    e.symbologie.largeurTexte = largeur;
    return e;
  };
  const std::vector<vercouple> paire = {{50, 0}};
  const struct {
    const char* pourquoi;
    verelement e;
    bool apparie;
    std::int32_t classe;
    std::uint32_t code;
    std::wstring categorie;
  } cas[] = {
      {"an italic text", texte(L"ITALICS", 0.4, 0.28), false, 1, 0, L"Texte A"},
      {"an italic text at 1:500", texte(L"ITALICS", 1.0, 0.7), false, 2, 0, L"Texte A"},
      {"an upright text keeps the branch's category", texte(L"INTL_ENGINEERING", 0.4, 0.28), false, 1, 2051, L"Texte A"},
      {"a text without text sizes", texte(L"ITALICS", -9999.0, -9999.0), false, 1, 2052, L"Texte A"},
      {"a paired cell", element(2, 1), true, 1, 0, L"Annotation A"},
      {"an unpaired cell goes on and no branch takes it", element(2, 1), false, 1, 2032, L""},
      {"a raised dimension", element(33, 1, 7), false, 1, 0, L"Cote levée"},
      {"a dimension that is not raised: the italic row", element(33, 1, 0), false, 1, 0, L"Cote non levée"},
      {"a dimension of another colour: the first row stays", element(33, 1, 5), false, 1, 2033, L"Cote levée"},
      {"a line", element(3, 1), false, 1, 2032, L""},
      {"a cell listed with a %s category", [] { auto e = element(2, 2, 0); e.symbologie.nomCellule = L"ID"; return e; }(), false, 1, 0, L"Cartouche - ID"},
      {"a level that only the catalogue lacks", element(2, 7), false, 1, 2031, L""},
      {"level id 0", element(3, 0), false, 1, 2031, L""},
  };
  for (auto c : cas) {
    SCOPED_TRACE(c.pourquoi);
    regle_classerV3(c.e, livre, ids, c.apparie ? paire : std::vector<vercouple>{}, c.classe, host::ModelRef{});
    EXPECT_EQ(c.e.codeErreur, c.code);
    EXPECT_EQ(c.e.categorie, c.categorie);
  }
}

TEST(RegleLivreV3, CellsWithChildrenRowsHaveTheirComponentsCheckedOneForOne) {
  host::resetModels();
  fx::DesignBuilder b;
  b.level(L"A", 1);
  b.level(L"B", 2);
  const host::Point3d o{0, 0, 0}, p{1000, 0, 0}, q{1000, 1000, 0};
  auto forme = [&] { return fx::complexShape({fx::line(o, p), fx::lineString({p, q, o})}).weight(2); };
  auto trait = [&] { return fx::lineString({o, p, q}); };
  auto chaine = [&] { return fx::chain({fx::line(o, p), fx::line(p, q)}); };
  auto ptrl = [&](std::vector<fx::Spec> enfants) { return b.add(fx::cell(L"PTRL", o, std::move(enfants)).level(2).colour(9)); };
  const struct {
    const char* pourquoi;
    host::ElementId id;
    std::uint32_t code;
  } cas[] = {
      {"the three components in order, the cell's own colour aside", ptrl({forme(), trait(), chaine()}), 0},
      {"a component missing", ptrl({forme(), trait()}), 2043},
      {"one too many", ptrl({forme(), trait(), chaine(), chaine()}), 2043},
      {"two swapped", ptrl({forme(), chaine(), trait()}), 2043},
      {"a nested cell in place of the shape", ptrl({fx::cell(L"", o, {forme()}), trait(), chaine()}), 2043},
      {"no component", ptrl({}), 2043},
  };
  ModeleOuvert ouvert(b, L"fichier.dgn");
  verfichier f;
  f.modele = ouvert.modele();
  f.role = 2;
  element_construireTable(f);
  const regle_livreV3 livre = regle_preparerLivre(slots, catalogue);
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = f.elements.at(static_cast<std::size_t>(element_rechercherParId(f.elements, c.id)));
    regle_classerV3(e, livre, ids, {}, 1, f.modele);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, L"PTRL stock");
    verelement sansModele = f.elements.at(static_cast<std::size_t>(element_rechercherParId(f.elements, c.id)));
    regle_classerV3(sansModele, livre, ids, {}, 1, host::ModelRef{});
    EXPECT_EQ(sansModele.codeErreur, 2043u) << "no model to read the components in";
  }
}

}  // namespace
