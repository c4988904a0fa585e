// Accessory order at the network cells (2062, 2063) and dangling cable ends (2061): the clean
// network plans, a table of drawn variants, the previous version, the ends across the border,
// the cable levels searched in the previous version, and bad input.
#include "networks/ordre_accessoires.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/extremites_niveaux_table.h"
#include "networks/tests/harnais_cables.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Ligne;
using harnais::lignes;
using harnais::trier;
using host::Point3d;
using N = pf::NatureCable;

class OrdreAccessoires : public harnais::Cables {
 protected:
  // A point of the one-file plan, metres from its frame origin, in UORs.
  static Point3d m(const pf::PlanUnique& d, double x, double y) { return pf::uor(d.origineCadre + Point3d{x, y, 0}); }
  static constexpr double kDemi = 300.0;  // UORs: half side of the cells drawn
};

TEST_F(OrdreAccessoires, CleanNetworksGiveNothingEvenWhenAllIsNew) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanUnique d = pf::planReseau(version);
    const pf::PlanUniqueConstruit c = pf::construire(d);
    const pf::VoisinUnique v = pf::voisinEstUnique(d, L"C47", L"RGF93.CC47");
    const std::vector<host::ModelRef> voisins{ouvrir(v.construit.fichier, v.plan.nomFichier)};
    Fichier f = preparer(c.fichier, d.nomFichier, 1, {}, voisins);
    toutNouveau(f);
    EXPECT_EQ(lignes(controler(f, {}, voisins)), std::vector<Ligne>{});
    EXPECT_EQ(lignes(controler(f, f.fichier.modele, voisins)), std::vector<Ligne>{}) << "the plan as its own previous version";
  }
  const pf::PlanTroisFichiers d = pf::planTroisFichiersReseau();
  const pf::PlanTroisFichiersConstruit c = pf::construire(d);
  const pf::VoisinTroisFichiers v = pf::voisinEstTroisFichiers(d);
  const std::vector<host::ModelRef> voisins{ouvrir(v.construit.el2, v.plan.nom + L".EL2")};
  Fichier f = preparer(c.el2, d.nom + L".EL2", 2, {}, voisins);
  toutNouveau(f);
  EXPECT_EQ(lignes(controler(f, {}, voisins)), std::vector<Ligne>{});
}

