#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/text_document.h"

namespace tarnpad {

struct Selection {
  Position anchor = 0;
  Position caret = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

// One recorded edit: at position, the bytes removed were replaced by the
// bytes inserted. Undoing puts removed back and restores the selection as it
// was before; redoing puts inserted back and restores the selection after.
struct UndoStep {
  Position position = 0;
  std::string removed;
  std::string inserted;
  Selection before;
  Selection after;
  // Typing at the advancing caret extends this step instead of starting one.
  bool typing = false;
};

// The user's edits, oldest first, with those undone kept for redo until the
// next recorded edit.
class UndoHistory {
 public:
  // Drops everything that could be redone, then adds the step, or merges it
  // into the last one when both are typing, the typing group is still open
  // and the new step continues where the last one ended. On failure (no
  // memory) the history stays exactly as it was.
  void Record(UndoStep step);
  // The next typed character starts a new step.
  void CloseTypingGroup() { typingOpen_ = false; }
  void Clear();

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The step to undo (or redo) next; once the text has followed it,
  // Undone (Redone) moves it to the other list. Callers check CanUndo
  // (CanRedo) first.
  const UndoStep& NextUndo() const { return steps_[done_ - 1]; }
  const UndoStep& NextRedo() const { return steps_[done_]; }
  void Undone();
  void Redone();

 private:
  // steps_[0, done_) can be undone, the latest last; steps_[done_, size())
  // can be redone, the next one first.
  std::vector<UndoStep> steps_;
  std::size_t done_ = 0;
  bool typingOpen_ = false;
};

}  // namespace tarnpad
