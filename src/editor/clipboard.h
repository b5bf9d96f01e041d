#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tarnpad {

// The clipboard holds text as UTF-16 (CF_UNICODETEXT), converted through the
// Windows-1251 table; the system derives CF_TEXT from it for programs that
// ask for 8-bit text, with the Russian locale attached so that they get the
// same bytes back.

// Replaces the clipboard's contents with bytes. False when the clipboard
// stays busy or memory runs out.
bool PutClipboardText(HWND owner, std::string_view bytes);

// The clipboard's text as it stands, up to its first NUL; nothing when it
// holds no text or stays busy. Characters without a byte are the caller's
// to decide on.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace tarnpad
