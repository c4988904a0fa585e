#include "engine/projection.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "engine/fixture/parametres_fixture.h"
#include "toolbox/stb_fichier.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;

namespace {

const std::wstring kIncoherence = L"Incoh\u00e9rences sur les projections des plans du dossier.";

TEST(ProjectionRechercher, CompletesOneFieldFromTheFixedTable) {
  struct Cas {
    const wchar_t* code;
    const wchar_t* cle;
    const wchar_t* codeAttendu;
    const wchar_t* cleAttendue;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"C47", L"", L"C47", L"RGF93.CC47", "key from the short code"},
      {L"c47", L"", L"c47", L"RGF93.CC47", "short code without case, kept as given"},
      {L"U40", L"", L"U40", L"EPSG:2975", "overseas zone"},
      {L"", L"epsg:32620", L"U20", L"epsg:32620", "short code from the key, without case"},
      {L"", L"IGN-RGF93", L"L93", L"IGN-RGF93", "Lambert 93"},
      {L"X99", L"", L"X99", L"", "unknown short code"},
      {L"", L"EPSG:4326", L"", L"EPSG:4326", "a host key outside the table"},
      {L"", L"", L"", L"", "nothing to look up"},
      {L"C47", L"EPSG:2975", L"C47", L"EPSG:2975", "both given: neither is changed"},
  };
  for (const auto& c : cas) {
    const verprojection p = projection_rechercher(c.code, c.cle);
    EXPECT_EQ(p.codeCourt, c.codeAttendu) << c.pourquoi;
    EXPECT_EQ(p.cleSysteme, c.cleAttendue) << c.pourquoi;
    EXPECT_EQ(p.identifiant, -1) << c.pourquoi;
    EXPECT_TRUE(p.libelle.empty() && p.codeZone.empty()) << c.pourquoi;
    EXPECT_EQ(p.epsg, 0) << c.pourquoi;
    EXPECT_TRUE(p.domaine.isNull()) << c.pourquoi;
  }
}

TEST(ProjectionControlerCodes, PlansMustShareOneFamily) {
  struct Cas {
    std::vector<std::wstring> codes;
    std::int32_t attendu;
    const wchar_t* codeDossier;
    const wchar_t* cleDossier;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {{L"C47", L"LZ2"}, 0, L"L93", L"IGN-RGF93", "Lambert zones and conic zones are one family"},
      {{L"C47", L"U20"}, 0x8000, L"L93", L"", "metropolitan and overseas"},
      {{L"L93", L"U40"}, 0, L"U40", L"EPSG:2975", "L93 itself is not counted"},
      {{L"", L"C42", L"", L"c50"}, 0, L"L93", L"IGN-RGF93", "plans without a code take no part"},
      {{L"u22", L"U22"}, 0, L"u22", L"EPSG:2972", "overseas codes compare without case"},
      {{L"U20", L"U22", L"U20"}, 0x8000, L"U20", L"", "two overseas zones"},
      {{L"L93", L"", L"X1"}, 0, L"", L"", "no plan counts"},
      {{}, 0, L"", L"", "no plan"},
  };
  for (const auto& c : cas) {
    verprojection dossier = projection_rechercher(L"U40", L"");
    dossier.libelle = L"ancien";
    std::wstring message;
    EXPECT_EQ(projection_controlerCodes(dossier, message, c.codes), c.attendu) << c.pourquoi;
    EXPECT_EQ(message, c.attendu ? kIncoherence : L"") << c.pourquoi;
    EXPECT_EQ(dossier.codeCourt, c.codeDossier) << c.pourquoi;
    EXPECT_EQ(dossier.cleSysteme, c.cleDossier) << c.pourquoi;
    EXPECT_TRUE(dossier.libelle.empty()) << c.pourquoi;
  }
}

class ProjectionFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::current_path() / (std::string("projfich_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  std::wstring ecrire(const std::wstring& nom, const std::vector<std::wstring>& lignes) {
    const std::wstring chemin = host::fixture::large(dir / host::paths::toNative(nom));
    EXPECT_EQ(stbFichier_ecrireLignes(chemin, lignes), 0);
    return chemin;
  }
  fs::path dir;
};

