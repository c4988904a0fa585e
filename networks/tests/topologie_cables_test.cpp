// The cable-topology stage through the per-plan driver, on a delivery folder holding the one-file
// network plan with its east neighbour and, when wanted, its previous version: the findings of
// each variant, the neighbours opened in their declared systems, the Temp directory emptied, the
// delivered and previous files left as they were, and bad input.
#include "networks/topologie_cables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
#include <numbers>

#include "engine/emprise_dessin.h"
#include "engine/emprise_lecture.h"
#include "engine/emprise_polygone.h"
#include "engine/encart.h"
#include "engine/plan_fichier.h"
#include "networks/passe_reseau.h"
#include "networks/tests/harnais_dossier_reseau.h"
#include "networks/tests/harnais_fichier.h"
#include "networks/tests/harnais_reseau.h"
#include "standard/element_table.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_proj.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
namespace fs = std::filesystem;
using harnais::Trouve;
using host::Point3d;
using N = pf::NatureCable;

const std::wstring kPlan = L"44010450.109";
const std::wstring kVoisin = L"44020450.109";

std::vector<Trouve> trouves(const verplan& plan) {
  std::vector<Trouve> t;
  for (const vererreur& e : plan.erreurs)
    if (e.code >= 2061 && e.code <= 2067) t.push_back({e.code, e.idElement, e.complement});
  return t;
}

class TopologieCables : public harnais::DossierReseau {
 protected:
  // Draws into a network plan's file; the ids it records are those the expected rows name.
  using Dessin = std::function<void(pf::CrayonReseau&, std::vector<host::ElementId>&)>;

  // A point of the one-file plan in metres from its frame origin, in UORs.
  Point3d ici(double x, double y) const { return pf::uor(description_.origineCadre + Point3d{x, y, 0}); }

  // The network plan with `livre` drawn in, its east neighbour (in C47 unless given) and, when
  // `origine` is given, its previous version: the clean plan with `origine` drawn in.
  std::vector<host::ElementId> livrer(const Dessin& livre, const Dessin* origine,
                                      const pf::VoisinUnique* voisin = nullptr) {
    std::vector<host::ElementId> ids;
    pf::PlanUniqueConstruit c = pf::construire(description_);
    construit_ = c;
    pf::CrayonReseau crayon(c.fichier, 1, description_.echelleCadre);
    if (livre) livre(crayon, ids);
    deposer(c.fichier, this->livre(), kPlan);
    deposer(voisin ? voisin->construit.fichier : pf::voisinEstUnique(description_, L"C47", L"RGF93.CC47").construit.fichier,
            this->livre(), kVoisin);
    if (origine) {
      pf::PlanUniqueConstruit avant = pf::construire(description_);
      pf::CrayonReseau crayonAvant(avant.fichier, 1, description_.echelleCadre);
      std::vector<host::ElementId> idsAvant;
      if (*origine) (*origine)(crayonAvant, idsAvant);
      deposer(avant.fichier, this->origine(), kPlan);
    }
    return ids;
  }

  // A small catalogue cell at that point (half sizes 300 UORs).
  static host::ElementId cellule(pf::CrayonReseau& c, const wchar_t* nom, const Point3d& o) {
    return c.cellule(nom, o, 300, 300);
  }

  // The plan's record in the folder's, with its footprint read from the footprint drawing.
  verplaninfo planDuDossier(const std::wstring& nom = kPlan) {
    verplaninfo plan = contexte_.planInfos.at(static_cast<std::size_t>(dossier_chercherPlan(nom, contexte_.planInfos)));
    std::vector<veremprise> emprises;
    EXPECT_EQ(emprise_chargerFichier(emprises, contexte_.fichierEmprises, {}, {nom}), 0);
    EXPECT_EQ(emprises.size(), 1u);
    if (!emprises.empty()) plan.emprise = emprises.front();
    plan.masqueTheme = plan.masqueReseau = 62;
    return plan;
  }

  const pf::PlanUnique description_ = pf::planReseau();
  pf::PlanUniqueConstruit construit_;
};

