// Cut, copy and paste of TextView, through the system clipboard.
#include <optional>
#include <string>

#include "core/failure.h"
#include "core/win1251.h"
#include "editor/clipboard.h"
#include "editor/text_view.h"

namespace tarnpad {

void TextView::TextAboutToChange() {
  delayedCopy_.Settle();
}

void TextView::CutSelection() {
  if (readOnly_ || document_.SelectionLength() == 0) return;
  CopySelection();
  document_.DeleteSelection();
  ScrollToCaret();
}

void TextView::CopySelection() {
  const Position start = document_.SelectionStart();
  const Position end = document_.SelectionEnd();
  if (start == end) return;
  // Converting a megabyte takes about a millisecond; a longer selection is
  // converted in the background, and the command returns at once.
  constexpr Position kConvertedAtOnce = 1 << 20;
  const bool copied = end - start <= kConvertedAtOnce
                          ? PutClipboardText(window_, document_.SelectionText())
                          : delayedCopy_.Offer(window_, document_.RangeParts(start, end));
  if (!copied) throw Failure(L"Cannot open clipboard");
}

void TextView::PasteClipboard() {
  if (readOnly_) return;
  const std::optional<std::wstring> text = ClipboardText(window_);
  if (!text) return;
  if (const std::optional<std::string> bytes = BytesToInsert(*text)) {
    document_.PasteText(*bytes);
    ScrollToCaret();
  }
}

std::optional<std::string> TextView::BytesToInsert(std::wstring_view text) {
  const std::optional<ForeignCharacterForm> form = FormFor(text);
  if (!form) return std::nullopt;
  return EncodeText(text, *form);
}

std::optional<ForeignCharacterForm> TextView::FormFor(std::wstring_view text) {
  const std::size_t count = CountForeignCharacters(text);
  // Without foreign characters either form gives the same bytes.
  if (count == 0 || !onForeignCharacters) return ForeignCharacterForm::QuestionMark;
  return onForeignCharacters(count);
}

}  // namespace tarnpad
