#include "host/design_file.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <numbers>

#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace fs = boost::filesystem;
using namespace host;
namespace fx = host::fixture;

namespace {

// A file with one element of every kind the format holds.
fx::DesignBuilder everyKind() {
  fx::DesignBuilder b;
  b.header().coordinateSystem = L"RGF93.CC47";
  b.header().globalOrigin = {0.5, 0.25, 0};
  const LevelId topo = b.level(L"Topo1Limites");
  const LevelId accent = b.level(L"RéseauBT", 40);
  const std::int32_t dash = b.lineStyle(L"{ Tirets }");
  b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(topo).colour(3).weight(2).style(dash)
            .styleParams({2.0, 50.0, 50.0, 1 | 8 | 16}).elementClass(2).priority(-5).transparency(0.5).group(7)
            .linkage(0x56d0, {9, 8, 7}));
  b.add(fx::lineString({{0, 0, 0}, {10, 0, 0}, disconnectPoint(), {20, 0, 0}, {30, 5, 0}}).level(accent));
  b.add(fx::rectangle({0, 0, 0}, {2000, 1000, 0}).fill(4).pattern({100, 0.5, 50, 1.0}).hole());
  b.add(fx::arc({0, 0, 0}, 500, 0, std::numbers::pi / 2));
  b.add(fx::ellipse({0, 0, 0}, 500, 200, 0.3));
  b.add(fx::chain({fx::line({0, 0, 0}, {10, 0, 0}), fx::arc({10, 5, 0}, 5, -std::numbers::pi / 2, std::numbers::pi)}));
  b.add(fx::complexShape({fx::lineString({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}), fx::line({10, 10, 0}, {0, 0, 0})}));
  b.add(fx::text({{L"N° ", RunKind::Plain}, {L"12", RunKind::EnterData}}, {5, 5, 0}).justification(7).underline().angle(0.5));
  b.add(fx::textNode({fx::text(L"a", {0, 0, 0}).colour(5), fx::text(L"b", {0, -500, 0})}));
  b.add(fx::cell(L"CART", {100, 100, 0},
                 {fx::rectangle({0, 0, 0}, {10, 10, 0}),
                  fx::cell(L"", {0, 0, 0}, {fx::fieldText(L"PARIS", {1, 1, 0})})},
                 2.0)
            .angle(0.25));
  b.add(fx::sharedCell(L"POTKRV", {50, 50, 0}, Range3d::from({40, 40, 0}, {60, 60, 0})));
  b.add(fx::dimension({{0, 0, 0}, {100, 0, 0}}, {fx::text(L"100", {50, 10, 0})}));
  b.add(fx::data({0x44, 0x45, 0x00, 0xFF}).level(20));
  b.add(fx::data({}, 9));
  b.model(L"Second");
  b.add(fx::line({1, 1, 0}, {2, 2, 0}));
  b.reference({L"Fond", L"fond.dgn", L"", Transform{RotMatrix::fromAngleZ(0.1), {100, 200, 0}}, true, {{0, {1, 2}}}});
  return b;
}