TEST_F(TopologieCables, CleanNetworkPlansGiveNoFinding) {
  for (const bool precedente : {true, false}) {
    SCOPED_TRACE(precedente ? "with its previous version" : "all new");
    SetUp();
    const Dessin rien;
    livrer(rien, precedente ? &rien : nullptr);
    for (const std::int32_t mode : {1, 2}) EXPECT_EQ(trouves(verifier(kPlan, mode)), std::vector<Trouve>{});
    TearDown();
  }
}

// Each variant gives exactly its rows. A turn back is drawn from a point, `longueur` UORs out and
// back 10 m at `angle` degrees from the way out; 1RNEUD cells hold its ends.
TEST_F(TopologieCables, VariantsGiveExactlyTheirRows) {
  const auto aller = [this](pf::CrayonReseau& c, std::vector<host::ElementId>& ids, N nature, double angle,
                             double longueur, const wchar_t* extremites) {
    const Point3d a = ici(30, -20);
    const Point3d b = a + Point3d{longueur, 0, 0};
    const double t = angle * std::numbers::pi / 180.0;
    const Point3d retour = b + Point3d{-std::cos(t), std::sin(t), 0} * 10000.0;
    cellule(c, extremites, a);
    cellule(c, extremites, retour);
    ids.push_back(c.cable(fx::lineString({a, b, retour}), nature));
  };
  struct Cas {
    const char* pourquoi;
    Dessin livre;
    std::optional<Dessin> origine;  // none: no previous version
    std::vector<std::pair<std::uint32_t, std::size_t>> lignes;  // code, index of the id drawn
    bool voisinAbandonne = false;
  };
  const std::vector<Cas> cas = {
      {"a joint left with one BT cable, the other moved onto a cabinet",
       [&](pf::CrayonReseau& c, auto& ids) {
         ids.push_back(cellule(c, L"JONBT", ici(40, -20)));
         cellule(c, L"1RREMA", ici(30, -20));
         cellule(c, L"1RREMA", ici(50, -20));
         c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT);
         c.cellule(L"COELEC", ici(45, -25), 500, 300);
         c.cable(fx::line(ici(45, -25) + Point3d{500.5, 0, 0}, ici(50, -20)), N::BT);
       },
       Dessin([&](pf::CrayonReseau& c, auto&) {
         cellule(c, L"JONBT", ici(40, -20));
         cellule(c, L"1RREMA", ici(30, -20));
         cellule(c, L"1RREMA", ici(50, -20));
         c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT);
         c.cable(fx::line(ici(40, -20), ici(50, -20)), N::BT);
       }),
       {{2062, 0}}},
      {"a 2RREMA met by BT and HTA: 2063 on the BT only",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"2RREMA", ici(40, -20));
         cellule(c, L"2RNEUD", ici(50, -20));
         cellule(c, L"1RNEUD", ici(40, -10));
         c.cable(fx::line(ici(40, -20), ici(50, -20)), N::HTA);
         ids.push_back(c.cable(fx::line(ici(40, -20), ici(40, -10)), N::BT));
       },
       std::nullopt, {{2063, 0}}},
      {"a loop with both ends on a lone riser: counted twice",
       [&](pf::CrayonReseau& c, auto& ids) {
         ids.push_back(cellule(c, L"1RREMA", ici(40, -20)));
         c.cable(fx::lineString({ici(40, -20), ici(50, -20), ici(50, -15), ici(40, -20)}), N::BT);
       },
       Dessin(), {{2062, 0}}},
      {"a new cable from a cabinet to a free end",
       [&](pf::CrayonReseau& c, auto& ids) {
         c.cellule(L"COELEC", ici(40, -20), 500, 300);
         ids.push_back(c.cable(fx::line(ici(40, -20) + Point3d{500.5, 0, 0}, ici(50, -20)), N::BT));
       },
       Dessin(), {{2061, 0}}},
      {"a fork of three BT cables without cell",
       [&](pf::CrayonReseau& c, auto& ids) {
         for (const Point3d& bout : {ici(30, -20), ici(50, -20), ici(40, -10)}) {
           cellule(c, L"1RNEUD", bout);
           ids.push_back(c.cable(fx::line(bout, ici(40, -20)), N::BT));
         }
       },
       Dessin(), {{2061, 0}, {2061, 1}, {2061, 2}}},
      {"a continuation and a class change",
       [&](pf::CrayonReseau& c, auto&) {
         cellule(c, L"1RNEUD", ici(30, -20));
         cellule(c, L"1RNEUD", ici(60, -20));
         c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT);
         c.cable(fx::line(ici(40, -20), ici(50, -20)), N::BT);
         c.cable(fx::line(ici(50, -20), ici(60, -20)), N::BTClasseC);
       },
       Dessin(), {}},
      {"a new free end within 1.0 of a live end of the previous version",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"1RNEUD", ici(30, -20));
         ids.push_back(c.cable(fx::line(ici(30, -20), ici(40, -20) + Point3d{0.5, 0, 0}), N::BT));
       },
       Dessin([&](pf::CrayonReseau& c, auto&) { c.cable(fx::line(ici(40, -20), ici(50, -20)), N::BT); }), {}},
      {"the same without the previous version",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"1RNEUD", ici(30, -20));
         ids.push_back(c.cable(fx::line(ici(30, -20), ici(40, -20) + Point3d{0.5, 0, 0}), N::BT));
       },
       std::nullopt, {{2061, 0}}},
      {"a cable deleted between two unchanged ones: their freed ends",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"1RNEUD", ici(30, -20));
         cellule(c, L"1RNEUD", ici(60, -20));
         ids.push_back(c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT));
         ids.push_back(c.cable(fx::line(ici(50, -20), ici(60, -20)), N::BT));
       },
       Dessin([&](pf::CrayonReseau& c, auto&) {
         cellule(c, L"1RNEUD", ici(30, -20));
         cellule(c, L"1RNEUD", ici(60, -20));
         c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT);
         c.cable(fx::line(ici(50, -20), ici(60, -20)), N::BT);
         c.cable(fx::line(ici(40, -20), ici(50, -20)), N::BT);
       }),
       {{2061, 0}, {2061, 1}}},
      {"a border cable onto the neighbour's abandoned end", Dessin(), std::nullopt, {}, true},
      {"turn back at 20 degrees",
       [&](pf::CrayonReseau& c, auto& ids) { aller(c, ids, N::BT, 20, 10000, L"1RNEUD"); }, Dessin(), {{2064, 0}}},
      {"turn back at 29.9 degrees",
       [&](pf::CrayonReseau& c, auto& ids) { aller(c, ids, N::BT, 29.9, 10000, L"1RNEUD"); }, Dessin(), {{2064, 0}}},
      {"turn back at 30.1 degrees",
       [&](pf::CrayonReseau& c, auto& ids) { aller(c, ids, N::BT, 30.1, 10000, L"1RNEUD"); }, Dessin(), {}},
      {"turn back after a 1.9 UOR leg: only its vertex too near the first point",
       [&](pf::CrayonReseau& c, auto& ids) { aller(c, ids, N::BT, 20, 1.9, L"1RNEUD"); }, Dessin(), {{2066, 0}}},
      {"vertices 0.5 UOR apart, the last segment 1.5 UOR long",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"1RNEUD", ici(30, -20));
         cellule(c, L"1RNEUD", ici(40, -20) + Point3d{1.5, 0, 0});
         const Point3d b = ici(35, -20);
         ids.push_back(c.cable(fx::lineString({ici(30, -20), b, b + Point3d{0.5, 0, 0}, b + Point3d{1.0, 0, 0},
                                               ici(40, -20), ici(40, -20) + Point3d{1.5, 0, 0}}),
                               N::BT));
       },
       Dessin(), {{2066, 0}, {2066, 0}}},
      {"a BT cable doubled between two joints; a BT cable over an HTA one",
       [&](pf::CrayonReseau& c, auto& ids) {
         cellule(c, L"JONBT", ici(30, -20));
         cellule(c, L"JONBT", ici(40, -20));
         ids.push_back(c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT));
         ids.push_back(c.cable(fx::line(ici(30, -20), ici(40, -20)), N::BT));
         cellule(c, L"2RNEUD", ici(30, -25));
         cellule(c, L"2RNEUD", ici(60, -25));
         c.cable(fx::line(ici(30, -25), ici(60, -25)), N::HTA);
         cellule(c, L"1RNEUD", ici(40, -25));
         cellule(c, L"1RNEUD", ici(50, -25));
         c.cable(fx::line(ici(40, -25), ici(50, -25)), N::BT);
       },
       Dessin(), {{2067, 0}, {2067, 1}}},
      {"an abandoned cable turning back between two cabinets",
       [&](pf::CrayonReseau& c, auto& ids) { aller(c, ids, N::BTAbandonne, 20, 10000, L"COELEC"); }, Dessin(),
       {{2064, 0}}},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    SetUp();
    std::optional<pf::VoisinUnique> voisin;
    if (k.voisinAbandonne) {
      voisin = pf::voisinEstUnique(description_, L"C47", L"RGF93.CC47");
      pf::abandonnerContinuation(*voisin, 1);
    }
    const std::vector<host::ElementId> ids =
        livrer(k.livre, k.origine ? &*k.origine : nullptr, voisin ? &*voisin : nullptr);
    std::vector<Trouve> attendu;
    for (const auto& [code, i] : k.lignes) attendu.push_back({code, ids.at(i), L""});
    if (k.voisinAbandonne) attendu.push_back({2061, construit_.reseau.bordure[1], L""});
    const std::vector<Trouve> obtenu = trouves(verifier(kPlan));
    EXPECT_EQ(obtenu, attendu);
    TearDown();
  }
}

