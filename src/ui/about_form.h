#pragma once

#include <windows.h>

#include <string>

#include "shell/seams.h"

namespace tarnpad {

// Shows the About window modally over owner, with the given caption. Its
// link label opens the maker's home page through shell. Esc, Enter or the
// close button close it.
void ShowAboutWindow(HWND owner, const std::wstring& caption, Shell& shell);

}  // namespace tarnpad
