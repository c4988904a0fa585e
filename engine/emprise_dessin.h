#pragma once
// The footprint drawing "Emprises.dgn" of a folder: one footprint per georeferenced plan, a
// closed shape with the plan's name as label, both in a graphic group that no other footprint
// uses. Made from the parameter folder's prototype, brought up to date each time the folder is
// opened: missing footprints are drawn, those older than their plan file redrawn with the
// symbology a user gave them, those of plans that left the folder deleted.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/vercontexte.h"
#include "engine/veremprise.h"
#include "engine/verplaninfo.h"
#include "host/geom_types.h"
#include "host/model_ref.h"
#include "toolbox/stb_symbologie.h"

// The completion bar of an update: the host's bar (0 for none), the text before the plan counts,
// and the percentages the update moves the bar between (start, end), with the current position
// and the number of plans.
struct verprogression {
  int barre = 0;
  std::wstring texte;
  int debut = 0;
  int fin = 100;
  int courant = 0;
  int total = 0;
};

// Brings the context's footprint drawing up to date and copies each plan's footprint into its
// record (plan index set, theme masks 62). 0, or 0x8000 with "Impossible de copier le fichier %s
// en %s." in `message` when the drawing cannot be made from the prototype.
std::int32_t dossier_creerEmprises(vercontexte& ctx, std::wstring& message);

// Which plan files the footprint pass is to draw a footprint of, as far as the drawing's date tells
// before the plans are listed: every one when the drawing is missing, else those changed since it
// was written. A plan it leaves out that the pass draws all the same (one with no footprint in
// the drawing) has its file loaded again by the pass.
std::function<bool(const std::wstring& chemin)> emprise_polygonesUtiles(const std::wstring& cheminDessin);

// Draws the missing and outdated footprints of the plans into the drawing at `chemin`, with the
// given symbologies for new footprints; a redrawn footprint keeps the symbology of the one it
// replaces. Polygons are reprojected from each plan's projection to the folder's. 0, or 0x8000
// when the drawing's date cannot be read, it does not open for writing, or a footprint could not
// be drawn (the other plans are drawn all the same).
std::int32_t emprise_mettreAJour(std::vector<veremprise>& emprises, const std::wstring& chemin,
                                 const versymbologie& symbologieForme, const versymbologie& symbologieLibelle,
                                 const verprojection& projectionDossier, std::vector<verplaninfo>& plans,
                                 verprogression& progression);

// Draws one footprint of `plan` into `modele` (UORs of the model): the closed shape of the
// polygon and the plan's label at the middle of its first and third points, along its first side
// (turned to read left to right), in a graphic group that no element of the model uses; the
// label's unset height, width, justification and font get 8.0 and 5.0 master units, 7 and
// "INTL_ENGINEERING". Appends the footprint's record. A polygon of fewer than three points draws
// nothing: 0. 0x8000 when the model refuses an element.
std::int32_t emprise_creer(std::vector<veremprise>& emprises, const versymbologie& symbologieForme,
                           const versymbologie& symbologieLibelle, const std::vector<host::Point3d>& polygone,
                           const verplaninfo& plan, host::ModelRef modele);
