#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"

namespace {

namespace fs = boost::filesystem;
namespace fx = host::fixture;
using namespace host;

class HostScanBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    resetModels();
    const fs::path dir = fs::current_path() / "scan_batch";
    fs::create_directories(dir);
    fx::DesignBuilder b;
    // 7 lines on level 1 between data elements; one line deleted to leave a gap.
    for (int i = 0; i < 7; ++i) {
      const ElementId id = b.add(fx::line({0, 0, 0}, {1000.0 * (i + 1), 0, 0}).level(1));
      if (i == 3) deleted = id;
      b.add(fx::data({1, 2}));
    }
    path = (dir / "lines.dgn").wstring();
    ASSERT_TRUE(b.save(path));
    ASSERT_EQ(openWorkFile(&model, nullptr, nullptr, path, L"", false), kSuccess);
    ASSERT_EQ(deleteElement(model, deleted), kSuccess);
    criteria.types = {ElementType::Line};
  }
  void TearDown() override { resetModels(); }

  // Every position the batches give, as a client loops over them.
  std::vector<std::uint32_t> allBatches(std::size_t words, int& batches) {
    std::vector<std::uint32_t> out;
    std::vector<std::uint32_t> buffer(words / 2 + 1);
    std::uint32_t start = 0;
    batches = 0;
    while (start != kScanEndPosition && batches < 100) {
      const PositionBatch b = scanPositionBatch(model, criteria, start, buffer.data(), words);
      ++batches;
      out.insert(out.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(b.words / 2));
      if (b.status != kScanBufferFull && b.status != kScanEndOfModel) break;
      start = b.next;
    }
    return out;
  }

  std::wstring path;
  ModelRef model;
  ElementId deleted = 0;
  ScanCriteria criteria;
};

TEST_F(HostScanBatch, BatchesGiveTheWholeScanInOrderWhateverTheBufferSize) {
  const auto whole = scanPositions(model, criteria);
  ASSERT_EQ(whole.size(), 6u);
  for (std::size_t words : {2u, 4u, 5u, 12u, 250u}) {
    int batches = 0;
    EXPECT_EQ(allBatches(words, batches), whole) << words;
    // Full batches, then the end; a full last batch is followed by an empty end.
    EXPECT_EQ(batches, static_cast<int>(6 / (words / 2) + 1)) << words;
  }
}

TEST_F(HostScanBatch, StatusesAndNextPositions) {
  std::uint32_t buffer[4] = {};
  const auto whole = scanPositions(model, criteria);
  PositionBatch b = scanPositionBatch(model, criteria, 0, buffer, 4);
  EXPECT_EQ(b.status, kScanBufferFull);
  EXPECT_EQ(b.words, 4u);
  EXPECT_EQ(b.next, whole[1] + 1);
  b = scanPositionBatch(model, criteria, whole.back(), buffer, 4);  // the start itself is included
  EXPECT_EQ(b.status, kScanEndOfModel);
  EXPECT_EQ(b.words, 2u);
  EXPECT_EQ(buffer[0], whole.back());
  EXPECT_EQ(b.next, kScanEndPosition);
  b = scanPositionBatch(model, criteria, whole.back() + 1, buffer, 4);
  EXPECT_EQ(b.status, kScanEndOfModel);
  EXPECT_EQ(b.words, 0u);

  EXPECT_EQ(scanPositionBatch(model, criteria, 0, buffer, 1).status, kScanBadBuffer);
  EXPECT_EQ(scanPositionBatch(model, criteria, 0, nullptr, 4).status, kScanBadBuffer);
  EXPECT_EQ(scanPositionBatch(ModelRef{}, criteria, 0, buffer, 4).status, kScanBadModel);
}

}  // namespace
