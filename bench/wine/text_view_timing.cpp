// Times the edit control on large generated documents in a real window:
// opening and painting, jumps, scrolling, typing, copying everything, and a
// file that is one 10 MB line. Prints one figure per line; not a test.
//
//   tarnpad_text_view_timing.exe [FOLDER]   (the generated files go there; default %TEMP%)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/document_file.h"
#include "editor/clipboard.h"
#include "editor/text_view.h"
#include "timing.h"

namespace {

using tarnpad::TextView;
using tarnpad::timing::Milliseconds;

// Runs step repeats times and prints the median and the slowest run: the
// median says what the step costs, the slowest what a busy machine adds.
// After each run comes the untimed settle, when given.
void Report(const char* what, int repeats, const std::function<void()>& step,
            const std::function<void()>& settle = nullptr) {
  std::vector<double> runs;
  for (int i = 0; i < repeats; ++i) {
    runs.push_back(Milliseconds(step));
    if (settle) settle();
  }
  std::sort(runs.begin(), runs.end());
  std::printf("%-44s %3dx  median %8.2f ms  slowest %8.2f ms\n", what, repeats,
              runs[runs.size() / 2], runs.back());
  std::fflush(stdout);
}

void WriteOneLongLine(const std::filesystem::path& path, std::size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() < bytes) text += "0123456789\xc0\xc1\xc2\xc3\xc4\xc5 \tabcdef ";
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(bytes));
}

class Harness {
 public:
  Harness() {
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof(frameClass);
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"TimingFrame";
    RegisterClassExW(&frameClass);
    frame_ = CreateWindowExW(0, frameClass.lpszClassName, L"Timing", WS_POPUP | WS_VISIBLE, 0, 0,
                             1000, 720, nullptr, nullptr, frameClass.hInstance, nullptr);
    tarnpad::TextViewArgs args;
    args.parent = frame_;
    args.bounds = {0, 0, 1000, 720};
    view_ = std::make_unique<TextView>(args);
    SetFocus(view_->Handle());
    Repaint();
  }
  ~Harness() {
    view_.reset();
    DestroyWindow(frame_);
  }

  TextView& View() { return *view_; }

  // Paints what the last step invalidated and waits for the drawing.
  void Repaint() {
    UpdateWindow(view_->Handle());
    GdiFlush();
  }
  void Key(UINT virtualKey, bool ctrl) {
    SetCtrl(ctrl);
    SendMessageW(view_->Handle(), WM_KEYDOWN, virtualKey, 1);
    SendMessageW(view_->Handle(), WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
    SetCtrl(false);
    Repaint();
  }
  void Character(wchar_t ch, bool ctrl) {
    SetCtrl(ctrl);
    SendMessageW(view_->Handle(), WM_CHAR, ch, 1);
    SetCtrl(false);
    Repaint();
  }
  void Message(UINT message, WPARAM wparam) {
    SendMessageW(view_->Handle(), message, wparam, 0);
    Repaint();
  }

 private:
  static void SetCtrl(bool down) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(state);
  }

  HWND frame_ = nullptr;
  std::unique_ptr<TextView> view_;
};

void TimeManyLines(Harness& harness, const std::filesystem::path& path) {
  TextView& view = harness.View();
  tarnpad::TextDocument& document = view.Document();
  Report("open 1 000 000 lines, paint the first screen", 3, [&] {
    tarnpad::LoadEditorText(document, path);
    harness.Repaint();
  });
  Report("Ctrl+End, then Ctrl+Home (two jumps)", 5, [&] {
    harness.Key(VK_END, true);
    harness.Key(VK_HOME, true);
  });
  Report("PgDn", 50, [&] { harness.Key(VK_NEXT, false); });
  Report("wheel step down", 50,
         [&] { harness.Message(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)); });
  Report("ScrollLineToTop, to the middle and back", 10, [&] {
    view.ScrollLineToTop(view.FirstVisibleLine() == 0 ? document.PhysicalLineCount() / 2 : 0);
    harness.Repaint();
  });
  document.SetCaret(document.LineStart(500000) + 12);
  harness.Character(L'x', false);
  Report("typed character mid-document", 50, [&] { harness.Character(L'y', false); });
  Report("Enter mid-document", 20, [&] { harness.Character(L'\r', false); });
  Report("Backspace mid-document", 20, [&] { harness.Character(L'\b', false); });
  // The copy's text is converted in the background; the settle waits for
  // it, as a program pasting the text would.
  Report(
      "Ctrl+A, Ctrl+C, then Ctrl+Home", 3,
      [&] {
        harness.Character(1, true);
        harness.Character(3, true);
        harness.Key(VK_HOME, true);
      },
      [&] { tarnpad::ClipboardText(view.Handle()); });
  Report("Ctrl+A, Ctrl+C, then a pasting program's wait", 3, [&] {
    harness.Character(1, true);
    harness.Character(3, true);
    tarnpad::ClipboardText(view.Handle());
  });
}

void TimeOneLongLine(Harness& harness, const std::filesystem::path& path) {
  TextView& view = harness.View();
  tarnpad::TextDocument& document = view.Document();
  Report("open one 10 MB line, paint", 3, [&] {
    tarnpad::LoadEditorText(document, path);
    harness.Repaint();
  });
  Report("sideways page right", 50, [&] { harness.Message(WM_HSCROLL, SB_PAGEDOWN); });
  Report("sideways wheel step", 50,
         [&] { harness.Message(WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA)); });
  Report("End, then Home, on the line (two jumps)", 5, [&] {
    harness.Key(VK_END, false);
    harness.Key(VK_HOME, false);
  });
  document.SetCaret(document.Length() / 2);
  harness.Character(L'x', false);
  Report("typed character mid-line", 20, [&] { harness.Character(L'y', false); });
  Report("Left arrow mid-line", 20, [&] { harness.Key(VK_LEFT, false); });
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::filesystem::path manyLines = folder / L"timing-many-lines.txt";
  const std::filesystem::path longLine = folder / L"timing-long-line.txt";
  tarnpad::timing::WriteManyLines(manyLines, 1000000);
  WriteOneLongLine(longLine, 10 * 1000 * 1000);
  std::printf("%s: %lld bytes\n", manyLines.string().c_str(),
              static_cast<long long>(std::filesystem::file_size(manyLines)));

  Harness harness;
  TimeManyLines(harness, manyLines);
  TimeOneLongLine(harness, longLine);
  std::filesystem::remove(manyLines);
  std::filesystem::remove(longLine);
  return 0;
}
