#include "core/document_file.h"

#include <gtest/gtest.h>

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