TEST(DesignFile, SavesAndLoadsBackEveryKindOfElement) {
  const auto b = everyKind();
  ASSERT_TRUE(b.save(L"every_kind.dgn"));
  std::string error;
  auto loaded = DesignFile::load("every_kind.dgn", &error);
  ASSERT_TRUE(loaded) << error;
  EXPECT_EQ(*loaded, b.file());
  EXPECT_EQ(loaded->nextElementId(), b.file().nextElementId());
  // Nothing is left beside the file.
  for (const auto& entry : fs::directory_iterator(fs::current_path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

TEST(DesignFile, LevelsAndLineStylesAreExact) {
  const auto b = everyKind();
  const DesignFile& f = b.file();
  EXPECT_EQ(f.levelId(L"RéseauBT"), 40u);
  EXPECT_FALSE(f.levelId(L"ReseauBT"));   // accents count
  EXPECT_FALSE(f.levelId(L"réseaubt"));   // case counts
  EXPECT_FALSE(f.levelId(L"RéseauBT "));  // spaces count
  EXPECT_EQ(f.lineStyleNumber(L"{ Tirets }"), 100);
  EXPECT_EQ(f.lineStyleNumber(L"Inconnu"), kUnknownLineStyle);
  EXPECT_EQ(f.lineStyleName(100), L"{ Tirets }");
  EXPECT_EQ(f.lineStyleName(3), L"");
}

TEST(DesignFile, SaveFailureLeavesTargetAlone) {
  fx::DesignBuilder b;
  b.add(fx::line({0, 0, 0}, {1, 1, 0}));
  ASSERT_TRUE(b.save(L"kept.dgn"));
  std::string error;
  EXPECT_FALSE(b.file().save("no_such_folder/x.dgn", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists("no_such_folder"));
  EXPECT_TRUE(DesignFile::load("kept.dgn"));
}

// A name of legal length is saved: the temporary name it goes through stays within the limit,
// and is one the folder set-up knows as a leftover.
TEST(DesignFile, SavesUnderANameOfLegalLength) {
  fx::DesignBuilder b;
  b.add(fx::line({0, 0, 0}, {1, 1, 0}));
  for (const std::size_t length : {241u, 250u, 255u}) {
    const std::string name = std::string(length - 4, 'e') + ".dgn";
    std::string error;
    EXPECT_TRUE(b.file().save(name, &error)) << length << ": " << error;
    EXPECT_TRUE(DesignFile::load(name)) << length;
    fs::remove(name);
    const std::string temporary = host::paths::temporaryBeside(name).filename().string();
    EXPECT_LE(temporary.size(), 255u);
    EXPECT_TRUE(host::paths::isTemporaryName(temporary)) << temporary;
  }
  EXPECT_FALSE(host::paths::isTemporaryName("notes.tmp"));
  EXPECT_FALSE(host::paths::isTemporaryName(".x.0123456g.tmp"));
  EXPECT_TRUE(host::paths::isTemporaryName("Emprises.dgn.tmp-0123abcd"));
}

TEST(DesignFile, Base64RoundTripAndRefusal) {
  for (std::vector<std::uint8_t> bytes : {std::vector<std::uint8_t>{}, {0}, {0, 1}, {0xFF, 0xFE, 0xFD}, {1, 2, 3, 4}}) {
    auto back = fromBase64(toBase64(bytes));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, bytes);
  }
  for (const char* bad : {"A", "AB=C", "====", "A@CD", "AB==AB=="}) EXPECT_FALSE(fromBase64(bad)) << bad;
}

// A minimal valid document with one element; each case replaces a piece of it.
std::string document(const std::string& element, const std::string& header = R"("fileFormat":2,"is3d":false,"uorPerSub":1,"subPerMaster":1000)",
                     const std::string& tag = "cadhost-design") {
  return R"({"format":")" + tag + R"(","version":1,"header":{)" + header +
         R"(},"levels":[{"id":1,"name":"A"}],"models":[{"name":"Default","elements":[)" + element + "]}]}";
}

TEST(DesignFile, RefusesDocumentsThatAreNotValidDesignFiles) {
  const std::string line = R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1,1]]})";
  ASSERT_TRUE(DesignFile::parse(document(line)));
  struct Case {
    std::string text;
    const char* why;
  };
  const std::string deep = std::string(5000, '[') + std::string(5000, ']');
  std::string nestedCell = R"({"type":3,"points":[[0,0],[1,1]]})";
  for (int i = 0; i < 40; ++i) nestedCell = R"({"type":2,"cell":{"origin":[0,0]},"children":[)" + nestedCell + "]}";
  const Case cases[] = {
      {"", "empty"},
      {"not json", "not JSON"},
      {document(line).substr(0, 120), "truncated"},
      {document(line, R"("fileFormat":2,"is3d":false,"uorPerSub":1,"subPerMaster":1000)", "other-format"), "wrong tag"},
      {document(line, R"("fileFormat":2,"is3d":false,"uorPerSub":1)"), "missing header field"},
      {document(line, R"("fileFormat":"2","is3d":false,"uorPerSub":1,"subPerMaster":1000)"), "format as a string"},
      {document(line, R"("fileFormat":2,"is3d":false,"uorPerSub":0,"subPerMaster":1000)"), "zero units"},
      {document(R"({"pos":1,"type":3,"points":[[0,0],[1,1]]})"), "missing id"},
      {document(R"({"id":0,"pos":1,"type":3,"points":[[0,0],[1,1]]})"), "id 0"},
      {document(line + "," + R"({"id":1,"pos":2,"type":3,"points":[[0,0],[1,1]]})"), "duplicate id"},
      {document(line + "," + R"({"id":2,"pos":1,"type":3,"points":[[0,0],[1,1]]})"), "positions not increasing"},
      {document(R"({"id":1,"pos":0,"type":3,"points":[[0,0],[1,1]]})"), "position 0"},
      {document(R"({"id":1,"pos":1,"type":13,"points":[[0,0],[1,1]]})"), "unknown type"},
      {document(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1,1],[2,2]]})"), "line of three points"},
      {document(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1e300,1]]})"), "huge coordinate"},
      {document(R"({"id":1,"pos":1,"type":3,"level":4294967296,"points":[[0,0],[1,1]]})"), "level beyond 32 bits"},
      {document(R"({"id":18446744073709551616,"pos":1,"type":3,"points":[[0,0],[1,1]]})"), "id beyond 64 bits"},
      {document(R"({"id":1,"pos":1,"type":3,"colour":-1,"points":[[0,0],[1,1]]})"), "negative colour"},
      {document(R"({"id":1,"pos":1,"type":4,"points":[[0,0]]})"), "too few points"},
      {document(R"({"id":1,"pos":1,"type":4,"points":[[0,0],[1,1],null]})"), "ends with a disconnect"},
      {document(R"({"id":1,"pos":1,"type":6,"points":[[0,0],[1,0],[1,1]],"children":[]})"), "children on a shape"},
      {document(R"({"id":1,"pos":1,"type":7,"children":[{"type":3,"points":[[0,0],[1,1]]}]})"), "text node holding a line"},
      {document(R"({"id":1,"pos":1,"type":12,"children":[]})"), "empty chain"},
      {document(R"({"id":1,"pos":1,"type":17,"text":{"runs":[{"text":"a","kind":"bold"}],"origin":[0,0],"width":1,"height":1}})"), "unknown run kind"},
      {document(R"({"id":1,"pos":1,"type":16,"arc":{"centre":[0,0],"primaryRadius":1,"secondaryRadius":-1,"sweep":1}})"), "negative radius"},
      {document(R"({"id":1,"pos":1,"type":66,"data":"@@@@"})"), "bad base64"},
      {document(R"({"id":1,"pos":1,"type":35,"cell":{"origin":[0,0]}})"), "shared cell without range"},
      {document(R"({"id":1,"pos":1,)" + nestedCell.substr(1)), "cells nested without end"},
      {deep, "brackets nested without end"},
      {document(line).replace(document(line).find("\"A\"}"), 4, "\"A\"},{\"id\":1,\"name\":\"B\"}"), "duplicate level id"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(DesignFile::parse(c.text, &error)) << c.why;
    EXPECT_FALSE(error.empty()) << c.why;
  }
}

