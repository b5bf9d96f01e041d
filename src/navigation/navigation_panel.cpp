#include "navigation/navigation_panel.h"

#include <commctrl.h>

#include <utility>

#include "core/file_system.h"
#include "editor/text_view.h"
#include "navigation/entry_list_win.h"
#include "navigation/panel_rules.h"
#include "navigation/section_scanner.h"
#include "window/dpi.h"
#include "window/virtual_list_box.h"

namespace tarnpad {
namespace {

constexpr wchar_t kRecountHint[] =
    L"Файл слишком большой, поэтому для обновления списка разделов нажимайте кнопку "
    L"\"Обновить\". Автоматическое обновление может привести к значительным торможениям в "
    L"работе.";

}  // namespace

NavigationPanel::NavigationPanel(const NavigationPanelArgs& args)
    : container_(*args.container),
      editor_(*args.editor),
      file_dialogs_(*args.file_dialogs),
      show_context_menu_(args.showContextMenu),
      dpi_(WindowDpi(args.container->Handle())) {
  CreateControls(container_.Handle());
  BindEvents(args.run);
  hint_tooltip_ = CreateHintWindow(GetAncestor(container_.Handle(), GA_ROOT), 400, dpi_);
  AddHint(hint_tooltip_.get(), Navigation_Tools_RecountHint_Label->Handle(), kRecountHint);
}

NavigationPanel::~NavigationPanel() = default;

void NavigationPanel::CreateControls(HWND container) {
  Navigation_Panel = std::make_unique<Panel>(container);
  // Hidden, as the program starts: laid out once at that width.
  container_.Layout().Add(Navigation_Panel->Handle(), Dock::Left, kHiddenNavigationWidth);
  Navigation_Tools_Panel = std::make_unique<Panel>(Navigation_Panel->Handle());
  Navigation_Panel->Layout().Add(Navigation_Tools_Panel->Handle(), Dock::Top, 22);
  HWND tools_row = Navigation_Tools_Panel->Handle();
  Navigation_Tools_Hide_Label = std::make_unique<Label>(tools_row, L"Спрятать");
  Navigation_Tools_Recount_Label = std::make_unique<Label>(tools_row, L"Обновить");
  Navigation_Tools_RecountHint_Label = std::make_unique<Label>(tools_row, L"Нажимайте сами!");
  Navigation_Tools_Hide_Label->cursor = LoadCursorW(nullptr, IDC_HAND);
  Navigation_Tools_Recount_Label->cursor = LoadCursorW(nullptr, IDC_HAND);
  Navigation_Tools_RecountHint_Label->cursor = LoadCursorW(nullptr, IDC_HELP);
  Navigation_Tools_RecountHint_Label->text_color = RGB(255, 0, 0);
  DockLayout& row = Navigation_Tools_Panel->Layout();
  row.AddFixed(Navigation_Tools_Hide_Label->Handle(), 8, 4, 50, 13);
  row.AddFixed(Navigation_Tools_Recount_Label->Handle(), 64, 4, 50, 13);
  row.AddFixed(Navigation_Tools_RecountHint_Label->Handle(), 120, 4, 90, 13);
  Navigation_ListBox = std::make_unique<VirtualListBox>(Navigation_Panel->Handle(), false);
  Navigation_Panel->Layout().Add(Navigation_ListBox->Handle(), Dock::Client, 0);

  Splitter1 = std::make_unique<Splitter>(container_, Navigation_Panel->Handle(), 1);
  container_.Layout().Add(Splitter1->Handle(), Dock::Left, kSplitterThickness);

  SetWindowId(Navigation_ListBox->Handle(), kListId);
  SetWindowId(Navigation_Tools_Hide_Label->Handle(), kHideId);
  SetWindowId(Navigation_Tools_Recount_Label->Handle(), kRecountId);
  SetWindowId(Navigation_Tools_RecountHint_Label->Handle(), kHintId);
  SetWindowId(Splitter1->Handle(), kSplitterId);
}

void NavigationPanel::BindEvents(const EventRunner& run) {
  const auto bind = [&run](std::function<void()>& event, std::function<void()> handler) {
    event = RunsThrough(run, std::move(handler));
  };
  bind(Navigation_Tools_Hide_Label->onClick, [this] { Hide(); });
  bind(Navigation_Tools_Recount_Label->onClick, [this] { Recount(); });
  bind(Navigation_ListBox->onClick, [this] { JumpToSelectedEntry(); });
  bind(Navigation_ListBox->onDoubleClick, [this] {
    JumpToSelectedEntry();
    Hide();
  });
  bind(Splitter1->onMoved, [this] { SplitterMoved(); });
  // The list asks its parent, the panel, for its context menu. The panel is
  // subclassed rather than the list, since a subclassed list box adds items
  // many times slower and a scan can list many thousands.
  Subclass(Navigation_Panel->Handle(),
           [this](HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
             if (message == WM_CONTEXTMENU &&
                 reinterpret_cast<HWND>(wparam) == Navigation_ListBox->Handle()) {
               POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
               if (lparam == -1) point = KeyboardMenuPoint();
               show_context_menu_(point);
               return LRESULT{0};
             }
             return DefSubclassProc(panel, message, wparam, lparam);
           });
}

// Where a context menu asked for from the keyboard opens: below the selected
// entry, or at the list's corner.
POINT NavigationPanel::KeyboardMenuPoint() const {
  HWND list = Navigation_ListBox->Handle();
  POINT point{0, 0};
  RECT item;
  const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR && SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                                         reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    point = {item.left, item.bottom};
  }
  ClientToScreen(list, &point);
  return point;
}

