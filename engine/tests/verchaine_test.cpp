// Shared strings of the records: one copy per distinct text, read and compared as a std::wstring.
#include "engine/verchaine.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "engine/erreur.h"

namespace {

TEST(VerChaine, EqualTextsShareOneCopyThatOutlivesItsSource) {
  verchaine a;
  {
    std::wstring source = L"NIVEAU_CABLE_HTA";
    a = source;
    source[0] = L'X';  // the record keeps its own text, not the caller's
  }
  const verchaine b = std::wstring(L"NIVEAU_CABLE_HTA");
  EXPECT_EQ(a.c_str(), b.c_str());  // one copy for both records
  EXPECT_EQ(a.str(), L"NIVEAU_CABLE_HTA");
  EXPECT_TRUE(a == b);

  const verchaine c = L"NIVEAU_CABLE_BT";
  EXPECT_NE(c.c_str(), a.c_str());
  EXPECT_FALSE(a == c);
  EXPECT_TRUE(c < a);  // ordered as their texts
}

TEST(VerChaine, ReadsAndComparesAsItsText) {
  verchaine v;
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(v.str(), L"");
  EXPECT_EQ(v.size(), 0u);
  EXPECT_TRUE(v == std::wstring());

  v = L"Câble";
  const std::wstring& lu = v;
  EXPECT_EQ(lu, L"Câble");
  EXPECT_TRUE(v == L"Câble");
  EXPECT_TRUE(std::wstring(L"Câble") == v);
  EXPECT_FALSE(v == L"câble");
  EXPECT_EQ(v.size(), 5u);
  EXPECT_EQ(v + L" HTA", L"Câble HTA");
  EXPECT_EQ(std::wstring(L"Le ") + v, L"Le Câble");
  EXPECT_EQ(std::wstring(v.begin(), v.end()), L"Câble");

  v = std::wstring();  // an empty text empties the record
  EXPECT_TRUE(v.empty());
  v = L"x";
  v.clear();
  EXPECT_TRUE(v == L"");
}

// Plans verified side by side fill their records at once: every thread gets the same copy.
TEST(VerChaine, ThreadsFillingAtOnceGetTheSameCopy) {
  constexpr int kFils = 4;
  constexpr int kParFil = 2000;
  std::vector<std::vector<verchaine>> lus(kFils);
  std::vector<std::thread> fils;
  for (int f = 0; f < kFils; ++f)
    fils.emplace_back([&lus, f] {
      for (int i = 0; i < kParFil; ++i) lus[f].emplace_back(std::wstring(L"FICHIER_") + std::to_wstring(i % 50));
    });
  for (std::thread& t : fils) t.join();
  for (int f = 1; f < kFils; ++f)
    for (int i = 0; i < kParFil; ++i) ASSERT_EQ(lus[f][i].c_str(), lus[0][i].c_str()) << f << " " << i;
  EXPECT_EQ(lus[0][7].str(), L"FICHIER_7");
}

// The findings of one file and one code refer to one file name and one message.
TEST(VerChaine, FindingsOfOneFileAndCodeShareTheirNameAndMessage) {
  std::vector<vererreur> erreurs;
  const host::Point3d p{1.0, 2.0, 0.0};
  erreur_ajouter(erreurs, L"/l/Livre/44010450.109", 1, 4, 2021, &p, L"", L"Topo1");
  erreur_ajouter(erreurs, L"/l/Livre/44010450.109", 2, 4, 2021, &p, L"", L"Topo2");
  ASSERT_EQ(erreurs.size(), 2u);
  EXPECT_EQ(erreurs[0].fichier.c_str(), erreurs[1].fichier.c_str());
  EXPECT_EQ(erreurs[0].message.c_str(), erreurs[1].message.c_str());
  EXPECT_EQ(erreurs[0].fichier, L"44010450.109");
  EXPECT_FALSE(erreurs[0].message.empty());
  EXPECT_EQ(erreurs[1].complement, L"Topo2");
}

}  // namespace
