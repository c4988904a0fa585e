#pragma once
// The statistics record written by the signing side: 619 signed 16-bit words, then a tail of one
// 32-bit integer and 128 bytes. Counters are 16-bit and wrap on overflow.
#include <cstdint>

namespace brevane {

constexpr std::int16_t kIdentifier = 17732;  // 0x4544, word 0 of a stored record
constexpr int kWordCount = 619;

// First word of each range of counters, and the range's length.
constexpr int kTypeWord = 51;      // element type t (1 to 40) at word 50 + t
constexpr int kTypeCount = 40;
constexpr int kLevelWord = 91;     // level id l (1 to 256) at word 90 + l
constexpr int kLevelCount = 256;
constexpr int kColourWord = 347;   // colour c (0 to 255) at word 347 + c
constexpr int kColourCount = 256;
constexpr int kWeightWord = 603;   // weight w (0 to 15) at word 603 + w
constexpr int kWeightCount = 16;

struct SignatureRecord {
  std::int16_t words[kWordCount];  // identifier, 50 producer words, then the counters
  std::int32_t tailInteger;
  std::uint8_t tailBytes[128];
};
static_assert(sizeof(SignatureRecord) == 1372, "the record's layout is fixed by the signing side");
static_assert(kWeightWord + kWeightCount == kWordCount);

// Byte of a type-66 element where the stored record (its identifier first) starts, and the number
// of the data definition of the library's resource file that converts it.
constexpr std::size_t kStoredOffset = 34;
constexpr int kDataDefinition = 3;

}  // namespace brevane
