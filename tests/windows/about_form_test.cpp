// The About window: its layout at the design size, its link, and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "modal_script.h"
#include "scripted_seams.h"
#include "shell/web_links.h"
#include "ui/about_form.h"
#include "window/dpi.h"

namespace tarnpad {
namespace {

TEST(AboutWindow, ShowsItsLabelsAtTheDesignSizeAndClosesWithEsc) {
  ScriptedOwner owner;
  SIZE client{};
  owner.Add([&client](HWND dialog) {
    RECT bounds{};
    GetClientRect(dialog, &bounds);
    client = {bounds.right, bounds.bottom};
    return true;
  });
  owner.Add(PressKey(VK_ESCAPE));
  ScriptedShell shell;
  ShowAboutWindow(owner.Window(), L"Velbrin Tarnpad", shell);

  const int dpi = WindowDpi(owner.Window());
  EXPECT_EQ(client.cx, Scale(401, dpi));
  EXPECT_EQ(client.cy, Scale(164, dpi));
  EXPECT_EQ(owner.SeenTitle(), L"Velbrin Tarnpad");
  EXPECT_EQ(owner.SeenTexts(),
            L"Velbrin.|Текстовый  редактор|Версия 1.15.35|Дата 06.04.2014|© 2005-2014 "
            L"Velbrin|velbrin.ru|");
  EXPECT_TRUE(shell.opened.empty());
}

TEST(AboutWindow, LinkOpensTheHomePageAndTheCloseButtonCloses) {
  ScriptedOwner owner({ClickChild(web_links::kSiteName), ClickCloseButton()});
  ScriptedShell shell;
  ShowAboutWindow(owner.Window(), L"Velbrin Tarnpad", shell);
  EXPECT_EQ(shell.opened, std::vector<std::wstring>{L"https://velbrin.ru/"});
}

class FailingShell : public ScriptedShell {
 public:
  void OpenWebAddress(const std::wstring&) override { throw Failure(L"no browser"); }
};

TEST(AboutWindow, FailureInsideEndsTheWindowAndReachesTheCaller) {
  ScriptedOwner owner({ClickChild(web_links::kSiteName)});
  FailingShell shell;
  EXPECT_THROW(ShowAboutWindow(owner.Window(), L"Velbrin Tarnpad", shell), Failure);
  EXPECT_TRUE(IsWindowEnabled(owner.Window()));
}

}  // namespace
}  // namespace tarnpad
