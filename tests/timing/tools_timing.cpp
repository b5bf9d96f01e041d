// Times the line commands of the running main window on a generated
// 100 000-line document whose lines are all selected: indenting, outdenting
// and replace-all, each with the status bar and the view following every
// rewritten line. Prints one figure per line; not a test.
//
//   tarnpad_tools_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "ui/main_form.h"
#include "ui/windows_seams.h"

namespace {

double Milliseconds(const std::function<void()>& step) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  step();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, double milliseconds) {
  std::printf("%-56s %10.2f ms\n", what, milliseconds);
  std::fflush(stdout);
}

// About 50 bytes a line, Cyrillic and a tab in each.
std::string ManyLines(int lines) {
  std::string text;
  char line[96];
  for (int i = 0; i < lines; ++i) {
    const int length = std::snprintf(
        line, sizeof(line), "\xd1\xf2\xf0\xee\xea\xe0 %07d:\tabcdefghij klmnopqrs %08x\r\n", i,
        static_cast<unsigned>(i) * 2654435761U);
    text.append(line, static_cast<std::size_t>(length));
  }
  return text;
}

}  // namespace

int wmain() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  tarnpad::WindowsMessageBoxes boxes;
  tarnpad::WindowsFileDialogs file_dialogs;
  tarnpad::WindowsClock clock;
  tarnpad::WindowsShell shell;
  tarnpad::SystemRandomSource random;
  tarnpad::Seams seams{&boxes, &file_dialogs, &clock,
                       &shell, &random,       std::filesystem::temp_directory_path()};
  tarnpad::MainForm form(seams, L"");
  form.Show(SW_SHOWNORMAL);
  tarnpad::TextDocument& document = form.RichEdit->Document();
  const auto command = [&](UINT id) {
    SendMessageW(form.Handle(), WM_COMMAND, id, 0);
    UpdateWindow(form.Handle());
  };

  document.LoadText(ManyLines(100000));
  document.SelectAll();
  Report("indent 100 000 selected lines by two spaces",
         Milliseconds([&] { command(tarnpad::kCmdIndent2); }));
  document.SelectAll();
  Report("outdent them again", Milliseconds([&] { command(tarnpad::kCmdOutdent2); }));
  form.Replace_From_Edit->SetText(L"klm");
  form.Replace_To_Edit->SetText(L"KLM");
  Report("replace-all with a hit on each of the 100 000 lines",
         Milliseconds([&] { form.Replace_All_Button->onClick(); }));
  return document.Length() > 0 ? 0 : 1;
}
