#include "host/element.h"

#include <cmath>
#include <numbers>

namespace host {

GeometryKind geometryKind(int type) {
  switch (type) {
    case ElementType::Line:
    case ElementType::LineString:
    case ElementType::Shape:
    case ElementType::Curve:
      return GeometryKind::Points;
    case ElementType::Ellipse:
    case ElementType::Arc:
      return GeometryKind::Arc;
    case ElementType::Text:
      return GeometryKind::Text;
    case ElementType::TextNode:
    case ElementType::ComplexChain:
    case ElementType::ComplexShape:
      return GeometryKind::Components;
    case ElementType::Cell:
      return GeometryKind::Cell;
    case ElementType::SharedCell:
      return GeometryKind::SharedCell;
    case ElementType::Dimension:
      return GeometryKind::Dimension;
    case 5: case 9: case 26: case 39: case ElementType::ApplicationData: case 94:
    case 95: case 96: case 97: case 98:
      return GeometryKind::Data;
    default:
      return type >= 100 && type <= 127 ? GeometryKind::Data : GeometryKind::Unknown;
  }
}

bool isGraphicType(int type) {
  // Type 94 is drawn by the platform although the host keeps only its bytes.
  const GeometryKind k = geometryKind(type);
  return type == 94 || (k != GeometryKind::Data && k != GeometryKind::Unknown);
}

bool isCurveType(int type) {
  switch (type) {
    case ElementType::Line: case ElementType::LineString: case ElementType::Shape: case ElementType::ComplexChain:
    case ElementType::ComplexShape: case ElementType::Ellipse: case ElementType::Arc:
      return true;
    default:
      return false;
  }
}

std::wstring TextPart::string() const {
  std::wstring s;
  for (const auto& r : runs) s += r.text;
  return s;
}

const TextPart* firstTextPart(const Element& e) {
  if (e.type == ElementType::Text) return e.text ? &*e.text : nullptr;
  if (e.type == ElementType::TextNode) {
    for (const auto& c : e.children)
      if (c.type == ElementType::Text && c.text) return &*c.text;
  }
  return nullptr;
}

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// True when the angle lies on the arc that starts at `start` and turns by `sweep`.
bool onSweep(double angle, double start, double sweep) {
  if (std::abs(sweep) >= kTwoPi) return true;
  double rel = sweep >= 0 ? angle - start : start - angle;
  rel = std::fmod(rel, kTwoPi);
  if (rel < 0) rel += kTwoPi;
  return rel <= std::abs(sweep);
}

Point3d arcPoint(const ArcData& a, double t) {
  const double c = std::cos(a.rotation), s = std::sin(a.rotation);
  const double u = a.primaryRadius * std::cos(t), v = a.secondaryRadius * std::sin(t);
  return {a.centre.x + c * u - s * v, a.centre.y + s * u + c * v, a.centre.z};
}

Range3d arcRange(const ArcData& a) {
  Range3d r;
  r.extend(arcPoint(a, a.start));
  r.extend(arcPoint(a, a.start + a.sweep));
  const double c = std::cos(a.rotation), s = std::sin(a.rotation);
  // Angles where x or y of the arc is extreme.
  const double tx = std::atan2(-a.secondaryRadius * s, a.primaryRadius * c);
  const double ty = std::atan2(a.secondaryRadius * c, a.primaryRadius * s);
  for (double t : {tx, tx + std::numbers::pi, ty, ty + std::numbers::pi})
    if (onSweep(t, a.start, a.sweep)) r.extend(arcPoint(a, t));
  return r;
}

// The box of a text in its own axes, relative to its origin: the characters' box grown by half
// the height above and below, so that the glyphs' outline is the range less half a height.
Range3d textLocalBox(const TextPart& t) {
  std::size_t lines = 1, longest = 0, current = 0;
  for (wchar_t c : t.string()) {
    if (c == L'\r' || c == L'\n') {
      ++lines;
      current = 0;
    } else {
      longest = std::max(longest, ++current);
    }
  }
  const double w = static_cast<double>(longest) * t.width;
  const double h = static_cast<double>(lines) * t.height + static_cast<double>(lines - 1) * t.lineSpacing;
  const std::uint32_t horizontal = t.justification / 6, vertical = t.justification % 6;
  const double x0 = horizontal == 0 ? 0.0 : horizontal == 1 ? -w / 2 : -w;
  // The origin's line: top of the block, its middle, or the baseline of its last line.
  const double y0 = vertical == 0 ? -h : vertical == 1 ? -h / 2 : 0.0;
  return Range3d::from({x0, y0 - t.height / 2, 0.0}, {x0 + w, y0 + h + t.height / 2, 0.0});
}

Range3d textRange(const TextPart& t) {
  const Range3d local = textLocalBox(t);
  Range3d r;
  for (double x : {local.low.x, local.high.x})
    for (double y : {local.low.y, local.high.y}) r.extend(t.orientation.apply({x, y, 0.0}) + t.origin);
  return r;
}

double axisScale(const Transform& t) { return t.matrix.apply({1, 0, 0}).magnitude(); }

}  // namespace

Range3d elementRange(const Element& e) {
  Range3d r;
  switch (geometryKind(e.type)) {
    case GeometryKind::Points:
    case GeometryKind::Dimension:
      for (const auto& p : e.points)
        if (!isDisconnect(p)) r.extend(p);
      break;
    case GeometryKind::Arc:
      if (e.arc) r = arcRange(*e.arc);
      break;
    case GeometryKind::Text:
      if (e.text) r = textRange(*e.text);
      break;
    case GeometryKind::Cell:
      if (e.children.empty() && e.cell) r.extend(e.cell->origin);
      break;
    case GeometryKind::SharedCell:
      if (e.cell) r = e.cell->range;
      break;
    default:
      break;
  }
  for (const auto& c : e.children) r.extend(elementRange(c));
  return r;
}

Transform inverseOf(const Transform& t) {
  const auto& m = t.matrix.m;
  const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                     m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  if (det == 0.0) return Transform::identity();
  RotMatrix inv;
  inv.m[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  inv.m[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  inv.m[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  inv.m[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
  inv.m[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  inv.m[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  inv.m[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
  inv.m[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  inv.m[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
  return {inv, inv.apply(t.translation) * -1.0};
}

Element transformed(const Element& e, const Transform& t) {
  Element out = e;
  const double k = axisScale(t);
  const double angle = t.matrix.angleZ();
  for (auto& p : out.points)
    if (!isDisconnect(p)) p = t.apply(p);
  if (out.arc) {
    out.arc->centre = t.apply(out.arc->centre);
    out.arc->primaryRadius *= k;
    out.arc->secondaryRadius *= k;
    out.arc->rotation += angle;
  }
  if (out.text) {
    out.text->origin = t.apply(out.text->origin);
    out.text->orientation = RotMatrix::fromAngleZ(angle) * out.text->orientation;
    out.text->width *= k;
    out.text->height *= k;
    out.text->lineSpacing *= k;
  }
  if (out.cell) {
    out.cell->origin = t.apply(out.cell->origin);
    out.cell->rotation = RotMatrix::fromAngleZ(angle) * out.cell->rotation;
    if (!out.cell->range.isNull()) {
      Range3d r;
      for (double x : {e.cell->range.low.x, e.cell->range.high.x})
        for (double y : {e.cell->range.low.y, e.cell->range.high.y})
          for (double z : {e.cell->range.low.z, e.cell->range.high.z}) r.extend(t.apply({x, y, z}));
      out.cell->range = r;
    }
  }
  for (auto& c : out.children) c = transformed(c, t);
  return out;
}

}  // namespace host
