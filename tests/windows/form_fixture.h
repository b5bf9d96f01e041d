#pragma once

// A real main window with scripted surroundings, its program folder and a
// scratch folder for documents, both removed afterwards.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "editor/text_view.h"
#include "navigation/fragments_tab.h"
#include "navigation/navigation_panel.h"
#include "scripted_seams.h"
#include "settings/settings_page.h"
#include "tools/tools_panel.h"
#include "ui/main_form.h"
#include "window/controls.h"
#include "window/status_bar.h"
#include "window/tabbed_notebook.h"
#include "window/tool_bar.h"

namespace tarnpad {

class FormFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    root_ = std::filesystem::temp_directory_path() /
            ("tarnpad-form-" + std::to_string(GetCurrentProcessId()));
    program_dir_ = root_ / L"program";
    folder_ = root_ / L"документы";
    std::filesystem::create_directories(program_dir_);
    std::filesystem::create_directories(folder_);
  }

  void TearDown() override {
    form_.reset();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  MainForm& Start(const std::filesystem::path& argument = {}) {
    form_ = std::make_unique<MainForm>(surroundings_.seams(program_dir_ / L""), argument.wstring());
    return *form_;
  }

  std::filesystem::path WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

  // A control of the running window, found by its identifier in the window
  // tree as a user's tools would find it.
  template <typename T>
  T& Find(int id) const {
    T* found = dynamic_cast<T*>(Control::FromHandle(FindWindowById(form_->Handle(), id)));
    if (found == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return *found;
  }

  // One of the program's own text views (the editor, the fragment excerpt).
  TextView& View(int id) const {
    TextView* found = TextView::ObjectOf(FindWindowById(form_->Handle(), id));
    if (found == nullptr) throw std::runtime_error("no text view " + std::to_string(id));
    return *found;
  }
  TextView& Editor() const { return View(MainForm::kEditorId); }
  ListBox& NavigationList() const { return Find<ListBox>(NavigationPanel::kListId); }
  Edit& Notepad() const { return Find<Edit>(ToolsPanel::kNotepadId); }
  TabbedNotebook& ToolTabs() const { return Find<TabbedNotebook>(ToolsPanel::kTabsId); }

  // The metrics of the font the control draws with.
  static TEXTMETRICW FontMetrics(HWND control) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous =
        SelectObject(screen, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics;
  }

  // Whether the control's font draws every character the same width (the
  // flag's name says the opposite of what it means).
  static bool HasMonospacedFont(HWND control) {
    return (FontMetrics(control).tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
  }

  // Characters typed into the editor at its caret.
  void Type(const std::wstring& text) {
    for (wchar_t c : text) SendMessageW(Editor().Handle(), WM_CHAR, c, 0);
  }

  bool SaveEnabled() const {
    return (GetMenuState(GetMenu(form_->Handle()), kCmdFileSave, MF_BYCOMMAND) & MF_GRAYED) == 0;
  }

  std::wstring Panel(int index) const {
    return Find<StatusBar>(MainForm::kStatusBarId).PanelText(index);
  }

  // The dialog's next answer: this path, or a cancel.
  void WillChoose(const std::filesystem::path& path, int filter_index = 1) {
    surroundings_.file_dialogs.results.push_back(FileDialogResult{path, filter_index});
  }

  ScriptedSurroundings surroundings_;
  std::filesystem::path root_;
  std::filesystem::path program_dir_;
  std::filesystem::path folder_;
  std::unique_ptr<MainForm> form_;
};

}  // namespace tarnpad
