#pragma once
// Plan file names and themes. A one-file plan is one file named with an 8-character stem and a
// 3-character extension; its plan name is the whole file name. A three-file plan is three files
// of one stem (25 or 26 characters) with the extensions FP2 (background), EL2 (electricity) and
// AR2 (other networks), a GZ2 file (gas) possibly beside them; its plan name is the stem.
#include <cstdint>
#include <string>

// Kind bits of a plan file, as plan_themeFichier gives them.
enum themeFichier : std::uint32_t {
  themeAucun = 0,
  themePlanUnique = 1,  // a one-file plan's file
  themeFP2 = 2,
  themeEL2 = 4,
  themeGZ2 = 8,
  themeAR2 = 16,
};

// The plan name of a plan file, upper-cased: 0, or 0x8000 with an empty name when the path
// names no plan file.
std::uint32_t plan_nomDepuisFichier(std::wstring& nomPlan, const std::wstring& chemin);

// The kind bit of a file name (or path): the theme code of its extension (compared without case),
// else 1 for an 8-character stem with a 3-character extension, else 0.
std::uint32_t plan_themeFichier(const std::wstring& nomFichier);
