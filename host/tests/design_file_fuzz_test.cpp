// Bounded fuzzing of the loader: mutated and truncated documents are either refused or read into
// a file that writes and reads back the same; never a crash (the sanitizers watch).
#include <gtest/gtest.h>

#include <numbers>
#include <random>

#include "host/design_file.h"
#include "host/fixture/design_builder.h"

using namespace host;
namespace fx = host::fixture;

namespace {

std::string seedDocument() {
  fx::DesignBuilder b;
  b.level(L"Niveau é");
  b.lineStyle(L"Style");
  b.add(fx::line({0, 0, 0}, {1, 1, 0}).level(1).linkage(1));
  b.add(fx::lineString({{0, 0, 0}, disconnectPoint(), {1, 0, 0}, {2, 2, 0}}));
  b.add(fx::arc({0, 0, 0}, 5, 0, 1));
  b.add(fx::cell(L"C", {0, 0, 0}, {fx::textNode({fx::fieldText(L"a", {0, 0, 0})}), fx::rectangle({0, 0, 0}, {1, 1, 0})}));
  b.add(fx::sharedCell(L"S", {0, 0, 0}, Range3d::from({0, 0, 0}, {1, 1, 0})));
  b.add(fx::dimension({{0, 0, 0}, {3, 0, 0}}, {fx::text(L"3", {1, 1, 0})}));
  b.add(fx::data({0x44, 0x45}));
  b.reference({L"R", L"r.dgn", L"", Transform::identity(), false, {{1, {1}}}});
  return b.file().toJson();
}

void checkSurvives(const std::string& text) {
  std::string error;
  auto file = DesignFile::parse(text, &error);
  if (!file) {
    EXPECT_FALSE(error.empty());
    return;
  }
  auto again = DesignFile::parse(file->toJson(), &error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(*again, *file);
}

TEST(DesignFileFuzz, MutatedAndTruncatedDocuments) {
  const std::string seed = seedDocument();
  ASSERT_TRUE(DesignFile::parse(seed));
  std::mt19937 rng(20261210);
  const std::string alphabet = "{}[]\",:0123456789-.eEtrufalsn \\";
  for (int round = 0; round < 1500; ++round) {
    std::string text = seed;
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < edits; ++k) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 4) {
        case 0: text[at] = alphabet[rng() % alphabet.size()]; break;
        case 1: text.erase(at, 1 + rng() % 8); break;
        case 2: text.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
        default: text[at] = static_cast<char>(rng() % 256); break;
      }
      if (text.empty()) break;
    }
    checkSurvives(text);
  }
  for (std::size_t cut = 0; cut < seed.size(); cut += 1 + seed.size() / 300) EXPECT_FALSE(DesignFile::parse(seed.substr(0, cut)));
}

}  // namespace
