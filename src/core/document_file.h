#pragma once

#include <filesystem>

namespace tarnpad {

class TextDocument;

// Replaces the whole text with the file's bytes, line breaks normalised to
// CR LF. Throws Failure ("Cannot open file ...") and leaves the text as it was
// when the file cannot be opened or read whole.
void LoadEditorText(TextDocument& document, const std::filesystem::path& path);

// Writes the text byte for byte: no byte-order mark, no break added. The text
// goes to a temporary file in the same folder that replaces the target only
// once complete, so a failure never damages an existing file. Throws Failure
// ("Cannot create file ..." or "Failed to Save Stream").
void SaveEditorText(const TextDocument& document, const std::filesystem::path& path);

}  // namespace tarnpad
