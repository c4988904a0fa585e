// The comparison with the previous version: a clean plan with a few elements of each kind in
// Origine, the delivered plan the same file changed once; compared in both modes on file sets
// opened here, then through the driver and on the demo.
#include "engine/plan_comparer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <numbers>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture_encarts.h"
#include "engine/plan_construire.h"
#include "engine/plan_verifier.h"
#include "host/config.h"
#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/text.h"
#include "host/views.h"
#include "standard/element_table.h"
#include "toolbox/stb_dgn.h"

namespace fs = std::filesystem;
namespace fx = host::fixture;
using host::ElementId;
using host::Point3d;

namespace {

const std::wstring nomUnique = L"44010450.109";

// Elements added to the clean one-file plan, on levels compared in both modes: the lines on
// RéseauBT, the text on TxtRéseauBT (the rule book labels them), the others on SymbolesFixes.
struct Ajouts {
  ElementId cellule = 0, texte = 0, ligne1 = 0, ligne2 = 0, ligneStyle = 0, ligneSeule = 0, partage = 0;
  ElementId cotation = 0, cotationLongue = 0, noeud = 0, celluleVide = 0, texteVide = 0;
};

Ajouts ajouter(fx::DesignBuilder& b, const plan_fixture::PlanUnique& plan) {
  const host::LevelId niveau = b.level(L"SymbolesFixes");
  const host::LevelId bt = b.level(L"R\u00e9seauBT");
  const host::LevelId texteBT = b.level(L"TxtR\u00e9seauBT");
  const Point3d o = plan_fixture::uor(plan.origineCadre + Point3d{20, -20, 0});
  const auto p = [&](double x, double y) { return o + Point3d{x, y, 0}; };
  Ajouts a;
  a.cellule = b.add(fx::cell(L"ARBRE", p(0, 0), {fx::line(p(-500, 0), p(500, 0))}, 2.0).level(niveau).colour(4));
  a.texte = b.add(fx::text(L"ESSAI", p(3000, 0)).level(texteBT).colour(3));
  a.ligne1 = b.add(fx::line(p(0, 4000), p(5000, 4000)).level(bt));
  a.ligne2 = b.add(fx::line(p(0, 4000), p(5000, 4000)).level(bt));
  a.ligneStyle = b.add(fx::line(p(0, 6000), p(5000, 6000)).level(bt));
  a.ligneSeule = b.add(fx::lineString({p(0, 8000), p(2500, 9000), p(5000, 8000)}).level(bt).colour(2));
  a.partage = b.add(fx::sharedCell(L"PARTAGE", p(8000, 0), host::Range3d::from(p(7500, -500), p(8500, 500))).level(niveau));
  a.cotation = b.add(fx::dimension({p(0, 12000), p(5000, 12000), p(5000, 13000)}, {fx::text(L"5.00", p(2500, 12500))})
                         .level(niveau));
  std::vector<Point3d> points;
  for (int i = 0; i < 11; ++i) points.push_back(p(i * 500.0, 14000));
  a.cotationLongue = b.add(fx::dimension(points).level(niveau));
  a.noeud = b.add(fx::textNode({fx::text(L"L1", p(0, 16000)), fx::text(L"L2", p(0, 15500))}).level(niveau));
  a.celluleVide = b.add(fx::cell(L"VIDE", p(8000, 4000), {}).level(niveau));
  a.texteVide = b.add(fx::text(L"", p(8000, 8000)).level(texteBT));
  return a;
}

host::Element& element(fx::DesignBuilder& b, ElementId id) {
  return const_cast<host::Element&>(*b.file().models[0].find(id));
}
void remplacer(fx::DesignBuilder& b, const host::Element& e) { ASSERT_TRUE(b.file().models[0].replace(e)); }
void deplacer(fx::DesignBuilder& b, ElementId id, double dx) {
  remplacer(b, host::transformed(element(b, id), host::Transform{{}, {dx, 0, 0}}));
}
void tourner(fx::DesignBuilder& b, ElementId id, double degres) {
  fx::Spec s(element(b, id));
  s.angle(degres * std::numbers::pi / 180.0);
  remplacer(b, s.element());
}

struct Resultat {
  std::vector<verecart> ecarts;
  verplanfichiers fichiers;

  const verecart* livre(ElementId id) const {
    for (const verecart& r : ecarts)
      if (r.source == 1 && r.idLivre == id) return &r;
    return nullptr;
  }
  const verecart* supprime(ElementId id) const {
    for (const verecart& r : ecarts)
      if (r.source == 2 && r.idOrigine == id) return &r;
    return nullptr;
  }
  std::size_t nombre(std::uint32_t source, std::uint32_t statut, std::uint32_t role = 0) const {
    return static_cast<std::size_t>(std::ranges::count_if(ecarts, [&](const verecart& r) {
      return r.source == source && r.statut == statut && (role == 0 || r.role == role);
    }));
  }
};

class PlanComparer : public ::testing::Test {
 protected:
  fs::path racine, livre, origine, temp;
  vercontexte contexte;
  std::size_t ouvertsAvant = 0;

