#pragma once

#include <string>
#include <string_view>

namespace tarnpad {

// Every line break becomes CR LF: a CR LF pair, a lone CR and a lone LF each
// count as one break (so LF followed by CR is two breaks).
std::string NormalizeLineBreaks(std::string_view text);
// Same, appending to out (which keeps its contents).
void AppendNormalized(std::string_view text, std::string& out);
// Same, in place; text that needs no change is neither copied nor moved.
void NormalizeLineBreaksInPlace(std::string& text);

}  // namespace tarnpad
