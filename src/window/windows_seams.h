#pragma once

#include <windows.h>

#include <filesystem>

#include "shell/random_source.h"
#include "shell/seams.h"

// The program's own implementations of the seams, over the system.
namespace tarnpad {

// Our message and input boxes, owned by (centred on, and disabling) the
// owner window; the owner may be set once the main window exists.
class WindowsMessageBoxes : public MessageBoxes {
 public:
  explicit WindowsMessageBoxes(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  BoxAnswer Show(BoxKind kind, const std::wstring& title, const std::wstring& text,
                 BoxButtons buttons) override;
  BoxAnswer ShowChoice(BoxKind kind, const std::wstring& title, const std::wstring& text,
                       const ChoiceCaptions& captions) override;
  std::optional<std::wstring> InputBox(const std::wstring& caption, const std::wstring& prompt,
                                       const std::wstring& initial) override;

 private:
  HWND owner_;
};

// The system's open and save dialogs.
class WindowsFileDialogs : public FileDialogs {
 public:
  explicit WindowsFileDialogs(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  std::optional<FileDialogResult> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<FileDialogResult> ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  HWND owner_;
};

// The local clock; the texts in the user's short date and long time formats.
class WindowsClock : public Clock {
 public:
  LocalDateTime Now() override;
  std::wstring ShortDateText() override;
  std::wstring LongTimeText() override;
};

class WindowsShell : public Shell {
 public:
  void OpenWebAddress(const std::wstring& address) override;
  bool InsertKeyState() override;
};

// "Velbrin Tarnpad\recovery" in the user's local application-data folder;
// empty when the system names none.
std::filesystem::path RecoveryFolder();

// All of them together, handed to the main window.
struct WindowsSurroundings {
  WindowsMessageBoxes boxes;
  WindowsFileDialogs file_dialogs;
  WindowsClock clock;
  WindowsShell shell;
  SystemRandomSource random;

  // Points into this bundle, which must outlive the main window.
  Seams seams(const std::filesystem::path& program_dir) {
    return {.boxes = &boxes,
            .file_dialogs = &file_dialogs,
            .clock = &clock,
            .shell = &shell,
            .random = &random,
            .program_dir = program_dir,
            .recovery_dir = RecoveryFolder()};
  }
  // The main window owns the boxes and the dialogs once it exists.
  void SetOwner(HWND owner) {
    boxes.SetOwner(owner);
    file_dialogs.SetOwner(owner);
  }
};

}  // namespace tarnpad
