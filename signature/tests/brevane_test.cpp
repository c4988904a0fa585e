// The check of a model against its stored record: the core of libbrevane.so, in-process.
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "signature/model_check.h"
#include "signature/model_statistics.h"
#include "signature/scan_positions.h"
#include "signature/stored_signature.h"
#include "signature/tests/signature_fixture.h"

namespace {

using namespace signature_fixture;
using host::ElementType;

class Brevane : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    host::config::set(L"BREVANE_MAFILE", resourcePath);
    dir = testFolder("brevane");
  }
  void TearDown() override {
    host::config::unset(L"BREVANE_MAFILE");
    host::resetModels();
  }
  // Saves a file and checks it as the engine does: an open model of it.
  int check(const host::DesignFile& file, const std::string& name = "plan.dgn") {
    const auto path = (dir / name).wstring();
    EXPECT_TRUE(file.save(path));
    return brevane::CheckPlanFile(path);
  }
  host::ModelRef open(const host::DesignFile& file) {
    const auto path = (dir / "ouvert.dgn").wstring();
    EXPECT_TRUE(file.save(path));
    host::ModelRef m;
    EXPECT_EQ(host::openWorkFile(&m, nullptr, nullptr, path, L"", false), host::kSuccess);
    return m;
  }
  fs::path dir;
};

// One change to a clean plan per case, signed before or after the change.
TEST_F(Brevane, ResultsOfSignedAndDamagedPlans) {
  using Change = std::function<void(fx::DesignBuilder&)>;
  const auto signWith = [](fx::SignOptions o) { return [o](fx::DesignBuilder& b) { fx::sign(b.file(), o); }; };
  const auto signedThen = [](Change after) {
    return [after](fx::DesignBuilder& b) {
      fx::sign(b.file());
      after(b);
    };
  };
  const auto firstLine = [](fx::DesignBuilder& b) { return b.file().models[0].elements()[0]->id; };
  const struct {
    const char* why;
    bool level20;
    Change change;
    int expected;
  } cases[] = {
      {"signed and unchanged", true, signWith(fx::SignOptions()), 0},
      {"signed, no level 20 in the file", false, signWith(fx::SignOptions()), 0},
      {"no type-66 element", true, [](fx::DesignBuilder&) {}, 1},
      {"type-66 elements without the identifier", true,
       [](fx::DesignBuilder& b) {
         fx::sign(b.file(), fx::SignOptions().withIdentifier(1234));
         b.add(fx::data(std::vector<std::uint8_t>(40, 0)).level(20));
       },
       4},
      {"level 20 defined, the signature on another level", true, signWith(fx::SignOptions().onLevel(5)), 1},
      {"a short record", true, signWith(fx::SignOptions().cutTo(1369)), 5},
      {"one count off", true, signWith(fx::SignOptions().oneMore(347 + 3)), 6},
      {"one producer word off: not compared", true, signWith(fx::SignOptions().oneMore(10)), 0},
      {"two signature elements", true, signWith(fx::SignOptions().times(2)), 0},
      {"one line deleted", true,
       signedThen([&](fx::DesignBuilder& b) { b.file().models[0].remove(firstLine(b)); }), 6},
      {"one element moved", true,
       signedThen([&](fx::DesignBuilder& b) {
         host::Element e = *b.file().models[0].elements()[0];
         e.points = {{500, 500, 0}, {900, 900, 0}};
         b.file().models[0].replace(e);
       }),
       0},
      {"one element recoloured", true,
       signedThen([&](fx::DesignBuilder& b) {
         host::Element e = *b.file().models[0].elements()[0];
         e.colour = 4;
         b.file().models[0].replace(e);
       }),
       6},
      {"elements of uncounted types added", true,
       signedThen([](fx::DesignBuilder& b) {
         for (int type : {5, 9, 39, 94, 100}) b.add(fx::data({1, 2, 3}, type).level(5));
       }),
       0},
      {"cells without a simple component added", true,
       signedThen([](fx::DesignBuilder& b) {
         b.add(fx::cell(L"VIDE", {0, 0}, {fx::cell(L"VIDE2", {0, 0}, {}).level(5)}).level(5));
       }),
       0},
      {"a counted data type (26) added", true, signedThen([](fx::DesignBuilder& b) { b.add(fx::data({1}, 26)); }), 6},
      {"more than 125 counted elements", true,
       [](fx::DesignBuilder& b) {
         for (int i = 0; i < 300; ++i) b.add(fx::line({0, 0}, {100.0 + i, 0}).level(5).colour(i % 256));
         fx::sign(b.file());
       },
       0},
  };
  for (const auto& c : cases) {
    fx::DesignBuilder b = smallPlan(c.level20);
    c.change(b);
    EXPECT_EQ(check(b.file()), c.expected) << c.why;
  }
}

