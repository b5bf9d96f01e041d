// The edit control in a real window, driven by the messages that the system
// sends for keys, characters and the mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/win1251.h"
#include "editor/clipboard.h"
#include "editor/text_view.h"
#include "editor/view_font.h"
#include "put_on_clipboard.h"
#include "window/dpi.h"

namespace tarnpad {
namespace {

constexpr wchar_t CtrlLetter(char letter) {
  return static_cast<wchar_t>(letter - 'A' + 1);
}

// Makes GetKeyState report the given keys held while it lives.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<BYTE> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    for (const BYTE key : keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

std::string Rows(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

class TextViewTest : public ::testing::Test {
 protected:
  // One shown frame for every test: hiding a top-level window costs a wait
  // for the X server under Wine.
  static void SetUpTestSuite() {
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof(frameClass);
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"TextViewTestFrame";
    RegisterClassExW(&frameClass);
    frame_ = CreateWindowExW(0, frameClass.lpszClassName, L"Test", WS_OVERLAPPEDWINDOW, 0, 0, 500,
                             400, nullptr, nullptr, frameClass.hInstance, nullptr);
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
  }
  static void TearDownTestSuite() { DestroyWindow(frame_); }

  TextViewTest() {
    TextViewArgs args;
    args.parent = frame_;
    args.bounds = {0, 0, 400, 300};
    view_ = std::make_unique<TextView>(args);
    view_->onSelectionChanged = [this] { seen_.push_back(Doc().CaretPoint()); };
  }

  TextDocument& Doc() { return view_->Document(); }
  LRESULT Send(UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageW(view_->Handle(), message, wparam, lparam);
  }
  void Key(UINT virtualKey, std::initializer_list<BYTE> held = {}) {
    const HeldKeys keys(held);
    Send(WM_KEYDOWN, virtualKey, 1);
    Send(WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
  }
  // What the system delivers for a Ctrl+letter: the key and its control character.
  void CtrlKey(char letter) {
    const HeldKeys keys{VK_CONTROL};
    Send(WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
    Send(WM_CHAR, CtrlLetter(letter), 1);
    Send(WM_KEYUP, static_cast<WPARAM>(letter), static_cast<LPARAM>(0xC0000001));
  }
  void Type(std::wstring_view text) {
    for (const wchar_t ch : text) Send(WM_CHAR, ch, 1);
  }
  void Load(std::string_view text) {
    Doc().LoadText(std::string(text));
    seen_.clear();
  }

  static inline HWND frame_ = nullptr;
  std::unique_ptr<TextView> view_;
  std::vector<CaretPoint> seen_;  // CaretPoint at each selection event
};

TEST_F(TextViewTest, TypingInsertsAndOverwriteModeReplaces) {
  Type(L"abc\tжЁ");
  Send(WM_CHAR, L'\r', 1);
  Type(L"x\U0001F600y€");
  EXPECT_EQ(Doc().Text(), "abc\t\xE6\xA8\r\nx?y\x88");

  Key(VK_HOME, {VK_CONTROL});
  Key(VK_INSERT);
  EXPECT_TRUE(view_->OverwriteMode());
  Type(L"XY");
  Key(VK_END);
  Type(L"Z");  // at the end of the line overwriting becomes inserting
  EXPECT_EQ(Doc().Text(), "XYc\t\xE6\xA8Z\r\nx?y\x88");
  Key(VK_INSERT);
  EXPECT_FALSE(view_->OverwriteMode());

  Key(VK_DOWN);
  Key(VK_HOME);
  Send(WM_CHAR, L'\b', 1);  // joins the lines: the pair goes as one
  Key(VK_DELETE);
  EXPECT_EQ(Doc().Text(), "XYc\t\xE6\xA8Z?y\x88");
}

TEST_F(TextViewTest, ShiftArrowsSelectAndABackwardSelectionReportsItsLaterEnd) {
  Load("line 0\r\nline 1\r\nline 2\r\nline 3\r\nline 4\r\nline 5");
  Doc().SetCaret(Doc().LineStart(2) + 3);
  Key(VK_DOWN, {VK_SHIFT});
  Key(VK_DOWN, {VK_SHIFT});
  Key(VK_LEFT, {VK_SHIFT});
  Key(VK_LEFT, {VK_SHIFT});
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{1, 4}));
  EXPECT_EQ(Doc().SelectionLength(), 2 * 8 - 2);
  EXPECT_EQ(seen_.back(), (CaretPoint{1, 4}));

  // From column 1 of line 4 up to column 3 of line 2: the caret blinks at
  // the start, CaretPoint still names the end.
  Doc().SetCaret(Doc().LineStart(4) + 1);
  Key(VK_UP, {VK_SHIFT});
  Key(VK_UP, {VK_SHIFT});
  Key(VK_RIGHT, {VK_SHIFT});
  Key(VK_RIGHT, {VK_SHIFT});
  EXPECT_EQ(Doc().Caret(), Doc().LineStart(2) + 3);
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{1, 4}));
  EXPECT_EQ(Doc().SelectionText(), "e 2\r\nline 3\r\nl");