  void SetUp() override {
    racine = fs::absolute(fs::path("plan_comparer") / ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(racine);
    livre = racine / "Livre";
    origine = racine / "Origine";
    temp = racine / "Temp";
    for (const fs::path& d : {livre, origine, temp}) fs::create_directories(d);
    contexte.repertoire = fx::large(racine) + L"/";
    contexte.repLivre = fx::large(livre) + L"/";
    contexte.repOrigine = fx::large(origine) + L"/";
    contexte.repTemp = fx::large(temp) + L"/";
    contexte.fichierSignature = contexte.repOrigine + L"Signature/Signature.json";
    ouvertsAvant = host::openWorkFileCount();
  }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant); }

  // The clean one-file plan with the additions saved in Origine, then changed by `changer` and
  // saved in Livre.
  Ajouts livrerUnique(const std::function<void(fx::DesignBuilder&, const Ajouts&)>& changer = {}) {
    const plan_fixture::PlanUnique plan = plan_fixture::planUnique();
    plan_fixture::PlanUniqueConstruit construit = plan_fixture::construire(plan);
    const Ajouts a = ajouter(construit.fichier, plan);
    EXPECT_TRUE(plan_fixture::sauver(construit.fichier, fx::large(origine / nomUnique)));
    if (changer) changer(construit.fichier, a);
    EXPECT_TRUE(plan_fixture::sauver(construit.fichier, fx::large(livre / nomUnique)));
    return a;
  }

  // The file set of the delivered plan as the driver leaves it before the comparison: files
  // open, element tables built, signatures and mode set; then compared and closed.
  Resultat comparer(const std::wstring& nom, std::int32_t type, std::uint32_t mode, bool signatureValide = true) {
    Resultat r;
    plan_construire(r.fichiers, nom, type, 1, L"", contexte.repLivre);
    for (verfichier& f : r.fichiers.fichiers) {
      if (!f.existe) continue;
      EXPECT_EQ(stbDgn_ouvrirFichier(&f.modele, nullptr, nullptr, f.chemin, L"", true), 0);
      element_construireTable(f);
      f.signatureValide = signatureValide;
      f.mode = mode;
    }
    plan_comparer(r.ecarts, r.fichiers, contexte);
    for (verfichier& f : r.fichiers.fichiers) {
      if (f.modele) stbDgn_fermerFichier(f.modele);
      f.modele = host::ModelRef{};
    }
    return r;
  }

  std::vector<std::string> fichiersTemp() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(temp)) noms.push_back(e.path().filename().string());
    return noms;
  }
};

