// Models: elements in file order with their id, level, type and graphic-group indexes and an
// R-tree over their ranges.
#include <algorithm>
#include <unordered_map>
#include <utility>

#include <boost/geometry.hpp>
#include <boost/iterator/function_output_iterator.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "host/design_file.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace host {

namespace {

using BoxPoint = bg::model::point<double, 3, bg::cs::cartesian>;
using Box = bg::model::box<BoxPoint>;
using TreeValue = std::pair<Box, std::size_t>;  // range and slot
using Tree = bgi::rtree<TreeValue, bgi::rstar<16>>;

// Range scans of a model walked before its tree is built (each costs one pass over the stored
// ranges, the tree some tens of them).
constexpr std::uint32_t kRangeWalksBeforeTree = 4;

Box toBox(const Range3d& r) { return Box({r.low.x, r.low.y, r.low.z}, {r.high.x, r.high.y, r.high.z}); }

bool meets(const Range3d& a, const Range3d& b) {
  return !a.isNull() && !b.isNull() && a.low.x <= b.high.x && b.low.x <= a.high.x && a.low.y <= b.high.y &&
         b.low.y <= a.high.y && a.low.z <= b.high.z && b.low.z <= a.high.z;
}

// The slots of one key (a group, a level or a type), sorted (slots grow in file order). A slot
// that leaves the key stays listed, as stale, until the stale ones are half the list: the list is
// then rebuilt, so that removing costs O(log n) amortised where erasing in place would cost the
// list's length. Scans test every candidate's element, so a stale slot is never returned.
struct SlotList {
  std::vector<std::size_t> slots;
  std::size_t stale = 0;
  bool hasLive() const { return slots.size() > stale; }
};

void insertSorted(SlotList& list, std::size_t slot) {
  auto it = std::lower_bound(list.slots.begin(), list.slots.end(), slot);
  if (it != list.slots.end() && *it == slot) {
    --list.stale;  // a stale slot of this key holds it again
    return;
  }
  list.slots.insert(it, slot);
}

// Marks `slot` stale; `belongs(s)` tells whether slot s (other than `slot`) still holds the key.
template <typename Belongs>
void eraseSorted(SlotList& list, std::size_t slot, Belongs belongs) {
  if (++list.stale * 2 <= list.slots.size()) return;
  std::erase_if(list.slots, [&](std::size_t s) { return s == slot || !belongs(s); });
  list.stale = 0;
}

}  // namespace

// Each part is built on its first use from the slots (a loaded model that is only walked never
// pays for them), and kept up to date by edits once built.
struct Model::Index {
  std::unordered_map<ElementId, std::size_t> byId;
  std::unordered_map<std::uint32_t, SlotList> byGroup;
  std::unordered_map<LevelId, SlotList> byLevel;
  std::unordered_map<int, SlotList> byType;
  Tree tree;
  bool idsBuilt = false, keysBuilt = false, treeBuilt = false;
  // Range scans answered by walking the stored ranges before the tree is built: a model asked
  // once or twice (a file checked on opening) never pays for a tree over all its elements.
  std::uint32_t rangeWalks = 0;
};

bool passes(const ScanCriteria& c, const Element& e, const Range3d& range) {
  if (e.type == 0) return false;
  if (!c.types.empty() && std::find(c.types.begin(), c.types.end(), e.type) == c.types.end()) return false;
  if (std::find(c.excludedTypes.begin(), c.excludedTypes.end(), e.type) != c.excludedTypes.end()) return false;
  if (!c.levels.empty() || c.levelMask) {
    const bool listed = std::find(c.levels.begin(), c.levels.end(), e.level) != c.levels.end();
    if (!listed && !(c.levelMask && c.levelMask->testLevel(e.level))) return false;
  }
  if (c.drawnOnly && !isGraphicType(e.type)) return false;
  if (c.graphicGroup && e.graphicGroup != *c.graphicGroup) return false;
  if (c.classMask && (e.elementClass < 0 || e.elementClass > 31 || !((*c.classMask >> e.elementClass) & 1u)))
    return false;
  if (c.range && !meets(*c.range, range)) return false;
  return true;
}

Model::Model(std::wstring name) : name_(std::move(name)), index_(std::make_unique<Index>()) {}

Model::Model(const Model& o)
    : references(o.references),
      name_(o.name_),
      slots_(o.slots_),
      ranges_(o.ranges_),
      liveCount_(o.liveCount_),
      lastPosition_(o.lastPosition_),
      index_(std::make_unique<Index>(*o.index_)) {}

// A moved-from model is left empty and usable.
Model::Model(Model&& o) noexcept
    : references(std::move(o.references)),
      name_(std::move(o.name_)),
      slots_(std::move(o.slots_)),
      ranges_(std::move(o.ranges_)),
      liveCount_(std::exchange(o.liveCount_, 0)),
      lastPosition_(std::exchange(o.lastPosition_, 0)),
      index_(std::exchange(o.index_, std::make_unique<Index>())) {
  o.slots_.clear();
  o.ranges_.clear();
}

