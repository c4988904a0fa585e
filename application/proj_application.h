#pragma once
// The application's projection table: the projections a user chooses in the coordinates dialog
// and that the clipboard tools convert between. Built once at start-up in appTolvek.projections;
// independent of the engine's projection files.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verprojection.h"

// Parses a row "identifier;label;zone code;key;EPSG" and appends it, with the kind, to
// appTolvek.projections: 0, or 0x8000 (nothing appended) unless the row has exactly five fields.
std::int32_t proj_ajouterProjection(const std::wstring& ligne, std::int32_t type);

// Empties appTolvek.projections and fills it with the projected rows (kind 1), then the WGS84
// row (kind 2).
void proj_remplirTable();

// Index of the first row whose key (or label) equals the text exactly, case included; -1 when
// none.
std::int32_t proj_indiceParCle(const std::vector<verprojection>& table, const std::wstring& cle);
std::int32_t proj_indiceParLibelle(const std::vector<verprojection>& table, const std::wstring& libelle);