TEST_F(PlanComparer, OneChangeAtATimeInBothModes) {
  using Changer = std::function<void(fx::DesignBuilder&, const Ajouts&)>;
  const struct {
    const char* pourquoi;
    Changer changer;
    ElementId Ajouts::*cible;
    std::uint32_t statut;  // of the target in the delivered plan (0: no longer delivered)
    bool supprime;         // the target's previous element is listed as removed
  } cas[] = {
      {"identical versions", {}, &Ajouts::cellule, 1, false},
      {"a cell moved by 0.8", [](fx::DesignBuilder& b, const Ajouts& a) { deplacer(b, a.cellule, 0.8); },
       &Ajouts::cellule, 1, false},
      {"a cell moved by 1.2", [](fx::DesignBuilder& b, const Ajouts& a) { deplacer(b, a.cellule, 1.2); },
       &Ajouts::cellule, 2, true},
      {"a text turned by 0.05 degree", [](fx::DesignBuilder& b, const Ajouts& a) { tourner(b, a.texte, 0.05); },
       &Ajouts::texte, 1, false},
      {"a text turned by 0.2 degree", [](fx::DesignBuilder& b, const Ajouts& a) { tourner(b, a.texte, 0.2); },
       &Ajouts::texte, 2, true},
      {"a text turned by 359.95 degrees", [](fx::DesignBuilder& b, const Ajouts& a) { tourner(b, a.texte, 359.95); },
       &Ajouts::texte, 1, false},
      {"a named line style against \"~\"",
       [](fx::DesignBuilder& b, const Ajouts& a) {
         host::Element e = element(b, a.ligneStyle);
         e.lineStyle = b.lineStyle(L"ST_ESSAI");
         remplacer(b, e);
       },
       &Ajouts::ligneStyle, 2, true},
      {"a line deleted from the delivered plan",
       [](fx::DesignBuilder& b, const Ajouts& a) { b.file().models[0].remove(a.ligneSeule); }, &Ajouts::ligneSeule, 0,
       true},
      {"a cell scale off by 0.02", [](fx::DesignBuilder& b, const Ajouts& a) {
         host::Element e = element(b, a.cellule);
         e.cell->scale.x += 0.02;
         remplacer(b, e);
       },
       &Ajouts::cellule, 2, true},
  };
  for (const auto& c : cas) {
    const Ajouts a = livrerUnique(c.changer);
    for (const std::uint32_t mode : {3u, 2u}) {
      SCOPED_TRACE(testing::Message() << c.pourquoi << ", mode " << mode);
      const Resultat r = comparer(nomUnique, 1, mode);
      const ElementId cible = a.*c.cible;
      const verecart* l = r.livre(cible);
      if (c.statut == 0) {
        EXPECT_EQ(l, nullptr);
      } else {
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->statut, c.statut);
        EXPECT_EQ(l->idOrigine, c.statut == 1 ? cible : 0u);
        const verelement& e = r.fichiers.fichiers[0].elements[static_cast<std::size_t>(
            element_rechercherParId(r.fichiers.fichiers[0].elements, cible))];
        EXPECT_EQ(e.etatControle, c.statut == 2 ? 2u : 1u);
      }
      const verecart* s = r.supprime(cible);
      EXPECT_EQ(s != nullptr, c.supprime);
      if (s) {
        EXPECT_EQ(s->statut, 3u);
        EXPECT_EQ(s->idLivre, 0u);
        EXPECT_EQ(s->fichier, nomUnique);
        EXPECT_EQ(s->role, 1u);
        EXPECT_FALSE(s->niveau.empty());
        EXPECT_FALSE(s->objet.empty());  // labelled by the one-file rule book
      }
      // Every other element: the two identical lines match one to one, the shared cell is not
      // compared, the dimension of 11 points never matches (new, and removed at its place).
      const verecart* l1 = r.livre(a.ligne1);
      const verecart* l2 = r.livre(a.ligne2);
      ASSERT_TRUE(l1 && l2);
      EXPECT_EQ(l1->statut, 1u);
      EXPECT_EQ(l2->statut, 1u);
      EXPECT_NE(l1->idOrigine, l2->idOrigine);
      EXPECT_EQ(r.livre(a.partage)->statut, 5u);
      EXPECT_EQ(r.livre(a.cotation)->statut, 1u);
      EXPECT_EQ(r.livre(a.cotationLongue)->statut, 2u);
      EXPECT_NE(r.supprime(a.cotationLongue), nullptr);
      EXPECT_EQ(r.livre(a.noeud)->statut, 1u);
      EXPECT_EQ(r.livre(a.celluleVide)->statut, 1u);
      if (const verecart* vide = r.livre(a.texteVide)) {  // a text without characters, when listed
        EXPECT_EQ(vide->statut, 1u);
      }
      // Nor is a shared cell ever matched: its previous element is listed as removed too.
      EXPECT_NE(r.supprime(a.partage), nullptr);
      EXPECT_EQ(r.nombre(2, 3), (c.supprime ? 3u : 2u));
      // Delivered records first, in table order, then the removed ones.
      EXPECT_TRUE(std::ranges::is_sorted(r.ecarts, {}, [](const verecart& e) { return e.source; }));
      if (mode == 2) {
        EXPECT_EQ(fichiersTemp(), std::vector<std::string>{});
      }
    }
  }
}

TEST_F(PlanComparer, ModeOneLeavesOutTheTopographyOfAOneFilePlan) {
  livrerUnique();
  const Resultat r = comparer(nomUnique, 1, 3);
  std::size_t horsComparaison = 0;
  for (const verecart& e : r.ecarts) {
    SCOPED_TRACE(testing::Message() << e.idLivre << " " << e.type);
    const bool topo = e.niveau == L"Topo1Limites" || e.niveau == L"Topo2B\u00e2tis" || e.niveau == L"Topo3Routes" ||
                      (e.niveau == L"Topo4Divers" && e.type != 2 && e.type != 7 && e.type != 17);
    EXPECT_EQ(e.statut == 4, topo);
    if (topo) ++horsComparaison;
  }
  EXPECT_GT(horsComparaison, 0u);
  // In mode 2 they are compared.
  EXPECT_EQ(comparer(nomUnique, 1, 2).nombre(1, 4), 0u);
}

