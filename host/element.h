#pragma once
// Elements of a design file: one record per element with every property the platform keeps, and
// the geometry of its type. Coordinates and sizes are in UORs of the element's model; angles in
// radians. Type numbers are the platform's.
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/geom_types.h"

namespace host {

using ElementId = std::uint64_t;
using LevelId = std::uint32_t;

// An optional value kept on the heap, so that the element record stays small when the part is
// absent (most elements have no text, cell or arc). Reads and writes like std::optional.
template <typename T>
class Boxed {
 public:
  Boxed() = default;
  Boxed(std::nullopt_t) {}
  Boxed(const T& v) : p_(std::make_unique<T>(v)) {}
  Boxed(T&& v) : p_(std::make_unique<T>(std::move(v))) {}
  Boxed(const Boxed& o) : p_(o.p_ ? std::make_unique<T>(*o.p_) : nullptr) {}
  Boxed(Boxed&&) noexcept = default;
  Boxed& operator=(const Boxed& o) {
    if (this != &o) p_ = o.p_ ? std::make_unique<T>(*o.p_) : nullptr;
    return *this;
  }
  Boxed& operator=(Boxed&&) noexcept = default;
  Boxed& operator=(std::nullopt_t) {
    p_.reset();
    return *this;
  }

  bool has_value() const { return p_ != nullptr; }
  explicit operator bool() const { return has_value(); }
  T& operator*() { return *p_; }
  const T& operator*() const { return *p_; }
  T* operator->() { return p_.get(); }
  const T* operator->() const { return p_.get(); }
  void reset() { p_.reset(); }
  template <typename... A>
  T& emplace(A&&... args) {
    p_ = std::make_unique<T>(std::forward<A>(args)...);
    return *p_;
  }

  friend bool operator==(const Boxed& a, const Boxed& b) {
    return a.has_value() == b.has_value() && (!a.has_value() || *a == *b);
  }

 private:
  std::unique_ptr<T> p_;
};

// The platform's element type numbers that the host gives a geometry to.
struct ElementType {
  static constexpr int Cell = 2;
  static constexpr int Line = 3;
  static constexpr int LineString = 4;
  static constexpr int Shape = 6;
  static constexpr int TextNode = 7;
  static constexpr int Curve = 11;
  static constexpr int ComplexChain = 12;
  static constexpr int ComplexShape = 14;
  static constexpr int Ellipse = 15;
  static constexpr int Arc = 16;
  static constexpr int Text = 17;
  static constexpr int Dimension = 33;
  static constexpr int SharedCell = 35;
  static constexpr int ApplicationData = 66;
};

// What the host keeps of each type: which geometry it carries.
enum class GeometryKind { Points, Arc, Text, Components, Cell, SharedCell, Dimension, Data, Unknown };
GeometryKind geometryKind(int type);

// True for the types that are drawn: those with a geometry, and 94; other data types are not.
bool isGraphicType(int type);

// True for the types whose geometry is one curve: lines, line strings, shapes, complex chains
// and shapes, ellipses and arcs.
bool isCurveType(int type);

// A point of a point list that only separates two pieces of a line string or shape.
inline Point3d disconnectPoint() {
  constexpr double d = std::numeric_limits<double>::max();
  return {d, d, d};
}
inline bool isDisconnect(const Point3d& p) { return p == disconnectPoint(); }

// Line-style parameters. Modifier bits: 1 scale, 8 start width, 16 end width (as the platform).
struct LineStyleParams {
  double scale = 1.0;
  double startWidth = 0.0;  // UORs
  double endWidth = 0.0;    // UORs
  std::uint32_t modifiers = 0;
  friend bool operator==(const LineStyleParams&, const LineStyleParams&) = default;
};

// A hatch pattern of an area: spacings in UORs, angles in radians; a secondary spacing of 0 means
// no cross-hatch.
struct Pattern {
  double primarySpacing = 0.0;
  double primaryAngle = 0.0;
  double secondarySpacing = 0.0;
  double secondaryAngle = 0.0;
  friend bool operator==(const Pattern&, const Pattern&) = default;
};

// An attribute linkage: its platform id and its raw bytes.
struct Linkage {
  std::uint32_t id = 0;
  std::vector<std::uint8_t> data;
  friend bool operator==(const Linkage&, const Linkage&) = default;
};

// Arc or ellipse: centre, radii, rotation of the primary axis about z, start and sweep angles.
struct ArcData {
  Point3d centre;
  double primaryRadius = 0.0;
  double secondaryRadius = 0.0;
  double rotation = 0.0;
  double start = 0.0;
  double sweep = 0.0;  // 2 pi for a full ellipse
  friend bool operator==(const ArcData&, const ArcData&) = default;
};

// Kinds of text runs: plain characters, or an enter-data field that a user fills in.
enum class RunKind { Plain = 0, EnterData = 1 };

struct TextRun {
  std::wstring text;
  RunKind kind = RunKind::Plain;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The first (and only) text part of a text element. Justification numbers are the platform's:
// horizontal = justification / 6 (0 left, 1 centre, 2 right), vertical = justification % 6
// (0 top, 1 middle, 2 bottom).
struct TextPart {
  std::vector<TextRun> runs;
  Point3d origin;  // user origin
  RotMatrix orientation;
  std::wstring font;
  double width = 0.0;   // character width, UORs
  double height = 0.0;  // character height, UORs
  double lineSpacing = 0.0;
  std::uint32_t justification = 2;
  bool underline = false;
  friend bool operator==(const TextPart&, const TextPart&) = default;

  // The runs' characters one after the other; lines are separated by "\r".
  std::wstring string() const;
};

// Cell or shared-cell header.
struct CellData {
  std::wstring name;
  Point3d origin;
  RotMatrix rotation;
  Point3d scale{1.0, 1.0, 1.0};
  Range3d range;  // shared cells only: their children are not in the file
  friend bool operator==(const CellData&, const CellData&) = default;
};

struct Element {
  ElementId id = 0;                // 0 for components and for elements not yet in a model
  std::uint32_t filePosition = 0;  // 0 for components and for elements not yet in a model
  int type = 0;

  LevelId level = 0;
  std::uint32_t colour = 0;
  std::uint32_t weight = 0;
  std::int32_t lineStyle = 0;
  LineStyleParams lineStyleParams;
  std::int32_t elementClass = 0;
  std::int32_t priority = 0;
  double transparency = 0.0;
  std::uint32_t graphicGroup = 0;
  std::optional<std::uint32_t> fillColour;
  std::optional<Pattern> pattern;
  bool hole = false;
  std::vector<Linkage> linkages;

  std::vector<Point3d> points;            // line, line string, shape, curve, dimension
  Boxed<ArcData> arc;                     // arc, ellipse
  Boxed<TextPart> text;                   // text
  Boxed<CellData> cell;                   // cell, shared cell
  std::vector<Element> children;          // cell, text node, complex chain and shape, dimension
  std::vector<std::uint8_t> data;         // application data and other data types

  friend bool operator==(const Element&, const Element&) = default;
};

// The first text part of a text, or of the first text of a text node; null when there is none.
const TextPart* firstTextPart(const Element& e);

// The element's range in UORs; null for data types and for elements without geometry.
Range3d elementRange(const Element& e);

// A copy of the element moved by `t` (points, arcs, texts, cells and children). Radii and text
// sizes are multiplied by the scale of the transform's x axis.
Element transformed(const Element& e, const Transform& t);

// The inverse of a transform whose matrix is a rotation (possibly scaled uniformly).
Transform inverseOf(const Transform& t);

}  // namespace host
