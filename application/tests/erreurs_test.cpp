// The errors dialog on a reviewed folder: its rows, the double click that marks, zooms onto and
// selects the faulty element in the delivered plan, the two toggles, and bad input.
#include "application/erreurs.h"

#include <gtest/gtest.h>

#include "application/app_traitement.h"
#include "application/tests/revue_fixture.h"
#include "host/view_display.h"

namespace {

namespace d = host::dialogs;
using revue_fixture::DossierRevu;

class Erreurs : public DossierRevu {
 protected:
  static d::Dialog* dialogue() { return d::find(3); }
  static d::Item* listeErreurs() { return d::findItem(dialogue(), d::ItemType::ListBox, 31); }
  static std::vector<std::wstring> cellules(int colonne) {
    std::vector<std::wstring> t;
    for (const auto& l : listeErreurs()->model->rows) t.push_back(l.cells.at(static_cast<std::size_t>(colonne)).text);
    return t;
  }
  // Double-clicks the row that shows the error of that index in the error list.
  static void doubleCliquer(std::size_t erreur) {
    const auto& lignes = listeErreurs()->model->rows;
    for (std::size_t r = 0; r < lignes.size(); ++r)
      if (lignes[r].cells[0].value == static_cast<std::int64_t>(erreur)) {
        std::wstring e;
        ASSERT_TRUE(d::doubleClick(listeErreurs(), static_cast<int>(r), e));
        return;
      }
    FAIL() << "no row";
  }
  // Index in the error list of the first error on that element.
  static std::size_t erreurDe(host::ElementId id) {
    for (std::size_t i = 0; i < dlgErreurs.erreurs.size(); ++i)
      if (dlgErreurs.erreurs[i].idElement == id) return i;
    ADD_FAILURE() << "no error";
    return 0;
  }
  static std::size_t erreurNommee(const std::wstring& message) {
    for (std::size_t i = 0; i < dlgErreurs.erreurs.size(); ++i)
      if (dlgErreurs.erreurs[i].message == message) return i;
    ADD_FAILURE() << "no error";
    return 0;
  }
  static void basculer(int bouton) {
    std::wstring e;
    ASSERT_TRUE(d::press(d::findItem(dialogue(), d::ItemType::ToggleButton, bouton), e));
  }
  void ouvrirUnique() {
    err_ouvrir(appTolvek.dossier, {unique()});
    ASSERT_NE(dialogue(), nullptr);
  }
  // The delivered one-file plan's "VERLIV" reference.
  static host::ModelRef livreUnique() { return reference(livre(plan_fixture::demoPropreUnique), L"VERLIV"); }
  static std::uint32_t position(host::ModelRef r, host::ElementId id) {
    const host::Element* e = host::readElement(r, id);
    return e ? e->filePosition : 0;
  }
};

TEST_F(Erreurs, ListsTheErrorsOfThePlansThatHaveSomeUnderTheFirstOnesName) {
  err_ouvrir(appTolvek.dossier, {sansErreur(), unique(), trois()});
  ASSERT_NE(dialogue(), nullptr);
  EXPECT_EQ(dialogue()->title, L"Erreurs - 44010450.109");
  EXPECT_EQ(dlgErreurs.plans, (std::vector<std::int32_t>{unique(), trois()}));
  const std::size_t n = appTolvek.dossier.plans[static_cast<std::size_t>(unique())].erreurs.size() + 3;
  ASSERT_EQ(listeErreurs()->model->rows.size(), n);
  EXPECT_EQ(listeErreurs()->headings.at(1), L"Description (" + std::to_wstring(n) + L")");
  // Level, then the main message with ". " and the complement only when there is one.
  EXPECT_EQ(cellules(0).at(0), L"1");
  EXPECT_EQ(cellules(1).at(0), L"Ligne hors norme. couleur 3");
  EXPECT_EQ(cellules(1).at(1), L"Texte hors norme");
  EXPECT_EQ(cellules(1).at(n - 1), L"Autres r\u00e9seaux");
  for (std::size_t r = 0; r < n; ++r)
    for (const auto& c : listeErreurs()->model->rows[r].cells) EXPECT_EQ(c.value, static_cast<std::int64_t>(r));

  // Column 0 by the level's value (10 after 2), column 1 by the text.
  std::wstring e;
  ASSERT_TRUE(d::sort(listeErreurs(), 0, false, e));
  EXPECT_EQ(cellules(0).front(), L"10");
  ASSERT_TRUE(d::sort(listeErreurs(), 1, true, e));
  EXPECT_EQ(cellules(1).front(), L"Autres r\u00e9seaux");

  // Plans without errors alone: an empty list, the dialog's own title.
  err_ouvrir(appTolvek.dossier, {sansErreur(), -1, 99});
  ASSERT_NE(dialogue(), nullptr);
  EXPECT_TRUE(listeErreurs()->model->rows.empty());
  EXPECT_EQ(listeErreurs()->headings.at(1), L"Description (0)");
  EXPECT_EQ(dialogue()->title, L"Erreurs");
}

TEST_F(Erreurs, ADoubleClickMarksZoomsOntoAndSelectsTheFaultyLine) {
  TvkDlg.vuesMarqueur = 1;
  TvkDlg.selectionLivre = 1;
  ouvrirUnique();
  doubleCliquer(erreurDe(ids().ligne));
  const host::ModelRef livreRef = livreUnique();
  ASSERT_TRUE(livreRef);
  EXPECT_EQ(dlgErreurs.fichierCourant, livre(plan_fixture::demoPropreUnique));
  EXPECT_EQ(dlgErreurs.positionCourante, position(livreRef, ids().ligne));
  EXPECT_EQ(host::selection::members(),
            (std::vector<std::pair<host::ModelRef, std::uint32_t>>{{livreRef, dlgErreurs.positionCourante}}));
  // The highlighted copy and the cross, in view 1 only.
  const auto dessines = host::views::isOpen(0) ? host::transients::inView(0) : decltype(host::transients::inView(0)){};
  ASSERT_EQ(dessines.size(), 2u);
  EXPECT_EQ(dessines[0].drawMode, host::transients::drawHighlighted);
  EXPECT_EQ(dessines[0].element.type, host::readElement(livreRef, ids().ligne)->type);
  EXPECT_EQ(dessines[1].element.type, host::ElementType::LineString);
  EXPECT_EQ(dessines[1].element.points.size(), 5u);
  EXPECT_TRUE(host::transients::inView(1).empty());
  // View 1 shows the element.
  const host::Range3d zone = host::views::area(0);
  const host::Transform versMaitre = host::referenceToMaster(livreRef);
  host::Range3d etendue;
  etendue.extend(versMaitre.apply(host::elementRangeOf(livreRef, ids().ligne).low));
  etendue.extend(versMaitre.apply(host::elementRangeOf(livreRef, ids().ligne).high));
  EXPECT_LE(zone.low.x, etendue.low.x);
  EXPECT_GE(zone.high.x, etendue.high.x);

  // Toggle 1 hides the marker without freeing it, and shows it again.
  host::transients::Transient* marqueur = dlgErreurs.marqueur;
  basculer(1);
  EXPECT_EQ(TvkDlg.vuesMarqueur, 0);
  EXPECT_TRUE(host::transients::inView(0).empty());
  EXPECT_TRUE(host::transients::isLive(marqueur));
  basculer(1);
  EXPECT_EQ(host::transients::inView(0).size(), 2u);
  // Toggle 2 empties the selection, and selects the element again when set.
  basculer(2);
  EXPECT_TRUE(host::selection::members().empty());
  basculer(2);
  EXPECT_TRUE(host::selection::contains(livreRef, dlgErreurs.positionCourante));

  // Closing the dialog frees the marker; the state stays.
  d::close(dialogue());
  EXPECT_FALSE(host::transients::isLive(marqueur));
  EXPECT_EQ(dlgErreurs.fichierCourant, livre(plan_fixture::demoPropreUnique));
}

TEST_F(Erreurs, ACrossOnlyForACurveWithARealPosition) {
  TvkDlg.vuesMarqueur = 1;
  ouvrirUnique();
  const struct {
    std::size_t erreur;
    std::size_t dessines;
    const char* pourquoi;
  } cas[] = {
      {erreurDe(ids().texte), 1, "a text carries no cross"},
      {erreurDe(ids().cellule), 1, "nor does a cell"},
      {erreurNommee(L"Ligne sans position"), 1, "written 0.000;0.000: no cross at the origin"},
      {erreurDe(revue_fixture::kIdGrand), 2, "a line of an id above 32 bits"},
      {erreurDe(revue_fixture::kIdTresGrand), 2, "4294967297 is not 1"},
  };
  for (const auto& c : cas) {
    doubleCliquer(c.erreur);
    EXPECT_EQ(host::transients::inView(0).size(), c.dessines) << c.pourquoi;
    EXPECT_EQ(host::transients::count(), 1u) << c.pourquoi;  // the one marker, replaced
  }
  EXPECT_EQ(host::transients::inView(0).front().element.id, revue_fixture::kIdTresGrand);
}

TEST_F(Erreurs, AnErrorOfAThreeFilePlanShowsItsElementInTheFileItNames) {
  TvkDlg.vuesMarqueur = 1;
  TvkDlg.selectionLivre = 1;
  err_ouvrir(appTolvek.dossier, {trois()});
  const std::wstring nom = plan_fixture::demoPropreTrois;
  const struct {
    std::size_t erreur;
    const wchar_t* extension;
    host::ElementId id;
  } cas[] = {{0, L".FP2", ids().fp2}, {1, L".EL2", ids().el2}, {2, L".AR2", ids().ar2}};
  for (const auto& c : cas) {
    doubleCliquer(c.erreur);
    const host::ModelRef r = reference(livre(nom + c.extension), L"VERLIV");
    ASSERT_TRUE(r) << c.extension;
    EXPECT_EQ(host::selection::members(),
              (std::vector<std::pair<host::ModelRef, std::uint32_t>>{{r, position(r, c.id)}}))
        << c.extension;
    // Recorded at (0, 0, 0): whatever the element, no cross.
    EXPECT_EQ(host::transients::inView(0).size(), 1u) << c.extension;
  }
}

TEST_F(Erreurs, WhatCannotBeShownEndsTheDoubleClickQuietly) {
  TvkDlg.vuesMarqueur = 1;
  TvkDlg.selectionLivre = 1;
  ouvrirUnique();
  doubleCliquer(erreurDe(ids().ligne));
  ASSERT_EQ(host::selection::members().size(), 1u);

  // An id its file lacks: the old marker freed, nothing drawn, zoomed or selected.
  const host::Range3d avant = host::views::area(0);
  doubleCliquer(erreurNommee(L"Identifiant absent"));
  EXPECT_EQ(host::transients::count(), 0u);
  EXPECT_TRUE(host::selection::members().empty());
  EXPECT_EQ(dlgErreurs.positionCourante, 0u);
  EXPECT_EQ(dlgErreurs.fichierCourant, livre(plan_fixture::demoPropreUnique));
  EXPECT_EQ(host::views::area(0).low.x, avant.low.x);
  basculer(2);
  basculer(2);  // nothing at position 0
  EXPECT_TRUE(host::selection::members().empty());

  // An error without element stops with the current file emptied.
  doubleCliquer(erreurNommee(L"Plan sans cartouche"));
  EXPECT_TRUE(dlgErreurs.fichierCourant.empty());

  // A file of no plan, a gas file, a plan whose delivered files are gone.
  const std::wstring nomTrois = plan_fixture::demoPropreTrois;
  vererreur modele = dlgErreurs.erreurs.front();
  for (const std::wstring& fichier : {std::wstring(L"99999999.109"), nomTrois + L".GZ2", nomTrois + L".EL2"}) {
    dlgErreurs.erreurs.front() = modele;
    dlgErreurs.erreurs.front().fichier = fichier;
    if (fichier == nomTrois + L".EL2") appTolvek.dossier.repLivre = (dir / "vide/").wstring();
    host::selection::freeAll();
    doubleCliquer(0);
    EXPECT_TRUE(host::selection::members().empty()) << std::string(fichier.begin(), fichier.end());
    EXPECT_EQ(dlgErreurs.positionCourante, 0u);
  }
  EXPECT_TRUE(host::messages::log().empty());

  // A row whose long value names no error, and no open view: no crash, nothing selected.
  appTolvek.dossier = revu();
  for (auto& c : listeErreurs()->model->rows[0].cells) c.value = 99;
  doubleCliquer(99);
  for (int v = 0; v < host::views::kCount; ++v) host::views::close(v);
  doubleCliquer(erreurDe(revue_fixture::kIdGrand));
  EXPECT_TRUE(host::selection::contains(livreUnique(), position(livreUnique(), revue_fixture::kIdGrand)));
}

TEST_F(Erreurs, WhileARunIsInProgressADoubleClickAttachesNothing) {
  ouvrirUnique();
  {
    TraitementEnCours traitement;
    doubleCliquer(erreurDe(ids().ligne));
  }
  EXPECT_FALSE(livreUnique());
  EXPECT_EQ(listeMessages(), std::vector<std::wstring>{L"Un traitement est en cours, veuillez patienter."});
}

}  // namespace
