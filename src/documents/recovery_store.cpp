#include "documents/recovery_store.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <system_error>

#include "core/file_system.h"

namespace tarnpad {
namespace {

constexpr char kTextKind[] = ".text";
constexpr char kNoteKind[] = ".note";
constexpr char kLockKind[] = ".lock";

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path PathFrom(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The note: the file's path and the caret, one per line, in UTF-8.
std::string NoteOf(const RecoveryCopy& copy) {
  return "file=" + PathText(copy.file_name) + "\ncaret=" + std::to_string(copy.caret) + "\n";
}

void ReadNote(const std::string& note, RecoveryCopy& copy) {
  std::istringstream lines(note);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with("file=")) copy.file_name = PathFrom(line.substr(5));
    if (line.starts_with("caret=")) {
      try {
        copy.caret = std::max<std::int64_t>(0, std::stoll(line.substr(6)));
      } catch (...) {
        copy.caret = 0;  // a damaged note costs only the caret's place
      }
    }
  }
}

}  // namespace

RecoveryStore::RecoveryStore(std::filesystem::path folder) : folder_(std::move(folder)) {
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  const auto started = std::chrono::system_clock::now().time_since_epoch();
  own_id_ = std::to_string(CurrentProcessId()) + "-" +
            std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(started).count());
  lock_ = InstanceLock::TryTake(PathOf(own_id_, kLockKind));
}

RecoveryStore::~RecoveryStore() {
  Remove();
  lock_.reset();
  std::error_code ignored;
  std::filesystem::remove(PathOf(own_id_, kLockKind), ignored);
}

std::filesystem::path RecoveryStore::PathOf(const std::string& id, const char* kind) const {
  return folder_ / (id + kind);
}

bool RecoveryStore::Busy() const {
  return work_.valid() && work_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

void RecoveryStore::PrepareRoom(std::size_t size) {
  if (Busy() || room_.capacity() >= size) return;
  work_ = std::async(std::launch::async, [this, size] {
    try {
      // Filled, so that every page is in place; with an eighth to grow by.
      std::string room(size + size / 8 + 65536, '\0');
      room_ = std::move(room);
    } catch (...) {
      // No memory for a copy: the next attempt tries again.
    }
  });
}

bool RecoveryStore::WriteInBackground(const TextDocument& text,
                                      const std::filesystem::path& file_name) {
  if (Busy()) return false;
  if (room_.capacity() < static_cast<std::size_t>(text.Length())) {
    PrepareRoom(static_cast<std::size_t>(text.Length()));
    return false;
  }
  room_.clear();
  text.AppendText(room_);
  work_ = std::async(std::launch::async, [this, file_name, caret = text.Caret()] {
    try {
      Write(file_name, caret);
    } catch (...) {
      // The next copy tries again; Save reports its own failures.
    }
  });
  return true;
}

// The text goes first: a note without its text is no copy.
void RecoveryStore::Write(const std::filesystem::path& file_name, std::int64_t caret) const {
  WriteFileBytes(PathOf(own_id_, kTextKind), room_);
  WriteFileBytes(PathOf(own_id_, kNoteKind), NoteOf({{}, file_name, caret}));
}

void RecoveryStore::Wait() {
  if (work_.valid()) work_.wait();
}

// The room goes too: it is made again for the next modified text.
void RecoveryStore::Remove() {
  Wait();
  std::error_code ignored;
  std::filesystem::remove(PathOf(own_id_, kNoteKind), ignored);
  std::filesystem::remove(PathOf(own_id_, kTextKind), ignored);
  std::string().swap(room_);
}

std::vector<std::string> RecoveryStore::OrphanedCopies() const {
  std::vector<std::pair<std::filesystem::file_time_type, std::string>> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    // The lock of an instance that ended before its first copy is swept.
    if (entry.path().extension() == kLockKind) {
      const std::string id = PathText(entry.path().stem());
      if (id != own_id_ && !std::filesystem::exists(PathOf(id, kNoteKind), error) &&
          !std::filesystem::exists(PathOf(id, kTextKind), error) &&
          InstanceLock::TryTake(entry.path())) {
        std::filesystem::remove(entry.path(), error);
      }
      continue;
    }
    if (entry.path().extension() != kNoteKind) continue;
    const std::string id = PathText(entry.path().stem());
    if (id == own_id_ || !InstanceLock::TryTake(PathOf(id, kLockKind))) continue;
    const auto time = entry.last_write_time(error);
    found.emplace_back(error ? std::filesystem::file_time_type{} : time, id);
  }
  std::sort(found.begin(), found.end(), std::greater<>());
  std::vector<std::string> ids;
  for (auto& [time, id] : found) ids.push_back(std::move(id));
  return ids;
}

std::optional<RecoveryCopy> RecoveryStore::Read(const std::string& id) const {
  RecoveryCopy copy;
  try {
    copy.text = ReadFileBytes(PathOf(id, kTextKind));
    ReadNote(ReadFileBytes(PathOf(id, kNoteKind)), copy);
  } catch (...) {
    return std::nullopt;
  }
  return copy;
}

bool RecoveryStore::HasText(const std::string& id) const {
  std::error_code ignored;
  return std::filesystem::exists(PathOf(id, kTextKind), ignored);
}

void RecoveryStore::Adopt(const std::string& id) {
  Wait();
  std::error_code error;
  std::filesystem::rename(PathOf(id, kTextKind), PathOf(own_id_, kTextKind), error);
  if (error) return;
  std::filesystem::rename(PathOf(id, kNoteKind), PathOf(own_id_, kNoteKind), error);
  Discard(id);
}

void RecoveryStore::Discard(const std::string& id) const {
  std::error_code ignored;
  for (const char* kind : {kNoteKind, kTextKind, kLockKind}) {
    std::filesystem::remove(PathOf(id, kind), ignored);
  }
}

}  // namespace tarnpad
