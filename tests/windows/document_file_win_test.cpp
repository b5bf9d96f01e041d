// Loading and saving through the Windows file calls: wide paths, sharing,
// attributes, links, security and the system's own reasons in the messages.
#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

bool OnWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine starts Unix programs as well: through the shell a test reaches what
// only the Unix side sees (symbolic links, modes). The script runs in folder,
// which it creates. False on Windows.
bool RunUnixShell(const std::wstring& folder, const std::wstring& script) {
  if (!OnWine()) return false;
  // Wine does not wait for a Unix program: the script's last step says it is done.
  const fs::path done = L"Z:" + folder + L"/done";
  std::wstring command =
      L"/bin/sh -c \"mkdir -p " + folder + L" && cd " + folder + L" && " + script + L"; : >done\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int wait = 0; wait < 200 && !fs::exists(done); ++wait) Sleep(50);
  return fs::remove(done);
}

// The file's DACL as text, to compare security before and after a save.
std::wstring DaclText(const fs::path& path) {
  DWORD size = 0;
  GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  std::string descriptor(size, '\0');
  if (!GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size)) {
    return L"(no security)";
  }
  wchar_t* text = nullptr;
  ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1,
                                                       DACL_SECURITY_INFORMATION, &text, nullptr);
  std::wstring result = text != nullptr ? text : L"(no text)";
  LocalFree(text);
  return result;
}

BY_HANDLE_FILE_INFORMATION FileInformation(const fs::path& path) {
  BY_HANDLE_FILE_INFORMATION information{};
  const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  GetFileInformationByHandle(file, &information);
  CloseHandle(file);
  return information;
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

TEST_F(DocumentFileWin, UnixLinkLeadsToTheFileWhoseModeIsKept) {
  const std::wstring unix_folder = L"/tmp/tarnpad-win-" + std::to_wstring(GetCurrentProcessId());
  const fs::path folder = L"Z:" + unix_folder;
  if (!RunUnixShell(unix_folder,
                    L"rm -f link.txt report && printf old >doc.txt && chmod 600 doc.txt && ln -s "
                    L"doc.txt link.txt")) {
    GTEST_SKIP() << "needs Wine's Unix side";
  }
  document_.LoadText("through the link");
  SaveEditorText(document_, folder / L"link.txt");
  RunUnixShell(unix_folder, L"{ test -L link.txt && stat -c %a doc.txt; } >report");
  EXPECT_EQ(ReadBytes(folder / L"doc.txt"), "through the link");
  EXPECT_EQ(ReadBytes(folder / L"report"), "600\n");
  // Wine cannot see a link whose file is gone: the Unix side clears up.
  RunUnixShell(unix_folder, L"rm -f link.txt doc.txt report");
  fs::remove(folder);
}

TEST_F(DocumentFileWin, HardLinksSecurityAttributesAndCreationTimeAreKept) {
  const fs::path path = folder_ / L"doc.txt";
  const fs::path other = folder_ / L"other name.txt";
  WriteBytes(path, std::string(5000, 'o'));
  ASSERT_TRUE(CreateHardLinkW(other.c_str(), path.c_str(), nullptr));
  // The owner alone, no one else: not what a new file in the folder gets.
  PSECURITY_DESCRIPTOR owner_only = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:P(A;;FA;;;OW)", SDDL_REVISION_1, &owner_only, nullptr));
  ASSERT_TRUE(SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, owner_only));
  LocalFree(owner_only);
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  const HANDLE file =
      CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  // Wine's creation time is the Unix change time, which every write moves;
  // Windows keeps this one.
  const FILETIME created{.dwLowDateTime = 0, .dwHighDateTime = 0x01c0a000};  // in the year 2001
  SetFileTime(file, &created, nullptr, nullptr);
  CloseHandle(file);
  const BY_HANDLE_FILE_INFORMATION before = FileInformation(path);
  const std::wstring security = DaclText(path);

  document_.LoadText("shared text");
  SaveEditorText(document_, path);
  const BY_HANDLE_FILE_INFORMATION after = FileInformation(other);
  EXPECT_EQ(ReadBytes(other), "shared text");
  EXPECT_EQ(after.nNumberOfLinks, 2u);
  EXPECT_EQ(after.nFileIndexLow, before.nFileIndexLow);
  EXPECT_EQ(after.nFileIndexHigh, before.nFileIndexHigh);
  EXPECT_EQ(after.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
            DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});
  if (!OnWine()) {
    EXPECT_EQ(CompareFileTime(&after.ftCreationTime, &created), 0);
  }
  EXPECT_EQ(DaclText(path), security);
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
}

// Where the target is rewritten in place (under Wine, every save), only the
// blocks that changed are written again; growing and shrinking files come
// out exact.
TEST_F(DocumentFileWin, ARewriteInPlaceWritesOnlyWhatChanged) {
  const fs::path path = folder_ / L"large.txt";
  std::string text;
  for (int i = 0; text.size() < 2'500'000; ++i) text += "line " + std::to_string(i) + "\r\n";
  document_.LoadText(text);
  SaveEditorText(document_, path);
  ASSERT_EQ(ReadBytes(path), text);

  // One byte in the second megabyte: the new file, then one block in place.
  document_.SetSelection(1'500'000, 1'500'001);
  document_.TypeText("#");
  if (OnWine()) SetWriteFaultForTesting(text.size() + (std::size_t{1} << 20) + 1);
  SaveEditorText(document_, path);
  SetWriteFaultForTesting(std::nullopt);
  EXPECT_EQ(ReadBytes(path), document_.Text());

  document_.SetSelection(2'000'000, document_.Length());
  document_.DeleteSelection();
  SaveEditorText(document_, path);
  EXPECT_EQ(ReadBytes(path), document_.Text());
  document_.SetCaret(0);
  document_.TypeText("grown ");
  document_.SetCaret(document_.Length());
  document_.PasteText(text);
  SaveEditorText(document_, path);
  EXPECT_EQ(ReadBytes(path), document_.Text());
}

TEST_F(DocumentFileWin, LeftoversOfEndedProcessesAreSweptButNotThoseOfRunningOnes) {
  wchar_t system_folder[MAX_PATH] = {};
  GetSystemDirectoryW(system_folder, MAX_PATH);
  std::wstring command = std::wstring(system_folder) + L"\\cmd.exe /c exit";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION ended{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                             nullptr, nullptr, &startup, &ended));
  WaitForSingleObject(ended.hProcess, INFINITE);
  CloseHandle(ended.hThread);
  CloseHandle(ended.hProcess);
  const auto leftover = [this](DWORD process, unsigned serial) {
    const fs::path path = folder_ / (L"~tarnpad-" + std::to_wstring(process) + L"-" +
                                     std::to_wstring(serial) + L".tmp");
    WriteBytes(path, "");
    return path;
  };
  const fs::path killed = leftover(ended.dwProcessId, 1);
  const fs::path ours = leftover(GetCurrentProcessId(), 1000000);

  document_.LoadText("text");
  SaveEditorText(document_, folder_ / L"doc.txt");
  EXPECT_FALSE(fs::exists(killed));
  EXPECT_TRUE(fs::exists(ours));
  EXPECT_EQ(Contents().size(), 2u);
}

}  // namespace
}  // namespace tarnpad