void NavigationPanel::Toggle() {
  const TextDocument& document = editor_.Document();
  const NavigationToggle toggle = ToggleNavigation(
      Width(), saved_width_, document.EditorLineCount(), Navigation_ListBox->Count() > 0);
  if (toggle.rescan) ShowEntries(*Navigation_ListBox, ScanSections(document));
  saved_width_ = toggle.saved_width;
  SetWidth(toggle.width);
  Navigation_Tools_RecountHint_Label->Show(toggle.hint_visible);
}

// A panel that is already hidden keeps the width saved before, so the
// toggle can always show it again.
void NavigationPanel::Hide() {
  const int width = Width();
  if (width == kHiddenNavigationWidth) return;
  saved_width_ = width;
  SetWidth(kHiddenNavigationWidth);
}

void NavigationPanel::Recount() {
  ShowEntries(*Navigation_ListBox, ScanLabelSections(editor_.Document()));
}

void NavigationPanel::JumpToSelectedEntry() {
  if (const auto entry = SelectedEntry(*Navigation_ListBox)) {
    editor_.ScrollLineToTop(EntryLineIndex(*entry));
  }
}

void NavigationPanel::SplitterMoved() {
  const int width = NavigationWidthAfterSplitter(Width());
  if (width != Width()) SetWidth(width);
  saved_width_ = width;
}

void NavigationPanel::ExportList() {
  const auto chosen = file_dialogs_.ChooseFileToSave(export_dialog_.Request());
  if (!chosen || !export_dialog_.Confirm(*chosen)) return;
  WriteFileBytes(chosen->path, SectionListCsv(ListedEntries(*Navigation_ListBox)));
}

int NavigationPanel::Width() const {
  return container_.Layout().Size(Navigation_Panel->Handle());
}

void NavigationPanel::SetWidth(int width) {
  container_.Layout().SetSize(Navigation_Panel->Handle(), width);
  container_.Relayout();
}

std::vector<std::string> NavigationPanel::Entries() const {
  return ListedEntries(*Navigation_ListBox);
}

void NavigationPanel::SetListFontName(const std::wstring& face, bool monospaced) {
  list_face_ = face;
  list_monospaced_ = monospaced;
  ApplyListFont();
}

void NavigationPanel::SetListFontPoints(int points) {
  list_height_ = -MulDiv(points, 96, 72);
  ApplyListFont();
}

void NavigationPanel::SetDpi(int dpi) {
  dpi_ = dpi;
  ApplyListFont();
  Navigation_ListBox->SetItemHeight(Scale(11, dpi_));
  SendMessageW(hint_tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, Scale(400, dpi_));
}

// The list gets the new font before the old one is released.
void NavigationPanel::ApplyListFont() {
  UniqueFont font = list_monospaced_ ? CreateMonospacedFont(list_face_.c_str(), list_height_, dpi_)
                                     : UniqueFont(CreateScaledFont(list_face_.c_str(), list_height_,
                                                                   dpi_, false, RUSSIAN_CHARSET));
  Navigation_ListBox->SetFont(font.get());
  list_font_ = std::move(font);
}

}  // namespace tarnpad
