#include "navigation/section_export.h"

#include <cstddef>

#include "core/text_helpers.h"
#include "navigation/section_scanner.h"

namespace tarnpad {

std::string SectionListCsv(const std::vector<std::string>& entries) {
  std::string csv;
  for (std::size_t j = 0; j < entries.size(); ++j) {
    const std::int64_t line = EntryLineIndex(entries[j]);
    csv += DecimalText(line);
    csv += ';';
    if (j + 1 < entries.size()) csv += DecimalText(EntryLineIndex(entries[j + 1]) - line);
    csv += ';';
    csv += TrimText(CopyText(entries[j], 8, 197));
    csv += "\r\n";
  }
  return csv;
}

FileDialogRequest SectionExportDialog::Request() const {
  FileDialogRequest request;
  request.title = L"Сохранение списка разделов";
  request.filter = L"Список разделов с размерами (CSV)|*.csv|Все файлы|*.*";
  request.filter_index = filter_index_;
  request.default_extension = L"csv";
  request.ask_before_overwrite = true;
  return request;
}

bool SectionExportDialog::Confirm(const FileDialogResult& result) {
  filter_index_ = result.filter_index;
  return result.filter_index == kCsvChoice;
}

}  // namespace tarnpad
