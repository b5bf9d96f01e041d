// Loading and saving through the Windows file calls: wide paths, sharing,
// attributes and the system's own reasons in the messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/document_file.h"
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

// What the system says about an error, as the error box should show it.
std::wstring SystemText(DWORD error) {
  wchar_t buffer[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, buffer, 512, nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && text.back() <= L' ') text.pop_back();
  return text;
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

class DocumentFileWin : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tarnpad-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    SetWriteFaultForTesting(std::nullopt);
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
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

TEST_F(DocumentFileWin, FailuresCarryTheFullPathAndTheSystemsReason) {
  const fs::path previous = fs::current_path();
  fs::current_path(folder_);
  const std::wstring missing = FailureMessage([&] { LoadEditorText(document_, L"Ἀθῆναι.txt"); });
  fs::current_path(previous);
  EXPECT_EQ(missing, L"Cannot open file \"" + (folder_ / L"Ἀθῆναι.txt").wstring() + L"\". " +
                         SystemText(ERROR_FILE_NOT_FOUND));

  const fs::path nowhere = folder_ / L"nowhere" / L"doc.txt";
  EXPECT_EQ(
      FailureMessage([&] { SaveEditorText(document_, nowhere); }),
      L"Cannot create file \"" + nowhere.wstring() + L"\". " + SystemText(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(Contents().empty());
}

TEST_F(DocumentFileWin, OtherReadersMayShareTheFileButNoWriter) {
  const fs::path path = folder_ / L"shared.txt";
  WriteBytes(path, "shared\nfile");
  const auto open = [&path](DWORD access, DWORD share) {
    return CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr);
  };
  const HANDLE reader = open(GENERIC_READ, FILE_SHARE_READ);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  LoadEditorText(document_, path);
  CloseHandle(reader);
  EXPECT_EQ(document_.Text(), "shared\r\nfile");

  const HANDLE writer = open(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const std::wstring load = FailureMessage([&] { LoadEditorText(document_, path); });
  const std::wstring save = FailureMessage([&] { SaveEditorText(document_, path); });
  CloseHandle(writer);
  const std::wstring reason = L"\". " + SystemText(ERROR_SHARING_VIOLATION);
  EXPECT_EQ(load, L"Cannot open file \"" + path.wstring() + reason);
  EXPECT_EQ(save, L"Cannot create file \"" + path.wstring() + reason);
  EXPECT_EQ(ReadBytes(path), "shared\nfile");
  EXPECT_EQ(Contents(), std::vector<fs::path>{path});
}

TEST_F(DocumentFileWin, ReadOnlyTargetIsRefusedAndKeptByteForByte) {
  const fs::path path = folder_ / L"read-only.txt";
  WriteBytes(path, "original\r\n");
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  document_.LoadText("replacement");
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, path); }),
            L"Cannot create file \"" + path.wstring() + L"\". " + SystemText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadBytes(path), "original\r\n");
  EXPECT_EQ(Contents(), std::vector<fs::path>{path});
}

TEST_F(DocumentFileWin, SaveKeepsTheAttributesAndNeverLeavesHalfAFile) {
  const fs::path path = folder_ / L"Ελληνικά 中文 ёж.txt";
  WriteBytes(path, "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  document_.LoadText(std::string(100000, 'n'));
  SetWriteFaultForTesting(4096);
  EXPECT_EQ(FailureMessage([&] { SaveEditorText(document_, path); }), L"Failed to Save Stream");
  EXPECT_EQ(ReadBytes(path), "old\r\n");
  EXPECT_EQ(Contents(), std::vector<fs::path>{path});

  SetWriteFaultForTesting(std::nullopt);
  SaveEditorText(document_, path);
  EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  TextDocument loaded;
  LoadEditorText(loaded, path);
  EXPECT_EQ(loaded.Text(), std::string(100000, 'n'));
}

}  // namespace
}  // namespace tarnpad
