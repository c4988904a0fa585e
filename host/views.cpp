#include "host/views.h"

#include <array>
#include <map>

namespace host::views {

namespace {

struct State {
  std::array<bool, kCount> open{true, false, false, false, false, false, false, false};
  std::map<std::pair<int, std::uint64_t>, LevelMask> masks;  // (view, model handle)
};

State& state() {
  static State s;
  return s;
}

bool inRange(int view) { return view >= 0 && view < kCount; }

}  // namespace

bool isOpen(int view) { return inRange(view) && state().open[static_cast<std::size_t>(view)]; }

void open(int view) {
  if (!inRange(view)) return;
  state().open[static_cast<std::size_t>(view)] = true;
  std::erase_if(state().masks, [view](const auto& kv) { return kv.first.first == view; });
}

void close(int view) {
  if (inRange(view)) state().open[static_cast<std::size_t>(view)] = false;
}

int firstOpen() {
  for (int v = 0; v < kCount; ++v)
    if (isOpen(v)) return v;
  return -1;
}

LevelMask levelDisplay(int view, ModelRef model) {
  auto it = state().masks.find({view, model.handle});
  if (it != state().masks.end()) return it->second;
  LevelMask mask(true);
  if (const ReferenceAttachment* a = attachment(model)) {
    auto hidden = a->hiddenLevels.find(view);
    if (hidden != a->hiddenLevels.end())
      for (LevelId id : hidden->second) mask.setLevel(id, false);
  }
  return mask;
}

void setLevelDisplay(int view, ModelRef model, const LevelMask& mask) {
  if (inRange(view)) state().masks[{view, model.handle}] = mask;
}

void setLevelDisplayed(int view, ModelRef model, LevelId level, bool displayed) {
  if (!inRange(view)) return;
  LevelMask mask = levelDisplay(view, model);
  mask.setLevel(level, displayed);
  state().masks[{view, model.handle}] = std::move(mask);
}

void reset() { state() = State{}; }

}  // namespace host::views
