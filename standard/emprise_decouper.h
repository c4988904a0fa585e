#pragma once
// The elements of a plan file that lie outside a polygon (the plan's useful area): the cut of a
// whole model, and the decision for one element. Coordinates in UORs.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/curve_element.h"
#include "host/element_handle.h"
#include "host/model_ref.h"

// The frame and identification cells: a cell of exactly one of these names is never reported.
inline constexpr std::array<std::wstring_view, 11> emprise_cellulesCadre = {
    L"A1", L"A15", L"A4X4", L"A4X45", L"IDFICH", L"IDLOC", L"IDFDP", L"IDELE", L"IDAUT", L"IDVOIE", L"FNORD"};

// Fills `dehors` (emptied first) with the ids of the drawn elements (type 94 left out) that lie
// outside the closed polygon, in scan order. Mode 1 cuts the plan's main file, mode 2 the plan
// record's theme file. Except for the main file of a three-file plan, the elements of the plan's
// PTR cells and flags are never reported. 0, or 0x8000 when the model is missing, the polygon
// has fewer than 3 points or makes no clip.
std::uint32_t emprise_decouperPlan(std::vector<std::uint64_t>& dehors, const verplaninfo& plan, std::uint32_t mode,
                                   const std::vector<host::Point3d>& polygone);

// Whether the element `idElement` of the model is to be reported as outside: 0x8000, else 0.
// Texts, text nodes, cells and shared cells are reported only when no part of them is inside;
// a dimension when none of its first ten definition points is inside and nothing of its drop
// is; any other element when some part of it lies outside (a clip that fails reports nothing).
// `vue` is the first open view, or -1.
std::uint32_t emprise_supprimerElements(std::uint64_t idElement, host::ModelRef modele, const host::ClipVector& clip,
                                        int vue, const std::vector<host::Point3d>& polygone,
                                        const host::CurveVector& courbePolygone);

// The same decision for a text (17), text node (7), cell (2) or shared cell (35), which may be an
// element the caller holds (a dimension's dropped text).
std::uint32_t emprise_decouperElement(const host::ElementHandle& element, host::ModelRef modele,
                                      const std::vector<host::Point3d>& polygone, const host::ClipVector& clip,
                                      const host::CurveVector& courbePolygone, int vue);
