#pragma once
// Signed plans made in code for the signature library's tests, and the library's resource file.
#include <string>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/signer.h"
#include "host/model_ref.h"

namespace signature_fixture {

namespace fs = boost::filesystem;
namespace fx = host::fixture;

inline const std::wstring resourcePath = fs::path(PROJECT_SOURCE_DIR "/resources/brevane.json").wstring();

// A small plan: lines, a line string, a shape, a text, a chain and a cell, with a level 20.
inline fx::DesignBuilder smallPlan(bool withLevel20 = true) {
  fx::DesignBuilder b;
  const auto reseau = b.level(L"Reseau", 5);
  if (withLevel20) b.level(L"Signature", 20);
  b.add(fx::line({0, 0}, {1000, 0}).level(reseau).colour(3).weight(2));
  b.add(fx::line({0, 0}, {0, 1000}).level(reseau).colour(3).weight(2));
  b.add(fx::lineString({{0, 0}, {10, 10}, {20, 0}}).level(1).colour(0xFFFFFFFF).weight(0xFFFFFFFF));
  b.add(fx::rectangle({0, 0}, {50, 50}).level(reseau).colour(7));
  b.add(fx::text(L"A", {5, 5}).level(reseau).colour(1));
  b.add(fx::chain({fx::line({0, 0}, {5, 0}).level(2).colour(4).weight(1), fx::arc({5, 0}, 5, 0, 1).level(3)}).level(9));
  b.add(fx::cell(L"C", {0, 0}, {fx::line({0, 0}, {1, 1}).level(6).colour(200).weight(15)}).level(7));
  return b;
}

// Per-test folder under the test's working directory.
inline fs::path testFolder(const std::string& prefix) {
  const fs::path dir = fs::current_path() /
                       (prefix + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace signature_fixture
