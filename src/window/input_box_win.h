#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarnpad {

// A modal one-line input box: the prompt above an edit holding the initial
// text (selected), OK and Cancel. Enter answers OK; Esc and the close button
// Cancel, which gives nullopt.
std::optional<std::wstring> ShowInputBox(HWND owner, const std::wstring& caption,
                                         const std::wstring& prompt, const std::wstring& initial);

}  // namespace tarnpad
