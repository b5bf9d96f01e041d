#pragma once

#include <filesystem>
#include <functional>

#include "shell/app_state.h"
#include "shell/seams.h"

namespace tarnpad {

// Asked (plain box, Yes/No/Cancel) before New or Open replaces modified text.
inline constexpr const wchar_t* kSaveQuestion = L"Файл не сохранен. Сохранить?";
// Asked (plain box, Yes/No) before Save writes over a file that another
// program changed since it was loaded or saved.
inline constexpr const wchar_t* kOverwriteQuestion =
    L"Файл изменён другой программой. Перезаписать?";
// Offered (plain box, Yes/No) when the window comes to the front and its
// file changed on disk while the text is not modified.
inline constexpr const wchar_t* kReloadQuestion =
    L"Файл изменён другой программой. Загрузить его заново?";
// Asked (confirmation box, OK/Cancel) before the window closes on modified text.
inline constexpr const wchar_t* kCloseQuestion = L"Текст не сохранен. Все таки выйти?";
// Why the program holds up the end of the session while it asks.
inline constexpr const wchar_t* kUnsavedTextReason = L"Текст не сохранен";

// What New and Open do about modified text before replacing it.
struct UnsavedTextSteps {
  std::function<BoxAnswer()> AskToSave;  // shows kSaveQuestion
  std::function<bool()> Save;            // false when the text was not written
  std::function<bool()> SaveAs;          // false when its dialog was cancelled
};

// Whether New or Open goes on. Text that is not modified goes on at once.
// Otherwise the question decides: Yes saves (Save As for an untitled
// document) and goes on only once the text is written, No goes on without
// saving, Cancel stops. A failing save throws, so nothing goes on.
bool SettleUnsavedText(const AppState& state, const UnsavedTextSteps& steps);

// Whether the main window may close: at once when the text is not modified,
// otherwise only when ask_to_close (showing kCloseQuestion) answers OK.
bool CloseAllowed(const AppState& state, const std::function<BoxAnswer()>& ask_to_close);

// Whether Save As onto chosen would replace an existing file other than the
// document's own, so that the user is asked first.
bool ReplacesAnotherFile(const std::filesystem::path& chosen,
                         const std::filesystem::path& current_file);

}  // namespace tarnpad
