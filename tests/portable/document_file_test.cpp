#include "core/document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>

#include "core/failure.h"
#include "core/file_system.h"
#include "core/text_document.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

template <typename Action>
std::wstring FailureMessage(Action action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.Message();
  }
  return L"(no failure)";
}

class DocumentFile : public testing::Test {
 protected:
  void SetUp() override {
    // Another build's run of the same test may share the temporary folder.
    folder_ = fs::temp_directory_path() / ("tarnpad-" + std::to_string(std::random_device()()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    SetWriteFaultForTesting(std::nullopt);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  // The names in the folder: a temporary file left behind shows up here.
  std::vector<fs::path> Contents() const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path());
    return names;
  }

  fs::path folder_;
  TextDocument document_;
};

TEST_F(DocumentFile, LoadsEveryBreakAsCrLfAndSavesByteForByte) {
  const fs::path path = folder_ / "doc.txt";
  WriteBytes(path, "unix\nmac\rdos\r\nlf-cr\n\rend");
  LoadEditorText(document_, path);
  EXPECT_EQ(document_.EditorLineCount(), 6);
  WriteBytes(path, std::string(10000, 'o'));  // longer than the text saved over it
  SaveEditorText(document_, path);
  EXPECT_EQ(ReadBytes(path), "unix\r\nmac\r\ndos\r\nlf-cr\r\n\r\nend");

  std::string every_byte;
  for (int byte = 0; byte < 256; ++byte) {
    if (byte == '\r') every_byte += "\r\n";  // CR and LF only as the pair
    if (byte != '\r' && byte != '\n') every_byte += static_cast<char>(byte);
  }
  WriteBytes(path, every_byte);
  LoadEditorText(document_, path);
  SaveEditorText(document_, folder_ / "copy.txt");
  EXPECT_EQ(ReadBytes(folder_ / "copy.txt"), every_byte);
}

TEST_F(DocumentFile, FailedLoadNamesTheFullPathAndKeepsTheText) {
  document_.LoadText("kept");
  const fs::path previous = fs::current_path();
  fs::current_path(folder_);
  const std::wstring missing = FailureMessage([&] { LoadEditorText(document_, "missing.txt"); });
  fs::current_path(previous);
  EXPECT_EQ(missing, L"Cannot open file \"" + (folder_ / "missing.txt").wstring() +
                         L"\". No such file or directory");
  // A folder opens but cannot be read: a failure too, never an empty text.
  EXPECT_EQ(FailureMessage([&] { LoadEditorText(document_, folder_); }),
            L"Cannot open file \"" + folder_.wstring() + L"\". Is a directory");
  EXPECT_EQ(document_.Text(), "kept");
}

TEST_F(DocumentFile, WriteFailingHalfwayKeepsTheOldFile) {
  const fs::path path = folder_ / "doc.txt";
  WriteBytes(path, "old\r\n");
  document_.LoadText(std::string(100000, 'n'));
  for (const std::size_t written : {std::size_t{0}, std::size_t{5000}}) {
    SetWriteFaultForTesting(written);
    EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, path); }), L"Failed to Save Stream");
    EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, folder_ / "new.txt"); }),
              L"Failed to Save Stream");
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(Contents(), std::vector<fs::path>{path});
  }
}

TEST_F(DocumentFile, TargetThatCannotBeCreatedIsReportedAndUntouched) {
  document_.LoadText("text");
  const fs::path nowhere = folder_ / "nowhere" / "doc.txt";
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, nowhere); }),
            L"Cannot create file \"" + nowhere.wstring() + L"\". No such file or directory");
  const fs::path subfolder = folder_ / "sub";
  fs::create_directory(subfolder);
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, subfolder); }),
            L"Cannot create file \"" + subfolder.wstring() + L"\". Is a directory");
  EXPECT_EQ(Contents(), std::vector<fs::path>{subfolder});
}

TEST_F(DocumentFile, ReadOnlyTargetOrFolderIsRefused) {
  const fs::path path = folder_ / "locked.txt";
  WriteBytes(path, "original");
  fs::permissions(path, fs::perms::owner_read);
  if (std::ofstream(path, std::ios::app)) GTEST_SKIP() << "permissions do not bind root";
  document_.LoadText("new text");
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, path); }),
            L"Cannot create file \"" + path.wstring() + L"\". Permission denied");
  EXPECT_EQ(ReadBytes(path), "original");

  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, folder_ / "new.txt"); }),
            L"Cannot create file \"" + (folder_ / "new.txt").wstring() + L"\". Permission denied");
  EXPECT_EQ(Contents(), std::vector<fs::path>{path});
}

// The link itself, not what it leads to: still a link after the save.
bool IsLink(const fs::path& path) {
  return fs::is_symlink(fs::symlink_status(path));
}

struct stat StatOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info;
}

