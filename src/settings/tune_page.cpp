// The settings page.
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::CreateTunePage() {}
void MainForm::N34Click() {}

}  // namespace tarnpad
