#pragma once

#include <windows.h>

#include <array>
#include <future>
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

// Text too long to convert while the user waits, offered to the clipboard
// with its conversion pending (delayed rendering): a background task converts
// it into the memory the clipboard will take, and the system asks the owner
// window for it (WM_RENDERFORMAT) when a program pastes, or before the window
// goes (WM_RENDERALLFORMATS). The owner window passes those messages on.
class DelayedClipboardText {
 public:
  DelayedClipboardText() = default;
  ~DelayedClipboardText();
  DelayedClipboardText(const DelayedClipboardText&) = delete;
  DelayedClipboardText& operator=(const DelayedClipboardText&) = delete;

  // Replaces the clipboard's contents with the text of parts, which must
  // stay unchanged until Settle returns. False when the clipboard stays busy
  // or memory runs out.
  bool Offer(HWND owner, std::array<std::string_view, 2> parts);
  // Waits until the conversion no longer reads the parts: before they change.
  void Settle();
  // WM_RENDERFORMAT: hands the converted text to the open clipboard.
  void Render(UINT format);
  // WM_RENDERALLFORMATS: the same, opening the clipboard, if owner still owns it.
  void RenderAll(HWND owner);
  // WM_DESTROYCLIPBOARD: the clipboard was emptied; the text is not needed.
  void Forget();

 private:
  HGLOBAL memory_ = nullptr;       // ours until handed to the clipboard
  wchar_t* characters_ = nullptr;  // memory_ locked, while the conversion runs
  std::future<void> conversion_;
};

// The clipboard's text as it stands, up to its first NUL; nothing when it
// holds no text or stays busy. Characters without a byte are the caller's
// to decide on.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace tarnpad
