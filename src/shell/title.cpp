#include "shell/title.h"

#include <array>
#include <utility>

namespace tarnpad {
namespace {

// Applied in this order, so that the general prefix never eats a specific one.
constexpr std::array<std::pair<std::wstring_view, std::wstring_view>, 5> kAbbreviations = {{
    {L"velbrin.dorn.pages.", L"v.d.p."},
    {L"velbrin.dorn.modules.", L"v.d.m."},
    {L"velbrin.dorn.system.", L"v.d.s."},
    {L"velbrin.dorn.custom.", L"v.d.c."},
    {L"velbrin.dorn.", L"v.d."},
}};

// Every occurrence, left to right; a replacement is never searched again.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view from, std::wstring_view to) {
  std::wstring out;
  std::size_t start = 0;
  for (std::size_t hit = text.find(from); hit != std::wstring_view::npos;
       hit = text.find(from, start)) {
    out.append(text.substr(start, hit - start)).append(to);
    start = hit + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

std::wstring FileNamePart(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/:");
  return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

std::wstring AbbreviatedFileName(std::wstring_view name) {
  std::wstring result(name);
  for (const auto& [from, to] : kAbbreviations) result = ReplaceAll(result, from, to);
  return result;
}

std::wstring DocumentCaption(std::wstring_view app_title, std::wstring_view path) {
  std::wstring caption(app_title);
  if (!path.empty()) caption.append(L" - ").append(path);
  return caption;
}

Titles TitlesFor(std::wstring_view app_title, std::wstring_view path) {
  Titles titles{DocumentCaption(app_title, path), std::nullopt};
  if (!path.empty()) {
    titles.TaskbarTitle =
        std::wstring(app_title) + L" - " + AbbreviatedFileName(FileNamePart(path));
  }
  return titles;
}

}  // namespace tarnpad
