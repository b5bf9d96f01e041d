#include "editor/clipboard.h"

#include <exception>
#include <utility>

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
  ClipboardMemory(ClipboardMemory&& other) noexcept : memory_(other.Release()) {}
  ClipboardMemory(const ClipboardMemory&) = delete;
  ClipboardMemory& operator=(const ClipboardMemory&) = delete;

  HGLOBAL Handle() const { return memory_; }
  HGLOBAL Release() { return std::exchange(memory_, nullptr); }
  bool HandTo(UINT format) {
    if (SetClipboardData(format, memory_) == nullptr) return false;
    memory_ = nullptr;
    return true;
  }

 private:
  HGLOBAL memory_;
};

// The locale that goes with the text: without it, programs that ask for
// 8-bit text get the system's code page. Nothing when memory runs out.
std::optional<ClipboardMemory> RussianLocale() {
  ClipboardMemory locale(sizeof(LCID));
  if (locale.Handle() == nullptr) return std::nullopt;
  const LockedMemory locked(locale.Handle());
  if (locked.Data() == nullptr) return std::nullopt;
  *static_cast<LCID*>(locked.Data()) =
      MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT);
  return locale;
}

std::size_t CharactersOf(const std::array<std::string_view, 2>& parts) {
  return parts[0].size() + parts[1].size();
}

void Decode(const std::array<std::string_view, 2>& parts, wchar_t* characters) {
  characters = DecodeInto(parts[0], characters);
  characters = DecodeInto(parts[1], characters);
  *characters = L'\0';
}

}  // namespace

bool PutClipboardText(HWND owner, std::string_view bytes) {
  ClipboardMemory text((bytes.size() + 1) * sizeof(wchar_t));
  std::optional<ClipboardMemory> locale = RussianLocale();
  if (text.Handle() == nullptr || !locale) return false;
  {
    const LockedMemory locked(text.Handle());
    if (locked.Data() == nullptr) return false;
    Decode({bytes, {}}, static_cast<wchar_t*>(locked.Data()));
  }
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || EmptyClipboard() == FALSE) return false;
  if (!text.HandTo(CF_UNICODETEXT)) return false;
  locale->HandTo(CF_LOCALE);
  return true;
}

DelayedClipboardText::~DelayedClipboardText() {
  Forget();
}

bool DelayedClipboardText::Offer(HWND owner, std::array<std::string_view, 2> parts) {
  Settle();
  // Reserving the room is quick: its pages are only touched by the
  // conversion. A failure shows here, before the clipboard changes.
  ClipboardMemory text((CharactersOf(parts) + 1) * sizeof(wchar_t));
  std::optional<ClipboardMemory> locale = RussianLocale();
  if (text.Handle() == nullptr || !locale) return false;
  auto* characters = static_cast<wchar_t*>(GlobalLock(text.Handle()));
  if (characters == nullptr) return false;
  {
    const OpenedClipboard clipboard(owner);
    // Emptying the clipboard makes its owner forget an earlier offer.
    if (!clipboard.IsOpen() || EmptyClipboard() == FALSE) {
      GlobalUnlock(text.Handle());
      return false;
    }
    SetClipboardData(CF_UNICODETEXT, nullptr);
    locale->HandTo(CF_LOCALE);
  }
  memory_ = text.Release();
  characters_ = characters;
  try {
    conversion_ =
        std::async(std::launch::async, [parts, characters] { Decode(parts, characters); });
  } catch (const std::exception&) {
    Decode(parts, characters);  // no thread to spare: convert while the user waits
  }
  return true;
}

void DelayedClipboardText::Settle() {
  if (conversion_.valid()) conversion_.wait();
  conversion_ = {};
  if (characters_ != nullptr) GlobalUnlock(memory_);
  characters_ = nullptr;
}

void DelayedClipboardText::Render(UINT format) {
  if (format != CF_UNICODETEXT || memory_ == nullptr) return;
  Settle();
  if (SetClipboardData(CF_UNICODETEXT, memory_) != nullptr) memory_ = nullptr;
}

void DelayedClipboardText::RenderAll(HWND owner) {
  if (memory_ == nullptr) return;
  const OpenedClipboard clipboard(owner);
  if (clipboard.IsOpen() && GetClipboardOwner() == owner) Render(CF_UNICODETEXT);
}

void DelayedClipboardText::Forget() {
  Settle();
  if (memory_ != nullptr) GlobalFree(memory_);
  memory_ = nullptr;
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
