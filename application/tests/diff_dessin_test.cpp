// The differences drawing in the test's process: the difference level of a classification, the
// drawing of a folder whose comparison lists are filled by hand (levels, copies, groups,
// positions), a second run, and the runs that must refuse or fall back.
#include "application/diff_dessin.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <sys/resource.h>

#include <boost/filesystem.hpp>
#include <boost/filesystem/fstream.hpp>
#include <csignal>
#include <map>
#include <set>

#include "application/diff_copie.h"
#include "application/tests/bilan_fixture.h"
#include "application/tests/diff_fixture.h"
#include "engine/fixture/differences_fixture.h"
#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/paths.h"
#include "toolbox/stb_dgn.h"

namespace fs = boost::filesystem;
namespace pf = plan_fixture;
using ::testing::ElementsAre;

namespace {

TEST(DiffNiveauDifference, TheLevelComesFromNetworkKindAndServiceConnectionAndTheColourFromTheFinishedName) {
  struct Cas {
    std::uint32_t reseau, contenu;
    std::uint8_t branchement;
    std::uint32_t direction;
    const wchar_t* niveau;  // "" for none
    std::uint32_t couleur;
  };
  const Cas cas[] = {
      {4, 1, 0, 1, L"HTA_Ajout", 3},          {4, 4, 0, 2, L"HTA_Suppression", 3},
      {2, 1, 0, 1, L"BT_Ajout", 1},           {2, 4, 0, 2, L"BT_Suppression", 1},
      {2, 1, 1, 1, L"BRCH_Ajout", 2},         {2, 4, 1, 2, L"BRCH_Suppression", 2},
      {2, 2, 0, 1, L"Accessoire_Ajout", 0},   {4096, 2, 1, 2, L"Accessoire_Suppression", 0},
      {4, 1, 1, 1, L"HTA_Ajout", 3},          // a service-connection flag only matters on BT
      {16, 1, 0, 1, L"", 0},                  // TLR line: no level
      {62, 4, 0, 1, L"", 0},                  // flag text of every electricity network
      {2, 8, 0, 1, L"", 0},                   // dimension
      {2, 0, 0, 1, L"", 0},                   // no kind
      {2, 1, 0, 0, L"", 0},       {2, 1, 0, 3, L"", 0},  // directions other than 1 and 2
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.reseau << "/" << c.contenu << "/" << int(c.branchement) << " direction "
                                    << c.direction);
    verclassement classement;
    classement.reseau = c.reseau;
    classement.contenu = c.contenu;
    classement.branchement = c.branchement;
    classement.etat = 8;  // never read
    const versymbologie s = diff_niveauDifference(classement, c.direction);
    const versymbologie vide;
    EXPECT_EQ(s.nomNiveau, c.niveau);
    if (s.nomNiveau.empty()) {
      EXPECT_EQ(s.couleur, vide.couleur);
      EXPECT_EQ(s.epaisseur, vide.epaisseur);
      EXPECT_EQ(s.style, vide.style);
    } else {
      EXPECT_EQ(s.couleur, c.couleur);
      EXPECT_EQ(s.epaisseur, 0u);
      EXPECT_EQ(s.style, 0);
    }
    EXPECT_EQ(s.nomStyle, vide.nomStyle);
    EXPECT_EQ(s.idNiveau, vide.idNiveau);
    EXPECT_EQ(s.hauteurTexte, vide.hauteurTexte);
  }
}

verecart ecart(std::uint32_t statut, std::uint32_t role, std::uint64_t idLivre, std::uint64_t idOrigine) {
  verecart e;
  e.statut = statut;
  e.role = role;
  e.idLivre = idLivre;
  e.idOrigine = idOrigine;
  return e;
}

