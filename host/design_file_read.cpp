// Reading the JSON form of design files (docs/design-file.md) with simdjson's On-Demand parser:
// elements are built straight from the parser's values, with no tree in between. Reading
// validates the whole document before anything is kept: a document that is not a valid design
// file gives no model at all.
//
// The checks and their messages follow one fixed order, whatever the order of the fields in the
// document: each object's fields are read as they come into slots (a value, or the reason it was
// refused; the last of repeated keys counts), then the slots are checked in that order. A value
// the reader does not keep is still walked, so that a document is accepted only when it is
// valid JSON; and when a document is refused, a full syntax check decides whether the reason is
// that it is not JSON at all.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <unordered_set>

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include "host/design_file.h"
#include "host/design_file_format.h"
#include "host/paths.h"
#include "host/text.h"

namespace host {

namespace {

namespace od = simdjson::ondemand;
using od::json_type;

constexpr std::size_t kMaxNesting = 200;  // JSON nesting, checked before parsing
constexpr int kMaxElementDepth = 32;      // cells in cells
// One full turn, with room for the rounding of a sweep computed as 2 pi.
const double kMaxSweep = 2.0 * std::numbers::pi * (1.0 + 1e-12);

struct Invalid {
  std::string what;
};

[[noreturn]] void fail(std::string what) { throw Invalid{std::move(what)}; }

// ---- slots ----

template <class T>
struct Slot {
  bool present = false;
  std::unique_ptr<std::string> error;  // set: the value was refused for this reason (rare)
  T value{};
};

// Set when a value was refused: the parser then passes over the rest of that value without
// checking its syntax, and a document read in spite of it is checked whole before it is kept.
thread_local bool refusedSome = false;

template <class T, class F>
void fill(Slot<T>& slot, F&& read) {
  slot.present = true;
  try {
    slot.value = read();
    slot.error.reset();
  } catch (Invalid& bad) {
    refusedSome = true;
    slot.error = std::make_unique<std::string>(bad.what.empty() ? std::string("invalid value") : std::move(bad.what));
  }
}

template <class T>
const T& required(const Slot<T>& slot, const char* key) {
  if (!slot.present) fail(std::string("missing field \"") + key + "\"");
  if (slot.error) fail(*slot.error);
  return slot.value;
}

template <class T>
const T* optional(const Slot<T>& slot) {
  if (!slot.present) return nullptr;
  if (slot.error) fail(*slot.error);
  return &slot.value;
}

// ---- values ----

void walk(od::value v);

// A walk deeper than this stops the reading, which measures the document's nesting: a design
// file's own values never nest that deep, and a deeper document is either refused for its
// nesting or read again with the walk unguarded (its depth then known to be bounded).
constexpr std::int32_t kGuardedDepth = 150;
struct Deep {};
thread_local bool guardDepth = true;

// The key of a field, unescaped only when it holds an escape.
std::string_view keyOf(od::field& f) {
  const char* raw = f.key().raw();
  const char* end = raw;
  while (*end != '"' && *end != '\\') ++end;  // the string is closed: stage 1 checked it
  if (*end == '"') return {raw, static_cast<std::size_t>(end - raw)};
  return f.unescaped_key();
}

// Calls `read(key, value)` for each field of an object; a field it does not take (false) is walked.
template <class F>
void eachField(od::value v, const char* what, F&& read) {
  if (v.type() != json_type::object) fail(std::string(what) + " is not an object");
  for (auto item : v.get_object()) {
    od::field f = std::move(item);
    const std::string_view key = keyOf(f);
    od::value value = f.value();
    if (!read(key, value)) walk(value);
  }
}

template <class F>
void eachItem(od::value v, const char* what, F&& read) {
  if (v.type() != json_type::array) fail(std::string(what) + " is not an array");
  for (auto item : v.get_array()) read(od::value(std::move(item)));
}

// A number as the format tells them apart: an integer that fits 64 bits (unsigned when not
// negative), or any other number, kept as a double.
struct Number {
  enum Kind { Unsigned, Signed, Float } kind = Float;
  std::uint64_t u = 0;
  std::int64_t i = 0;
  double d = 0.0;
};

[[noreturn]] void notJson() { throw simdjson::simdjson_error(simdjson::NUMBER_ERROR); }

// Reads a number. The parser reads short numbers (at most 18 digits) exactly; longer ones, which
// it may misread, and those it refuses are read from their own text, as the C library reads them.
std::optional<Number> numberOf(od::value& v) {
  if (v.type() != json_type::number) return std::nullopt;
  std::string_view token = v.raw_json_token();
  while (!token.empty() && (token.back() == ' ' || token.back() == '\n' || token.back() == '\r' || token.back() == '\t'))
    token.remove_suffix(1);
  // Plans lie in a plane: a third of their coordinates are zeros, written "0.0".
  if (token == "0.0") return Number{};
  if (token.size() <= 19) {
    od::number x;
    if (v.get_number().get(x) == simdjson::SUCCESS) {
      Number n;
      switch (x.get_number_type()) {
        case od::number_type::floating_point_number: n.d = x.get_double(); return n;
        case od::number_type::signed_integer:
          // Not negative (minus zero too): unsigned, as the format reads them.
          n.i = x.get_int64();
          n.kind = n.i < 0 ? Number::Signed : Number::Unsigned;
          if (n.i >= 0) n.u = static_cast<std::uint64_t>(n.i);
          return n;
        case od::number_type::unsigned_integer:
          n.kind = Number::Unsigned;
          n.u = x.get_uint64();
          return n;
      }
    }
  }
  // The grammar of a JSON number: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
  const char* const begin = token.data();
  const char* const end = begin + token.size();
  const char* p = begin;
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  auto digits = [&] {
    const char* start = p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    return p - start;
  };
  if (p < end && *p == '0') ++p;
  else if (digits() == 0) notJson();
  bool integer = true;
  if (p < end && *p == '.') {
    ++p;
    if (digits() == 0) notJson();
    integer = false;
  }
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    if (digits() == 0) notJson();
    integer = false;
  }
  if (p != end) notJson();
  Number n;
  if (integer) {
    if (negative) {
      if (std::from_chars(begin, end, n.i).ec == std::errc()) {
        n.kind = n.i == 0 ? Number::Unsigned : Number::Signed;
        return n;
      }
    } else if (std::from_chars(begin, end, n.u).ec == std::errc()) {
      n.kind = Number::Unsigned;
      return n;
    }
  }
  n.kind = Number::Float;  // a fraction, an exponent, or an integer beyond 64 bits
  if (std::from_chars(begin, end, n.d).ec != std::errc()) {
    // Beyond the range of doubles: infinite is refused, and what is too small reads as zero.
    n.d = std::strtod(std::string(token).c_str(), nullptr);
    if (!std::isfinite(n.d)) notJson();
  }
  return n;
}

// Walks a value the reader does not keep, so that its syntax is checked all the same.
void walk(od::value v) {
  if (guardDepth && v.current_depth() > kGuardedDepth) throw Deep{};
  switch (v.type()) {
    case json_type::object:
      for (auto item : v.get_object()) {
        od::field f = std::move(item);
        (void)keyOf(f);
        walk(f.value());
      }
      break;
    case json_type::array:
      for (auto item : v.get_array()) walk(item.value());
      break;
    case json_type::string: (void)std::string_view(v.get_string()); break;
    case json_type::number: (void)numberOf(v); break;
    case json_type::boolean: (void)bool(v.get_bool()); break;
    case json_type::null:
      if (!v.is_null()) throw simdjson::simdjson_error(simdjson::N_ATOM_ERROR);
      break;
  }
}

std::uint64_t unsignedOf(od::value v, const char* what, std::uint64_t max) {
  const auto n = numberOf(v);
  if (n && n->kind == Number::Unsigned && n->u <= max) return n->u;
  fail(std::string(what) + " is not an integer in range");
}

std::int32_t int32Of(od::value v, const char* what) {
  const auto n = numberOf(v);
  if (n && n->kind != Number::Float) {
    if (n->kind == Number::Unsigned && n->u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      fail(std::string(what) + " is out of range");
    const std::int64_t x = n->kind == Number::Unsigned ? static_cast<std::int64_t>(n->u) : n->i;
    if (x >= std::numeric_limits<std::int32_t>::min() && x <= std::numeric_limits<std::int32_t>::max())
      return static_cast<std::int32_t>(x);
  }
  fail(std::string(what) + " is not a 32-bit integer");
}

std::uint32_t uint32Of(od::value v, const char* what) {
  return static_cast<std::uint32_t>(unsignedOf(v, what, std::numeric_limits<std::uint32_t>::max()));
}

double asDouble(const Number& n) {
  return n.kind == Number::Unsigned ? static_cast<double>(n.u) : n.kind == Number::Signed ? static_cast<double>(n.i) : n.d;
}

double checkedDouble(const std::optional<Number>& n, const char* what, double limit) {
  if (!n) fail(std::string(what) + " is not a number");
  const double x = asDouble(*n);
  if (!std::isfinite(x) || std::abs(x) > limit) fail(std::string(what) + " is out of range");
  return x;
}

double doubleOf(od::value v, const char* what, double limit = kMaxCoordinate) {
  return checkedDouble(numberOf(v), what, limit);
}

bool boolOf(od::value v, const char* what) {
  if (v.type() != json_type::boolean) fail(std::string(what) + " is not a boolean");
  return v.get_bool();
}

std::string_view utf8Of(od::value v, const char* what, const char* expected = " is not a string") {
  if (v.type() != json_type::string) fail(std::string(what) + expected);
  return v.get_string();
}

std::wstring stringOf(od::value v, const char* what) { return text::fromUtf8(std::string(utf8Of(v, what))); }

std::vector<std::uint8_t> bytesOf(od::value v, const char* what) {
  auto bytes = fromBase64(utf8Of(v, what, " is not a base64 string"));
  if (!bytes) fail(std::string(what) + " is not valid base64");
  return std::move(*bytes);
}

// The numbers of a short array whose length is checked first: up to N are kept, and a longer
// array is refused before its further items are looked at.
template <std::size_t N>
struct ShortArray {
  std::size_t count = 0;
  std::optional<Number> items[N];
};

template <std::size_t N>
bool shortArray(od::value v, ShortArray<N>& out) {
  if (v.type() != json_type::array) return false;
  for (auto item : v.get_array()) {
    if (out.count == N) return false;
    od::value x = std::move(item);
    out.items[out.count++] = numberOf(x);
  }
  return true;
}

Point3d pointOf(od::value v, const char* what) {
  ShortArray<3> a;
  if (!shortArray(v, a) || a.count < 2) fail(std::string(what) + " is not a point [x, y, z]");
  return {checkedDouble(a.items[0], what, kMaxCoordinate), checkedDouble(a.items[1], what, kMaxCoordinate),
          a.count == 3 ? checkedDouble(a.items[2], what, kMaxCoordinate) : 0.0};
}

RotMatrix matrixOf(od::value v, const char* what) {
  ShortArray<9> a;
  if (!shortArray(v, a) || a.count != 9) fail(std::string(what) + " is not a matrix of nine numbers");
  RotMatrix m;
  for (int i = 0; i < 9; ++i) m.m[i / 3][i % 3] = checkedDouble(a.items[i], what, 1e6);
  return m;
}

// ---- elements ----

LineStyleParams readStyleParams(od::value v) {
  Slot<double> scale, startWidth, endWidth;
  Slot<std::uint32_t> modifiers;
  eachField(v, "styleParams", [&](std::string_view key, od::value x) {
    if (key == "scale") fill(scale, [&] { return doubleOf(x, "styleParams.scale"); });
    else if (key == "startWidth") fill(startWidth, [&] { return doubleOf(x, "styleParams.startWidth"); });
    else if (key == "endWidth") fill(endWidth, [&] { return doubleOf(x, "styleParams.endWidth"); });
    else if (key == "modifiers") fill(modifiers, [&] { return uint32Of(x, "styleParams.modifiers"); });
    else return false;
    return true;
  });
  LineStyleParams p;
  if (auto s = optional(scale)) p.scale = *s;
  if (auto s = optional(startWidth)) p.startWidth = *s;
  if (auto s = optional(endWidth)) p.endWidth = *s;
  if (auto s = optional(modifiers)) p.modifiers = *s;
  return p;
}

Pattern readPattern(od::value v) {
  Slot<double> primarySpacing, primaryAngle, secondarySpacing, secondaryAngle;
  eachField(v, "pattern", [&](std::string_view key, od::value x) {
    if (key == "primarySpacing") fill(primarySpacing, [&] { return doubleOf(x, "pattern.primarySpacing"); });
    else if (key == "primaryAngle") fill(primaryAngle, [&] { return doubleOf(x, "pattern.primaryAngle"); });
    else if (key == "secondarySpacing") fill(secondarySpacing, [&] { return doubleOf(x, "pattern.secondarySpacing"); });
    else if (key == "secondaryAngle") fill(secondaryAngle, [&] { return doubleOf(x, "pattern.secondaryAngle"); });
    else return false;
    return true;
  });
  Pattern p;
  p.primarySpacing = required(primarySpacing, "primarySpacing");
  if (auto s = optional(primaryAngle)) p.primaryAngle = *s;
  if (auto s = optional(secondarySpacing)) p.secondarySpacing = *s;
  if (auto s = optional(secondaryAngle)) p.secondaryAngle = *s;
  return p;
}

std::vector<Linkage> readLinkages(od::value v) {
  std::vector<Linkage> out;
  eachItem(v, "linkages", [&](od::value l) {
    Slot<std::uint32_t> id;
    Slot<std::vector<std::uint8_t>> data;
    eachField(l, "linkage", [&](std::string_view key, od::value x) {
      if (key == "id") fill(id, [&] { return uint32Of(x, "linkage id"); });
      else if (key == "data") fill(data, [&] { return bytesOf(x, "linkage data"); });
      else return false;
      return true;
    });
    Linkage k;
    k.id = required(id, "id");
    if (auto d = optional(data)) k.data = *d;
    out.push_back(std::move(k));
  });
  return out;
}

// Most point lists are short: they are gathered on the stack and copied once, at their size.
std::vector<Point3d> readPoints(od::value v) {
  constexpr std::size_t kOnStack = 8;
  Point3d first[kOnStack];
  std::size_t count = 0;
  std::vector<Point3d> more;  // all of them, once there are more than kOnStack
  eachItem(v, "points", [&](od::value p) {
    Point3d point;
    if (p.type() == json_type::null) {
      if (!p.is_null()) throw simdjson::simdjson_error(simdjson::N_ATOM_ERROR);
      point = disconnectPoint();
    } else {
      point = pointOf(p, "point");
    }
    if (count < kOnStack) {
      first[count++] = point;
      return;
    }
    if (more.empty()) {
      more.reserve(4 * kOnStack);
      more.assign(first, first + kOnStack);
    }
    more.push_back(point);
  });
  if (!more.empty()) return more;
  return std::vector<Point3d>(first, first + count);
}

// The fields of an arc as read; whether the element is an ellipse is known only with its type.
struct ArcFields {
  Slot<Point3d> centre;
  Slot<double> primaryRadius, secondaryRadius, rotation, start, sweep;
};

ArcFields readArc(od::value v) {
  ArcFields a;
  eachField(v, "arc", [&](std::string_view key, od::value x) {
    if (key == "centre") fill(a.centre, [&] { return pointOf(x, "arc centre"); });
    else if (key == "primaryRadius") fill(a.primaryRadius, [&] { return doubleOf(x, "primary radius"); });
    else if (key == "secondaryRadius") fill(a.secondaryRadius, [&] { return doubleOf(x, "secondary radius"); });
    else if (key == "rotation") fill(a.rotation, [&] { return doubleOf(x, "arc rotation", 1e6); });
    else if (key == "start") fill(a.start, [&] { return doubleOf(x, "arc start", 1e6); });
    // Beyond one full turn an arc would only draw itself again, at a cost without bound.
    else if (key == "sweep") fill(a.sweep, [&] { return doubleOf(x, "arc sweep", kMaxSweep); });
    else return false;
    return true;
  });
  return a;
}

ArcData arcOf(const ArcFields& a, bool ellipse) {
  ArcData arc;
  arc.centre = required(a.centre, "centre");
  arc.primaryRadius = required(a.primaryRadius, "primaryRadius");
  arc.secondaryRadius = required(a.secondaryRadius, "secondaryRadius");
  if (arc.primaryRadius < 0 || arc.secondaryRadius < 0) fail("a radius is negative");
  if (auto s = optional(a.rotation)) arc.rotation = *s;
  if (auto s = optional(a.start)) arc.start = *s;
  if (auto s = optional(a.sweep)) arc.sweep = *s;
  else if (ellipse) arc.sweep = 2.0 * std::numbers::pi;
  else fail("missing field \"sweep\"");
  return arc;
}

TextRun readRun(od::value v) {
  Slot<std::wstring> text, kind;
  eachField(v, "run", [&](std::string_view key, od::value x) {
    if (key == "text") fill(text, [&] { return stringOf(x, "run text"); });
    else if (key == "kind") fill(kind, [&] { return stringOf(x, "run kind"); });
    else return false;
    return true;
  });
  TextRun run;
  run.text = required(text, "text");
  if (auto k = optional(kind)) {
    if (*k == L"field") run.kind = RunKind::EnterData;
    else if (*k != L"plain") fail("run kind is neither \"plain\" nor \"field\"");
  }
  return run;
}

TextPart readText(od::value v) {
  Slot<std::vector<TextRun>> runs;
  Slot<Point3d> origin;
  Slot<RotMatrix> orientation;
  Slot<std::wstring> font;
  Slot<double> width, height, lineSpacing;
  Slot<std::uint32_t> justification;
  Slot<bool> underline;
  eachField(v, "text", [&](std::string_view key, od::value x) {
    if (key == "runs")
      fill(runs, [&] {
        std::vector<TextRun> out;
        eachItem(x, "runs", [&](od::value r) { out.push_back(readRun(r)); });
        return out;
      });
    else if (key == "origin") fill(origin, [&] { return pointOf(x, "text origin"); });
    else if (key == "orientation") fill(orientation, [&] { return matrixOf(x, "text orientation"); });
    else if (key == "font") fill(font, [&] { return stringOf(x, "font"); });
    else if (key == "width") fill(width, [&] { return doubleOf(x, "text width"); });
    else if (key == "height") fill(height, [&] { return doubleOf(x, "text height"); });
    else if (key == "lineSpacing") fill(lineSpacing, [&] { return doubleOf(x, "line spacing"); });
    else if (key == "justification") fill(justification, [&] { return uint32Of(x, "justification"); });
    else if (key == "underline") fill(underline, [&] { return boolOf(x, "underline"); });
    else return false;
    return true;
  });
  TextPart t;
  t.runs = required(runs, "runs");
  t.origin = required(origin, "origin");
  if (auto s = optional(orientation)) t.orientation = *s;
  if (auto s = optional(font)) t.font = *s;
  t.width = required(width, "width");
  t.height = required(height, "height");
  if (t.width < 0 || t.height < 0) fail("text size is negative");
  if (auto s = optional(lineSpacing)) t.lineSpacing = *s;
  if (auto s = optional(justification)) t.justification = *s;
  if (auto s = optional(underline)) t.underline = *s;
  return t;
}

// The fields of a cell header as read; only a shared cell keeps its range, and whether the cell
// is shared is known only with its type.
struct CellFields {
  Slot<std::wstring> name;
  Slot<Point3d> origin, scale;
  Slot<RotMatrix> rotation;
  Slot<Range3d> range;
};

CellFields readCell(od::value v) {
  CellFields c;
  eachField(v, "cell", [&](std::string_view key, od::value x) {
    if (key == "name") fill(c.name, [&] { return stringOf(x, "cell name"); });
    else if (key == "origin") fill(c.origin, [&] { return pointOf(x, "cell origin"); });
    else if (key == "rotation") fill(c.rotation, [&] { return matrixOf(x, "cell rotation"); });
    else if (key == "scale") fill(c.scale, [&] { return pointOf(x, "cell scale"); });
    else if (key == "range")
      fill(c.range, [&] {
        // The number of corners is checked before the corners themselves.
        Slot<Point3d> corners[2];
        std::size_t count = 0;
        eachItem(x, "shared cell range", [&](od::value p) {
          if (count < 2) fill(corners[count], [&] { return pointOf(p, "range"); });
          ++count;
        });
        if (count != 2) fail("shared cell range is not [low, high]");
        return Range3d::from(required(corners[0], "range"), required(corners[1], "range"));
      });
    else return false;
    return true;
  });
  return c;
}

CellData cellOf(CellFields& c, bool shared) {
  CellData cell;
  if (optional(c.name)) cell.name = std::move(c.name.value);
  cell.origin = required(c.origin, "origin");
  if (auto s = optional(c.rotation)) cell.rotation = *s;
  if (auto s = optional(c.scale)) cell.scale = *s;
  if (shared) cell.range = required(c.range, "range");
  return cell;
}

std::size_t countReal(const std::vector<Point3d>& points) {
  std::size_t n = 0;
  for (const auto& p : points) n += isDisconnect(p) ? 0 : 1;
  return n;
}

Element readElement(od::value v, int depth, Slot<ElementId>* id = nullptr, Slot<std::uint32_t>* pos = nullptr);

// The fields of an element as read. A writer puts the type after the geometry (keys in
// alphabetical order), so each geometry field is read as every type that has it reads it, and
// the type then says which of them the element keeps.
struct ElementSlots {
  Slot<std::uint64_t> type;
  Slot<std::uint32_t> level, colour, weight, group, fill;
  Slot<std::int32_t> style, elementClass, priority;
  Slot<LineStyleParams> styleParams;
  Slot<double> transparency;
  Slot<Pattern> pattern;
  Slot<bool> hole;
  Slot<std::vector<Linkage>> linkages;
  Slot<std::vector<Point3d>> points;
  Slot<std::optional<ArcFields>> arc;
  Slot<Boxed<TextPart>> text;
  Slot<std::optional<CellFields>> cell;
  Slot<std::vector<Element>> children;
  Slot<std::vector<std::uint8_t>> data;
};

// The keys of an element, told apart by their length first.
enum class ElementKey {
  Type, Points, Arc, Text, Cell, Children, Data, Level, Colour, Weight, Style, StyleParams, Class,
  Priority, Transparency, Group, Fill, Pattern, Hole, Linkages, Id, Pos, Other
};

ElementKey elementKey(std::string_view k) {
  using K = ElementKey;
  switch (k.size()) {
    case 2: return k == "id" ? K::Id : K::Other;
    case 3: return k == "pos" ? K::Pos : k == "arc" ? K::Arc : K::Other;
    case 4:
      return k == "type" ? K::Type : k == "text" ? K::Text : k == "cell" ? K::Cell : k == "data" ? K::Data
           : k == "fill" ? K::Fill : k == "hole" ? K::Hole : K::Other;
    case 5:
      return k == "level" ? K::Level : k == "group" ? K::Group : k == "style" ? K::Style : k == "class" ? K::Class : K::Other;
    case 6: return k == "points" ? K::Points : k == "colour" ? K::Colour : k == "weight" ? K::Weight : K::Other;
    case 7: return k == "pattern" ? K::Pattern : K::Other;
    case 8: return k == "children" ? K::Children : k == "priority" ? K::Priority : k == "linkages" ? K::Linkages : K::Other;
    case 11: return k == "styleParams" ? K::StyleParams : K::Other;
    case 12: return k == "transparency" ? K::Transparency : K::Other;
    default: return K::Other;
  }
}

// An element. A top-level element also gives its id and file position (components have none).
Element readElement(od::value v, int depth, Slot<ElementId>* id, Slot<std::uint32_t>* pos) {
  if (depth > kMaxElementDepth) fail("elements nest too deeply");
  if (v.type() != json_type::object) fail("element is not an object");
  ElementSlots s;
  for (auto item : v.get_object()) {
    od::field f = std::move(item);
    const std::string_view key = keyOf(f);
    od::value x = f.value();
    switch (elementKey(key)) {
      case ElementKey::Type: fill(s.type, [&] { return unsignedOf(x, "type", 127); }); break;
      case ElementKey::Points: fill(s.points, [&] { return readPoints(x); }); break;
      case ElementKey::Arc: fill(s.arc, [&] { return readArc(x); }); break;
      case ElementKey::Text: fill(s.text, [&] { return readText(x); }); break;
      case ElementKey::Cell: fill(s.cell, [&] { return readCell(x); }); break;
      case ElementKey::Children:
        fill(s.children, [&] {
          std::vector<Element> children;
          eachItem(x, "children", [&](od::value c) { children.push_back(readElement(c, depth + 1)); });
          return children;
        });
        break;
      case ElementKey::Data: fill(s.data, [&] { return bytesOf(x, "data"); }); break;
      case ElementKey::Level: fill(s.level, [&] { return uint32Of(x, "level"); }); break;
      case ElementKey::Colour: fill(s.colour, [&] { return uint32Of(x, "colour"); }); break;
      case ElementKey::Weight: fill(s.weight, [&] { return uint32Of(x, "weight"); }); break;
      case ElementKey::Style: fill(s.style, [&] { return int32Of(x, "style"); }); break;
      case ElementKey::StyleParams: fill(s.styleParams, [&] { return readStyleParams(x); }); break;
      case ElementKey::Class: fill(s.elementClass, [&] { return int32Of(x, "class"); }); break;
      case ElementKey::Priority: fill(s.priority, [&] { return int32Of(x, "priority"); }); break;
      case ElementKey::Transparency: fill(s.transparency, [&] { return doubleOf(x, "transparency", 1.0); }); break;
      case ElementKey::Group: fill(s.group, [&] { return uint32Of(x, "group"); }); break;
      case ElementKey::Fill: fill(s.fill, [&] { return uint32Of(x, "fill"); }); break;
      case ElementKey::Pattern: fill(s.pattern, [&] { return readPattern(x); }); break;
      case ElementKey::Hole: fill(s.hole, [&] { return boolOf(x, "hole"); }); break;
      case ElementKey::Linkages: fill(s.linkages, [&] { return readLinkages(x); }); break;
      case ElementKey::Id:
        if (id) fill(*id, [&] { return unsignedOf(x, "id", std::numeric_limits<std::uint64_t>::max()); });
        else walk(x);
        break;
      case ElementKey::Pos:
        if (pos) fill(*pos, [&] { return uint32Of(x, "pos"); });
        else walk(x);
        break;
      case ElementKey::Other: walk(x); break;
    }
  }

  Element e;
  e.type = static_cast<int>(required(s.type, "type"));
  const GeometryKind kind = geometryKind(e.type);
  if (kind == GeometryKind::Unknown) fail("unknown element type " + std::to_string(e.type));
  if (auto p = optional(s.level)) e.level = *p;
  if (auto p = optional(s.colour)) e.colour = *p;
  if (auto p = optional(s.weight)) e.weight = *p;
  if (auto p = optional(s.style)) e.lineStyle = *p;
  if (auto p = optional(s.styleParams)) e.lineStyleParams = *p;
  if (auto p = optional(s.elementClass)) e.elementClass = *p;
  if (auto p = optional(s.priority)) e.priority = *p;
  if (auto p = optional(s.transparency)) e.transparency = *p;
  if (auto p = optional(s.group)) e.graphicGroup = *p;
  if (auto p = optional(s.fill)) e.fillColour = *p;
  if (auto p = optional(s.pattern)) e.pattern = *p;
  if (auto p = optional(s.hole)) e.hole = *p;
  if (optional(s.linkages)) e.linkages = std::move(s.linkages.value);
  // Geometry fields of other types are left aside, except children and data, which are refused.
  if (kind == GeometryKind::Points || kind == GeometryKind::Dimension) {
    required(s.points, "points");
    e.points = std::move(s.points.value);
    const std::size_t real = countReal(e.points);
    const std::size_t least = e.type == ElementType::Shape ? 3 : kind == GeometryKind::Dimension ? 1 : 2;
    if (real < least) fail("too few points");
    if (e.type == ElementType::Line && e.points.size() != 2) fail("a line has two points");
    if (isDisconnect(e.points.front()) || isDisconnect(e.points.back())) fail("a point list starts or ends with a disconnect");
  }
  if (kind == GeometryKind::Arc) e.arc = arcOf(*required(s.arc, "arc"), e.type == ElementType::Ellipse);
  if (kind == GeometryKind::Text) {
    required(s.text, "text");
    e.text = std::move(s.text.value);
  }
  if (kind == GeometryKind::Cell || kind == GeometryKind::SharedCell) {
    required(s.cell, "cell");
    e.cell = cellOf(*s.cell.value, kind == GeometryKind::SharedCell);
  }
  if (kind == GeometryKind::Components || kind == GeometryKind::Cell || kind == GeometryKind::Dimension) {
    if (optional(s.children)) e.children = std::move(s.children.value);
    if (kind == GeometryKind::Components && e.children.empty()) fail("a complex element has no component");
    if (e.type == ElementType::TextNode)
      for (const auto& c : e.children)
        if (c.type != ElementType::Text) fail("a text node holds an element that is not a text");
  } else if (s.children.present) {
    fail("this element type has no children");
  }
  if (s.data.present && kind != GeometryKind::Data) fail("only data elements carry data");
  if (optional(s.data)) e.data = std::move(s.data.value);
  return e;
}

// ---- document ----

// The element ids met so far in a document. Files written by the host number their elements in
// increasing order: while each id is above the last one, it is new and a list keeps it; the first
// id that is not moves them all into a set that answers from then on.
class SeenIds {
 public:
  // False when the id was met before.
  bool insert(ElementId id) {
    if (set_.empty()) {
      if (list_.empty() || id > list_.back()) {
        list_.push_back(id);
        return true;
      }
      set_.reserve(list_.size() * 2);
      set_.insert(list_.begin(), list_.end());
      list_ = {};
    }
    return set_.insert(id).second;
  }

 private:
  std::vector<ElementId> list_;  // increasing
  std::unordered_set<ElementId> set_;
};

// The memory of the bytes the parser has passed, given back while the elements of a large file
// are read. The parser only moves forward from one top element to the next (an element may read
// its own fields again, never those of an element before it) and every value is copied out of
// the bytes as it is read, so the pages before the next element are never read again by that
// reading. The bytes must be a buffer of ours, in private anonymous memory; they are put back (read
// again) before anything reads the whole text anew.
class PassedBytes {
 public:
  PassedBytes(const char* begin, std::size_t step, std::function<bool()> reread)
      : first_(pageUp(reinterpret_cast<std::uintptr_t>(begin))), released_(first_), step_(step), reread_(std::move(reread)) {}

  // Nothing before `at` is read again.
  void passed(const char* at) {
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(at) & ~(pageSize() - 1);
    if (end < released_ + step_) return;
    if (::madvise(reinterpret_cast<void*>(released_), end - released_, MADV_DONTNEED) == 0) released_ = end;
  }

  // Puts the bytes given back in place again; false when they cannot be (then for good).
  bool restore() {
    if (released_ == first_) return true;
    if (lost_ || !reread_()) {
      lost_ = true;
      return false;
    }
    released_ = first_;
    return true;
  }

 private:
  static std::uintptr_t pageSize() {
    static const auto size = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    return size;
  }
  static std::uintptr_t pageUp(std::uintptr_t at) { return (at + pageSize() - 1) & ~(pageSize() - 1); }

  std::uintptr_t first_;     // the first whole page of the bytes
  std::uintptr_t released_;  // the end of the pages given back
  std::size_t step_;         // bytes given back at a time, at least
  std::function<bool()> reread_;
  bool lost_ = false;
};

// What the reading of the top elements knows of the document being read.
struct Reading {
  const char* end = nullptr;      // the end of the document's bytes
  PassedBytes* passed = nullptr;  // the bytes to give back as they are passed, if any
};
thread_local Reading reading;

const char* locationOf(od::value& v) {
  const char* at = nullptr;
  return v.current_location().get(at) == simdjson::SUCCESS ? at : nullptr;
}

// After this many elements, the room for the rest of them is reserved at once, estimated from
// the bytes they took: no element is written in fewer than kLeastElementBytes.
constexpr std::size_t kElementsBeforeEstimate = 256;
constexpr std::size_t kLeastElementBytes = 24;

void reserveRest(std::vector<Element>& elements, const char* first, const char* at) {
  if (!reading.end || !first || !at || at <= first || at >= reading.end) return;
  const auto left = static_cast<std::size_t>(reading.end - at);
  const auto read = static_cast<std::size_t>(at - first);
  const double perElement = static_cast<double>(read) / static_cast<double>(elements.size());
  auto more = static_cast<std::size_t>(static_cast<double>(left) / perElement * (1.0 + 1.0 / 16));
  more = std::min(more, left / kLeastElementBytes);
  elements.reserve(elements.size() + more);
}

std::vector<Element> readTopElements(od::value v, std::size_t m, SeenIds& ids, ElementId& highest) {
  std::vector<Element> elements;
  std::uint32_t lastPosition = 0;
  std::size_t i = 0;
  const char* first = nullptr;  // where the first element starts
  eachItem(v, "elements", [&](od::value x) {
    if (i == 0) first = locationOf(x);
    try {
      Slot<ElementId> id;
      Slot<std::uint32_t> pos;
      Element e = readElement(x, 0, &id, &pos);
      e.id = required(id, "id");
      e.filePosition = required(pos, "pos");
      if (e.id == 0) fail("element id 0");
      if (!ids.insert(e.id)) fail("duplicate element id " + std::to_string(e.id));
      if (e.filePosition <= lastPosition) fail("file positions do not increase");
      lastPosition = e.filePosition;
      highest = std::max(highest, e.id);
      elements.push_back(std::move(e));
    } catch (const Invalid& bad) {
      fail("model " + std::to_string(m) + ", element " + std::to_string(i) + ": " + bad.what);
    }
    ++i;
    if (i == kElementsBeforeEstimate || reading.passed) {
      const char* at = locationOf(x);
      if (i == kElementsBeforeEstimate) reserveRest(elements, first, at);
      if (reading.passed && at) reading.passed->passed(at);
    }
  });
  // An estimate far above the count (the bytes after the elements were many) gives its room
  // back; a vector that grew past its estimate is never less than half full.
  if (elements.size() < elements.capacity() / 2) elements.shrink_to_fit();
  return elements;
}

std::map<int, std::set<LevelId>> readHiddenLevels(od::value v) {
  std::map<int, std::set<LevelId>> hidden;
  eachItem(v, "hiddenLevels", [&](od::value hv) {
    Slot<std::uint64_t> view;
    Slot<std::vector<LevelId>> levels;
    eachField(hv, "hiddenLevels entry", [&](std::string_view key, od::value x) {
      if (key == "view") fill(view, [&] { return unsignedOf(x, "view", 7); });
      else if (key == "levels")
        fill(levels, [&] {
          std::vector<LevelId> out;
          eachItem(x, "hidden levels", [&](od::value l) { out.push_back(uint32Of(l, "level")); });
          return out;
        });
      else return false;
      return true;
    });
    const int at = static_cast<int>(required(view, "view"));
    for (LevelId l : required(levels, "levels")) hidden[at].insert(l);
  });
  return hidden;
}

Transform transformOf(od::value v) {
  ShortArray<12> a;
  if (!shortArray(v, a) || a.count != 12) fail("reference transform is not twelve numbers");
  Transform t;
  for (int i = 0; i < 9; ++i) t.matrix.m[i / 3][i % 3] = checkedDouble(a.items[i], "transform", 1e6);
  t.translation = {checkedDouble(a.items[9], "transform", kMaxCoordinate), checkedDouble(a.items[10], "transform", kMaxCoordinate),
                   checkedDouble(a.items[11], "transform", kMaxCoordinate)};
  return t;
}

ReferenceAttachment readReference(od::value v) {
  Slot<std::wstring> logicalName, file, model;
  Slot<Transform> transform;
  Slot<bool> skip;
  Slot<std::map<int, std::set<LevelId>>> hidden;
  eachField(v, "reference", [&](std::string_view key, od::value x) {
    if (key == "logicalName") fill(logicalName, [&] { return stringOf(x, "logicalName"); });
    else if (key == "file") fill(file, [&] { return stringOf(x, "reference file"); });
    else if (key == "model") fill(model, [&] { return stringOf(x, "reference model"); });
    else if (key == "transform") fill(transform, [&] { return transformOf(x); });
    else if (key == "skip") fill(skip, [&] { return boolOf(x, "skip"); });
    else if (key == "hiddenLevels") fill(hidden, [&] { return readHiddenLevels(x); });
    else return false;
    return true;
  });
  ReferenceAttachment a;
  a.logicalName = required(logicalName, "logicalName");
  a.fileName = required(file, "file");
  if (auto p = optional(model)) a.modelName = *p;
  if (auto p = optional(transform)) a.transform = *p;
  if (auto p = optional(skip)) a.skip = *p;
  if (auto p = optional(hidden)) a.hiddenLevels = *p;
  return a;
}

Model readModel(od::value v, std::size_t m, const std::vector<Model>& earlier, SeenIds& ids,
                ElementId& highest) {
  Slot<std::wstring> name;
  Slot<std::vector<Element>> elements;
  Slot<std::vector<ReferenceAttachment>> references;
  eachField(v, "model", [&](std::string_view key, od::value x) {
    if (key == "name") fill(name, [&] { return stringOf(x, "model name"); });
    else if (key == "elements") fill(elements, [&] { return readTopElements(x, m, ids, highest); });
    else if (key == "references")
      fill(references, [&] {
        std::vector<ReferenceAttachment> out;
        eachItem(x, "references", [&](od::value r) { out.push_back(readReference(r)); });
        return out;
      });
    else return false;
    return true;
  });
  Model model(required(name, "name"));
  for (const auto& other : earlier)
    if (other.name() == model.name()) fail("duplicate model name");
  required(elements, "elements");
  model.assign(std::move(elements.value));
  if (optional(references)) model.references = std::move(references.value);
  return model;
}

struct HeaderSlots {
  Slot<std::uint32_t> fileFormat, nextGraphicGroup, masterLevelTables;
  Slot<bool> is3d;
  Slot<double> uorPerSub, subPerMaster;
  Slot<Point3d> globalOrigin;
  Slot<std::wstring> coordinateSystem;
  Slot<std::uint64_t> nextElementId;
};

HeaderSlots readHeader(od::value v) {
  HeaderSlots h;
  eachField(v, "header", [&](std::string_view key, od::value x) {
    if (key == "fileFormat") fill(h.fileFormat, [&] { return uint32Of(x, "fileFormat"); });
    else if (key == "is3d") fill(h.is3d, [&] { return boolOf(x, "is3d"); });
    else if (key == "uorPerSub") fill(h.uorPerSub, [&] { return doubleOf(x, "uorPerSub"); });
    else if (key == "subPerMaster") fill(h.subPerMaster, [&] { return doubleOf(x, "subPerMaster"); });
    else if (key == "globalOrigin") fill(h.globalOrigin, [&] { return pointOf(x, "globalOrigin"); });
    else if (key == "coordinateSystem") fill(h.coordinateSystem, [&] { return stringOf(x, "coordinateSystem"); });
    else if (key == "nextGraphicGroup") fill(h.nextGraphicGroup, [&] { return uint32Of(x, "nextGraphicGroup"); });
    else if (key == "masterLevelTables") fill(h.masterLevelTables, [&] { return uint32Of(x, "masterLevelTables"); });
    else if (key == "nextElementId")
      fill(h.nextElementId, [&] { return unsignedOf(x, "nextElementId", std::numeric_limits<std::uint64_t>::max()); });
    else return false;
    return true;
  });
  return h;
}

std::vector<Level> readLevels(od::value v) {
  std::vector<Level> levels;
  eachItem(v, "levels", [&](od::value l) {
    Slot<LevelId> id;
    Slot<std::wstring> name;
    eachField(l, "level", [&](std::string_view key, od::value x) {
      if (key == "id") fill(id, [&] { return uint32Of(x, "level id"); });
      else if (key == "name") fill(name, [&] { return stringOf(x, "level name"); });
      else return false;
      return true;
    });
    Level level{required(id, "id"), required(name, "name")};
    for (const auto& other : levels)
      if (other.id == level.id || other.name == level.name) fail("duplicate level");
    levels.push_back(std::move(level));
  });
  return levels;
}

std::vector<LineStyleEntry> readLineStyles(od::value v) {
  std::vector<LineStyleEntry> styles;
  eachItem(v, "lineStyles", [&](od::value s) {
    Slot<std::int32_t> number;
    Slot<std::wstring> name;
    eachField(s, "line style", [&](std::string_view key, od::value x) {
      if (key == "number") fill(number, [&] { return int32Of(x, "line style number"); });
      else if (key == "name") fill(name, [&] { return stringOf(x, "line style name"); });
      else return false;
      return true;
    });
    LineStyleEntry style{required(number, "number"), required(name, "name")};
    if ((style.number >= 0 && style.number <= 7) || style.number == kUnknownLineStyle || style.name.empty())
      fail("line style number or name not allowed");
    for (const auto& other : styles)
      if (other.number == style.number || other.name == style.name) fail("duplicate line style");
    styles.push_back(std::move(style));
  });
  return styles;
}

struct ModelsRead {
  std::vector<Model> models;
  ElementId highest = 0;
};

DesignFile readDocument(od::document& doc) {
  if (doc.type() != json_type::object) fail("the document is not an object");
  Slot<std::string> format;
  Slot<std::uint64_t> version;
  Slot<HeaderSlots> header;
  Slot<std::vector<Level>> levels;
  Slot<std::vector<LineStyleEntry>> lineStyles;
  Slot<ModelsRead> models;
  for (auto item : doc.get_object()) {
    od::field f = std::move(item);
    const std::string_view key = keyOf(f);
    od::value x = f.value();
    if (key == "format") fill(format, [&] { return std::string(utf8Of(x, "format")); });
    else if (key == "version") fill(version, [&] { return unsignedOf(x, "version", 1000); });
    else if (key == "header") fill(header, [&] { return readHeader(x); });
    else if (key == "levels") fill(levels, [&] { return readLevels(x); });
    else if (key == "lineStyles") fill(lineStyles, [&] { return readLineStyles(x); });
    else if (key == "models")
      fill(models, [&] {
        ModelsRead read;
        SeenIds ids;
        eachItem(x, "models", [&](od::value m) {
          read.models.push_back(readModel(m, read.models.size(), read.models, ids, read.highest));
        });
        return read;
      });
    else walk(x);
  }
  if (doc.current_location().error() != simdjson::OUT_OF_BOUNDS) throw simdjson::simdjson_error(simdjson::TRAILING_CONTENT);

  if (required(format, "format") != design_format::kFormatTag) fail("not a design file (wrong format tag)");
  if (required(version, "version") != static_cast<std::uint64_t>(design_format::kFormatVersion)) fail("unsupported version");
  const HeaderSlots& h = required(header, "header");
  DesignFile file;
  file.header.fileFormat = required(h.fileFormat, "fileFormat");
  file.header.is3d = required(h.is3d, "is3d");
  file.header.uorPerSub = required(h.uorPerSub, "uorPerSub");
  file.header.subPerMaster = required(h.subPerMaster, "subPerMaster");
  if (file.header.uorPerSub <= 0 || file.header.subPerMaster <= 0) fail("units are not positive");
  if (auto p = optional(h.globalOrigin)) file.header.globalOrigin = *p;
  if (auto p = optional(h.coordinateSystem)) file.header.coordinateSystem = *p;
  if (auto p = optional(h.nextGraphicGroup)) file.header.nextGraphicGroup = *p;
  if (auto p = optional(h.masterLevelTables)) file.header.masterLevelTables = *p;
  if (file.header.masterLevelTables == 0) fail("masterLevelTables is 0");
  if (optional(levels)) file.levels = std::move(levels.value);
  if (optional(lineStyles)) file.lineStyles = std::move(lineStyles.value);
  required(models, "models");
  if (models.value.models.empty()) fail("a design file has at least one model");
  file.models = std::move(models.value.models);
  ElementId next = models.value.highest + 1;
  if (auto p = optional(h.nextElementId)) next = std::max(next, *p);
  if (next == 0) fail("element ids are exhausted");
  file.setNextElementId(next);
  return file;
}

// Depth of brackets outside strings: refuses absurd nesting before the parser sees it.
bool nestingWithin(std::string_view text, std::size_t limit) {
  std::size_t depth = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const char c = *p++;
    if (c == '"') {
      // To the closing quote, past escaped characters.
      while (p < end) {
        const char* q = static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(end - p)));
        if (!q) return true;
        std::size_t slashes = 0;
        for (const char* b = q; b > p && b[-1] == '\\'; --b) ++slashes;
        p = q + 1;
        if (slashes % 2 == 0) break;
      }
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return false;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return true;
}

// Whether the bytes are one JSON document, whatever its content (the refusals only ask it).
bool isJson(std::string_view text) { return nlohmann::json::accept(text); }

// The nesting is measured only when the reading fails or a walk goes deep: the document the
// reader accepts nests no deeper than its elements, whose depth is bounded. With `passed`, the
// bytes are given back as the elements are read, and put back before the whole text is read again.
std::optional<DesignFile> parseText(simdjson::padded_string_view text, std::string* error, PassedBytes* passed = nullptr) {
  const auto whole = [&] { return !passed || passed->restore(); };
  const auto refuse = [&](std::string why) {
    if (error)
      *error = !whole()                           ? std::string("the file changed while it was read")
               : !nestingWithin(text, kMaxNesting) ? std::string("the document nests too deeply")
                                                   : std::move(why);
    return std::nullopt;
  };
  const Reading outer = reading;
  struct Restore {
    const Reading& outer;
    ~Restore() { reading = outer; }
  } restoreReading{outer};
  for (int attempt = 0; attempt < 2; ++attempt) {
    guardDepth = attempt == 0;
    reading = Reading{text.data() + text.size(), passed};
    try {
      refusedSome = false;
      // A parser's buffers grow with the documents it reads, to several times their size: one per
      // thread is kept for plans of usual sizes, so that loading them touches no new memory; a
      // larger document has its own, given back once it is read.
      constexpr std::size_t kKeptParserCapacity = DesignFile::kReleaseFrom;
      thread_local od::parser kept;
      std::unique_ptr<od::parser> own;
      if (text.size() > kKeptParserCapacity) own = std::make_unique<od::parser>();
      od::parser& parser = own ? *own : kept;
      od::document doc = parser.iterate(text);
      DesignFile file = readDocument(doc);
      // A refused value was passed over unchecked: the document is then checked whole.
      if (refusedSome && (!whole() || !nestingWithin(text, kMaxNesting) || !isJson(text))) return refuse("not a JSON document");
      return file;
    } catch (const Deep&) {
      if (!whole() || !nestingWithin(text, kMaxNesting)) return refuse("");
    } catch (const Invalid& bad) {
      // Not JSON at all is the reason that comes first.
      return refuse(whole() && isJson(text) ? bad.what : "not a JSON document");
    } catch (const simdjson::simdjson_error& bad) {
      return refuse(bad.error() == simdjson::MEMALLOC ? "out of memory" : "not a JSON document");
    } catch (const std::bad_alloc&) {
      return refuse("out of memory");
    } catch (const std::exception& bad) {
      return refuse(bad.what());
    }
  }
  return refuse("not a JSON document");  // not reached: the second reading is unguarded
}

}  // namespace

