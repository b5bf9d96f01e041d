#include "core/text_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tarnpad {
namespace {

// Logs each notification with the caret the listener saw at that moment.
class RecordingListener : public DocumentListener {
 public:
  explicit RecordingListener(TextDocument& document) : document_(document) {
    document_.SetListener(this);
  }
  ~RecordingListener() override { document_.SetListener(nullptr); }
  void SelectionChanged() override { Log("sel"); }
  void TextChanged(TextChangeKind kind) override {
    Log(kind == TextChangeKind::Reload ? "reload" : "edit");
  }

  std::string log;

 private:
  void Log(const char* what) { log += what + ("@" + std::to_string(document_.Caret()) + " "); }
  TextDocument& document_;
};

std::vector<Position> NaiveLineStarts(const std::string& text) {
  std::vector<Position> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') starts.push_back(static_cast<Position>(i) + 1);
  }
  return starts;
}

// Everything the line index answers, against a scan of the whole text, and
// the rule that every break is a CR LF pair.
void ExpectConsistent(const TextDocument& document) {
  const std::string text = document.Text();
  ASSERT_EQ(document.Length(), static_cast<Position>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair_starts = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    const bool pair_ends = text[i] == '\n' && i > 0 && text[i - 1] == '\r';
    ASSERT_EQ(text[i] == '\r', pair_starts) << i;
    ASSERT_EQ(text[i] == '\n', pair_ends) << i;
  }
  const auto length = static_cast<Position>(text.size());
  for (const auto& [start, end] : {std::pair<Position, Position>{-1, length + 1},
                                   {length / 3, length / 2},
                                   {length / 2, length},
                                   {1, 1}}) {
    const auto parts = document.RangeParts(start, end);
    const auto from = static_cast<std::size_t>(std::clamp<Position>(start, 0, length));
    const auto to = static_cast<std::size_t>(std::clamp<Position>(end, 0, length));
    ASSERT_EQ(std::string(parts[0]) + std::string(parts[1]), text.substr(from, to - from))
        << start << ".." << end;
  }
  const std::vector<Position> starts = NaiveLineStarts(text);
  const auto count = static_cast<std::int64_t>(starts.size());
  ASSERT_EQ(document.PhysicalLineCount(), count);
  for (std::int64_t line = 0; line < count; ++line) {
    const Position end = line + 1 < count ? starts[line + 1] - 2 : document.Length();
    ASSERT_EQ(document.LineStart(line), starts[line]) << line;
    ASSERT_EQ(document.EditorLine(line), text.substr(starts[line], end - starts[line])) << line;
    ASSERT_EQ(document.LineOfPosition(starts[line]), line);
    ASSERT_EQ(document.LineOfPosition(end), line);
  }
}

TextDocument& Loaded(TextDocument& document, std::string text) {
  document.LoadText(std::move(text));
  return document;
}

TEST(TextDocumentTest, LineCountAndLinesOutsideTheText) {
  const std::pair<std::string, std::int64_t> cases[] = {
      {"", 0}, {"a", 1}, {"a\r\n", 1}, {"a\r\nb", 2}, {"a\r\n\r\n", 2}, {"\r\n\r\nb", 3}};
  for (const auto& [text, count] : cases) {
    TextDocument document;
    EXPECT_EQ(Loaded(document, text).EditorLineCount(), count) << text;
    EXPECT_EQ(document.EditorLine(document.EditorLineCount()), "") << text;
    EXPECT_EQ(document.EditorLine(-1), "") << text;
  }
  TextDocument document;
  Loaded(document, "a\r\nb").SetCaret(1);
  RecordingListener listener(document);
  document.ReplaceEditorLine(2, "c");
  document.ReplaceEditorLine(-1, "c");
  document.DeleteEditorLine(2);
  EXPECT_EQ(document.Text(), "a\r\nb");
  EXPECT_EQ(listener.log, "");
}

