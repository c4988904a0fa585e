#include "toolbox/stb_dgn_cellules.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "toolbox/stb_dgn.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

std::vector<std::wstring> noms(const std::vector<stbCellule>& cellules) {
  std::vector<std::wstring> n;
  for (const stbCellule& c : cellules) n.emplace_back(c.nom());
  return n;
}

// The cells of a read-only model are read once and kept while it is open; those of a model that
// may change are read at each call, so that a cell added since is there.
TEST(StbDgnCellules, KeptForAReadOnlyModelReadAgainForAWritableOne) {
  host::resetModels();
  const fs::path dir = fs::current_path() / "dgn_cellules";
  fs::remove_all(dir);
  fs::create_directories(dir);
  fx::DesignBuilder b;
  b.add(fx::cell(L"A4X4", {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})}));
  b.add(fx::line({0, 0, 0}, {5, 5, 0}));
  b.add(fx::cell(L"", {1, 1, 0}, {fx::line({1, 1, 0}, {2, 2, 0})}));
  b.add(fx::cell(std::wstring(600, L'N'), {2, 2, 0}, {fx::line({2, 2, 0}, {3, 3, 0})}));
  const std::wstring plan = host::fixture::large(dir / "Plan.dgn");
  ASSERT_TRUE(b.save(plan));

  host::ModelRef lecture;
  ASSERT_EQ(stbDgn_ouvrirFichier(&lecture, nullptr, nullptr, plan, L"", true), 0);
  const auto cellules = stbDgn_cellules(lecture);
  EXPECT_EQ(noms(*cellules), (std::vector<std::wstring>{L"A4X4", L"", std::wstring(512, L'N')}));
  EXPECT_EQ(stbDgn_cellules(lecture), cellules);  // the same list, not read again

  host::ModelRef ecriture;
  ASSERT_EQ(stbDgn_ouvrirFichier(&ecriture, nullptr, nullptr, plan, L"", false), 0);
  EXPECT_EQ(stbDgn_cellules(ecriture)->size(), 3u);
  ASSERT_NE(host::addElement(ecriture, fx::cell(L"CART2", {3, 3, 0}, {fx::line({3, 3, 0}, {4, 4, 0})})), 0u);
  EXPECT_EQ(noms(*stbDgn_cellules(ecriture)).back(), L"CART2");

  stbDgn_fermerFichier(lecture);
  stbDgn_fermerFichier(ecriture);
  EXPECT_TRUE(stbDgn_cellules(lecture)->empty());  // a closed handle has no cells
  host::resetModels();
}

}  // namespace
