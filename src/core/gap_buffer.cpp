#include "core/gap_buffer.h"

#include <algorithm>
#include <utility>

namespace tarnpad {

std::int64_t GapGrowthFor(std::int64_t length) {
  return std::max<std::int64_t>(256, length / 8);
}

std::int64_t InitialGapFor(std::int64_t length) {
  return std::min<std::int64_t>(GapGrowthFor(length), std::int64_t{4} << 20);
}

template <typename Storage>
void GapBuffer<Storage>::Adopt(Storage contents) {
  storage_ = std::move(contents);
  gapStart_ = static_cast<std::int64_t>(storage_.size());
  storage_.resize(storage_.capacity());  // within the room: no reallocation
  gapLength_ = static_cast<std::int64_t>(storage_.size()) - gapStart_;
}

template <typename Storage>
void GapBuffer<Storage>::AddToRange(std::int64_t start, std::int64_t end, Value delta) {
  Value* data = storage_.data();
  const auto add = [delta](Value* first, Value* last) {
    for (Value* p = first; p < last; ++p) *p = static_cast<Value>(*p + delta);
  };
  const std::int64_t before_end = std::min(end, gapStart_);
  if (start < before_end) add(data + start, data + before_end);
  const std::int64_t after_start = std::max(start, gapStart_);
  if (after_start < end) add(data + after_start + gapLength_, data + end + gapLength_);
}

template <typename Storage>
void GapBuffer<Storage>::Insert(std::int64_t at, const Value* values, std::int64_t count) {
  if (count <= 0) return;
  MoveGapTo(at);
  EnsureGap(count);
  std::copy(values, values + count, storage_.data() + gapStart_);
  gapStart_ += count;
  gapLength_ -= count;
}

template <typename Storage>
void GapBuffer<Storage>::Delete(std::int64_t at, std::int64_t count) {
  if (count <= 0) return;
  MoveGapTo(at);
  gapLength_ += count;
}

template <typename Storage>
void GapBuffer<Storage>::AppendRange(std::int64_t start, std::int64_t end, Storage& out) const {
  const Value* data = storage_.data();
  if (start < gapStart_) {
    const std::int64_t before_end = std::min(end, gapStart_);
    out.insert(out.end(), data + start, data + before_end);
    start = before_end;
  }
  if (start < end) out.insert(out.end(), data + start + gapLength_, data + end + gapLength_);
}

template <typename Storage>
void GapBuffer<Storage>::MoveGapTo(std::int64_t at) {
  Value* data = storage_.data();
  if (at < gapStart_) {
    std::copy_backward(data + at, data + gapStart_, data + gapStart_ + gapLength_);
  } else if (at > gapStart_) {
    std::copy(data + gapStart_ + gapLength_, data + at + gapLength_, data + gapStart_);
  }
  gapStart_ = at;
}

template <typename Storage>
void GapBuffer<Storage>::EnsureGap(std::int64_t count) {
  if (gapLength_ >= count) return;
  const std::int64_t length = Length();
  const std::int64_t new_gap = count + GapGrowthFor(length);
  Storage grown(static_cast<std::size_t>(length + new_gap), Value{});
  const Value* data = storage_.data();
  std::copy(data, data + gapStart_, grown.data());
  std::copy(data + gapStart_ + gapLength_, data + storage_.size(),
            grown.data() + gapStart_ + new_gap);
  storage_ = std::move(grown);
  gapLength_ = new_gap;
}

template class GapBuffer<std::string>;
template class GapBuffer<std::vector<std::int64_t>>;

}  // namespace tarnpad