Model& Model::operator=(Model o) {
  std::swap(references, o.references);
  std::swap(name_, o.name_);
  std::swap(slots_, o.slots_);
  std::swap(ranges_, o.ranges_);
  std::swap(liveCount_, o.liveCount_);
  std::swap(lastPosition_, o.lastPosition_);
  std::swap(index_, o.index_);
  return *this;
}

Model::~Model() = default;

bool operator==(const Model& a, const Model& b) {
  if (a.name_ != b.name_ || a.references != b.references || a.liveCount_ != b.liveCount_) return false;
  const auto ea = a.elements(), eb = b.elements();
  for (std::size_t i = 0; i < ea.size(); ++i)
    if (!(*ea[i] == *eb[i])) return false;
  return true;
}

std::vector<const Element*> Model::elements() const {
  std::vector<const Element*> out;
  out.reserve(liveCount_);
  for (const auto& e : slots_)
    if (e.type != 0) out.push_back(&e);
  return out;
}

Model::Index& Model::idIndex() const {
  Index& x = *index_;
  if (!x.idsBuilt) {
    x.byId.reserve(liveCount_);
    for (std::size_t slot = 0; slot < slots_.size(); ++slot)
      if (slots_[slot].type != 0) x.byId.emplace(slots_[slot].id, slot);
    x.idsBuilt = true;
  }
  return x;
}

Model::Index& Model::keyIndex() const {
  Index& x = *index_;
  if (!x.keysBuilt) {
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
      const Element& e = slots_[slot];
      if (e.type == 0) continue;
      x.byGroup[e.graphicGroup].slots.push_back(slot);
      x.byLevel[e.level].slots.push_back(slot);
      x.byType[e.type].slots.push_back(slot);
    }
    x.keysBuilt = true;
  }
  return x;
}

Model::Index& Model::treeIndex() const {
  Index& x = *index_;
  if (!x.treeBuilt) {
    std::vector<TreeValue> boxes;
    boxes.reserve(liveCount_);
    for (std::size_t slot = 0; slot < slots_.size(); ++slot)
      if (slots_[slot].type != 0 && !ranges_[slot].isNull()) boxes.emplace_back(toBox(ranges_[slot]), slot);
    x.tree = Tree(boxes.begin(), boxes.end());  // packed: faster to build and to query
    x.treeBuilt = true;
  }
  return x;
}

std::optional<std::size_t> Model::slotOf(ElementId id) const {
  const Index& x = idIndex();
  auto it = x.byId.find(id);
  if (it == x.byId.end()) return std::nullopt;
  return it->second;
}

const Element* Model::find(ElementId id) const {
  auto slot = slotOf(id);
  return slot ? &slots_[*slot] : nullptr;
}

const Element* Model::findByPosition(std::uint32_t position) const {
  auto it = std::lower_bound(slots_.begin(), slots_.end(), position,
                             [](const Element& e, std::uint32_t p) { return e.filePosition < p; });
  if (it == slots_.end() || it->filePosition != position || it->type == 0) return nullptr;
  return &*it;
}

Range3d Model::rangeOf(ElementId id) const {
  auto slot = slotOf(id);
  return slot ? ranges_[*slot] : Range3d{};
}

void Model::indexSlot(std::size_t slot) {
  const Element& e = slots_[slot];
  Index& x = *index_;
  if (x.idsBuilt) x.byId[e.id] = slot;
  if (x.keysBuilt) {
    insertSorted(x.byGroup[e.graphicGroup], slot);
    insertSorted(x.byLevel[e.level], slot);
    insertSorted(x.byType[e.type], slot);
  }
  if (x.treeBuilt && !ranges_[slot].isNull()) x.tree.insert({toBox(ranges_[slot]), slot});
}

void Model::unindexSlot(std::size_t slot) {
  const Element& e = slots_[slot];
  Index& x = *index_;
  if (x.idsBuilt) x.byId.erase(e.id);
  if (x.keysBuilt) {
    eraseSorted(x.byGroup[e.graphicGroup], slot,
                [&](std::size_t s) { return slots_[s].type != 0 && slots_[s].graphicGroup == e.graphicGroup; });
    eraseSorted(x.byLevel[e.level], slot,
                [&](std::size_t s) { return slots_[s].type != 0 && slots_[s].level == e.level; });
    eraseSorted(x.byType[e.type], slot, [&](std::size_t s) { return slots_[s].type == e.type; });
  }
  if (x.treeBuilt && !ranges_[slot].isNull()) x.tree.remove(TreeValue{toBox(ranges_[slot]), slot});
}

