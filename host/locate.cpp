#include "host/locate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "host/application.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "host/views.h"

namespace host::locate {
namespace {

struct Settings {
  int generation = -1;  // the tool the settings were made for
  bool autoLocate = false;
  bool locked = false;
  PostLocateFunction filter = nullptr;
  int owner = 0;
};

struct State {
  Settings settings;
  std::optional<HitPath> path;
  std::set<std::pair<std::uint64_t, std::uint32_t>> hilited;
};

State& state() {
  static State s;
  return s;
}

// Settings made while another tool ran are stale.
Settings& settings() {
  Settings& s = state().settings;
  const int now = tools::status().generation;
  if (s.generation != now) {
    s = Settings{now};
    state().path.reset();
  }
  return s;
}

double segmentDistance(const Point3d& p, const Point3d& a, const Point3d& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double polylineDistance(const std::vector<Point3d>& pts, const Point3d& p) {
  double best = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < pts.size(); ++i) {
    if (isDisconnect(pts[i])) continue;
    if (i + 1 < pts.size() && !isDisconnect(pts[i + 1])) best = std::min(best, segmentDistance(p, pts[i], pts[i + 1]));
    else best = std::min(best, pts[i].distanceXY(p));
  }
  return best;
}

bool insidePolygon(const std::vector<Point3d>& pts, const Point3d& p) {
  bool inside = false;
  for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    if ((pts[i].y > p.y) != (pts[j].y > p.y) &&
        p.x < (pts[j].x - pts[i].x) * (p.y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
      inside = !inside;
  }
  return inside;
}

double rangeDistance(const Range3d& r, const Point3d& p) {
  if (r.isNull()) return std::numeric_limits<double>::infinity();
  const double dx = std::max({r.low.x - p.x, 0.0, p.x - r.high.x});
  const double dy = std::max({r.low.y - p.y, 0.0, p.y - r.high.y});
  return std::hypot(dx, dy);
}

std::vector<Point3d> arcPoints(const ArcData& a) {
  std::vector<Point3d> pts;
  const int n = 64;
  for (int i = 0; i <= n; ++i) {
    const double t = a.start + a.sweep * i / n;
    const double x = a.primaryRadius * std::cos(t), y = a.secondaryRadius * std::sin(t);
    pts.push_back({a.centre.x + x * std::cos(a.rotation) - y * std::sin(a.rotation),
                   a.centre.y + x * std::sin(a.rotation) + y * std::cos(a.rotation), a.centre.z});
  }
  return pts;
}

void collect(std::vector<HitPath>& hits, std::vector<double>& distances, ModelRef model, int view, const Point3d& point,
             double tol) {
  const Model* m = host::model(model);
  if (!m) return;
  Transform toModel;
  double scale = 1.0;
  if (isReference(model)) {
    const Transform t = referenceToMaster(model);
    toModel = inverseOf(t);
    const double sx = std::hypot(t.matrix.m[0][0], t.matrix.m[1][0]);
    scale = sx > 0 ? sx : 1.0;
  }
  const Point3d local = toModel.apply(point);
  const double localTol = tol / scale;
  ScanCriteria criteria;
  criteria.drawnOnly = true;
  criteria.range = Range3d::from({local.x - localTol, local.y - localTol, -1e300}, {local.x + localTol, local.y + localTol, 1e300});
  const LevelMask shown = views::levelDisplay(view, model);
  for (const Element* e : m->scan(criteria)) {
    if (!shown.testLevel(e->level) && e->level != 0) continue;
    const double d = distanceXY(*e, local);
    if (d > localTol) continue;
    hits.push_back({model, e->id, e->filePosition, point, view});
    distances.push_back(d * scale);
  }
}

bool step(int view, const Point3d& point) {
  Settings& s = settings();
  if (!s.autoLocate) return true;
  state().path.reset();
  for (const HitPath& hit : hitsAt(view, point, s.locked)) {
    int answer = filterAccept;
    if (s.filter) {
      const Element* e = readElement(hit.model, hit.element);
      std::wstring reason;
      application::CallScope scope(s.owner);
      try {
        answer = s.filter(actionLocate, e, hit.model, hit.filePosition, &hit.point, view, &hit, &reason);
      } catch (...) {
        answer = filterReject;
      }
    }
    if (answer == filterAccept) {
      state().path = hit;
      return true;
    }
  }
  return false;
}

const bool installed = (tools::setLocateStep(step), true);

}  // namespace

void enableAutoLocate(bool enable) { settings().autoLocate = enable; }
void allowLocked() { settings().locked = true; }

void setPostLocateFunction(PostLocateFunction f) {
  Settings& s = settings();
  s.filter = f;
  s.owner = application::currentId();
}

void init() { state().path.reset(); }

std::optional<HitPath> currentPath() {
  (void)installed;
  return state().path;
}

double tolerance(int view) { return std::max(views::extent(view).y * 0.01, 1e-9); }

std::vector<HitPath> hitsAt(int view, const Point3d& point, bool withReferences) {
  std::vector<HitPath> hits;
  std::vector<double> distances;
  const ModelRef active = activeModel();
  if (view < 0 || view >= views::kCount || !isValid(active)) return hits;
  const double tol = tolerance(view);
  collect(hits, distances, active, view, point, tol);
  if (withReferences)
    for (ModelRef ref : references(active)) {
      const ReferenceAttachment* a = attachment(ref);
      if (a && !a->skip) collect(hits, distances, ref, view, point, tol);
    }
  std::vector<std::size_t> order(hits.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return distances[a] < distances[b]; });
  std::vector<HitPath> sorted;
  for (std::size_t i : order) sorted.push_back(hits[i]);
  return sorted;
}

double distanceXY(const Element& e, const Point3d& p) {
  double best = std::numeric_limits<double>::infinity();
  switch (geometryKind(e.type)) {
    case GeometryKind::Points:
    case GeometryKind::Dimension:
      // A filled shape is found by its inside, any other by its outline.
      if (e.type == ElementType::Shape && e.fillColour && e.points.size() > 2 && insidePolygon(e.points, p)) return 0.0;
      best = polylineDistance(e.points, p);
      break;
    case GeometryKind::Arc:
      if (e.arc) best = polylineDistance(arcPoints(*e.arc), p);
      break;
    case GeometryKind::Text:
    case GeometryKind::SharedCell: return rangeDistance(elementRange(e), p);
    default: break;
  }
  for (const Element& c : e.children) best = std::min(best, distanceXY(c, p));
  if (!std::isfinite(best)) best = rangeDistance(elementRange(e), p);
  return best;
}

void hilite(ModelRef model, std::uint32_t filePosition, bool on) {
  if (on) state().hilited.insert({model.handle, filePosition});
  else state().hilited.erase({model.handle, filePosition});
}

bool isHilited(ModelRef model, std::uint32_t filePosition) {
  return state().hilited.count({model.handle, filePosition}) > 0;
}

std::vector<std::pair<ModelRef, std::uint32_t>> hilited() {
  std::vector<std::pair<ModelRef, std::uint32_t>> out;
  for (const auto& [h, pos] : state().hilited) out.push_back({ModelRef{h}, pos});
  return out;
}

void clearHilite() { state().hilited.clear(); }

}  // namespace host::locate

namespace host::selection {
namespace {

std::vector<std::pair<std::uint64_t, std::uint32_t>>& set() {
  static std::vector<std::pair<std::uint64_t, std::uint32_t>> members;
  return members;
}

}  // namespace

void freeAll() { set().clear(); }

bool addElement(ModelRef model, std::uint32_t filePosition) {
  const Model* m = host::model(model);
  if (!m || !m->findByPosition(filePosition)) return false;
  if (!contains(model, filePosition)) set().push_back({model.handle, filePosition});
  return true;
}

bool contains(ModelRef model, std::uint32_t filePosition) {
  return std::find(set().begin(), set().end(), std::make_pair(model.handle, filePosition)) != set().end();
}

std::vector<std::pair<ModelRef, std::uint32_t>> members() {
  std::vector<std::pair<ModelRef, std::uint32_t>> out;
  for (const auto& [h, pos] : set()) out.push_back({ModelRef{h}, pos});
  return out;
}

}  // namespace host::selection
