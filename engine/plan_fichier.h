#pragma once
// Plan file names and themes. A one-file plan is one file named with an 8-character stem and a
// 3-character extension; its plan name is the whole file name. A three-file plan is three files
// of one stem (25 or 26 characters) with the extensions FP2 (background), EL2 (electricity) and
// AR2 (other networks), a GZ2 file (gas) possibly beside them; its plan name is the stem.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/model_ref.h"

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

// The path of the plan's file that holds `theme` (a kind bit), also returned: a one-file plan's
// own path whatever the bit; for a three-file plan its main path with the extension of that theme
// (FP2, EL2, GZ2, AR2); empty for any other bit or plan kind. The file need not exist.
const std::wstring& plan_fichierTheme(std::wstring& chemin, std::uint32_t theme, const verplaninfo& plan);

// Index of the first plan whose plan name equals the upper-cased `nom`, or -1.
std::int32_t dossier_chercherPlan(const std::wstring& nom, const std::vector<verplaninfo>& plans);

// Layout of the file that holds `modele`: 2 for a theme extension, 1 for a one-file plan's file
// name, 0 otherwise or without a name.
std::uint32_t plan_typeFichierModele(host::ModelRef modele);

// Opens read-only, as a work file, the file that holds the plan's theme, into `modeleTheme`: a
// one-file plan's own file; for a three-file plan the EL2 file for theme mask 62, the GZ2 file
// for 1984. 0 on success; 0x8000 for another mask, a missing file or a failed open, after
// closing and clearing a theme model the record held (and the main model of a one-file plan).
// Any other plan kind: 0, nothing opened. The caller closes the theme model.
std::uint32_t plan_ouvrir(verplaninfo& plan);
