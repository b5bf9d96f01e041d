// The one-line input box: what it answers with the keyboard and the close
// button.
#include <windows.h>

#include <gtest/gtest.h>

#include "modal_script.h"
#include "window/input_box_win.h"

namespace tarnpad {
namespace {

std::optional<std::wstring> Ask(std::deque<ModalStep> steps, const std::wstring& initial) {
  ScriptedOwner owner(std::move(steps));
  return ShowInputBox(owner.Window(), L"Поиск текста", L"Введите строку поиска", initial);
}

TEST(InputBox, EnterAnswersTheTextTypedOverTheSelectedInitialText) {
  EXPECT_EQ(Ask({PressKey(VK_RETURN)}, L"function"), L"function");
  EXPECT_EQ(Ask({TypeText(L"строка"), PressKey(VK_RETURN)}, L"function"), L"строка");
  EXPECT_EQ(Ask({PressKey(VK_RETURN)}, L""), L"");
}

TEST(InputBox, EscAndCloseButtonCancel) {
  EXPECT_EQ(Ask({TypeText(L"abc"), PressKey(VK_ESCAPE)}, L"x"), std::nullopt);
  EXPECT_EQ(Ask({ClickCloseButton()}, L"x"), std::nullopt);
}

TEST(InputBox, ShowsCaptionPromptAndButtons) {
  ScriptedOwner owner({PressKey(VK_ESCAPE)});
  ShowInputBox(owner.Window(), L"Поиск текста", L"Введите строку поиска", L"echo");
  EXPECT_EQ(owner.SeenTitle(), L"Поиск текста");
  EXPECT_EQ(owner.SeenTexts(), L"Введите строку поиска|echo|OK|Cancel|");
}

}  // namespace
}  // namespace tarnpad
