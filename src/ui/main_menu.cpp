#include "ui/main_menu.h"

#include <string>

#include "shell/web_links.h"
#include "tools/insertion_items.h"

namespace tarnpad {
namespace {

void AddItem(HMENU menu, UINT id, const std::wstring& caption, bool column_break = false,
             bool enabled = true) {
  UINT flags = MF_STRING;
  if (column_break) flags |= MF_MENUBARBREAK;
  if (!enabled) flags |= MF_GRAYED;
  AppendMenuW(menu, flags, id, caption.c_str());
}

void AddSeparator(HMENU menu) {
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void AddSubmenu(HMENU menu, HMENU submenu, const std::wstring& caption) {
  AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
}

template <typename Items>
HMENU BuildInsertionDropdown(const Items& items, UINT first_id) {
  HMENU menu = CreatePopupMenu();
  UINT id = first_id;
  for (const InsertionItem& item : items) {
    AddItem(menu, id++, std::wstring(item.caption), item.starts_column);
  }
  return menu;
}

HMENU BuildFileMenu() {
  HMENU menu = CreatePopupMenu();
  AddItem(menu, kCmdFileCreate, L"Создать\tCtrl+N");
  AddItem(menu, kCmdFileOpen, L"Открыть...\tCtrl+O");
  AddItem(menu, kCmdFileSave, L"Сохранить\tCtrl+S", false, false);
  AddItem(menu, kCmdFileSaveAs, L"Сохранить как...");
  AddSeparator(menu);  // N31
  AddItem(menu, kCmdFileBackup, L"Сделать резервную копию");
  AddSeparator(menu);  // MM_File_Z00
  AddItem(menu, kCmdFileExit, L"Выход");
  return menu;
}

HMENU BuildToolsMenu() {
  HMENU menu = CreatePopupMenu();
  AddItem(menu, kCmdPasswordsShow, L"Генератор паролей");
  AddSeparator(menu);  // N56
  AddItem(menu, kCmdPasswordsHide, L"Спрятать");
  return menu;
}

HMENU BuildProcessingMenu() {
  HMENU cms = CreatePopupMenu();  // VelbrinDORN1
  AddItem(cms, kCmdHeaderRenew, L"Обновить информацию о файле");
  HMENU irreversible = CreatePopupMenu();  // N45
  AddItem(irreversible, kCmdIrreversibleWarning, L"Отмена будет невозможна!", false, false);
  AddItem(irreversible, kCmdEchoFrame, L"Обрамить код   echo '   '.$br;", true);
  AddItem(irreversible, kCmdStripComments, L"Убрать PHP-комментарии");
  HMENU menu = CreatePopupMenu();
  AddSubmenu(menu, cms, L"CMS DORN");
  AddSeparator(menu);  // N52
  AddSubmenu(menu, irreversible, L"Необратимые действия");
  return menu;
}

HMENU BuildHelpMenu() {
  HMENU menu = CreatePopupMenu();
  AddItem(menu, kCmdHelpAbout, L"О программе\tF1");
  AddSeparator(menu);  // N32
  AddItem(menu, kCmdSettings, L"Настройка");
  AddSeparator(menu);  // N33
  AddItem(menu, kCmdHelpSite, web_links::HomePageMenuCaption());
  AddItem(menu, kCmdHelpProductPage, web_links::ProductPageMenuCaption());
  return menu;
}

HMENU BuildEditorPopup() {
  HMENU passwords = CreatePopupMenu();  // N58
  AddItem(passwords, kCmdComplexPassword, L"Сгенерированный сложный пароль");
  AddItem(passwords, kCmdSimplePassword, L"Сгенерированный простой пароль");
  HMENU menu = CreatePopupMenu();
  AddItem(menu, kCmdUndo, L"Отменить");
  AddSeparator(menu);  // N43
  AddItem(menu, kCmdCut, L"Вырезать");
  AddItem(menu, kCmdCopy, L"Копировать");
  AddItem(menu, kCmdPaste, L"Вставить");
  AddItem(menu, kCmdDelete, L"Удалить");
  AddSeparator(menu);  // N39
  AddSubmenu(menu, passwords, L"Добавить");
  AddItem(menu, kCmdCopyToNotepad, L"Копировать в блокнот");
  AddSeparator(menu);  // N51
  AddItem(menu, kCmdOutdent2, L"Подвинуть влево на 2 пробела");
  AddItem(menu, kCmdIndent2, L"Подвинуть вправо на 2 пробела");
  AddItem(menu, kCmdIndent4, L"Подвинуть вправо на 4 пробела");
  AddItem(menu, kCmdIndent6, L"Подвинуть вправо на 6 пробелов");
  AddItem(menu, kCmdIndentTab, L"Подвинуть вправо на знак табуляции");
  return menu;
}

}  // namespace

MainMenus BuildMainMenus() {
  MainMenus menus;
  menus.bar = CreateMenu();
  AddSubmenu(menus.bar, BuildFileMenu(), L"Файл");
  AddItem(menus.bar, kCmdNavigation, L"Навигация");
  AddItem(menus.bar, kCmdFind, L"Найти");
  menus.escape_dropdown = BuildInsertionDropdown(kEscapeItems, kCmdEscapeFirst);
  menus.escape_position = GetMenuItemCount(menus.bar);
  AddSubmenu(menus.bar, menus.escape_dropdown, L"Вставить эскейп");
  menus.symbol_dropdown = BuildInsertionDropdown(kSymbolItems, kCmdSymbolFirst);
  menus.symbol_position = GetMenuItemCount(menus.bar);
  AddSubmenu(menus.bar, menus.symbol_dropdown, L"Вставить символ");
  AddSubmenu(menus.bar, BuildToolsMenu(), L"Инструменты");
  AddSubmenu(menus.bar, BuildProcessingMenu(), L"Обработка");
  AddSubmenu(menus.bar, BuildHelpMenu(), L"Справка");

  menus.editor_popup.reset(BuildEditorPopup());
  menus.navigation_popup.reset(CreatePopupMenu());
  AddItem(menus.navigation_popup.get(), kCmdSaveSectionList, L"Сохранить список разделов");
  return menus;
}

UniqueAccelerators BuildAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY, VK_F4, kCmdNavigation},          {FVIRTKEY, VK_F1, kCmdHelpAbout},
      {FVIRTKEY, VK_F5, kCmdOpenSymbolMenu},      {FVIRTKEY, VK_F6, kCmdOpenEscapeMenu},
      {FVIRTKEY | FCONTROL, 'N', kCmdFileCreate}, {FVIRTKEY | FCONTROL, 'O', kCmdFileOpen},
      {FVIRTKEY | FCONTROL, 'S', kCmdFileSave},
  };
  return UniqueAccelerators(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

}  // namespace tarnpad
