#include <gtest/gtest.h>

#include <string>

#include "host/application.h"
#include "host/commands.h"
#include "host/resource_file.h"

namespace {

namespace app = host::application;
namespace cmd = host::commands;

constexpr std::uint64_t kShared = 0x0101000000000000ULL;
std::wstring calls;

void first(const wchar_t* a) { calls += L"first(" + std::wstring(a) + L")"; }
void second(const wchar_t* a) { calls += L"second(" + std::wstring(a) + L")"; }
void queuesShared(const wchar_t*) { cmd::queue(false, kShared, L"q", false); }

// Two applications register the same command number, each with a key-in of its own.
TEST(HostCommandNumbers, EachApplicationKeepsItsOwnHandlerOfASharedNumber) {
  const int a = app::registerInProcess(L"/nowhere/libfirst.so");
  const int b = app::registerInProcess(L"/nowhere/libsecond.so");
  std::wstring error;
  host::resources::ResourceFile ra, rb;
  ra.commands = {{L"first go", kShared}, {L"first queue", 0x0102000000000000ULL}};
  rb.commands = {{L"second go", kShared}};
  const cmd::CommandRow ta[] = {{first, kShared}, {queuesShared, 0x0102000000000000ULL}, {nullptr, 0}};
  const cmd::CommandRow tb[] = {{second, kShared}, {nullptr, 0}};
  {
    app::CallScope s(a);
    cmd::registerCommandNumbers(ta);
    EXPECT_TRUE(cmd::loadCommandTable(ra));
  }
  {
    app::CallScope s(b);
    cmd::registerCommandNumbers(tb);
    EXPECT_TRUE(cmd::loadCommandTable(rb));
    EXPECT_FALSE(cmd::loadCommandTable(host::resources::ResourceFile{}));  // no command table
  }
  calls.clear();
  ASSERT_TRUE(cmd::keyin(L"first go 1", error));
  ASSERT_TRUE(cmd::keyin(L"second go 2", error));
  ASSERT_TRUE(cmd::keyin(L"first queue", error));  // queued by the first: runs the first's handler
  cmd::runQueue();
  {
    app::CallScope s(b);
    cmd::execute(kShared, L"3");
  }
  EXPECT_EQ(calls, L"first(1)second(2)first(q)second(3)");

  // Unloading the second leaves the first's handler of the number working.
  ASSERT_TRUE(app::unloadId(b, app::reasonRequest, error));
  calls.clear();
  EXPECT_FALSE(cmd::keyin(L"second go", error));
  ASSERT_TRUE(cmd::keyin(L"first go x", error));
  EXPECT_TRUE(cmd::execute(kShared, L"y"));  // from the host: the one left
  EXPECT_EQ(calls, L"first(x)first(y)");
  ASSERT_TRUE(app::unloadId(a, app::reasonRequest, error));
  EXPECT_FALSE(cmd::execute(kShared, L""));
}

}  // namespace
