#pragma once

#include <windows.h>

#include "window/owned_handles.h"

namespace tarnpad {

// Command identifiers of the menu bar, the context menus and the keyboard
// shortcuts. The insertion drop-downs take a range of identifiers each.
enum CommandId : UINT {
  kCmdFileCreate = 100,     // MM_File_Create
  kCmdFileOpen,             // MM_File_Open
  kCmdFileSave,             // MM_File_Save
  kCmdFileSaveAs,           // MM_File_Save_As
  kCmdFileBackup,           // MM_File_Backup
  kCmdFileExit,             // MM_File_Exit
  kCmdNavigation,           // MM_Navigation
  kCmdFind,                 // N3
  kCmdPasswordsShow,        // N55
  kCmdPasswordsHide,        // N57
  kCmdHeaderRenew,          // MM_File_DORN_Renew
  kCmdIrreversibleWarning,  // N47, never enabled
  kCmdEchoFrame,            // echobr1
  kCmdStripComments,        // PHP1
  kCmdHelpAbout,            // MM_Help_About
  kCmdSettings,             // N34
  kCmdHelpSite,             // MM_Help_Site
  kCmdHelpProductPage,      // N35
  kCmdOpenEscapeMenu,       // F6
  kCmdOpenSymbolMenu,       // F5
  // Tool-bar buttons.
  kCmdToolSave,        // SpeedButton2
  kCmdToolGuillemets,  // SpeedButton1
  // Context menu of the editor.
  kCmdUndo,             // N44
  kCmdCut,              // N6541
  kCmdCopy,             // N36
  kCmdPaste,            // N37
  kCmdDelete,           // N38
  kCmdComplexPassword,  // N59
  kCmdSimplePassword,   // N60
  kCmdCopyToNotepad,    // N50
  kCmdOutdent2,         // N210
  kCmdIndent2,          // N40
  kCmdIndent4,          // N41
  kCmdIndent6,          // N61
  kCmdIndentTab,        // N42
  // Context menu of the navigation list.
  kCmdSaveSectionList,  // N49
  // The insertion drop-downs: first identifier of each item range.
  kCmdEscapeFirst = 300,
  kCmdSymbolFirst = 400,
};

constexpr int kInsertionItemCount = 15;

// The bar and its drop-downs belong to the main window once it has them;
// the context menus are owned here.
struct MainMenus {
  HMENU bar = nullptr;
  HMENU escape_dropdown = nullptr;  // MM_Insert_Escape, on the bar
  HMENU symbol_dropdown = nullptr;  // MM_Insert_Symbol, on the bar
  UniqueMenu editor_popup;          // PopupMenu
  UniqueMenu navigation_popup;      // NavigationPopupMenu
  int escape_position = 0;          // positions of the drop-downs on the bar
  int symbol_position = 0;
};

MainMenus BuildMainMenus();
UniqueAccelerators BuildAccelerators();

}  // namespace tarnpad
