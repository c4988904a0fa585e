// The errors dialog, the locate-element command and the description dialog through the host's
// shell, driven by the script application/tests/revue.cadhost on a reviewed folder: the demo
// folder with the last verification's CSV reports written beforehand and recovered at start-up.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "application/tests/revue_fixture.h"
#include "application/tests/shell_lancer.h"
#include "host/color_palette.h"

namespace fs = boost::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using shell_lancer::etapes;

std::string lire(const fs::path& chemin) { return shell_lancer::lire(chemin.string()); }

// The elements of an SVG picture of that class, as their opening tags.
std::vector<std::string> dessins(const std::string& svg, const std::string& classe) {
  std::vector<std::string> r;
  const std::string marque = "class=\"" + classe + "\"";
  for (std::size_t debut = svg.find('<'); debut != std::string::npos; debut = svg.find('<', debut + 1)) {
    const std::size_t fin = svg.find('>', debut);
    if (fin == std::string::npos) break;
    const std::string balise = svg.substr(debut, fin - debut + 1);
    if (balise.find(marque) != std::string::npos) r.push_back(balise);
  }
  return r;
}

// The points of a drawing's opening tag (its "points" attribute), as x, y pairs.
std::vector<std::pair<double, double>> points(const std::string& balise) {
  std::vector<std::pair<double, double>> r;
  const std::size_t debut = balise.find("points=\"");
  if (debut == std::string::npos) return r;
  std::string texte = balise.substr(debut + 8, balise.find('"', debut + 8) - debut - 8);
  std::replace(texte.begin(), texte.end(), ',', ' ');
  std::istringstream in(texte);
  for (double x = 0, y = 0; in >> x >> y;) r.emplace_back(x, y);
  return r;
}

// A numeric attribute of the picture's <svg> tag.
double attribut(const std::string& svg, const std::string& nom) {
  const std::size_t debut = svg.find(nom + "=\"", svg.find("<svg"));
  return debut == std::string::npos ? -1.0 : std::stod(svg.substr(debut + nom.size() + 2));
}

// The drawings of the one-file plan's versions in that stroke colour.
std::vector<std::string> duPlanUnique(const std::string& svg, const std::string& couleur) {
  std::vector<std::string> r;
  for (const std::string& b : dessins(svg, "reference"))
    if (b.find("stroke=\"" + couleur + "\"") != std::string::npos && b.find("data-file=\"44010450.109\"") != std::string::npos)
      r.push_back(b);
  return r;
}

// The area lines that "views" printed for that view, in order.
std::vector<std::string> zones(const std::string& etape, int vue) {
  std::vector<std::string> r;
  const std::string marque = "vue " + std::to_string(vue) + " : ";
  std::istringstream in(etape);
  for (std::string l; std::getline(in, l);)
    if (l.rfind(marque, 0) == 0) r.push_back(l.substr(marque.size()));
  return r;
}

class RevueShell : public ::testing::Test {
 protected:
  void SetUp() override {
    racine = fs::current_path() / "revue_shell";
    fs::remove_all(racine);
    verdossier dossier;
    revue_fixture::ecrireRevue(racine, chemins, dossier, ids);
    ASSERT_FALSE(HasFatalFailure());
    // The working drawing is made from the prototype: it gets the level of the cursor cross.
    const std::wstring prototype = chemins.parametres + L"/Prototype.dgn";
    auto dessin = host::DesignFile::load(prototype);
    ASSERT_TRUE(dessin);
    dessin->addLevel(L"Niveau 64", 64);
    ASSERT_TRUE(dessin->save(prototype));
    fs::create_directories(racine / "Travail");
    // A second folder holding plans of the same names.
    fs::copy(racine / "Livraison", racine / "Autre", fs::copy_options::recursive);
  }
  int lancer(std::string& sortie) const {
    return shell_lancer::lancerSurDossier(racine.string(), TEST_SOURCE_DIR "/revue.cadhost", sortie);
  }
  fs::path racine;
  plan_fixture::CheminsDemo chemins;
  revue_fixture::Ids ids;
};