// Ids need not increase, but a repeated one is refused where it comes, in whichever model.
TEST(DesignFile, DuplicateIdsFoundInAnyOrder) {
  const auto element = [](int id, int pos) {
    return R"({"id":)" + std::to_string(id) + R"(,"pos":)" + std::to_string(pos) + R"(,"type":3,"points":[[0,0],[1,1]]})";
  };
  const auto twoModels = [&](const std::string& first, const std::string& second) {
    std::string text = document(first);
    return text.insert(text.size() - 2, R"(,{"name":"B","elements":[)" + second + "]}");
  };
  const struct {
    std::string text;
    const char* error;  // empty: valid
  } cases[] = {
      {document(element(5, 1) + "," + element(3, 2) + "," + element(4, 3)), ""},
      {document(element(5, 1) + "," + element(3, 2) + "," + element(5, 3)), "model 0, element 2: duplicate element id 5"},
      {document(element(2, 1) + "," + element(9, 2) + "," + element(1, 3) + "," + element(2, 4)),
       "model 0, element 3: duplicate element id 2"},
      {twoModels(element(1, 1) + "," + element(2, 2), element(3, 1)), ""},
      {twoModels(element(1, 1) + "," + element(2, 2), element(7, 1) + "," + element(2, 2)),
       "model 1, element 1: duplicate element id 2"},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto file = DesignFile::parse(c.text, &error);
    EXPECT_EQ(file.has_value(), std::string(c.error).empty()) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(DesignFile, AddGivesNewIdsAndPositionsThatSurviveDeletion) {
  fx::DesignBuilder b;
  const ElementId a = b.add(fx::line({0, 0, 0}, {1, 1, 0}));
  const ElementId c = b.add(fx::line({0, 0, 0}, {2, 2, 0}));
  ASSERT_TRUE(b.file().models[0].remove(c));
  const ElementId d = b.add(fx::line({0, 0, 0}, {3, 3, 0}));
  EXPECT_GT(d, c);  // ids are never reused
  EXPECT_GT(b.file().models[0].find(d)->filePosition, b.file().models[0].find(a)->filePosition);
  ASSERT_TRUE(b.save(L"deleted.dgn"));
  auto loaded = DesignFile::load("deleted.dgn");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->models[0].size(), 2u);
  EXPECT_FALSE(loaded->models[0].find(c));
  EXPECT_GT(loaded->add(0, fx::line({0, 0, 0}, {4, 4, 0})), d);
}

}  // namespace

