#include "core/undo_history.h"

#include <algorithm>
#include <utility>

namespace tarnpad {
namespace {

// Room for extra more elements, growing geometrically as appending would,
// so that a long run of merged typing stays linear.
template <typename Container>
void ReserveMore(Container& container, std::size_t extra) {
  const std::size_t needed = container.size() + extra;
  if (needed > container.capacity()) container.reserve(std::max(needed, 2 * container.capacity()));
}

}  // namespace

void UndoHistory::Record(UndoStep step) {
  // Everything that can fail happens before the first change.
  UndoStep* const last = done_ > 0 ? &steps_[done_ - 1] : nullptr;
  const bool merges =
      typingOpen_ && step.typing && last != nullptr && last->typing &&
      step.position == last->position + static_cast<Position>(last->inserted.size());
  if (merges) {
    ReserveMore(last->removed, step.removed.size());
    ReserveMore(last->inserted, step.inserted.size());
  } else if (steps_.size() == done_) {
    ReserveMore(steps_, 1);
  }

  steps_.resize(done_);
  if (merges) {
    steps_.back().removed += step.removed;
    steps_.back().inserted += step.inserted;
    steps_.back().after = step.after;
  } else {
    steps_.push_back(std::move(step));
    done_ = steps_.size();
  }
  typingOpen_ = steps_.back().typing;
}

void UndoHistory::Clear() {
  steps_.clear();
  done_ = 0;
  typingOpen_ = false;
}

void UndoHistory::Undone() {
  typingOpen_ = false;
  --done_;
}

void UndoHistory::Redone() {
  typingOpen_ = false;
  ++done_;
}

}  // namespace tarnpad
