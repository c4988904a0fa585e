#pragma once
// Curves of elements, and the element operations made of curve operations: the curve of an
// element, the element drawing a curve, the minimum distance between two elements and the clip
// of an element. UORs throughout; XY as in geometry.h.
#include <optional>
#include <vector>

#include "host/curve_vector.h"
#include "host/element.h"
#include "host/element_handle.h"

namespace host {

// A list of element handles, as the platform's element agenda: new or copied elements owned by
// their handles, or references to elements of a model.
using ElementAgenda = std::vector<ElementHandle>;

// The curve of a line (3), line string (4), shape (6), curve (11), complex chain (12), complex
// shape (14), ellipse (15) or arc (16): open for lines and chains, a closed loop for shapes and
// ellipses. A point list holding disconnect points gives its pieces (boundary type None).
// None for every other type (texts, cells, data) and for a geometry too small to draw.
std::optional<CurveVector> curveOfElement(const Element& e);

// The element drawing a curve: a line for an open line of two points, a line string, a shape,
// an arc or an ellipse for a single primitive, else a complex chain or complex shape of one
// component per primitive. Symbology (level, colour, weight, line style and parameters, class,
// display priority, transparency) is the template's when one is given; the graphic group is not
// taken. In a 2D model every z is 0. None for regions of several loops, pieces of type None and
// invalid curves.
std::optional<Element> elementOfCurve(const CurveVector& curve, const Element* templateElement, bool is3d);

// Minimum XY distance between two elements. Shapes and ellipses count as their areas (geometry.h);
// a cell counts as its children; a text as its box. None when either has no geometry.
std::optional<double> minDistanceBetweenElements(const Element& a, const Element& b);

// A clip: an area given by a closed loop or region.
struct ClipVector {
  CurveVector area{CurveVector::BoundaryType::Outer};
  // The clip of a closed polygon (at least 3 points, closed or not); none for fewer points.
  static std::optional<ClipVector> fromPoints(const std::vector<Point3d>& points);
};

// An element cut by a clip. Elements with a curve are cut at the clip's boundary: open ones into
// line strings (arcs stroked within 1/100 UOR), areas into shapes (a shape without area into line
// strings), each part keeping the element's symbology and graphic group. An element without a
// curve (text, cell) is judged by its range box, or by the segment or point that a box without
// area is, and kept whole: inside when some of it is inside. None when the element has no geometry
// or the clip is not an area.
struct ElementClip {
  std::vector<Element> inside;
  std::vector<Element> outside;
  bool crossesBoundary = false;
};
std::optional<ElementClip> clipElement(const Element& e, const ClipVector& clip, bool is3d);

// Whether some part of the element lies inside the clip; `crossesBoundary` (when given) is set
// when the element also has a part outside. False when it has no geometry.
bool isElementInsideClip(const Element& e, const ClipVector& clip, bool* crossesBoundary);

}  // namespace host
