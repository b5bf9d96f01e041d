// Every edit of the document, failed at each of its allocations in turn,
// must leave the document exactly as it was: text, line index, selection and
// undo history.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/text_document.h"
#include "failing_allocator.h"
#include "tools/search_replace.h"

namespace tarnpad {
namespace {

using DocumentStep = std::function<void(TextDocument&)>;

class CountingListener : public DocumentListener {
 public:
  void SelectionChanged() override { ++heard; }
  void TextChanged(TextChangeKind) override { ++heard; }
  int heard = 0;
};

std::string ManyLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text + "last";
}

// Everything a reader of the document can see, line starts included.
void ExpectSameState(const TextDocument& actual, const TextDocument& expected) {
  ASSERT_EQ(actual.Text(), expected.Text());
  ASSERT_EQ(actual.PhysicalLineCount(), expected.PhysicalLineCount());
  for (std::int64_t line = 0; line < expected.PhysicalLineCount(); ++line) {
    ASSERT_EQ(actual.LineStart(line), expected.LineStart(line)) << "line " << line;
    ASSERT_EQ(actual.EditorLine(line), expected.EditorLine(line)) << "line " << line;
  }
  ASSERT_EQ(actual.Anchor(), expected.Anchor());
  ASSERT_EQ(actual.Caret(), expected.Caret());
  ASSERT_EQ(actual.CanUndo(), expected.CanUndo());
  ASSERT_EQ(actual.CanRedo(), expected.CanRedo());
}

// The two documents agree now, after more typing (which merges into an open
// typing step alike), and at every step of their undo and redo histories.
void ExpectSameDocument(TextDocument& actual, TextDocument& expected) {
  ASSERT_NO_FATAL_FAILURE(ExpectSameState(actual, expected));
  actual.TypeText("z");
  expected.TypeText("z");
  int undone = 0;
  for (; expected.CanUndo(); ++undone) {
    actual.UndoEditor();
    expected.UndoEditor();
    ASSERT_NO_FATAL_FAILURE(ExpectSameState(actual, expected)) << "undo " << undone;
  }
  for (int redone = 0; redone < undone; ++redone) {
    actual.Redo();
    expected.Redo();
    ASSERT_NO_FATAL_FAILURE(ExpectSameState(actual, expected)) << "redo " << redone;
  }
}

// Runs edit on a document made by setup once for each allocation the edit
// makes, failing that allocation; every failure must throw and leave the
// document like a twin that was never edited, with the listener told nothing.
// Returns how many allocations the edit makes.
long ExpectEveryFailureRollsBack(const DocumentStep& setup, const DocumentStep& edit) {
  for (long index = 0;; ++index) {
    TextDocument document;
    TextDocument twin;
    setup(document);
    setup(twin);
    CountingListener listener;
    document.SetListener(&listener);
    bool threw = false;
    testing::FailAllocation(index);
    try {
      edit(document);
    } catch (const std::exception&) {
      threw = true;
    }
    const bool failed = testing::StopFailingAllocations();
    document.SetListener(nullptr);
    if (!failed) {
      EXPECT_FALSE(threw);
      return index;
    }
    EXPECT_TRUE(threw) << "allocation " << index << " failed unnoticed";
    EXPECT_EQ(listener.heard, 0) << "allocation " << index;
    ExpectSameDocument(document, twin);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "allocation " << index << " left the document changed";
      return index;
    }
  }
}

const DocumentStep kThreeLines = [](TextDocument& document) {
  document.LoadText("first\r\nsecond\r\nlast");
};

// A long text with an edited past: typing still open, a step to redo.
void EditedText(TextDocument& document) {
  document.LoadText(ManyLines(300));
  document.SetCaret(document.LineStart(100) + 2);
  document.PasteText("pasted\r\nlines\r\n");
  document.TypeText("x");
  document.UndoEditor();
  document.SetCaret(document.LineStart(200));
  document.TypeText("ab");
}
const DocumentStep kEditedText = EditedText;

// The edited text with lines first to last selected.
DocumentStep EditedTextSelecting(std::int64_t first, std::int64_t last) {
  return [first, last](TextDocument& document) {
    EditedText(document);
    document.SetSelection(document.LineStart(first), document.LineStart(last) + 3);
  };
}

// The edited text after a large part of it was deleted, and maybe undone.
DocumentStep EditedTextAfterDeleting(bool undone) {
  return [undone](TextDocument& document) {
    EditedText(document);
    document.SetSelection(document.LineStart(5), document.LineStart(250));
    document.DeleteSelection();
    if (undone) document.UndoEditor();
  };
}

TEST(EditRollback, LineOperations) {
  ExpectEveryFailureRollsBack(kThreeLines, [](TextDocument& document) {
    document.ReplaceEditorLine(1, std::string(1000, 'x'));
  });
  ExpectEveryFailureRollsBack(kEditedText, [](TextDocument& document) {
    document.ReplaceEditorLine(150, "one\r\ntwo\nthree\rfour");
  });
  ExpectEveryFailureRollsBack(kEditedText, [](TextDocument& document) {
    document.ReplaceEditorLines({{3, "a\r\nb"}, {40, std::string(5000, 'y')}, {41, ""}});
  });
}

TEST(EditRollback, TypingPastingAndDeleting) {
  // Into the open typing step, and as a new step with line breaks.
  ExpectEveryFailureRollsBack(
      kEditedText, [](TextDocument& document) { document.TypeText(std::string(3000, 'c')); });
  ExpectEveryFailureRollsBack(EditedTextSelecting(10, 20), [](TextDocument& document) {
    document.TypeText("over\r\ntyped", true);
  });
  ExpectEveryFailureRollsBack(kEditedText, [](TextDocument& document) {
    std::string lines;
    for (int i = 0; i < 500; ++i) lines += "pasted line\n";
    document.PasteText(lines);
  });
  // Deleting records what it removed.
  ExpectEveryFailureRollsBack(EditedTextSelecting(5, 250),
                              [](TextDocument& document) { document.DeleteForward(); });
}

// What a step removed stays in the buffers' gaps until the step is undone
// or redone, so neither needs memory and neither can fail halfway.
TEST(EditRollback, UndoAndRedoNeedNoMemory) {
  EXPECT_EQ(ExpectEveryFailureRollsBack(EditedTextAfterDeleting(false),
                                        [](TextDocument& document) { document.UndoEditor(); }),
            0);
  EXPECT_EQ(ExpectEveryFailureRollsBack(EditedTextAfterDeleting(true),
                                        [](TextDocument& document) { document.Redo(); }),
            0);
}

TEST(EditRollback, ReplaceAllChangesEveryLineOrNone) {
  ExpectEveryFailureRollsBack(kEditedText, [](TextDocument& document) {
    ReplaceAll(document, "line", "a much longer line");
  });
  ExpectEveryFailureRollsBack(kEditedText,
                              [](TextDocument& document) { ReplaceAll(document, "ine ", ""); });
}

}  // namespace
}  // namespace tarnpad
