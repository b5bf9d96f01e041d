#pragma once

#include <windows.h>

#include <string>

#include "shell/status_sink.h"
#include "window/status_bar.h"

namespace tarnpad {

class TextDocument;

// The main window's status bar and what each of its seven panels shows:
// the caret and the selection (0, 1, 3), the document's state (2), the date
// (4) and the Insert key's state (5). The panels start with their initial
// texts.
class StatusPanels final : public StatusSink {
 public:
  explicit StatusPanels(HWND parent);

  HWND Handle() const { return bar_.Handle(); }
  const std::wstring& PanelText(int index) const { return bar_.PanelText(index); }
  // Lays the panels out again (after a resize or a change of resolution).
  void UpdatePanels() { bar_.UpdatePanels(); }

  void ShowCaret(const TextDocument& document);
  void ShowTypingMode(bool overwrite);
  void ShowDocumentState(const std::wstring& text) override;
  void ShowDate(const std::wstring& text) override;

 private:
  StatusBar bar_;
};

}  // namespace tarnpad
