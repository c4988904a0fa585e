#pragma once
// Showing an element to the user in a view.
#include <cstdint>

#include "host/model_ref.h"

// Zooms a view onto an element of a model (a reference's element is placed with the reference's
// transform): the view's area becomes the element's range, at least 10 by 10 UORs of the root
// model, zoomed by `facteurZoom` about its centre, and the view is redrawn; with `surligner` the
// element is highlighted too. `vue` -1 is the first open view; no open view, a closed view or an
// element that the model does not hold does nothing.
void stbElem_surligner(std::uint64_t idElement, host::ModelRef modele, int vue, double facteurZoom, bool surligner);