  // Without Shift the arrows first collapse the selection to its edge.
  Key(VK_RIGHT);
  EXPECT_EQ(Doc().Caret(), Doc().LineStart(4) + 1);
  Key(VK_RIGHT, {VK_CONTROL, VK_SHIFT});
  Key(VK_END, {VK_SHIFT});
  EXPECT_EQ(Doc().SelectionText(), "ine 4");
}

TEST_F(TextViewTest, VerticalMovesKeepTheirColumnAcrossShortLinesAndTabs) {
  Load("0123456789ab\r\nxy\r\n\tz\r\n0123456789ab");
  Doc().SetCaret(10);
  Key(VK_DOWN);
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{2, 1}));  // the end of the short line
  Key(VK_DOWN);
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{2, 2}));  // after the tab, column 8 on screen
  Key(VK_DOWN);
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{10, 3}));
  Key(VK_END, {VK_CONTROL});
  Key(VK_UP);
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{2, 2}));
}

TEST_F(TextViewTest, UndoTakesBackTypingButNeverReachesAcrossReplaceEditorLine) {
  Load("first\r\nsecond");
  Key(VK_END, {VK_CONTROL});
  Type(L"123");
  CtrlKey('Z');
  EXPECT_EQ(Doc().Text(), "first\r\nsecond");
  CtrlKey('Y');
  EXPECT_EQ(Doc().Text(), "first\r\nsecond123");

  Type(L"45");
  Doc().ReplaceEditorLine(0, "one");
  CtrlKey('Z');
  view_->UndoEditor();
  EXPECT_EQ(Doc().Text(), "one\r\nsecond12345");
}

TEST_F(TextViewTest, CyrillicTextMakesARoundTripThroughTheClipboard) {
  const std::string cyrillic = EncodeText(L"Съешь же ещё этих мягких булок\r\n№ «1»");
  Load(cyrillic);
  view_->SelectAllText();
  CtrlKey('C');

  ASSERT_TRUE(OpenClipboard(frame_));
  const auto* wide = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(std::wstring(wide), L"Съешь же ещё этих мягких булок\r\n№ «1»");
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  // A program that asks for 8-bit text gets the Windows-1251 bytes.
  const auto* narrow = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(std::string(narrow), cyrillic);
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();

  Key(VK_END, {VK_CONTROL});
  Key(VK_INSERT, {VK_SHIFT});
  EXPECT_EQ(Doc().Text(), cyrillic + cyrillic);

  // Cut and paste again: the text comes back, line breaks of any kind as CR LF.
  Doc().SelectAll();
  Key(VK_DELETE, {VK_SHIFT});
  EXPECT_EQ(Doc().Text(), "");
  CtrlKey('V');
  EXPECT_EQ(Doc().Text(), cyrillic + cyrillic);
}

