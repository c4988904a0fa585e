#pragma once
// One plan of the folder during one engine call. The model references are not owned: whoever
// opens a work file closes it.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/veremprise.h"
#include "engine/verprojection.h"
#include "host/geom_types.h"
#include "host/model_ref.h"

struct verplaninfo {
  std::wstring chemin;          // main file, upper-cased: the one-file plan's file or the FP2 file
  std::wstring nomFichier;      // file name with extension of `chemin`
  std::wstring nomPlan;         // upper-cased plan name
  std::wstring libelleEmprise;  // labels and finds the footprint; always the plan name
  veremprise emprise;
  std::uint32_t type = 0;         // 1 one-file plan, 2 three-file plan
  std::uint32_t version = 0;      // scale class: 1 for 1:200, 2 for 1:500
  std::uint32_t masqueTheme = 0;  // 62 electricity, 1984 gas, 6144 other networks; chooses the theme file
  // Networks whose levels are searched for network lengths. plan_copierIdentite writes it with
  // masqueTheme; the one-file title-block check widens it to 6206 (electricity and other
  // networks) to measure every network dated in the title block.
  std::uint32_t masqueReseau = 0;
  std::int32_t index = -1;
  bool lectureSeule = false;      // an existing file of the plan is read-only
  bool georeference = false;      // the frame origin is in projected coordinates
  verprojection projection;
  host::Point3d origineCadre;     // origin of the frame cell, UORs
  std::vector<host::Point3d> points;         // carried, not filled by the engine
  host::Range3d etendue;          // range of all drawn elements of the main file, UORs; empty when unknown
  std::vector<std::wstring> enregistrements;  // carried, not filled by the engine
  // The footprint polygon and emprise_calculerPolygone's result, worked out by the frame pass
  // while it had the file loaded when the footprint pass was to need them, and taken by that
  // pass when it draws the footprint; unset otherwise.
  std::optional<std::pair<std::uint32_t, std::vector<host::Point3d>>> polygoneEmprise;
  std::vector<std::uint64_t> encarts;  // element ids of the plan's insets in the theme model, in scan order
  host::ModelRef modelePrincipal;
  host::ModelRef modeleTheme;  // the theme file opened by plan_ouvrir
};

// The default record.
void verplaninfo_construire(verplaninfo& plan);
