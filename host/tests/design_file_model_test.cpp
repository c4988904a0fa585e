#include <gtest/gtest.h>

#include <random>

#include "host/design_file.h"
#include "host/fixture/design_builder.h"

using namespace host;
namespace fx = host::fixture;

namespace {

// A model of mixed elements spread over a 10 km square.
fx::DesignBuilder randomPlan(unsigned seed, int count) {
  fx::DesignBuilder b;
  for (int l = 1; l <= 8; ++l) b.level(L"L" + std::to_wstring(l));
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> at(0, 10'000'000), small(0, 5000);
  for (int i = 0; i < count; ++i) {
    const Point3d p{at(rng), at(rng), 0};
    const Point3d q{p.x + small(rng), p.y + small(rng), 0};
    fx::Spec s = i % 5 == 0   ? fx::text(L"T", p)
                 : i % 5 == 1 ? fx::cell(L"C", p, {fx::line(p, q)})
                 : i % 5 == 2 ? fx::data({1})
                 : i % 5 == 3 ? fx::arc(p, small(rng), 0, 3)
                              : fx::lineString({p, q, {q.x, p.y, 0}});
    s.level(static_cast<LevelId>(1 + rng() % 8)).group(static_cast<std::uint32_t>(rng() % 20)).elementClass(static_cast<std::int32_t>(rng() % 3));
    b.add(s);
  }
  return b;
}

std::vector<ElementId> ids(const std::vector<const Element*>& elements) {
  std::vector<ElementId> out;
  for (const auto* e : elements) out.push_back(e->id);
  return out;
}

// The indexes are built on first use and kept by edits from then on: edited once scanned, and
// edited as loaded, before any scan.
class IndexedScans : public ::testing::TestWithParam<bool> {};

TEST_P(IndexedScans, FindWhatAWalkFindsInFileOrder) {
  const bool scannedFirst = GetParam();
  auto b = randomPlan(7, 3000);
  if (!scannedFirst) b.file() = *DesignFile::parse(b.file().toJson());
  Model& m = b.file().models[0];
  LevelMask mask;
  mask.setLevel(2);
  mask.setLevel(5);
  std::vector<ScanCriteria> cases(11);
  cases[1].range = Range3d::from({2'000'000, 2'000'000, -1}, {4'000'000, 3'000'000, 1});
  cases[2].types = {ElementType::Text, ElementType::Cell};
  cases[3].levels = {3};
  cases[4].levelMask = mask;
  cases[4].drawnOnly = true;
  cases[5].types = {ElementType::LineString};
  cases[5].levels = {1, 2};
  cases[6].graphicGroup = 0u;
  cases[7].graphicGroup = 11u;
  cases[7].classMask = 1u << 2;
  cases[8].types = {ElementType::Arc};
  cases[8].range = Range3d::from({0, 0, 0}, {5'000'000, 10'000'000, 0});
  cases[8].drawnOnly = true;
  cases[9].range = Range3d{};  // a null range meets nothing
  cases[10].drawnOnly = true;
  cases[10].excludedTypes = {ElementType::Cell};
  auto check = [&](const char* when) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const auto got = ids(m.scan(cases[i]));
      EXPECT_EQ(got, ids(m.scanByWalk(cases[i]))) << when << ", case " << i;
      // File order is position order.
      for (std::size_t k = 1; k < got.size(); ++k)
        EXPECT_LT(m.find(got[k - 1])->filePosition, m.find(got[k])->filePosition);
    }
  };
  if (scannedFirst) {
    // The first range scans walk the stored ranges; the tree answers the later ones.
    for (int round = 0; round < 3; ++round) check("after building");
    EXPECT_FALSE(m.scan(cases[1]).empty());
  }
  // Editing keeps the indexes right: move, re-level and regroup some elements, delete others.
  const auto all = ids(m.elements());
  for (std::size_t i = 0; i < all.size(); i += 7) {
    Element e = *m.find(all[i]);
    if (!e.points.empty()) e.points[0] = {3'000'000, 2'500'000, 0};
    e.level = 3;
    e.graphicGroup = 11;
    ASSERT_TRUE(m.replace(e));
  }
  for (std::size_t i = 3; i < all.size(); i += 11) ASSERT_TRUE(m.remove(all[i]));
  b.add(fx::line({3'000'000, 2'500'000, 0}, {3'000'010, 2'500'010, 0}).level(3).group(11));
  check("after editing");
  EXPECT_FALSE(m.remove(all[3]));  // already gone
}
INSTANTIATE_TEST_SUITE_P(ModelScan, IndexedScans, ::testing::Bool());

// Removing most of a key's elements, and moving elements out of a key and back into it, keep
// every indexed scan equal to a walk.
TEST(ModelScan, HeavyEditingKeepsScansRight) {
  auto b = randomPlan(11, 2000);
  Model& m = b.file().models[0];
  std::vector<ScanCriteria> cases;
  for (std::uint32_t g = 0; g < 20; ++g) cases.emplace_back().graphicGroup = g;
  for (LevelId l = 0; l <= 9; ++l) cases.emplace_back().levels = {l};
  for (int t : {ElementType::Text, ElementType::Cell, ElementType::Arc, ElementType::LineString})
    cases.emplace_back().types = {t};
  LevelMask mask;
  for (int l = 1; l <= 9; l += 2) mask.setLevel(l);
  cases.emplace_back().levelMask = mask;
  auto check = [&](const char* when) {
    for (std::size_t i = 0; i < cases.size(); ++i)
      EXPECT_EQ(ids(m.scan(cases[i])), ids(m.scanByWalk(cases[i]))) << when << ", case " << i;
  };
  check("built");
  const auto all = ids(m.elements());
  // Groups 1 to 19 move to 0 and back (their lists empty out, then fill again), levels move up.
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < all.size(); ++i) {
      Element e = *m.find(all[i]);
      if (pass == 0) e.level += 1;
      e.graphicGroup = pass == 0 ? 0 : static_cast<std::uint32_t>(i % 20);
      ASSERT_TRUE(m.replace(e));
    }
    check(pass == 0 ? "regrouped to 0" : "regrouped back");
  }
  // Three in four removed, texts last: every list is rebuilt on the way.
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i % 4 != 0 && m.find(all[i])->type != ElementType::Text) {
      ASSERT_TRUE(m.remove(all[i]));
    }
  }
  check("mostly removed");
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i % 4 != 0 && m.find(all[i])) {
      ASSERT_TRUE(m.remove(all[i]));
    }
  }
  b.add(fx::text(L"T", {1, 1, 0}).level(9).group(7));
  check("texts removed, one added");
  EXPECT_EQ(m.size(), all.size() / 4 + 1);
}

TEST(ModelScan, FindsByIdAndByPosition) {
  auto b = randomPlan(3, 50);
  Model& m = b.file().models[0];
  const auto all = m.elements();
  const Element* tenth = all[10];
  EXPECT_EQ(m.findByPosition(tenth->filePosition), tenth);
  ASSERT_TRUE(m.remove(tenth->id));
  EXPECT_EQ(m.findByPosition(all[9]->filePosition)->id, all[9]->id);
  EXPECT_EQ(m.findByPosition(all[11]->filePosition)->id, all[11]->id);
  EXPECT_EQ(m.find(all[10 + 1]->id), all[11]);
  EXPECT_EQ(m.find(987654), nullptr);
  EXPECT_EQ(m.size(), 49u);
}

}  // namespace