// The neighbour opened in its declared system: its own file when the plan's projection or its
// carried system says so; else a copy in Temp (given its write bit) carrying it, whose cables the
// plan's border ends then meet; never the plan itself, each neighbour once.
TEST_F(TopologieCables, NeighboursOpenedInTheirDeclaredSystem) {
  const struct {
    const char* pourquoi;
    const wchar_t* projection;
    const wchar_t* systeme;
    bool lectureSeule;
    bool copie;
  } cas[] = {
      {"the plan's projection", L"C47", L"RGF93.CC47", false, false},
      {"Lambert 93 carrying its system", L"L93", L"IGN-RGF93", false, false},
      {"Lambert 93 carrying the plan's system, read-only", L"L93", L"RGF93.CC47", true, true},
      {"Lambert 93 carrying none", L"L93", L"", false, true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    SetUp();
    const pf::VoisinUnique voisin = pf::voisinEstUnique(description_, k.projection, k.systeme);
    livrer(Dessin(), nullptr, &voisin);
    if (k.lectureSeule)
      fs::permissions(livre() / kVoisin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    initialiser();
    verplaninfo plan = planDuDossier();

    std::vector<host::ModelRef> voisins;
    cable_ouvrirPlansVoisins(voisins, plan, contexte_);
    ASSERT_EQ(voisins.size(), 1u);
    std::wstring fichier;
    stbDgn_nomFichier(fichier, voisins[0]);
    EXPECT_EQ(fs::path(host::paths::toNative(fichier).string()).parent_path().filename(), k.copie ? "Temp" : "Livre");
    std::wstring systeme;
    EXPECT_EQ(stbProj_nomSysteme(systeme, voisins[0], L""), k.copie ? L"IGN-RGF93" : k.systeme);

    // The border ends continue in it.
    ASSERT_EQ(plan_ouvrir(plan), 0u);
    verreseau reseau;
    reseau.catalogueV2 = cable_listeAccessoires(1);
    reseau.catalogueV3 = cable_listeAccessoires(2);
    drap_verifierDrapeaux(reseau, voisins, plan);
    std::size_t traverses = 0;
    for (const vernoeud& n : reseau.noeuds) traverses += n.traverse;
    EXPECT_EQ(traverses, construit_.reseau.bordure.size());
    stbDgn_fermerFichier(plan.modeleTheme);
    for (host::ModelRef m : voisins) stbDgn_fermerFichier(m);
    cable_viderTemp(contexte_);
    EXPECT_EQ(nomsTemp(), std::set<std::string>{"Emprises.dgn"});
    TearDown();
  }
}

TEST_F(TopologieCables, NoNeighbourWithoutFootprintOrWhereNothingCanBeOpened) {
  livrer(Dessin(), nullptr, nullptr);
  initialiser();
  verplaninfo plan = planDuDossier();
  const std::uint64_t forme = plan.emprise.idForme;
  plan.emprise.idForme = 0;
  std::vector<host::ModelRef> voisins{host::ModelRef{}};
  cable_ouvrirPlansVoisins(voisins, plan, contexte_);
  EXPECT_TRUE(voisins.empty()) << "no footprint shape id";

  plan.emprise.idForme = forme;
  vercontexte sansEmprises = contexte_;
  sansEmprises.fichierEmprises = chemin(temp() / "Absent.dgn");
  cable_ouvrirPlansVoisins(voisins, plan, sansEmprises);
  EXPECT_TRUE(voisins.empty()) << "no footprint drawing";

  // A neighbour that is no design file any more.
  {
    std::ofstream(livre() / kVoisin) << "pas un dessin";
  }
  cable_ouvrirPlansVoisins(voisins, plan, contexte_);
  EXPECT_TRUE(voisins.empty());
  EXPECT_EQ(host::openWorkFileCount(), 0u);
}

// A neighbour to be copied, with Temp missing, a file, or no path: nothing is copied anywhere and
// the neighbour is left out; nothing is deleted either.
TEST_F(TopologieCables, NoCopyOutsideTemp) {
  const pf::VoisinUnique voisin = pf::voisinEstUnique(description_, L"L93", L"");
  livrer(Dessin(), nullptr, &voisin);
  initialiser();
  const verplaninfo plan = planDuDossier();
  {
    std::ofstream(livraison_ / "Fichier") << "un fichier";
  }
  const pf::Empreintes avant = pf::empreintes({racine_});
  const std::wstring dossiers[] = {chemin(livraison_ / "Absent") + L"/", chemin(livraison_ / "Fichier"), L""};
  for (const std::wstring& t : dossiers) {
    vercontexte c = contexte_;
    c.repTemp = t;
    std::vector<host::ModelRef> voisins;
    cable_ouvrirPlansVoisins(voisins, plan, c);
    EXPECT_TRUE(voisins.empty());
    cable_viderTemp(c);
  }
  EXPECT_TRUE(pf::empreintes({racine_}) == avant);
  EXPECT_FALSE(fs::exists(fs::current_path() / kVoisin));
}

// Temp keeps the footprint drawing however its name is spelt, and loses every other file,
// names without a dot included.
TEST_F(TopologieCables, TempKeepsOnlyTheFootprintDrawing) {
  livrer(Dessin(), nullptr, nullptr);
  initialiser();
  for (const char* nom : {"NOTES", "x.tmp", "44020450.109"}) std::ofstream(temp() / nom) << "provisoire";
  fs::copy_file(temp() / "Emprises.dgn", temp() / "EMPRISES.DGN");
  vercontexte c = contexte_;
  cable_viderTemp(c);
  EXPECT_EQ(nomsTemp(), (std::set<std::string>{"EMPRISES.DGN", "Emprises.dgn"}));

  // The footprint path spelt otherwise than the listing gives it.
  fs::remove(temp() / "EMPRISES.DGN");
  fs::rename(temp() / "Emprises.dgn", temp() / "Dessin.dgn");
  std::ofstream(temp() / "NOTES") << "provisoire";
  c.fichierEmprises = chemin(livraison_) + L"/./TEMP/dessin.DGN";
  cable_viderTemp(c);
  EXPECT_EQ(nomsTemp(), std::set<std::string>{"Dessin.dgn"});
}

// Through the driver: Temp's leftovers go, the footprint drawing stays; a previous version that
// is no design file or is read-only, and a previous version that had an inset the plan lost.
TEST_F(TopologieCables, StageCleansTempAndCopesWithBadPreviousVersions) {
  const Dessin rien;
  {
    livrer(rien, &rien);
    initialiser();
    for (const char* nom : {"NOTES", "x.tmp"}) std::ofstream(temp() / nom) << "provisoire";
    verifier(kPlan);
  }
  TearDown();
  SetUp();
  {
    livrer(rien, nullptr);
    std::ofstream(origine() / kPlan) << "pas un dessin";
    EXPECT_EQ(trouves(verifier(kPlan)), std::vector<Trouve>{});
  }
  TearDown();
  SetUp();
  {
    livrer(rien, &rien);
    fs::permissions(origine() / kPlan, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(trouves(verifier(kPlan, 2)), std::vector<Trouve>{});
  }
}

}  // namespace

namespace {

// No network file, no folders: the stage returns 0 and writes, opens and deletes nothing.
TEST_F(TopologieCables, StageWithoutNetworkFileNorFolders) {
  std::ofstream(racine_ / "garde.txt") << "reste";
  const pf::Empreintes avant = pf::empreintes({racine_});
  for (const std::wstring& dossier : {std::wstring(), chemin(racine_ / "Absent") + L"/", chemin(racine_ / "garde.txt")}) {
    vercontexte c;
    c.repOrigine = c.repTemp = dossier;
    c.fichierEmprises = dossier + L"Emprises.dgn";
    verplaninfo plan;
    plan.type = 1;
    plan.masqueTheme = plan.masqueReseau = 62;
    plan.emprise.idForme = 12;
    verfichier fichier;
    fichier.nomFichier = kPlan;
    fichier.signatureValide = true;
    std::vector<vererreur> erreurs;
    EXPECT_EQ(ctrl_topologieCables(erreurs, {}, c, plan, fichier), 0);
    EXPECT_TRUE(erreurs.empty());
  }
  EXPECT_TRUE(pf::empreintes({racine_}) == avant);
  EXPECT_EQ(host::openWorkFileCount(), 0u);
}

}  // namespace

namespace {

// The stage called as the driver calls it, on a network file and its previous version in Origine:
// a cable deleted between two unchanged ones marks both at their freed ends; when the previous
// version drew that cable inside an inset the delivered plan no longer has, its graph leaves the
// cable out and nothing is marked. The previous file is closed again.
TEST_F(TopologieCables, StageMatchesAgainstThePreviousVersionInOrigine) {
  for (const bool encart : {false, true}) {
    SCOPED_TRACE(encart ? "inside an inset of the previous version" : "no inset");
    auto dessiner = [&](bool precedente) {
      fx::DesignBuilder b;
      pf::definirNiveaux(b, kPlan);
      pf::CrayonReseau c(b, 1, 2.0);
      const Point3d o{1355000000, 6234000000, 0};
      auto x = [&](double metres) { return o + Point3d{metres * 1000, 0, 0}; };
      cellule(c, L"1RNEUD", x(0));
      cellule(c, L"1RNEUD", x(30));
      c.cable(fx::line(x(0), x(10)), N::BT);
      c.cable(fx::line(x(20), x(30)), N::BT);
      if (precedente) {
        c.cable(fx::line(x(10), x(20)), N::BT);
        if (encart)
          b.add(fx::shape({x(12) + Point3d{0, -2000, 0}, x(18) + Point3d{0, -2000, 0}, x(18) + Point3d{0, 2000, 0},
                           x(12) + Point3d{0, 2000, 0}})
                    .level(b.level(L"Cart+habillage"))
                    .colour(0)
                    .weight(0));
      }
      return b;
    };
    deposer(dessiner(false), livre(), kPlan);
    deposer(dessiner(true), origine(), kPlan);
    fs::create_directories(temp());
    host::ModelRef modele;
    ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemin(livre() / kPlan), L"", true), host::kSuccess);
    verfichier fichier;
    fichier.existe = true;
    fichier.chemin = chemin(livre() / kPlan);
    fichier.nomFichier = kPlan;
    fichier.role = rolePlanUnique;
    fichier.modele = modele;
    fichier.signatureValide = true;
    element_construireTable(fichier);
    verplaninfo plan;
    plan.type = 1;
    plan.masqueTheme = plan.masqueReseau = 62;
    plan.chemin = fichier.chemin;
    plan.modelePrincipal = plan.modeleTheme = modele;
    encart_collecter(plan);
    ASSERT_TRUE(plan.encarts.empty());
    // The three cables: the third one (deleted) has the next id in the previous file.
    std::vector<host::ElementId> cables;
    for (const verelement& e : fichier.elements)
      if (e.classement.contenu == cn_Lignes) cables.push_back(e.idElement);
    ASSERT_EQ(cables.size(), 2u);
    std::vector<verecart> ecarts;
    for (const host::ElementId id : cables) {
      verecart r;
      r.fichier = kPlan;
      r.statut = 1;
      r.type = host::ElementType::Line;
      r.idLivre = r.idOrigine = id;
      ecarts.push_back(r);
    }
    verecart supprime = ecarts.back();
    supprime.statut = 3;
    supprime.idLivre = 0;
    supprime.idOrigine = cables.back() + 1;
    ecarts.push_back(supprime);
    vercontexte c;
    c.repOrigine = chemin(origine()) + L"/";
    c.repTemp = chemin(temp()) + L"/";
    std::vector<vererreur> erreurs;
    ctrl_topologieCables(erreurs, ecarts, c, plan, fichier);
    EXPECT_EQ(host::openWorkFileCount(), 1u) << "the previous version is closed";
    const std::uint32_t attendu[2][2] = {{encart ? 1u : 3u, encart ? 0u : 2u}, {encart ? 1u : 3u, encart ? 0u : 1u}};
    for (std::size_t k = 0; k < 2; ++k) {
      const verelement& e = fichier.elements[static_cast<std::size_t>(element_rechercherParId(fichier.elements, cables[k]))];
      EXPECT_EQ(e.etatControle, attendu[k][0]) << k;
      EXPECT_EQ(e.marqueExtremite, attendu[k][1]) << k;
    }
    host::closeWorkFile(modele);
    TearDown();
    SetUp();
  }
}

}  // namespace