TEST_F(ProjectionFichiers, ProjectionLinesOfSevenFieldsOrMore) {
  const std::wstring chemin = ecrire(L"Emprise_Projection.ini", {
      L"Lambert 93;C47;47;1000000;6000000;1200000;6400000",
      L"Lambert 93;C48;48;1000000;6100000;1200000",                       // six fields: ignored
      L"",                                                                // ignored
      L" Zone I ;LZ1;;abc;1.5e2;-3;4;en trop;encore",                     // kept as it stands
      L"# commentaire;L93;93;1;2;3;4",                                    // no comment syntax
  });
  std::vector<verprojection> projections(1);  // appended to
  projection_lireFichier(projections, chemin);
  ASSERT_EQ(projections.size(), 4u);
  const verprojection& c47 = projections[1];
  EXPECT_EQ(c47.libelle, L"Lambert 93");
  EXPECT_EQ(c47.codeCourt, L"C47");
  EXPECT_EQ(c47.codeZone, L"47");
  EXPECT_EQ(c47.domaine.low, (host::Point3d{1000000, 6000000, 0}));
  EXPECT_EQ(c47.domaine.high, (host::Point3d{1200000, 6400000, 0}));
  EXPECT_TRUE(c47.cleSysteme.empty()) << "the key is the fixed table's, not the file's";
  EXPECT_EQ(c47.identifiant, -1);
  EXPECT_EQ(c47.type, 1);
  const verprojection& lz1 = projections[2];
  EXPECT_EQ(lz1.libelle, L" Zone I ");
  EXPECT_EQ(lz1.codeZone, L"");
  EXPECT_EQ(lz1.domaine.low, (host::Point3d{0.0, 150.0, 0}));
  EXPECT_EQ(lz1.domaine.high, (host::Point3d{-3.0, 4.0, 0})) << "taken as given, not reordered";
  EXPECT_EQ(projections[3].libelle, L"# commentaire");

  projections.clear();
  projection_lireFichier(projections, host::fixture::large(dir / "Absent.ini"));
  EXPECT_TRUE(projections.empty());
}

TEST_F(ProjectionFichiers, DepartmentLinesOfSixFieldsOrMore) {
  const std::wstring chemin = ecrire(L"Emprise_Dept_Proj.ini", {
      L"# departement;projection;xmin;ymin;xmax;ymax",
      L"69;C46;1780000;5120000;1880000;5230000",
      L"01;C46;1800000",  // three fields: ignored
      L"",
      L"971;U20;620000;1750000;720000;1830000;Guadeloupe",
      L" #2A;LZ4;1;2;3;4",  // "#" only counts as the first character
  });
  std::vector<verdeptproj> relations;
  deptproj_lireFichier(relations, chemin);
  ASSERT_EQ(relations.size(), 3u);
  EXPECT_EQ(relations[0].departement, L"69");
  EXPECT_EQ(relations[0].codeProjection, L"C46");
  EXPECT_EQ(relations[0].etendue.low, (host::Point3d{1780000, 5120000, 0}));
  EXPECT_EQ(relations[0].etendue.high, (host::Point3d{1880000, 5230000, 0}));
  EXPECT_EQ(relations[1].departement, L"971");
  EXPECT_EQ(relations[2].departement, L" #2A");

  relations.clear();
  deptproj_lireFichier(relations, host::fixture::large(dir / "Absent.ini"));
  EXPECT_TRUE(relations.empty());
}

TEST_F(ProjectionFichiers, DossierLireProjectionsAppendsBothFilesOfTheParameterFolder) {
  ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir)));
  vercontexte ctx;
  ctx.fichierProjections = host::fixture::large(dir / "EMPRISE_PROJECTION.INI");  // found without case
  ctx.fichierDeptProj = host::fixture::large(dir / "Emprise_Dept_Proj.ini");
  dossier_lireProjections(ctx);
  ASSERT_EQ(ctx.projections.size(), 17u);
  EXPECT_EQ(ctx.projections[10].codeCourt, L"C47");
  EXPECT_EQ(ctx.deptProjections.size(), plan_fixture::lignesDepartements().size() - 1);

  vercontexte absent;
  absent.fichierProjections = host::fixture::large(dir / "Absent.ini");
  absent.fichierDeptProj = host::fixture::large(dir / "Emprise_Projection.ini");  // 7 fields: 6 are enough for a relation
  dossier_lireProjections(absent);
  EXPECT_TRUE(absent.projections.empty());
  EXPECT_EQ(absent.deptProjections.size(), 17u);
}

TEST(DossierControlerProjections, ReadsThePlanRecordsCodes) {
  struct Cas {
    std::vector<std::wstring> codes;
    std::int32_t attendu;
    const wchar_t* cleDossier;
  };
  const Cas cas[] = {
      {{L"C47", L"LZ2"}, 0, L"IGN-RGF93"},
      {{L"L93", L"U40"}, 0, L"EPSG:2975"},
      {{L"C47", L"U20"}, 0x8000, L""},
  };
  for (const auto& c : cas) {
    vercontexte ctx;
    for (const std::wstring& code : c.codes) {
      verplaninfo plan;
      plan.projection = projection_rechercher(code, L"");
      ctx.planInfos.push_back(plan);
    }
    std::wstring message;
    EXPECT_EQ(dossier_controlerProjections(ctx, message), c.attendu) << c.codes.size();
    EXPECT_EQ(ctx.projectionDossier.cleSysteme, c.cleDossier);
    EXPECT_EQ(message, c.attendu ? kIncoherence : L"");
  }
}

}  // namespace