TEST_F(DocumentFile, SymbolicLinksAreFollowedAndKept) {
  const fs::path real = folder_ / "doc.txt";
  WriteBytes(real, "old");
  fs::create_symlink("doc.txt", folder_ / "link.txt");
  fs::create_symlink(folder_ / "link.txt", folder_ / "link-to-link.txt");
  document_.LoadText("through the chain");
  SaveEditorText(document_, folder_ / "link-to-link.txt");
  EXPECT_EQ(ReadBytes(real), "through the chain");
  EXPECT_TRUE(IsLink(folder_ / "link.txt"));
  EXPECT_TRUE(IsLink(folder_ / "link-to-link.txt"));

  // A link to a file not made yet makes that file.
  fs::create_symlink("made-later.txt", folder_ / "dangling.txt");
  SaveEditorText(document_, folder_ / "dangling.txt");
  EXPECT_EQ(ReadBytes(folder_ / "made-later.txt"), "through the chain");
  EXPECT_TRUE(IsLink(folder_ / "dangling.txt"));

  // The message names the path the user gave, not where it led.
  fs::create_symlink("nowhere/doc.txt", folder_ / "lost.txt");
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, folder_ / "lost.txt"); }),
            L"Cannot create file \"" + (folder_ / "lost.txt").wstring() +
                L"\". No such file or directory");
  EXPECT_EQ(Contents().size(), 6u);
}

TEST_F(DocumentFile, HardLinkedFileIsRewrittenInPlaceAfterASafeCopy) {
  const fs::path path = folder_ / "doc.txt";
  const fs::path other = folder_ / "other-name.txt";
  WriteBytes(path, std::string(5000, 'o'));
  fs::create_hard_link(path, other);
  document_.LoadText("shared text");
  SaveEditorText(document_, path);
  EXPECT_EQ(ReadBytes(other), "shared text");
  EXPECT_TRUE(fs::equivalent(path, other));
  EXPECT_EQ(fs::hard_link_count(path), 2u);
  EXPECT_EQ(Contents().size(), 2u);

  // A fault past the safe copy strikes the rewrite: the copy stays, named.
  document_.LoadText("text that must not be lost");
  SetWriteFaultForTesting(document_.Text().size() + 4);
  const std::wstring message = FailureMessage([&] { SaveEditorText(document_, other); });
  std::vector<fs::path> kept;
  for (const fs::path& name : Contents()) {
    if (name != path && name != other) kept.push_back(name);
  }
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(message, FailedToSaveStreamMessage(kept[0].wstring()));
  EXPECT_EQ(ReadBytes(kept[0]), "text that must not be lost");

  // Later saves leave the copy of a save of this still running program.
  SetWriteFaultForTesting(std::nullopt);
  SaveEditorText(document_, other);
  EXPECT_EQ(ReadBytes(path), "text that must not be lost");
  EXPECT_TRUE(fs::exists(kept[0]));
}

TEST_F(DocumentFile, ModeOwnerAndGroupAreKept) {
  const fs::path path = folder_ / "private.txt";
  WriteBytes(path, "secret");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  // Only root may give a file away; others keep their own files' owners.
  const bool given_away = ::chown(path.c_str(), 65534, 65534) == 0;
  const struct stat before = StatOf(path);
  document_.LoadText("still secret");
  SaveEditorText(document_, path);
  const struct stat after = StatOf(path);
  EXPECT_EQ(after.st_mode & 07777, 0600u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  if (given_away) {
    EXPECT_EQ(after.st_uid, 65534u);
  }
  EXPECT_EQ(ReadBytes(path), "still secret");

  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec,
                  fs::perm_options::replace);
  SaveEditorText(document_, path);
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0741u);
}

TEST_F(DocumentFile, LongestFileNameSaves) {
  const fs::path path = folder_ / (std::string(251, 'n') + ".txt");
  document_.LoadText("first");
  SaveEditorText(document_, path);
  document_.LoadText("second");
  SaveEditorText(document_, path);
  EXPECT_EQ(ReadBytes(path), "second");
  EXPECT_EQ(Contents(), std::vector<fs::path>{path});
}

TEST_F(DocumentFile, LeftoversOfKilledSavesAreSweptButNotThoseOfRunningOnes) {
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ::waitpid(ended, nullptr, 0);
  const auto leftover = [this](pid_t process, int serial) {
    const fs::path path =
        folder_ / (".~tarnpad-" + std::to_string(process) + "-" + std::to_string(serial) + ".tmp");
    WriteBytes(path, "");
    return path;
  };
  const fs::path killed = leftover(ended, 1);
  const fs::path running = leftover(::getppid(), 2);
  const fs::path ours = leftover(::getpid(), 1000000);
  const fs::path similar = folder_ / ("~tarnpad-" + std::to_string(ended) + "-1.tmp");
  WriteBytes(similar, "not ours to remove");

  document_.LoadText("text");
  SaveEditorText(document_, folder_ / "doc.txt");
  EXPECT_FALSE(fs::exists(killed));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(fs::exists(ours));
  EXPECT_TRUE(fs::exists(similar));
  EXPECT_EQ(Contents().size(), 4u);
}

TEST_F(DocumentFile, LargeFilesLoadWhole) {
  std::string line(10 * 1024 * 1024, 'w');
  line.back() = 'z';
  WriteBytes(folder_ / "long-line.txt", line);
  LoadEditorText(document_, folder_ / "long-line.txt");
  EXPECT_EQ(document_.EditorLine(0), line);

  std::string lines;
  for (int i = 0; i < 1000000; ++i) lines += "line " + std::to_string(i) + "\n";
  WriteBytes(folder_ / "many-lines.txt", lines);
  LoadEditorText(document_, folder_ / "many-lines.txt");
  EXPECT_EQ(document_.EditorLineCount(), 1000000);
  EXPECT_EQ(document_.EditorLine(999999), "line 999999");
}

}  // namespace
}  // namespace tarnpad
