// Writing the JSON form of design files (docs/design-file.md); reading is in design_file_read.cpp.
#include <nlohmann/json.hpp>

#include "host/design_file.h"
#include "host/design_file_format.h"
#include "host/text.h"

using nlohmann::json;

namespace host {

namespace {

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

std::string DesignFile::toJson() const {
  json doc = json::object();
  doc["format"] = design_format::kFormatTag;
  doc["version"] = design_format::kFormatVersion;
  json h = {{"fileFormat", header.fileFormat}, {"is3d", header.is3d}, {"uorPerSub", header.uorPerSub},
            {"subPerMaster", header.subPerMaster}, {"globalOrigin", pointJson(header.globalOrigin)},
            {"nextGraphicGroup", header.nextGraphicGroup}, {"nextElementId", nextId_}};
  if (header.coordinateSystem) h["coordinateSystem"] = text::toUtf8(*header.coordinateSystem);
  if (header.masterLevelTables != 1) h["masterLevelTables"] = header.masterLevelTables;
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
