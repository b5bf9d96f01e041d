#pragma once

#include <benchmark/benchmark.h>

#include "core/text_document.h"

namespace tarnpad {

// What the status bar does on every selection change.
class StatusBarListener : public DocumentListener {
 public:
  explicit StatusBarListener(const TextDocument& document) : document_(document) {}
  void SelectionChanged() override {
    benchmark::DoNotOptimize(document_.CaretPoint());
    benchmark::DoNotOptimize(document_.SelectionLength());
  }
  void TextChanged(TextChangeKind) override {}

 private:
  const TextDocument& document_;
};

}  // namespace tarnpad
