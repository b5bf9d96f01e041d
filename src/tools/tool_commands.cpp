// The editing tools' commands.
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::InsertionItemClick(UINT) {}
void MainForm::SpeedButton1Click() {}
void MainForm::N3Click() {}
void MainForm::Search_ButtonClick() {}
void MainForm::Search_More_ButtonClick() {}
void MainForm::Replace_All_ButtonClick() {}
void MainForm::N55Click() {}
void MainForm::N57Click() {}
void MainForm::N59Click() {}
void MainForm::N60Click() {}
void MainForm::N44Click() {}
void MainForm::N6541Click() {}
void MainForm::N36Click() {}
void MainForm::N37Click() {}
void MainForm::N38Click() {}
void MainForm::N50Click() {}
void MainForm::Button3Click() {}
void MainForm::Button4Click() {}
void MainForm::N210Click() {}
void MainForm::N40Click() {}
void MainForm::N41Click() {}
void MainForm::N61Click() {}
void MainForm::N42Click() {}
void MainForm::echobr1Click() {}
void MainForm::PHP1Click() {}

}  // namespace tarnpad
