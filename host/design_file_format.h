#pragma once
// What the reader and the writer of design files share (docs/design-file.md).
namespace host::design_format {

constexpr const char* kFormatTag = "cadhost-design";
constexpr int kFormatVersion = 1;

}  // namespace host::design_format
