#include "host/config.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(HostConfig, SetValueHidesEnvironmentAndEmptyIsDefined) {
  ::setenv("HOSTTEST_VAR", "from-env", 1);
  host::config::clear();
  EXPECT_EQ(host::config::get(L"HOSTTEST_VAR"), std::wstring(L"from-env"));
  host::config::set(L"HOSTTEST_VAR", L"");
  ASSERT_TRUE(host::config::get(L"HOSTTEST_VAR").has_value());
  EXPECT_EQ(*host::config::get(L"HOSTTEST_VAR"), L"");
  host::config::unset(L"HOSTTEST_VAR");
  EXPECT_EQ(host::config::get(L"HOSTTEST_VAR"), std::wstring(L"from-env"));
  ::unsetenv("HOSTTEST_VAR");
  EXPECT_FALSE(host::config::get(L"HOSTTEST_VAR").has_value());
  EXPECT_FALSE(host::config::get(L"").has_value());
  EXPECT_FALSE(host::config::get(L"NOM\u0152").has_value());  // not representable in the environment
}

}  // namespace