TEST_F(Brevane, TheResourceFileNamedByTheConfiguration) {
  auto b = smallPlan();
  fx::sign(b.file());
  const auto write = [&](const char* name, const std::string& text) {
    std::ofstream((dir / name).string()) << text;
    return (dir / name).wstring();
  };
  const std::string def3 = R"({"format": "cadhost-resource", "version": 1, "dataDefinitions": [{"type": "s", "number": 3,
    "fields": [{"name": "w", "kind": "int16", "count": COUNT}, {"name": "i", "kind": "int32"}, {"name": "t", "kind": "text", "count": 128}]}]})";
  const auto withCount = [&](const char* count) {
    std::string s = def3;
    s.replace(s.find("COUNT"), 5, count);
    return s;
  };
  const struct {
    const char* why;
    std::optional<std::wstring> value;
    int expected;
  } cases[] = {
      {"the library's own file", resourcePath, 0},
      {"undefined", std::nullopt, 2},
      {"a wrong path", (dir / "absent.json").wstring(), 3},
      {"defined but empty", L"", 3},
      {"a folder", dir.wstring(), 3},
      {"not JSON", write("pasjson.json", "ceci n'est pas du JSON"), 3},
      {"no definition 3", write("sans3.json", R"({"format": "cadhost-resource", "version": 1})"), 5},
      {"definition 3 of the same layout", write("meme.json", withCount("619")), 0},
      {"definition 3 of a shorter record", write("court.json", withCount("618")), 5},
      {"definition 3 of a longer record", write("long.json", withCount("620")), 5},
  };
  const host::ModelRef m = open(b.file());
  for (const auto& c : cases) {
    if (c.value) host::config::set(L"BREVANE_MAFILE", *c.value);
    else host::config::unset(L"BREVANE_MAFILE");
    EXPECT_EQ(brevane::CheckModel(m), c.expected) << c.why;
    EXPECT_EQ(brevane::resourceHandle, 0u) << c.why << ": a file opened for the read is closed again";
  }
  EXPECT_EQ(brevane::CheckModel(host::ModelRef{}), 1);  // no model
  EXPECT_EQ(brevane::CheckPlanFile((dir / "absent.dgn").wstring()), 1);
  EXPECT_EQ(brevane::CheckPlanFile(dir.wstring()), 1);
}

TEST_F(Brevane, CountedTypesAreTheSigningSidesTwentyFour) {
  EXPECT_THAT(brevane::kCountedTypes, ::testing::ElementsAre(2, 3, 4, 6, 7, 11, 12, 14, 15, 16, 17, 18, 19, 21, 22, 23,
                                                            24, 25, 26, 27, 28, 33, 35, 36));
}

// The signer's counts of the small plan, written out by hand, and the library's recount of them.
TEST_F(Brevane, CountsOfASmallPlanByTypeLevelColourAndWeight) {
  auto b = smallPlan();
  const auto words = fx::statisticsWords(b.file().models[0]);
  const auto at = [&](int word) { return static_cast<int>(words[static_cast<std::size_t>(word)]); };
  // Types: 2 lines, a line string, a shape, a text, a chain (not its components), a cell.
  EXPECT_EQ(at(50 + 3), 2);
  EXPECT_EQ(at(50 + 4), 1);
  EXPECT_EQ(at(50 + 6), 1);
  EXPECT_EQ(at(50 + 17), 1);
  EXPECT_EQ(at(50 + 12), 1);
  EXPECT_EQ(at(50 + 2), 1);
  EXPECT_EQ(at(50 + 16), 0);  // the chain's arc
  // Levels: 4 on level 5; the line string on 1; the chain by its first component (2), not its own
  // 9; the cell by its line (6), not its own 7.
  EXPECT_EQ(at(90 + 5), 4);
  EXPECT_EQ(at(90 + 1), 1);
  EXPECT_EQ(at(90 + 2), 1);
  EXPECT_EQ(at(90 + 6), 1);
  EXPECT_EQ(at(90 + 9) + at(90 + 7) + at(90 + 3), 0);
  // Colours: by level as 255; weights: -1 as 8.
  EXPECT_EQ(at(347 + 3), 2);
  EXPECT_EQ(at(347 + 255), 1);
  EXPECT_EQ(at(347 + 7), 1);
  EXPECT_EQ(at(347 + 1), 1);
  EXPECT_EQ(at(347 + 4), 1);
  EXPECT_EQ(at(347 + 200), 1);
  EXPECT_EQ(at(603 + 2), 2);
  EXPECT_EQ(at(603 + 8), 1);
  EXPECT_EQ(at(603 + 0), 2);  // the shape and the text
  EXPECT_EQ(at(603 + 1), 1);
  EXPECT_EQ(at(603 + 15), 1);
  int total = 0;
  for (int w = 51; w <= 90; ++w) total += at(w);
  EXPECT_EQ(total, 7);

  brevane::SignatureRecord counted{};
  brevane::ComputeModelStatistics(counted, open(b.file()));
  for (int w = brevane::kTypeWord; w < brevane::kWordCount; ++w) EXPECT_EQ(counted.words[w], words[static_cast<std::size_t>(w)]) << w;
}

