#include "harnais_cartouche.h"

#include <boost/filesystem.hpp>

#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "engine/plan_verifier.h"
#include "host/clock.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "toolbox/stb_dgn.h"

namespace harnais {

std::vector<std::uint32_t> Passage::codes() const {
  std::vector<std::uint32_t> c;
  for (const vererreur& e : erreurs) c.push_back(e.code);
  return c;
}

std::vector<std::wstring> Passage::complements() const {
  std::vector<std::wstring> c;
  for (const vererreur& e : erreurs) c.push_back(e.complement);
  return c;
}

Passage passer(const vercontexte& contexte, const std::wstring& repertoire, const std::wstring& nom, std::int32_t type,
               std::int32_t version) {
  Passage p;
  plan_construire(p.fichiers, nom, type, version, L"RGF93.CC47", repertoire + L"/");
  for (verfichier& f : p.fichiers.fichiers)
    if (f.existe) stbDgn_ouvrirFichier(&f.modele, nullptr, nullptr, f.chemin, L"", true);
  vercontexte copie = contexte;
  p.resultat = etape_cartouche(p.erreurs, copie, p.fichiers);
  for (verfichier& f : p.fichiers.fichiers)
    if (f.modele) {
      stbDgn_fermerFichier(f.modele);
      f.modele = host::ModelRef{};
    }
  return p;
}

std::array<std::int32_t, 6> piloter(vercontexte& contexte, const std::wstring& nom, std::int32_t type,
                                    drapeauxVerification drapeaux) {
  verplan plan;
  plan.nom = nom;
  plan.type = type;
  plan.version = 1;
  plan_verifier(plan, 1, contexte, drapeaux);
  return plan.statuts;
}

void deplacer(host::fixture::DesignBuilder& fichier, host::ElementId id, const host::Point3d& deplacement) {
  host::Model& modele = fichier.file().models.front();
  const host::Element* e = modele.find(id);
  ASSERT_NE(e, nullptr);
  modele.replace(host::transformed(*e, host::Transform{host::RotMatrix::identity(), deplacement}));
}

void Cartouche::SetUp() {
  host::resetModels();
  const boost::filesystem::path d = boost::filesystem::current_path() / "cartouche" /
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  boost::filesystem::remove_all(d);
  boost::filesystem::create_directories(d);
  ASSERT_TRUE(plan_fixture::parametrerContexte(contexte, host::paths::fromNative(d / "Parametres")));
  ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 12, 0, 0));
}

void Cartouche::TearDown() {
  host::clock::useSystem();
  EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open";
  boost::filesystem::remove_all(boost::filesystem::current_path() / "cartouche" /
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

std::wstring Cartouche::dossier(const std::wstring& sous) const {
  const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::wstring d = host::paths::fromNative(boost::filesystem::current_path()) + L"/cartouche/" +
                   std::wstring(nom.begin(), nom.end()) + L"/Livre";
  return sous.empty() ? d : d + L"/" + sous;
}

}  // namespace harnais