// Each variant is drawn new (status 2) west of the clean network and gives exactly its rows.
TEST_F(OrdreAccessoires, VariantsGiveExactlyTheirRows) {
  const pf::PlanUnique d = pf::planReseau();
  pf::PlanUniqueConstruit c = pf::construire(d);
  pf::CrayonReseau crayon(c.fichier, 1, d.echelleCadre);
  std::vector<host::ElementId> nouveaux;
  auto cellule = [&](const wchar_t* nom, double x, double y) {
    nouveaux.push_back(crayon.cellule(nom, m(d, x, y), kDemi, kDemi));
    return nouveaux.back();
  };
  auto ligne = [&](std::vector<Point3d> points, N nature = N::BT) {
    nouveaux.push_back(crayon.cable(points.size() == 2 ? fx::line(points[0], points[1]) : fx::lineString(points), nature));
    return nouveaux.back();
  };
  std::vector<Ligne> attendues;

  // A joint left with one BT cable, whose other end is on a cabinet: 2062 on the joint.
  const host::ElementId joint = cellule(L"JONBT", 10, -50);
  cellule(L"COELEC", 20, -50);
  ligne({m(d, 10, -50), m(d, 20, -50)});
  attendues.push_back({2062, joint});
  // An HTA riser met by a BT and an HTA cable: 2063 on the BT one only, its count 1 is admitted.
  cellule(L"2RREMA", 10, -55);
  cellule(L"COELEC", 20, -55);
  cellule(L"ARELEC", 0, -55);
  const host::ElementId btSurHta = ligne({m(d, 10, -55), m(d, 20, -55)});
  ligne({m(d, 10, -55), m(d, 0, -55)}, N::HTA);
  attendues.push_back({2063, btSurHta});
  // A loop whose two ends are on a lone BT riser: listed twice, counted twice.
  const host::ElementId remontee = cellule(L"1RREMA", 30, -50);
  ligne({m(d, 30, -50), m(d, 35, -50), m(d, 35, -45), m(d, 30, -50)});
  attendues.push_back({2062, remontee});
  // A new cable from a cabinet to a free end.
  cellule(L"COELEC", 40, -50);
  attendues.push_back({2061, ligne({m(d, 40, -50), m(d, 50, -50)})});
  // A fork of three BT cables without a cell.
  for (const auto& [x, y] : {std::pair{60.0, -50.0}, std::pair{70.0, -50.0}, std::pair{65.0, -58.0}}) {
    cellule(L"COELEC", x, y);
    attendues.push_back({2061, ligne({m(d, x, y), m(d, 65, -53)})});
  }
  // A continuation and a change of class A to class C between cabinets: nothing.
  cellule(L"COELEC", 10, -70);
  cellule(L"COELEC", 30, -70);
  ligne({m(d, 10, -70), m(d, 20, -70)});
  ligne({m(d, 20, -70), m(d, 30, -70)});
  cellule(L"COELEC", 40, -70);
  cellule(L"COELEC", 60, -70);
  ligne({m(d, 40, -70), m(d, 50, -70)});
  ligne({m(d, 50, -70), m(d, 60, -70)}, N::BTClasseC);
  // A joint that is not examined, with one new cable from a cabinet: nothing.
  const host::ElementId ancienJoint = crayon.cellule(L"JONBT", m(d, 70, -70), kDemi, kDemi);
  cellule(L"COELEC", 80, -70);
  ligne({m(d, 70, -70), m(d, 80, -70)});
  // An abandoned cable at a new joint with one live cable is passed over: 2062.
  const host::ElementId jointAbandon = cellule(L"JONBT", 10, -80);
  cellule(L"COELEC", 20, -80);
  cellule(L"COELEC", 0, -80);
  ligne({m(d, 10, -80), m(d, 20, -80)});
  ligne({m(d, 10, -80), m(d, 0, -80)}, N::BTAbandonne);
  attendues.push_back({2062, jointAbandon});

  Fichier f = preparer(c.fichier, d.nomFichier, 1, nouveaux);
  EXPECT_EQ(f.element(ancienJoint).etatControle, 1u);
  f.element(attendues[3].id).categorie = L"Câble BT";  // as the rule books label it
  const std::vector<vererreur> erreurs = controler(f);
  EXPECT_EQ(lignes(erreurs), trier(attendues));

  // What each row carries: the file's name, the extra value, the position and the object.
  for (const vererreur& e : erreurs) {
    SCOPED_TRACE(e.code);
    EXPECT_EQ(e.fichier, d.nomFichier);
    EXPECT_TRUE(e.complement.empty());
    if (e.code == 2062) {
      EXPECT_EQ(e.extra, 2u);
      EXPECT_FALSE(e.aPosition);
      EXPECT_EQ(e.objet, e.idElement == remontee ? L"1RREMA" : L"JONBT");
    } else if (e.code == 2063) {
      EXPECT_EQ(e.extra, static_cast<std::uint32_t>(host::ElementType::Line));
      EXPECT_FALSE(e.aPosition);
      EXPECT_EQ(e.objet, L"2RREMA");
    } else if (e.idElement == attendues[3].id) {
      EXPECT_EQ(e.extra, static_cast<std::uint32_t>(host::ElementType::Line));
      ASSERT_TRUE(e.aPosition);
      EXPECT_LT(e.position.distanceXY(m(d, 50, -50)), 1e-6) << "at the free end";
      EXPECT_EQ(e.objet, L"Câble BT");
    }
  }
}