TEST_F(PlanComparer, ThreeFilePlanModeOneComparesBackgroundCellsAndTextsAndNoOtherNetworkElement) {
  const plan_fixture::PlanTroisFichiers plan = plan_fixture::planTroisFichiers();
  plan_fixture::PlanTroisFichiersConstruit construit = plan_fixture::construire(plan);
  ASSERT_FALSE(plan_fixture::enregistrer(construit, plan.nom, fx::large(origine)).fp2.empty());
  // The building leaves the background, the other-networks cell leaves AR2.
  construit.fp2.file().models[0].remove(construit.idBatiment);
  construit.ar2.file().models[0].remove(construit.idAut);
  ASSERT_FALSE(plan_fixture::enregistrer(construit, plan.nom, fx::large(livre)).fp2.empty());

  const Resultat un = comparer(plan.nom, 2, 3);
  for (const verecart& e : un.ecarts) {
    SCOPED_TRACE(testing::Message() << e.role << " " << e.idLivre << " " << e.idOrigine);
    if (e.role == 4 || (e.role == 2 && e.type != 2 && e.type != 7 && e.type != 17))
      EXPECT_EQ(e.statut, 4u);
    else
      EXPECT_EQ(e.statut, 1u);
  }
  EXPECT_GT(un.nombre(1, 4, 4), 0u);
  EXPECT_GT(un.nombre(1, 1, 2), 0u);
  EXPECT_GT(un.nombre(1, 1, 3), 0u);
  EXPECT_EQ(un.nombre(2, 3), 0u);  // neither the building nor the AR2 cell is listed

  const Resultat deux = comparer(plan.nom, 2, 2);
  EXPECT_EQ(deux.nombre(1, 4), 0u);
  EXPECT_EQ(deux.nombre(1, 2), 0u);
  ASSERT_EQ(deux.nombre(2, 3), 2u);
  const verecart* batiment = deux.supprime(construit.idBatiment);
  ASSERT_NE(batiment, nullptr);
  EXPECT_EQ(batiment->role, 2u);
  EXPECT_EQ(batiment->fichier, plan.nom + L".FP2");
  EXPECT_FALSE(batiment->objet.empty());  // the background rule book's label
  EXPECT_EQ(deux.supprime(construit.idAut)->role, 4u);
  EXPECT_EQ(deux.fichiers.codeOrigine, L"QR44");  // from the previous EL2 file
}

// A previous version whose signature holds but that cannot be opened is named in the message
// list; the comparison goes on as without one.
TEST_F(PlanComparer, WithoutAUsablePreviousVersionEveryElementIsNew) {
  const struct {
    const char* pourquoi;
    bool signatureValide;
    std::function<void(const fs::path&)> abimer;
    bool signale;
  } cas[] = {
      {"signature not valid", false, {}, false},
      {"previous version missing", true, [](const fs::path& o) { fs::remove(o / nomUnique); }, false},
      {"previous version no design file", true,
       [](const fs::path& o) { std::ofstream(o / nomUnique, std::ios::trunc) << "pas un dessin"; }, true},
      {"previous version empty", true, [](const fs::path& o) { std::ofstream(o / nomUnique, std::ios::trunc); }, true},
      {"previous version cut short", true,
       [](const fs::path& o) { fs::resize_file(o / nomUnique, fs::file_size(o / nomUnique) / 2); }, true},
  };
  for (const auto& c : cas) {
    livrerUnique();
    if (c.abimer) c.abimer(origine);
    for (const std::uint32_t mode : {3u, 2u}) {
      SCOPED_TRACE(testing::Message() << c.pourquoi << ", mode " << mode);
      host::messages::clearLog();
      const Resultat r = comparer(nomUnique, 1, mode, c.signatureValide);
      std::vector<std::wstring> messages;
      for (const auto& m : host::messages::log()) messages.push_back(m.brief);
      if (c.signale) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(host::paths::equalNoCase(messages[0],
                                             L"Impossible d'ouvrir le fichier " + fx::large(origine / nomUnique) + L"."))
            << host::text::toUtf8(messages[0]);
        EXPECT_EQ(host::messages::log()[0].kind, host::messages::Kind::MessageList);
      } else {
        EXPECT_EQ(messages, std::vector<std::wstring>{});
      }
      EXPECT_EQ(r.nombre(1, 1), 0u);
      EXPECT_EQ(r.nombre(2, 3), 0u);
      EXPECT_GT(r.nombre(1, 2), 0u);
      EXPECT_EQ(r.nombre(1, 2) + r.nombre(1, 4) + r.nombre(1, 5), r.ecarts.size());
      if (mode == 2) {
        EXPECT_EQ(r.nombre(1, 4), 0u);
      }
      EXPECT_TRUE(r.fichiers.codeOrigine.empty());
      EXPECT_EQ(fichiersTemp(), std::vector<std::string>{});
    }
  }
}