TEST(TextDocumentTest, ReplaceEditorLineIsNotUndoneAndLeavesTheCaretAfterIt) {
  TextDocument document;
  Loaded(document, "a\r\nb\r\nc").SetCaret(8);
  document.TypeText("!");
  document.SetSelection(0, 2);
  RecordingListener listener(document);
  document.ReplaceEditorLine(1, "xyz");
  EXPECT_EQ(document.Text(), "a\r\nxyz\r\nc!");
  EXPECT_EQ(document.SelectionLength(), 0);
  EXPECT_EQ(document.CaretPoint(), (CaretPoint{3, 1}));
  EXPECT_EQ(listener.log, "edit@6 sel@6 ");
  document.UndoEditor();
  EXPECT_EQ(document.Text(), "a\r\nxyz\r\nc!");
  // Past a final break, and on the empty text, the empty last line is there
  // to be replaced; breaks inside the new text split it.
  Loaded(document, "a\r\nb\r\n").ReplaceEditorLine(2, "c");
  EXPECT_EQ(document.Text(), "a\r\nb\r\nc");
  Loaded(document, "").ReplaceEditorLine(0, "p\nq\rr\r\n");
  EXPECT_EQ(document.Text(), "p\r\nq\r\nr\r\n");
  EXPECT_EQ(document.Caret(), 9);
  ExpectConsistent(document);
}

// Several lines at once, numbered as before the call, are one change: heard
// once, and like the same replacements made one by one.
TEST(TextDocumentTest, ReplaceEditorLinesReplacesLinesNumberedAsBefore) {
  TextDocument document;
  Loaded(document, "0\r\n1\r\n2\r\n3\r\n4").SetCaret(1);
  document.TypeText("!");
  RecordingListener listener(document);
  document.ReplaceEditorLines({{0, "zero\nhalf"}, {2, ""}, {4, "four\r\n"}, {9, "none"}});
  EXPECT_EQ(document.Text(), "zero\r\nhalf\r\n1\r\n\r\n3\r\nfour\r\n");
  EXPECT_EQ(listener.log, "edit@26 sel@26 ");
  EXPECT_FALSE(document.CanUndo());
  ExpectConsistent(document);
}

// Bytes replaced by the same bytes are no change: nothing is heard but the
// caret's move, and the undo history stays.
TEST(TextDocumentTest, ReplacingBytesByTheSameBytesChangesNothing) {
  TextDocument document;
  Loaded(document, "ab\r\ncd").SetCaret(0);
  document.TypeText("x");
  RecordingListener listener(document);
  document.ReplaceEditorLine(1, "cd");
  document.SetSelection(0, 1);
  document.PasteText("x");
  EXPECT_EQ(listener.log, "sel@7 sel@1 sel@1 ");
  EXPECT_TRUE(document.CanUndo());
  document.UndoEditor();
  EXPECT_EQ(document.Text(), "ab\r\ncd");
}

TEST(TextDocumentTest, DeleteEditorLineTakesTheBreakUnlessTheLineIsLast) {
  TextDocument document;
  Loaded(document, "a\r\nb").DeleteEditorLine(1);
  EXPECT_EQ(document.Text(), "a\r\n");
  EXPECT_EQ(document.EditorLineCount(), 1);
  Loaded(document, "a\r\nb\r\nc\r\n").SetSelection(0, 1);
  document.TypeText("x");
  document.DeleteEditorLine(1);
  EXPECT_EQ(document.Text(), "x\r\nc\r\n");
  EXPECT_EQ(document.Caret(), 3);
  EXPECT_EQ(document.SelectionLength(), 0);
  EXPECT_FALSE(document.CanUndo());
  Loaded(document, "").DeleteEditorLine(0);
  EXPECT_EQ(document.Text(), "");
}

