// A delivery folder made in code goes through the per-plan driver as a list verification does:
// the statuses and errors of each plan, the reports byte for byte against expected files, and
// nothing delivered touched. The folder record is built by hand.
#include <gtest/gtest.h>


#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include <boost/filesystem.hpp>

#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "engine/rapport.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace {

namespace fs = boost::filesystem;
using host::fixture::DesignBuilder;

const std::wstring stem = L"ABC-47-00120-00650-07-B-1";
// The clean plans of the fixture: a one-file plan and a three-file plan.
const std::wstring propreUnique = L"44010450.109";
const std::wstring propreTrois = L"QRL-47-00193-01246-03-D-24";

struct planLivre {
  std::wstring nom;
  std::int32_t type;
  std::array<std::int32_t, 6> statuts;
  std::vector<std::uint32_t> codes;
};

// The plans of the folder in the order of the listing, with what their verification gives.
const std::vector<planLivre>& plansAttendus() {
  static const std::vector<planLivre> plans = {
      {L"FORMAT01.DGN", 1, {1, 0, -1, -1, -1, -1}, {1007}},
      {L"ILLISI01.DGN", 1, {1, 0, -1, -1, -1, -1}, {2012, 2012}},  // file check, then level check
      {L"MODELE01.DGN", 1, {1, 0, -1, -1, -1, -1}, {1010}},
      {L"ORIGIN01.DGN", 1, {1, 0, -1, -1, -1, -1}, {1003}},
      {propreUnique, 1, {0, 2, 0, -1, -1, -1}, {}},
      {L"TROISD01.DGN", 1, {1, 0, -1, -1, -1, -1}, {1004}},
      {L"UNITES01.DGN", 1, {1, 0, -1, -1, -1, -1}, {1001}},
      {propreTrois, 2, {0, 2, -1, 0, 0, 0}, {}},
      {stem + L"4", 2, {1, 0, -1, -1, -1, -1}, {1008}},
      {stem + L"5", 2, {2, 0, -1, -1, -1, -1}, {2011}},
      {stem + L"6", 2, {1, 0, -1, -1, -1, -1}, {1004}},
  };
  return plans;
}


std::string lire(const fs::path& fichier) {
  std::ifstream in(fichier.string(), std::ios::binary);
  std::ostringstream contenu;
  contenu << in.rdbuf();
  return contenu.str();
}

// ISO 8859-1 bytes of a wide string (the folder's paths here are ASCII).
std::string latin1(const std::wstring& texte) {
  std::string s;
  for (const wchar_t c : texte) s += static_cast<char>(c);
  return s;
}

// An expected file of tests/data/livraison, with "<LIVRE>" standing for the upper-cased Livre path.
std::string attendu(const std::string& nom, const std::wstring& livre) {
  std::string texte = lire(fs::path(TEST_SOURCE_DIR) / "data" / "livraison" / nom);
  const std::string marque = "<LIVRE>";
  for (std::size_t p = texte.find(marque); p != std::string::npos; p = texte.find(marque))
    texte.replace(p, marque.size(), latin1(livre));
  return texte;
}