TEST_F(RevueShell, ErrorsDialogLocateCommandAndDescriptionDialogOnAReviewedFolder) {
  const auto livreAvant = plan_fixture::empreintes({chemins.livre}),
             origineAvant = plan_fixture::empreintes({chemins.origine});
  std::string sortie;
  ASSERT_EQ(lancer(sortie), 0) << sortie;
  auto e = etapes(sortie);
  ASSERT_EQ(e.size(), 11u) << sortie;
  EXPECT_THAT(sortie, Not(HasSubstr("[mode 5]")));
  EXPECT_THAT(sortie, Not(HasSubstr("n'est pas encore disponible")));
  const auto fichier = [this](const std::string& svg) { return lire(racine / svg); };
  const std::string unique = "/Livraison/Livre/44010450.109 position ";
  const std::string el2 = "/Livraison/Livre/QRL-47-00193-01246-03-D-24.EL2 position ";

  // 1. The errors of the two plans that have some, under the first one's name, sorted by level's
  // value (10 first when descending) and by text.
  EXPECT_THAT(e[1], HasSubstr("Dialogue 3 \u00ab Erreurs - 44010450.109 \u00bb"));
  EXPECT_THAT(e[1], HasSubstr("| Niveau | Description (11) |"));
  EXPECT_THAT(e[1], HasSubstr("    0 | 1 | Ligne hors norme. couleur 3 | [0]\n    1 | 2 | Texte hors norme | [1]"));
  EXPECT_THAT(e[1], HasSubstr("    10 | 2 | Autres r\u00e9seaux | [10]\n"));
  EXPECT_THAT(e[1], HasSubstr("    0 | 10 | Ligne sans position | [4]\n"));
  EXPECT_THAT(e[1], HasSubstr("    0 | 2 | Autres r\u00e9seaux | [10]\n    1 | 0 | Cellule hors norme"));

  // 2. A double click on the line: selected in the delivered plan, marked and crossed in view 1.
  EXPECT_THAT(e[2], HasSubstr(unique));
  EXPECT_THAT(e[2], testing::ContainsRegex(" id " + std::to_string(ids.ligne) + "\n"));
  auto marque = dessins(fichier("erreurs_ligne.svg"), "transient");
  ASSERT_EQ(marque.size(), 2u);
  EXPECT_THAT(marque[0], HasSubstr("stroke=\"#ff00ff\""));
  EXPECT_THAT(marque[0], HasSubstr("data-id=\"" + std::to_string(ids.ligne) + "\""));
  EXPECT_THAT(marque[1], Not(HasSubstr("data-id")));  // the cross

  // 3. Toggle 1 hides and shows the marker; toggle 2 empties the selection and selects again.
  EXPECT_TRUE(dessins(fichier("erreurs_cache.svg"), "transient").empty());
  EXPECT_EQ(dessins(fichier("erreurs_montre.svg"), "transient").size(), 2u);
  std::size_t lignesSelection = 0;
  for (std::size_t p = e[3].find(unique); p != std::string::npos; p = e[3].find(unique, p + 1)) ++lignesSelection;
  EXPECT_EQ(lignesSelection, 1u);

  // 4. The error of the EL2 file selects its element in the EL2 file's own attachment.
  EXPECT_THAT(e[4], HasSubstr(el2));
  EXPECT_THAT(e[4], testing::ContainsRegex(" id " + std::to_string(ids.el2) + "\n"));
  EXPECT_THAT(e[4], HasSubstr("r\u00e9f\u00e9rence VERLIVQRL-47-00193-01246-03-D-24EL2 "));

  // 5. A text has no cross, nor has an error written without position; an id its file lacks
  // leaves no marker and nothing selected.
  marque = dessins(fichier("erreurs_texte.svg"), "transient");
  ASSERT_EQ(marque.size(), 1u);
  EXPECT_THAT(marque[0], HasSubstr("data-id=\"" + std::to_string(ids.texte) + "\""));
  EXPECT_EQ(dessins(fichier("erreurs_sans_position.svg"), "transient").size(), 1u);
  EXPECT_TRUE(dessins(fichier("erreurs_absent.svg"), "transient").empty());
  EXPECT_THAT(e[5], Not(HasSubstr(" position ")));

  // 6. Theme code 4 finds the line in the EL2 file; code 2 looks in the FP2 file, which lacks it.
  EXPECT_THAT(e[6], HasSubstr("[outil] Localiser"));
  EXPECT_THAT(e[6], HasSubstr(el2 + "3 id 7000000007"));
  EXPECT_THAT(e[6], HasSubstr("[mode 2] El\u00e9ment introuvable dans le fichier "));
  EXPECT_THAT(e[6], HasSubstr("/Livraison/Livre/QRL-47-00193-01246-03-D-24.FP2\n"));

  // 7. An id above 32 bits, typed in the summary, is selected and highlighted.
  EXPECT_THAT(e[7], HasSubstr(unique));
  EXPECT_THAT(e[7], HasSubstr(" id 4294967297\n"));

  // 8. The summary's compare button compares the one-file plan with its previous version and
  // opens the description: its whole content and a cabinet with its cable are new, and one
  // building was removed since. Both versions are attached.
  EXPECT_THAT(e[8], HasSubstr("Dialogue 4 \u00ab Description de la comparaison \u00bb"));
  EXPECT_THAT(e[8], HasSubstr("\u00ab Plan \u00bb = \u00ab 44010450.109 \u00bb"));
  EXPECT_THAT(e[8], HasSubstr("| Statut | Description (9) |\n    0 | Ajout | Limite [Lin\u00e9aire] | [0]\n"
                              "    1 | Ajout | B\u00e2ti [Polygone] | [1]\n"));
  EXPECT_THAT(e[8], HasSubstr("    3 | Ajout | Route [Lin\u00e9aire] | [3]\n"));
  EXPECT_THAT(e[8], HasSubstr("    4 | Ajout | Coffret \u00e9lectrique [Cellule] | [4]\n"
                              "    5 | Ajout | C\u00e2ble BT Classe A [Lin\u00e9aire] | [5]\n"));
  EXPECT_THAT(e[8], HasSubstr("    7 | Ajout | Limite [Lin\u00e9aire] | [7]\n    8 | Suppression | B\u00e2ti [Polygone] | [8]\n"));
  EXPECT_THAT(e[8], testing::ContainsRegex("r\u00e9f\u00e9rence VERLIV44010450109 [^\n]*/Livraison/Livre/44010450\\.109\n"));
  EXPECT_THAT(e[8], testing::ContainsRegex("r\u00e9f\u00e9rence VERORI44010450109 [^\n]*/Livraison/Origine/44010450\\.109\n"));

  // 9. In substitute colours, the eight added elements (the two lines with large ids among them)
  // are green and the removed building red; a double click frames the row's element in view 1,
  // centred, with the zoom factor's margin along the side that limits it (the view keeps its
  // shape).
  const std::string supprime = fichier("description_supprime.svg"), route = fichier("description_route.svg");
  EXPECT_EQ(duPlanUnique(supprime, "#00ff00").size(), 8u);
  const auto rouges = duPlanUnique(supprime, "#ff0000");
  ASSERT_EQ(rouges.size(), 1u);
  const double largeur = attribut(supprime, "width"), hauteur = attribut(supprime, "height");
  EXPECT_NEAR(largeur / hauteur, 4.0 / 3.0, 1e-2);
  const double marge = (1.0 - 1.0 / 1.2) / 2.0;
  double x0 = largeur, x1 = 0, y0 = hauteur, y1 = 0;
  for (const auto& [x, y] : points(rouges[0])) {
    x0 = std::min(x0, x), x1 = std::max(x1, x);
    y0 = std::min(y0, y), y1 = std::max(y1, y);
  }
  EXPECT_NEAR(x0, largeur - x1, 1.0);
  EXPECT_NEAR(y0, hauteur - y1, 1.0);
  EXPECT_NEAR(std::min(x0 / largeur, y0 / hauteur), marge, 1e-2);
  EXPECT_THAT(e[9], HasSubstr("| Statut | Description (8) |"));
  EXPECT_THAT(e[9], Not(HasSubstr("| Suppression |")));
  std::size_t routes = 0;
  for (const std::string& b : duPlanUnique(route, "#00ff00")) {
    const auto p = points(b);
    if (p.size() == 2 && std::abs(std::min(p[0].first, p[1].first) - attribut(route, "width") * marge) < 1.0 &&
        std::abs(std::max(p[0].first, p[1].first) - attribut(route, "width") * (1.0 - marge)) < 1.0)
      ++routes;
  }
  EXPECT_EQ(routes, 1u);

  // 10. Filtered on removals, the only row is still the removed building's; side by side, view 8
  // shows view 1's height about its centre; closing detaches both versions and closes view 8.
  EXPECT_THAT(e[10], HasSubstr("| Statut | Description (1) |\n    0 | Suppression | B\u00e2ti [Polygone] | [8]\n"));
  const auto vue1 = zones(e[10], 1), vue8 = zones(e[10], 8);
  ASSERT_EQ(vue1.size(), 3u);
  ASSERT_EQ(zones(e[9], 1).size(), 1u);
  EXPECT_EQ(vue1[0], zones(e[9], 1)[0]);
  ASSERT_EQ(vue8.size(), 1u);
  double a[4], b[4];
  std::istringstream(vue1[1]) >> a[0] >> a[1] >> a[2] >> a[3];
  std::istringstream(vue8[0]) >> b[0] >> b[1] >> b[2] >> b[3];
  EXPECT_NEAR(a[0] + a[2], b[0] + b[2], 1.0);
  EXPECT_NEAR(a[1], b[1], 1.0);
  EXPECT_NEAR(a[3], b[3], 1.0);
  EXPECT_THAT(e[10], Not(HasSubstr("VERLIV")));
  EXPECT_THAT(e[10], Not(HasSubstr("VERORI")));

  // 11. Opening another folder closes the errors and description dialogs of the first, detaches
  // its versions, and leaves both dialogs empty when they open again.
  const std::size_t nouveau = e[11].find("2 \u00ab Bilan de la v\u00e9rification - Autre \u00bb");
  ASSERT_NE(nouveau, std::string::npos) << e[11];
  const std::string avant = e[11].substr(0, nouveau), apres = e[11].substr(nouveau);
  EXPECT_THAT(avant, HasSubstr("3 \u00ab Erreurs - "));
  EXPECT_THAT(avant, HasSubstr("4 \u00ab Description de la comparaison \u00bb"));
  EXPECT_THAT(apres, Not(HasSubstr("Erreurs - ")));
  EXPECT_THAT(apres, Not(HasSubstr("VERLIV")));
  EXPECT_THAT(apres, Not(HasSubstr("VERORI")));
  EXPECT_THAT(apres, HasSubstr("| Niveau | Description (0) |"));
  EXPECT_THAT(apres, HasSubstr("| Statut | Description (0) |"));

  // What was delivered was only read.
  EXPECT_TRUE(plan_fixture::empreintes({chemins.livre}) == livreAvant);
  EXPECT_TRUE(plan_fixture::empreintes({chemins.origine}) == origineAvant);
}

}  // namespace
