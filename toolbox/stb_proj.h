#pragma once
// Projections of plan models: the name of a model's coordinate system, giving a model or a file
// a projection, and reprojecting points between two projections. Of a `verprojection` only the
// host coordinate-system key is read. Failures are results; no message, no throw.
#include <string>
#include <vector>

#include "engine/verprojection.h"
#include "host/geom_types.h"
#include "host/model_ref.h"

// The display name of the coordinate system of the model, or, without a model, of the file at
// `chemin` (opened read-only here and closed again unless it is the active file). Empty when
// there is neither, the file does not open, or the model has no system the host knows.
const std::wstring& stbProj_nomSysteme(std::wstring& nom, host::ModelRef modele, const std::wstring& chemin);

// Gives the model, or without a model the file at `chemin`, the projection's coordinate system.
// 0 when it already carries exactly that key (a read-only file included: nothing is opened for
// writing then); 0x8000 for an empty key, neither model nor path, a file that does not open for
// writing, a read-only model or a key the host does not know; otherwise the host's status of the
// write. A file opened here is closed (and so saved) unless it is the active file; a save that
// fails gives 0x8000.
int stbProj_affecterSysteme(const verprojection& projection, host::ModelRef modele, const std::wstring& chemin);

// Reprojects the points (UORs of the model, in and out) from the source projection to the
// target one in one call: 0, or 0x8000 with the points as they were when a key is empty, a key
// is unknown to the host, the model is not valid or a point cannot be reprojected (non-finite
// input or result included). An empty list gives 0.
int stbProj_reprojeter(std::vector<host::Point3d>& points, const verprojection& source, const verprojection& cible,
                       host::ModelRef modele);

// One point, as stbProj_reprojeter: 0 with `sortie` reprojected (its z the input's), or 0x8000
// with `sortie` untouched. `sortie` and `entree` may be the same point.
int stbProj_reprojeterPoint(host::Point3d& sortie, const host::Point3d& entree, const verprojection& source,
                            const verprojection& cible, host::ModelRef modele);
