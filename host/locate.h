#pragma once
// Locating elements with a data point, the highlighted elements and the selection set.
// A modify command that enables auto-locate has each data point locate an element under the
// cursor, in the active model and (when locked elements are allowed) its references; the
// application's post-locate filter sees each candidate with its hit path and accepts or rejects
// it, and the first one accepted becomes the current locate path before the command's accept
// function runs. A point that locates nothing accepted does not reach the accept function.
// Locate settings last until another tool starts.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/element.h"
#include "host/model_ref.h"

namespace host::locate {

// Where an element was found: its model (the active model or a reference), id and file position,
// and the data point (UORs of the active model) in its view.
struct HitPath {
  ModelRef model;
  ElementId element = 0;
  std::uint32_t filePosition = 0;
  Point3d point;
  int view = -1;
};

constexpr int filterReject = 0;
constexpr int filterAccept = 2;
constexpr int actionLocate = 0;

using PostLocateFunction = int (*)(int action, const Element* element, ModelRef model, std::uint32_t filePosition,
                                   const Point3d* point, int view, const HitPath* path, std::wstring* reason);

// Settings of the running tool.
void enableAutoLocate(bool enable);
void allowLocked();
void setPostLocateFunction(PostLocateFunction f);
// Forgets the current path.
void init();

std::optional<HitPath> currentPath();

// Elements under a point of a view, nearest first (file order between equals): the active
// model's, then with `withReferences` those of its displayed references. Levels that the view
// does not display are passed over.
std::vector<HitPath> hitsAt(int view, const Point3d& point, bool withReferences);

// Search tolerance of a view in UORs of the active model: 1 % of the view's area height.
double tolerance(int view);

// Distance in the XY plane from a point to an element's geometry (its own units).
double distanceXY(const Element& element, const Point3d& point);

// Highlighted elements, by model and file position.
void hilite(ModelRef model, std::uint32_t filePosition, bool on = true);
bool isHilited(ModelRef model, std::uint32_t filePosition);
std::vector<std::pair<ModelRef, std::uint32_t>> hilited();
void clearHilite();

}  // namespace host::locate

namespace host::selection {

// Empties the selection set.
void freeAll();
// Adds an element by model and file position; false when no element is there.
bool addElement(ModelRef model, std::uint32_t filePosition);
bool contains(ModelRef model, std::uint32_t filePosition);
std::vector<std::pair<ModelRef, std::uint32_t>> members();

}  // namespace host::selection
