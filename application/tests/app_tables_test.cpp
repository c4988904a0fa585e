#include "application/app_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Tables, SixCommandsThenARowOfZeros) {
  const std::uint64_t numeros[] = {0x0101000000000000ULL, 0x0102000000000000ULL, 0x0103000000000000ULL,
                                   0x0104000000000000ULL, 0x0105000000000000ULL, 0x0106000000000000ULL};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(tableCommandes[i].number, numeros[i]);
    EXPECT_NE(tableCommandes[i].function, nullptr);
  }
  EXPECT_EQ(tableCommandes[6].function, nullptr);
  EXPECT_EQ(tableCommandes[6].number, 0u);
}

TEST(Tables, TwentyHooksEachOfItsKind) {
  // Hooks x1 of dialogs 1 to 5 take dialog messages; the others item messages.
  const std::set<std::int64_t> dialogues = {11, 21, 31, 41, 51};
  const std::set<std::int64_t> ids = {11, 21, 22, 23, 24, 25, 26, 31, 32, 33, 41, 42, 43, 44, 51, 52, 53, 54, 55, 61};
  std::set<std::int64_t> vus;
  for (const auto& r : tableCrochets) {
    EXPECT_TRUE(vus.insert(r.id).second) << r.id;
    EXPECT_EQ(r.dialogHook != nullptr, dialogues.count(r.id) == 1) << r.id;
    EXPECT_EQ(r.itemHook != nullptr, dialogues.count(r.id) == 0) << r.id;
  }
  EXPECT_EQ(vus, ids);
}

}  // namespace