namespace {

// The clean three-file network plan with its east grid cell, with and without its previous
// version; then, in mode 2, its background file alone changed: a new line of the FP2 file that
// bears the id of an EL2 cable, which the matching of the EL2 file passes over.
TEST_F(TopologieCables, CleanThreeFilePlanAndAChangeOfItsBackgroundAlone) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiersReseau();
  pf::PlanTroisFichiersConstruit c = pf::construire(p);
  const pf::VoisinTroisFichiers voisin = pf::voisinEstTroisFichiers(p);
  ASSERT_FALSE(pf::enregistrer(voisin.construit, voisin.plan.nom, chemin(livre())).fp2.empty());
  ASSERT_FALSE(pf::enregistrer(c, p.nom, chemin(livre())).fp2.empty());
  EXPECT_EQ(trouves(verifier(p.nom)), std::vector<Trouve>{}) << "all new";

  ASSERT_FALSE(pf::enregistrer(c, p.nom, chemin(origine())).fp2.empty());
  contexte_ = vercontexte{};
  EXPECT_EQ(trouves(verifier(p.nom)), std::vector<Trouve>{}) << "unchanged";

  // A new line of the FP2 file under the id of an EL2 cable that the FP2 file does not use.
  host::ElementId homonyme = 0;
  for (const host::ElementId id : c.reseau.cables)
    if (!c.fp2.file().models.front().find(id) && homonyme == 0) homonyme = id;
  ASSERT_NE(homonyme, 0u) << "every EL2 cable id is taken in the FP2 file";
  c.fp2.file().setNextElementId(homonyme);
  const Point3d bas = pf::uor(p.contour.front());
  ASSERT_EQ(c.fp2.add(fx::line(bas + Point3d{10000, 10000, 0}, bas + Point3d{20000, 10000, 0})
                          .level(*c.fp2.file().levelId(L"Topo2B\u00e2tis"))
                          .colour(14)
                          .weight(4)),
            homonyme);
  ASSERT_FALSE(pf::enregistrer(c, p.nom, chemin(livre())).fp2.empty());
  contexte_ = vercontexte{};
  dossier_ = verdossier{};
  const verplan plan = verifier(p.nom, 2);
  EXPECT_EQ(trouves(plan), std::vector<Trouve>{});
  EXPECT_TRUE(std::any_of(plan.ecarts.begin(), plan.ecarts.end(), [&](const verecart& e) {
    return e.statut == 2 && e.idLivre == homonyme && e.role == 2;
  })) << "the FP2 line is new";
}

}  // namespace

