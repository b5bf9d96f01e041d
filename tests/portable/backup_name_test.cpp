#include "documents/backup.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "loaded_document.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

const std::filesystem::path kProgramDir = std::filesystem::path(L"prog");

TEST(BackupName, DateAndTimeNameTheCopyBesideTheProgram) {
  EXPECT_EQ(BackupFileName(kProgramDir, L"07.12.2026", L"9:05:03", L"C:\\site\\index.php"),
            kProgramDir / L"2026-12-07-09-05-03 index.php");
  EXPECT_EQ(BackupStatusText(BackupTimePart(L"9:05:03")), L"Копия 09-05-03");
  // Untitled: the name ends with the separating space.
  EXPECT_EQ(BackupFileName(kProgramDir, L"07.12.2026", L"15:05:03", L""),
            kProgramDir / L"2026-12-07-15-05-03 ");
}

TEST(BackupName, DatePartOfEachShortDateForm) {
  EXPECT_EQ(BackupDatePart(L"07.12.2026"), L"2026-12-07");
  EXPECT_EQ(BackupDatePart(L"07.12.26"), L"26-12-07");  // the year piece stops at the end
  EXPECT_EQ(BackupDatePart(L"2026.12.07"), L"2026-12-07");
  EXPECT_EQ(BackupDatePart(L"2026-12-07"), L"2026-12-07");
}

TEST(BackupName, NoLocaleTextMakesAFolderOrAnInvalidName) {
  EXPECT_EQ(BackupDatePart(L"12/8/2026"), L"12-8-2026");
  EXPECT_EQ(BackupDatePart(L"8\\12|2026"), L"8-12-2026");
  EXPECT_EQ(BackupTimePart(L"4:25:17 PM"), L"4-25-17 PM");
  EXPECT_EQ(BackupTimePart(L"9*05?03"), L"09-05-03");
  EXPECT_EQ(BackupTimePart(L"15\"05<03>"), L"15-05-03-");
  const std::filesystem::path copy =
      BackupFileName(kProgramDir, L"12/8/2026", L"4:25:17 PM", L"/home/site/a.php");
  EXPECT_EQ(copy.parent_path(), kProgramDir);
  EXPECT_EQ(copy.filename(), L"12-8-2026-4-25-17 PM a.php");
}

TEST(BackupDecision, OnlyEditedTextOrEveryTickWithSomethingToKeep) {
  AppState state;
  state.BackupEdited = true;
  EXPECT_FALSE(BackupDue(state, false));
  state.BackupPending = true;
  EXPECT_TRUE(BackupDue(state, true));

  state.BackupEdited = false;
  EXPECT_TRUE(BackupDue(state, true));
  state.BackupPending = false;
  EXPECT_TRUE(BackupDue(state, false));  // text not typed into since the last copy
  EXPECT_FALSE(BackupDue(state, true));  // nothing at all to keep
  state.CurrentFileName = L"C:\\empty.txt";
  EXPECT_TRUE(BackupDue(state, true));
}

class FixedClock : public Clock {
 public:
  LocalDateTime Now() override { return {2026, 12, 9, 14, 5, 3}; }
  std::wstring ShortDateText() override { return L"09.12.2026"; }
  std::wstring LongTimeText() override { return L"14:05:03"; }
};

class RecordingStatus : public StatusSink {
 public:
  void ShowDocumentState(const std::wstring& text) override { state = text; }
  void ShowDate(const std::wstring& text) override { date = text; }
  std::wstring state = L"before", date = L"before";
};

// A due copy lands beside the program and is reported; a copy that cannot
// be written leaves the flag and both panels as they were.
TEST(BackupRoutine, WritesADueCopyAndReportsItOrChangesNothing) {
  ScratchFolder folder;
  FixedClock clock;
  LoadedDocument document("text\r\n");
  AppState state;
  state.ProgramDir = folder.Path().wstring() + L"/";
  state.CurrentFileName = L"page.php";
  state.BackupEdited = true;
  state.BackupPending = true;

  RecordingStatus status;
  RunBackup(state, document, clock, status);
  EXPECT_EQ(FileBytes(folder / "2026-12-09-14-05-03 page.php"), "text\r\n");
  EXPECT_FALSE(state.BackupPending);
  EXPECT_EQ(status.state, L"Копия 14-05-03");
  EXPECT_EQ(status.date, L"09.12.2026");

  state.BackupPending = true;
  state.ProgramDir = (folder / "missing").wstring() + L"/";
  RecordingStatus failing;
  EXPECT_THROW(RunBackup(state, document, clock, failing), Failure);
  EXPECT_TRUE(state.BackupPending);
  EXPECT_EQ(failing.state, L"before");
  EXPECT_EQ(failing.date, L"before");
}

// With "only edited text" off, a tick whose text equals the newest copy of
// the same document writes nothing; another document's copies do not count.
TEST(BackupRoutine, UnchangedTextIsNotCopiedAgain) {
  ScratchFolder folder;
  struct SteppingClock : FixedClock {
    int second = 0;
    std::wstring LongTimeText() override { return L"14:05:0" + std::to_wstring(second++); }
  } clock;
  LoadedDocument document("same\r\n");
  AppState state;
  state.ProgramDir = folder.Path();
  state.CurrentFileName = L"page.php";
  PutFileBytes(folder / "2026-12-01-10-00-00 other.php", "same\r\n");
  RecordingStatus status;
  const auto copies = [&] {
    return std::distance(std::filesystem::directory_iterator(folder.Path()), {});
  };

  RunBackup(state, document, clock, status);
  RunBackup(state, document, clock, status);
  EXPECT_EQ(copies(), 2);
  document.TypeText("x");
  RunBackup(state, document, clock, status);
  EXPECT_EQ(FileBytes(folder / "2026-12-09-14-05-01 page.php"), "xsame\r\n");
  RunBackup(state, document, clock, status);
  EXPECT_EQ(copies(), 3);
  EXPECT_EQ(NewestBackupOf(folder.Path(), L"page.php"), folder / "2026-12-09-14-05-01 page.php");

  // An untitled text's copies end in the time (no space before an empty name).
  PutFileBytes(folder / "2026-12-09-14-06-00", "untitled\r\n");
  EXPECT_EQ(NewestBackupOf(folder.Path(), L""), folder / "2026-12-09-14-06-00");
}

}  // namespace
}  // namespace tarnpad
