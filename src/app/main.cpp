// Program entry: the main window, its surroundings, and the event loop.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/program_directory.h"
#include "ui/main_form.h"
#include "window/window_base.h"
#include "window/windows_seams.h"

namespace {

// The first command-line argument (the document to open), or empty.
std::wstring FirstArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring first = arguments && count > 1 ? arguments[1] : L"";
  LocalFree(arguments);
  return first;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  tarnpad::WindowsSurroundings surroundings;
  std::unique_ptr<tarnpad::MainForm> form;
  // Before there is a window, nothing of the user's is at stake: a failure
  // is said and the program ends.
  if (!tarnpad::RunGuarded([&] {
        form = std::make_unique<tarnpad::MainForm>(surroundings.seams(tarnpad::ProgramDirectory()),
                                                   FirstArgument());
      })) {
    return 1;
  }
  form->onDestroyed = [] { PostQuitMessage(0); };
  surroundings.SetOwner(form->Handle());
  form->Show(show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form->TranslateShortcut(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
