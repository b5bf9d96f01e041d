// Times the line commands of the running main window on a generated
// 100 000-line document whose lines are all selected: indenting, outdenting
// and replace-all, each with the status bar and the view following every
// rewritten line. Prints one figure per line; not a test.
//
//   tarnpad_tools_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <filesystem>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "timing.h"
#include "tools/tools_panel.h"
#include "ui/main_form.h"
#include "window/windows_seams.h"

using tarnpad::timing::Milliseconds;
using tarnpad::timing::Report;

int wmain() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  tarnpad::WindowsSurroundings surroundings;
  tarnpad::MainForm form(surroundings.seams(std::filesystem::temp_directory_path()), L"");
  form.Show(SW_SHOWNORMAL);
  HWND window = form.Handle();
  tarnpad::TextDocument& document =
      tarnpad::TextView::ObjectOf(tarnpad::FindWindowById(window, tarnpad::MainForm::kEditorId))
          ->Document();
  const auto control = [window](int id) {
    return tarnpad::Control::FromHandle(tarnpad::FindWindowById(window, id));
  };
  const auto command = [&](UINT id) {
    SendMessageW(form.Handle(), WM_COMMAND, id, 0);
    UpdateWindow(form.Handle());
  };

  document.LoadText(tarnpad::timing::ManyLines(100000));
  document.SelectAll();
  Report("indent 100 000 selected lines by two spaces",
         Milliseconds([&] { command(tarnpad::kCmdIndent2); }));
  document.SelectAll();
  Report("outdent them again", Milliseconds([&] { command(tarnpad::kCmdOutdent2); }));
  control(tarnpad::ToolsPanel::kReplaceFromId)->SetText(L"klm");
  control(tarnpad::ToolsPanel::kReplaceToId)->SetText(L"KLM");
  auto* replace_all = dynamic_cast<tarnpad::Button*>(control(tarnpad::ToolsPanel::kReplaceAllId));
  Report("replace-all with a hit on each of the 100 000 lines",
         Milliseconds([&] { replace_all->onClick(); }));
  return document.Length() > 0 ? 0 : 1;
}
