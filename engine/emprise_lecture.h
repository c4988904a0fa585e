#pragma once
// Reading the footprint drawing: finding its model, reading its footprints (a shape and a label
// text sharing a graphic group), the footprints that overlap an area, and a footprint by label.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/veremprise.h"
#include "host/element_handle.h"
#include "host/model_ref.h"

// The model of the footprint drawing at `chemin`: the active model when it is the active file
// (compared without case), else an attached reference of the active model to that file, else the
// file opened read-only as a work file, with `ouvert` true: the caller then closes it. 0, or
// 0x8000 (no model, `ouvert` false).
std::int32_t emprise_localiserFichier(bool& ouvert, host::ModelRef& modele, const std::wstring& chemin);

// The footprints of the drawing, in the order of their label texts: texts on the named levels
// (all levels for an empty list) with a graphic group, whose content equals one of `libelles`
// without case (all for an empty list), and whose group holds a footprint shape. `sortie` is
// emptied first. 0, or 0x8000 when the drawing cannot be reached.
std::int32_t emprise_chargerFichier(std::vector<veremprise>& sortie, const std::wstring& chemin,
                                    const std::vector<std::wstring>& nomsNiveaux,
                                    const std::vector<std::wstring>& libelles);

// The footprints whose shape overlaps the area of `zone` (coordinates of the active model), read
// from `modele` or, when it is null, from the drawing at `chemin`; only shapes on the named levels
// when names are given. `sortie` is emptied first. 0, or 0x8000 when the zone has no area or the
// drawing cannot be reached.
std::int32_t emprise_chercherDansZone(std::vector<veremprise>& sortie, host::ModelRef modele,
                                      const std::wstring& chemin, const host::ElementHandle& zone,
                                      const std::vector<std::wstring>& nomsNiveaux);

// The id of the first shape of the graphic group whose display priority is not 1 (a shape of
// priority 1 is never a footprint). 0 when there is none, the group has no drawn element or the
// model is not valid: 0 is never an element id.
std::uint64_t emprise_formeDuGroupe(std::uint32_t groupe, host::ModelRef modele);

// The id of the first text of the graphic group; 0 as above.
std::uint64_t emprise_texteDuGroupe(std::uint32_t groupe, host::ModelRef modele);

// Index of the first footprint whose label equals the upper-cased name, or -1.
std::int32_t emprise_chercher(const std::wstring& nom, const std::vector<veremprise>& emprises);
