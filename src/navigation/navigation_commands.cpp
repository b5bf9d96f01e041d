// The navigation panel, the section list export and the fragments tab.
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::MM_NavigationClick() {}
void MainForm::Navigation_Tools_Hide_LabelClick() {}
void MainForm::Navigation_Tools_Recount_LabelClick() {}
void MainForm::Navigation_ListBoxClick() {}
void MainForm::Navigation_ListBoxDblClick() {}
void MainForm::Splitter1Moved() {}
void MainForm::N49Click() {}
void MainForm::TabbedNotebook1Change(int) {}
void MainForm::TabbedNotebook1Click() {}
void MainForm::Fragment_ListBoxClick() {}

}  // namespace tarnpad
