// The one binding of the program's windows to their objects, and the one
// boundary that keeps exceptions out of the system's code.
#include "window/window_base.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/failure.h"
#include "window/controls.h"

namespace tarnpad {
namespace {

class ProbeWindow : public WindowBase<ProbeWindow> {
 public:
  explicit ProbeWindow(bool fail_creation = false) : fail_creation_(fail_creation) {
    WindowClass window_class;
    window_class.name = L"TarnpadProbeWindow";
    CreateBound(window_class, 0, WS_OVERLAPPED, L"probe", {0, 0, 100, 100}, nullptr, nullptr);
  }
  HWND Handle() const { return handle_; }

 private:
  friend class WindowBase<ProbeWindow>;
  void BindHandle(HWND window) { handle_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CREATE && fail_creation_) throw std::bad_alloc();
    if (message == WM_USER) throw Failure(L"the step failed");
    if (message == WM_USER + 1) return 42;
    return DefWindowProcW(handle_, message, wparam, lparam);
  }
  bool fail_creation_;
  HWND handle_ = nullptr;
};

class WindowBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFailureReporter([this](const std::wstring& message) { reported_.push_back(message); });
  }
  void TearDown() override { SetFailureReporter(nullptr); }
  std::vector<std::wstring> reported_;
};

TEST_F(WindowBaseTest, AFailingMessageIsReportedAndTheWindowLivesOn) {
  ProbeWindow probe;
  HWND window = probe.Handle();
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 0);
  EXPECT_EQ(reported_, std::vector<std::wstring>{L"the step failed"});
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 42);
}

TEST_F(WindowBaseTest, TheWindowEndsWithItsObjectAndAFailedCreationLeavesNone) {
  HWND window = nullptr;
  {
    ProbeWindow probe;
    window = probe.Handle();
  }
  EXPECT_FALSE(IsWindow(window));

  EXPECT_THROW(ProbeWindow(true), Failure);
  EXPECT_EQ(reported_, std::vector<std::wstring>{L"Not enough memory"});
}

TEST_F(WindowBaseTest, DestroyingTheWindowFirstUnbindsTheObject) {
  ProbeWindow probe;
  DestroyWindow(probe.Handle());
  EXPECT_EQ(probe.Handle(), nullptr);
}

// A system control and its wrapper: whichever goes first takes the link
// along, so no window leads to a freed object.
TEST_F(WindowBaseTest, AControlAndItsWindowEndTogether) {
  ProbeWindow probe;
  auto panel = std::make_unique<Panel>(probe.Handle());
  HWND button_window = nullptr;
  {
    Button button(panel->Handle(), L"OK");
    button_window = button.Handle();
    SetWindowId(button_window, 7);
    EXPECT_EQ(Control::FromHandle(FindWindowById(probe.Handle(), 7)), &button);
  }
  EXPECT_FALSE(IsWindow(button_window));

  Button survivor(panel->Handle(), L"OK");
  HWND survivor_window = survivor.Handle();
  HWND panel_window = panel->Handle();
  DestroyWindow(panel_window);  // the parent goes first, its children with it
  EXPECT_FALSE(IsWindow(survivor_window));
  EXPECT_EQ(survivor.Handle(), nullptr);
  EXPECT_EQ(Control::FromHandle(survivor_window), nullptr);
  EXPECT_EQ(panel->Handle(), nullptr);
  EXPECT_EQ(Panel::ObjectOf(panel_window), nullptr);
}

}  // namespace
}  // namespace tarnpad