class DessinDifferences : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    std::wstring message;
    ASSERT_TRUE(pf::ecrireDossierDifferences(dir.wstring(), chemins, ids, message)) << message;
    host::config::set(L"TOLVEK_PARAM", chemins.parametres);
    ASSERT_EQ(verif_initialiserDossier(appTolvek.dossier, message, chemins.livraison), 0) << message;
    ASSERT_EQ(appTolvek.dossier.projection, L"IGN-RGF93");
    appTolvek.cheminPrototype = chemins.parametres + L"/Prototype.dgn";
    host::messages::clearLog();
  }

  static verplan& plan(const wchar_t* nom) {
    for (verplan& p : appTolvek.dossier.plans)
      if (p.nom == nom) return p;
    ADD_FAILURE() << "plan absent";
    return appTolvek.dossier.plans.front();
  }
  static std::wstring dessin() { return appTolvek.dossier.repRapport + appTolvek.dossier.nom + L"_Differences.dgn"; }
  static std::wstring succes() {
    return L"[box] Les diff\u00e9rences ont \u00e9t\u00e9 report\u00e9es dans le fichier " + dessin();
  }
  static std::vector<std::wstring> sorties() {
    std::vector<std::wstring> textes;
    for (const auto& e : host::messages::log()) {
      if (e.kind == host::messages::Kind::MessageCenter) continue;
      textes.push_back((e.kind == host::messages::Kind::MessageBox ? L"[box] " : L"[list] ") + e.brief);
    }
    return textes;
  }
  static host::DesignFile relire(const std::wstring& chemin) {
    auto f = host::DesignFile::load(host::paths::toNative(chemin));
    if (!f) {
      ADD_FAILURE() << "drawing not readable";
      return host::DesignFile{};
    }
    return *f;
  }
  // The drawing prepared as the command prepares it and every plan copied into it, without the
  // merge of cable pieces that the command runs next.
  static void copierPlans() {
    ASSERT_EQ(diff_preparerFichier(dessin()), 0);
    host::ModelRef modele;
    ASSERT_EQ(stbDgn_ouvrirFichier(&modele, nullptr, nullptr, dessin(), L"", false), 0);
    for (const verplan& p : appTolvek.dossier.plans) diff_copierElementsPlan(modele, p, appTolvek.dossier);
    ASSERT_EQ(stbDgn_fermerFichier(modele), 0);
  }
  // Every comparison record kind for the two plans: what is drawn and what is not.
  void remplirEcarts() {
    verplan& unique = plan(pf::differencesUnique);
    for (host::ElementId id : ids.ajoutsUnique()) unique.ecarts.push_back(ecart(2, 1, id, 0));
    unique.ecarts.push_back(ecart(2, 1, ids.cote, 0));
    unique.ecarts.push_back(ecart(2, 1, ids.ligneTLR, 0));
    unique.ecarts.push_back(ecart(3, 1, 0, ids.cableSupprime));
    for (std::uint32_t statut : {1u, 4u, 5u, 6u}) unique.ecarts.push_back(ecart(statut, 1, ids.coffret, ids.coffret));
    unique.ecarts.push_back(ecart(2, 1, 987654321, 0));  // ids neither file has
    unique.ecarts.push_back(ecart(3, 1, 0, 987654321));
    verplan& trois = plan(pf::differencesTrois);
    trois.ecarts = {ecart(2, 3, ids.cableEL2, 0), ecart(2, 3, ids.ligneAccessoireEL2, 0), ecart(2, 2, 0, 0),
                    ecart(2, 2, ids.texteFP2, 0), ecart(2, 4, ids.cableEL2, 0)};
  }

  pf::CheminsDemo chemins;
  pf::IdsDifferences ids;
};

TEST_F(DessinDifferences, AFolderWithoutDifferencesGivesTheEightLevelsInOrderInTheFoldersSystem) {
  diff_ecrireDifferences(appTolvek.dossier);
  EXPECT_THAT(sorties(), ElementsAre(succes()));
  const host::DesignFile f = relire(dessin());
  std::vector<std::wstring> niveaux;
  for (const host::Level& l : f.levels) niveaux.push_back(l.name);
  ASSERT_GE(niveaux.size(), 8u);
  EXPECT_EQ(std::vector<std::wstring>(niveaux.end() - 8, niveaux.end()),
            std::vector<std::wstring>(diff_niveaux().begin(), diff_niveaux().end()));
  EXPECT_EQ(f.header.coordinateSystem.value_or(L""), L"IGN-RGF93");
  EXPECT_TRUE(f.models.at(0).elements().empty());
}

