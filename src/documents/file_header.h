#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnpad {

class TextDocument;

// The date as the header writes it: yyyy-mm-dd, whatever the locale.
std::string HeaderDate(int year, int month, int day);

// The size in bytes of the file at path as it stands on disk, or -1 when
// there is no file there (an empty path included).
std::int64_t FileSizeOf(const std::filesystem::path& path);

// The size the text would have with every line trimmed, blank lines and
// comment lines (starting with "#" once trimmed) dropped, and the rest joined
// by CR LF: the kept lines' lengths plus 2 each, minus 2; -2 when no line is
// kept.
std::int64_t ClearSize(const TextDocument& document);

// Rewrites the CMS file-information lines found among lines 1 to 20 (the
// second to the twenty-first) into their 120-column form with the given date,
// file size and the text's clear size (taken before any rewrite). Each line
// recognised is replaced, so the caret ends after the last of them; returns
// whether any line's text actually changed.
bool RefreshFileHeader(TextDocument& document, std::string_view date, std::int64_t file_size);

}  // namespace tarnpad
