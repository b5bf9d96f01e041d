#include "ui/status_panels.h"

#include "core/text_document.h"
#include "shell/status_texts.h"

namespace tarnpad {
namespace {
enum Panel {
  kColumn = 0,
  kLine = 1,
  kDocumentState = 2,
  kSelection = 3,
  kDate = 4,
  kInsertMode = 5
};
}

StatusPanels::StatusPanels(HWND parent) : bar_(parent) {
  bar_.SetPanelText(kColumn, L"Х");
  bar_.SetPanelText(kLine, L"Y");
  bar_.SetPanelText(kDocumentState, L"Статус");
  bar_.SetPanelText(kSelection, L"Нет выделения");
  bar_.SetPanelText(kDate, L"Дата");
  bar_.SetPanelText(kInsertMode, L"Режим вставки");
}

void StatusPanels::ShowCaret(const TextDocument& document) {
  const CaretPanelTexts texts = CaretPanels(document);
  bar_.SetPanelText(kColumn, texts.position);
  bar_.SetPanelText(kLine, texts.line);
  bar_.SetPanelText(kSelection, texts.selection);
}

void StatusPanels::ShowTypingMode(bool overwrite) {
  bar_.SetPanelText(kInsertMode, overwrite ? L"Замена" : L"Вставка");
}

void StatusPanels::ShowDocumentState(const std::wstring& text) {
  bar_.SetPanelText(kDocumentState, text);
}

void StatusPanels::ShowDate(const std::wstring& text) {
  bar_.SetPanelText(kDate, text);
}

}  // namespace tarnpad
