#include "tools/line_rewrites.h"

#include <gtest/gtest.h>

#include "loaded_document.h"

namespace tarnpad {
namespace {

TEST(FrameSelectedLinesInEcho, TheCaretLineIsFramedTrimmedAndUnescaped) {
  LoadedDocument code("x\r\n  $a = 'b\\n';\t\r\n", 3, 3);
  FrameSelectedLinesInEcho(code);
  EXPECT_EQ(code.Text(), "x\r\necho '$a = 'b\\n';'.$br;\r\n");
  code.SetCaret(code.Length());
  FrameSelectedLinesInEcho(code);
  EXPECT_EQ(code.EditorLine(2), "echo ''.$br;");
}

TEST(FrameSelectedLinesInEcho, EachLineCountsWithItsEchoForm) {
  // 15 characters selected: "echo 'three'.$br;" alone uses them up.
  LoadedDocument short_lines("zero\r\none\r\ntwo\r\nthree", 6, 21);
  EXPECT_EQ(FrameSelectedLinesInEcho(short_lines), 1);

  // Three lines of 30 selected (94): 94 - 42 - 42 = 10 reaches the first.
  const std::string a(30, 'a'), b(30, 'b'), c(30, 'c');
  LoadedDocument long_lines("top\r\n" + a + "\r\n" + b + "\r\n" + c, 5, 99);
  EXPECT_EQ(FrameSelectedLinesInEcho(long_lines), 3);
  EXPECT_EQ(long_lines.Text(),
            "top\r\n" + EchoForm(a) + "\r\n" + EchoForm(b) + "\r\n" + EchoForm(c));
}

TEST(StripComments, KeepsTrimmedCodeAndDropsCommentsAndBlankLines) {
  LoadedDocument document("$a = 2;\r\n\r\n  # note\r\n    $x = 1; # set\r\n// old");
  EXPECT_EQ(StripComments(document), 3);
  EXPECT_EQ(document.Text(), "$a = 2;\r\n$x = 1; # set\r\n// old");
  EXPECT_EQ(document.Caret(), document.Length());

  LoadedDocument only_comments("# a\r\n\r\n \t\r\n#b\r\n");
  StripComments(only_comments);
  EXPECT_EQ(only_comments.Text(), "");

  LoadedDocument final_comment("\t/* a */ \r\n# end");
  StripComments(final_comment);
  EXPECT_EQ(final_comment.Text(), "/* a */\r\n");
}

}  // namespace
}  // namespace tarnpad
