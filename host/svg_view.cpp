#include "host/svg_view.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "host/color_palette.h"
#include "host/locate.h"
#include "host/paths.h"
#include "host/text.h"
#include "host/transients.h"
#include "host/view_display.h"
#include "host/views.h"

namespace host::svg {
namespace {

constexpr double pictureWidth = 1000.0;  // pixels

std::string escape(const std::wstring& w) {
  std::string out;
  for (char c : text::toUtf8(w)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

struct Painter {
  std::ostringstream out;
  Range3d area;
  double scale = 1.0;  // pixels per UOR

  std::string x(double v) const { return num((v - area.low.x) * scale); }
  std::string y(double v) const { return num((area.high.y - v) * scale); }
  static std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
  }

  void polyline(const std::vector<Point3d>& pts, bool closed, const std::string& style) {
    std::vector<Point3d> piece;
    auto flush = [&] {
      if (piece.size() >= 2) {
        out << "<" << (closed ? "polygon" : "polyline") << " points=\"";
        for (const Point3d& p : piece) out << x(p.x) << ',' << y(p.y) << ' ';
        out << "\" " << style << "/>\n";
      }
      piece.clear();
    };
    for (const Point3d& p : pts) {
      if (isDisconnect(p)) flush();
      else piece.push_back(p);
    }
    flush();
  }

  void element(const Element& e, const Transform& t, const std::string& style) {
    switch (geometryKind(e.type)) {
      case GeometryKind::Points:
      case GeometryKind::Dimension: {
        std::vector<Point3d> pts;
        for (const Point3d& p : e.points) pts.push_back(isDisconnect(p) ? p : t.apply(p));
        polyline(pts, e.type == ElementType::Shape, style);
        break;
      }
      case GeometryKind::Arc: {
        if (!e.arc) break;
        const ArcData& a = *e.arc;
        std::vector<Point3d> pts;
        for (int i = 0; i <= 64; ++i) {
          const double s = a.start + a.sweep * i / 64;
          const double px = a.primaryRadius * std::cos(s), py = a.secondaryRadius * std::sin(s);
          pts.push_back(t.apply({a.centre.x + px * std::cos(a.rotation) - py * std::sin(a.rotation),
                                 a.centre.y + px * std::sin(a.rotation) + py * std::cos(a.rotation), a.centre.z}));
        }
        polyline(pts, false, style);
        break;
      }
      case GeometryKind::Text: {
        if (!e.text) break;
        const Point3d o = t.apply(e.text->origin);
        const double h = e.text->height * scale * std::hypot(t.matrix.m[0][0], t.matrix.m[1][0]);
        const double angle = std::atan2(e.text->orientation.m[1][0], e.text->orientation.m[0][0]) * 180.0 / M_PI;
        // Placed by its justification, as the host's range of the text (and so its locate) is:
        // horizontally left, centre or right of the origin, vertically the block's top, middle or
        // last baseline on it.
        const std::uint32_t horizontal = e.text->justification / 6, vertical = e.text->justification % 6;
        const char* anchor = horizontal == 0 ? "start" : horizontal == 1 ? "middle" : "end";
        const char* baseline = vertical == 0 ? "text-before-edge" : vertical == 1 ? "central" : "alphabetic";
        out << "<text x=\"" << x(o.x) << "\" y=\"" << y(o.y) << "\" font-size=\"" << num(h) << "\" text-anchor=\""
            << anchor << "\" dominant-baseline=\"" << baseline << "\" transform=\"rotate(" << num(-angle) << ' '
            << x(o.x) << ' ' << y(o.y) << ")\" " << style << ">" << escape(e.text->string()) << "</text>\n";
        break;
      }
      case GeometryKind::SharedCell: {
        const Range3d r = elementRange(e);
        if (r.isNull()) break;
        polyline({t.apply(r.low), t.apply({r.high.x, r.low.y, 0}), t.apply(r.high), t.apply({r.low.x, r.high.y, 0})}, true,
                 style);
        break;
      }
      default: break;
    }
    for (const Element& c : e.children) element(c, t, style);
  }

  std::string style(const Element& e, const std::string& cls, ModelRef model, const std::string& colour = {}) const {
    std::ostringstream s;
    const std::string stroke = colour.empty() ? text::toUtf8(colors::hex(colors::tableColor(static_cast<int>(e.colour & 0xFF)))) : colour;
    s << "class=\"" << cls << "\" stroke=\"" << stroke << "\" fill=\"" << (e.type == ElementType::Text ? stroke : "none")
      << "\" stroke-width=\"" << 1 + e.weight << "\" vector-effect=\"non-scaling-stroke\"";
    if (e.id) s << " data-id=\"" << e.id << "\"";
    if (model) s << " data-file=\"" << escape(paths::fromNative(paths::toNative(fileName(model)).filename())) << "\"";
    s << " data-level=\"" << e.level << "\"";
    return s.str();
  }

  void model(ModelRef m, int view, const std::string& cls) {
    const Model* content = host::model(m);
    if (!content) return;
    const Transform t = isReference(m) ? referenceToMaster(m) : Transform{};
    const LevelMask shown = views::levelDisplay(view, m);
    for (const Element* e : content->elements()) {
      if (!isGraphicType(e->type) || (e->level != 0 && !shown.testLevel(e->level))) continue;
      const Element drawn = views::drawnElement(m, *e, view);
      element(drawn, t, style(drawn, cls, m));
    }
  }
};

}  // namespace

std::string viewPicture(int view) {
  if (view < 0 || view >= views::kCount) return {};
  Painter p;
  p.area = views::area(view);
  const double w = std::max(p.area.high.x - p.area.low.x, 1e-9), h = std::max(p.area.high.y - p.area.low.y, 1e-9);
  p.scale = pictureWidth / w;
  p.out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
        << Painter::num(pictureWidth) << "\" height=\"" << Painter::num(h * p.scale) << "\" data-view=\"" << view << "\">\n";
  p.out << "<rect width=\"100%\" height=\"100%\" fill=\"black\"/>\n";
  const ModelRef active = activeModel();
  if (isValid(active)) {
    p.model(active, view, "element");
    for (ModelRef ref : references(active)) {
      const ReferenceAttachment* a = attachment(ref);
      if (a && !a->skip) p.model(ref, view, "reference");
    }
  }
  for (const auto& d : transients::inView(view))
    p.element(d.element, Transform{}, p.style(d.element, "transient", ModelRef{},
                                             d.drawMode == transients::drawHighlighted ? "#ff00ff" : std::string{}));
  for (const Element& e : views::dynamicsInView(view)) p.element(e, Transform{}, p.style(e, "dynamics", ModelRef{}));
  for (const auto& [m, position] : locate::hilited()) {
    const Model* content = host::model(m);
    const Element* e = content ? content->findByPosition(position) : nullptr;
    if (!e) continue;
    p.element(*e, isReference(m) ? referenceToMaster(m) : Transform{}, p.style(*e, "highlight", m, "#ff00ff"));
  }
  p.out << "</svg>\n";
  return p.out.str();
}

bool writeView(int view, const std::wstring& path, std::wstring& error) {
  if (!views::isOpen(view)) {
    error = L"la vue " + std::to_wstring(view + 1) + L" n'est pas ouverte";
    return false;
  }
  try {
    if (paths::writeReplacing(paths::resolveForWriting(path), viewPicture(view))) return true;
  } catch (...) {
  }
  error = L"écriture impossible : " + path;
  return false;
}

}  // namespace host::svg