// A selection longer than a megabyte goes to the clipboard as a promise: its
// text is converted in the background and handed over when asked for. Edits
// made meanwhile do not reach it, and closing the window hands it over.
TEST_F(TextViewTest, ALongCopyIsHandedOverWhenAskedFor) {
  std::string text;
  while (text.size() < 3'000'000) text += EncodeText(L"строка ") + Rows(1);
  Load(text);
  Doc().SetCaret(1'500'000);
  Doc().TypeText("~");  // the gap now lies inside what gets copied
  const std::string expected = Doc().TextRange(1000, Doc().Length() - 1000);

  Doc().SetSelection(1000, Doc().Length() - 1000);
  CtrlKey('C');
  Doc().TypeText("x");  // replaces the whole selection
  EXPECT_EQ(ClipboardText(frame_).value_or(L"<none>"), DecodeText(expected));
  EXPECT_EQ(Doc().Length(), 2001);

  // A short copy replaces a pending long one.
  Load(text);
  view_->SelectAllText();
  CtrlKey('C');
  Doc().SetSelection(0, 3);
  CtrlKey('C');
  EXPECT_EQ(ClipboardText(frame_).value_or(L"<none>"), DecodeText(text.substr(0, 3)));

  // Nobody asked before the window went: it hands the text over as it goes.
  view_->SelectAllText();
  CtrlKey('C');
  view_.reset();
  EXPECT_EQ(ClipboardText(frame_).value_or(L"<none>"), DecodeText(text));
}

TEST_F(TextViewTest, PastedBreaksBecomeCrLfAndUnknownCharactersQuestionMarks) {
  PutOnClipboard(frame_, L"a\nb\rc\r\nd 中\U0001F600");

  view_->PasteClipboard();
  EXPECT_EQ(Doc().Text(), "a\r\nb\r\nc\r\nd ??");
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{4, 3}));
}

TEST_F(TextViewTest, ScrollLineToTopMovesOnlyTheView) {
  Load(Rows(100));
  Doc().SetSelection(Doc().LineStart(50) + 2, Doc().LineStart(51));
  SetFocus(view_->Handle());
  const HWND focus = GetFocus();
  seen_.clear();

  view_->ScrollLineToTop(10);
  EXPECT_EQ(view_->FirstVisibleLine(), 10);
  view_->ScrollLineToTop(1000000);
  const std::int64_t bottom = view_->FirstVisibleLine();
  EXPECT_GT(bottom, 10);
  view_->ScrollLineToTop(bottom + 1);
  EXPECT_EQ(view_->FirstVisibleLine(), bottom);  // as far down as it goes
  view_->ScrollLineToTop(0);
  EXPECT_EQ(view_->FirstVisibleLine(), 0);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_GT(view_->FirstVisibleLine(), 0);

  EXPECT_EQ(Doc().Anchor(), Doc().LineStart(50) + 2);
  EXPECT_EQ(Doc().Caret(), Doc().LineStart(51));
  EXPECT_EQ(view_->FirstVisibleColumn(), 0);
  EXPECT_EQ(GetFocus(), focus);
  EXPECT_TRUE(seen_.empty());  // scrolling raises no selection event

  Load("1\r\n2\r\n3\r\n4\r\n5");
  view_->ScrollLineToTop(3);
  EXPECT_EQ(view_->FirstVisibleLine(), 0);  // five lines fit on one page
}

TEST_F(TextViewTest, TheSelectionEventArrivesBeforeTheOperationReturns) {
  Load("a\r\nb\r\nc");
  Doc().ReplaceEditorLine(1, "xyz");
  ASSERT_EQ(seen_.size(), 1U);
  EXPECT_EQ(seen_.back(), (CaretPoint{3, 1}));

  Type(L"!");
  EXPECT_EQ(seen_.back(), (CaretPoint{4, 1}));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(seen_.back(), (CaretPoint{0, 0}));
  view_->SelectAllText();
  EXPECT_EQ(seen_.back(), (CaretPoint{1, 2}));
  view_->DeleteSelection();
  EXPECT_EQ(seen_.back(), (CaretPoint{0, 0}));
  EXPECT_EQ(seen_.size(), 5U);
}

