#pragma once
// The projections of a folder: the record of a short code or key from the fixed table, the
// parameter folder's projection and department-relation files, and the check that a folder's
// plans share one projection family.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/vercontexte.h"
#include "engine/verdeptproj.h"
#include "engine/verprojection.h"

// A default record with the short code and key given; an empty key is taken from the fixed
// table's row of the short code, an empty short code from the row of the key (both compared
// without case). A value the table does not hold leaves the other field empty.
verprojection projection_rechercher(const std::wstring& codeCourt, const std::wstring& cle);

// Appends one record per line of "Emprise_Projection.ini" that has at least 7 fields split at
// ";" (label; short code; zone code; X min; Y min; X max; Y max; the rest ignored). Texts are
// kept as they stand; a number that does not convert reads 0.0; the range's z is 0. A missing
// file appends nothing.
void projection_lireFichier(std::vector<verprojection>& projections, const std::wstring& chemin);

// Appends one relation per line of "Emprise_Dept_Proj.ini" that has at least 6 fields
// (department; short code; X min; Y min; X max; Y max); empty lines and lines starting with "#"
// are skipped. A missing file appends nothing.
void deptproj_lireFichier(std::vector<verdeptproj>& relations, const std::wstring& chemin);

// The projection family in which a short code takes part in the folder check: "L93" for the
// Lambert zones and the conic conformal zones, the code itself (as given) for "U20", "U22" and
// "U40"; empty for any other code, "L93" itself included (compared without case).
std::wstring projection_familleDossier(const std::wstring& codeCourt);

// The folder check over the plans' short codes, in plan order. The folder projection is reset,
// then takes the first family met as its short code. 0 when no later family differs, and the
// folder projection is then completed from the fixed table (empty code and key when no plan
// counts); 0x8000 with "Incohérences sur les projections des plans du dossier." in message
// otherwise.
std::int32_t projection_controlerCodes(verprojection& projectionDossier, std::wstring& message,
                                       const std::vector<std::wstring>& codesCourts);

// Appends to the context's lists the projections of its projection file and then the relations
// of its department relations file. Whether a list stays empty is for the caller to judge.
void dossier_lireProjections(vercontexte& ctx);

// The folder check over the short codes of the context's plan records (see
// projection_controlerCodes); sets the context's folder projection. 0 or 0x8000.
std::int32_t dossier_controlerProjections(vercontexte& ctx, std::wstring& message);
