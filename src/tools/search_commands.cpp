// Search by line (the menu command and the "Поиск" tab) and replace-all
// (the "Замена" tab).
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "core/text_document.h"
#include "core/win1251.h"
#include "editor/text_view.h"
#include "tools/search_replace.h"
#include "ui/main_form.h"

namespace tarnpad {
namespace {

// The text of a field as document bytes, or nothing when one of its
// characters has no Windows-1251 byte: such a text occurs in no line, and
// encoding it would turn the character into a "?" that does.
std::optional<std::string> SearchableBytes(const std::wstring& text) {
  std::string bytes = EncodeText(text);
  if (DecodeText(bytes) != text) return std::nullopt;
  return bytes;
}

// What the program may still claim: the system's memory not yet committed.
std::uint64_t AvailableMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) return UINT64_MAX;
  return std::min(status.ullAvailPageFile, status.ullAvailVirtual);
}

}  // namespace

void MainForm::N3Click() {
  const std::optional<std::wstring> entered =
      seams_.boxes->InputBox(L"Поиск текста", L"Введите строку поиска", L"");
  if (!entered || entered->empty()) return;
  const std::optional<std::string> text = SearchableBytes(*entered);
  const std::optional<std::int64_t> hit =
      text ? FindLineContaining(RichEdit->Document(), *text, 0) : std::nullopt;
  if (!hit) {
    seams_.boxes->Show(BoxKind::Plain, TaskbarTitle(), L"Ничего не найдено", BoxButtons::Ok);
    return;
  }
  RichEdit->ScrollLineToTop(*hit);
}

void MainForm::Search_ButtonClick() {
  const std::optional<std::string> text = SearchableBytes(Search_Edit->Text());
  if (!text) return;
  if (const auto hit = SearchFirst(RichEdit->Document(), *text, state.LastFoundLine)) {
    RichEdit->ScrollLineToTop(*hit);
  }
}

void MainForm::Search_More_ButtonClick() {
  const std::optional<std::string> text = SearchableBytes(Search_Edit->Text());
  if (!text) return;
  if (const auto hit = SearchNext(RichEdit->Document(), *text, state.LastFoundLine)) {
    RichEdit->ScrollLineToTop(*hit);
  }
}

void MainForm::Replace_All_ButtonClick() {
  const std::optional<std::string> from = SearchableBytes(Replace_From_Edit->Text());
  if (!from) return;
  // The replacement goes in as typing would put it: a character without a
  // byte becomes "?".
  const std::string to = EncodeText(Replace_To_Edit->Text());
  ReplaceAll(RichEdit->Document(), *from, to, AvailableMemory());
}

}  // namespace tarnpad
