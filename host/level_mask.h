#pragma once
// A level bit mask: bit (id - 1) stands for level id. Level ids are 32-bit, so the mask is kept as
// a default value for every bit plus the bits that differ from it; "every level" costs nothing.
#include <cstdint>
#include <set>

namespace host {

class LevelMask {
 public:
  // A mask with every bit set (`all` true) or every bit clear.
  explicit LevelMask(bool all = false) : others_(all) {}

  bool test(std::uint32_t bit) const { return exceptions_.contains(bit) != others_; }
  void set(std::uint32_t bit, bool value = true) {
    if (value == others_) exceptions_.erase(bit);
    else exceptions_.insert(bit);
  }
  void setAll(bool value) {
    others_ = value;
    exceptions_.clear();
  }
  // Level ids start at 1; level 0 is on no bit.
  bool testLevel(std::uint32_t levelId) const { return levelId != 0 && test(levelId - 1); }
  void setLevel(std::uint32_t levelId, bool value = true) {
    if (levelId != 0) set(levelId - 1, value);
  }
  bool none() const { return !others_ && exceptions_.empty(); }

  friend bool operator==(const LevelMask&, const LevelMask&) = default;

 private:
  bool others_ = false;
  std::set<std::uint32_t> exceptions_;
};

}  // namespace host
