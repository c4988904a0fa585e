#pragma once
// What views 0 to 7 show: the area of the active model each one looks at, zooming and fitting,
// redrawing, and the view functions applications install (after a redraw, on cursor motion, and
// in place of an element being drawn). Areas are in UORs of the active model; only x and y count.
#include <optional>
#include <vector>

#include "host/element.h"
#include "host/model_ref.h"

namespace host::views {

// Views are windows of one shape: the area a view shows is kAspect times as wide as it is high.
// An area of another shape grows along its short side, about its centre, to that shape.
inline constexpr double kAspect = 4.0 / 3.0;

// The area a view shows. A view whose area was never set shows the active model's range (or
// 0..1000 when that is empty), grown to the view's shape.
Range3d area(int view);
Point3d centre(int view);
// Width and height of the area (z 0).
Point3d extent(int view);

// Sets the area, grown to the view's shape; a null range, one that is not finite once grown, or
// a view outside 0..7 is ignored.
void setArea(int view, const Range3d& area);

// `view` takes the extent of `referenceView` times `factor` (above 1 shows more), centred on
// `centre`. A factor that is not above 0 is ignored.
void zoom(int view, int referenceView, const Point3d& centre, double factor);

// Fits a view to the ranges of models (references through their transforms to the active
// model); false, and the area unchanged, when they hold nothing drawn.
bool fit(int view, const std::vector<ModelRef>& models);

// Redraws views: each update-post function installed receives the views redrawn.
void update(int view);
void updateAll();
// Redraws counted per view since resetDisplay() (tests).
int updateCount(int view);

// View functions; each setter returns the function it replaces. A null function removes it.
using UpdatePostFunction = int (*)(int viewCount, const int* views);
using MotionFunction = void (*)(int view, const Point3d* point);
// Called for each element drawn: filling `substitute` draws it in the element's place.
using SubstituteFunction = int (*)(std::optional<Element>* substitute, ModelRef model, const Element* element, int view);

UpdatePostFunction setUpdatePostFunction(UpdatePostFunction f);
MotionFunction setMotionFunction(MotionFunction f);
SubstituteFunction setSubstituteFunction(SubstituteFunction f);

// The cursor moves to `point` in `view`: the motion function, if any, runs.
void cursorMotion(int view, const Point3d& point);

// The element to draw for `element` of `model` in `view`: the substitute when the function gives
// one, else the element itself.
Element drawnElement(ModelRef model, const Element& element, int view);

// Dynamics: what a tool's dynamics function draws for the cursor's position, drawn once in one
// view and stored nowhere. It is gone at the next cursor motion and when the tool ends (tools.h
// clears it), and shows in the view's SVG picture meanwhile.
void drawDynamics(int view, const Element& element);
std::vector<Element> dynamicsInView(int view);
void clearDynamics();

// Removes the view functions an application installed.
void removeFunctionsOwnedBy(int owner);

// Forgets areas, counts and functions (tests).
void resetDisplay();

}  // namespace host::views