namespace {

TEST(DesignFile, TheDocumentedExampleIsValid) {
  std::ifstream in(PROJECT_SOURCE_DIR "/docs/design-file.md");
  const std::string doc((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto start = doc.find("```json\n");
  ASSERT_NE(start, std::string::npos);
  const auto end = doc.find("```", start + 8);
  std::string error;
  auto file = DesignFile::parse(doc.substr(start + 8, end - start - 8), &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->levelId(L"Cart+habillage"), 2u);
  const Element* cell = file->models[0].find(2);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->children[1].text->runs[0].kind, RunKind::EnterData);
  EXPECT_EQ(file->models[0].find(4)->data, (std::vector<std::uint8_t>{0x44, 0x45, 0, 0}));
  EXPECT_EQ(file->models[0].references[0].hiddenLevels.at(0), (std::set<LevelId>{1}));
}

}  // namespace

namespace {

std::string lineDocument(const std::string& element) {
  return R"({"format":"cadhost-design","version":1,"header":{"fileFormat":2,"is3d":false,"uorPerSub":1,"subPerMaster":1000},)"
         R"("models":[{"name":"Default","elements":[)" + element + "]}]}";
}

// What the JSON parser sees differently from the format's own reading: numbers beyond every
// range, bytes that are not UTF-8, a document cut inside a string, and the order of fields.
TEST(DesignFile, ReadsNumbersStringsAndFieldOrderAsTheFormatSays) {
  struct Refused {
    std::string text;
    const char* reason;
  };
  const Refused refused[] = {
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1e400,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[-1e400,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[123456789012345678901234567890,1]]})"),
       "model 0, element 0: point is out of range"},
      {lineDocument(R"({"id":1,"pos":184467440737095516160,"type":3,"points":[[0,0],[1,1]]})"),
       "model 0, element 0: pos is not an integer in range"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"style":9223372036854775808,"points":[[0,0],[1,1]]})"),
       "model 0, element 0: style is out of range"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"style":-9223372036854775809,"points":[[0,0],[1,1]]})"),
       "model 0, element 0: style is not a 32-bit integer"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"level":1.0,"points":[[0,0],[1,1]]})"),
       "model 0, element 0: level is not an integer in range"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[01,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1.,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":17,"text":{"runs":[{"text":"\xC3("}],"origin":[0,0],"width":1,"height":1}})"),
       "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"note":"\xFF","points":[[0,0],[1,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"n\u00":1,"points":[[0,0],[1,1]]})"), "not a JSON document"},
      {R"({"format":"cadhost-design","version":1,"header":{"fileFormat":2,"is3d":false,"uorPe)", "not a JSON document"},
      // A value refused for its type does not hide a syntax fault after it.
      {lineDocument(R"({"id":1,"pos":"x":1,"type":3,"points":[[0,0],[1,1]]})"), "not a JSON document"},
      {lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1,1]]})") + "{}", "not a JSON document"},
      // The first fault in the format's order is the one reported, wherever it stands.
      {lineDocument(R"({"points":[[0,0]],"level":-1,"id":0,"pos":1,"type":3})"), "model 0, element 0: level is not an integer in range"},
      {R"({"models":[],"header":{"is3d":false},"version":1,"format":"cadhost-design"})", "missing field \"fileFormat\""},
      {lineDocument(R"({"id":1,"pos":1,"type":35,"cell":{"origin":[0,0],"range":[[0,0],"x",[1,1]]}})"),
       "model 0, element 0: shared cell range is not [low, high]"},
      // An arc that winds more than once would only draw itself again, at any cost.
      {lineDocument(R"({"id":1,"pos":1,"type":16,"arc":{"centre":[0,0],"primaryRadius":1,"secondaryRadius":1,"sweep":6.3}})"),
       "model 0, element 0: arc sweep is out of range"},
      {lineDocument(R"({"id":1,"pos":1,"type":16,"arc":{"centre":[0,0],"primaryRadius":1,"secondaryRadius":1,"sweep":-1000}})"),
       "model 0, element 0: arc sweep is out of range"},
      // Geometry read before the type is known, then judged by it.
      {lineDocument(R"({"arc":{"centre":[0,0],"primaryRadius":1,"secondaryRadius":1},"id":1,"pos":1,"type":16})"),
       "model 0, element 0: missing field \"sweep\""},
      {lineDocument(R"({"cell":{"origin":[0,0],"range":[[0,0]]},"id":1,"pos":1,"type":35})"),
       "model 0, element 0: shared cell range is not [low, high]"},
      {lineDocument(R"({"children":[{"type":99}],"id":1,"points":[[0,0],[1,1]],"pos":1,"type":3})"),
       "model 0, element 0: this element type has no children"},
      {lineDocument(R"({"data":"x","id":1,"points":[[0,0],[1,1]],"pos":1,"type":3})"),
       "model 0, element 0: only data elements carry data"},
      {lineDocument(R"({"id":1,"points":[[0,0],[1,1]],"pos":1,"text":{},"type":17})"), "model 0, element 0: missing field \"runs\""},
  };
  for (const auto& c : refused) {
    std::string error;
    EXPECT_FALSE(DesignFile::parse(c.text, &error)) << c.reason;
    EXPECT_EQ(error, c.reason);
  }

  std::string error;
  // Geometry before the type, keys written with escapes, a long decimal read to the nearest
  // double, numbers too small for a double read as zero, the last of repeated keys (the type's
  // too), geometry of other types left aside even when it is not valid, an ellipse's full turn.
  auto file = DesignFile::parse(
      lineDocument(R"({"points":[[0.184467440737095516163,1e-400],[-0,2]],"l\u0065vel":4,"id":1,"pos":1,"colour":1,"colour":2,"type":3},)"
                   R"({"arc":{"centre":[0,0],"primaryRadius":1,"secondaryRadius":1,"sweep":-6.283185307179586},"type":16,"id":2,"pos":2},)"
                   R"({"arc":{"centre":[0,0],"primaryRadius":2,"secondaryRadius":1},"cell":{"range":1},"id":3,"points":[1],"pos":3,)"
                   R"("text":{"runs":7},"type":3,"type":15})"),
      &error);
  ASSERT_TRUE(file) << error;
  const Element* line = file->models[0].find(1);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->points[0].x, 0.1844674407370955);
  EXPECT_EQ(line->points[0].y, 0.0);
  EXPECT_EQ(line->level, 4u);
  EXPECT_EQ(line->colour, 2u);
  EXPECT_FALSE(std::signbit(line->points[1].x));  // an integer zero, as the format reads integers
  EXPECT_EQ(file->models[0].find(2)->arc->sweep, -6.283185307179586);
  const Element* ellipse = file->models[0].find(3);
  ASSERT_TRUE(ellipse);
  EXPECT_EQ(ellipse->type, ElementType::Ellipse);
  EXPECT_EQ(ellipse->arc->primaryRadius, 2.0);
  EXPECT_EQ(ellipse->arc->sweep, 2.0 * std::numbers::pi);
  EXPECT_TRUE(ellipse->points.empty());
}

