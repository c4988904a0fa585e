#pragma once
// The PTR cells of a plan's network file, and what the collector reads of each: the texts of its
// graphic group and what lies under it. Nothing here reports or changes the drawing.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/geom_types.h"
#include "host/model_ref.h"
#include "networks/verptr.h"

// Fills `sortie` (emptied first) with the PTR cells of the plan record's theme model (outside its
// insets), each with the texts of its group and what lies under it, sorted by graphic group, each
// PTRLA paired with an unpaired PTRLAS at most 0.001 from it. The tolerance (the search of the
// underlying network line) is in master units; a negative one means 0.002.
void ptr_collecterCellules(std::vector<verptr>& sortie, const verplaninfo& plan, double tolerance);

// The class of a cell name, compared whole and without case; classePtrAucune for any other name.
classePTR ptr_typeCellule(const std::wstring& nom);

// Fills the altitude and number fields from the texts of the record's graphic group in the model
// (a later text overwrites an earlier one). Nothing for group 0 or a model that is not open.
void ptr_lireNombres(verptr& ptr, host::ModelRef modele);

// 0 when the text, spaces removed, is "Z=" or "Zd=" (without case) followed by a value made only
// of "0123456789-.": the altitude fields are filled (a negative zero gives no value). 0x8000
// otherwise, the record left alone.
std::int32_t ptr_lireAltitude(verptr& ptr, const std::wstring& texte);

// The first accessory cell of the plan's standard whose origin lies strictly within 0.002 master
// units of the point (UORs, XY), in scan order; 0 when none or for a plan kind other than 1 and 2.
std::uint64_t ptr_accessoiresProches(const host::Point3d& point, const verplaninfo& plan);

// The first protection line (colour 14 on the protection-line level) passing strictly within
// 0.002 master units of the point (UORs, XY); 0 when none.
std::uint64_t ptr_ligneProtection(const host::Point3d& point, const verplaninfo& plan);

// The first shape or complex shape on a level of the protections network, not of colour 14 on
// the protection levels, that contains the point (UORs, XY, tolerance 1.0 UOR); 0 when none.
std::uint64_t ptr_zoneProtection(const host::Point3d& point, const verplaninfo& plan);
