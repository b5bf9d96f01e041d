#include "tools/tools_panel.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "tools/search_replace.h"
#include "tools/tools_panel_rules.h"
#include "window/dpi.h"

namespace tarnpad {
namespace {

// What the program may still claim: the system's memory not yet committed.
std::uint64_t AvailableMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) return UINT64_MAX;
  return std::min(status.ullAvailPageFile, status.ullAvailVirtual);
}

}  // namespace

ToolsPanel::ToolsPanel(const ToolsPanelArgs& args)
    : container_(*args.container), editor_(*args.editor), tab_row_clicked_(args.tabRowClicked) {
  CreateControls(container_.Handle());
  BindEvents(args.run);
  hint_tooltip_ = CreateHintWindow(GetAncestor(container_.Handle(), GA_ROOT), 400,
                                   WindowDpi(Tools_Panel->Handle()));
  AddHint(hint_tooltip_.get(), Button3->Handle(), L"Очистка блокнота");
}

ToolsPanel::~ToolsPanel() = default;

void ToolsPanel::CreateControls(HWND container) {
  Tools_Panel = std::make_unique<Panel>(container);
  // Collapsed, as the program starts: laid out once at that height.
  container_.Layout().Add(Tools_Panel->Handle(), Dock::Bottom, kToolsCollapsedHeight);
  TabbedNotebook1 = std::make_unique<TabbedNotebook>(
      Tools_Panel->Handle(),
      std::vector<std::wstring>{L"Выдержка", L"Блокнот", L"Поиск", L"Замена", L"Свернуть"});
  Tools_Panel->Layout().Add(TabbedNotebook1->Handle(), Dock::Client, 0);
  CreatePages();

  // The two buttons stand on the tab row, above the notebook.
  Button3 = std::make_unique<Button>(Tools_Panel->Handle(), L"Очистить", false);
  Button4 = std::make_unique<Button>(Tools_Panel->Handle(), L"Выделить", false);
  Tools_Panel->Layout().AddFixed(Button3->Handle(), 307, 2, 62, 17);
  Tools_Panel->Layout().AddFixed(Button4->Handle(), 371, 2, 62, 17);
  for (Button* button : {Button3.get(), Button4.get()}) {
    SetWindowPos(button->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  Splitter2 =
      std::make_unique<Splitter>(container_, Tools_Panel->Handle(), kToolsCollapsedHeight, true);
  container_.Layout().Add(Splitter2->Handle(), Dock::Bottom, kSplitterThickness);

  const std::pair<HWND, ControlId> ids[] = {
      {TabbedNotebook1->Handle(), kTabsId},
      {Memo1->Handle(), kNotepadId},
      {Search_Edit->Handle(), kSearchTextId},
      {Search_Button->Handle(), kSearchId},
      {Search_More_Button->Handle(), kSearchMoreId},
      {Replace_From_Edit->Handle(), kReplaceFromId},
      {Replace_To_Edit->Handle(), kReplaceToId},
      {Replace_All_Button->Handle(), kReplaceAllId},
      {Button3->Handle(), kClearNotepadId},
      {Button4->Handle(), kSelectNotepadId},
      {Splitter2->Handle(), kSplitterId},
  };
  for (const auto& [window, id] : ids) SetWindowId(window, id);
}

// The first page is left to the fragments tab.
void ToolsPanel::CreatePages() {
  Panel& notepad = TabbedNotebook1->Page(1);
  Memo1 = std::make_unique<Edit>(notepad.Handle(), true, false);
  notepad.Layout().Add(Memo1->Handle(), Dock::Client, 0);

  Panel& search = TabbedNotebook1->Page(2);
  Search_Edit = std::make_unique<Edit>(search.Handle(), false);
  Search_Button = std::make_unique<Button>(search.Handle(), L"Искать");
  Search_More_Button = std::make_unique<Button>(search.Handle(), L"Искать дальше");
  search.Layout().AddFixed(Search_Edit->Handle(), 0, 0, 425, 21);
  search.Layout().AddFixed(Search_Button->Handle(), 240, 24, 75, 25);
  search.Layout().AddFixed(Search_More_Button->Handle(), 320, 24, 105, 25);

  Panel& replace = TabbedNotebook1->Page(3);
  Replace_From_Edit = std::make_unique<Edit>(replace.Handle(), false);
  Replace_To_Edit = std::make_unique<Edit>(replace.Handle(), false);
  Replace_All_Button = std::make_unique<Button>(replace.Handle(), L"Заменить все");
  replace.Layout().AddFixed(Replace_From_Edit->Handle(), 0, 0, 425, 21);
  replace.Layout().AddFixed(Replace_To_Edit->Handle(), 0, 24, 425, 21);
  replace.Layout().AddFixed(Replace_All_Button->Handle(), 328, 56, 97, 25);
}

void ToolsPanel::BindEvents(const EventRunner& run) {
  const auto bind = [&run](std::function<void()>& event, std::function<void()> handler) {
    event = RunsThrough(run, std::move(handler));
  };
  bind(TabbedNotebook1->onClick, [this] { TabRowClicked(); });
  TabbedNotebook1->onChange = [this, run](int index) {
    run([this, index] { TabChanging(index); });
  };
  bind(Search_Button->onClick, [this] { Search(); });
  bind(Search_More_Button->onClick, [this] { SearchMore(); });
  bind(Replace_All_Button->onClick, [this] { ReplaceAll(); });
  bind(Button3->onClick, [this] { Memo1->SetText(L""); });
  bind(Button4->onClick, [this] { Memo1->SelectAll(); });
}

int ToolsPanel::Height() const {
  return container_.Layout().Size(Tools_Panel->Handle());
}

void ToolsPanel::SetHeight(int height) {
  container_.Layout().SetSize(Tools_Panel->Handle(), height);
  container_.Relayout();
}

void ToolsPanel::TabChanging(int new_index) {
  const int height = ToolsHeightOnTabChange(Height(), new_index);
  if (height != Height()) SetHeight(height);
}

void ToolsPanel::TabRowClicked() {
  const int height = ToolsHeightOnTabClick(Height(), TabbedNotebook1->ActiveCaption());
  if (height != Height()) SetHeight(height);
  tab_row_clicked_();
}

void ToolsPanel::ShowInNotepad(const std::wstring& text) {
  Memo1->SetText(text);
  if (Height() == kToolsCollapsedHeight) SetHeight(kToolsExpandedHeight);
  TabbedNotebook1->SelectByCaption(L"Блокнот");
}

void ToolsPanel::Search() {
  const std::optional<std::string> text = SearchableBytes(Search_Edit->Text());
  if (!text) return;
  if (const auto hit = SearchFirst(editor_.Document(), *text, last_found_line_)) {
    editor_.ScrollLineToTop(*hit);
  }
}

void ToolsPanel::SearchMore() {
  const std::optional<std::string> text = SearchableBytes(Search_Edit->Text());
  if (!text) return;
  if (const auto hit = SearchNext(editor_.Document(), *text, last_found_line_)) {
    editor_.ScrollLineToTop(*hit);
  }
}

void ToolsPanel::ReplaceAll() {
  const std::optional<std::string> from = SearchableBytes(Replace_From_Edit->Text());
  // Without a hit there is nothing to ask about the replacement.
  if (!from || !FindLineContaining(editor_.Document(), *from, 0)) return;
  // The replacement goes in as typing would put it, foreign characters in
  // the form the editor's owner chooses.
  const std::optional<std::string> to = editor_.BytesToInsert(Replace_To_Edit->Text());
  if (!to) return;
  tarnpad::ReplaceAll(editor_.Document(), *from, *to, AvailableMemory());
}

// Each font is applied before the one it replaces is released.
void ToolsPanel::SetDpi(int dpi) {
  UniqueFont memo(CreateMonospacedFont(L"Lucida Console", 13, dpi));
  UniqueFont buttons(CreateScaledFont(L"Arial", -11, dpi));
  Memo1->SetFont(memo.get());
  Button3->SetFont(buttons.get());
  Button4->SetFont(buttons.get());
  memo_font_ = std::move(memo);
  tab_button_font_ = std::move(buttons);
  SendMessageW(hint_tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, Scale(400, dpi));
}

}  // namespace tarnpad