// A new cable and an unchanged one marked by the matching, each with a free end; the previous
// version holds, or not, a cable end there.
TEST_F(OrdreAccessoires, EndsAlreadyFreeInThePreviousVersion) {
  const pf::PlanUnique d = pf::planReseau();
  pf::PlanUniqueConstruit c = pf::construire(d);
  pf::CrayonReseau crayon(c.fichier, 1, d.echelleCadre);
  const Point3d libreNouveau = m(d, 20, -50), libreMarque = m(d, 20, -60);
  const std::vector<host::ElementId> cellules = {crayon.cellule(L"COELEC", m(d, 10, -50), kDemi, kDemi),
                                                 crayon.cellule(L"COELEC", m(d, 10, -60), kDemi, kDemi)};
  const host::ElementId nouveau = crayon.cable(fx::line(m(d, 10, -50), libreNouveau), N::BT);
  const host::ElementId marque = crayon.cable(fx::line(m(d, 10, -60), libreMarque), N::BT);

  // Previous versions: a cable of that nature starting `ecart` UORs east of each free end.
  auto precedent = [&](const std::string& dossier, N nature, double ecart) {
    boost::filesystem::create_directories(dossier_ / dossier);
    pf::PlanUniqueConstruit p = pf::construire(d);
    pf::CrayonReseau cp(p.fichier, 1, d.echelleCadre);
    for (const Point3d& libre : {libreNouveau, libreMarque})
      cp.cable(fx::line(libre + Point3d{ecart, 0, 0}, libre + Point3d{5000, 0, 0}), nature);
    return ouvrir(p.fichier, host::paths::fromNative(boost::filesystem::path(dossier)) + L"/" + d.nomFichier);
  };
  const host::ModelRef vivant = precedent("vivant", N::BT, 0.5);
  const host::ModelRef juste = precedent("juste", N::BT, 0.99);
  const host::ModelRef loin = precedent("loin", N::BT, 1.0);
  const host::ModelRef abandonne = precedent("abandonne", N::BTAbandonne, 0.5);
  const host::ModelRef branchement = precedent("branchement", N::Branchement, 0.5);
  // A previous version whose BT cable level has another id: the cable levels are the file's own.
  boost::filesystem::create_directories(dossier_ / "renumerote");
  fx::DesignBuilder autresIds;
  autresIds.level(L"RéseauBT", 500);
  pf::definirNiveaux(autresIds, d.nomFichier);
  pf::CrayonReseau ca(autresIds, 1, d.echelleCadre);
  for (const Point3d& libre : {libreNouveau, libreMarque})
    ca.cable(fx::line(libre + Point3d{0.5, 0, 0}, libre + Point3d{5000, 0, 0}), N::BT);
  const host::ModelRef renumerote = ouvrir(autresIds, L"renumerote/" + d.nomFichier);

  Fichier f = preparer(c.fichier, d.nomFichier, 1, {nouveau, cellules[0], cellules[1]});
  struct Cas {
    const char* pourquoi;
    host::ModelRef precedent;
    std::uint32_t marque;  // the unchanged cable's end marker: its free end is its end (2)
    std::vector<Ligne> attendues;
  };
  const std::vector<Cas> cas = {
      {"a live end 0.5 away, the marker on the other end", vivant, 1, {}},
      {"a live end 0.99 away", juste, 1, {}},
      {"a live end in a file whose levels are numbered otherwise", renumerote, 1, {}},
      {"the marker on the free end reports at once", vivant, 2, {{2061, marque}}},
      {"no marker reports at once", vivant, 0, {{2061, marque}}},
      {"no previous version", {}, 1, {{2061, nouveau}, {2061, marque}}},
      {"the end 1.0 away", loin, 1, {{2061, nouveau}, {2061, marque}}},
      {"an abandoned end", abandonne, 1, {{2061, nouveau}, {2061, marque}}},
      {"a service connection's end", branchement, 1, {{2061, nouveau}, {2061, marque}}},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    verelement& e = f.element(marque);
    e.etatControle = 3;
    e.marqueExtremite = k.marque;
    EXPECT_EQ(lignes(controler(f, k.precedent)), trier(k.attendues));
  }
}

