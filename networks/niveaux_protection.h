#pragma once
// The protection levels of a plan's electricity file: the symbology a protection line must have,
// and whether an element is a protection line or a protection text (colour 14 on the level of
// the plan's standard). Substation outlines and their texts are drawn so.
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"
#include "toolbox/stb_symbologie.h"

// The protection levels of one standard, as the drawing standard writes them.
struct niv_niveauxProtection {
  std::uint32_t typePlan;      // 1 one-file plan, 2 three-file plan
  std::wstring_view ligne;     // protection lines
  std::wstring_view texte;     // protection texts
  std::uint32_t epaisseur;     // weight of a protection line
};
inline constexpr std::array<niv_niveauxProtection, 2> niv_protections = {{
    {1, L"Fourreaux+Tub_", L"TxtFourreaux", 2},
    {2, L"ProtectionsIndif", L"TxtProtecIndiff", 4},
}};
inline constexpr std::uint32_t niv_couleurProtection = 14;

// A default record; for a plan of kind 1 or 2, the level name, weight and colour of its
// protection lines. Any other kind keeps the defaults.
void niv_symbologieProtection(versymbologie& symbologie, const verplaninfo& plan);

// 0 when the element has colour 14 and lies on the plan standard's protection-line level (a
// line: content kind 1) or protection-text level (a text or text node: content kind 4), the
// kind stored in `contenu` when given; 0x8000 otherwise, also for an unreadable element and a
// plan kind other than 1 or 2. Level names are read from the plan's theme model, exactly.
std::int32_t niv_texteProtection(std::uint32_t* contenu, const host::ElementHandle& element, const verplaninfo& plan);
