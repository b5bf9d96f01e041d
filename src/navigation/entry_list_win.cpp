#include "navigation/entry_list_win.h"

#include <windows.h>

#include <cstddef>

#include "core/win1251.h"

namespace tarnpad {

void ShowEntries(ListBox& list, const std::vector<std::string>& entries) {
  HWND handle = list.Handle();
  SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
  list.Clear();
  std::size_t characters = 0;
  for (const std::string& entry : entries) characters += entry.size() + 1;
  SendMessageW(handle, LB_INITSTORAGE, entries.size(),
               static_cast<LPARAM>(characters * sizeof(wchar_t)));
  for (const std::string& entry : entries) list.Add(DecodeText(entry));
  SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle, nullptr, TRUE);
}

std::vector<std::string> ListedEntries(const ListBox& list) {
  const int count = list.Count();
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) entries.push_back(EncodeText(list.Item(i)));
  return entries;
}

std::optional<std::string> SelectedEntry(const ListBox& list) {
  const int selected = list.SelectedIndex();
  if (selected < 0) return std::nullopt;
  return EncodeText(list.Item(selected));
}

}  // namespace tarnpad
