#include "host/paths.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <ctime>
#include <fstream>

namespace fs = boost::filesystem;

namespace {

class HostPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::current_path() / "paths_test" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root);
    fs::create_directories(root / "Dossier" / "Livre");
    std::ofstream(fs::path(root / "Dossier" / "Livre" / "abc.fp2").string()) << "x";
    std::ofstream(fs::path(root / "Dossier" / "Livre" / "\xC3\xA9t\xC3\xA9.dgn").string()) << "x";  // été.dgn
  }
  std::wstring wide(const fs::path& p) { return host::paths::fromNative(p); }
  fs::path root;
};

TEST_F(HostPaths, ResolvesWithoutCaseComponentByComponent) {
  const std::wstring upperPath = wide(root) + L"/DOSSIER/LIVRE/ABC.FP2";
  EXPECT_EQ(host::paths::resolve(upperPath), root / "Dossier" / "Livre" / "abc.fp2");
  // Latin-1 letters fold too, and "\" is a separator.
  EXPECT_EQ(host::paths::resolve(wide(root) + L"\\DOSSIER\\LIVRE\\\u00C9T\u00C9.DGN"),
            root / "Dossier" / "Livre" / "\xC3\xA9t\xC3\xA9.dgn");
  // Nothing matches: the path comes back as written.
  EXPECT_EQ(host::paths::resolve(wide(root) + L"/DOSSIER/ORIGINE/X.DGN"), root / "Dossier" / "ORIGINE" / "X.DGN");
  // A file to be written keeps its name, in its folder resolved.
  EXPECT_EQ(host::paths::resolveForWriting(wide(root) + L"/DOSSIER/LIVRE/NEW.CSV"), root / "Dossier" / "Livre" / "NEW.CSV");
  // A path through a regular file does not throw.
  EXPECT_NO_THROW(host::paths::resolve(wide(root) + L"/DOSSIER/LIVRE/ABC.FP2/DEEPER"));
}

// A folder is listed once while it does not change, and again once it changed.
TEST_F(HostPaths, ListsAFolderOnceWhileItDoesNotChange) {
  const std::time_t longAgo = std::time(nullptr) - 60;
  for (const fs::path& folder : {root, root / "Dossier", root / "Dossier" / "Livre"}) fs::last_write_time(folder, longAgo);
  const std::uint64_t before = host::paths::listings();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(host::paths::resolve(wide(root) + L"/DOSSIER/LIVRE/ABC.FP2"), root / "Dossier" / "Livre" / "abc.fp2");
  EXPECT_EQ(host::paths::listings() - before, 3u);  // each folder once
  std::ofstream(fs::path(root / "Dossier" / "Livre" / "Nouveau.dgn").string()) << "x";
  EXPECT_EQ(host::paths::resolve(wide(root) + L"/DOSSIER/LIVRE/NOUVEAU.DGN"), root / "Dossier" / "Livre" / "Nouveau.dgn");
  EXPECT_EQ(host::paths::entries(root / "Dossier" / "Livre").size(), 3u);
}

TEST(HostPathsText, Utf8RoundTripAndCaseFolding) {
  const std::wstring name = L"Caf\u00E9 \u0152uvre";
  EXPECT_EQ(host::paths::fromNative(host::paths::toNative(name)), name);
  EXPECT_EQ(host::paths::fromNative(fs::path(std::string("a\xE9"))), L"a\u00E9");  // stray byte read as Latin-1
  EXPECT_TRUE(host::paths::equalNoCase(L"\u00E9t\u00E9", L"\u00C9T\u00C9"));
  EXPECT_TRUE(host::paths::toNative(std::wstring(L"f.txt\0x", 7)).empty());
  EXPECT_FALSE(host::paths::equalNoCase(L"\u00F7", L"\u00D7"));  // division and multiplication signs are not letters
  EXPECT_EQ(host::paths::upper(L'\u00FF'), L'\u00FF');
}

}  // namespace
