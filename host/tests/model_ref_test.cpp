#include "host/model_ref.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <chrono>
#include <ctime>
#include <thread>
#include <fstream>
#include <iterator>

#include "host/config.h"
#include "host/design_file_pins.h"
#include "host/element_handle.h"
#include "host/fixture/design_builder.h"
#include "host/views.h"
#include "host/paths.h"

namespace fs = boost::filesystem;
using namespace host;
namespace fx = host::fixture;

namespace {

class HostModels : public ::testing::Test {
 protected:
  void SetUp() override {
    resetModels();
    views::reset();
    // Tests run in parallel processes: each has a folder of its own.
    dir = fs::current_path() / (std::string("models_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder b;
    b.level(L"Fond", 3);
    lineId = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(3));
    b.add(fx::text(L"x", {0, 0, 0}));
    b.model(L"Autre");
    ASSERT_TRUE(b.save(path(L"Plan.dgn")));
  }
  void TearDown() override { resetModels(); }
  std::wstring path(const std::wstring& name) const { return host::paths::fromNative(dir / host::paths::toNative(name)); }
  fs::path dir;
  ElementId lineId = 0;
};

TEST_F(HostModels, WorkFilesAreIndependentAndCounted) {
  ModelRef a, b;
  std::uint32_t format = 0;
  bool threeD = true;
  ASSERT_EQ(openWorkFile(&a, &format, &threeD, path(L"PLAN.DGN"), L"", false), kSuccess);  // case ignored
  EXPECT_EQ(format, 2u);
  EXPECT_FALSE(threeD);
  ASSERT_EQ(openWorkFile(&b, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  EXPECT_NE(a, b);
  EXPECT_EQ(openWorkFileCount(), 2u);
  EXPECT_EQ(modelName(a), L"Default");
  EXPECT_EQ(modelCount(a), 2u);
  EXPECT_EQ(fileName(a), path(L"Plan.dgn"));
  EXPECT_DOUBLE_EQ(masterToUor(a, 2.5), 2500.0);
  // An edit of one handle is not seen by the other.
  ASSERT_EQ(deleteElement(a, lineId), kSuccess);
  EXPECT_EQ(readElement(a, lineId), nullptr);
  EXPECT_NE(readElement(b, lineId), nullptr);
  EXPECT_EQ(deleteElement(b, lineId), kReadOnly);
  EXPECT_EQ(closeWorkFile(b), kSuccess);
  EXPECT_FALSE(isValid(b));  // a closed handle is simply not valid
  EXPECT_EQ(closeWorkFile(b), kBadModel);
  // Closing a changed writable work file writes it.
  EXPECT_EQ(closeWorkFile(a), kSuccess);
  EXPECT_EQ(openWorkFileCount(), 0u);
  ASSERT_EQ(openWorkFile(&a, nullptr, nullptr, path(L"Plan.dgn"), L"Autre", false), kSuccess);
  EXPECT_EQ(modelId(a), 1u);
  EXPECT_EQ(readElement(a, lineId), nullptr);
  EXPECT_EQ(openWorkFile(&b, nullptr, nullptr, path(L"Plan.dgn"), L"Absent", false), kModelNotFound);
  EXPECT_EQ(openWorkFile(&b, nullptr, nullptr, path(L"Absent.dgn"), L"", false), kFileNotFound);
  EXPECT_EQ(openWorkFileCount(), 1u);
}

TEST_F(HostModels, ReopeningReadsWhatTheFileHoldsNow) {
  ModelRef lecture, ecriture, encore;
  ASSERT_EQ(openWorkFile(&lecture, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  ASSERT_EQ(openWorkFile(&ecriture, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  ASSERT_EQ(deleteElement(ecriture, lineId), kSuccess);
  ASSERT_EQ(openWorkFile(&encore, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  EXPECT_NE(readElement(lecture, lineId), nullptr);  // read-only opens never see another's edits
  EXPECT_NE(readElement(encore, lineId), nullptr);
  ASSERT_EQ(closeWorkFile(ecriture), kSuccess);
  ASSERT_EQ(openWorkFile(&encore, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  EXPECT_EQ(readElement(encore, lineId), nullptr);  // what was written
  // A file rewritten with bytes of the same size, at once, is read again.
  for (std::uint32_t colour : {1u, 2u}) {
    fx::DesignBuilder b;
    const ElementId id = b.add(fx::line({0, 0, 0}, {1, 1, 0}).colour(colour));
    ASSERT_TRUE(b.save(path(L"Meme.dgn")));
    ModelRef m;
    ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Meme.dgn"), L"", true), kSuccess);
    EXPECT_EQ(readElement(m, id)->colour, colour);
  }
}

// A check and the opens that follow share one read and one parse of an unchanged file; a file
// changed in place is read again, whatever its size and modification time.
TEST_F(HostModels, OneLoadServesTheChecksAndOpensOfAnUnchangedFile) {
  const fs::path plan = dir / "Plan.dgn";
  const std::time_t longAgo = std::time(nullptr) - 60;
  fs::last_write_time(plan, longAgo);
  // A file changed in the last two seconds is read at each open: file times are too coarse.
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  resetDesignFileLoads();
  std::uint32_t format = 0;
  ASSERT_EQ(validateDesignFile(path(L"PLAN.DGN"), &format), kSuccess);
  ModelRef a, b;
  ASSERT_EQ(openWorkFile(&a, nullptr, nullptr, path(L"plan.dgn"), L"", true), kSuccess);
  ASSERT_EQ(openWorkFile(&b, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  EXPECT_EQ(designFileLoads().reads, 1u);
  EXPECT_EQ(designFileLoads().parses, 1u);
  closeWorkFile(a);
  closeWorkFile(b);

  std::string text;
  {
    std::ifstream in(plan.string(), std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const auto at = text.find("1000.0", text.find("\"points\""));
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 6, "2000.0");
  std::ofstream(plan.string(), std::ios::binary | std::ios::in | std::ios::out) << text;
  fs::last_write_time(plan, longAgo);  // the same size and time: only the change time tells
  ASSERT_EQ(openWorkFile(&a, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  EXPECT_EQ(designFileLoads().reads, 2u);
  EXPECT_EQ(readElement(a, lineId)->points[1].x, 2000.0);
}

// A pinned file stays loaded over a cache too small for it and the files read after it; once
// unpinned it goes as the budget says.
TEST_F(HostModels, APinnedFileStaysLoadedWhateverTheBudget) {
  std::string text;
  {
    std::ifstream in(fs::path(dir / "Plan.dgn").string(), std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Three files of 0.6 MB: the cache of 1 MB holds one of them besides the pinned one.
  for (const char* nom : {"A.dgn", "B.dgn", "C.dgn"}) {
    std::ofstream(fs::path(dir / nom).string(), std::ios::binary) << text << std::string(600'000, ' ');
    fs::last_write_time(dir / nom, std::time(nullptr) - 60);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));  // settled: trusted by their times
  config::set(L"CADHOST_DESIGN_CACHE_MB", L"1");
  resetDesignFileLoads();
  pinDesignFile(path(L"a.dgn"));
  for (const wchar_t* nom : {L"A.dgn", L"B.dgn", L"C.dgn", L"A.dgn"}) EXPECT_EQ(validateDesignFile(path(nom)), kSuccess);
  EXPECT_EQ(designFileLoads().reads, 3u);
  unpinDesignFile(path(L"A.dgn"));
  for (const wchar_t* nom : {L"C.dgn", L"A.dgn"}) EXPECT_EQ(validateDesignFile(path(nom)), kSuccess);
  EXPECT_EQ(designFileLoads().reads, 5u);
  unpinDesignFile(path(L"A.dgn"));  // not pinned: nothing happens
  config::unset(L"CADHOST_DESIGN_CACHE_MB");
}

// A file larger than the limit is refused before it is read.
TEST_F(HostModels, AFileBeyondTheSizeLimitIsRefusedUnread) {
  std::string text;
  {
    std::ifstream in(fs::path(dir / "Plan.dgn").string(), std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::ofstream(fs::path(dir / "Grand.dgn").string(), std::ios::binary) << text << std::string(1 << 20, ' ');
  config::set(L"CADHOST_DESIGN_FILE_MAX_MB", L"1");
  resetDesignFileLoads();
  ModelRef m;
  EXPECT_EQ(validateDesignFile(path(L"Grand.dgn")), kNotDesignFile);
  EXPECT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Grand.dgn"), L"", true), kNotDesignFile);
  EXPECT_EQ(designFileLoads().reads, 0u);
  EXPECT_EQ(validateDesignFile(path(L"Plan.dgn")), kSuccess);
  config::unset(L"CADHOST_DESIGN_FILE_MAX_MB");
  EXPECT_EQ(validateDesignFile(path(L"Grand.dgn")), kSuccess);
}

TEST_F(HostModels, ReadOnlyIsTheModeBits) {
  fs::permissions(host::paths::toNative(path(L"Plan.dgn")), fs::owner_read | fs::group_read | fs::others_read);
  ModelRef m;
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  EXPECT_TRUE(isReadOnly(m));
  EXPECT_EQ(addElement(m, fx::line({0, 0, 0}, {1, 1, 0})), 0u);
  closeWorkFile(m);
  fs::permissions(host::paths::toNative(path(L"Plan.dgn")), fs::owner_read | fs::owner_write);
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  EXPECT_FALSE(isReadOnly(m));
}

TEST_F(HostModels, NotADesignFileIsRefused) {
  std::ofstream(fs::path(dir / "bad.dgn").string()) << "{\"format\":\"cadhost-design\",";
  std::uint32_t format = 99;
  EXPECT_EQ(validateDesignFile(path(L"bad.dgn"), &format), kNotDesignFile);
  EXPECT_EQ(format, 99u);
  ModelRef m;
  EXPECT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"bad.dgn"), L"", true), kNotDesignFile);
  EXPECT_EQ(openWorkFileCount(), 0u);
  EXPECT_EQ(validateDesignFile(path(L"plan.dgn"), &format), kSuccess);
  EXPECT_EQ(format, 2u);
}

TEST_F(HostModels, ActiveFileIsNotAWorkFile) {
  ASSERT_EQ(openActiveFile(path(L"plan.dgn")), kSuccess);
  const ModelRef active = activeModel();
  EXPECT_TRUE(isActive(active));
  EXPECT_EQ(activeFileName(), path(L"Plan.dgn"));
  EXPECT_EQ(closeWorkFile(active), kBadModel);
  EXPECT_TRUE(isValid(active));
  EXPECT_EQ(openWorkFileCount(), 0u);
  const ElementId added = addElement(active, fx::line({5, 5, 0}, {6, 6, 0}));
  ASSERT_NE(added, 0u);
  EXPECT_EQ(saveActiveFile(), kSuccess);
  ModelRef w;
  ASSERT_EQ(openWorkFile(&w, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  EXPECT_NE(readElement(w, added), nullptr);
}

TEST_F(HostModels, ElementHandlesReferOrOwn) {
  ModelRef m;
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  ElementHandle ref(lineId, m);
  ASSERT_TRUE(ref.isValid());
  EXPECT_FALSE(ref.isOwned());
  ref.edit()->colour = 9;
  EXPECT_EQ(readElement(m, lineId)->colour, 0u);  // not written yet
  EXPECT_EQ(ref.replaceInModel(), kSuccess);
  EXPECT_EQ(readElement(m, lineId)->colour, 9u);
  ElementHandle owned(Element(fx::line({0, 0, 0}, {2, 2, 0})), m);
  EXPECT_TRUE(owned.isOwned());
  const ElementId added = owned.addToModel();
  EXPECT_NE(added, 0u);
  EXPECT_EQ(owned.id(), added);
  EXPECT_FALSE(owned.isOwned());
  EXPECT_EQ(ref.deleteFromModel(), kSuccess);
  EXPECT_FALSE(ref.isValid());
  EXPECT_FALSE(ElementHandle().isValid());
  EXPECT_FALSE(ElementHandle(lineId, ModelRef{}).isValid());
}

TEST_F(HostModels, ReferencesAttachIterateAndDetach) {
  fx::DesignBuilder fond;
  fond.level(L"Bati", 7);
  fond.add(fx::line({0, 0, 0}, {10, 0, 0}).level(7));
  fond.model(L"Deux");
  ASSERT_TRUE(fond.save(path(L"Fond.dgn")));
  ASSERT_EQ(openActiveFile(path(L"Plan.dgn")), kSuccess);
  const ModelRef master = activeModel();
  const Transform shift{RotMatrix::identity(), {100, 0, 0}};
  const ModelRef r1 = attachReference(master, {L"FOND-1", L"FOND.DGN", L"", shift, false, {{0, {7}}}});
  const ModelRef r2 = attachReference(master, {L"Autre", path(L"Fond.dgn"), L"Deux", Transform::identity(), true, {}});
  ASSERT_TRUE(isValid(r1));
  EXPECT_TRUE(isReference(r1));
  EXPECT_TRUE(isReadOnly(r1));
  EXPECT_EQ(modelName(r2), L"Deux");
  EXPECT_EQ(attachment(r2)->skip, true);
  EXPECT_EQ(references(master), (std::vector<ModelRef>{r1, r2}));
  EXPECT_EQ(referenceToMaster(r1).apply({1, 2, 0}), (Point3d{101, 2, 0}));
  EXPECT_EQ(levelIdFromName(r1, L"Bati"), 7u);
  // Per-view level display of a reference starts from its attachment.
  EXPECT_FALSE(views::levelDisplay(0, r1).testLevel(7));
  EXPECT_TRUE(views::levelDisplay(1, r1).testLevel(7));
  // A missing file gives a reference that is not valid, still listed.
  const ModelRef r3 = attachReference(master, {L"X", L"absent.dgn", L"", Transform::identity(), false, {}});
  EXPECT_FALSE(isValid(r3));
  EXPECT_EQ(modelId(r3), kInvalidModelId);
  EXPECT_EQ(detachReference(r2), kSuccess);
  EXPECT_EQ(references(master), (std::vector<ModelRef>{r1, r3}));
  EXPECT_EQ(attachment(r3)->logicalName, L"X");
  EXPECT_FALSE(isValid(r2));
  // Attachments are written with the master file and come back when it is opened again.
  ASSERT_EQ(saveActiveFile(), kSuccess);
  ASSERT_EQ(openActiveFile(path(L"Plan.dgn")), kSuccess);
  const auto again = references(activeModel());
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(attachment(again[0])->logicalName, L"FOND-1");
  EXPECT_TRUE(isValid(again[0]));
}

TEST_F(HostModels, ViewsOpenWithEveryLevelDisplayed) {
  ASSERT_EQ(openActiveFile(path(L"Plan.dgn")), kSuccess);
  const ModelRef m = activeModel();
  EXPECT_EQ(views::firstOpen(), 0);
  views::close(0);
  EXPECT_EQ(views::firstOpen(), -1);
  views::open(3);
  EXPECT_EQ(views::firstOpen(), 3);
  views::setLevelDisplayed(3, m, 3, false);
  EXPECT_FALSE(views::levelDisplay(3, m).testLevel(3));
  EXPECT_TRUE(views::levelDisplay(3, m).testLevel(4));
  views::open(3);
  EXPECT_TRUE(views::levelDisplay(3, m).testLevel(3));
  EXPECT_FALSE(views::isOpen(8));
}

TEST_F(HostModels, GraphicGroupCounters) {
  ModelRef m;
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  EXPECT_EQ(nextGraphicGroup(m), 1u);
  EXPECT_EQ(saveNextGraphicGroup(m, 42), kSuccess);
  closeWorkFile(m);
  ASSERT_EQ(openActiveFile(path(L"Plan.dgn")), kSuccess);
  EXPECT_EQ(nextGraphicGroup(activeModel()), 42u);
  EXPECT_EQ(currentGraphicGroup(), 42u);
  setCurrentGraphicGroup(50);
  EXPECT_EQ(currentGraphicGroup(), 50u);
}

}  // namespace

namespace {

TEST_F(HostModels, LevelsCreatedInAnOpenFileAreSavedWithItAndRefusedWhereNothingMayBeWritten) {
  ModelRef a, lecture;
  ASSERT_EQ(openWorkFile(&a, nullptr, nullptr, path(L"Plan.dgn"), L"", false), kSuccess);
  ASSERT_EQ(openWorkFile(&lecture, nullptr, nullptr, path(L"Plan.dgn"), L"", true), kSuccess);
  const auto neuf = createLevel(a, L"HTA_Ajout");
  ASSERT_TRUE(neuf);
  EXPECT_NE(*neuf, 3u) << "an id of its own";
  EXPECT_EQ(createLevel(a, L"HTA_Ajout"), neuf) << "an existing name gives its id";
  EXPECT_EQ(createLevel(a, L"Fond"), std::optional<LevelId>(3));
  EXPECT_FALSE(createLevel(a, L""));
  EXPECT_FALSE(createLevel(lecture, L"Autre"));
  EXPECT_FALSE(createLevel(ModelRef{999}, L"Autre"));
  setRefuseAdditions(true);
  EXPECT_FALSE(createLevel(a, L"Refus"));
  EXPECT_EQ(createLevel(a, L"HTA_Ajout"), neuf) << "an existing level is still found";
  EXPECT_EQ(addElement(a, fx::line({0, 0, 0}, {1, 0, 0}).level(3)), 0u);
  setRefuseAdditions(false);
  EXPECT_NE(addElement(a, fx::line({0, 0, 0}, {1, 0, 0}).level(3)), 0u);
  ASSERT_EQ(closeWorkFile(a), kSuccess);
  closeWorkFile(lecture);
  const auto relu = DesignFile::load(dir / "Plan.dgn");
  ASSERT_TRUE(relu);
  EXPECT_EQ(relu->levelId(L"HTA_Ajout"), neuf);
  EXPECT_FALSE(relu->levelId(L"Refus"));
}

TEST_F(HostModels, ACopyForAnotherModelMapsEveryLevelByNameAndZeroWhereTheNameIsMissing) {
  fx::DesignBuilder cible;
  cible.level(L"Fond", 40);
  cible.level(L"Cable", 41);
  ASSERT_TRUE(cible.save(path(L"Cible.dgn")));
  fx::DesignBuilder source;
  source.level(L"Cable", 3);
  source.level(L"Fond", 4);
  source.level(L"Absent", 5);
  const ElementId cellule = source.add(
      fx::cell(L"C", {0, 0, 0},
               {fx::line({0, 0, 0}, {1, 0, 0}).level(4),
                fx::cell(L"D", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0}).level(5), fx::line({0, 0, 0}, {1, 0, 0}).level(77)})
                    .level(3)})
          .level(3));
  ASSERT_TRUE(source.save(path(L"Source.dgn")));
  ModelRef s, c;
  ASSERT_EQ(openWorkFile(&s, nullptr, nullptr, path(L"Source.dgn"), L"", true), kSuccess);
  ASSERT_EQ(openWorkFile(&c, nullptr, nullptr, path(L"Cible.dgn"), L"", false), kSuccess);
  const Element* original = readElement(s, cellule);
  ASSERT_NE(original, nullptr);
  const Element copie = copyForModel(*original, s, c);
  EXPECT_EQ(copie.id, 0u);
  EXPECT_EQ(copie.level, 41u);
  ASSERT_EQ(copie.children.size(), 2u);
  EXPECT_EQ(copie.children[0].level, 40u);
  EXPECT_EQ(copie.children[1].level, 41u);
  ASSERT_EQ(copie.children[1].children.size(), 2u);
  EXPECT_EQ(copie.children[1].children[0].level, 0u) << "a name the destination lacks";
  EXPECT_EQ(copie.children[1].children[1].level, 0u) << "an id the source lacks";
  EXPECT_EQ(readElement(s, cellule)->level, 3u) << "the source is untouched";
  EXPECT_NE(addElement(c, copie), 0u);
  closeWorkFile(s);
  closeWorkFile(c);
}

}  // namespace
