#pragma once
// The plan files that the application attaches to its working drawing, and the plan-information
// record of a plan. Attachments carry a logical name made of a prefix and the file's name:
// "VERIF" the folder's footprint drawing, "VERLIV" a plan's delivered files, "VERORI" its
// previous files.
#include <cstdint>
#include <string>

#include "engine/halvorn.h"
#include "engine/verplaninfo.h"
#include "host/geom_types.h"
#include "host/model_ref.h"

// Attaches a plan file's default model to the active model under the prefix, placed in the
// folder's coordinate system by the plan system's local transform at the centre of the plan's
// range (the identity when either projection name is empty or unknown). 0 when attached or
// already attached under the prefix; 0x8000 when the attachment cannot be created; else the
// host's status of writing it.
std::int32_t ref_attacherPlan(const std::wstring& chemin, const std::wstring& prefixe, const host::Range3d& etendue,
                              const std::wstring& projectionDossier, const std::wstring& projectionPlan);

// The plan system's local transform towards the folder system at the centre of the plan's range
// (UORs of `modele`, by its UORs per master unit), what places a plan's elements among the
// folder's; the identity when a name is empty, a system unknown, the range null or the
// reprojection fails there.
host::Transform transformationPlan(const host::Range3d& etendue, const std::wstring& projectionDossier,
                                   const std::wstring& projectionPlan, host::ModelRef modele);

// The plan-information record of a plan whose files are in `repertoire`: kind, main file (the
// one-file plan's file or the three-file plan's FP2), file name, plan name, scale class and the
// electricity theme mask; everything else keeps its default.
verplaninfo& plan_construireInfo(verplaninfo& info, const verplan& plan, const std::wstring& repertoire);
