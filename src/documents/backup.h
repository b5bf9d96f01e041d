#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shell/app_state.h"
#include "shell/seams.h"
#include "shell/status_sink.h"

namespace tarnpad {

class TextDocument;

// The date piece of a copy's name, from the locale's short date text: a date
// whose third character is "." (dd.mm.yyyy, dd.mm.yy) is turned round to
// year-month-day; any other has its dots replaced by "-". Characters that
// cannot stand in a file name (/ \ : * ? " < > |) become "-" as well, so a
// date such as 12/8/2026 names a file, not a folder.
std::wstring BackupDatePart(std::wstring_view short_date);

// The time piece, from the locale's long time text: the characters that
// cannot stand in a file name (":" above all) become "-", and a result of 7
// characters (9-05-03) gets a leading "0".
std::wstring BackupTimePart(std::wstring_view long_time);

// program_dir / (date piece + "-" + time piece + " " + the document's file
// name); an untitled document leaves the name ending with the space.
std::filesystem::path BackupFileName(const std::filesystem::path& program_dir,
                                     std::wstring_view short_date, std::wstring_view long_time,
                                     const std::filesystem::path& document);

// What the status bar shows after a copy: "Копия " and the time piece.
std::wstring BackupStatusText(std::wstring_view time_part);

// Whether a timer tick or the backup command writes a copy. With
// BackupEdited on, only when the text changed since the last copy; with it
// off, on every tick that has something to keep (text or a file name).
bool BackupDue(const AppState& state, bool document_empty);

// The newest timed copy of the document (by its file name) in the folder.
std::optional<std::filesystem::path> NewestBackupOf(const std::filesystem::path& program_dir,
                                                    const std::filesystem::path& document);

// The backup routine of the timer's tick and of the menu command: a copy of
// the text beside the program when one is due and its bytes differ from the
// newest copy of the document, then the date panel. A copy
// that cannot be written throws; the backup flag and both panels then keep
// what they had, and the next tick tries again.
void RunBackup(AppState& state, const TextDocument& document, Clock& clock, StatusSink& status);

}  // namespace tarnpad
