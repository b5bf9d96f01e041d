#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/controls.h"

namespace tarnpad {

// The navigation and fragment lists show entries, which are Windows-1251
// bytes, as wide text; the round trip through the list is exact for every
// byte.

// Replaces the list's items with the entries, in order, in one go: a scan of a
// large document can list many thousands of entries.
void ShowEntries(ListBox& list, const std::vector<std::string>& entries);

// Every item of the list, as the entry it shows.
std::vector<std::string> ListedEntries(const ListBox& list);

// The selected item's entry; nullopt when no item is selected.
std::optional<std::string> SelectedEntry(const ListBox& list);

}  // namespace tarnpad
