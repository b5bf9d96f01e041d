// The composition of the main window: which controls exist, how they nest
// and dock, their design sizes, captions and fonts.
#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "editor/text_view.h"
#include "ui/main_form.h"
#include "window/dpi.h"
#include "window/glyphs_win.h"
#include "window/virtual_list_box.h"

namespace tarnpad {

namespace {

constexpr int kToolBarHeight = 35;
constexpr int kToolsNotebookHeight = 118;
constexpr int kStatusBarHeight = 18;
constexpr int kSplitterThickness = 3;

void AddHint(HWND tooltip, HWND control, const wchar_t* text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

MainForm::Fonts MainForm::CreateFonts() const {
  Fonts fonts;
  fonts.form.reset(CreateScaledFont(L"MS Sans Serif", -11, dpi_));
  fonts.tool_button.reset(CreateScaledFont(L"Arial", -11, dpi_));
  fonts.memo.reset(CreateScaledFont(L"Lucida Console", -13, dpi_, false, RUSSIAN_CHARSET));
  return fonts;
}

void MainForm::ChangeDpi(int dpi) {
  dpi_ = dpi;
  Fonts old = std::exchange(fonts_, CreateFonts());
  ApplyFonts();
  RichEdit->SetDpi(dpi);
  Fragment_Memo->SetDpi(dpi);
  ToolBar->SetDpi(dpi);
  Relayout();
}

void MainForm::SetNavigationListFontName(const std::wstring& face) {
  navigation_list_face_ = face;
  ApplyNavigationListFont();
}

void MainForm::SetNavigationListFontPoints(int points) {
  navigation_list_height_ = -MulDiv(points, 96, 72);
  ApplyNavigationListFont();
}

void MainForm::ApplyNavigationListFont() {
  UniqueFont font(CreateScaledFont(navigation_list_face_.c_str(), navigation_list_height_, dpi_,
                                   false, RUSSIAN_CHARSET));
  Navigation_ListBox->SetFont(font.get());
  fonts_.list = std::move(font);
}

void MainForm::CreateControls() {
  ToolBar = std::make_unique<ToolButtonBar>(window_, 28, 27);
  const auto add_button = [this](UINT id, Glyph picture) {
    ToolBar->AddButton(id, picture, [this, id] { Dispatch([this, id] { RunCommand(id); }); });
  };
  add_button(kCmdToolSave, Glyph::FloppyDisk);                // SpeedButton2
  ToolBar->AddSeparator(8);                                   // ToolButton1
  add_button(kCmdToolGuillemets, Glyph::PageWithGuillemets);  // SpeedButton1
  layout_.Add(ToolBar->Handle(), Dock::Top, kToolBarHeight);

  _ToolsNotebook = std::make_unique<PageContainer>(window_);
  layout_.Add(_ToolsNotebook->Handle(), Dock::Top, kToolsNotebookHeight);
  Panel& passwords_page = _ToolsNotebook->AddPage(L"PasswordsGenerator");
  PasswordsGenerator_GroupBox =
      std::make_unique<GroupBox>(passwords_page.Handle(), L"  Генератор паролей  ");
  passwords_page.Layout().Add(PasswordsGenerator_GroupBox->Handle(), Dock::Top, 105);
  Panel& strip_editor_page = _ToolsNotebook->AddPage(L"Editor");
  GroupBox3 = std::make_unique<GroupBox>(strip_editor_page.Handle(), L"GroupBox3");
  strip_editor_page.Layout().Add(GroupBox3->Handle(), Dock::Client, 0);

  _StatusBar = std::make_unique<StatusPanels>(window_);
  layout_.Add(_StatusBar->Handle(), Dock::Bottom, kStatusBarHeight);

  _Notebook = std::make_unique<PageContainer>(window_);
  layout_.Add(_Notebook->Handle(), Dock::Client, 0);
  Editor_Page = &_Notebook->AddPage(L"Editor");
  Tune_Page = &_Notebook->AddPage(L"Tune");
  CreateEditorPage();
  CreateSettingsPage();
  ApplyFonts();
}

void MainForm::ApplyFonts() {
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM font) {
        SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(fonts_.form.get()));
  Memo1->SetFont(fonts_.memo.get());
  Button3->SetFont(fonts_.tool_button.get());
  Button4->SetFont(fonts_.tool_button.get());
  ApplyNavigationListFont();
  Navigation_ListBox->SetItemHeight(Scale(11, dpi_));
  Fragment_ListBox->SetItemHeight(Scale(13, dpi_));
  TabbedNotebook1->SetTabFont(fonts_.form.get());
  Relayout();
}

void MainForm::CreateEditorPage() {
  Editor_Panel = std::make_unique<Panel>(Editor_Page->Handle());
  Editor_Page->Layout().Add(Editor_Panel->Handle(), Dock::Client, 0);

  Navigation_Panel = std::make_unique<Panel>(Editor_Panel->Handle());
  Editor_Panel->Layout().Add(Navigation_Panel->Handle(), Dock::Left, 200);
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
  Navigation_Tools_Panel->Layout().AddFixed(Navigation_Tools_Hide_Label->Handle(), 8, 4, 50, 13);
  Navigation_Tools_Panel->Layout().AddFixed(Navigation_Tools_Recount_Label->Handle(), 64, 4, 50,
                                            13);
  Navigation_Tools_Panel->Layout().AddFixed(Navigation_Tools_RecountHint_Label->Handle(), 120, 4,
                                            90, 13);
  Navigation_ListBox = std::make_unique<VirtualListBox>(Navigation_Panel->Handle(), false);
  Navigation_Panel->Layout().Add(Navigation_ListBox->Handle(), Dock::Client, 0);

  Splitter1 = std::make_unique<Splitter>(*Editor_Panel, Navigation_Panel->Handle(), 1);
  Editor_Panel->Layout().Add(Splitter1->Handle(), Dock::Left, kSplitterThickness);

  Main_Panel = std::make_unique<Panel>(Editor_Panel->Handle());
  Editor_Panel->Layout().Add(Main_Panel->Handle(), Dock::Client, 0);
  CreateToolsPanel();
  Splitter2 = std::make_unique<Splitter>(*Main_Panel, Tools_Panel->Handle(), 25, true);
  Main_Panel->Layout().Add(Splitter2->Handle(), Dock::Bottom, kSplitterThickness);

  TextViewArgs editor_args;
  editor_args.parent = Main_Panel->Handle();
  RichEdit = std::make_unique<TextView>(editor_args);
  Main_Panel->Layout().Add(RichEdit->Handle(), Dock::Client, 0);
  RichEdit->onSelectionChanged = [this] { Dispatch([this] { RichEditSelectionChange(); }); };
  RichEdit->onKeyPress = [this](wchar_t key) { Dispatch([this, key] { RichEditKeyPress(key); }); };
  RichEdit->onTextEdited = [this] { Dispatch([this] { MarkTextEdited(); }); };
  RichEdit->onKeyUp = [this](UINT key) { Dispatch([this, key] { RichEditKeyUp(key); }); };
  RichEdit->onKeyDown = [this](UINT key) { Dispatch([this, key] { RichEditKeyDown(key); }); };
  RichEdit->onContextMenu = [this](POINT screen, bool) { ShowEditorContextMenu(screen); };

  HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, Scale(400, dpi_));
  AddHint(tooltip, Navigation_Tools_RecountHint_Label->Handle(),
          L"Файл слишком большой, поэтому для обновления списка разделов нажимайте кнопку "
          L"\"Обновить\". Автоматическое обновление может привести к значительным торможениям в "
          L"работе.");
  AddHint(tooltip, Button3->Handle(), L"Очистка блокнота");
}

void MainForm::CreateToolsPanel() {
  Tools_Panel = std::make_unique<Panel>(Main_Panel->Handle());
  Main_Panel->Layout().Add(Tools_Panel->Handle(), Dock::Bottom, 120);
  TabbedNotebook1 = std::make_unique<TabbedNotebook>(
      Tools_Panel->Handle(),
      std::vector<std::wstring>{L"Выдержка", L"Блокнот", L"Поиск", L"Замена", L"Свернуть"});
  Tools_Panel->Layout().Add(TabbedNotebook1->Handle(), Dock::Client, 0);

  Panel& fragments = TabbedNotebook1->Page(0);
  Fragment_ListBox = std::make_unique<ListBox>(fragments.Handle());
  fragments.Layout().Add(Fragment_ListBox->Handle(), Dock::Left, 281);
  Splitter3 = std::make_unique<Splitter>(fragments, Fragment_ListBox->Handle(), 1);
  fragments.Layout().Add(Splitter3->Handle(), Dock::Left, kSplitterThickness);
  TextViewArgs memo_args;
  memo_args.parent = fragments.Handle();
  memo_args.readOnly = true;
  Fragment_Memo = std::make_unique<TextView>(memo_args);
  fragments.Layout().Add(Fragment_Memo->Handle(), Dock::Client, 0);

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

  // The two buttons stand on the tab row, above the notebook.
  Button3 = std::make_unique<Button>(Tools_Panel->Handle(), L"Очистить", false);
  Button4 = std::make_unique<Button>(Tools_Panel->Handle(), L"Выделить", false);
  Tools_Panel->Layout().AddFixed(Button3->Handle(), 307, 2, 62, 17);
  Tools_Panel->Layout().AddFixed(Button4->Handle(), 371, 2, 62, 17);
  for (Button* button : {Button3.get(), Button4.get()}) {
    SetWindowPos(button->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace tarnpad
