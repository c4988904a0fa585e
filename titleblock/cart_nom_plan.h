#pragma once
// Plan codes DDCCCRRRRnn (department, commune, RIVOLI code, folio) and one-file plan names
// DDnnRRRR.CCC.
#include <cstdint>
#include <string>

// The one-file plan name of an 11-character plan code: 0, or 32768 for any other length (the
// output then left alone).
std::uint32_t cart_convertirNomPlan(std::wstring& nomPlan, const std::wstring& codePlan);
