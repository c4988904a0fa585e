#include "host/coordinate_system.h"

#include <proj.h>

#include <cmath>
#include <map>
#include <mutex>
#include <string>

#include "host/coordinate_system_keys.h"
#include "host/model_ref.h"

namespace host {

namespace {

// One PROJ context for the process, with the systems and transformations made so far.
// PROJ objects are not thread-safe: every use holds the lock.
class ProjState {
 public:
  static ProjState& instance() {
    static ProjState state;
    return state;
  }
  ProjState(const ProjState&) = delete;
  ProjState& operator=(const ProjState&) = delete;
  ~ProjState() {
    for (auto& [pair, pj] : transforms_)
      if (pj) proj_destroy(pj);
    proj_context_destroy(ctx_);
  }

  std::mutex mutex;

  // Kind of the EPSG code: -1 unknown, 0 projected or other, 1 geographic.
  int kindOf(int epsg) {
    auto it = kinds_.find(epsg);
    if (it != kinds_.end()) return it->second;
    int kind = -1;
    if (PJ* crs = proj_create(ctx_, ("EPSG:" + std::to_string(epsg)).c_str())) {
      const PJ_TYPE type = proj_get_type(crs);
      if (proj_is_crs(crs)) kind = (type == PJ_TYPE_GEOGRAPHIC_2D_CRS || type == PJ_TYPE_GEOGRAPHIC_3D_CRS) ? 1 : 0;
      proj_destroy(crs);
    }
    proj_errno_reset(nullptr);
    kinds_[epsg] = kind;
    return kind;
  }

  // The normalised transformation between two codes; null when PROJ has none. Kept for reuse.
  PJ* transform(int from, int to) {
    const auto key = std::make_pair(from, to);
    auto it = transforms_.find(key);
    if (it != transforms_.end()) return it->second;
    PJ* normalised = nullptr;
    const std::string a = "EPSG:" + std::to_string(from), b = "EPSG:" + std::to_string(to);
    if (PJ* raw = proj_create_crs_to_crs(ctx_, a.c_str(), b.c_str(), nullptr)) {
      normalised = proj_normalize_for_visualization(ctx_, raw);
      proj_destroy(raw);
    }
    transforms_[key] = normalised;
    return normalised;
  }

 private:
  ProjState() : ctx_(proj_context_create()) { proj_log_level(ctx_, PJ_LOG_NONE); }
  PJ_CONTEXT* ctx_;
  std::map<int, int> kinds_;
  std::map<std::pair<int, int>, PJ*> transforms_;
};

// Transforms x and y (master units) in place; false when a point fails.
bool transformXY(PJ* pj, std::vector<double>& x, std::vector<double>& y) {
  proj_errno_reset(pj);
  proj_trans_generic(pj, PJ_FWD, x.data(), sizeof(double), x.size(), y.data(), sizeof(double), y.size(), nullptr, 0, 0,
                     nullptr, 0, 0);
  for (size_t i = 0; i < x.size(); ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || x[i] == HUGE_VAL || y[i] == HUGE_VAL) return false;
  return true;
}

}  // namespace

std::shared_ptr<const CoordinateSystem> CoordinateSystem::create(const std::wstring& key) {
  const int epsg = epsgOfKey(key);
  if (epsg <= 0) return nullptr;
  ProjState& state = ProjState::instance();
  std::lock_guard lock(state.mutex);
  const int kind = state.kindOf(epsg);
  if (kind < 0) return nullptr;
  return std::make_shared<const CoordinateSystem>(key, epsg, kind == 1);
}

std::shared_ptr<const CoordinateSystem> coordinateSystemOfModel(ModelRef model) {
  const std::wstring key = coordinateSystemKey(model);
  return key.empty() ? nullptr : CoordinateSystem::create(key);
}

bool reprojectUors(std::vector<Point3d>& points, const CoordinateSystem& from, const CoordinateSystem& to,
                   double uorsPerMaster) {
  if (!(uorsPerMaster > 0.0) || !std::isfinite(uorsPerMaster)) return false;
  if (points.empty()) return true;
  std::vector<double> x(points.size()), y(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    if (!points[i].isFinite()) return false;
    x[i] = points[i].x / uorsPerMaster;
    y[i] = points[i].y / uorsPerMaster;
  }
  if (from.epsg() != to.epsg()) {
    ProjState& state = ProjState::instance();
    std::lock_guard lock(state.mutex);
    PJ* pj = state.transform(from.epsg(), to.epsg());
    if (!pj || !transformXY(pj, x, y)) return false;
  }
  for (size_t i = 0; i < points.size(); ++i) {
    points[i].x = x[i] * uorsPerMaster;
    points[i].y = y[i] * uorsPerMaster;
  }
  return true;
}

std::optional<Transform> localTransform(const CoordinateSystem& from, const CoordinateSystem& to, const Point3d& at,
                                        double uorsPerMaster) {
  const double h = uorsPerMaster * (from.isGeographic() ? 1e-5 : 1.0);
  std::vector<Point3d> pts = {{at.x, at.y, 0}, {at.x + h, at.y, 0}, {at.x - h, at.y, 0}, {at.x, at.y + h, 0}, {at.x, at.y - h, 0}};
  if (!reprojectUors(pts, from, to, uorsPerMaster)) return std::nullopt;
  Transform t;
  const Vector3d dx = (pts[1] - pts[2]) * (0.5 / h), dy = (pts[3] - pts[4]) * (0.5 / h);
  t.matrix.m = {{{dx.x, dy.x, 0}, {dx.y, dy.y, 0}, {0, 0, 1}}};
  const Point3d image = t.matrix.apply({at.x, at.y, 0});
  t.translation = {pts[0].x - image.x, pts[0].y - image.y, 0};
  return t;
}

}  // namespace host
