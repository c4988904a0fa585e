#pragma once
// The cells that may stand in any file of a three-file plan, classified before the file's book:
// construction points "PT", flags (PTDRAP, DRAPn, CPTn) on the flag levels, the north arrow
// "FNORD".
#include <cstdint>

#include "standard/verelement.h"

// 0 when the element is one of these cells, its code and category set; 0x8000 otherwise (not a
// cell, another name, a flag on a level without a role), the element untouched.
std::uint32_t regle_classerCommunV3(verelement& element, std::int32_t classeEchelle);
