#include "toolbox/stb_proj.h"

#include <gtest/gtest.h>

#include <limits>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

verprojection projection(const std::wstring& cle) {
  verprojection p;
  p.cleSysteme = cle;
  return p;
}

class StbProj : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dir = fs::current_path() / (std::string("proj_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    plan(L"CC47.dgn", L"RGF93.CC47");
    plan(L"Sans.dgn", L"");
    plan(L"Inconnu.dgn", L"NTF.Lambert-9");
    plan(L"Lecture.dgn", L"RGF93.CC47");
    fs::permissions(dir / "Lecture.dgn", fs::owner_read | fs::group_read | fs::others_read);
  }
  void TearDown() override { host::resetModels(); }
  std::wstring chemin(const std::wstring& nom) const { return host::fixture::large(dir / host::paths::toNative(nom)); }
  void plan(const std::wstring& nom, const std::wstring& cle) {
    fx::DesignBuilder b;
    if (!cle.empty()) b.header().coordinateSystem = cle;
    b.add(fx::line({0, 0, 0}, {1000, 0, 0}));
    ASSERT_TRUE(b.save(chemin(nom)));
  }
  std::wstring cleSurDisque(const std::wstring& nom) {
    host::ModelRef m;
    if (host::openWorkFile(&m, nullptr, nullptr, chemin(nom), L"", true) != host::kSuccess) return L"?";
    const std::wstring cle = host::coordinateSystemKey(m);
    host::closeWorkFile(m);
    return cle;
  }
  fs::path dir;
};

TEST_F(StbProj, NomSystemeOfAFileOrAModel) {
  struct Cas {
    const wchar_t* fichier;
    const wchar_t* attendu;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"CC47.dgn", L"RGF93.CC47", "the file's key is its display name"},
      {L"cc47.DGN", L"RGF93.CC47", "file name without case"},
      {L"Sans.dgn", L"", "no coordinate system"},
      {L"Inconnu.dgn", L"", "a key the host does not know"},
      {L"Absent.dgn", L"", "no such file"},
      {L"", L"", "neither model nor path"},
  };
  for (const auto& c : cas) {
    std::wstring nom = L"ancien";
    EXPECT_EQ(stbProj_nomSysteme(nom, host::ModelRef{}, *c.fichier ? chemin(c.fichier) : L""), c.attendu) << c.pourquoi;
    EXPECT_EQ(host::openWorkFileCount(), 0u) << c.pourquoi;
  }
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin(L"CC47.dgn"), L"", true), host::kSuccess);
  std::wstring nom;
  EXPECT_EQ(stbProj_nomSysteme(nom, m, chemin(L"Sans.dgn")), L"RGF93.CC47") << "the model wins over the path";
  EXPECT_TRUE(host::isValid(m)) << "a model given is not closed";
  host::closeWorkFile(m);
}

TEST_F(StbProj, AffecterSystemeToAFile) {
  struct Cas {
    const wchar_t* fichier;
    const wchar_t* cle;
    int attendu;
    const wchar_t* cleApres;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"CC47.dgn", L"RGF93.CC47", 0, L"RGF93.CC47", "already carried"},
      {L"Lecture.dgn", L"RGF93.CC47", 0, L"RGF93.CC47", "already carried by a read-only file: not opened for writing"},
      {L"Lecture.dgn", L"IGN-RGF93", 0x8000, L"RGF93.CC47", "read-only file"},
      {L"Sans.dgn", L"EPSG:2975", 0, L"EPSG:2975", "written and saved"},
      {L"Inconnu.dgn", L"IGN-RGF93", 0, L"IGN-RGF93", "an unknown key is replaced"},
      {L"CC47.dgn", L"rgf93.cc47", 0x8000, L"RGF93.CC47", "keys compare with case, and this one is unknown"},
      {L"CC47.dgn", L"NTF.Lambert-9", 0x8000, L"RGF93.CC47", "unknown key"},
      {L"CC47.dgn", L"", 0x8000, L"RGF93.CC47", "empty key"},
      {L"Absent.dgn", L"IGN-RGF93", 0x8000, L"?", "no such file"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(stbProj_affecterSysteme(projection(c.cle), host::ModelRef{}, chemin(c.fichier)), c.attendu) << c.pourquoi;
    EXPECT_EQ(host::openWorkFileCount(), 0u) << c.pourquoi;
    EXPECT_EQ(cleSurDisque(c.fichier), c.cleApres) << c.pourquoi;
  }
  EXPECT_EQ(stbProj_affecterSysteme(projection(L"IGN-RGF93"), host::ModelRef{}, L""), 0x8000) << "no target";
}

