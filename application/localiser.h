#pragma once
// The locate-element command: the element whose number the user typed in the summary, found in
// the delivered version of the plan selected there, and the look-up of a plan by a file name.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "host/geom_types.h"

// Command 0x0104000000000000 (argument: the rest of the key-in): a primitive tool whose data point
// locates the element and whose reset starts it again.
void cmd_localiserElement(const wchar_t* argument);

// The tool's data point (the point itself is not used; its view is zoomed).
void bilan_localiserElement(const host::Point3d* point, int vue);

// The index of the plan that a file belongs to (a one-file plan's file name with its extension,
// or a three-file plan's file whose stem is the plan's name), ignoring case; -1 when none.
std::int32_t plan_indiceParNom(const std::vector<verplan>& plans, const std::wstring& nomFichier);