class DossierLivraison : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) ancienTz_ = tz;
    setenv("TZ", "UTC", 1);  // the summary's dates are local times
    tzset();
    racine_ = fs::current_path() / "DossierLivraison";
    fs::remove_all(racine_);
    const std::wstring r = host::paths::fromNative(racine_) + L"/";
    ASSERT_TRUE(plan_fixture::parametrerContexte(contexte_, r + L"Parametres"));
    dossier_.nom = L"DossierLivraison";
    dossier_.initialise = true;
    dossier_.repertoire = r + L"Dossier/";
    dossier_.repLivre = dossier_.repertoire + L"Livre/";
    dossier_.repOrigine = dossier_.repertoire + L"Origine/";
    dossier_.repRapport = dossier_.repertoire + L"Rapport/";
    dossier_.repErreur = dossier_.repRapport + L"Erreur/";
    dossier_.repComparaison = dossier_.repRapport + L"Comparaison/";
    dossier_.repParametres = r + L"Parametres/";
    dossier_.fichierBilan = dossier_.repRapport + L"DossierLivraison_Bilan.csv";
    for (const std::wstring* d : {&dossier_.repLivre, &dossier_.repOrigine, &dossier_.repErreur, &dossier_.repComparaison})
      fs::create_directories(host::paths::toNative(*d));
    livrer();
    contexte_.nom = dossier_.nom;
    contexte_.initialise = true;
    contexte_.repertoire = dossier_.repertoire;
    contexte_.repLivre = dossier_.repLivre;
    contexte_.repOrigine = dossier_.repOrigine;
    contexte_.repRapport = dossier_.repRapport;
    contexte_.repErreur = dossier_.repErreur;
    contexte_.repComparaison = dossier_.repComparaison;
    contexte_.repParametres = dossier_.repParametres;
    contexte_.fichierBilan = dossier_.fichierBilan;
  }
  void TearDown() override {
    if (ancienTz_.empty())
      unsetenv("TZ");
    else
      setenv("TZ", ancienTz_.c_str(), 1);
    tzset();
  }

  void ecrire(const std::wstring& dossier, const std::wstring& nom,
              const std::function<void(DesignBuilder&)>& defaut = {}) const {
    DesignBuilder b;
    plan_fixture::definirNiveaux(b, nom);
    b.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
    if (defaut) defaut(b);
    ASSERT_TRUE(b.save(dossier + nom));
    fs::last_write_time(host::paths::toNative(dossier + nom), plan_fixture::dateLivraison);
  }

  void livrer() const {
    const std::wstring& l = dossier_.repLivre;
    ecrire(l, L"format01.dgn", [](DesignBuilder& b) { b.header().fileFormat = 3; });
    {
      const fs::path illisible = host::paths::toNative(l + L"ILLISI01.DGN");
      std::ofstream(illisible.string()) << "{ pas un dessin";
      fs::last_write_time(illisible, plan_fixture::dateLivraison);
    }
    ecrire(l, L"MODELE01.DGN", [](DesignBuilder& b) { b.model(L"Second"); });
    ecrire(l, L"ORIGIN01.DGN", [](DesignBuilder& b) { b.header().globalOrigin = {5.0, 0.0, 0.0}; });
    ASSERT_TRUE(plan_fixture::livrerPropres(l));
    ecrire(l, L"TROISD01.DGN", [](DesignBuilder& b) { b.header().is3d = true; });
    ecrire(l, L"UNITES01.DGN", [](DesignBuilder& b) { b.header().subPerMaster = 100.0; });
    for (const wchar_t* ext : {L".FP2", L".EL2", L".AR2"}) {
      ecrire(l, stem + L"4" + ext);
      ecrire(l, stem + L"6" + ext, [ext](DesignBuilder& b) { b.header().is3d = std::wstring(ext) == L".EL2"; });
    }
    ecrire(l, stem + L"4.GZ2");
    ecrire(l, stem + L"5.EL2");
    ecrire(l, stem + L"5.AR2");
    // The previous versions of the clean plans, left alone by a verification.
    ASSERT_TRUE(plan_fixture::livrerPropres(dossier_.repOrigine));
    for (const std::wstring* d : {&l, &dossier_.repOrigine}) ASSERT_TRUE(plan_fixture::dater(*d));
  }

  // What a list verification does with each plan: the driver (verify and compare), then the
  // plan's errors CSV and its summary row.
  void verifierTout() {
    for (const planLivre& p : plansAttendus()) {
      verplan plan;
      plan.nom = p.nom;
      plan.type = p.type;
      plan.version = 1;
      plan.fichierCompare = dossier_.repComparaison + p.nom + L"_Compare.csv";
      plan_verifier(plan, 2, contexte_, drapeauSansSignature);
      rapport_ecrireErreurs(plan, dossier_.repErreur);
      rapport_ecrireBilan(plan, dossier_);
      dossier_.plans.push_back(std::move(plan));
    }
  }

  fs::path rapport(const std::wstring& chemin) const { return host::paths::resolve(chemin); }

  fs::path racine_;
  std::string ancienTz_;
  verdossier dossier_;
  vercontexte contexte_;
};

TEST_F(DossierLivraison, EveryPlanGetsItsStatusesErrorsAndReports) {
  const fs::path livre = host::paths::toNative(dossier_.repLivre);
  const fs::path origine = host::paths::toNative(dossier_.repOrigine);
  const auto avant = plan_fixture::empreintes({livre.string(), origine.string()});
  verifierTout();
  EXPECT_EQ(plan_fixture::empreintes({livre.string(), origine.string()}), avant) << "a delivered file was modified";

  ASSERT_EQ(dossier_.plans.size(), plansAttendus().size());
  for (std::size_t i = 0; i < plansAttendus().size(); ++i) {
    const planLivre& p = plansAttendus()[i];
    const verplan& plan = dossier_.plans[i];
    SCOPED_TRACE(testing::PrintToString(p.nom));
    EXPECT_EQ(plan.statuts, p.statuts);
    std::vector<std::uint32_t> codes;
    for (const vererreur& e : plan.erreurs) codes.push_back(e.code);
    EXPECT_EQ(codes, p.codes);
    // A plan without errors has no errors CSV; the compare CSV is written once the files are open.
    EXPECT_EQ(fs::exists(rapport(dossier_.repErreur + p.nom + L"_Erreurs.csv")), !p.codes.empty());
    EXPECT_EQ(fs::exists(rapport(plan.fichierCompare)), p.statuts[1] == 2);
  }

  // Paths in the reports stand as on disk.
  const std::wstring repLivre = dossier_.repLivre;
  EXPECT_EQ(lire(rapport(dossier_.fichierBilan)), attendu("DossierLivraison_Bilan.csv", repLivre));
  EXPECT_EQ(lire(rapport(dossier_.repErreur + L"ORIGIN01.DGN_Erreurs.csv")),
            attendu("ORIGIN01.DGN_Erreurs.csv", repLivre));
  EXPECT_EQ(lire(rapport(dossier_.repErreur + stem + L"4_Erreurs.csv")),
            attendu("ABC-47-00120-00650-07-B-14_Erreurs.csv", repLivre));
  EXPECT_EQ(lire(rapport(dossier_.repComparaison + propreUnique + L"_Compare.csv")),
            attendu("Plan_Compare.csv", repLivre));
}

}  // namespace