namespace {

// The neighbour under two footprints of its label (and the plan's own footprint in the zone):
// opened once, and never the plan itself.
TEST_F(TopologieCables, EachNeighbourOnceAndNeverThePlan) {
  livrer(Dessin(), nullptr, nullptr);
  initialiser();
  const verplaninfo& voisin =
      contexte_.planInfos.at(static_cast<std::size_t>(dossier_chercherPlan(kVoisin, contexte_.planInfos)));
  std::vector<Point3d> polygone;
  ASSERT_EQ(emprise_calculerPolygone(polygone, voisin.chemin), 0u);
  host::ModelRef dessin;
  ASSERT_EQ(host::openWorkFile(&dessin, nullptr, nullptr, contexte_.fichierEmprises, L"", false), host::kSuccess);
  std::vector<veremprise> emprises;
  EXPECT_EQ(emprise_creer(emprises, versymbologie{}, versymbologie{}, polygone, voisin, dessin), 0);
  host::closeWorkFile(dessin);
  ASSERT_EQ(emprise_chargerFichier(emprises, contexte_.fichierEmprises, {}, {kVoisin}), 0);
  ASSERT_EQ(emprises.size(), 2u) << "two footprints of the neighbour's label";

  std::vector<host::ModelRef> voisins;
  cable_ouvrirPlansVoisins(voisins, planDuDossier(), contexte_);
  ASSERT_EQ(voisins.size(), 1u);
  std::wstring fichier;
  EXPECT_EQ(fs::path(host::paths::toNative(stbDgn_nomFichier(fichier, voisins[0])).string()).filename(), "44020450.109");
  for (host::ModelRef m : voisins) stbDgn_fermerFichier(m);
}

}  // namespace

