#include "documents/backup.h"

#include <algorithm>

#include "core/document_file.h"
#include "core/text_document.h"
#include "core/text_helpers.h"
#include "shell/title.h"

namespace tarnpad {
namespace {

std::wstring FileNameSafe(std::wstring text) {
  constexpr std::wstring_view kForbidden = L"/\\:*?\"<>|";
  std::replace_if(
      text.begin(), text.end(),
      [&](wchar_t c) { return kForbidden.find(c) != std::wstring_view::npos; }, L'-');
  return text;
}

}  // namespace

std::wstring BackupDatePart(std::wstring_view short_date) {
  if (short_date.size() >= 3 && short_date[2] == L'.') {
    return FileNameSafe(CopyText(short_date, 7, 4) + L"-" + CopyText(short_date, 4, 2) + L"-" +
                        CopyText(short_date, 1, 2));
  }
  std::wstring date(short_date);
  std::replace(date.begin(), date.end(), L'.', L'-');
  return FileNameSafe(std::move(date));
}

std::wstring BackupTimePart(std::wstring_view long_time) {
  std::wstring time = FileNameSafe(std::wstring(long_time));
  if (time.size() == 7) time.insert(0, 1, L'0');
  return time;
}

std::filesystem::path BackupFileName(const std::filesystem::path& program_dir,
                                     std::wstring_view short_date, std::wstring_view long_time,
                                     const std::filesystem::path& document) {
  return program_dir / (BackupDatePart(short_date) + L"-" + BackupTimePart(long_time) + L" " +
                        FileNamePart(document.wstring()));
}

std::wstring BackupStatusText(std::wstring_view time_part) {
  return L"Копия " + std::wstring(time_part);
}

bool BackupDue(const AppState& state, bool document_empty) {
  if (state.BackupPending) return true;
  if (state.BackupEdited) return false;
  return !document_empty || !state.CurrentFileName.empty();
}

void RunBackup(AppState& state, const TextDocument& document, Clock& clock, StatusSink& status) {
  const std::wstring short_date = clock.ShortDateText();
  if (BackupDue(state, document.Length() == 0)) {
    const std::wstring long_time = clock.LongTimeText();
    SaveEditorText(document,
                   BackupFileName(state.ProgramDir, short_date, long_time, state.CurrentFileName));
    state.BackupPending = false;
    status.ShowDocumentState(BackupStatusText(BackupTimePart(long_time)));
  }
  status.ShowDate(short_date);
}

}  // namespace tarnpad
