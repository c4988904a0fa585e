#include "host/view_display.h"

#include <array>
#include <cmath>

#include "host/application.h"
#include "host/views.h"

namespace host::views {
namespace {

template <typename F>
struct Slot {
  F function = nullptr;
  int owner = 0;
};

struct State {
  std::array<std::optional<Range3d>, kCount> areas;
  std::array<int, kCount> updates{};
  Slot<UpdatePostFunction> updatePost;
  Slot<MotionFunction> motion;
  Slot<SubstituteFunction> substitute;
  std::array<std::vector<Element>, kCount> dynamics;
};

State& state() {
  static State s;
  return s;
}

bool inRange(int view) { return view >= 0 && view < kCount; }

template <typename F>
F replace(Slot<F>& slot, F f) {
  const F old = slot.function;
  slot = {f, application::currentId()};
  return old;
}

Range3d modelRange(ModelRef model) {
  Range3d r;
  const Model* m = host::model(model);
  if (!m) return r;
  const Transform t = isReference(model) ? referenceToMaster(model) : Transform{};
  for (const Element* e : m->elements()) {
    const Range3d er = m->rangeOf(e->id);
    if (er.isNull()) continue;
    for (double x : {er.low.x, er.high.x})
      for (double y : {er.low.y, er.high.y}) r.extend(t.apply(Point3d{x, y, 0.0}));
  }
  return r;
}

// The flat range grown along its short side, about its centre, to the views' shape. A point (no
// width, no height) has no side to grow and stays as it is.
Range3d toViewShape(const Range3d& r) {
  const double w = r.high.x - r.low.x, h = r.high.y - r.low.y;
  const double cx = r.low.x * 0.5 + r.high.x * 0.5, cy = r.low.y * 0.5 + r.high.y * 0.5;
  Range3d shaped = Range3d::from({r.low.x, r.low.y, 0.0}, {r.high.x, r.high.y, 0.0});
  if (w < h * kAspect) {
    const double half = h * kAspect * 0.5;
    shaped.low.x = cx - half;
    shaped.high.x = cx + half;
  } else if (h < w / kAspect) {
    const double half = w / kAspect * 0.5;
    shaped.low.y = cy - half;
    shaped.high.y = cy + half;
  }
  return shaped;
}

}  // namespace

Range3d area(int view) {
  if (inRange(view) && state().areas[static_cast<std::size_t>(view)]) return *state().areas[static_cast<std::size_t>(view)];
  Range3d r = modelRange(activeModel());
  if (r.isNull()) r = Range3d::from({0, 0, 0}, {1000, 1000, 0});
  const Range3d shaped = toViewShape(r);
  return shaped.low.isFinite() && shaped.high.isFinite() ? shaped : r;
}

Point3d centre(int view) {
  const Range3d r = area(view);
  return {(r.low.x + r.high.x) * 0.5, (r.low.y + r.high.y) * 0.5, 0.0};
}

Point3d extent(int view) {
  const Range3d r = area(view);
  return {r.high.x - r.low.x, r.high.y - r.low.y, 0.0};
}

void setArea(int view, const Range3d& a) {
  if (!inRange(view) || a.isNull() || !a.low.isFinite() || !a.high.isFinite()) return;
  const Range3d shaped = toViewShape(a);
  if (!shaped.low.isFinite() || !shaped.high.isFinite()) return;
  state().areas[static_cast<std::size_t>(view)] = shaped;
}

void zoom(int view, int referenceView, const Point3d& c, double factor) {
  if (!inRange(view) || !inRange(referenceView) || !(factor > 0.0) || !std::isfinite(factor) || !c.isFinite()) return;
  const Point3d e = extent(referenceView) * (factor * 0.5);
  setArea(view, Range3d::from({c.x - e.x, c.y - e.y, 0.0}, {c.x + e.x, c.y + e.y, 0.0}));
}

bool fit(int view, const std::vector<ModelRef>& models) {
  Range3d r;
  for (ModelRef m : models) r.extend(modelRange(m));
  if (!inRange(view) || r.isNull()) return false;
  setArea(view, r);
  return true;
}

void update(int view) {
  if (!inRange(view)) return;
  ++state().updates[static_cast<std::size_t>(view)];
  const Slot<UpdatePostFunction> slot = state().updatePost;
  if (!slot.function) return;
  application::CallScope scope(slot.owner);
  try {
    slot.function(1, &view);
  } catch (...) {
  }
}

void updateAll() {
  int all[kCount];
  for (int v = 0; v < kCount; ++v) {
    all[v] = v;
    ++state().updates[static_cast<std::size_t>(v)];
  }
  const Slot<UpdatePostFunction> slot = state().updatePost;
  if (!slot.function) return;
  application::CallScope scope(slot.owner);
  try {
    slot.function(kCount, all);
  } catch (...) {
  }
}

int updateCount(int view) { return inRange(view) ? state().updates[static_cast<std::size_t>(view)] : 0; }

UpdatePostFunction setUpdatePostFunction(UpdatePostFunction f) { return replace(state().updatePost, f); }
MotionFunction setMotionFunction(MotionFunction f) { return replace(state().motion, f); }
SubstituteFunction setSubstituteFunction(SubstituteFunction f) { return replace(state().substitute, f); }

void cursorMotion(int view, const Point3d& point) {
  const Slot<MotionFunction> slot = state().motion;
  if (!slot.function || !inRange(view)) return;
  application::CallScope scope(slot.owner);
  try {
    slot.function(view, &point);
  } catch (...) {
  }
}

Element drawnElement(ModelRef model, const Element& element, int view) {
  const Slot<SubstituteFunction> slot = state().substitute;
  if (!slot.function) return element;
  std::optional<Element> substitute;
  {
    application::CallScope scope(slot.owner);
    try {
      slot.function(&substitute, model, &element, view);
    } catch (...) {
      substitute.reset();
    }
  }
  return substitute ? std::move(*substitute) : element;
}

void removeFunctionsOwnedBy(int owner) {
  State& s = state();
  if (s.updatePost.owner == owner) s.updatePost = {};
  if (s.motion.owner == owner) s.motion = {};
  if (s.substitute.owner == owner) s.substitute = {};
}

void drawDynamics(int view, const Element& element) {
  if (inRange(view)) state().dynamics[static_cast<std::size_t>(view)].push_back(element);
}

std::vector<Element> dynamicsInView(int view) {
  return inRange(view) ? state().dynamics[static_cast<std::size_t>(view)] : std::vector<Element>{};
}

void clearDynamics() {
  for (auto& drawn : state().dynamics) drawn.clear();
}

void resetDisplay() { state() = State{}; }

}  // namespace host::views