namespace {

// An abandoned border cable of the three-file network plan (all new) ending where the
// neighbour's network file holds a joint, its continuation abandoned too: the end is linked to
// the joint across the border; an abandoned joint ends the cable (no finding), a joint in service
// does not (2061).
TEST_F(TopologieCables, AbandonedBorderCableOntoTheNeighboursJoint) {
  const pf::PlanTroisFichiers p = pf::planTroisFichiersReseau();
  // The cable given the abandoned symbology of the EL2 file.
  const auto abandonner = [](fx::DesignBuilder& b, host::ElementId id) {
    host::Model& m = b.file().models.front();
    host::Element e = *m.find(id);
    e.level = b.level(L"R\u00e9seauAbandonn\u00e9Ele");
    e.colour = 0;
    e.weight = 2;
    e.lineStyle = b.lineStyle(L"ST_ABAND");
    ASSERT_TRUE(m.replace(e));
  };
  for (const bool jonctionAbandonnee : {true, false}) {
    SCOPED_TRACE(jonctionAbandonnee ? "abandoned joint" : "joint in service");
    SetUp();
    pf::PlanTroisFichiersConstruit c = pf::construire(p);
    const host::ElementId bord = c.reseau.bordure.at(1);
    abandonner(c.el2, bord);
    pf::VoisinTroisFichiers voisin = pf::voisinEstTroisFichiers(p);
    abandonner(voisin.construit.el2, voisin.continuations.troncons.at(1));
    pf::CrayonReseau crayon(voisin.construit.el2, 2, p.echelleCadre);
    const Point3d o = c.reseau.extremitesBordure.at(1) + Point3d{0.5, 0, 0};
    const host::ElementId jonction = jonctionAbandonnee
                                         ? crayon.cellule(L"1RJONC", L"R\u00e9seauAbandonn\u00e9Ele", 0, o, 300, 300)
                                         : crayon.cellule(L"1RJONC", o, 300, 300);
    ASSERT_FALSE(pf::enregistrer(voisin.construit, voisin.plan.nom, chemin(livre())).fp2.empty());
    ASSERT_FALSE(pf::enregistrer(c, p.nom, chemin(livre())).fp2.empty());
    initialiser();

    // The end meets the joint across the border.
    verplaninfo plan = planDuDossier(p.nom);
    std::vector<host::ModelRef> voisins;
    cable_ouvrirPlansVoisins(voisins, plan, contexte_);
    ASSERT_EQ(plan_ouvrir(plan), 0u);
    verreseau reseau;
    reseau.catalogueV2 = cable_listeAccessoires(1);
    reseau.catalogueV3 = cable_listeAccessoires(2);
    drap_verifierDrapeaux(reseau, voisins, plan);
    EXPECT_EQ(harnais::noeud(reseau, bord, false).idVoisin, jonction);
    stbDgn_fermerFichier(plan.modeleTheme);
    for (host::ModelRef m : voisins) stbDgn_fermerFichier(m);
    cable_viderTemp(contexte_);

    std::vector<Trouve> attendu;
    if (!jonctionAbandonnee) attendu.push_back({2061, bord, L""});
    const std::vector<Trouve> obtenu = trouves(verifier(p.nom));
    EXPECT_EQ(obtenu, attendu);
    TearDown();
  }
}

}  // namespace
