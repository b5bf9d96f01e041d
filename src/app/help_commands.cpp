// The Help menu: the About window and the maker's web pages.
#include "app/about_form.h"
#include "shell/web_links.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::MM_Help_AboutClick() {
  ShowAboutWindow(window_, state.AppTitle, *seams_.shell);
}

void MainForm::MM_Help_SiteClick() {
  web_links::OpenHomePage(*seams_.shell);
}

void MainForm::N35Click() {
  web_links::OpenProductPage(*seams_.shell);
}

}  // namespace tarnpad
