#include "documents/document_flow.h"

#include <system_error>

namespace tarnpad {

bool SettleUnsavedText(const AppState& state, const UnsavedTextSteps& steps) {
  if (!state.TextModified) return true;
  switch (steps.AskToSave()) {
    case BoxAnswer::Yes:
      if (state.CurrentFileName.empty()) return steps.SaveAs();
      return steps.Save();
    case BoxAnswer::No:
      return true;
    default:
      return false;
  }
}

bool CloseAllowed(const AppState& state, const std::function<BoxAnswer()>& ask_to_close) {
  return !state.TextModified || ask_to_close() == BoxAnswer::Ok;
}

bool ReplacesAnotherFile(const std::filesystem::path& chosen,
                         const std::filesystem::path& current_file) {
  std::error_code error;
  if (!std::filesystem::exists(chosen, error)) return false;
  if (current_file.empty()) return true;
  // A file that cannot be compared counts as another one: asking is safe.
  return !std::filesystem::equivalent(chosen, current_file, error);
}

}  // namespace tarnpad
