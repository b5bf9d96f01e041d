#include "window/windows_seams.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "window/input_box_win.h"
#include "window/message_box_win.h"

namespace tarnpad {
namespace {

// Room for the longest paths the system allows.
constexpr std::size_t kPathBufferLength = 32768;

// "Text|*.txt|All|*.*" becomes "Text\0*.txt\0All\0*.*\0\0".
std::wstring SystemFilter(const std::wstring& filter) {
  std::wstring result = filter;
  std::replace(result.begin(), result.end(), L'|', L'\0');
  result.append(2, L'\0');
  return result;
}

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

std::optional<FileDialogResult> RunFileDialog(FileDialogFunction dialog, HWND owner,
                                              const FileDialogRequest& request, DWORD flags) {
  const std::wstring filter = SystemFilter(request.filter);
  std::vector<wchar_t> path(kPathBufferLength, L'\0');
  const std::wstring proposed = request.proposed_name.wstring();
  if (proposed.size() < path.size()) std::copy(proposed.begin(), proposed.end(), path.begin());

  OPENFILENAMEW dialog_request{};
  dialog_request.lStructSize = sizeof(dialog_request);
  dialog_request.hwndOwner = owner;
  dialog_request.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  dialog_request.nFilterIndex = static_cast<DWORD>(std::max(request.filter_index, 1));
  dialog_request.lpstrFile = path.data();
  dialog_request.nMaxFile = static_cast<DWORD>(path.size());
  dialog_request.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  dialog_request.lpstrDefExt =
      request.default_extension.empty() ? nullptr : request.default_extension.c_str();
  dialog_request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
  if (!dialog(&dialog_request)) return std::nullopt;
  return FileDialogResult{std::filesystem::path(path.data()),
                          static_cast<int>(dialog_request.nFilterIndex)};
}

}  // namespace

BoxAnswer WindowsMessageBoxes::Show(BoxKind kind, const std::wstring& title,
                                    const std::wstring& text, BoxButtons buttons) {
  return ShowMessageBox(owner_, kind, title, text, buttons);
}

BoxAnswer WindowsMessageBoxes::ShowChoice(BoxKind kind, const std::wstring& title,
                                          const std::wstring& text,
                                          const ChoiceCaptions& captions) {
  return ShowMessageBox(owner_, kind, title, text, captions);
}

std::optional<std::wstring> WindowsMessageBoxes::InputBox(const std::wstring& caption,
                                                          const std::wstring& prompt,
                                                          const std::wstring& initial) {
  return ShowInputBox(owner_, caption, prompt, initial);
}

std::optional<FileDialogResult> WindowsFileDialogs::ChooseFileToOpen(
    const FileDialogRequest& request) {
  // A name that does not exist yet is accepted: it names the document, and
  // the next save creates the file.
  return RunFileDialog(GetOpenFileNameW, owner_, request, OFN_PATHMUSTEXIST);
}

std::optional<FileDialogResult> WindowsFileDialogs::ChooseFileToSave(
    const FileDialogRequest& request) {
  return RunFileDialog(GetSaveFileNameW, owner_, request,
                       request.ask_before_overwrite ? OFN_OVERWRITEPROMPT : 0);
}

LocalDateTime WindowsClock::Now() {
  SYSTEMTIME time;
  GetLocalTime(&time);
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::wstring WindowsClock::ShortDateText() {
  SYSTEMTIME time;
  GetLocalTime(&time);
  wchar_t text[128] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
  return text;
}

std::wstring WindowsClock::LongTimeText() {
  SYSTEMTIME time;
  GetLocalTime(&time);
  wchar_t text[128] = {};
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, 128);
  return text;
}

void WindowsShell::OpenWebAddress(const std::wstring& address) {
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool WindowsShell::InsertKeyState() {
  // The low bit: toggled on; the high bit: held down.
  return (GetKeyState(VK_INSERT) & 0x8001) != 0;
}

std::filesystem::path RecoveryFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
    return {};
  }
  return std::filesystem::path(folder) / L"Velbrin Tarnpad" / L"recovery";
}

}  // namespace tarnpad
