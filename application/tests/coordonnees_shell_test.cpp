// The coordinates dialog and the copy tools as a user drives them through the host's shell, with
// the script application/tests/coordonnees.cadhost on working drawings in several systems.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <boost/filesystem.hpp>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "application/tests/shell_lancer.h"
#include "engine/fixture/parametres_fixture.h"
#include "host/fixture/design_builder.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using shell_lancer::etapes;

std::string lire(const fs::path& chemin) { return shell_lancer::lire(chemin.string()); }

std::size_t occurrences(const std::string& texte, const std::string& motif) {
  std::size_t n = 0;
  for (auto p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
  return n;
}

const std::string kConversion = "[mode 7] Op\u00e9ration impossible car les coordonn\u00e9es ne peuvent \u00eatre converties.";
const std::string kSansProjection =
    "[mode 7] Op\u00e9ration impossible car la projection du mod\u00e8le actif n'est pas d\u00e9finie.";
const std::string kIllisible = "[mode 2] Le contenu du presse-papier ne peut \u00eatre interpr\u00e9t\u00e9.";

// The value that the last "show 5" of a step gives text item `id`.
double champ(const std::string& etape, int id) {
  const std::string marque = "text " + std::to_string(id) + " \u00ab";
  const auto p = etape.rfind(marque);
  if (p == std::string::npos) return std::nan("");
  const auto debut = etape.find("= \u00ab ", p);
  return debut == std::string::npos ? std::nan("") : std::atof(etape.c_str() + debut + std::string("= \u00ab ").size());
}

class CoordonneesShell : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::current_path() / "coordonnees_shell";
    fs::remove_all(dir);
    fs::create_directories(dir / "Travail");
    ASSERT_TRUE(plan_fixture::ecrireParametres((dir / "Parametres").wstring()));
    const std::pair<const char*, std::optional<std::wstring>> dessins[] = {
        {"L93.dgn", L"IGN-RGF93"}, {"CC47.dgn", L"RGF93.CC47"}, {"U20.dgn", L"EPSG:32620"},
        {"Sans.dgn", std::nullopt}, {"Inconnu.dgn", L"EPSG:3857"}};
    for (const auto& [nom, cle] : dessins) {
      fx::DesignBuilder b;
      b.header().coordinateSystem = cle;
      b.add(fx::line({699000000, 6599000000, 0}, {701000000, 6601000000, 0}));
      ASSERT_TRUE(b.save((dir / nom).wstring()));
    }
  }
  int lancer(std::string& sortie) const {
    const std::string commande = "cd '" + dir.string() + "' && " + CADHOST_SHELL_PATH + " --cfg TOLVEK_RACINE=" +
                                 (dir / "Travail").string() + " --cfg TOLVEK_PARAM=" + (dir / "Parametres").string() +
                                 " -c 'pick cancel' -c 'load " + TOLVEK_PLUGIN_PATH + "' " TEST_SOURCE_DIR
                                 "/coordonnees.cadhost";
    return shell_lancer::lancer(commande, sortie);
  }
  fs::path dir;
};

