#pragma once

#include <filesystem>
#include <string>

namespace tarnpad {

// The lines of the generated benchmark document.
inline constexpr int kDocumentLines = 1'000'000;

// A deterministic document of Windows-1251 text with CR LF breaks: ASCII and
// Cyrillic words, some empty lines and every thousandth line several KB long.
// 1 000 000 lines come to about 50 MB. No final line break.
std::string GenerateDocumentBytes(int lines);

// The document of kDocumentLines lines, written to the system's temporary
// folder on the first call of the process.
std::filesystem::path GeneratedDocumentPath();

}  // namespace tarnpad
