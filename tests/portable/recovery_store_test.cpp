#include "documents/recovery_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_document.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

// What a killed instance leaves: its copy, its note and a lock nobody holds.
void LeaveOrphan(const ScratchFolder& folder, const std::string& id, const std::string& text,
                 const std::string& note) {
  PutFileBytes(folder / (id + ".text"), text);
  PutFileBytes(folder / (id + ".note"), note);
  PutFileBytes(folder / (id + ".lock"), "");
}

std::size_t FileCount(const ScratchFolder& folder) {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
}

TEST(RecoveryStore, RunningInstancesKeepTheirCopiesToThemselves) {
  ScratchFolder folder;
  RecoveryStore first(folder.Path());
  {
    RecoveryStore second(folder.Path());
    ASSERT_NE(first.OwnId(), second.OwnId());
    const std::string long_text(100, '1');  // longer than an empty string's room
    const LoadedDocument one(long_text, 2, 2), two("two");
    // The first attempt only makes room in the background.
    EXPECT_FALSE(first.WriteInBackground(one, "C:\\a.php"));
    first.Wait();
    ASSERT_TRUE(first.WriteInBackground(one, "C:\\a.php"));
    ASSERT_TRUE(second.WriteInBackground(two, ""));
    first.Wait();
    second.Wait();
    const std::optional<RecoveryCopy> copy = second.Read(first.OwnId());
    ASSERT_TRUE(copy);  // read as any copy is, though not offered
    EXPECT_EQ(copy->text, long_text);
    EXPECT_EQ(copy->caret, 2);
    EXPECT_TRUE(first.OrphanedCopies().empty());  // the other one still runs
    EXPECT_TRUE(second.OrphanedCopies().empty());
  }
  // The second ended normally: its copy, note and lock went with it.
  EXPECT_TRUE(first.OrphanedCopies().empty());
  EXPECT_EQ(FileCount(folder), 3u);
  first.Remove();
  EXPECT_EQ(FileCount(folder), 1u);  // only the lock of the running one
}

TEST(RecoveryStore, TheCopyOfAnInstanceThatEndedIsFoundReadAndDiscarded) {
  ScratchFolder folder;
  // "документ" in UTF-8, as the note keeps paths.
  LeaveOrphan(folder, "41-100", "older", "file=\n");
  LeaveOrphan(folder, "42-200", "text\r\nof a page",
              "file=C:\\\xD0\xB4\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82.php\n"
              "caret=7\n");
  std::filesystem::last_write_time(
      folder / "41-100.note",
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  PutFileBytes(folder / "43-300.note", "caret=oops\n");  // a note whose text is gone
  RecoveryStore store(folder.Path());

  const std::vector<std::string> orphans = store.OrphanedCopies();
  ASSERT_EQ(orphans, (std::vector<std::string>{"43-300", "42-200", "41-100"}));
  EXPECT_FALSE(store.Read("43-300"));
  const std::optional<RecoveryCopy> copy = store.Read("42-200");
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->text, "text\r\nof a page");
  EXPECT_EQ(copy->file_name, std::filesystem::path(u8"C:\\документ.php"));
  EXPECT_EQ(copy->caret, 7);
  EXPECT_TRUE(store.Read("41-100")->file_name.empty());

  for (const std::string& id : orphans) store.Discard(id);
  EXPECT_EQ(FileCount(folder), 1u);
}

}  // namespace
}  // namespace tarnpad
