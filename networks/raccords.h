#pragma once
// The raccord cells of a plan file (RACRIV, RACSEC): their lines, which make the limit of a
// one-file plan, and the label texts that name the neighbouring plans. Nothing is reported here.
// Coordinates and distances in UORs, angles in radians.
#include <cstdint>
#include <string>
#include <vector>

#include "host/element_handle.h"
#include "host/model_ref.h"
#include "networks/verraccord.h"
#include "networks/vertolerances.h"

// Level of the RACRIV labels.
inline constexpr wchar_t rac_niveauEtiquette[] = L"Topo4Divers";
// Entries of the tolerance block read by the RACRIV label search: the search distance (UORs) and
// the largest angle between the cell and its label.
inline constexpr std::size_t rac_toleranceDistance = 22;
inline constexpr std::size_t rac_toleranceAngle = 23;

// A RACRIV label candidate: the text's element and upper-cased string, and the code read from it.
struct rac_candidat {
  std::uint64_t idElement = 0;
  std::wstring texte;
  std::wstring code;
  std::uint32_t typeCode = 0;
};

// Every raccord cell of the model (the list emptied first), in scan order, each with its line and
// label looked for; a cell whose label is not found is kept unlinked. Empty for an invalid model.
void rac_collecterRaccords(std::vector<verraccord>& sortie, host::ModelRef modele, const vertolerances& tolerances);

// The raccord's own file name, its line, its label and its neighbour, by its kind: 0 when linked;
// 0x8000 for a label not found (the line is set all the same) or a kind other than 1 and 2 (nothing is read).
std::int32_t rac_lierTexte(verraccord& raccord, host::ModelRef modele, const vertolerances& tolerances);

// The label of a RACRIV cell: among the texts on "Topo4Divers" parallel to the cell (unoriented,
// within the angle tolerance) and within the search distance of its outline, the one holding a
// plan code whose box centre is nearest the cell origin. 0, or 0x8000 when none. An empty text
// among them ends the search at once with 0 and no label.
std::int32_t rac_texteRaccordRiv(verraccord& raccord, host::ModelRef modele, const vertolerances& tolerances);

// The label of a RACSEC cell: the first text of its graphic group, on its level, that is not
// empty; its first line, or its first two lines joined. 0, or 0x8000 (also for group or level 0).
std::int32_t rac_texteRaccordSec(verraccord& raccord, host::ModelRef modele);

// A text's orientation and its box as a closed polygon of 5 points (z 0): 0, or 0x8000 when the
// element has no box.
std::int32_t rac_boiteTexte(double& orientation, std::vector<host::Point3d>& points, const host::ElementHandle& texte);

// The code of a candidate from its first two lines: each kept to "/", digits, "A" to "Z", "_" and
// "-", then cut at its first "/"; 11 characters of which the first 5 are digits give kind 1, 26
// characters kind 2. 0, or 0x8000 (code empty, kind 0) when neither line gives one.
std::int32_t rac_analyserCode(rac_candidat& candidat);