TEST_F(DessinDifferences, EachDifferenceIsCopiedOnItsLevelWithItsColourAGroupPerSourceGroupAndItsReprojectedPlace) {
  remplirEcarts();
  copierPlans();
  EXPECT_THAT(sorties(), ElementsAre()) << "nothing is shown";
  const host::DesignFile f = relire(dessin());
  const host::DesignFile livre = relire(chemins.livre + L"/" + pf::differencesUnique);
  const host::DesignFile origine = relire(chemins.origine + L"/" + pf::differencesUnique);
  const host::DesignFile el2 = relire(chemins.livre + L"/" + pf::differencesTrois + L".EL2");

  struct Attendu {
    const host::DesignFile* source;
    host::ElementId id;
    const wchar_t* niveau;
    std::uint32_t couleur;
  };
  const Attendu attendus[] = {
      {&livre, ids.coffret, L"Accessoire_Ajout", 0}, {&livre, ids.ligneBT, L"BT_Ajout", 1},
      {&livre, ids.chaineBT, L"BT_Ajout", 1},        {&livre, ids.arcBT, L"BT_Ajout", 1},
      {&livre, ids.jonction, L"Accessoire_Ajout", 0}, {&livre, ids.cableBT2, L"BT_Ajout", 1},
      {&livre, ids.branchement, L"BRCH_Ajout", 2},   {&livre, ids.noeud, L"Accessoire_Ajout", 0},
      {&livre, ids.chaineHTA, L"HTA_Ajout", 3},      {&livre, ids.arcHTA, L"HTA_Ajout", 3},
      {&livre, ids.remontee, L"Accessoire_Ajout", 0}, {&livre, ids.boucle, L"Accessoire_Ajout", 0},
      {&livre, ids.texteBT, L"BT_Ajout", 1},         {&livre, ids.texteHTA, L"HTA_Ajout", 3},
      {&origine, ids.cableSupprime, L"BT_Suppression", 1},
      {&el2, ids.cableEL2, L"BT_Ajout", 1},          {&el2, ids.ligneAccessoireEL2, L"Accessoire_Ajout", 0},
  };
  const auto copies = f.models.at(0).elements();
  ASSERT_EQ(copies.size(), std::size(attendus)) << "nothing of FP2, AR2, the dimension, TLR, statuses 1, 4, 5, 6 "
                                                   "or missing ids";
  std::map<host::ElementId, std::uint32_t> groupes;  // source id -> group in the drawing
  for (std::size_t i = 0; i < copies.size(); ++i) {
    const Attendu& a = attendus[i];
    const host::Element& copie = *copies[i];
    SCOPED_TRACE(testing::Message() << "copy " << i);
    EXPECT_EQ(diff_fixture::nomNiveau(f, copie), a.niveau);
    EXPECT_EQ(copie.colour, a.couleur);
    EXPECT_EQ(copie.weight, 0u);
    EXPECT_EQ(copie.lineStyle, 0);
    for (const host::Element& enfant : copie.children) EXPECT_EQ(diff_fixture::nomNiveau(f, enfant), a.niveau);
    groupes[a.id] = copie.graphicGroup;
    const host::Element* source = a.source->models.at(0).find(a.id);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(copie.type, source->type);
    const std::vector<host::Point3d> attendu = diff_fixture::pointsReprojetes(*source);
    std::vector<host::Point3d> obtenu;
    diff_fixture::pointsDe(copie, obtenu);
    ASSERT_EQ(obtenu.size(), attendu.size());
    ASSERT_FALSE(attendu.empty());
    for (std::size_t k = 0; k < attendu.size(); ++k) {
      EXPECT_NEAR(obtenu[k].x, attendu[k].x, 1.0) << k;
      EXPECT_NEAR(obtenu[k].y, attendu[k].y, 1.0) << k;
    }
  }
  // One new number per source group of a plan; the second plan's same source numbers get new ones.
  const std::uint32_t bt = groupes[ids.ligneBT], hta = groupes[ids.chaineHTA];
  EXPECT_NE(bt, 0u);
  EXPECT_NE(bt, pf::IdsDifferences{}.groupeBT);
  EXPECT_EQ(groupes[ids.texteBT], bt);
  EXPECT_EQ(groupes[ids.texteHTA], hta);
  const std::set<std::uint32_t> nouveaux{bt, hta, groupes[ids.cableEL2], groupes[ids.ligneAccessoireEL2]};
  EXPECT_EQ(nouveaux.size(), 4u);
  EXPECT_FALSE(nouveaux.contains(0u));
  for (host::ElementId sansGroupe : {ids.coffret, ids.chaineBT, ids.arcBT, ids.cableSupprime})
    EXPECT_EQ(groupes[sansGroupe], 0u) << sansGroupe;
  EXPECT_GT(f.header.nextGraphicGroup, *nouveaux.rbegin()) << "the counter is given back";
}

