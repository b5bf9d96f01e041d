#include "core/save_temp_name.h"

#include <charconv>

namespace tarnpad {
namespace {

constexpr std::string_view kStem = "~tarnpad-";
constexpr std::string_view kExtension = ".tmp";

// Reads a decimal number that takes up the whole of digits.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view digits) {
  Number number{};
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

}  // namespace

std::string SaveTempName(std::uint32_t process_id, unsigned serial) {
  return std::string(kStem) + std::to_string(process_id) + "-" + std::to_string(serial) +
         std::string(kExtension);
}

std::optional<std::uint32_t> SaveTempOwner(std::string_view name) {
  if (!name.starts_with(kStem) || !name.ends_with(kExtension)) return std::nullopt;
  name.remove_prefix(kStem.size());
  name.remove_suffix(kExtension.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !WholeNumber<unsigned>(name.substr(dash + 1))) {
    return std::nullopt;
  }
  const auto process_id = WholeNumber<std::uint32_t>(name.substr(0, dash));
  // No process has id 0; to the system's calls it means "this process group".
  if (!process_id || *process_id == 0) return std::nullopt;
  return process_id;
}

}  // namespace tarnpad