TEST_F(CoordonneesShell, ConvertsPastesGoesToThePointAndCopiesOnEveryDrawing) {
  std::string sortie;
  ASSERT_EQ(lancer(sortie), 0) << sortie;
  auto e = etapes(sortie);
  ASSERT_EQ(e.size(), 13u) << sortie;
  EXPECT_THAT(sortie, Not(HasSubstr("n'est pas encore disponible")));
  EXPECT_THAT(sortie, Not(HasSubstr("chec")));  // no command of the script failed

  // 1. The point of Lambert 93 shown in WGS84, then a WGS84 point back in Lambert 93.
  const auto premier = e[1].find("Dialogue 5"), deuxieme = e[1].find("Dialogue 5", premier + 1);
  EXPECT_NEAR(champ(e[1].substr(0, deuxieme), 53), 3.0, 1e-9) << e[1];
  EXPECT_NEAR(champ(e[1].substr(0, deuxieme), 54), 46.5, 1e-9) << e[1];
  EXPECT_NEAR(champ(e[1], 51), 652307.606, 1e-3) << e[1];  // also after a round trip through NTF
  EXPECT_NEAR(champ(e[1], 52), 6862036.586, 1e-3) << e[1];
  EXPECT_THAT(e[1], Not(HasSubstr("[mode")));
  // Projected fields with three decimals, geographic ones with nine, never an exponent.
  EXPECT_THAT(e[1], HasSubstr("text 51 \u00ab X \u00bb (cach\u00e9) = \u00ab 700000.000 \u00bb"));
  EXPECT_THAT(e[1], HasSubstr("text 53 \u00ab Longitude \u00bb = \u00ab 3.000000000 \u00bb"));
  EXPECT_THAT(e[1], Not(HasSubstr("e+")));

  // 2. One cross after each go-to, none once the dialog is closed.
  EXPECT_EQ(occurrences(lire(dir / "croix1.svg"), "class=\"transient\""), 1u);
  EXPECT_EQ(occurrences(lire(dir / "croix2.svg"), "class=\"transient\""), 1u);
  EXPECT_EQ(occurrences(lire(dir / "croix3.svg"), "class=\"transient\""), 0u);
  EXPECT_THAT(lire(dir / "croix1.svg"), HasSubstr("stroke-width=\"1\""));

  // 3. Plain numbers pasted; three texts that are not, an empty one, and a refused clipboard.
  EXPECT_THAT(e[3], HasSubstr("\u00ab 652307.606 \u00bb")) << e[3];
  EXPECT_EQ(occurrences(e[3], kIllisible), 4u) << e[3];
  EXPECT_EQ(occurrences(e[3], "[mode 2] Aucune donn\u00e9e dans le presse-papier."), 1u) << e[3];

  // 4. A reset first copies nothing; the point in WGS84.
  EXPECT_THAT(e[4], HasSubstr("[presse-papier] avant"));
  EXPECT_THAT(e[4], HasSubstr("<gml:coordinates>3.000000000,46.500000000</gml:coordinates>"));
  EXPECT_THAT(e[4], HasSubstr("[mode 1] Point copi\u00e9 dans le presse-papier"));

  // 5. The polygon: a line, then a closed outline, while picking; four pairs, the ring closed.
  EXPECT_THAT(lire(dir / "dynamique1.svg"), HasSubstr("<polyline"));
  EXPECT_EQ(occurrences(lire(dir / "dynamique1.svg"), "class=\"dynamics\""), 1u);
  EXPECT_THAT(lire(dir / "dynamique2.svg"), HasSubstr("<polygon"));
  EXPECT_EQ(occurrences(lire(dir / "dynamique2.svg"), "class=\"dynamics\""), 1u);
  EXPECT_EQ(occurrences(lire(dir / "dynamique3.svg"), "class=\"dynamics\""), 0u);
  EXPECT_THAT(e[5], HasSubstr("<gml:coordinates>3.000000000,46.500000000 "));
  EXPECT_THAT(e[5], HasSubstr(" 3.000000000,46.500000000</gml:coordinates>"));
  EXPECT_THAT(e[5], HasSubstr("[mode 3] Donner le point suivant / Reset pour fermer"));
  EXPECT_THAT(e[5], HasSubstr("[mode 1] Polygone copi\u00e9 dans le presse-papier"));

  // 6. The clipboard refused: no confirmation, the clipboard as it was.
  EXPECT_THAT(e[6], HasSubstr("[mode 7] Impossible d'\u00e9crire dans le presse-papier."));
  EXPECT_THAT(e[6], Not(HasSubstr("Point copi")));
  EXPECT_THAT(e[6], HasSubstr("[presse-papier] avant"));

  // 7. A latitude of 95 converts to nothing and goes nowhere.
  EXPECT_EQ(occurrences(e[7], kConversion), 2u) << e[7];

  // 8. The WGS84 point (3, 47) is CC47's origin: the view is centred on (1700000, 6200000) m.
  EXPECT_THAT(e[8], Not(HasSubstr("[mode")));
  const auto vue = e[8].find("vue 1 : ");
  ASSERT_NE(vue, std::string::npos) << e[8];
  std::istringstream zone(e[8].substr(vue + 8));
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  zone >> x1 >> y1 >> x2 >> y2;
  EXPECT_NEAR((x1 + x2) / 2, 1700000000.0, 1.0);
  EXPECT_NEAR((y1 + y2) / 2, 6200000000.0, 1.0);

  // 9. UTM 20N's false easting on the equator is 63 degrees west.
  EXPECT_THAT(e[9], HasSubstr("<gml:coordinates>-63.000000000,0.000000000</gml:coordinates>"));

  // 10, 11. Without a system of the table neither the go-to nor the copy works.
  EXPECT_EQ(occurrences(e[10], kSansProjection), 2u) << e[10];
  EXPECT_EQ(occurrences(e[11], kSansProjection), 1u) << e[11];

  // 12. The copied point pasted back: its WGS84 row first, then Lambert 93 within 1 mm of the
  // picked point.
  const auto colle = e[12].find("Dialogue 5");
  EXPECT_NEAR(champ(e[12].substr(0, e[12].find("Dialogue 5", colle + 1)), 53), 3.0016, 1e-4) << e[12];
  EXPECT_NEAR(champ(e[12], 51), 700123.456, 1e-3) << e[12];
  EXPECT_NEAR(champ(e[12], 52), 6600654.321, 1e-3) << e[12];
  EXPECT_THAT(e[12], Not(HasSubstr("[mode 2]")));

  // 13. The copied rectangle pasted back sets the view's area to its box, 2 km by 1 km, centred on
  // it and grown to the view's shape (4 wide by 3 high), and draws the cross.
  EXPECT_THAT(e[13], Not(HasSubstr("[mode 2]")));
  EXPECT_THAT(e[13], Not(HasSubstr("[mode 7]")));
  const auto zoneCollee = e[13].find("vue 1 : ");
  ASSERT_NE(zoneCollee, std::string::npos) << e[13];
  std::istringstream boite(e[13].substr(zoneCollee + 8));
  boite >> x1 >> y1 >> x2 >> y2;
  EXPECT_NEAR(x2 - x1, 2000000.0, 1000.0);
  EXPECT_NEAR(y2 - y1, 1500000.0, 1000.0);
  EXPECT_NEAR((x1 + x2) / 2, 701000000.0, 1000.0);
  EXPECT_NEAR((y1 + y2) / 2, 6600500000.0, 1000.0);
  EXPECT_EQ(occurrences(lire(dir / "collage.svg"), "class=\"transient\""), 1u);
}

}  // namespace