TEST_F(StbProj, AffecterSystemeToAModel) {
  host::ModelRef lecture, ecriture;
  ASSERT_EQ(host::openWorkFile(&lecture, nullptr, nullptr, chemin(L"Sans.dgn"), L"", true), host::kSuccess);
  EXPECT_EQ(stbProj_affecterSysteme(projection(L"IGN-RGF93"), lecture, L""), 0x8000) << "read-only model";
  ASSERT_EQ(host::openWorkFile(&ecriture, nullptr, nullptr, chemin(L"Sans.dgn"), L"", false), host::kSuccess);
  EXPECT_EQ(stbProj_affecterSysteme(projection(L"IGN-RGF93"), ecriture, L""), 0);
  EXPECT_EQ(host::coordinateSystemKey(ecriture), L"IGN-RGF93");
  EXPECT_TRUE(host::isValid(ecriture)) << "the caller's model stays open";
  host::closeWorkFile(lecture);
  host::closeWorkFile(ecriture);
  EXPECT_EQ(cleSurDisque(L"Sans.dgn"), L"IGN-RGF93");

  // The active file is changed in place and never closed.
  ASSERT_EQ(host::openActiveFile(chemin(L"CC47.dgn")), host::kSuccess);
  EXPECT_EQ(stbProj_affecterSysteme(projection(L"EPSG:32620"), host::ModelRef{}, chemin(L"CC47.dgn")), 0);
  EXPECT_EQ(host::coordinateSystemKey(host::activeModel()), L"EPSG:32620");
  EXPECT_TRUE(host::isValid(host::activeModel()));
}

TEST_F(StbProj, ReprojeterMovesPointsOnlyBetweenKnownKeys) {
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin(L"CC47.dgn"), L"", true), host::kSuccess);
  // Lambert 93's own origin, 3 degrees east and 46.5 north; degrees count as master units.
  const std::vector<host::Point3d> depart = {{700000000.0, 6600000000.0, 5.0}};
  std::vector<host::Point3d> points = depart;
  EXPECT_EQ(stbProj_reprojeter(points, projection(L"IGN-RGF93"), projection(L"EPSG:4326"), m), 0);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_NEAR(points[0].x, 3000.0, 1e-3);
  EXPECT_NEAR(points[0].y, 46500.0, 1e-3);
  EXPECT_EQ(points[0].z, 5.0);

  struct Cas {
    const wchar_t* source;
    const wchar_t* cible;
    host::ModelRef modele;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"IGN-RGF93", L"NTF.Lambert-9", m, "unknown target key"},
      {L"XX", L"EPSG:4326", m, "unknown source key"},
      {L"", L"EPSG:4326", m, "empty source key"},
      {L"IGN-RGF93", L"", m, "empty target key"},
      {L"IGN-RGF93", L"EPSG:4326", host::ModelRef{}, "no model"},
  };
  for (const auto& c : cas) {
    points = depart;
    EXPECT_EQ(stbProj_reprojeter(points, projection(c.source), projection(c.cible), c.modele), 0x8000) << c.pourquoi;
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x, depart[0].x) << c.pourquoi;
    EXPECT_EQ(points[0].y, depart[0].y) << c.pourquoi;
  }
  points.clear();
  EXPECT_EQ(stbProj_reprojeter(points, projection(L"IGN-RGF93"), projection(L"EPSG:4326"), m), 0);
  EXPECT_TRUE(points.empty());
  host::closeWorkFile(m);
}

TEST_F(StbProj, ReprojeterPointReportsWhatPROJRefuses) {
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin(L"CC47.dgn"), L"", true), host::kSuccess);
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  // Degrees in UORs (1000 per master unit): the point itself is the output, z kept.
  host::Point3d p{3000.0, 46500.0, 7.0};
  EXPECT_EQ(stbProj_reprojeterPoint(p, p, projection(L"EPSG:4326"), projection(L"IGN-RGF93"), m), 0);
  EXPECT_NEAR(p.x, 700000000.0, 1.0);
  EXPECT_NEAR(p.y, 6600000000.0, 1.0);
  EXPECT_EQ(p.z, 7.0);
  struct Cas {
    host::Point3d entree;
    const char* pourquoi;
  };
  const Cas refuses[] = {
      {{3000.0, 95000.0, 0.0}, "latitude of 95 degrees"},
      {{nan, 46500.0, 0.0}, "not a number"},
      {{inf, 46500.0, 0.0}, "infinite"},
  };
  for (const auto& c : refuses) {
    host::Point3d sortie{1.0, 2.0, 3.0};
    EXPECT_EQ(stbProj_reprojeterPoint(sortie, c.entree, projection(L"EPSG:4326"), projection(L"IGN-RGF93"), m), 0x8000)
        << c.pourquoi;
    EXPECT_EQ(sortie, (host::Point3d{1.0, 2.0, 3.0})) << c.pourquoi;
  }
  host::closeWorkFile(m);
}

}  // namespace
