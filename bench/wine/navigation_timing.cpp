// Times the navigation toggle (F4) of the shown main window on generated
// documents of 1 000 000 lines with a label line every 500th line, every 10th
// line and on every line: the first showing (full scan and filling the list),
// hiding, showing again with the list kept, and the rescan by hand. Every
// figure includes painting the window. Prints one figure per line; not a test.
//
//   tarnpad_navigation_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "navigation/entry_list_win.h"
#include "navigation/navigation_panel.h"
#include "navigation/section_scanner.h"
#include "timing.h"
#include "ui/main_form.h"
#include "window/windows_seams.h"

namespace {

using tarnpad::MainForm;
using tarnpad::timing::Milliseconds;
using tarnpad::timing::Report;

constexpr int kLines = 1'000'000;

// About 50 bytes a line, Cyrillic in each; every marker_spacing-th line is a
// label line.
std::string MarkedDocument(int marker_spacing) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kLines) * 52);
  char line[96];
  for (int i = 0; i < kLines; ++i) {
    const int length =
        i % marker_spacing == 0
            ? std::snprintf(line, sizeof(line), "// label \xD0\xE0\xE7\xE4\xE5\xEB %07d\r\n", i)
            : std::snprintf(line, sizeof(line),
                            "\xF1\xF2\xF0\xEE\xEA\xE0 %07d:\tabcdefghij %08x\r\n", i,
                            static_cast<unsigned>(i) * 2654435761U);
    text.append(line, static_cast<std::size_t>(length));
  }
  return text;
}

void PressF4(MainForm& form) {
  SendMessageW(form.Handle(), WM_COMMAND, tarnpad::kCmdNavigation, 0);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TimeToggle(MainForm& form, int marker_spacing) {
  tarnpad::TextDocument& document =
      tarnpad::TextView::ObjectOf(tarnpad::FindWindowById(form.Handle(), MainForm::kEditorId))
          ->Document();
  auto& list = *dynamic_cast<tarnpad::ListBox*>(tarnpad::Control::FromHandle(
      tarnpad::FindWindowById(form.Handle(), tarnpad::NavigationPanel::kListId)));
  document.LoadText(MarkedDocument(marker_spacing));
  list.Clear();
  const std::string entries = std::to_string(kLines / marker_spacing) + " entries";
  Report("F4 first showing: scan and fill, " + entries, Milliseconds([&] { PressF4(form); }));
  Report("F4 hiding, " + entries, Milliseconds([&] { PressF4(form); }));
  Report("F4 showing again, list kept, " + entries, Milliseconds([&] { PressF4(form); }));
  Report("rescan by hand, " + entries, Milliseconds([&] {
           form.Navigation().Recount();
           RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         }));
  PressF4(form);
  std::vector<std::string> scanned;
  Report("  of which the full scan, " + entries,
         Milliseconds([&] { scanned = tarnpad::ScanSections(document); }));
  Report("  of which filling the list, " + entries,
         Milliseconds([&] { tarnpad::ShowEntries(list, scanned); }));
}

}  // namespace

int wmain() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  tarnpad::WindowsSurroundings surroundings;
  MainForm form(surroundings.seams(std::filesystem::temp_directory_path()), L"");
  form.Show(SW_SHOWNORMAL);
  for (int spacing : {500, 10, 1}) TimeToggle(form, spacing);
  return 0;
}
