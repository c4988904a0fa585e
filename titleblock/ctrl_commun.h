#pragma once
// What the title-block and identification-cell checks share: the element type and object names
// their findings carry, and the reading of a cell's origin.
#include <cstdint>
#include <string>

#include "host/geom_types.h"
#include "host/model_ref.h"

// Findings on a cell carry its element type as their extra number.
inline constexpr std::uint32_t ctrl_typeCellule = 2;
inline constexpr const wchar_t* ctrl_objetCartouche = L"Cartouche";
inline constexpr const wchar_t* ctrl_objetCadre = L"Cadre";

// The origin of the cell of that id in UORs of its model; false when it is no readable cell.
bool ctrl_origineCellule(host::Point3d& origine, std::uint64_t idCellule, host::ModelRef modele);

// The same in the model's master units, x and y only (z 0).
bool ctrl_origineMaitre(host::Point3d& origine, std::uint64_t idCellule, host::ModelRef modele);

// The point lies strictly within `tolerance` of (0, 0) in x and in y (a NaN coordinate does not).
bool ctrl_presDuZero(const host::Point3d& point, double tolerance);

// The background date of a title block or IDFDP cell: null when it is a valid date not later
// than today (the host's clock), else the complement of its finding, "Date de fond de plan non
// spécifiée ou incorrecte" or, with `posterieure` set, "Date de fond de plan postérieure à la
// date du jour".
const wchar_t* ctrl_dateFond(const std::wstring& texte, bool& posterieure);