TEST(TextDocumentTest, SelectionIsClampedAndEndsAtItsLaterEnd) {
  TextDocument document;
  Loaded(document, "l0\r\nl1\r\nline2\r\nl3\r\nline4\r\n").SetSelection(-5, 2);
  EXPECT_EQ(document.Anchor(), 0);
  document.SetSelection(100, 3);  // 3 lies inside a pair
  EXPECT_EQ(document.Anchor(), 26);
  EXPECT_EQ(document.Caret(), 2);
  EXPECT_EQ(document.CaretPoint(), (CaretPoint{0, 5}));
  document.SetSelection(document.LineStart(4) + 1, document.LineStart(2) + 3);
  EXPECT_EQ(document.CaretPoint(), (CaretPoint{1, 4}));
  EXPECT_EQ(document.SelectionLength(), 2 + 2 + 2 + 2 + 1);
  EXPECT_EQ(document.SelectionText(), "e2\r\nl3\r\nl");
  document.SetSelection(document.LineStart(2), document.LineStart(3));
  EXPECT_EQ(document.CaretPoint(), (CaretPoint{0, 3}));
}

TEST(TextDocumentTest, NotificationsComeOnlyWhenSomethingChanges) {
  TextDocument document;
  Loaded(document, "ab\r\ncd").SetCaret(2);
  RecordingListener listener(document);
  document.SetCaret(3);  // snaps to 2, where the caret already is
  document.Backspace();
  document.SetCaret(0);
  document.Backspace();  // nothing before the caret
  document.DeleteSelection();
  document.SelectAll();
  document.LoadText("x");
  EXPECT_EQ(listener.log, "edit@1 sel@1 sel@0 sel@5 reload@0 sel@0 ");
}

TEST(TextDocumentTest, ABulkEditIsHeardOnceWhenTheOutermostOneEnds) {
  TextDocument document;
  Loaded(document, "a\r\nb\r\nc");
  RecordingListener listener(document);
  {
    const TextDocument::BulkEdit outer(document);
    {
      const TextDocument::BulkEdit inner(document);
      document.ReplaceEditorLine(2, "cc");
      document.ReplaceEditorLine(0, "aa");
    }
    document.SetCaret(1);
    EXPECT_EQ(listener.log, "");
  }
  EXPECT_EQ(listener.log, "edit@1 sel@1 ");

  listener.log.clear();
  {
    const TextDocument::BulkEdit bulk(document);
    document.SetCaret(1);  // no change
  }
  {
    const TextDocument::BulkEdit bulk(document);
    document.ReplaceEditorLine(1, "x");
    document.LoadText("y");
    document.ReplaceEditorLine(0, "z");
  }
  EXPECT_EQ(listener.log, "reload@1 sel@1 ");
}

// Whoever reads the text's runs (a copy converted in the background) hears
// before every change, inside a bulk edit too, and still finds the text as
// it was.
TEST(TextDocumentTest, ReadersOfTheRunsHearBeforeEveryChange) {
  class RunsReader : public DocumentListener {
   public:
    explicit RunsReader(TextDocument& document) : document_(document) {
      document_.SetListener(this);
    }
    ~RunsReader() override { document_.SetListener(nullptr); }
    void SelectionChanged() override {}
    void TextChanged(TextChangeKind) override {}
    void TextAboutToChange() override {
      const auto parts = document_.TextParts();
      seen.push_back(std::string(parts[0]) + std::string(parts[1]));
    }
    std::vector<std::string> seen;

   private:
    TextDocument& document_;
  };

  TextDocument document;
  Loaded(document, "ab\r\ncd").SetCaret(1);
  RunsReader reader(document);
  std::vector<std::string> before;
  const auto change = [&](auto edit) {
    before.push_back(document.Text());
    edit();
  };
  change([&] { document.TypeText("x"); });
  change([&] { document.Backspace(); });
  change([&] { document.UndoEditor(); });
  change([&] { document.Redo(); });
  change([&] { document.PasteText("\n"); });
  change([&] { document.ReplaceEditorLines({{0, "z"}}); });
  change([&] {
    const TextDocument::BulkEdit bulk(document);
    document.DeleteEditorLine(0);
  });
  change([&] { document.LoadText("new"); });
  EXPECT_EQ(reader.seen, before);
}