// The ends across the border, on a graph made by hand: one node without cell holding the one
// piece of the element, linked or not to an element of a neighbour.
TEST_F(OrdreAccessoires, EndsAcrossTheBorder) {
  fx::DesignBuilder b;
  const std::wstring nomVoisin = L"44020450.109";
  pf::definirNiveaux(b, nomVoisin);
  pf::CrayonReseau crayon(b, 1, 2.0);
  const host::ElementId vivant = crayon.cable(fx::line({0, 0, 0}, {5000, 0, 0}), N::BT);
  const host::ElementId mort = crayon.cable(fx::line({0, 100, 0}, {5000, 100, 0}), N::BTAbandonne);
  const host::ModelRef voisin = ouvrir(b, nomVoisin);
  fx::DesignBuilder autre;
  const host::ModelRef ferme = ouvrir(autre, L"44030450.109");
  host::closeWorkFile(ferme);
  ouverts_.pop_back();

  struct Cas {
    const char* pourquoi;
    bool abandonne;
    std::uint8_t traverse;
    std::wstring plan;
    std::uint64_t idVoisin;
    std::vector<host::ModelRef> voisins;
    bool signale;
  };
  const std::vector<Cas> cas = {
      {"live, linked", false, 1, nomVoisin, vivant, {voisin}, false},
      {"live, not linked", false, 0, nomVoisin, vivant, {voisin}, true},
      {"live, no neighbour recorded", false, 1, L"", 0, {voisin}, true},
      {"abandoned, not linked", true, 0, nomVoisin, vivant, {voisin}, false},
      {"abandoned, linked to an abandoned element", true, 1, nomVoisin, mort, {voisin}, false},
      {"abandoned, linked, the plan's name in another case", true, 1, L"44020450.109", mort, {voisin}, false},
      {"abandoned, linked to a live element", true, 1, nomVoisin, vivant, {voisin}, true},
      {"abandoned, linked to an element the neighbour lacks", true, 1, nomVoisin, 999999, {voisin}, true},
      {"abandoned, linked, the neighbour not in the list", true, 1, nomVoisin, mort, {}, true},
      {"abandoned, linked, a closed and a null neighbour", true, 1, nomVoisin, mort, {ferme, host::ModelRef{}}, true},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    verreseau r;
    vertroncon t;
    t.idElement = 7;
    t.reseau = nr_BT;
    t.etat = k.abandonne ? er_Abandonne : er_Classe;
    t.noeudDebut = 0;
    r.troncons.push_back(t);
    vernoeud n;
    n.point = {10, 20, 0};
    n.traverse = k.traverse;
    n.planVoisin = k.plan;
    n.idVoisin = k.idVoisin;
    n.troncons = {0};
    r.noeuds.push_back(n);
    verfichier fichier;
    fichier.nomFichier = L"44010450.109";
    verelement e;
    e.idElement = 7;
    e.etatControle = 2;
    e.classement.reseau = nr_BT;
    e.classement.etat = t.etat;
    std::vector<vererreur> erreurs;
    EXPECT_EQ(cable_controlerBoutPendant(erreurs, e, 1, 0, r, fichier, {}, k.voisins), 0);
    EXPECT_EQ(erreurs.size(), k.signale ? 1u : 0u);
  }
}