// The work copy's model serves the matching only: the removed elements are labelled and the
// producer code read from the previous version's own model, which alone is closed at the end.
TEST_F(PlanComparer, ModeTwoLabelsAndReadsThePreviousModelNotTheClosedCopy) {
  const Ajouts a = livrerUnique([](fx::DesignBuilder& b, const Ajouts& a) { b.file().models[0].remove(a.ligneSeule); });
  const auto avant = plan_fixture::empreintes({origine});
  const Resultat r = comparer(nomUnique, 1, 2);
  ASSERT_NE(r.supprime(a.ligneSeule), nullptr);
  const std::wstring label = r.supprime(a.ligneSeule)->objet;
  EXPECT_FALSE(label.empty());
  EXPECT_EQ(r.fichiers.codeOrigine, L"QR44");
  EXPECT_EQ(plan_fixture::empreintes({origine}), avant);
  EXPECT_EQ(fichiersTemp(), std::vector<std::string>{});
  // Mode 1 gives the same label.
  EXPECT_EQ(comparer(nomUnique, 1, 3).supprime(a.ligneSeule)->objet, label);
}

// No work copy (Temp missing, or a folder in the copy's place; a read-only previous version is
// copied and made writable): the previous model is matched in place, deleting nothing, with the
// same results; nothing in Origine is written and the folder stays.
TEST_F(PlanComparer, ModeTwoWithoutAWorkCopyMatchesInPlace) {
  const Ajouts a = livrerUnique([](fx::DesignBuilder& b, const Ajouts& a) {
    deplacer(b, a.cellule, 1.2);
    b.file().models[0].remove(a.ligneSeule);
  });
  const Resultat attendu = comparer(nomUnique, 1, 2);
  const auto statuts = [](const Resultat& r) {
    std::vector<std::tuple<std::uint32_t, std::uint64_t, std::uint64_t, std::uint32_t>> s;
    for (const verecart& e : r.ecarts) s.emplace_back(e.source, e.idLivre, e.idOrigine, e.statut);
    return s;
  };
  // The cell's old place, the line, the long dimension, the shared cell.
  ASSERT_EQ(attendu.nombre(2, 3), 4u);
  fs::permissions(origine / nomUnique, fs::perms::owner_read | fs::perms::group_read);
  const auto avant = plan_fixture::empreintes({origine});
  const struct {
    const char* pourquoi;
    std::function<void()> preparer;
  } cas[] = {
      {"read-only previous version", [] {}},
      {"a folder in the copy's place", [&] { fs::create_directories(temp / nomUnique); }},
      {"Temp missing", [&] { fs::remove_all(temp); }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    c.preparer();
    const Resultat r = comparer(nomUnique, 1, 2);
    EXPECT_EQ(statuts(r), statuts(attendu));
    EXPECT_EQ(plan_fixture::empreintes({origine}), avant);
  }
  EXPECT_FALSE(fs::exists(temp));
  fs::create_directories(temp / nomUnique);
  comparer(nomUnique, 1, 2);
  EXPECT_TRUE(fs::is_directory(temp / nomUnique));
  fs::permissions(origine / nomUnique, fs::perms::owner_all);
  (void)a;
}

// Elements that no real plan holds: NaN and huge coordinates, in a writable copy of a plan.
TEST_F(PlanComparer, NaNAndHugeRangesNeverMatchNorCrash) {
  livrerUnique();
  const std::wstring copie = fx::large(temp / "copie.dgn");
  fs::copy_file(livre / nomUnique, temp / "copie.dgn");
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, copie, L"", false), host::kSuccess);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double grand = 1e300;
  const ElementId idNan = host::addElement(m, fx::line({nan, 0, 0}, {1000, nan, 0}).level(1));
  const ElementId idGrand = host::addElement(m, fx::line({-grand, -grand, 0}, {grand, grand, 0}).level(1));
  const ElementId idArc = host::addElement(m, fx::arc({0, 0, 0}, grand, 0.0, 6.0).level(1));
  ASSERT_TRUE(idNan && idGrand && idArc);
  verfichier f;
  f.modele = m;
  element_construireTable(f);
  std::vector<verelement> precedente = f.elements;
  for (const ElementId id : {idNan, idGrand, idArc}) {
    SCOPED_TRACE(id);
    ASSERT_GE(element_rechercherParId(f.elements, id), 0);
    verelement e = f.elements[static_cast<std::size_t>(element_rechercherParId(f.elements, id))];
    comparer_scannerElements(e, precedente, m, m, 3);
    EXPECT_TRUE(e.etatComparaison == 1 || e.etatComparaison == 2);
  }
  // The huge line matches itself; the NaN line never does.
  verelement e = f.elements[static_cast<std::size_t>(element_rechercherParId(f.elements, idNan))];
  comparer_scannerElements(e, precedente, m, m, 3);
  EXPECT_EQ(e.etatComparaison, 2u);
  host::closeWorkFile(m);
}

