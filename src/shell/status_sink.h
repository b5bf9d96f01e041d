#pragma once

#include <string>

namespace tarnpad {

// What the subsystems report on the status bar; the main window's status
// panels implement it.
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  // The document-state panel: "Изменён", empty, or the time of a copy.
  virtual void ShowDocumentState(const std::wstring& text) = 0;
  // The date panel.
  virtual void ShowDate(const std::wstring& text) = 0;
};

}  // namespace tarnpad