TEST(TextDocumentTest, EditingKeysTakeWholeBreaksAndUndoRestoresTheSelection) {
  TextDocument document;
  Loaded(document, "ab\r\ncd").SetCaret(4);
  document.Backspace();
  EXPECT_EQ(document.Text(), "abcd");
  document.UndoEditor();
  EXPECT_EQ(document.Caret(), 4);
  document.SetCaret(2);
  document.DeleteForward();
  EXPECT_EQ(document.Text(), "abcd");
  document.SetSelection(3, 1);
  document.PasteText("1\n2\r3\r\n\n\r");
  EXPECT_EQ(document.Text(), "a1\r\n2\r\n3\r\n\r\n\r\nd");
  EXPECT_EQ(document.Caret(), 14);
  document.UndoEditor();
  EXPECT_EQ(document.Anchor(), 3);
  EXPECT_EQ(document.Caret(), 1);
}

TEST(TextDocumentTest, TypingAtTheAdvancingCaretIsOneUndoStep) {
  TextDocument document;
  Loaded(document, "abc\r\nd").SetCaret(1);
  document.TypeText("X", true);
  document.TypeText("YZ", true);  // overwrites up to the line end, then inserts
  document.TypeText("\r", true);  // a break never overwrites
  document.TypeText("e");
  EXPECT_EQ(document.Text(), "aXYZ\r\ne\r\nd");
  // Coming back to where typing stopped still starts a new step.
  document.SetCaret(0);
  document.SetCaret(7);
  document.TypeText("f");
  document.UndoEditor();
  EXPECT_EQ(document.Text(), "aXYZ\r\ne\r\nd");
  document.UndoEditor();
  EXPECT_EQ(document.Text(), "abc\r\nd");
  EXPECT_FALSE(document.CanUndo());
  document.Redo();
  EXPECT_EQ(document.Caret(), 7);
  document.TypeText("g");  // drops the redo of "f", and does not join the redone step
  EXPECT_FALSE(document.CanRedo());
  document.UndoEditor();
  EXPECT_EQ(document.Text(), "aXYZ\r\ne\r\nd");
}

