#include "navigation/entry_list_win.h"

#include <cstddef>
#include <utility>

#include "core/win1251.h"

namespace tarnpad {

void ShowEntries(ListBox& list, const std::vector<std::string>& entries) {
  std::vector<std::wstring> items;
  items.reserve(entries.size());
  for (const std::string& entry : entries) items.push_back(DecodeText(entry));
  list.SetItems(std::move(items));
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
