#include "core/undo_history.h"

#include <utility>

namespace tarnpad {

void UndoHistory::Record(UndoStep step) {
  steps_.resize(done_);
  const bool merges = typingOpen_ && step.typing && !steps_.empty() && steps_.back().typing &&
                      step.position == steps_.back().position +
                                           static_cast<Position>(steps_.back().inserted.size());
  if (merges) {
    UndoStep& last = steps_.back();
    last.removed += step.removed;
    last.inserted += step.inserted;
    last.after = step.after;
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

const UndoStep& UndoHistory::TakeUndo() {
  typingOpen_ = false;
  return steps_[--done_];
}

const UndoStep& UndoHistory::TakeRedo() {
  typingOpen_ = false;
  return steps_[done_++];
}

}  // namespace tarnpad