TEST_F(Brevane, OutOfRangeSymbologyIsNotCountedAndCountersWrap) {
  fx::DesignBuilder b;
  b.add(fx::line({0, 0}, {1, 0}).level(257).colour(256).weight(16));
  b.add(fx::line({0, 0}, {1, 0}).level(0).colour(0xFFFFFFFE).weight(0xFFFFFFFE));
  b.add(fx::cell(L"VIDE", {0, 0}, {fx::cell(L"VIDE2", {0, 0}, {})}).level(5));  // not counted at all
  brevane::SignatureRecord counted{};
  brevane::ComputeModelStatistics(counted, open(b.file()));
  EXPECT_EQ(counted.words[50 + 3], 2);
  EXPECT_EQ(counted.words[50 + 2], 0);
  int others = 0;
  for (int w = brevane::kLevelWord; w < brevane::kWordCount; ++w) others += counted.words[w];
  EXPECT_EQ(others, 0);

  brevane::SignatureRecord record{};
  record.words[50 + 3] = -1;  // 65535 lines then one more: 0
  fx::DesignBuilder one;
  one.add(fx::line({0, 0}, {1, 0}).level(1));
  brevane::ComputeModelStatistics(record, open(one.file()));
  EXPECT_EQ(record.words[50 + 3], 0);
}

TEST_F(Brevane, FirstComponentSymbologyThroughNestedHeaders) {
  using host::Element;
  const auto header = [](int type, std::vector<Element> children) {
    Element e;
    e.type = type;
    e.children = std::move(children);
    return e;
  };
  Element simple;
  simple.type = ElementType::Line;
  simple.level = 12;
  simple.colour = 0xFFFFFFFF;
  simple.weight = 3;
  int level = 0, colour = 0, weight = 0;
  // Empty nested headers are passed over; the first simple element, depth first, gives the symbology.
  const std::vector<Element> nested = {header(ElementType::Cell, {header(ElementType::TextNode, {})}),
                                       header(ElementType::ComplexChain, {header(ElementType::Cell, {}), simple})};
  ASSERT_TRUE(brevane::GetFirstComponentSymbology(nested, level, colour, weight));
  EXPECT_EQ(level, 12);
  EXPECT_EQ(colour, -1);
  EXPECT_EQ(weight, 3);
  EXPECT_FALSE(brevane::GetFirstComponentSymbology({header(ElementType::Cell, {header(ElementType::ComplexShape, {})})},
                                                   level, colour, weight));
  EXPECT_FALSE(brevane::GetFirstComponentSymbology({}, level, colour, weight));
}

TEST_F(Brevane, ScanPositionsComeInBatchesOf125) {
  fx::DesignBuilder b;
  for (int i = 0; i < 300; ++i) b.add(fx::line({0, 0}, {1.0 + i, 0}));
  b.add(fx::data({1}));
  const host::ModelRef m = open(b.file());
  host::ScanCriteria criteria;
  const int lines[] = {ElementType::Line};
  brevane::AddElementTypeTests(criteria, lines);
  std::vector<std::uint32_t> positions = {42};
  EXPECT_EQ(brevane::CollectScanFilePositions(m, criteria, positions), 3);  // 125, 125, 50
  EXPECT_EQ(positions, host::scanPositions(m, criteria));
  EXPECT_EQ(brevane::CollectScanFilePositions(host::ModelRef{}, criteria, positions), 1);
  EXPECT_TRUE(positions.empty());
}

// Stored bytes of every length, mutated and cut: a result, never a read past the element.
TEST_F(Brevane, DamagedStoredBytesGiveAResultAndNoReadPastTheElement) {
  auto b = smallPlan();
  const host::ElementId id = fx::sign(b.file());
  const host::ModelRef m = open(b.file());
  const std::vector<std::uint8_t> good = host::readElement(m, id)->data;
  ASSERT_EQ(good.size(), 34u + 1370u);
  ASSERT_EQ(brevane::CheckModel(m), 0);
  const auto withData = [&](std::vector<std::uint8_t> data) {
    host::Element e = *host::readElement(m, id);
    e.data = std::move(data);
    EXPECT_EQ(host::replaceElement(m, e), host::kSuccess);
    return brevane::CheckModel(m);
  };
  for (std::size_t n = 0; n <= 35; ++n)
    EXPECT_EQ(withData(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n))), 4) << n;
  for (std::size_t n = 36; n < good.size(); ++n)
    ASSERT_EQ(withData(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n))), 5) << n;

  std::mt19937 random(22);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> data = good;
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int f = 0; f < flips; ++f) data[random() % data.size()] = static_cast<std::uint8_t>(random());
    if (random() % 3 == 0) data.resize(random() % (data.size() + 1));
    const int result = withData(std::move(data));
    EXPECT_THAT(result, ::testing::AnyOf(0, 4, 5, 6)) << round;
  }
}

}  // namespace
