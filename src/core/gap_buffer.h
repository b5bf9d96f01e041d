#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarnpad {

// The gap a full buffer of length elements grows by: an eighth of them, and
// at least 256, so a long run of insertions reallocates rarely and the
// storage stays within 1.125 times the contents.
std::int64_t GapGrowthFor(std::int64_t length);

// The room for a gap that contents of length elements are read or built
// with, before a buffer adopts them: a growth's worth, but no more than 4 Mi
// elements, so a huge text does not carry an eighth of itself unused (typing
// and pasting up to that much still move nothing else).
std::int64_t InitialGapFor(std::int64_t length);

// A sequence with one gap in its storage where insertions and deletions happen.
// Moving the gap costs the distance moved, so edits that walk through the
// sequence in order stay cheap. Storage is std::string (the document's bytes)
// or std::vector<std::int64_t> (the line starts).
template <typename Storage>
class GapBuffer {
 public:
  using Value = typename Storage::value_type;

  // Takes the whole contents over without copying; the gap starts at the end
  // and is whatever room the contents' storage has beyond them, so contents
  // read into storage with room need no copy at the first insertion.
  void Adopt(Storage contents);

  std::int64_t Length() const { return static_cast<std::int64_t>(storage_.size()) - gapLength_; }
  // 0 <= i < Length().
  Value At(std::int64_t i) const { return storage_[i < gapStart_ ? i : i + gapLength_]; }
  void Set(std::int64_t i, Value value) { storage_[i < gapStart_ ? i : i + gapLength_] = value; }

  // Adds delta to the elements [start, end), in one pass over each of the
  // two runs around the gap.
  void AddToRange(std::int64_t start, std::int64_t end, Value delta);

  // 0 <= at <= Length(). Allocates only when the gap is too small.
  void Insert(std::int64_t at, const Value* values, std::int64_t count);
  // [at, at + count) lies within [0, Length()).
  void Delete(std::int64_t at, std::int64_t count);

  // Makes room for count more elements: insertions that together add no
  // more than count elements beyond what deletions free cannot fail. The
  // contents stay as they are, also when the allocation fails.
  void Reserve(std::int64_t count) { EnsureGap(count); }

  // The contents as the two runs around the gap, in order.
  std::pair<const Value*, std::int64_t> Before() const { return {storage_.data(), gapStart_}; }
  std::pair<const Value*, std::int64_t> After() const {
    return {storage_.data() + gapStart_ + gapLength_, Length() - gapStart_};
  }

  // Appends the elements [start, end) to out.
  void AppendRange(std::int64_t start, std::int64_t end, Storage& out) const;

 private:
  void MoveGapTo(std::int64_t at);
  void EnsureGap(std::int64_t count);

  // The contents are storage_[0, gapStart_) followed by
  // storage_[gapStart_ + gapLength_, storage_.size()).
  Storage storage_;
  std::int64_t gapStart_ = 0;
  std::int64_t gapLength_ = 0;
};

extern template class GapBuffer<std::string>;
extern template class GapBuffer<std::vector<std::int64_t>>;

}  // namespace tarnpad
