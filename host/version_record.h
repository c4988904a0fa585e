#pragma once
// File version records of our libraries. A library declares its version with
// CADHOST_VERSION_RECORD(1, 2, 3, 4), which exports a small record under a fixed symbol name; the
// host reads it from the file itself (ELF symbol table), without loading the library.
#include <cstdint>
#include <optional>
#include <string>

namespace host::version {

constexpr std::uint32_t recordSignature = 0xFEEF04BD;
constexpr const char* recordSymbol = "cadhost_version_record";

struct Record {
  std::uint32_t signature = 0;
  std::uint16_t major = 0, minor = 0, build = 0, revision = 0;
};

// The record of a shared library, or nothing when the file is missing, is no ELF library, has no
// record, or its record does not begin with the signature.
std::optional<Record> readFile(const std::wstring& path);

// "major.minor.build.revision".
std::wstring text(const Record& record);

}  // namespace host::version

#define CADHOST_VERSION_RECORD(major, minor, build, revision)                                     \
  extern "C" __attribute__((visibility("default"), used)) const ::host::version::Record          \
      cadhost_version_record = {::host::version::recordSignature, (major), (minor), (build), (revision)}
