#pragma once
// Transients: elements drawn over the views without being in any model (markers, crosses). A
// transient holds elements in UORs of the active model and a view mask (bit v: shown in view v);
// it lives until freed, or until the application that made it unloads.
#include <vector>

#include "host/element.h"

namespace host::transients {

struct Transient;

// Draw modes.
constexpr int drawNormal = 0;
constexpr int drawHighlighted = 2;
constexpr int drawTemporary = 3;

// Adds a copy of `element` to `transient` (null: a new transient) and returns the transient.
Transient* addElement(Transient* transient, const Element& element, int drawMode, unsigned viewMask);

// Shows the transient in the views of the mask; an unknown handle is ignored.
void setViewMask(Transient* transient, unsigned viewMask);

// Frees a transient; null or unknown handles are ignored.
void free(Transient* transient);

bool isLive(const Transient* transient);

struct Drawn {
  Element element;
  int drawMode = drawNormal;
};
// The transient elements shown in a view, in the order added.
std::vector<Drawn> inView(int view);
std::size_t count();

void freeOwnedBy(int owner);
void clear();

}  // namespace host::transients
