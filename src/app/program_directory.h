#pragma once

#include <filesystem>

namespace tarnpad {

// The folder of the running executable: home of the settings file and of
// backup copies.
std::filesystem::path ProgramDirectory();

}  // namespace tarnpad
