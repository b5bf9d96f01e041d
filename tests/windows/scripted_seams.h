#pragma once

// Seams that answer from a script and record what was asked, so a test
// never blocks on a modal window and never depends on today's date.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/instance_lock.h"
#include "shell/seams.h"

namespace tarnpad {

class ScriptedBoxes : public MessageBoxes {
 public:
  struct Shown {
    BoxKind kind;
    std::wstring title;
    std::wstring text;
    BoxButtons buttons;
  };
  std::vector<Shown> shown;
  std::deque<BoxAnswer> answers;  // when empty: OK, or Cancel/No
  std::deque<std::optional<std::wstring>> inputs;
  std::vector<ChoiceCaptions> choices;  // the captions of each choice, in order

  BoxAnswer Show(BoxKind kind, const std::wstring& title, const std::wstring& text,
                 BoxButtons buttons) override {
    shown.push_back({kind, title, text, buttons});
    if (!answers.empty()) {
      const BoxAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == BoxButtons::Ok      ? BoxAnswer::Ok
           : buttons == BoxButtons::YesNo ? BoxAnswer::No
                                          : BoxAnswer::Cancel;
  }
  // A choice is shown and answered as a Yes/No/Cancel box.
  BoxAnswer ShowChoice(BoxKind kind, const std::wstring& title, const std::wstring& text,
                       const ChoiceCaptions& captions) override {
    choices.push_back(captions);
    return Show(kind, title, text, BoxButtons::YesNoCancel);
  }
  std::optional<std::wstring> InputBox(const std::wstring&, const std::wstring&,
                                       const std::wstring&) override {
    if (inputs.empty()) return std::nullopt;
    auto input = inputs.front();
    inputs.pop_front();
    return input;
  }
};

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::vector<FileDialogRequest> requests;
  std::deque<std::optional<FileDialogResult>> results;  // when empty: cancelled

  std::optional<FileDialogResult> ChooseFileToOpen(const FileDialogRequest& request) override {
    return Next(request);
  }
  std::optional<FileDialogResult> ChooseFileToSave(const FileDialogRequest& request) override {
    return Next(request);
  }

 private:
  std::optional<FileDialogResult> Next(const FileDialogRequest& request) {
    requests.push_back(request);
    if (results.empty()) return std::nullopt;
    auto result = results.front();
    results.pop_front();
    return result;
  }
};

class ScriptedClock : public Clock {
 public:
  LocalDateTime now{2026, 12, 8, 16, 25, 17};
  std::wstring short_date = L"08.12.2026";
  std::wstring long_time = L"16:25:17";
  LocalDateTime Now() override { return now; }
  std::wstring ShortDateText() override { return short_date; }
  std::wstring LongTimeText() override { return long_time; }
};

class ScriptedShell : public Shell {
 public:
  std::vector<std::wstring> opened;
  bool insert_key = false;  // the Insert key's toggle, off as after a start of the system
  void OpenWebAddress(const std::wstring& address) override { opened.push_back(address); }
  bool InsertKeyState() override { return insert_key; }
};

// All of them together, handed to a main window under test. Random bytes
// come from the system: no test depends on their values.
struct ScriptedSurroundings {
  ScriptedBoxes boxes;
  ScriptedFileDialogs file_dialogs;
  ScriptedClock clock;
  ScriptedShell shell;
  SystemRandomSource random;
  // A recovery folder of this run's own, removed afterwards.
  std::filesystem::path recovery_dir = std::filesystem::temp_directory_path() /
                                       ("tarnpad-recovery-" + std::to_string(CurrentProcessId()));
  ~ScriptedSurroundings() {
    std::error_code ignored;
    std::filesystem::remove_all(recovery_dir, ignored);
  }
  Seams seams(const std::filesystem::path& program_dir) {
    Seams result;
    result.boxes = &boxes;
    result.file_dialogs = &file_dialogs;
    result.clock = &clock;
    result.shell = &shell;
    result.random = &random;
    result.program_dir = program_dir;
    result.recovery_dir = recovery_dir;
    return result;
  }
};

}  // namespace tarnpad
