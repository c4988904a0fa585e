// Required levels: the four lists as the standard spells them, and the checks on the fixture's
// plan files and their one-change variants.
#include "standard/ctrl_niveaux.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "host/paths.h"
#include "standard/tests/harnais_modele.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;

namespace {

std::vector<std::wstring> tranche(const std::vector<std::wstring>& v, std::size_t premier, std::size_t dernier) {
  return {v.begin() + static_cast<std::ptrdiff_t>(premier - 1), v.begin() + static_cast<std::ptrdiff_t>(dernier)};
}

TEST(CtrlNiveaux, TheListsAsTheStandardSpellsThem) {
  const auto& unique = ctrl_listeNiveaux(1);
  const auto& fond = ctrl_listeNiveaux(2);
  const auto& elec = ctrl_listeNiveaux(3);
  const auto& autres = ctrl_listeNiveaux(4);
  EXPECT_EQ(unique.size(), 58u);
  EXPECT_EQ(fond.size(), 63u);
  EXPECT_EQ(elec.size(), 63u);
  EXPECT_EQ(autres.size(), 63u);
  EXPECT_TRUE(ctrl_listeNiveaux(0).empty());
  EXPECT_TRUE(ctrl_listeNiveaux(5).empty());

  EXPECT_EQ(unique.front(), L"Cart+habillage");
  EXPECT_EQ(unique.back(), L"PrjAutresReseaux");
  EXPECT_EQ(tranche(fond, 21, 29),
            (std::vector<std::wstring>{L"Axe de voie", L"R\u00e9serv\u00e9_2", L"TxtPropFdp", L"R\u00e9serv\u00e9_4",
                                       L"R\u00e9serv\u00e9_5", L"SansContr\u00f4les", L"PolygoneD\u00e9coupe",
                                       L"RACSEC+txt", L"CellulesEchanges"}));
  EXPECT_EQ(fond[29], L"21");
  EXPECT_EQ(fond[45], L"37");
  EXPECT_EQ(fond.back(), L"54");
  EXPECT_EQ(elec.front(), L"C\u00e2blesBrancht");
  EXPECT_EQ(elec.back(), L"CellulesEchanges");
  EXPECT_EQ(tranche(autres, 1, 3), (std::vector<std::wstring>{L"Drap+TxtIndiffAut", L"EncartsIndiffAut", L"C\u00e2blesEP"}));
  EXPECT_EQ(autres[19], L"Encarts VDC");
  EXPECT_EQ(tranche(autres, 21, 26),
            (std::vector<std::wstring>{L"R\u00e9seauAbandonn\u00e9Aut", L"Cote+PtConsAbanAut", L"SansContr\u00f4les",
                                       L"PTRC+TxtAut", L"PTRL+TxtAut", L"CellulesEchanges"}));
  EXPECT_EQ(autres[26], L"23");
  EXPECT_EQ(autres.back(), L"59");
  for (const auto* l : {&unique, &fond, &elec, &autres})
    EXPECT_EQ(std::set<std::wstring>(l->begin(), l->end()).size(), l->size()) << "a name twice";
}

class CtrlNiveauxFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    boost::filesystem::remove_all(host::paths::toNative(ModeleOuvert::dossier()));
  }
  void TearDown() override {
    EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open";
    host::closeActiveFile();
  }

  static verfichier fichier(const std::wstring& chemin) {
    verfichier f;
    f.chemin = chemin;
    f.existe = boost::filesystem::exists(host::paths::toNative(chemin));
    return f;
  }

  static std::vector<std::wstring> complements(const std::vector<vererreur>& erreurs) {
    std::vector<std::wstring> c;
    for (const vererreur& e : erreurs) {
      EXPECT_EQ(e.code, 1006u);
      c.push_back(e.complement);
    }
    return c;
  }
};

// Removes the level of that name from the file.
void retirer(fx::DesignBuilder& b, const std::wstring& nom) {
  auto& niveaux = b.file().levels;
  std::erase_if(niveaux, [&](const host::Level& l) { return l.name == nom; });
}

TEST_F(CtrlNiveauxFichiers, OneFilePlans) {
  const struct {
    const char* pourquoi;
    std::function<void(fx::DesignBuilder&)> modifier;
    std::vector<std::wstring> manquants;
  } cas[] = {
      {"clean", [](fx::DesignBuilder&) {}, {}},
      {"no Axe de voie nor gas levels",
       [](fx::DesignBuilder& b) {
         for (std::size_t i = 58; i < 77; ++i) retirer(b, pf::niveauxPlanUnique()[i]);
       },
       {}},
      {"two levels missing, in list order",
       [](fx::DesignBuilder& b) {
         retirer(b, L"PrjTopo1");
         retirer(b, L"Topo1Limites");
       },
       {L"Topo1Limites", L"PrjTopo1"}},
      {"a level of id 0",
       [](fx::DesignBuilder& b) {
         retirer(b, L"TxtInvisible");
         b.file().levels.push_back({0, L"TxtInvisible"});
       },
       {L"TxtInvisible"}},
      {"58 does not stand for CotesFourreaux here",
       [](fx::DesignBuilder& b) {
         retirer(b, L"CotesFourreaux");
         b.level(L"58");
       },
       {L"CotesFourreaux"}},
  };
  int n = 0;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    const std::wstring nom = L"4401045" + std::to_wstring(n++) + L".109";
    ASSERT_TRUE(pf::enregistrerVariante(nom, c.modifier, ModeleOuvert::dossier()));
    const verfichier f = fichier(ModeleOuvert::chemin(nom));
    std::vector<vererreur> erreurs;
    EXPECT_EQ(ctrl_niveauxV2(erreurs, f), c.manquants.empty() ? 0 : 0x8000);
    EXPECT_EQ(complements(erreurs), c.manquants);
  }
}

