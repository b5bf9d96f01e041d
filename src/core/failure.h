#pragma once

#include <stdexcept>
#include <string>

namespace tarnpad {

// A failing step: aborts the handler that ran it; the dispatch wrapper of the
// main window shows Message() in the error box.
class Failure : public std::runtime_error {
 public:
  explicit Failure(std::wstring message);
  const std::wstring& Message() const { return message_; }

 private:
  std::wstring message_;
};

// The text the error box shows: a full stop is appended when the message's
// last character has a code above that of ".".
std::wstring ErrorBoxText(const std::wstring& message);

}  // namespace tarnpad