TEST_F(DessinDifferences, ASecondRunReplacesTheFirstDrawing) {
  remplirEcarts();
  diff_ecrireDifferences(appTolvek.dossier);
  for (verplan& p : appTolvek.dossier.plans) p.ecarts.clear();
  host::messages::clearLog();
  diff_ecrireDifferences(appTolvek.dossier);
  EXPECT_THAT(sorties(), ElementsAre(succes()));
  const host::DesignFile f = relire(dessin());
  EXPECT_TRUE(f.models.at(0).elements().empty());
  std::size_t niveaux = 0;
  for (const host::Level& l : f.levels) niveaux += l.name.find(L"_Ajout") != std::wstring::npos;
  EXPECT_EQ(niveaux, 4u) << "the levels are not made twice";
}

TEST_F(DessinDifferences, TheActiveFileIsNeverReplaced) {
  diff_ecrireDifferences(appTolvek.dossier);
  ASSERT_EQ(host::openActiveFile(dessin()), host::kSuccess);
  const std::string avant = pf::sha256(host::paths::toNative(dessin()).string());
  remplirEcarts();
  host::messages::clearLog();
  diff_ecrireDifferences(appTolvek.dossier);
  EXPECT_THAT(sorties(), ElementsAre(L"[list] Impossible de remplacer le fichier " + dessin() +
                                     L", qui est le fichier actif."));
  EXPECT_EQ(pf::sha256(host::paths::toNative(dessin()).string()), avant);
  EXPECT_TRUE(host::model(host::activeModel())->elements().empty());
}

TEST_F(DessinDifferences, AFolderInTheDrawingsPlaceGivesOnlyTheCopysMessage) {
  fs::create_directories(host::paths::toNative(dessin()));
  remplirEcarts();
  diff_ecrireDifferences(appTolvek.dossier);
  const auto textes = sorties();
  ASSERT_EQ(textes.size(), 1u);
  EXPECT_THAT(textes[0], ::testing::StartsWith(L"[box] Impossible de copier le fichier "));
  EXPECT_TRUE(fs::is_directory(host::paths::toNative(dessin())));
}

// While it lives, no file of the process may grow beyond `octets`: a write past it fails, as on a
// full disk, instead of raising SIGXFSZ. Root is held to it too.
class LimiteTailleFichiers {
 public:
  explicit LimiteTailleFichiers(std::uintmax_t octets) {
    getrlimit(RLIMIT_FSIZE, &avant_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant_;
    limite.rlim_cur = static_cast<rlim_t>(octets);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
  }
  ~LimiteTailleFichiers() {
    setrlimit(RLIMIT_FSIZE, &avant_);
    std::signal(SIGXFSZ, signal_);
  }
  LimiteTailleFichiers(const LimiteTailleFichiers&) = delete;
  LimiteTailleFichiers& operator=(const LimiteTailleFichiers&) = delete;

 private:
  rlimit avant_{};
  void (*signal_)(int) = SIG_DFL;
};

// Failures after the prototype's copy: a copy the host cannot open, and a drawing that cannot be
// written back when it is closed, at the preparation or after the copies. Each is named in the
// message list, no success is announced, nothing stays open, and the file on disk is whole: the
// last state that was written, never a half-written drawing.
TEST_F(DessinDifferences, AFailureAfterTheCopyIsNamedAndNoSuccessIsAnnounced) {
  const fs::path fichier = host::paths::toNative(dessin());
  const std::wstring prototype = appTolvek.cheminPrototype;
  const std::wstring nonDessin = dir.wstring() + L"/NonDessin.dgn";
  fs::ofstream(host::paths::toNative(nonDessin)) << "pas un dessin";
  const std::wstring ecriture = L"[list] Impossible d'\u00e9crire le fichier " + dessin() + L".";
  enum Etape { Ouverture, Preparation, Copies };
  struct Cas {
    const char* pourquoi;
    Etape etape;
    std::wstring message;
  };
  const Cas cas[] = {
      {"a prototype that is no design file", Ouverture, L"[list] Impossible d'ouvrir le fichier " + dessin() + L"."},
      {"the levels cannot be written back", Preparation, ecriture},
      {"the copies cannot be written back", Copies, ecriture},
  };
  const auto entrees = [&] {
    std::set<fs::path> noms;
    for (const auto& e : fs::directory_iterator(fichier.parent_path())) noms.insert(e.path().filename());
    return noms;
  };
  std::set<fs::path> dossierRapport = entrees();
  dossierRapport.insert(fichier.filename());
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    remplirEcarts();
    appTolvek.cheminPrototype = c.etape == Ouverture ? nonDessin : prototype;
    if (c.etape == Copies) {
      ASSERT_EQ(diff_preparerFichier(dessin()), 0);
    }
    // What the file holds when the command fails: the prototype's copy, or the prepared drawing.
    const fs::path attendu = c.etape == Copies ? fichier : host::paths::toNative(appTolvek.cheminPrototype);
    const std::string avant = pf::sha256(attendu.string());
    host::messages::clearLog();
    {
      // That file fits exactly; a larger one does not.
      LimiteTailleFichiers limite(c.etape == Ouverture ? std::uintmax_t(RLIM_INFINITY) : fs::file_size(attendu));
      diff_ecrireDifferences(appTolvek.dossier);
    }
    EXPECT_THAT(sorties(), ElementsAre(c.message));
    EXPECT_EQ(host::openWorkFileCount(), 0u);
    EXPECT_EQ(pf::sha256(fichier.string()), avant) << "the last whole state";
    EXPECT_EQ(entrees(), dossierRapport) << "no temporary file left";
    for (verplan& p : appTolvek.dossier.plans) p.ecarts.clear();
  }
  appTolvek.cheminPrototype = prototype;
}

