#include "documents/backup.h"

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

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

// Whether the file holds exactly the document's bytes; read in pieces, so a
// large document is never copied whole.
bool HoldsText(const std::filesystem::path& file, const TextDocument& document) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error || size != static_cast<std::uintmax_t>(document.Length())) return false;
  std::ifstream in(file, std::ios::binary);
  constexpr std::int64_t kPiece = 1 << 20;
  std::vector<char> read(kPiece);
  for (std::int64_t start = 0; start < document.Length(); start += kPiece) {
    const std::int64_t end = std::min(start + kPiece, document.Length());
    const auto length = static_cast<std::streamsize>(end - start);
    if (!in.read(read.data(), length)) return false;
    if (document.TextRange(start, end) !=
        std::string_view(read.data(), read.size()).substr(0, static_cast<std::size_t>(length))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> NewestBackupOf(const std::filesystem::path& program_dir,
                                                    const std::filesystem::path& document) {
  // An untitled document's copies end in the time: the system drops the
  // space that would stand before an empty name.
  const std::wstring name_part = FileNamePart(document.wstring());
  const std::wstring ending = name_part.empty() ? L"" : L" " + name_part;
  std::optional<std::filesystem::path> newest;
  std::filesystem::file_time_type newest_time;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(program_dir, error)) {
    const std::wstring name = entry.path().filename().wstring();
    // A copy's name starts with its date, and the date with a digit.
    if (name.size() <= ending.size() || !std::iswdigit(name.front()) ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0 ||
        !entry.is_regular_file(error)) {
      continue;
    }
    const auto time = entry.last_write_time(error);
    if (error) continue;
    if (!newest || time > newest_time) {
      newest = entry.path();
      newest_time = time;
    }
  }
  return newest;
}

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
    // The same bytes as the newest copy need no second copy: an idle editor
    // would otherwise add one at every tick.
    const auto newest = NewestBackupOf(state.ProgramDir, state.CurrentFileName);
    if (newest && HoldsText(*newest, document)) {
      state.BackupPending = false;
      status.ShowDate(short_date);
      return;
    }
    const std::wstring long_time = clock.LongTimeText();
    SaveEditorText(document,
                   BackupFileName(state.ProgramDir, short_date, long_time, state.CurrentFileName));
    state.BackupPending = false;
    status.ShowDocumentState(BackupStatusText(BackupTimePart(long_time)));
  }
  status.ShowDate(short_date);
}

}  // namespace tarnpad