std::optional<DesignFile> DesignFile::parse(std::string_view json, std::string* error) {
  try {
    const simdjson::padded_string padded(json);
    return parseText(padded, error);
  } catch (const std::exception& bad) {
    if (error) *error = bad.what();
    return std::nullopt;
  }
}

std::optional<DesignFile> DesignFile::parsePadded(std::string_view json, std::string* error) {
  return parseText(simdjson::padded_string_view(json.data(), json.size(), json.size() + kReadPadding), error);
}

// The bytes are a std::string's own block: the pages strictly inside it hold nothing but its
// bytes (the allocator's records lie at its ends, on pages never given back), and they are read
// again in place, so that every pointer into them stays valid.
std::optional<DesignFile> DesignFile::parseFileBytes(std::string& bytes, const boost::filesystem::path& path,
                                                     std::string* error, std::size_t releaseFrom) {
  try {
    if (bytes.capacity() < bytes.size() + kReadPadding) bytes.reserve(bytes.size() + kReadPadding);
    const simdjson::padded_string_view text(bytes.data(), bytes.size(), bytes.size() + kReadPadding);
    if (bytes.size() < releaseFrom) return parseText(text, error);
    constexpr std::size_t kMostStep = 4 << 20;
    PassedBytes passed(bytes.data(), std::clamp<std::size_t>(releaseFrom / 4, 1, kMostStep),
                       [&] { return paths::readBytesAgain(path, bytes); });
    return parseText(text, error, &passed);
  } catch (const std::exception& bad) {
    if (error) *error = bad.what();
    return std::nullopt;
  }
}

}  // namespace host