TEST_F(DessinDifferences, AReadOnlyPrototypeStillGivesAWritableDrawing) {
  const fs::path prototype = host::paths::toNative(appTolvek.cheminPrototype);
  fs::permissions(prototype, fs::owner_read | fs::group_read | fs::others_read);
  remplirEcarts();
  diff_ecrireDifferences(appTolvek.dossier);
  EXPECT_THAT(sorties(), ElementsAre(succes()));
  EXPECT_FALSE(relire(dessin()).models.at(0).elements().empty());
  EXPECT_TRUE((fs::status(prototype).permissions() & fs::owner_write) == 0) << "the prototype is left as it was";
}

TEST_F(DessinDifferences, RefusedLevelsAndElementsAreNamedAndTheDrawingIsStillClosed) {
  remplirEcarts();
  host::setRefuseAdditions(true);
  diff_ecrireDifferences(appTolvek.dossier);
  host::setRefuseAdditions(false);
  std::vector<std::wstring> attendu;
  for (const wchar_t* n : diff_niveaux()) attendu.push_back(L"[list] Impossible de cr\u00e9er le niveau " + std::wstring(n) + L".");
  attendu.push_back(succes());
  EXPECT_EQ(sorties(), attendu);
  EXPECT_TRUE(relire(dessin()).models.at(0).elements().empty());
  EXPECT_EQ(host::openWorkFileCount(), 0u) << "every file closed";
}

// Without a transform (a projection name empty or unknown) the copies keep the plan's
// coordinates; the drawing keeps the prototype's system when the folder's is unknown.
TEST_F(DessinDifferences, AProjectionThatCannotBeUsedLeavesTheCopiesInThePlansCoordinates) {
  for (const auto& [dossier, planProjection] : {std::pair{L"INCONNUE", L"RGF93.CC47"}, std::pair{L"", L"RGF93.CC47"},
                                                std::pair{L"IGN-RGF93", L""}}) {
    SCOPED_TRACE(testing::Message() << std::wstring(dossier).size() << " " << std::wstring(planProjection).size());
    appTolvek.dossier.projection = dossier;
    for (verplan& p : appTolvek.dossier.plans) p.projection = planProjection;
    verplan& unique = plan(pf::differencesUnique);
    unique.ecarts = {ecart(2, 1, ids.chaineBT, 0)};
    copierPlans();
    const host::DesignFile f = relire(dessin());
    const host::DesignFile livre = relire(chemins.livre + L"/" + pf::differencesUnique);
    ASSERT_EQ(f.models.at(0).elements().size(), 1u);
    EXPECT_EQ(f.models.at(0).elements()[0]->points, livre.models.at(0).find(ids.chaineBT)->points);
    if (std::wstring(dossier) != L"IGN-RGF93") {
      EXPECT_FALSE(f.header.coordinateSystem.has_value());
    }
  }
}

