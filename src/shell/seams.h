#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/random_source.h"

// What the main window needs from its surroundings: modal boxes and dialogs,
// the clock and the locale's texts, the web browser, the keyboard. The
// program gets the Windows implementations; Windows-side tests get scripted
// ones, so no test blocks on a modal window or depends on today's date.
namespace tarnpad {

enum class BoxKind {
  Confirmation,  // question icon, title "Confirm"
  Plain,         // no icon, titled with the taskbar title
  Error,         // stop icon, titled with the taskbar title
};

enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// The captions of a question's three buttons, in its own words where "Yes"
// and "No" would not say what they do; they still answer Yes, No and Cancel.
// "&" marks the access key, "&&" shows an ampersand.
struct ChoiceCaptions {
  std::wstring yes;
  std::wstring no;
  std::wstring cancel;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // title is used by the plain and error kinds; the confirmation box is
  // always titled "Confirm".
  virtual BoxAnswer Show(BoxKind kind, const std::wstring& title, const std::wstring& text,
                         BoxButtons buttons) = 0;
  // A Yes/No/Cancel box whose buttons carry the given captions.
  virtual BoxAnswer ShowChoice(BoxKind kind, const std::wstring& title, const std::wstring& text,
                               const ChoiceCaptions& captions) = 0;
  // A one-line input box; nullopt when cancelled.
  virtual std::optional<std::wstring> InputBox(const std::wstring& caption,
                                               const std::wstring& prompt,
                                               const std::wstring& initial) = 0;
};

struct FileDialogRequest {
  std::wstring title;
  std::wstring filter;             // pairs "shown text|patterns", joined by "|"
  int filter_index = 1;            // 1-based
  std::wstring default_extension;  // without the dot; empty for none
  std::filesystem::path proposed_name;
  bool ask_before_overwrite = false;
};

struct FileDialogResult {
  std::filesystem::path path;
  int filter_index = 1;  // the filter chosen, 1-based
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual std::optional<FileDialogResult> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogResult> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

struct LocalDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  // The current date and time in the user's short date and long time formats.
  virtual std::wstring ShortDateText() = 0;
  virtual std::wstring LongTimeText() = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a web address with the system's default handler; failures are not
  // reported.
  virtual void OpenWebAddress(const std::wstring& address) = 0;
  // The Insert key's state: toggled on, or held down.
  virtual bool InsertKeyState() = 0;
};

// The set handed to the main window at construction.
struct Seams {
  MessageBoxes* boxes = nullptr;
  FileDialogs* file_dialogs = nullptr;
  Clock* clock = nullptr;
  Shell* shell = nullptr;
  RandomSource* random = nullptr;
  std::filesystem::path program_dir;
  // Where recovery copies of modified text are kept; empty: none are.
  std::filesystem::path recovery_dir;
};

}  // namespace tarnpad
