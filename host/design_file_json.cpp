// Reading and writing the JSON form of design files (docs/design-file.md). Reading validates the
// whole document before anything is kept: a document that is not a valid design file gives no
// model at all.
#include <cmath>
#include <limits>
#include <numbers>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "host/design_file.h"
#include "host/text.h"

using nlohmann::json;

namespace host {

namespace {

constexpr const char* kFormatTag = "cadhost-design";
constexpr int kFormatVersion = 1;
constexpr double kMaxCoordinate = 1e15;    // UORs; beyond, ranges and conversions lose meaning
constexpr std::size_t kMaxNesting = 200;   // JSON nesting, checked before parsing
constexpr int kMaxElementDepth = 32;       // cells in cells

struct Invalid {
  std::string what;
};

[[noreturn]] void fail(std::string what) { throw Invalid{std::move(what)}; }

// ---- checked readers ----

const json* optional(const json& object, const char* key) {
  auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

const json& required(const json& object, const char* key) {
  auto it = object.find(key);
  if (it == object.end()) fail(std::string("missing field \"") + key + "\"");
  return *it;
}

void expectObject(const json& v, const char* what) {
  if (!v.is_object()) fail(std::string(what) + " is not an object");
}

const json& arrayOf(const json& v, const char* what) {
  if (!v.is_array()) fail(std::string(what) + " is not an array");
  return v;
}

std::uint64_t unsignedOf(const json& v, const char* what, std::uint64_t max) {
  if (v.is_number_unsigned()) {
    const auto x = v.get<std::uint64_t>();
    if (x <= max) return x;
  } else if (v.is_number_integer()) {
    const auto x = v.get<std::int64_t>();
    if (x >= 0 && static_cast<std::uint64_t>(x) <= max) return static_cast<std::uint64_t>(x);
  }
  fail(std::string(what) + " is not an integer in range");
}

std::int32_t int32Of(const json& v, const char* what) {
  if (v.is_number_integer()) {
    const auto x = v.get<std::int64_t>();
    if (v.is_number_unsigned() && v.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      fail(std::string(what) + " is out of range");
    if (x >= std::numeric_limits<std::int32_t>::min() && x <= std::numeric_limits<std::int32_t>::max())
      return static_cast<std::int32_t>(x);
  }
  fail(std::string(what) + " is not a 32-bit integer");
}

std::uint32_t uint32Of(const json& v, const char* what) {
  return static_cast<std::uint32_t>(unsignedOf(v, what, std::numeric_limits<std::uint32_t>::max()));
}

double doubleOf(const json& v, const char* what, double limit = kMaxCoordinate) {
  if (!v.is_number()) fail(std::string(what) + " is not a number");
  const double x = v.get<double>();
  if (!std::isfinite(x) || std::abs(x) > limit) fail(std::string(what) + " is out of range");
  return x;
}

bool boolOf(const json& v, const char* what) {
  if (!v.is_boolean()) fail(std::string(what) + " is not a boolean");
  return v.get<bool>();
}

std::wstring stringOf(const json& v, const char* what) {
  if (!v.is_string()) fail(std::string(what) + " is not a string");
  return text::fromUtf8(v.get_ref<const std::string&>());
}

Point3d pointOf(const json& v, const char* what) {
  if (!v.is_array() || v.size() < 2 || v.size() > 3) fail(std::string(what) + " is not a point [x, y, z]");
  return {doubleOf(v[0], what), doubleOf(v[1], what), v.size() == 3 ? doubleOf(v[2], what) : 0.0};
}

RotMatrix matrixOf(const json& v, const char* what) {
  if (!v.is_array() || v.size() != 9) fail(std::string(what) + " is not a matrix of nine numbers");
  RotMatrix m;
  for (int i = 0; i < 9; ++i) m.m[i / 3][i % 3] = doubleOf(v[i], what, 1e6);
  return m;
}

std::vector<std::uint8_t> bytesOf(const json& v, const char* what) {
  if (!v.is_string()) fail(std::string(what) + " is not a base64 string");
  auto bytes = fromBase64(v.get_ref<const std::string&>());
  if (!bytes) fail(std::string(what) + " is not valid base64");
  return std::move(*bytes);
}

// ---- elements ----

void readProperties(const json& o, Element& e) {
  if (auto v = optional(o, "level")) e.level = uint32Of(*v, "level");
  if (auto v = optional(o, "colour")) e.colour = uint32Of(*v, "colour");
  if (auto v = optional(o, "weight")) e.weight = uint32Of(*v, "weight");
  if (auto v = optional(o, "style")) e.lineStyle = int32Of(*v, "style");
  if (auto v = optional(o, "styleParams")) {
    expectObject(*v, "styleParams");
    if (auto s = optional(*v, "scale")) e.lineStyleParams.scale = doubleOf(*s, "styleParams.scale");
    if (auto s = optional(*v, "startWidth")) e.lineStyleParams.startWidth = doubleOf(*s, "styleParams.startWidth");
    if (auto s = optional(*v, "endWidth")) e.lineStyleParams.endWidth = doubleOf(*s, "styleParams.endWidth");
    if (auto s = optional(*v, "modifiers")) e.lineStyleParams.modifiers = uint32Of(*s, "styleParams.modifiers");
  }
  if (auto v = optional(o, "class")) e.elementClass = int32Of(*v, "class");
  if (auto v = optional(o, "priority")) e.priority = int32Of(*v, "priority");
  if (auto v = optional(o, "transparency")) e.transparency = doubleOf(*v, "transparency", 1.0);
  if (auto v = optional(o, "group")) e.graphicGroup = uint32Of(*v, "group");
  if (auto v = optional(o, "fill")) e.fillColour = uint32Of(*v, "fill");
  if (auto v = optional(o, "pattern")) {
    expectObject(*v, "pattern");
    Pattern p;
    p.primarySpacing = doubleOf(required(*v, "primarySpacing"), "pattern.primarySpacing");
    if (auto s = optional(*v, "primaryAngle")) p.primaryAngle = doubleOf(*s, "pattern.primaryAngle");
    if (auto s = optional(*v, "secondarySpacing")) p.secondarySpacing = doubleOf(*s, "pattern.secondarySpacing");
    if (auto s = optional(*v, "secondaryAngle")) p.secondaryAngle = doubleOf(*s, "pattern.secondaryAngle");
    e.pattern = p;
  }
  if (auto v = optional(o, "hole")) e.hole = boolOf(*v, "hole");
  if (auto v = optional(o, "linkages")) {
    for (const auto& l : arrayOf(*v, "linkages")) {
      expectObject(l, "linkage");
      Linkage k;
      k.id = uint32Of(required(l, "id"), "linkage id");
      if (auto d = optional(l, "data")) k.data = bytesOf(*d, "linkage data");
      e.linkages.push_back(std::move(k));
    }
  }
}

TextPart readText(const json& o) {
  expectObject(o, "text");
  TextPart t;
  for (const auto& r : arrayOf(required(o, "runs"), "runs")) {
    expectObject(r, "run");
    TextRun run;
    run.text = stringOf(required(r, "text"), "run text");
    if (auto k = optional(r, "kind")) {
      const std::wstring kind = stringOf(*k, "run kind");
      if (kind == L"field") run.kind = RunKind::EnterData;
      else if (kind != L"plain") fail("run kind is neither \"plain\" nor \"field\"");
    }
    t.runs.push_back(std::move(run));
  }
  t.origin = pointOf(required(o, "origin"), "text origin");
  if (auto v = optional(o, "orientation")) t.orientation = matrixOf(*v, "text orientation");
  if (auto v = optional(o, "font")) t.font = stringOf(*v, "font");
  t.width = doubleOf(required(o, "width"), "text width");
  t.height = doubleOf(required(o, "height"), "text height");
  if (t.width < 0 || t.height < 0) fail("text size is negative");
  if (auto v = optional(o, "lineSpacing")) t.lineSpacing = doubleOf(*v, "line spacing");
  if (auto v = optional(o, "justification")) t.justification = uint32Of(*v, "justification");
  if (auto v = optional(o, "underline")) t.underline = boolOf(*v, "underline");
  return t;
}

Element readElement(const json& o, int depth);

std::vector<Element> readChildren(const json& o, int depth) {
  std::vector<Element> children;
  if (auto v = optional(o, "children"))
    for (const auto& c : arrayOf(*v, "children")) children.push_back(readElement(c, depth + 1));
  return children;
}

std::size_t countReal(const std::vector<Point3d>& points) {
  std::size_t n = 0;
  for (const auto& p : points) n += isDisconnect(p) ? 0 : 1;
  return n;
}

// An element without its id and file position (those of top-level elements are read by the
// caller; components have none).
Element readElement(const json& o, int depth) {
  if (depth > kMaxElementDepth) fail("elements nest too deeply");
  expectObject(o, "element");
  Element e;
  e.type = static_cast<int>(unsignedOf(required(o, "type"), "type", 127));
  const GeometryKind kind = geometryKind(e.type);
  if (kind == GeometryKind::Unknown) fail("unknown element type " + std::to_string(e.type));
  readProperties(o, e);
  if (kind == GeometryKind::Points || kind == GeometryKind::Dimension) {
    for (const auto& p : arrayOf(required(o, "points"), "points"))
      e.points.push_back(p.is_null() ? disconnectPoint() : pointOf(p, "point"));
    const std::size_t real = countReal(e.points);
    const std::size_t least = e.type == ElementType::Shape ? 3 : kind == GeometryKind::Dimension ? 1 : 2;
    if (real < least) fail("too few points");
    if (e.type == ElementType::Line && e.points.size() != 2) fail("a line has two points");
    if (isDisconnect(e.points.front()) || isDisconnect(e.points.back())) fail("a point list starts or ends with a disconnect");
  }
  if (kind == GeometryKind::Arc) {
    const json& a = required(o, "arc");
    expectObject(a, "arc");
    ArcData arc;
    arc.centre = pointOf(required(a, "centre"), "arc centre");
    arc.primaryRadius = doubleOf(required(a, "primaryRadius"), "primary radius");
    arc.secondaryRadius = doubleOf(required(a, "secondaryRadius"), "secondary radius");
    if (arc.primaryRadius < 0 || arc.secondaryRadius < 0) fail("a radius is negative");
    if (auto v = optional(a, "rotation")) arc.rotation = doubleOf(*v, "arc rotation", 1e6);
    if (auto v = optional(a, "start")) arc.start = doubleOf(*v, "arc start", 1e6);
    if (auto v = optional(a, "sweep")) arc.sweep = doubleOf(*v, "arc sweep", 1e6);
    else if (e.type == ElementType::Ellipse) arc.sweep = 2.0 * std::numbers::pi;
    else fail("missing field \"sweep\"");
    e.arc = arc;
  }
  if (kind == GeometryKind::Text) e.text = readText(required(o, "text"));
  if (kind == GeometryKind::Cell || kind == GeometryKind::SharedCell) {
    const json& c = required(o, "cell");
    expectObject(c, "cell");
    CellData cell;
    if (auto v = optional(c, "name")) cell.name = stringOf(*v, "cell name");
    cell.origin = pointOf(required(c, "origin"), "cell origin");
    if (auto v = optional(c, "rotation")) cell.rotation = matrixOf(*v, "cell rotation");
    if (auto v = optional(c, "scale")) cell.scale = pointOf(*v, "cell scale");
    if (kind == GeometryKind::SharedCell) {
      const json& r = arrayOf(required(c, "range"), "shared cell range");
      if (r.size() != 2) fail("shared cell range is not [low, high]");
      cell.range = Range3d::from(pointOf(r[0], "range"), pointOf(r[1], "range"));
    }
    e.cell = cell;
  }
  if (kind == GeometryKind::Components || kind == GeometryKind::Cell || kind == GeometryKind::Dimension) {
    e.children = readChildren(o, depth);
    if (kind == GeometryKind::Components && e.children.empty()) fail("a complex element has no component");
    if (e.type == ElementType::TextNode)
      for (const auto& c : e.children)
        if (c.type != ElementType::Text) fail("a text node holds an element that is not a text");
  } else if (optional(o, "children")) {
    fail("this element type has no children");
  }
  if (auto v = optional(o, "data")) {
    if (kind != GeometryKind::Data) fail("only data elements carry data");
    e.data = bytesOf(*v, "data");
  }
  return e;
}

// Depth of brackets outside strings: refuses absurd nesting before the parser sees it.
bool nestingWithin(std::string_view text, std::size_t limit) {
  std::size_t depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') ++i;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return false;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return true;
}

DesignFile readDocument(const json& doc) {
  expectObject(doc, "the document");
  if (stringOf(required(doc, "format"), "format") != text::fromUtf8(kFormatTag)) fail("not a design file (wrong format tag)");
  if (unsignedOf(required(doc, "version"), "version", 1000) != static_cast<std::uint64_t>(kFormatVersion))
    fail("unsupported version");
  DesignFile file;
  const json& h = required(doc, "header");
  expectObject(h, "header");
  file.header.fileFormat = uint32Of(required(h, "fileFormat"), "fileFormat");
  file.header.is3d = boolOf(required(h, "is3d"), "is3d");
  file.header.uorPerSub = doubleOf(required(h, "uorPerSub"), "uorPerSub");
  file.header.subPerMaster = doubleOf(required(h, "subPerMaster"), "subPerMaster");
  if (file.header.uorPerSub <= 0 || file.header.subPerMaster <= 0) fail("units are not positive");
  if (auto v = optional(h, "globalOrigin")) file.header.globalOrigin = pointOf(*v, "globalOrigin");
  if (auto v = optional(h, "coordinateSystem")) file.header.coordinateSystem = stringOf(*v, "coordinateSystem");
  if (auto v = optional(h, "nextGraphicGroup")) file.header.nextGraphicGroup = uint32Of(*v, "nextGraphicGroup");

  if (auto v = optional(doc, "levels")) {
    for (const auto& l : arrayOf(*v, "levels")) {
      expectObject(l, "level");
      Level level{uint32Of(required(l, "id"), "level id"), stringOf(required(l, "name"), "level name")};
      for (const auto& other : file.levels)
        if (other.id == level.id || other.name == level.name) fail("duplicate level");
      file.levels.push_back(std::move(level));
    }
  }
  if (auto v = optional(doc, "lineStyles")) {
    for (const auto& s : arrayOf(*v, "lineStyles")) {
      expectObject(s, "line style");
      LineStyleEntry style{int32Of(required(s, "number"), "line style number"), stringOf(required(s, "name"), "line style name")};
      if ((style.number >= 0 && style.number <= 7) || style.number == kUnknownLineStyle || style.name.empty())
        fail("line style number or name not allowed");
      for (const auto& other : file.lineStyles)
        if (other.number == style.number || other.name == style.name) fail("duplicate line style");
      file.lineStyles.push_back(std::move(style));
    }
  }

  const json& models = arrayOf(required(doc, "models"), "models");
  if (models.empty()) fail("a design file has at least one model");
  std::unordered_set<ElementId> ids;
  ElementId highest = 0;
  for (std::size_t m = 0; m < models.size(); ++m) {
    const json& jm = models[m];
    expectObject(jm, "model");
    Model model(stringOf(required(jm, "name"), "model name"));
    for (const auto& other : file.models)
      if (other.name() == model.name()) fail("duplicate model name");
    std::vector<Element> elements;
    const json& je = arrayOf(required(jm, "elements"), "elements");
    elements.reserve(je.size());
    std::uint32_t lastPosition = 0;
    for (std::size_t i = 0; i < je.size(); ++i) {
      try {
        Element e = readElement(je[i], 0);
        e.id = unsignedOf(required(je[i], "id"), "id", std::numeric_limits<std::uint64_t>::max());
        e.filePosition = uint32Of(required(je[i], "pos"), "pos");
        if (e.id == 0) fail("element id 0");
        if (!ids.insert(e.id).second) fail("duplicate element id " + std::to_string(e.id));
        if (e.filePosition <= lastPosition) fail("file positions do not increase");
        lastPosition = e.filePosition;
        highest = std::max(highest, e.id);
        elements.push_back(std::move(e));
      } catch (const Invalid& bad) {
        fail("model " + std::to_string(m) + ", element " + std::to_string(i) + ": " + bad.what);
      }
    }
    model.assign(std::move(elements));
    if (auto v = optional(jm, "references")) {
      for (const auto& r : arrayOf(*v, "references")) {
        expectObject(r, "reference");
        ReferenceAttachment a;
        a.logicalName = stringOf(required(r, "logicalName"), "logicalName");
        a.fileName = stringOf(required(r, "file"), "reference file");
        if (auto x = optional(r, "model")) a.modelName = stringOf(*x, "reference model");
        if (auto x = optional(r, "transform")) {
          if (!x->is_array() || x->size() != 12) fail("reference transform is not twelve numbers");
          for (int i = 0; i < 9; ++i) a.transform.matrix.m[i / 3][i % 3] = doubleOf((*x)[i], "transform", 1e6);
          a.transform.translation = {doubleOf((*x)[9], "transform"), doubleOf((*x)[10], "transform"),
                                     doubleOf((*x)[11], "transform")};
        }
        if (auto x = optional(r, "skip")) a.skip = boolOf(*x, "skip");
        if (auto x = optional(r, "hiddenLevels")) {
          for (const auto& hv : arrayOf(*x, "hiddenLevels")) {
            expectObject(hv, "hiddenLevels entry");
            const auto view = static_cast<int>(unsignedOf(required(hv, "view"), "view", 7));
            for (const auto& l : arrayOf(required(hv, "levels"), "hidden levels")) a.hiddenLevels[view].insert(uint32Of(l, "level"));
          }
        }
        model.references.push_back(std::move(a));
      }
    }
    file.models.push_back(std::move(model));
  }
  ElementId next = highest + 1;
  if (auto v = optional(h, "nextElementId"))
    next = std::max(next, unsignedOf(*v, "nextElementId", std::numeric_limits<std::uint64_t>::max()));
  if (next == 0) fail("element ids are exhausted");
  file.setNextElementId(next);
  return file;
}

// ---- writing ----

json pointJson(const Point3d& p) { return json::array({p.x, p.y, p.z}); }

json matrixJson(const RotMatrix& m) {
  json a = json::array();
  for (const auto& row : m.m)
    for (double v : row) a.push_back(v);
  return a;
}

json elementJson(const Element& e, bool topLevel) {
  json o = json::object();
  if (topLevel) {
    o["id"] = e.id;
    o["pos"] = e.filePosition;
  }
  o["type"] = e.type;
  if (e.level) o["level"] = e.level;
  if (e.colour) o["colour"] = e.colour;
  if (e.weight) o["weight"] = e.weight;
  if (e.lineStyle) o["style"] = e.lineStyle;
  if (e.lineStyleParams != LineStyleParams{})
    o["styleParams"] = {{"scale", e.lineStyleParams.scale},
                        {"startWidth", e.lineStyleParams.startWidth},
                        {"endWidth", e.lineStyleParams.endWidth},
                        {"modifiers", e.lineStyleParams.modifiers}};
  if (e.elementClass) o["class"] = e.elementClass;
  if (e.priority) o["priority"] = e.priority;
  if (e.transparency != 0.0) o["transparency"] = e.transparency;
  if (e.graphicGroup) o["group"] = e.graphicGroup;
  if (e.fillColour) o["fill"] = *e.fillColour;
  if (e.pattern)
    o["pattern"] = {{"primarySpacing", e.pattern->primarySpacing},
                    {"primaryAngle", e.pattern->primaryAngle},
                    {"secondarySpacing", e.pattern->secondarySpacing},
                    {"secondaryAngle", e.pattern->secondaryAngle}};
  if (e.hole) o["hole"] = true;
  if (!e.linkages.empty()) {
    json links = json::array();
    for (const auto& l : e.linkages) links.push_back({{"id", l.id}, {"data", toBase64(l.data)}});
    o["linkages"] = std::move(links);
  }
  const GeometryKind kind = geometryKind(e.type);
  if (kind == GeometryKind::Points || kind == GeometryKind::Dimension) {
    json pts = json::array();
    for (const auto& p : e.points) pts.push_back(isDisconnect(p) ? json(nullptr) : pointJson(p));
    o["points"] = std::move(pts);
  }
  if (e.arc)
    o["arc"] = {{"centre", pointJson(e.arc->centre)}, {"primaryRadius", e.arc->primaryRadius},
                {"secondaryRadius", e.arc->secondaryRadius}, {"rotation", e.arc->rotation},
                {"start", e.arc->start}, {"sweep", e.arc->sweep}};
  if (e.text) {
    json runs = json::array();
    for (const auto& r : e.text->runs)
      runs.push_back({{"text", text::toUtf8(r.text)}, {"kind", r.kind == RunKind::EnterData ? "field" : "plain"}});
    o["text"] = {{"runs", std::move(runs)}, {"origin", pointJson(e.text->origin)},
                 {"orientation", matrixJson(e.text->orientation)}, {"font", text::toUtf8(e.text->font)},
                 {"width", e.text->width}, {"height", e.text->height}, {"lineSpacing", e.text->lineSpacing},
                 {"justification", e.text->justification}, {"underline", e.text->underline}};
  }
  if (e.cell) {
    json c = {{"name", text::toUtf8(e.cell->name)}, {"origin", pointJson(e.cell->origin)},
              {"rotation", matrixJson(e.cell->rotation)}, {"scale", pointJson(e.cell->scale)}};
    if (kind == GeometryKind::SharedCell) {
      const Range3d r = e.cell->range.isNull() ? Range3d::from(e.cell->origin, e.cell->origin) : e.cell->range;
      c["range"] = json::array({pointJson(r.low), pointJson(r.high)});
    }
    o["cell"] = std::move(c);
  }
  if (!e.children.empty()) {
    json children = json::array();
    for (const auto& c : e.children) children.push_back(elementJson(c, false));
    o["children"] = std::move(children);
  }
  if (!e.data.empty()) o["data"] = toBase64(e.data);
  return o;
}

}  // namespace

std::optional<DesignFile> DesignFile::parse(std::string_view text, std::string* error) {
  try {
    if (!nestingWithin(text, kMaxNesting)) fail("the document nests too deeply");
    json doc = json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded()) fail("not a JSON document");
    return readDocument(doc);
  } catch (const Invalid& bad) {
    if (error) *error = bad.what;
  } catch (const std::exception& bad) {
    if (error) *error = bad.what();
  }
  return std::nullopt;
}

std::string DesignFile::toJson() const {
  json doc = json::object();
  doc["format"] = kFormatTag;
  doc["version"] = kFormatVersion;
  json h = {{"fileFormat", header.fileFormat}, {"is3d", header.is3d}, {"uorPerSub", header.uorPerSub},
            {"subPerMaster", header.subPerMaster}, {"globalOrigin", pointJson(header.globalOrigin)},
            {"nextGraphicGroup", header.nextGraphicGroup}, {"nextElementId", nextId_}};
  if (header.coordinateSystem) h["coordinateSystem"] = text::toUtf8(*header.coordinateSystem);
  doc["header"] = std::move(h);
  json lv = json::array();
  for (const auto& l : levels) lv.push_back({{"id", l.id}, {"name", text::toUtf8(l.name)}});
  doc["levels"] = std::move(lv);
  json ls = json::array();
  for (const auto& s : lineStyles) ls.push_back({{"number", s.number}, {"name", text::toUtf8(s.name)}});
  doc["lineStyles"] = std::move(ls);
  json ms = json::array();
  for (const auto& m : models) {
    json elements = json::array();
    for (const Element* e : m.elements()) elements.push_back(elementJson(*e, true));
    json jm = {{"name", text::toUtf8(m.name())}, {"elements", std::move(elements)}};
    if (!m.references.empty()) {
      json refs = json::array();
      for (const auto& a : m.references) {
        json t = json::array();
        for (const auto& row : a.transform.matrix.m)
          for (double v : row) t.push_back(v);
        t.push_back(a.transform.translation.x);
        t.push_back(a.transform.translation.y);
        t.push_back(a.transform.translation.z);
        json r = {{"logicalName", text::toUtf8(a.logicalName)}, {"file", text::toUtf8(a.fileName)}, {"model", text::toUtf8(a.modelName)},
                  {"transform", std::move(t)}, {"skip", a.skip}};
        if (!a.hiddenLevels.empty()) {
          json hidden = json::array();
          for (const auto& [view, ids] : a.hiddenLevels) hidden.push_back({{"view", view}, {"levels", ids}});
          r["hiddenLevels"] = std::move(hidden);
        }
        refs.push_back(std::move(r));
      }
      jm["references"] = std::move(refs);
    }
    ms.push_back(std::move(jm));
  }
  doc["models"] = std::move(ms);
  return doc.dump(1);
}

}  // namespace host
