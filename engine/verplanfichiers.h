#pragma once
// The file set of one plan under check, built for one verification and destroyed at its end.
// Stages of the verification hand results to one another through it. Internal to the library.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verprojection.h"
#include "host/geom_types.h"
#include "host/model_ref.h"
#include "standard/verelement.h"

// Role of a plan file.
enum roleFichier : std::uint32_t {
  rolePlanUnique = 1,  // one-file plan
  roleFond = 2,        // background FP2
  roleElectricite = 3, // electricity EL2
  roleAutres = 4,      // other networks AR2
};

// One DGN file of a plan.
struct verfichier {
  bool existe = false;          // a regular file
  std::wstring chemin;          // full path, upper-cased
  bool lectureSeule = false;    // read-only attribute of an existing file
  std::wstring nomFichier;      // file name with extension
  bool signatureValide = false; // the previous version has signature status 0 (after the signature step)
  std::uint32_t role = 0;       // roleFichier
  host::ModelRef modele;      // the open work file, not owned; null when not open
  std::uint32_t mode = 1;       // 1 when built, 3 during a verification, 2 during a verify-and-compare
  std::vector<verelement> elements;  // the file's element table, sorted by element id
};

struct verplanfichiers {
  std::wstring nom;             // plan name, upper-cased
  std::int32_t type = 0;        // 1 one-file, 2 three-file
  std::int32_t version = 0;     // scale class 1 or 2
  std::wstring qualite;         // georeferencing-quality letter, from the title block
  verprojection projection;
  bool fondBDU = false;         // the background identification cell says BDU
  std::wstring codeLivre;       // producer code of the delivered title block
  std::wstring codeOrigine;     // producer code of the previous version's title block
  host::Point3d origineCadre;   // origin of the background file's frame, UORs
  std::array<verfichier, 3> fichiers;  // one-file plan: [0]; three-file plan: FP2, EL2, AR2
};
