// Backup copies of the text, on the timer's tick and on the menu command.
#include "core/document_file.h"
#include "core/text_document.h"
#include "documents/backup.h"
#include "editor/text_view.h"
#include "ui/main_form.h"

namespace tarnpad {

// A copy that cannot be written stops here: the backup flag and both status
// panels keep what they had, and the next tick tries again.
void MainForm::Backup_TimerTimer() {
  const std::wstring short_date = seams_.clock->ShortDateText();
  const TextDocument& document = RichEdit->Document();
  if (BackupDue(state, document.Length() == 0)) {
    const std::wstring long_time = seams_.clock->LongTimeText();
    SaveEditorText(document,
                   BackupFileName(state.ProgramDir, short_date, long_time, state.CurrentFileName));
    state.BackupPending = false;
    _StatusBar->SetPanelText(2, BackupStatusText(BackupTimePart(long_time)));
  }
  _StatusBar->SetPanelText(4, short_date);
}

}  // namespace tarnpad
