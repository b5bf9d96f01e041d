// Times the main window on a generated 1 000 000-line document: opening it,
// selecting everything and moving the caret with a huge selection (the
// status bar follows each step synchronously). Prints one figure per line;
// not a test.
//
//   tarnpad_main_window_timing.exe [FOLDER]   (the document goes there; default %TEMP%)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
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
  // The first edit after loading, in the middle, shown there first (not
  // timed) as a user would have scrolled to it.
  const std::int64_t middle = document.PhysicalLineCount() / 2;
  document.SetCaret(document.LineStart(middle));
  view.ScrollLineToTop(middle - 10);
  UpdateWindow(form.Handle());
  Report("first keystroke, in the middle, repaint included", Milliseconds([&] {
           SendMessageW(editor, WM_CHAR, L'x', 0);
           UpdateWindow(form.Handle());
         }));
  // A jump with Ctrl+End or Ctrl+Home (scrolled and painted, not timed),
  // then a typed character: the gap and the line starts' pending shift move
  // over the whole text.
  const auto jump = [&](UINT key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(editor, WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    UpdateWindow(form.Handle());
  };
  const auto type_character = [&] {
    SendMessageW(editor, WM_CHAR, L'x', 0);
    UpdateWindow(form.Handle());
  };
  jump(VK_END);
  Report("first keystroke after Ctrl+End, repaint included", Milliseconds(type_character));
  jump(VK_HOME);
  Report("first keystroke after Ctrl+Home, repaint included", Milliseconds(type_character));
  // The copy's conversion runs in the background; a caret move follows.
  Report("Ctrl+A, Ctrl+C, caret move (status bar, paint)", Milliseconds([&] {
           view.SelectAllText();
           view.CopySelection();
           SendMessageW(editor, WM_KEYDOWN, VK_RIGHT, 0);
           UpdateWindow(form.Handle());
         }));
  const std::filesystem::path copies = tarnpad::RecoveryFolder();
  const auto copy_written = [&] {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(copies, ignored)) {
      if (entry.path().extension() == ".note") return true;
    }
    return false;
  };
  // Each attempt runs on the interface thread; until the room for the copy
  // is made in the background, an attempt only checks and returns.
  double pause = 0;
  Report("recovery copy, from the edit to the copy on disk", Milliseconds([&] {
           while (!copy_written()) {
             pause =
                 std::max(pause, Milliseconds([&] { form.DocumentFiles().WriteRecoveryCopy(); }));
             Sleep(10);
           }
         }));
  Report("  longest pause of the interface thread", pause);
  std::error_code ignored;
  // Save against the plainest write of the same bytes: one file, flushed.
  const std::string bytes = document.Text();
  Report("Ctrl+S (save as the program saves)",
         Milliseconds([&] { form.DocumentFiles().MM_File_SaveClick(); }));
  Report("  the same bytes written once and flushed", Milliseconds([&] {
           const HANDLE file =
               CreateFileW((folder / L"tarnpad-plain-write.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
           DWORD written = 0;
           WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
           FlushFileBuffers(file);
           CloseHandle(file);
         }));
  std::filesystem::remove(folder / L"tarnpad-plain-write.txt", ignored);
  HWND status_bar = tarnpad::FindWindowById(form.Handle(), tarnpad::MainForm::kStatusBarId);
  const auto* panels = dynamic_cast<tarnpad::StatusBar*>(tarnpad::Control::FromHandle(status_bar));
  std::printf("status panel 3 holds %zu characters\n", panels->PanelText(3).size());
  std::filesystem::remove(path, ignored);
  return 0;
}
