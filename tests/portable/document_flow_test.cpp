#include "documents/document_flow.h"

#include <gtest/gtest.h>

#include <string>

#include "core/failure.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

// The steps that ran, in order, for a given answer to the save question.
std::string StepsRun(const AppState& state, BoxAnswer answer, bool saves_write = true) {
  std::string log;
  const UnsavedTextSteps steps = {[&] {
                                    log += "ask ";
                                    return answer;
                                  },
                                  [&] {
                                    log += "save ";
                                    return saves_write;
                                  },
                                  [&] {
                                    log += "save-as ";
                                    return saves_write;
                                  }};
  const bool goes_on = SettleUnsavedText(state, steps);
  return log + (goes_on ? "go-on" : "stop");
}

TEST(DocumentFlow, TheAnswersToTheSaveQuestion) {
  AppState state;
  EXPECT_EQ(StepsRun(state, BoxAnswer::Cancel), "go-on");  // not modified: no question

  state.TextModified = true;
  state.CurrentFileName = "doc.txt";
  EXPECT_EQ(StepsRun(state, BoxAnswer::Yes), "ask save go-on");
  EXPECT_EQ(StepsRun(state, BoxAnswer::Yes, false), "ask save stop");  // the save was declined
  EXPECT_EQ(StepsRun(state, BoxAnswer::No), "ask go-on");
  EXPECT_EQ(StepsRun(state, BoxAnswer::Cancel), "ask stop");

  state.CurrentFileName.clear();
  EXPECT_EQ(StepsRun(state, BoxAnswer::Yes), "ask save-as go-on");
  EXPECT_EQ(StepsRun(state, BoxAnswer::Yes, false), "ask save-as stop");
  EXPECT_THROW(
      SettleUnsavedText(state, {[] { return BoxAnswer::Yes; }, [] { return true; },
                                []() -> bool { throw Failure(L"Failed to Save Stream"); }}),
      Failure);
}

TEST(DocumentFlow, SaveAsAsksBeforeReplacingAnotherFile) {
  const ScratchFolder folder;
  PutFileBytes(folder / "own.txt", "a");
  PutFileBytes(folder / "other.txt", "b");
  std::filesystem::create_directory(folder / "sub");
  EXPECT_FALSE(ReplacesAnotherFile(folder / "new.txt", folder / "own.txt"));
  EXPECT_FALSE(ReplacesAnotherFile(folder / "own.txt", folder / "own.txt"));
  EXPECT_FALSE(ReplacesAnotherFile(folder / "sub" / ".." / "own.txt", folder / "own.txt"));
  EXPECT_TRUE(ReplacesAnotherFile(folder / "other.txt", folder / "own.txt"));
  EXPECT_TRUE(ReplacesAnotherFile(folder / "own.txt", ""));
  EXPECT_TRUE(ReplacesAnotherFile(folder / "other.txt", folder / "deleted-meanwhile.txt"));
}

}  // namespace
}  // namespace tarnpad