TEST_F(OrdreAccessoires, CableLevelsOfThePreviousVersion) {
  const auto niveaux = [](std::uint32_t type, std::uint32_t reseau) {
    std::vector<std::wstring> noms;
    for (const cable_niveauxExtremite& l : cable_niveauxExtremites)
      if (l.typePlan == type && l.reseau == reseau)
        for (std::wstring_view n : l.niveaux)
          if (!n.empty()) noms.emplace_back(n);
    return noms;
  };
  EXPECT_EQ(niveaux(2, 2), (std::vector<std::wstring>{L"CâblesBT", L"RésIncertainBT", L"CâblesBrancht"}));
  EXPECT_EQ(niveaux(2, 4), (std::vector<std::wstring>{L"CâblesHTA", L"RésIncertainHTA"}));
  EXPECT_EQ(niveaux(1, 2), (std::vector<std::wstring>{L"RéseauBT"}));
  EXPECT_EQ(niveaux(1, 4), (std::vector<std::wstring>{L"RéseauHTA"}));

  // The clean three-file network as the previous version: keys at the ends of its cables.
  const pf::PlanTroisFichiers d = pf::planTroisFichiersReseau();
  const pf::PlanTroisFichiersConstruit c = pf::construire(d);
  const host::ModelRef el2 = ouvrir(c.el2, d.nom + L".EL2");
  auto fin = [&](host::ElementId id) {
    Point3d debut, f;
    const auto courbe = host::curveOfElement(*host::readElement(el2, id));
    EXPECT_TRUE(courbe && courbe->getStartEnd(debut, f));
    return f;
  };
  const pf::IdsReseau& ids = c.reseau;
  const host::ElementId hta = ids.cables.back();  // the HTA line string to the east side
  struct Cas {
    const char* pourquoi;
    std::uint32_t reseau;
    std::uint8_t branchement;
    std::uint32_t protection;
    Point3d point;
    std::int32_t attendu;
  };
  const std::vector<Cas> cas = {
      {"a BT end", nr_BT, 0, 0, fin(ids.surCoffret), 0},
      {"0.99 from a BT end", nr_BT, 0, 0, fin(ids.surCoffret) + Point3d{0.99, 0, 0}, 0},
      {"1.0 from a BT end", nr_BT, 0, 0, fin(ids.surCoffret) + Point3d{1.0, 0, 0}, 0x8000},
      {"a class C BT end", nr_BT, 0, 0, fin(ids.classeC), 0},
      {"a service connection's end, as one", nr_BT, 1, 0, fin(ids.branchement), 0},
      {"a BT end, as a service connection", nr_BT, 1, 0, fin(ids.surCoffret), 0x8000},
      {"a BT end, as HTA", nr_HTA, 0, 0, fin(ids.surCoffret), 0x8000},
      {"an HTA end", nr_HTA, 0, 0, fin(hta), 0},
      {"an HTA end, as a protection", nr_HTA, 0, 4, fin(hta), 0x8000},
      {"a network with no cable levels", nr_TLCEle, 0, 0, fin(ids.surCoffret), 0x8000},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    versegment s;
    s.classement.reseau = k.reseau;
    s.classement.branchement = k.branchement;
    s.classement.protection = k.protection;
    s.extremiteDebut = 0;
    s.fin = k.point;
    EXPECT_EQ(cable_extremiteAnterieure(s, el2), k.attendu);
  }
  versegment s;
  s.classement.reseau = nr_BT;
  s.debut = fin(ids.surCoffret);
  EXPECT_EQ(cable_extremiteAnterieure(s, {}), 0x8000) << "no previous version";
}

TEST_F(OrdreAccessoires, BadInputNeverStopsTheChecks) {
  // A graph that names rows, pieces and cells nothing holds; the table holds the cells and one
  // piece the file lacks.
  verreseau r;
  r.catalogueV2 = cable_listeAccessoires(1);
  const std::int32_t jonmt = cable_indexAccessoire(r.catalogueV2, L"JONMT");
  vertroncon t;
  t.idElement = 40;
  t.reseau = nr_BT;
  r.troncons.push_back(t);
  auto noeud = [&](std::int32_t ligne, std::uint64_t cellule, std::vector<std::int32_t> troncons) {
    vernoeud n;
    n.indexCatalogue = ligne;
    n.idCellule = cellule;
    n.troncons = std::move(troncons);
    r.noeuds.push_back(n);
  };
  noeud(99, 10, {0});           // a row beyond the catalogue
  noeud(jonmt, 11, {0});        // a cell the table lacks
  noeud(jonmt, 12, {0, 5, -1}); // pieces beyond the graph; the BT piece is refused
  verfichier fichier;
  fichier.nomFichier = L"44010450.109";
  for (std::uint64_t id : {10u, 12u, 40u}) {
    verelement e;
    e.idElement = id;
    e.etatControle = 2;
    fichier.elements.push_back(e);
  }
  verplaninfo plan;
  plan.type = 1;
  std::vector<vererreur> erreurs;
  EXPECT_EQ(cable_controlerOrdreAccessoires(erreurs, r, fichier, plan), 0);
  ASSERT_EQ(lignes(erreurs), (std::vector<Ligne>{{2062, 12}, {2063, 40}}));
  EXPECT_EQ(erreurs[0].extra, 0u) << "a piece that cannot be read in the file";

  erreurs.clear();
  verelement e;
  e.idElement = 40;
  e.etatControle = 2;
  for (std::int32_t n : {-1, 3, 99}) cable_controlerBoutPendant(erreurs, e, 1, n, r, fichier, {}, {});
  EXPECT_TRUE(erreurs.empty()) << "no node, or one beyond the graph: nothing tested";
  EXPECT_EQ(cable_controlerOrdreAccessoires(erreurs, verreseau{}, verfichier{}, verplaninfo{}), 0);
  EXPECT_TRUE(erreurs.empty());
}

}  // namespace
