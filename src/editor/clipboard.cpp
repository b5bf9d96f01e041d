#include "editor/clipboard.h"

#include "core/win1251.h"

namespace tarnpad {
namespace {

// Another program may hold the clipboard for a moment.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
      if (attempt > 0) Sleep(kOpenRetryMilliseconds);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~LockedMemory() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;

  void* Data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// Memory handed to SetClipboardData belongs to the clipboard from then on;
// until then it is ours to free.
class ClipboardMemory {
 public:
  explicit ClipboardMemory(SIZE_T size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~ClipboardMemory() {
    if (memory_ != nullptr) GlobalFree(memory_);
  }
  ClipboardMemory(const ClipboardMemory&) = delete;
  ClipboardMemory& operator=(const ClipboardMemory&) = delete;

  HGLOBAL Handle() const { return memory_; }
  bool HandTo(UINT format) {
    if (SetClipboardData(format, memory_) == nullptr) return false;
    memory_ = nullptr;
    return true;
  }

 private:
  HGLOBAL memory_;
};

}  // namespace

bool PutClipboardText(HWND owner, std::string_view bytes) {
  ClipboardMemory text((bytes.size() + 1) * sizeof(wchar_t));
  ClipboardMemory locale(sizeof(LCID));
  if (text.Handle() == nullptr || locale.Handle() == nullptr) return false;
  {
    const LockedMemory lockedText(text.Handle());
    const LockedMemory lockedLocale(locale.Handle());
    if (lockedText.Data() == nullptr || lockedLocale.Data() == nullptr) return false;
    auto* characters = static_cast<wchar_t*>(lockedText.Data());
    for (const char byte : bytes) *characters++ = DecodeByte(static_cast<unsigned char>(byte));
    *characters = L'\0';
    *static_cast<LCID*>(lockedLocale.Data()) =
        MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT);
  }
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || EmptyClipboard() == FALSE) return false;
  if (!text.HandTo(CF_UNICODETEXT)) return false;
  locale.HandTo(CF_LOCALE);  // without it, 8-bit readers get the system's code page
  return true;
}

std::optional<std::wstring> ClipboardText(HWND owner) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const LockedMemory locked(data);
  if (locked.Data() == nullptr) return std::nullopt;
  const std::wstring_view stored(static_cast<const wchar_t*>(locked.Data()),
                                 GlobalSize(data) / sizeof(wchar_t));
  return std::wstring(stored.substr(0, stored.find(L'\0')));
}

}  // namespace tarnpad