TEST_F(TextViewTest, KeyPressComesForCtrlCWithoutChangingTheText) {
  Load("copy me");
  std::vector<wchar_t> pressed;
  view_->onKeyPress = [&](wchar_t ch) {
    pressed.push_back(ch);
    EXPECT_EQ(Doc().Text(), "copy me");  // before the view acts on it
  };
  Doc().SetSelection(0, 4);
  CtrlKey('C');
  Key(VK_DELETE);  // no character: no key press
  EXPECT_EQ(pressed, std::vector<wchar_t>{CtrlLetter('C')});
  EXPECT_EQ(Doc().Text(), " me");
  view_->onKeyPress = nullptr;
  view_->PasteClipboard();
  EXPECT_EQ(Doc().Text(), "copy me");
}

TEST_F(TextViewTest, MouseClicksPlaceTheCaretAndSelectWords) {
  Load(EncodeText(L"alpha привет\r\nsecond line"));
  const ViewFont font(ScreenDpi());
  const auto at = [&font](int column, int row, int offset) {
    return MAKELPARAM(column * font.CharWidth() + offset, row * font.LineHeight() + 2);
  };
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(9, 0, 1));
  Send(WM_LBUTTONUP, 0, at(9, 0, 1));
  EXPECT_EQ(Doc().SelectionText(), EncodeText(L"привет"));

  // A click goes to the nearest character edge; Shift+click extends.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, at(3, 1, 1));
  Send(WM_LBUTTONUP, 0, at(3, 1, 1));
  EXPECT_EQ(Doc().CaretPoint(), (CaretPoint{3, 1}));
  {
    const HeldKeys shift{VK_SHIFT};
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at(2, 0, -2));
    Send(WM_LBUTTONUP, 0, at(2, 0, -2));
  }
  EXPECT_EQ(Doc().SelectionStart(), 2);
  EXPECT_EQ(Doc().SelectionEnd(), Doc().LineStart(1) + 3);

  std::vector<bool> menus;
  view_->onContextMenu = [&](POINT, bool fromKeyboard) { menus.push_back(fromKeyboard); };
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view_->Handle()), MAKELPARAM(100, 100));
  Key(VK_APPS);
  EXPECT_EQ(menus, (std::vector<bool>{false, true}));
}

TEST_F(TextViewTest, DraggingBelowTheViewSelectsAndKeepsScrolling) {
  Load(Rows(200));
  const ViewFont font(ScreenDpi());
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(font.CharWidth() * 2, 1));
  EXPECT_EQ(GetCapture(), view_->Handle());

  // Below the bottom edge the selection reaches past the last visible line
  // and the view follows it; while the button stays down the timer goes on.
  POINT below{font.CharWidth() * 2, 400};
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
  const std::int64_t firstScroll = view_->FirstVisibleLine();
  EXPECT_GT(firstScroll, 0);
  EXPECT_EQ(Doc().Anchor(), 2);
  EXPECT_GT(Doc().CaretPoint().Line, 300 / font.LineHeight());
  ClientToScreen(view_->Handle(), &below);
  SetCursorPos(below.x, below.y);
  Send(WM_TIMER, 1, 0);
  EXPECT_GT(view_->FirstVisibleLine(), firstScroll);
  EXPECT_GE(Doc().CaretPoint().Line, view_->FirstVisibleLine());

  Send(WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Doc().Anchor(), 2);
}

TEST_F(TextViewTest, ReadOnlyViewMovesAndCopiesButDoesNotEdit) {
  TextViewArgs args;
  args.parent = frame_;
  args.bounds = {0, 0, 200, 100};
  args.readOnly = true;
  TextView memo(args);
  memo.Document().LoadText("fixed text");
  const HWND window = memo.Handle();
  SendMessageW(window, WM_CHAR, L'x', 1);
  SendMessageW(window, WM_CHAR, L'\b', 1);
  SendMessageW(window, WM_KEYDOWN, VK_DELETE, 1);
  SendMessageW(window, WM_KEYDOWN, VK_END, 1);
  memo.PasteClipboard();
  memo.CutSelection();
  EXPECT_EQ(memo.Document().Text(), "fixed text");
  EXPECT_EQ(memo.Document().Caret(), 10);
  EXPECT_FALSE(memo.OverwriteMode());
}

}  // namespace
}  // namespace tarnpad