void Model::append(Element e) {
  lastPosition_ = std::max(lastPosition_, e.filePosition);
  ranges_.push_back(elementRange(e));
  slots_.push_back(std::move(e));
  ++liveCount_;
  indexSlot(slots_.size() - 1);
}

void Model::assign(std::vector<Element> elements) {
  slots_ = std::move(elements);
  ranges_.clear();
  ranges_.reserve(slots_.size());
  for (const Element& e : slots_) ranges_.push_back(elementRange(e));
  index_ = std::make_unique<Index>();  // built as it is used
  liveCount_ = slots_.size();
  lastPosition_ = slots_.empty() ? 0 : slots_.back().filePosition;
}

bool Model::replace(const Element& e) {
  auto slot = slotOf(e.id);
  if (!slot || e.type == 0) return false;
  unindexSlot(*slot);
  const std::uint32_t position = slots_[*slot].filePosition;
  slots_[*slot] = e;
  slots_[*slot].filePosition = position;
  ranges_[*slot] = elementRange(e);
  indexSlot(*slot);
  return true;
}

bool Model::remove(ElementId id) {
  auto slot = slotOf(id);
  if (!slot) return false;
  unindexSlot(*slot);
  // The slot stays, empty, so that later slots keep their place in file order.
  slots_[*slot] = Element{};
  slots_[*slot].filePosition = 0;
  ranges_[*slot] = Range3d{};
  --liveCount_;
  // Keep file positions searchable: an empty slot takes its neighbour's position.
  slots_[*slot].filePosition = *slot == 0 ? 0 : slots_[*slot - 1].filePosition;
  return true;
}

std::vector<const Element*> Model::scan(const ScanCriteria& c) const {
  std::vector<std::size_t> candidates;
  bool narrowed = false;
  // Sum of the sizes of the index lists for the given keys; a union of those lists.
  auto unionOf = [](const auto& map, const auto& keys) {
    std::vector<std::size_t> out;
    for (const auto& k : keys) {
      auto it = map.find(k);
      if (it != map.end()) out.insert(out.end(), it->second.slots.begin(), it->second.slots.end());
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
  };
  if (c.graphicGroup) {
    const Index& x = keyIndex();
    auto it = x.byGroup.find(*c.graphicGroup);
    if (it != x.byGroup.end()) candidates = it->second.slots;
    narrowed = true;
  } else if (c.range) {
    if (!index_->treeBuilt && index_->rangeWalks < kRangeWalksBeforeTree) {
      ++index_->rangeWalks;
      return scanByWalk(c);
    }
    if (!c.range->isNull()) {
      treeIndex().tree.query(bgi::intersects(toBox(*c.range)), boost::make_function_output_iterator([&](const TreeValue& v) {
                           candidates.push_back(v.second);
                         }));
      std::sort(candidates.begin(), candidates.end());
    }
    narrowed = true;
  } else if (!c.levels.empty() || c.levelMask || !c.types.empty()) {
    const Index& x = keyIndex();
    std::optional<std::vector<std::size_t>> byLevel, byType;
    if (!c.levels.empty() || c.levelMask) {
      std::vector<LevelId> wanted = c.levels;
      if (c.levelMask)
        for (const auto& [level, list] : x.byLevel)
          if (list.hasLive() && c.levelMask->testLevel(level)) wanted.push_back(level);
      byLevel = unionOf(x.byLevel, wanted);
    }
    if (!c.types.empty()) byType = unionOf(x.byType, c.types);
    if (byLevel && byType) candidates = byLevel->size() <= byType->size() ? std::move(*byLevel) : std::move(*byType);
    else candidates = byLevel ? std::move(*byLevel) : std::move(*byType);
    narrowed = true;
  }
  std::vector<const Element*> out;
  if (!narrowed) return scanByWalk(c);
  for (std::size_t slot : candidates)
    if (passes(c, slots_[slot], ranges_[slot])) out.push_back(&slots_[slot]);
  return out;
}

std::vector<const Element*> Model::scanFrom(const ScanCriteria& c, std::uint32_t start, std::size_t most,
                                            bool& atEnd) const {
  std::vector<const Element*> out;
  auto it = std::lower_bound(slots_.begin(), slots_.end(), start,
                             [](const Element& e, std::uint32_t p) { return e.filePosition < p; });
  auto slot = static_cast<std::size_t>(it - slots_.begin());
  for (; slot < slots_.size() && out.size() < most; ++slot)
    if (passes(c, slots_[slot], ranges_[slot])) out.push_back(&slots_[slot]);
  atEnd = slot == slots_.size();
  return out;
}

std::vector<const Element*> Model::scanByWalk(const ScanCriteria& c) const {
  std::vector<const Element*> out;
  for (std::size_t slot = 0; slot < slots_.size(); ++slot)
    if (passes(c, slots_[slot], ranges_[slot])) out.push_back(&slots_[slot]);
  return out;
}

}  // namespace host
