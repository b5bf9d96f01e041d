#include <sys/random.h>

#include <cerrno>

#include "core/failure.h"
#include "shell/random_source.h"

namespace tarnpad {

void SystemRandomSource::Fill(std::span<std::uint8_t> bytes) {
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Failure(kRandomBytesUnavailable);
    }
    filled += static_cast<std::size_t>(got);
  }
}

}  // namespace tarnpad
