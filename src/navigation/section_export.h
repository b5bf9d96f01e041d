#pragma once

#include <string>
#include <vector>

#include "shell/seams.h"

namespace tarnpad {

// The section list as the export file holds it: one line per navigation entry,
// in list order, "index;size;title" ended by CR LF, no header, no quoting.
// The size is the next entry's line index minus this one's, and empty for the
// last entry; the title is the entry's characters 8 to 204, trimmed. An empty
// list gives no bytes at all.
std::string SectionListCsv(const std::vector<std::string>& entries);

// The save dialog of the export. It preselects the CSV choice on its first
// use and afterwards the choice of its last confirmed use; only the CSV choice
// writes the file, whatever the name typed.
class SectionExportDialog {
 public:
  static constexpr int kCsvChoice = 1;

  FileDialogRequest Request() const;
  // Remembers the choice of a confirmed dialog; true when the file is to be
  // written.
  bool Confirm(const FileDialogResult& result);

 private:
  int filter_index_ = kCsvChoice;
};

}  // namespace tarnpad
