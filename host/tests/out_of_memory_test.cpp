// Running out of memory while a design file loads refuses that file alone: the open reports a
// status, nothing is thrown, and the same file opens once memory is there again. Allocations are
// made to fail by a replacement of the global allocation functions, armed for large requests
// only; otherwise each form hands over to the one it replaces (the sanitizers' or the library's),
// so that every other test allocates as before.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <boost/filesystem.hpp>
#include <atomic>
#include <new>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/views.h"

namespace {

// Requests of at least this many bytes fail; 0: none does.
std::atomic<std::size_t> failFrom{0};

bool armedFor(std::size_t n) {
  const std::size_t limit = failFrom.load(std::memory_order_relaxed);
  return limit != 0 && n >= limit;
}

// The form that this executable's replaces, by its symbol.
template <class F>
F replaced(const char* symbol) {
  void* f = dlsym(RTLD_NEXT, symbol);
  if (!f) std::abort();
  return reinterpret_cast<F>(f);
}

using New = void* (*)(std::size_t);
using NewNoThrow = void* (*)(std::size_t, const std::nothrow_t&);
using Delete = void (*)(void*);
using DeleteSized = void (*)(void*, std::size_t);
using DeleteNoThrow = void (*)(void*, const std::nothrow_t&);

}  // namespace

void* operator new(std::size_t n) {
  static const New next = replaced<New>("_Znwm");
  if (armedFor(n)) throw std::bad_alloc();
  return next(n);
}
void* operator new[](std::size_t n) {
  static const New next = replaced<New>("_Znam");
  if (armedFor(n)) throw std::bad_alloc();
  return next(n);
}
void* operator new(std::size_t n, const std::nothrow_t& t) noexcept {
  static const NewNoThrow next = replaced<NewNoThrow>("_ZnwmRKSt9nothrow_t");
  return armedFor(n) ? nullptr : next(n, t);
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept {
  static const NewNoThrow next = replaced<NewNoThrow>("_ZnamRKSt9nothrow_t");
  return armedFor(n) ? nullptr : next(n, t);
}
void operator delete(void* p) noexcept {
  static const Delete next = replaced<Delete>("_ZdlPv");
  next(p);
}
void operator delete[](void* p) noexcept {
  static const Delete next = replaced<Delete>("_ZdaPv");
  next(p);
}
void operator delete(void* p, std::size_t n) noexcept {
  static const DeleteSized next = replaced<DeleteSized>("_ZdlPvm");
  next(p, n);
}
void operator delete[](void* p, std::size_t n) noexcept {
  static const DeleteSized next = replaced<DeleteSized>("_ZdaPvm");
  next(p, n);
}
void operator delete(void* p, const std::nothrow_t& t) noexcept {
  static const DeleteNoThrow next = replaced<DeleteNoThrow>("_ZdlPvRKSt9nothrow_t");
  next(p, t);
}
void operator delete[](void* p, const std::nothrow_t& t) noexcept {
  static const DeleteNoThrow next = replaced<DeleteNoThrow>("_ZdaPvRKSt9nothrow_t");
  next(p, t);
}

namespace {

namespace fs = boost::filesystem;
using namespace host;
namespace fx = host::fixture;

struct Armed {
  explicit Armed(std::size_t from) { failFrom = from; }
  ~Armed() { failFrom = 0; }
};

TEST(HostOutOfMemory, ALoadThatRunsOutOfMemoryRefusesThatFileAlone) {
  resetModels();
  views::reset();
  const fs::path dir = fs::current_path() / "out_of_memory";
  fs::remove_all(dir);
  fs::create_directories(dir);
  // About 1.6 MB of file, 8,000 elements: the bytes, the element vector and a writable copy each
  // ask for more than a megabyte at once.
  fx::DesignBuilder b;
  for (int i = 0; i < 8000; ++i) b.add(fx::line({i * 10.0, 0, 0}, {i * 10.0 + 5, 5, 0}));
  const std::wstring plan = paths::fromNative(dir / "Plan.dgn");
  ASSERT_TRUE(b.save(plan));
  const auto size = static_cast<std::size_t>(fs::file_size(dir / "Plan.dgn"));
  ASSERT_GT(size, 1u << 20);

  const struct {
    std::size_t failFrom;
    bool readOnly;
    bool cached;  // the file was loaded by the case before
    const char* what;
  } cases[] = {
      {size / 2, true, false, "reading the bytes"},
      {size + 4096, true, false, "building the model"},
      {size + 4096, false, false, "building the model of a writable open"},
      {size + 4096, false, true, "copying the loaded model for a writable open"},
  };
  for (const auto& c : cases) {
    if (!c.cached) forgetLoadedDesignFiles();
    ModelRef ref;
    int status = kSuccess;
    {
      const Armed armed(c.failFrom);
      EXPECT_NO_THROW(status = openWorkFile(&ref, nullptr, nullptr, plan, L"", c.readOnly)) << c.what;
    }
    EXPECT_NE(status, kSuccess) << c.what;
    EXPECT_EQ(openWorkFileCount(), 0u) << c.what;
    // Memory is there again: the same file opens, whole.
    ASSERT_EQ(openWorkFile(&ref, nullptr, nullptr, plan, L"", c.readOnly), kSuccess) << c.what;
    ASSERT_TRUE(host::model(ref));
    EXPECT_EQ(host::model(ref)->size(), 8000u) << c.what;
    EXPECT_EQ(closeWorkFile(ref), kSuccess) << c.what;
  }
  resetModels();
}

}  // namespace
