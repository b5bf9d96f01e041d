#include "shell/status_texts.h"

#include <algorithm>

#include "core/text_document.h"
#include "core/text_helpers.h"
#include "core/win1251.h"

namespace tarnpad {

CaretPanelTexts CaretPanels(const TextDocument& document) {
  const CaretPoint caret = document.CaretPoint();
  // The line's length without copying it: the caret line may be megabytes.
  const std::int64_t line_length = document.LineEnd(caret.Line) - document.LineStart(caret.Line);
  CaretPanelTexts texts;
  texts.position = L"x=" + DecimalWideText(caret.Column) + L":" + DecimalWideText(line_length);
  texts.line =
      L"y=" + DecimalWideText(caret.Line) + L":" + DecimalWideText(document.EditorLineCount());
  const std::int64_t length = document.SelectionLength();
  if (length == 0) {
    texts.selection = L"Нет выделения";
  } else {
    const Position start = document.SelectionStart();
    const Position shown_end = start + std::min(length, kShownSelectionCharacters);
    texts.selection = L"Выделено: " + DecimalWideText(length) + L" - " +
                      DecodeText(document.TextRange(start, shown_end));
  }
  return texts;
}

}  // namespace tarnpad