TEST_F(CtrlNiveauxFichiers, ThreeFilePlans) {
  using Construit = pf::PlanTroisFichiersConstruit;
  const struct {
    const char* pourquoi;
    std::function<void(Construit&)> modifier;
    std::wstring extension;
    std::uint32_t role;
    std::vector<std::wstring> manquants;
  } cas[] = {
      {"clean background", [](Construit&) {}, L"FP2", 2, {}},
      {"clean electricity", [](Construit&) {}, L"EL2", 3, {}},
      {"clean other networks", [](Construit&) {}, L"AR2", 4, {}},
      {"background without 37", [](Construit& p) { retirer(p.fp2, L"37"); }, L"FP2", 2, {L"37"}},
      {"background without 55 to 59",
       [](Construit& p) {
         for (int i = 55; i <= 59; ++i) retirer(p.fp2, std::to_wstring(i));
       },
       L"FP2", 2, {}},
      {"other networks without 21 and 22",
       [](Construit& p) {
         retirer(p.ar2, L"21");
         retirer(p.ar2, L"22");
       },
       L"AR2", 4, {}},
      {"Encarts EP without its blank",
       [](Construit& p) {
         retirer(p.ar2, L"Encarts EP");
         p.ar2.level(L"EncartsEP");
       },
       L"AR2", 4, {L"Encarts EP"}},
      {"other networks without 23 and Drap+TxtIndiffAut",
       [](Construit& p) {
         retirer(p.ar2, L"23");
         retirer(p.ar2, L"Drap+TxtIndiffAut");
       },
       L"AR2", 4, {L"Drap+TxtIndiffAut", L"23"}},
      {"electricity without its first and last", [](Construit& p) {
         retirer(p.el2, L"CellulesEchanges");
         retirer(p.el2, L"C\u00e2blesBrancht");
       }, L"EL2", 3, {L"C\u00e2blesBrancht", L"CellulesEchanges"}},
      {"role 1 tests nothing", [](Construit& p) { p.fp2.file().levels.clear(); }, L"FP2", 1, {}},
  };
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  int n = 0;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    Construit p = pf::construire(plan);
    c.modifier(p);
    const std::wstring base = ModeleOuvert::chemin(std::to_wstring(n++) + L".");
    ASSERT_TRUE(pf::sauver(p.fp2, base + L"FP2") && pf::sauver(p.el2, base + L"EL2") && pf::sauver(p.ar2, base + L"AR2"));
    std::vector<vererreur> erreurs;
    EXPECT_EQ(ctrl_niveauxV3(erreurs, fichier(base + c.extension), c.role), c.manquants.empty() ? 0 : 0x8000);
    EXPECT_EQ(complements(erreurs), c.manquants);
  }
}

TEST_F(CtrlNiveauxFichiers, FilesThatAreMissingUnreadableEmptyReadOnlyOrActive) {
  // Missing: the file checks report it.
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_niveauxV2(erreurs, fichier(ModeleOuvert::chemin(L"absent.dgn"))), 0);
  EXPECT_TRUE(erreurs.empty());

  // Not a design file: 2012 and no level tested.
  const std::wstring texte = ModeleOuvert::chemin(L"TEXTE.DGN");
  boost::filesystem::create_directories(host::paths::toNative(ModeleOuvert::dossier()));
  { std::ofstream(host::paths::toNative(texte)) << "pas un dessin"; }
  EXPECT_EQ(ctrl_niveauxV3(erreurs, fichier(texte), 2), 0x8000);
  ASSERT_EQ(erreurs.size(), 1u);
  EXPECT_EQ(erreurs[0].code, 2012u);
  EXPECT_EQ(erreurs[0].message, L"Erreur lors de l'ouverture du fichier");
  EXPECT_EQ(erreurs[0].fichier, L"TEXTE.DGN");
  EXPECT_EQ(erreurs[0].complement, texte);

  // A file without any level of the standard: every name, in list order.
  erreurs.clear();
  ModeleOuvert vide(fx::DesignBuilder{}, L"vide.dgn");
  EXPECT_EQ(ctrl_niveauxV2(erreurs, fichier(vide.chemin())), 0x8000);
  EXPECT_EQ(complements(erreurs), ctrl_listeNiveaux(1));

  // Read-only, and the host's active file, which stays open.
  const std::wstring propre = pf::enregistrer(pf::planUnique(), ModeleOuvert::chemin(L"propre"));
  boost::filesystem::permissions(host::paths::toNative(propre), boost::filesystem::owner_read);
  erreurs.clear();
  EXPECT_EQ(ctrl_niveauxV2(erreurs, fichier(propre)), 0);
  ASSERT_EQ(host::openActiveFile(propre), host::kSuccess);
  const host::ModelRef actif = host::activeModel();
  EXPECT_EQ(ctrl_niveauxV2(erreurs, fichier(propre)), 0);
  EXPECT_TRUE(erreurs.empty());
  EXPECT_TRUE(host::isValid(actif));
  boost::filesystem::permissions(host::paths::toNative(propre), boost::filesystem::owner_all);
}

}  // namespace
