#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnpad {

// The text after the last "\", "/" or ":" of path; all of it when it has none.
std::wstring FileNamePart(std::wstring_view path);

// name with the CMS's long prefixes shortened ("velbrin.dorn.pages." to
// "v.d.p." and so on, the specific ones before "velbrin.dorn.").
std::wstring AbbreviatedFileName(std::wstring_view name);

// The main window's caption for a document: the product title alone while
// the document is untitled, otherwise the title, " - " and the full path.
std::wstring DocumentCaption(std::wstring_view app_title, std::wstring_view path);

struct Titles {
  std::wstring Caption;
  // Absent when the taskbar title stays as it was.
  std::optional<std::wstring> TaskbarTitle;
};

// What naming a document sets: the caption and, for a titled document, the
// taskbar title with the short, abbreviated file name.
Titles TitlesFor(std::wstring_view app_title, std::wstring_view path);

}  // namespace tarnpad
