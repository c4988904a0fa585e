#pragma once
// libbrevane.so: tells whether a signed plan has been modified since it was signed, by comparing
// the statistics record stored in the plan with counts of its elements by type, level, colour and
// weight. The library allocates nothing that crosses its boundary: the caller keeps its model.
//
// Results of BrevaneModelQuorel: 0 the counts agree (the plan is as signed); 1 no model, or no
// type-66 element (not signed); 2 BREVANE_MAFILE undefined (only when no resource file is open);
// 3 the resource file cannot be opened; 4 no type-66 element carries the identifier 17732; 5 the
// stored record cannot be converted; 6 the counts differ (the plan was modified).
#include <cstdint>
#include <string>

#include "host/model_ref.h"

extern "C" {

// Checks an open model.
std::int32_t BrevaneModelQuorel(host::ModelRef model);

// Opens a plan file read-only as a work file, checks it as BrevaneModelQuorel does and closes it;
// 1 when the file cannot be opened.
std::int32_t BrevanePlanQuorel(std::wstring fileName);

// The entry of the library loaded as an application of the host: one key-in that checks the
// active model and prints the result on the host's console.
void MdlMain(int argc, const wchar_t** argv);
}