// The parser reads ahead of the bytes it is given: a document that ends exactly where its memory
// ends is read from a padded copy (the sanitizers would see a read past the end).
TEST(DesignFile, ReadsBytesThatHaveNoRoomAfterThem) {
  const std::string text = lineDocument(R"({"id":1,"pos":1,"type":3,"points":[[0,0],[1,1]]})");
  const auto exact = std::make_unique<char[]>(text.size());
  std::memcpy(exact.get(), text.data(), text.size());
  std::string error;
  EXPECT_TRUE(DesignFile::parse(std::string_view(exact.get(), text.size()), &error)) << error;
  // Cut inside a string, with nothing after it.
  const std::size_t cut = text.find("Default") + 3;
  const auto shortCopy = std::make_unique<char[]>(cut);
  std::memcpy(shortCopy.get(), text.data(), cut);
  EXPECT_FALSE(DesignFile::parse(std::string_view(shortCopy.get(), cut), &error));
  EXPECT_EQ(error, "not a JSON document");
}

// A large file's bytes are given back as its elements are read: a refusal, the whole check after a
// value refused but passed over, and the second reading of a deep document find them again, read
// from the file once more, with the same outcome as the same bytes in memory.
TEST(DesignFile, ReadsALargeFileWhoseBytesAreGivenBackAsTheyAreRead) {
  std::string lines;
  for (int i = 1; i <= 20000; ++i)
    lines += R"({"id":)" + std::to_string(i) + R"(,"pos":)" + std::to_string(i) + R"(,"type":4,"points":[[0,0],[1,1],[2,3]]},)";
  const auto lastLine = [](const std::string& more) {
    return R"({"id":30000,"pos":30000,"type":4,)" + more + R"("points":[[0,0],[1,1]]})";
  };
  constexpr std::size_t kReleaseFrom = 64 << 10;
  const fs::path path = "large.dgn";
  struct Case {
    std::string last;
    bool accepted;
  };
  const Case cases[] = {
      {lastLine(R"("level":-1,)"), false},
      {lastLine(R"("colour":1.)"), false},
      {lastLine(R"("note":)" + std::string(250, '[') + std::string(250, ']') + ","), false},
      {lastLine(R"("colour":-1,"colour":2,)"), true},
      {lastLine(R"("note":)" + std::string(160, '[') + std::string(160, ']') + ","), true},
  };
  for (const auto& c : cases) {
    const std::string text = lineDocument(lines + c.last);
    ASSERT_GT(text.size(), 16 * kReleaseFrom);
    std::string inMemory, fromFile;
    const auto expected = DesignFile::parse(text, &inMemory);
    ASSERT_EQ(expected.has_value(), c.accepted) << inMemory;
    ASSERT_TRUE(paths::writeReplacing(path, text));
    auto bytes = paths::readBytes(path, DesignFile::kReadPadding);
    ASSERT_TRUE(bytes);
    const auto loaded = DesignFile::parseFileBytes(*bytes, path, &fromFile, kReleaseFrom);
    EXPECT_EQ(loaded, expected) << c.last;
    EXPECT_EQ(fromFile, inMemory) << c.last;
  }

  // A file whose size changed before its bytes are read again is refused for it; below the size
  // from which bytes are given back, nothing needs reading again.
  for (const std::size_t releaseFrom : {kReleaseFrom, DesignFile::kReleaseFrom}) {
    ASSERT_TRUE(paths::writeReplacing(path, lineDocument(lines + lastLine(R"("level":-1,)"))));
    auto bytes = paths::readBytes(path, DesignFile::kReadPadding);
    ASSERT_TRUE(bytes);
    ASSERT_TRUE(paths::writeReplacing(path, "{}"));
    std::string error;
    EXPECT_FALSE(DesignFile::parseFileBytes(*bytes, path, &error, releaseFrom));
    EXPECT_EQ(error, releaseFrom == kReleaseFrom ? "the file changed while it was read" : "model 0, element 20000: level is not an integer in range");
  }
  fs::remove(path);
}

}  // namespace