// Through the driver in mode 2: a previous version signed through the signature list, the
// compare CSV written with the shared cell in error.
TEST_F(PlanComparer, DriverWritesTheCompareCsvFromTheRealList) {
  ASSERT_TRUE(plan_fixture::parametrerContexte(contexte, contexte.repertoire + L"Parametres"));
  const Ajouts a = livrerUnique([](fx::DesignBuilder& b, const Ajouts& a) { deplacer(b, a.cellule, 1.2); });
  ASSERT_TRUE(plan_fixture::ecrireListeSignature(fx::large(origine)));
  verplan plan;
  plan.nom = nomUnique;
  plan.type = 1;
  plan.version = 1;
  plan.fichierCompare = fx::large(racine / "Compare.csv");
  plan_verifier(plan, 2, contexte, 0);
  EXPECT_EQ(plan.statuts[2], 0);
  ASSERT_FALSE(plan.ecarts.empty());
  std::ifstream in(racine / "Compare.csv");
  std::vector<std::string> lignes;
  for (std::string l; std::getline(in, l);) lignes.push_back(l);
  ASSERT_EQ(lignes.size(), plan.ecarts.size() + 1);
  EXPECT_NE(std::ranges::find_if(lignes, [&](const std::string& l) {
              return l.starts_with("Erreur;44010450.109;V2;") && l.ends_with(";35;0.00;" + std::to_string(a.partage) + ";0");
            }),
            lignes.end());
  EXPECT_NE(std::ranges::find_if(lignes, [&](const std::string& l) {
              return l.starts_with("Supprime;44010450.109;V2;") && l.ends_with(";0;" + std::to_string(a.cellule));
            }),
            lignes.end());
  EXPECT_NE(std::ranges::find_if(lignes, [&](const std::string& l) {
              return l.starts_with("Nouveau;44010450.109;V2;") && l.ends_with(";" + std::to_string(a.cellule) + ";0");
            }),
            lignes.end());
  EXPECT_EQ(fichiersTemp(), std::vector<std::string>{});
}

// The demo's one-file plan: its content is new since the previous version, which had one more
// building.
TEST(PlanComparerDemo, TheDemoListsItsNewElementsAndItsRemovedBuilding) {
  const fs::path racine = fs::absolute("plan_comparer_demo");
  fs::remove_all(racine);
  plan_fixture::CheminsDemo chemins;
  std::wstring message;
  ASSERT_TRUE(plan_fixture::ecrireDemo(fx::large(racine), chemins, message));
  host::config::set(L"TOLVEK_PARAM", chemins.parametres);
  host::views::reset();
  verdossier dossier;
  ASSERT_EQ(verif_initialiserDossier(dossier, message, chemins.livraison), verifSucces);
  const auto avant = plan_fixture::empreintes({fs::path(chemins.origine), fs::path(chemins.livre)});
  verplan& plan = *std::ranges::find_if(dossier.plans, [](const verplan& p) { return p.nom == plan_fixture::demoPropreUnique; });
  verif_comparerPlan(plan, dossier, 0);
  EXPECT_EQ(plan.statuts[2], 0);
  std::size_t nouveaux = 0;
  std::vector<const verecart*> supprimes;
  for (const verecart& e : plan.ecarts) {
    if (e.statut == 2) ++nouveaux;
    if (e.statut == 3) supprimes.push_back(&e);
  }
  EXPECT_GT(nouveaux, 0u);
  ASSERT_EQ(supprimes.size(), 1u);
  EXPECT_EQ(supprimes[0]->niveau, L"Topo2B\u00e2tis");
  EXPECT_EQ(supprimes[0]->type, 6u);
  EXPECT_EQ(supprimes[0]->source, 2u);
  std::ifstream in(fs::path(plan.fichierCompare));
  std::size_t lignes = 0;
  for (std::string l; std::getline(in, l);) ++lignes;
  EXPECT_EQ(lignes, plan.ecarts.size() + 1);
  EXPECT_EQ(plan_fixture::empreintes({fs::path(chemins.origine), fs::path(chemins.livre)}), avant);
  host::config::unset(L"TOLVEK_PARAM");
}

