#pragma once

#include <windows.h>

#include <string>

#include "shell/seams.h"

namespace tarnpad {

// Our own modal message box, the same on every system language. The
// confirmation kind shows the question icon and the title "Confirm"; the
// plain kind no icon and the error kind the stop icon, both with the given
// title. The default button is OK when the box has one, otherwise Yes. Esc
// and the close button answer Cancel when the box has it, otherwise No (OK in
// a box with OK alone). The text wraps to a sensible width.
BoxAnswer ShowMessageBox(HWND owner, BoxKind kind, const std::wstring& title,
                         const std::wstring& text, BoxButtons buttons);
// A Yes/No/Cancel box whose buttons carry the given captions; the buttons
// grow to fit them, all to the same width.
BoxAnswer ShowMessageBox(HWND owner, BoxKind kind, const std::wstring& title,
                         const std::wstring& text, const ChoiceCaptions& captions);

}  // namespace tarnpad
