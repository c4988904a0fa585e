#pragma once
// The network classifier: which network an element belongs to and what kind of network object it
// is (cable, accessory, text, dimension), with its state, service-connection flag, NI mark, HTB
// class and protection network, from its level name, type, colour, weight and line style.
#include <cstdint>
#include <string_view>

#include "host/element_handle.h"
#include "standard/verclassement.h"
#include "toolbox/stb_symbologie.h"

// What the classifier reads of an element. The views are not owned.
struct niv_lecture {
  std::uint64_t idElement = 0;
  std::int32_t type = 0;
  std::uint32_t idNiveau = 0;     // 0: no level, never classified
  std::wstring_view nomNiveau;    // empty: not classified
  std::uint32_t couleur = 0;
  std::uint32_t epaisseur = 0;
  std::int32_t style = 0;         // line-style number
  std::wstring_view nomStyle;     // empty when the element has no named line style
  std::wstring_view nomCellule;   // cells only
};

// Classifies a drawn element of `modele` by the standard `version` (the plan kind: 1 one-file,
// 2 three-file) and the file's theme mask (62 electricity, 1984 gas, 6144 other networks).
// 0 when classified, with the record (optional) written whole; 0x8000 when the element cannot
// be read or no rule classifies it, the record untouched. A version other than 1 or 2, and a
// three-file theme other than the three above, classify nothing.
std::uint32_t niv_classerElement(verclassement* classement, const host::ElementHandle& element, host::ModelRef modele,
                                 std::uint32_t version, std::uint32_t theme);

// The same from what was already read of the element.
std::uint32_t niv_classerLecture(verclassement* classement, const niv_lecture& lecture, std::uint32_t version,
                                 std::uint32_t theme);

// What the classifier needs, taken from an element's symbology as the toolbox reads it (a line
// style without name reads "~" there). The views point into `symbologie`.
niv_lecture niv_lectureDe(const versymbologie& symbologie, std::uint64_t idElement);