// The candidates' index against a scan of the previous model in file order, element by element:
// coincident elements (identical, of another colour or level, and 0.5 UOR apart before them in
// file order), lines over several grid cells, a line of 3 km, texts and cells.
TEST(ComparerIndex, MatchesAsTheScanInFileOrder) {
  const fs::path dir = fs::absolute(fs::path("plan_comparer") / "index");
  fs::remove_all(dir);
  fs::create_directories(dir);
  fx::DesignBuilder precedent;
  const host::LevelId n1 = precedent.level(L"N1"), n2 = precedent.level(L"N2");
  const auto ligne = [](double x, double y, double dx) { return fx::line({x, y, 0}, {x + dx, y, 0}); };
  const ElementId decale = precedent.add(ligne(1000.5, 1000, 5000).level(n1));
  for (int i = 0; i < 5; ++i) precedent.add(ligne(1000, 1000, 5000).level(n1));
  precedent.add(ligne(1000, 1000, 5000).level(n1).colour(3));
  precedent.add(ligne(1000, 1000, 5000).level(n2));
  for (int i = 0; i < 40; ++i) precedent.add(ligne(i * 3000.0, i * 700.0, 20000).level(i % 2 ? n1 : n2));
  precedent.add(ligne(-1.5e6, 0, 3e6).level(n1));  // over more grid cells than are listed
  for (int i = 0; i < 3; ++i) {
    precedent.add(fx::text(L"T", {8000, 8000, 0}).level(n1));
    precedent.add(fx::cell(L"C", {9000, 9000, 0}, {ligne(9000, 9000, 100)}).level(n1));
  }
  fx::DesignBuilder livre = precedent;
  ASSERT_TRUE(livre.file().models[0].remove(decale));
  for (int i = 0; i < 4; ++i) livre.add(ligne(1000, 1000, 5000).level(n1));
  livre.add(ligne(1000, 1000, 5000).level(n1).colour(3));
  livre.add(fx::text(L"T", {8000, 8000.4, 0}).level(n1));
  const std::wstring cheminPrecedent = fx::large(dir / "precedent.dgn"), cheminLivre = fx::large(dir / "livre.dgn");
  ASSERT_TRUE(precedent.save(cheminPrecedent) && livre.save(cheminLivre));
  verfichier p, l;
  ASSERT_EQ(stbDgn_ouvrirFichier(&p.modele, nullptr, nullptr, cheminPrecedent, L"", true), 0);
  ASSERT_EQ(stbDgn_ouvrirFichier(&l.modele, nullptr, nullptr, cheminLivre, L"", true), 0);
  element_construireTable(p);
  element_construireTable(l);

  // The scan of the previous model: the first candidate in file order at state 0 that is the same.
  std::vector<verelement> parScan = p.elements;
  std::vector<std::int32_t> attendus;
  for (const verelement& e : l.elements) {
    const host::Element* x = host::readElement(l.modele, e.idElement);
    host::Range3d plage = host::elementRangeOf(l.modele, e.idElement);
    plage.low = plage.low - Point3d{1, 1, 1};
    plage.high = plage.high + Point3d{1, 1, 1};
    host::ScanCriteria criteres;
    criteres.levels = {x->level};
    criteres.types = {x->type};
    criteres.range = plage;
    std::int32_t trouve = -1;
    for (const ElementId id : host::scan(p.modele, criteres)) {
      const std::int32_t i = element_rechercherParId(parScan, id);
      if (i < 0 || parScan[static_cast<std::size_t>(i)].etatComparaison != 0) continue;
      if (comparer_cleGeometrie(host::ElementHandle(e.idElement, l.modele), e.symbologie, host::ElementHandle(id, p.modele),
                                parScan[static_cast<std::size_t>(i)].symbologie) != 0)
        continue;
      parScan[static_cast<std::size_t>(i)].etatComparaison = 1;
      trouve = i;
      break;
    }
    attendus.push_back(trouve);
  }

  comparer_index index(p.elements, p.modele);
  std::vector<std::int32_t> trouves;
  for (verelement e : l.elements) {
    comparer_scannerElements(e, p.elements, l.modele, p.modele, 3, &index);
    trouves.push_back(e.etatComparaison == 1 ? e.indexOrigine : -1);
  }
  EXPECT_EQ(trouves, attendus);
  // Some delivered elements are new; the first took the copy 0.5 UOR apart, first in file order.
  EXPECT_GT(std::ranges::count(attendus, -1), 0);
  EXPECT_EQ(attendus.front(), 0);
  stbDgn_fermerFichier(p.modele);
  stbDgn_fermerFichier(l.modele);
}

}  // namespace

