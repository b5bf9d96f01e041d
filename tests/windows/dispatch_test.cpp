// The wrapper around every handler: what a failure shows, and that nothing
// escapes it.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "core/failure.h"
#include "scripted_seams.h"
#include "window/dispatch.h"

namespace tarnpad {
namespace {

TEST(RunHandler, FailureShowsItsMessageInTheErrorBoxTitledWithTheTitleOfThatMoment) {
  ScriptedBoxes boxes;
  std::wstring taskbar_title = L"Velbrin Tarnpad";
  const bool completed = RunHandler(
      [&] {
        taskbar_title = L"Velbrin Tarnpad - v.d.p.index.php";
        throw Failure(L"Cannot open file \"C:\\a.php\". Access is denied");
      },
      boxes, [&] { return taskbar_title; });

  EXPECT_FALSE(completed);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::Ok);
  EXPECT_EQ(boxes.shown[0].title, L"Velbrin Tarnpad - v.d.p.index.php");
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open file \"C:\\a.php\". Access is denied.");
}

TEST(RunHandler, MessagesOfEveryKindOfErrorFollowTheFullStopRule) {
  const auto shown_text = [](const std::function<void()>& handler) {
    ScriptedBoxes boxes;
    RunHandler(handler, boxes, [] { return std::wstring(L"Velbrin Tarnpad"); });
    return boxes.shown.empty() ? std::wstring(L"(nothing)") : boxes.shown[0].text;
  };
  EXPECT_EQ(shown_text([] { throw Failure(L"Failed to Save Stream"); }), L"Failed to Save Stream.");
  EXPECT_EQ(shown_text([] { throw Failure(L"Ends with a stop."); }), L"Ends with a stop.");
  EXPECT_EQ(shown_text([] { throw Failure(L"(disk full)"); }), L"(disk full)");
  EXPECT_EQ(shown_text([] { throw std::bad_alloc(); }), L"Not enough memory.");
  EXPECT_EQ(shown_text([] { throw std::runtime_error("stream error: \xd0\xb4"); }),
            L"stream error: д.");
  EXPECT_EQ(shown_text([] { throw 42; }), L"Unexpected failure.");
  EXPECT_EQ(shown_text([] {}), L"(nothing)");
}

class FailingBoxes : public ScriptedBoxes {
 public:
  BoxAnswer Show(BoxKind, const std::wstring&, const std::wstring&, BoxButtons) override {
    throw std::bad_alloc();
  }
};

TEST(RunHandler, NothingEscapesEvenWhenTheErrorBoxFails) {
  FailingBoxes boxes;
  bool completed = true;
  EXPECT_NO_THROW(completed = RunHandler([] { throw Failure(L"x"); }, boxes,
                                         [] { return std::wstring(L"Velbrin Tarnpad"); }));
  EXPECT_FALSE(completed);
  EXPECT_TRUE(RunHandler([] {}, boxes, [] { return std::wstring(); }));
}

}  // namespace
}  // namespace tarnpad
