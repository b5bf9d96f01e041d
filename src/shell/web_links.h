#pragma once

#include <string>

#include "shell/seams.h"

// The maker's web addresses and the commands that open them.
namespace tarnpad::web_links {

inline constexpr wchar_t kSiteName[] = L"velbrin.ru";
inline constexpr wchar_t kHomePage[] = L"https://velbrin.ru/";
inline constexpr wchar_t kProductPage[] = L"https://velbrin.ru/produkty/tarnpad/";

// Captions of the Help menu's two link commands.
inline std::wstring HomePageMenuCaption() {
  return std::wstring(L"Перейти на ") + kSiteName;
}
inline std::wstring ProductPageMenuCaption() {
  return std::wstring(L"О программе на ") + kSiteName;
}

// The About window's link label and the Help menu's site command.
inline void OpenHomePage(Shell& shell) {
  shell.OpenWebAddress(kHomePage);
}
// The Help menu's command for the product's own page.
inline void OpenProductPage(Shell& shell) {
  shell.OpenWebAddress(kProductPage);
}

}  // namespace tarnpad::web_links
