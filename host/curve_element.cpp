#include "host/curve_element.h"

#include <cmath>
#include <numbers>

#include "host/area_ops.h"
#include "host/geometry.h"

namespace host {

namespace {

using BT = CurveVector::BoundaryType;

// The pieces of a point list split at disconnect points.
std::vector<std::vector<Point3d>> piecesOf(const std::vector<Point3d>& points) {
  std::vector<std::vector<Point3d>> pieces(1);
  for (const Point3d& p : points) {
    if (isDisconnect(p)) {
      if (!pieces.back().empty()) pieces.emplace_back();
    } else {
      pieces.back().push_back(p);
    }
  }
  if (pieces.back().empty()) pieces.pop_back();
  return pieces;
}

std::optional<CurveVector> linearCurve(const std::vector<Point3d>& points, BT type) {
  const auto pieces = piecesOf(points);
  if (pieces.size() == 1) return CurveVector::createLinear(pieces.front(), type);
  CurveVector all(BT::None);
  for (const auto& piece : pieces)
    if (auto cv = CurveVector::createLinear(piece, type)) all.add(CurvePrimitive::child(std::move(*cv)));
  if (all.empty()) return std::nullopt;
  return all;
}

Arc arcOf(const ArcData& a) {
  return Arc::elliptic(a.centre, a.primaryRadius, a.secondaryRadius, a.rotation, a.start, a.sweep);
}

std::optional<CurveVector> chainCurve(const Element& e, BT type) {
  CurveVector chain(type);
  for (const Element& child : e.children) {
    const auto cv = curveOfElement(child);
    if (!cv || !cv->isPath()) return std::nullopt;
    for (const CurvePrimitive& p : cv->primitives()) chain.add(p);
  }
  if (chain.empty()) return std::nullopt;
  return chain;
}

std::optional<CurveVector> rawCurve(const Element& e) {
  switch (e.type) {
    case ElementType::Line:
    case ElementType::LineString:
    case ElementType::Curve:
      return linearCurve(e.points, BT::Open);
    case ElementType::Shape:
      return linearCurve(e.points, BT::Outer);
    case ElementType::Arc:
    case ElementType::Ellipse: {
      if (!e.arc) return std::nullopt;
      CurveVector cv(e.type == ElementType::Arc ? BT::Open : BT::Outer);
      cv.add(CurvePrimitive::arc(arcOf(*e.arc)));
      return cv;
    }
    case ElementType::ComplexChain:
      return chainCurve(e, BT::Open);
    case ElementType::ComplexShape:
      return chainCurve(e, BT::Outer);
    default:
      return std::nullopt;
  }
}

void copySymbology(Element& out, const Element& from) {
  out.level = from.level;
  out.colour = from.colour;
  out.weight = from.weight;
  out.lineStyle = from.lineStyle;
  out.lineStyleParams = from.lineStyleParams;
  out.elementClass = from.elementClass;
  out.priority = from.priority;
  out.transparency = from.transparency;
}

Point3d flat(Point3d p, bool is3d) {
  if (!is3d) p.z = 0.0;
  return p;
}

// The arc data of an arc; an arc whose second axis runs clockwise from its first is turned into
// the same arc with the second axis reversed and the angles negated.
ArcData arcDataOf(const Arc& arc, bool is3d) {
  Arc a = arc;
  if (a.vector0.cross(a.vector90).z < 0) {
    a.vector90 = a.vector90 * -1.0;
    a.start = -a.start;
    a.sweep = -a.sweep;
  }
  ArcData d;
  d.centre = flat(a.centre, is3d);
  d.primaryRadius = a.vector0.magnitude();
  d.secondaryRadius = a.vector90.magnitude();
  d.rotation = std::atan2(a.vector0.y, a.vector0.x);
  d.start = a.start;
  d.sweep = a.sweep;
  return d;
}

std::optional<Element> elementOfPrimitive(const CurvePrimitive& p, bool closed, bool is3d) {
  Element e;
  switch (p.kind()) {
    case CurvePrimitive::Kind::Line:
    case CurvePrimitive::Kind::LineString: {
      for (const Point3d& q : p.points()) e.points.push_back(flat(q, is3d));
      if (closed) {
        if (e.points.size() < 3) return std::nullopt;
        if (e.points.front() != e.points.back()) e.points.push_back(e.points.front());
        e.type = ElementType::Shape;
      } else {
        e.type = e.points.size() == 2 ? ElementType::Line : ElementType::LineString;
      }
      return e;
    }
    case CurvePrimitive::Kind::Arc: {
      const bool full = std::abs(p.arcData().sweep) >= 2 * std::numbers::pi - 1e-12;
      if (closed && !full) return std::nullopt;
      e.type = closed ? ElementType::Ellipse : ElementType::Arc;
      e.arc = arcDataOf(p.arcData(), is3d);
      return e;
    }
    case CurvePrimitive::Kind::Child:
      return std::nullopt;
  }
  return std::nullopt;
}

// The geometries an element is measured by: its curve, a cell's children, a text's box.
void measuredCurves(const Element& e, std::vector<CurveVector>& out) {
  if (auto cv = rawCurve(e); cv && cv->isValid()) {
    out.push_back(std::move(*cv));
    return;
  }
  if (e.type == ElementType::Cell || e.type == ElementType::TextNode) {
    for (const Element& child : e.children) measuredCurves(child, out);
    return;
  }
  if (e.type == ElementType::Text || e.type == ElementType::SharedCell) {
    const Range3d r = elementRange(e);
    if (r.isNull()) return;
    if (auto box = CurveVector::createLinear(
            {{r.low.x, r.low.y, r.low.z}, {r.high.x, r.low.y, r.low.z}, {r.high.x, r.high.y, r.low.z}, {r.low.x, r.high.y, r.low.z}},
            BT::Outer))
      out.push_back(std::move(*box));
  }
}

}  // namespace

std::optional<CurveVector> curveOfElement(const Element& e) {
  auto cv = rawCurve(e);
  if (!cv || !cv->isValid()) return std::nullopt;
  return cv;
}

std::optional<Element> elementOfCurve(const CurveVector& curve, const Element* templateElement, bool is3d) {
  if (!curve.isValid() || !curve.isPath()) return std::nullopt;
  const bool closed = curve.isClosedPath();
  std::optional<Element> e;
  if (curve.primitives().size() == 1) {
    const CurvePrimitive& p = curve.primitives().front();
    if (p.kind() == CurvePrimitive::Kind::Child) {
      CurveVector inner = *p.childCurve();
      if (!inner.isPath()) return std::nullopt;
      inner.setBoundaryType(curve.boundaryType());
      return elementOfCurve(inner, templateElement, is3d);
    }
    e = elementOfPrimitive(p, closed, is3d);
  } else {
    e = Element{};
    e->type = closed ? ElementType::ComplexShape : ElementType::ComplexChain;
    for (const CurvePrimitive& p : curve.primitives()) {
      auto component = elementOfPrimitive(p, false, is3d);
      if (!component) return std::nullopt;
      if (templateElement) copySymbology(*component, *templateElement);
      e->children.push_back(std::move(*component));
    }
  }
  if (e && templateElement) copySymbology(*e, *templateElement);
  return e;
}

std::optional<double> minDistanceBetweenElements(const Element& a, const Element& b) {
  std::vector<CurveVector> ca, cb;
  measuredCurves(a, ca);
  measuredCurves(b, cb);
  std::optional<double> best;
  for (const CurveVector& x : ca)
    for (const CurveVector& y : cb)
      if (const auto d = minDistanceXY(x, y); d && (!best || *d < *best)) best = d;
  return best;
}

std::optional<ClipVector> ClipVector::fromPoints(const std::vector<Point3d>& points) {
  auto area = CurveVector::createLinear(points, BT::Outer);
  if (!area || !area->isValid()) return std::nullopt;
  return ClipVector{std::move(*area)};
}

namespace {

// The elements of one part of a clipped curve: a region with holes gives its outer shape and a
// hole shape per hole.
void partElements(const CurveVector& part, const Element& source, bool is3d, std::vector<Element>& out) {
  auto add = [&](const CurveVector& cv, bool hole) {
    if (auto e = elementOfCurve(cv, &source, is3d)) {
      e->graphicGroup = source.graphicGroup;
      e->fillColour = source.fillColour;
      e->pattern = source.pattern;
      e->hole = hole;
      out.push_back(std::move(*e));
    }
  };
  if (part.boundaryType() == BT::ParityRegion || part.boundaryType() == BT::UnionRegion) {
    bool first = true;
    for (const CurvePrimitive& p : part.primitives()) {
      if (!p.childCurve()) continue;
      if (p.childCurve()->isPath()) {
        add(*p.childCurve(), !first && part.boundaryType() == BT::ParityRegion);
      } else {
        partElements(*p.childCurve(), source, is3d, out);
      }
      first = false;
    }
    return;
  }
  add(part, false);
}

// The range box of an element without a curve; a box without area (a flat or point element) is
// its segment or its point.
std::optional<CurveVector> rangeBox(const Element& e) {
  const Range3d r = elementRange(e);
  if (r.isNull()) return std::nullopt;
  if (r.low.x == r.high.x || r.low.y == r.high.y)
    return CurveVector::createLinear({r.low, {r.high.x, r.high.y, r.low.z}}, BT::Open);
  return CurveVector::createLinear(
      {{r.low.x, r.low.y, r.low.z}, {r.high.x, r.low.y, r.low.z}, {r.high.x, r.high.y, r.low.z}, {r.low.x, r.high.y, r.low.z}},
      BT::Outer);
}

}  // namespace

std::optional<ElementClip> clipElement(const Element& e, const ClipVector& clip, bool is3d) {
  ElementClip result;
  if (const auto curve = curveOfElement(e)) {
    const auto split = clipSplit(*curve, clip.area);
    if (!split) return std::nullopt;
    for (const CurveVector& part : split->inside) partElements(part, e, is3d, result.inside);
    for (const CurveVector& part : split->outside) partElements(part, e, is3d, result.outside);
    result.crossesBoundary = split->crossesBoundary;
    return result;
  }
  const auto box = rangeBox(e);
  if (!box) return std::nullopt;
  const auto split = clipSplit(*box, clip.area);
  if (!split) return std::nullopt;
  (split->inside.empty() ? result.outside : result.inside).push_back(e);
  result.crossesBoundary = split->crossesBoundary;
  return result;
}

bool isElementInsideClip(const Element& e, const ClipVector& clip, bool* crossesBoundary) {
  if (crossesBoundary) *crossesBoundary = false;
  auto curve = curveOfElement(e);
  if (!curve) curve = rangeBox(e);
  if (!curve) return false;
  return isInsideClip(*curve, clip.area, crossesBoundary);
}

}  // namespace host
