#pragma once
// Building elements in memory and editing them: line strings and shapes from points, a point
// element, a text, a chain assembled from several elements, a buffer zone around an element, the
// stroked form of an element, and the filling of element agendas. New elements are owned by the
// output handle, in the given model; nothing is added to a model here: the caller adds, draws or
// discards them. Coordinates and distances in UORs. Results: 0, or 0x8000 on failure.
#include <cstdint>
#include <string>
#include <vector>

#include "host/curve_element.h"
#include "host/element_handle.h"
#include "host/model_ref.h"

// A line string (open) or a shape (closed) through the points, with the template's symbology and,
// when not 0, its graphic group. Fewer than 2 points, or fewer than 3 for a shape: 0x8000.
int stbElem_creerLigneBrisee(host::ElementHandle& sortie, const host::ElementHandle* modele, host::ModelRef model,
                             const std::vector<host::Point3d>& points, bool ferme);

// A line of zero length at the point (a point element), without template.
int stbElem_creerSegment(host::ElementHandle& sortie, const host::Point3d& point, host::ModelRef model);

// A text at the origin in the host's active text style. An empty text gives 0x8000; a text of
// several lines (separated by carriage returns or line feeds) gives a text node.
int stbElem_creerTexte(host::ElementHandle& sortie, host::ModelRef model, const std::wstring& texte,
                       const host::Point3d& origine);

// One chain of the elements of the model named by the ids, joined end to end where their ends
// lie within the tolerance (pieces reversed as needed), starting from the first element that has
// a curve. Ids the model does not have, elements without a curve, and pieces that cannot be
// joined to that chain are left out. A chain of lines only becomes one line string; a chain of
// one piece is that piece. The chain takes the first element's symbology. 0x8000 when nothing
// has a curve.
int stbElem_assemblerChaine(host::ElementHandle& sortie, std::vector<host::ElementId> associations,
                            host::ModelRef model, double tolerance);

// The closed shape of the area lying within `distance` of the element (round corners, arcs
// stroked within the chord tolerance), keeping the element's symbology and graphic group. An
// open element is taken as its stroked path out and back. 0x8000 when the element has no curve
// or nothing comes of it.
int stbElem_zoneTampon(host::ElementHandle& sortie, const host::ElementHandle& element, double distance,
                       double tolerance, host::ModelRef model);

// Strokes the element within the chord tolerance into `points` (breaks dropped; emptied first);
// with `remplacer` the handle's element becomes the line string, or shape for a closed element,
// through them. An empty handle does nothing.
void stbElem_discretiser(host::ElementHandle& element, bool remplacer, std::vector<host::Point3d>& points,
                         double tolerance);

// Appends a handle on the element `reference` of the model. Result 0.
int stbElem_insererReference(host::ElementId reference, host::ElementAgenda& agenda, host::ModelRef model);

// Appends a handle owning a copy of the element, in the element's model; nothing for a null or
// empty handle.
void stbElem_insererCopie(host::ElementAgenda& agenda, const host::ElementHandle* descripteur);
