// Our message box answered with the keyboard and the close button, as a user
// would; its titles, captions and size.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modal_script.h"
#include "window/message_box_win.h"

namespace tarnpad {
namespace {

struct Case {
  BoxButtons buttons;
  BoxAnswer answer;
};

BoxAnswer Answer(BoxButtons buttons, ModalStep step) {
  ScriptedOwner owner({std::move(step)});
  return ShowMessageBox(owner.Window(), BoxKind::Plain, L"Velbrin Tarnpad", L"Text", buttons);
}

TEST(ModalMessageBox, EnterAnswersOkWhenPresentOtherwiseYes) {
  for (const Case& c :
       {Case{BoxButtons::Ok, BoxAnswer::Ok}, Case{BoxButtons::OkCancel, BoxAnswer::Ok},
        Case{BoxButtons::YesNo, BoxAnswer::Yes}, Case{BoxButtons::YesNoCancel, BoxAnswer::Yes}}) {
    EXPECT_EQ(Answer(c.buttons, PressKey(VK_RETURN)), c.answer)
        << "buttons " << static_cast<int>(c.buttons);
  }
}

TEST(ModalMessageBox, EscAndCloseButtonAnswerCancelWhenPresentOtherwiseNo) {
  for (const Case& c :
       {Case{BoxButtons::Ok, BoxAnswer::Ok}, Case{BoxButtons::OkCancel, BoxAnswer::Cancel},
        Case{BoxButtons::YesNo, BoxAnswer::No}, Case{BoxButtons::YesNoCancel, BoxAnswer::Cancel}}) {
    EXPECT_EQ(Answer(c.buttons, PressKey(VK_ESCAPE)), c.answer)
        << "Esc, buttons " << static_cast<int>(c.buttons);
  }
  EXPECT_EQ(Answer(BoxButtons::YesNo, ClickCloseButton()), BoxAnswer::No);
  EXPECT_EQ(Answer(BoxButtons::YesNoCancel, ClickCloseButton()), BoxAnswer::Cancel);
}

TEST(ModalMessageBox, AccessKeysAnswerYesAndNo) {
  EXPECT_EQ(Answer(BoxButtons::YesNoCancel, TypeText(L"n")), BoxAnswer::No);
  EXPECT_EQ(Answer(BoxButtons::YesNoCancel, TypeText(L"y")), BoxAnswer::Yes);
  EXPECT_EQ(Answer(BoxButtons::YesNo, TypeText(L"N")), BoxAnswer::No);
}

TEST(ModalMessageBox, TitlesAndButtonCaptionsAreOurOwn) {
  ScriptedOwner confirmation({PressKey(VK_ESCAPE)});
  ShowMessageBox(confirmation.Window(), BoxKind::Confirmation, L"ignored", L"Удалить?",
                 BoxButtons::YesNoCancel);
  EXPECT_EQ(confirmation.SeenTitle(), L"Confirm");
  EXPECT_EQ(confirmation.SeenTexts(), L"&Yes|&No|Cancel|");

  ScriptedOwner plain({PressKey(VK_ESCAPE)});
  ShowMessageBox(plain.Window(), BoxKind::Plain, L"Velbrin Tarnpad - a.php", L"Ничего не найдено",
                 BoxButtons::OkCancel);
  EXPECT_EQ(plain.SeenTitle(), L"Velbrin Tarnpad - a.php");
  EXPECT_EQ(plain.SeenTexts(), L"OK|Cancel|");

  ScriptedOwner error({PressKey(VK_ESCAPE)});
  ShowMessageBox(error.Window(), BoxKind::Error, L"Velbrin Tarnpad", L"Failed.", BoxButtons::Ok);
  EXPECT_EQ(error.SeenTitle(), L"Velbrin Tarnpad");
  EXPECT_EQ(error.SeenTexts(), L"OK|");
}

BoxAnswer Choose(ModalStep step, const ChoiceCaptions& captions) {
  ScriptedOwner owner({std::move(step)});
  return ShowMessageBox(owner.Window(), BoxKind::Confirmation, L"", L"Text", captions);
}

TEST(ModalMessageBox, ChoiceButtonsCarryTheirOwnCaptionsAndAnswerYesNoCancel) {
  const ChoiceCaptions captions{L"&Ссылки &&#...;", L"&Знак ?", L"Отмена"};
  ScriptedOwner owner({PressKey(VK_ESCAPE)});
  EXPECT_EQ(ShowMessageBox(owner.Window(), BoxKind::Confirmation, L"", L"Text", captions),
            BoxAnswer::Cancel);
  EXPECT_EQ(owner.SeenTexts(), L"&Ссылки &&#...;|&Знак ?|Отмена|");

  EXPECT_EQ(Choose(PressKey(VK_RETURN), captions), BoxAnswer::Yes);
  // Wine matches an access key beyond ASCII only when typed as a capital.
  EXPECT_EQ(Choose(TypeText(L"З"), captions), BoxAnswer::No);
  EXPECT_EQ(Choose(TypeText(L"С"), captions), BoxAnswer::Yes);
  EXPECT_EQ(Choose(ClickChild(L"&Знак ?"), captions), BoxAnswer::No);
  EXPECT_EQ(Choose(ClickCloseButton(), captions), BoxAnswer::Cancel);
}

TEST(ModalMessageBox, ButtonsGrowAlikeToFitALongCaption) {
  const auto button_widths = [](const ChoiceCaptions& captions) {
    std::vector<int> widths;
    ScriptedOwner owner;
    owner.Add([&widths](HWND dialog) {
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds{};
        GetWindowRect(child, &bounds);
        widths.push_back(bounds.right - bounds.left);
      }
      return true;
    });
    owner.Add(PressKey(VK_ESCAPE));
    ShowMessageBox(owner.Window(), BoxKind::Confirmation, L"", L"Text", captions);
    return widths;
  };
  const std::vector<int> standard = button_widths({L"&Yes", L"&No", L"Cancel"});
  const std::vector<int> long_caption =
      button_widths({L"Вставить числовыми ссылками HTML", L"&No", L"Cancel"});
  ASSERT_EQ(standard.size(), 3u);
  ASSERT_EQ(long_caption.size(), 3u);
  EXPECT_GT(long_caption[0], 2 * standard[0]);
  EXPECT_EQ(long_caption[1], long_caption[0]);
  EXPECT_EQ(long_caption[2], long_caption[0]);
}

TEST(ModalMessageBox, OwnerIsDisabledWhileOpenAndItsTimersKeepTicking) {
  ScriptedOwner owner;
  bool owner_enabled_while_open = true;
  owner.Add([&](HWND) {
    owner_enabled_while_open = IsWindowEnabled(owner.Window()) != FALSE;
    return owner.TimerTicks() > 0;  // waits for the owner's timer
  });
  owner.Add(PressKey(VK_ESCAPE));
  SetTimer(owner.Window(), 1, 1, nullptr);
  ShowMessageBox(owner.Window(), BoxKind::Plain, L"Velbrin Tarnpad", L"Text", BoxButtons::Ok);
  KillTimer(owner.Window(), 1);
  EXPECT_FALSE(owner_enabled_while_open);
  EXPECT_TRUE(IsWindowEnabled(owner.Window()));
}

RECT BoxBounds(ScriptedOwner& owner, const std::wstring& text) {
  RECT bounds{};
  owner.Add([&bounds](HWND dialog) { return GetWindowRect(dialog, &bounds) != FALSE; });
  owner.Add(PressKey(VK_ESCAPE));
  ShowMessageBox(owner.Window(), BoxKind::Error, L"Velbrin Tarnpad", text, BoxButtons::Ok);
  return bounds;
}

int Width(const RECT& r) {
  return r.right - r.left;
}
int Height(const RECT& r) {
  return r.bottom - r.top;
}

TEST(ModalMessageBox, SizedToItsTextOnScreenAndCentredOnTheOwner) {
  ScriptedOwner owner;
  ShowWindow(owner.Window(), SW_SHOWNOACTIVATE);
  const RECT one_line = BoxBounds(owner, L"Файл не сохранен. Сохранить?");
  const RECT four_lines = BoxBounds(owner, L"Первая\r\nВторая\r\nТретья\r\nЧетвёртая");
  const std::wstring long_path =
      L"Cannot open file \"C:\\" + std::wstring(400, L'x') + L".php\". Access is denied";
  const RECT long_text = BoxBounds(owner, long_path);

  EXPECT_GT(Height(four_lines), Height(one_line));
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LT(Width(long_text), Width(work)) << "a long path wraps";
  EXPECT_GT(Height(long_text), Height(one_line));

  RECT owner_bounds{};
  GetWindowRect(owner.Window(), &owner_bounds);
  EXPECT_NEAR(one_line.left + one_line.right, owner_bounds.left + owner_bounds.right, 2);
  EXPECT_NEAR(one_line.top + one_line.bottom, owner_bounds.top + owner_bounds.bottom, 2);
}

}  // namespace
}  // namespace tarnpad
