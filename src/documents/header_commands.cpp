// The refresh of the CMS's file-information header.
#include "core/text_document.h"
#include "documents/file_header.h"
#include "editor/text_view.h"
#include "ui/main_form.h"

namespace tarnpad {

// The file size is that of the file as last saved, not of the text shown.
void MainForm::MM_File_DORN_RenewClick() {
  const LocalDateTime now = seams_.clock->Now();
  RefreshFileHeader(RichEdit->Document(), HeaderDate(now.year, now.month, now.day),
                    FileSizeOf(state.CurrentFileName));
}

}  // namespace tarnpad