namespace {

// The late checks of the driver (cell scales, fonts and text sizes) look only at what the
// comparison found new: a POTKRV at scale 1.0 and a text in "working" 0.4 x 0.3 are reported
// when they changed since a valid previous version, or when there is none, never when unchanged.
TEST_F(PlanComparer, LateChecksSeeOnlyTheNewElements) {
  ASSERT_TRUE(plan_fixture::parametrerContexte(contexte, contexte.repertoire + L"Parametres"));
  const struct {
    const char* pourquoi;
    bool changer;
    bool signer;
    std::vector<std::uint32_t> attendus;
  } cas[] = {
      {"unchanged since a signed previous version", false, true, {}},
      {"moved and turned since a signed previous version", true, true, {2042, 2051, 2052}},
      {"previous version not signed", false, false, {2042, 2051, 2052}},
  };
  for (const auto& c : cas) {
    for (const std::int32_t mode : {1, 2}) {
      SCOPED_TRACE(testing::Message() << c.pourquoi << ", mode " << mode);
      fs::remove_all(origine);
      fs::create_directories(origine);
      ElementId cellule = 0, texte = 0;
      livrerUnique([&](fx::DesignBuilder& b, const Ajouts&) {
        // Added to both versions: livrerUnique saves Origine before calling us, so the elements
        // are added to the previous version by saving it again first.
        const plan_fixture::PlanUnique plan = plan_fixture::planUnique();
        const Point3d o = plan_fixture::uor(plan.origineCadre + Point3d{40, -20, 0});
        cellule = b.add(fx::cell(L"POTKRV", o, {fx::line(o, o + Point3d{500, 0, 0})}, 1.0).level(b.level(L"SymbolesFixes")));
        texte = b.add(fx::text(L"FAUX", o + Point3d{0, 3000, 0}, 400.0, 300.0, L"working")
                          .level(b.level(L"TxtR\u00e9seauBT")));
        EXPECT_TRUE(plan_fixture::sauver(b, fx::large(origine / nomUnique)));
        if (c.changer) {
          deplacer(b, cellule, 1.2);
          tourner(b, texte, 0.2);
        }
      });
      if (c.signer) {
        ASSERT_TRUE(plan_fixture::ecrireListeSignature(fx::large(origine)));
      }
      verplan plan;
      plan.nom = nomUnique;
      plan.type = 1;
      plan.version = 1;
      plan_verifier(plan, mode, contexte, 0);
      EXPECT_EQ(plan.statuts[2] == 0, c.signer);
      std::vector<std::uint32_t> tardifs;
      for (const vererreur& e : plan.erreurs)
        if ((e.idElement == cellule || e.idElement == texte) && (e.code == 2042 || e.code == 2051 || e.code == 2052))
          tardifs.push_back(e.code);
      std::ranges::sort(tardifs);
      EXPECT_EQ(tardifs, c.attendus);
      EXPECT_EQ(fichiersTemp(), std::vector<std::string>{});
    }
  }
}

// A new element inside an inset leaves the late checks; the same element elsewhere does not.
// Cells are judged by their range: a cross, and cells whose range has no area (one line, a point).
TEST_F(PlanComparer, LateChecksLeaveOutNewElementsInsideAnInset) {
  ASSERT_TRUE(plan_fixture::parametrerContexte(contexte, contexte.repertoire + L"Parametres"));
  using Trait = std::pair<Point3d, Point3d>;  // ends, from the cell's origin
  const struct {
    const char* forme;
    std::vector<Trait> traits;
  } formes[] = {
      {"a cross", {{{-250, 0, 0}, {250, 0, 0}}, {{0, -250, 0}, {0, 250, 0}}}},
      {"one horizontal line", {{{-250, 0, 0}, {250, 0, 0}}}},
      {"one vertical line", {{{0, -250, 0}, {0, 250, 0}}}},
      {"a point", {{{0, 0, 0}, {0, 0, 0}}}},
  };
  for (const auto& [forme, traits] : formes) {
    for (const bool dansEncart : {true, false}) {
      SCOPED_TRACE(testing::Message() << forme << (dansEncart ? ", inside an inset" : ", outside the insets"));
      fs::remove_all(origine);
      fs::create_directories(origine);
      const plan_fixture::PlanUnique description = plan_fixture::planUnique();
      plan_fixture::PlanUniqueConstruit construit = plan_fixture::construire(description);
      const std::vector<plan_fixture::Encart> encarts = plan_fixture::ajouterEncarts(construit, description);
      ASSERT_FALSE(encarts.empty());
      ASSERT_TRUE(plan_fixture::sauver(construit.fichier, fx::large(origine / nomUnique)));
      ASSERT_TRUE(plan_fixture::ecrireListeSignature(fx::large(origine)));
      const host::Range3d& r = encarts.front().etendue;
      const Point3d centre{(r.low.x + r.high.x) / 2, (r.low.y + r.high.y) / 2, 0};
      const Point3d o = dansEncart ? centre : centre + Point3d{0, (r.high.y - r.low.y) * 1.5, 0};
      fx::DesignBuilder& b = construit.fichier;
      std::vector<fx::Spec> enfants;
      for (const auto& [debut, fin] : traits) enfants.push_back(fx::line(o + debut, o + fin));
      const ElementId cellule = b.add(fx::cell(L"POTKRV", o, enfants, 1.0).level(b.level(L"SymbolesFixes")));
      ASSERT_TRUE(plan_fixture::sauver(b, fx::large(livre / nomUnique)));

      verplan plan;
      plan.nom = nomUnique;
      plan.type = 1;
      plan.version = 1;
      plan_verifier(plan, 1, contexte, 0);
      ASSERT_EQ(plan.statuts[2], 0);
      ASSERT_EQ(plan.statuts[1], 2);
      const bool signale = std::ranges::any_of(
          plan.erreurs, [&](const vererreur& e) { return e.idElement == cellule && e.code == 2042; });
      EXPECT_EQ(signale, !dansEncart);
    }
  }
}

}  // namespace
