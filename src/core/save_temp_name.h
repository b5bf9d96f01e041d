#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnpad {

// The name of a file a save writes beside its target before the target takes
// the text. It is short whatever the target's name, so it always fits the
// folder, and it carries the saving process's id, so a later save can tell
// the leftovers of a killed save from the files of a save still running.
std::string SaveTempName(std::uint32_t process_id, unsigned serial);

// The process id that SaveTempName wrote into name; nullopt for any other name.
std::optional<std::uint32_t> SaveTempOwner(std::string_view name);

}  // namespace tarnpad
