#include "host/transients.h"

#include <algorithm>
#include <memory>

#include "host/application.h"

namespace host::transients {

struct Transient {
  std::vector<Drawn> elements;
  unsigned viewMask = 0;
  int owner = 0;
};

namespace {

std::vector<std::unique_ptr<Transient>>& all() {
  static std::vector<std::unique_ptr<Transient>> transients;
  return transients;
}

Transient* live(const Transient* t) {
  for (auto& p : all())
    if (p.get() == t) return p.get();
  return nullptr;
}

}  // namespace

Transient* addElement(Transient* transient, const Element& element, int drawMode, unsigned viewMask) {
  Transient* t = live(transient);
  if (!t) {
    all().push_back(std::make_unique<Transient>());
    t = all().back().get();
    t->owner = application::currentId();
    t->viewMask = viewMask;
  }
  t->elements.push_back({element, drawMode});
  return t;
}

void setViewMask(Transient* transient, unsigned viewMask) {
  if (Transient* t = live(transient)) t->viewMask = viewMask;
}

void free(Transient* transient) {
  std::erase_if(all(), [transient](const auto& p) { return p.get() == transient; });
}

bool isLive(const Transient* transient) { return transient && live(transient); }

std::vector<Drawn> inView(int view) {
  std::vector<Drawn> out;
  if (view < 0 || view > 31) return out;
  for (const auto& t : all())
    if (t->viewMask & (1u << view))
      for (const Drawn& d : t->elements) out.push_back(d);
  return out;
}

std::size_t count() { return all().size(); }

void freeOwnedBy(int owner) {
  std::erase_if(all(), [owner](const auto& p) { return p->owner == owner; });
}

void clear() { all().clear(); }

}  // namespace host::transients
