// The errors dialog and the locate-element command through the host's shell, driven by the
// script application/tests/revue.cadhost on a reviewed folder: the demo folder with the last
// verification's CSV reports written beforehand and recovered at start-up.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <boost/filesystem.hpp>
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
  }
  int lancer(std::string& sortie) const {
    return shell_lancer::lancerSurDossier(racine.string(), TEST_SOURCE_DIR "/revue.cadhost", sortie);
  }
  fs::path racine;
  plan_fixture::CheminsDemo chemins;
  revue_fixture::Ids ids;
};

TEST_F(RevueShell, ErrorsDialogAndLocateCommandOnAReviewedFolder) {
  const auto livreAvant = plan_fixture::empreintes({chemins.livre}),
             origineAvant = plan_fixture::empreintes({chemins.origine});
  std::string sortie;
  ASSERT_EQ(lancer(sortie), 0) << sortie;
  auto e = etapes(sortie);
  ASSERT_EQ(e.size(), 7u) << sortie;
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

  // What was delivered was only read.
  EXPECT_TRUE(plan_fixture::empreintes({chemins.livre}) == livreAvant);
  EXPECT_TRUE(plan_fixture::empreintes({chemins.origine}) == origineAvant);
}

}  // namespace
