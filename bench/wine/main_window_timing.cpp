// Times the main window on a generated 1 000 000-line document: opening it,
// selecting everything and moving the caret with a huge selection (the
// status bar follows each step synchronously). Prints one figure per line;
// not a test.
//
//   tarnpad_main_window_timing.exe [FOLDER]   (the document goes there; default %TEMP%)
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "timing.h"
#include "ui/main_form.h"
#include "window/status_bar.h"
#include "window/windows_seams.h"

using tarnpad::timing::Milliseconds;
using tarnpad::timing::Report;

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::filesystem::path path = folder / L"tarnpad-main-window-timing.txt";
  tarnpad::timing::WriteManyLines(path, 1000000);

  tarnpad::WindowsSurroundings surroundings;
  tarnpad::MainForm form(surroundings.seams(folder), L"");
  form.Show(SW_SHOWNORMAL);
  HWND editor = tarnpad::FindWindowById(form.Handle(), tarnpad::MainForm::kEditorId);
  tarnpad::TextView& view = *tarnpad::TextView::ObjectOf(editor);
  tarnpad::TextDocument& document = view.Document();

  Report("open the document and paint", Milliseconds([&] {
           form.DocumentFiles().LoadDocument(path.wstring());
           UpdateWindow(form.Handle());
         }));
  Report("Ctrl+A (select all, status bar, paint)", Milliseconds([&] {
           view.SelectAllText();
           UpdateWindow(editor);
         }));
  Report("caret move keeping the huge selection", Milliseconds([&] {
           document.SetSelection(document.Anchor(), document.Caret() - 1);
           UpdateWindow(editor);
         }));
  Report("caret move that drops the selection", Milliseconds([&] {
           SendMessageW(editor, WM_KEYDOWN, VK_RIGHT, 0);
           UpdateWindow(editor);
         }));
  HWND status_bar = tarnpad::FindWindowById(form.Handle(), tarnpad::MainForm::kStatusBarId);
  const auto* panels = dynamic_cast<tarnpad::StatusBar*>(tarnpad::Control::FromHandle(status_bar));
  std::printf("status panel 3 holds %zu characters\n", panels->PanelText(3).size());
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return 0;
}