// Random edits against a plain string doing each operation the naive way.
// Undo is checked as a round trip: everything undone gives the text as the
// last unrecorded change left it, everything redone gives it back.
TEST(TextDocumentTest, RandomEditsAgreeWithAPlainString) {
  std::mt19937 random(20261208);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto some_bytes = [&](int most) {
    static const char kAlphabet[] = {'a', 'b', ' ', '\r', '\n', '\xC0', '\xFF', '\0'};
    std::string bytes(pick(0, most), 'a');
    for (char& c : bytes) c = kAlphabet[pick(0, 7)];
    return bytes;
  };
  const auto normalised = [](const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      text += bytes[i] == '\r' || bytes[i] == '\n' ? std::string("\r\n") : std::string(1, bytes[i]);
    }
    return text;
  };
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\r\n";
  std::string unrecorded = text;
  TextDocument document;
  document.LoadText(text);
  for (int step = 0; step < 8000; ++step) {
    const auto length = static_cast<Position>(text.size());
    const Position start = document.SelectionStart();
    const Position end = document.SelectionEnd();
    Position anchor = document.Anchor();
    Position caret = document.Caret();
    // Every edit leaves the caret after its new text and nothing selected.
    const auto replace = [&](Position from, Position to, const std::string& inserted) {
      text.replace(from, to - from, inserted);
      anchor = caret = from + static_cast<Position>(inserted.size());
    };
    const auto snap = [&](Position pos) {
      pos = std::clamp<Position>(pos, 0, length);
      return pos < length && text[pos] == '\n' ? pos - 1 : pos;
    };
    // Every other pick lands near the end, where the last lines need care.
    const auto near_end = [&](int size) {
      return pick(0, 1) == 0 ? size - pick(-2, 12) : pick(-2, size + 2);
    };
    const std::vector<Position> starts = NaiveLineStarts(text);
    const int line = near_end(static_cast<int>(starts.size()));
    const bool line_exists = line >= 0 && line < static_cast<int>(starts.size());
    const Position line_start = line_exists ? starts[line] : 0;
    const bool next_line_exists = line_exists && line + 1 < static_cast<int>(starts.size());
    const Position next_line = next_line_exists ? starts[line + 1] : -1;
    const std::string bytes = some_bytes(pick(0, 3) == 0 ? 12 : 3);
    // Typing and pasting outweigh deleting until the text is long.
    switch (pick(0, length > 1500 ? 17 : 15)) {
      case 0:
      case 1:
      case 2: {
        const int new_anchor = near_end(static_cast<int>(length));
        const int new_caret = pick(0, 3) == 0 ? new_anchor + pick(-20, 20) : new_anchor;
        document.SetSelection(new_anchor, new_caret);
        anchor = snap(new_anchor);
        caret = snap(new_caret);
        break;
      }
      case 3:
      case 4:
      case 5:
      case 6:
      case 7: {
        const bool overwrite = pick(0, 2) == 0;
        document.TypeText(bytes, overwrite);
        const std::string typed = normalised(bytes);
        if (typed.empty()) break;  // typing nothing keeps the selection
        Position replaced_end = end;
        if (overwrite && start == end) {
          const auto line_end =
              static_cast<Position>(std::min(text.find('\r', start), text.size()));
          const auto before_break = static_cast<Position>(std::min(typed.find('\r'), typed.size()));
          replaced_end = std::min(start + before_break, line_end);
        }
        replace(start, replaced_end, typed);
        break;
      }
      case 8:
        document.Backspace();
        if (start < end) {
          replace(start, end, "");
        } else if (start > 0) {
          replace(start - (text[start - 1] == '\n' ? 2 : 1), start, "");
        }
        break;
      case 9:
        document.DeleteForward();
        if (start < end) {
          replace(start, end, "");
        } else if (start < length) {
          replace(start, start + (text[start] == '\r' ? 2 : 1), "");
        }
        break;
      case 10:
      case 11:
      case 12:
        document.PasteText(bytes);
        replace(start, end, normalised(bytes));
        break;
      case 13: {
        int undone = 0;
        for (; document.CanUndo(); ++undone) document.UndoEditor();
        ASSERT_EQ(document.Text(), unrecorded) << step;
        for (; undone > 0; --undone) document.Redo();
        ASSERT_EQ(document.Text(), text) << step;
        // Leave a step or two to redo, for the edits that follow to drop.
        for (int i = pick(0, 2); i > 0; --i) document.UndoEditor();
        text = document.Text();
        anchor = document.Anchor();
        caret = document.Caret();
        break;
      }
      case 14:
        document.ReplaceEditorLine(line, bytes);
        if (line_exists) {
          // The same bytes again change nothing, so the history stays.
          const std::string before = text;
          replace(line_start, next_line < 0 ? length : next_line - 2, normalised(bytes));
          if (text != before) unrecorded = text;
        }
        break;
      default:
        document.DeleteEditorLine(line);
        if (line_exists) {
          const std::string before = text;
          replace(line_start, next_line < 0 ? length : next_line, "");
          if (text != before) unrecorded = text;
        }
        break;
    }
    ASSERT_EQ(document.Text(), text) << "step " << step;
    ASSERT_EQ(document.Anchor(), anchor) << "step " << step;
    ASSERT_EQ(document.Caret(), caret) << "step " << step;
    ASSERT_NO_FATAL_FAILURE(ExpectConsistent(document)) << "step " << step;
  }
}

}  // namespace
}  // namespace tarnpad