TEST_F(DessinDifferences, AMissingPreviousVersionLosesOnlyTheRemovalsAndAMissingDeliveredFileTheWholePlan) {
  remplirEcarts();
  fs::remove(host::paths::toNative(chemins.origine + L"/" + pf::differencesUnique));
  fs::remove(host::paths::toNative(chemins.livre + L"/" + pf::differencesTrois + L".EL2"));
  copierPlans();
  EXPECT_EQ(relire(dessin()).models.at(0).elements().size(), ids.ajoutsUnique().size());
  EXPECT_EQ(host::openWorkFileCount(), 0u);
}

// Elements a delivered file may hold that have no place or no geometry in the drawing: each is
// classified by its level and copied or left out, nothing stops the run.
TEST_F(DessinDifferences, UnusualElementsAreCopiedOrLeftOutWithoutStoppingTheRun) {
  const std::wstring chemin = chemins.livre + L"/" + pf::differencesUnique;
  host::DesignFile f = relire(chemin);
  const host::LevelId bt = *f.levelId(L"R\u00e9seauBT");
  const host::Point3d p = f.models.at(0).find(ids.cableBT2)->points.front();
  host::Element partagee = host::fixture::sharedCell(L"JONBT", p, host::Range3d{p, p + host::Point3d{10, 10, 0}});
  partagee.level = bt;
  host::Element donnees = host::fixture::data({1, 2, 3});
  donnees.level = bt;
  host::Element nulle = host::fixture::line(p, p);
  nulle.level = bt;
  host::Element sansNom = host::fixture::line(p, p + host::Point3d{1000, 0, 0});
  sansNom.level = 4242;
  std::vector<host::ElementId> ajoutes;
  for (const host::Element& e : {partagee, donnees, nulle, sansNom}) ajoutes.push_back(f.add(0, e));
  ASSERT_TRUE(f.save(host::paths::toNative(chemin)));
  verplan& unique = plan(pf::differencesUnique);
  for (host::ElementId id : ajoutes) unique.ecarts.push_back(ecart(2, 1, id, 0));
  copierPlans();
  const host::DesignFile copie = relire(dessin());
  std::vector<int> types;
  for (const host::Element* e : copie.models.at(0).elements()) types.push_back(e->type);
  // The shared cell is an accessory, the data element and the zero-length line sit on a BT level;
  // the line on a level the file does not name is left out.
  EXPECT_THAT(types, ElementsAre(35, 66, 3));
  EXPECT_EQ(host::openWorkFileCount(), 0u);
}

// The group table of a plan does not tell the delivered file from the previous one: a removed
// element under the source number of added ones joins their new group.
TEST_F(DessinDifferences, AnAddedAndARemovedElementUnderOneSourceGroupShareTheirNewGroup) {
  const std::wstring chemin = chemins.origine + L"/" + pf::differencesUnique;
  host::DesignFile f = relire(chemin);
  host::Element cable = *f.models.at(0).find(ids.cableSupprime);
  cable.graphicGroup = ids.groupeBT;
  ASSERT_TRUE(f.models.at(0).replace(cable));
  ASSERT_TRUE(f.save(host::paths::toNative(chemin)));
  plan(pf::differencesUnique).ecarts = {ecart(2, 1, ids.ligneBT, 0), ecart(3, 1, 0, ids.cableSupprime),
                                        ecart(2, 1, ids.texteBT, 0), ecart(2, 1, ids.chaineHTA, 0)};
  copierPlans();
  const host::DesignFile copie = relire(dessin());
  std::vector<std::uint32_t> groupes;
  for (const host::Element* e : copie.models.at(0).elements()) groupes.push_back(e->graphicGroup);
  ASSERT_EQ(groupes.size(), 4u);
  EXPECT_NE(groupes[0], 0u);
  EXPECT_EQ(groupes[1], groupes[0]);
  EXPECT_EQ(groupes[2], groupes[0]);
  EXPECT_EQ(groupes[3], groupes[0] + 1) << "the next number for the next source group";
}

}  // namespace
