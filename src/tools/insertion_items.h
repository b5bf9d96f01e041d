#pragma once

#include <array>
#include <string_view>

namespace tarnpad {

// One item of the two insertion drop-downs: its menu name and caption, and
// the texts it hands to InsertAtCaret as Windows-1251 bytes.
struct InsertionItem {
  std::wstring_view name;     // the item's name, e.g. L"N10"
  std::wstring_view caption;  // as the menu shows it ("&&" for one ampersand)
  std::wstring_view hint;     // hover hint; empty when the item has none
  std::string_view opening;
  std::string_view closing;  // empty for every item but the guillemet pair
  bool starts_column;        // a column break with a bar comes before the item
};

inline constexpr std::string_view kLeftGuillemet = "\xAB";
inline constexpr std::string_view kRightGuillemet = "\xBB";

// "Вставить эскейп" (F6): HTML entity references, top to bottom, three
// columns of five.
inline constexpr std::array<InsertionItem, 15> kEscapeItems{{
    {L"N10", L"\u00A9", L"", "&copy;", "", false},
    {L"N5", L"&&", L"", "&amp;", "", false},
    {L"N6", L"\"", L"", "&quot;", "", false},
    {L"N8", L"<", L"", "&lt;", "", false},
    {L"N20", L">", L"", "&gt;", "", false},
    {L"N21", L"'", L"", "&apos;", "", true},
    {L"N23", L"\u00A7", L"", "&sect;", "", false},
    {L"N24", L"\u00AB", L"", "&laquo;", "", false},
    {L"N25", L"\u00BB", L"", "&raquo;", "", false},
    {L"N26", L"\u00B1", L"", "&plusmn;", "", false},
    {L"N27", L"\u00B7", L"", "&middot;", "", true},
    {L"N28", L"\u00B6", L"", "&para;", "", false},
    {L"N29", L"\u00A6", L"", "&brvbar;", "", false},
    {L"N30", L"\u00B0", L"", "&deg;", "", false},
    {L"N22", L"Н.п.", L"Неразрывный пробел", "&nbsp;", "", false},
}};

// "Вставить символ" (F5): single typographic characters and the guillemet
// pair that encloses the selection, top to bottom, three columns of five.
inline constexpr std::array<InsertionItem, 15> kSymbolItems{{
    {L"N7", L"\u00B7", L"", "\xB7", "", false},
    {L"s1", L"\u2022", L"", "\x95", "", false},
    {L"d1", L"\u2026", L"", "\x85", "", false},
    {L"N1", L"\u00AB", L"", "\xAB", "", false},
    {L"N9", L"\u00BB", L"", "\xBB", "", false},
    {L"N4", L"\u00AB\u00BB", L"", kLeftGuillemet, kRightGuillemet, true},
    {L"N11", L"\u2013", L"", "\x96", "", false},
    {L"N12", L"\u2014", L"", "\x97", "", false},
    {L"N13", L"\u20AC", L"", "\x88", "", false},
    {L"N14", L"\u2122", L"", "\x99", "", false},
    {L"N15", L"\u00A9", L"", "\xA9", "", true},
    {L"N16", L"\u00AE", L"", "\xAE", "", false},
    {L"N17", L"\u00B1", L"", "\xB1", "", false},
    {L"N18", L"\u2030", L"", "\x89", "", false},
    {L"N19", L"\u00A7", L"", "\xA7", "", false},
}};

}  // namespace tarnpad
