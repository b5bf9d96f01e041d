#pragma once

#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/instance_lock.h"
#include "core/text_document.h"

namespace tarnpad {

// What a recovery copy holds: the text, the file it belongs to (empty for
// an untitled text) and where the caret was.
struct RecoveryCopy {
  std::string text;
  std::filesystem::path file_name;
  std::int64_t caret = 0;
};

// The recovery copies in one folder. Each running instance keeps one copy of
// its modified text there, under a name of its own (ID.text, with ID.note
// naming the file and the caret), and holds ID.lock while it runs. A copy
// whose lock can be taken belongs to an instance that ended without removing
// it: a crash or a kill. Copies are written off the interface thread, one at
// a time; failures to write are not reported, since the copy only backs up
// what Save would write.
//
// The interface thread only copies the text into room made beforehand in
// the background: fresh memory for a large text costs far more than the
// copy itself. The room stays while the text is modified.
class RecoveryStore {
 public:
  // Takes this instance's lock; the folder is made when needed.
  explicit RecoveryStore(std::filesystem::path folder);
  // Removes this instance's copy and lock: the program ended normally.
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // Makes room for a copy of size bytes in the background, unless there is
  // room already or the store is busy.
  void PrepareRoom(std::size_t size);
  // Copies the text and starts writing it in the background; false (and
  // nothing done but making room) when the store is busy or has no room yet.
  bool WriteInBackground(const TextDocument& text, const std::filesystem::path& file_name);
  // Waits for a copy being written.
  void Wait();
  // Removes this instance's copy (after the one being written, if any).
  void Remove();

  // The copies of instances that no longer run, newest first.
  std::vector<std::string> OrphanedCopies() const;
  // An orphaned copy's contents; nullopt when its text cannot be read.
  std::optional<RecoveryCopy> Read(const std::string& id) const;
  // Whether an orphaned copy still has its text file.
  bool HasText(const std::string& id) const;
  // Makes an orphaned copy this instance's own (its text being the one
  // now shown); the orphan keeps its files when they cannot be taken over.
  void Adopt(const std::string& id);
  // Deletes an orphaned copy for good.
  void Discard(const std::string& id) const;

  const std::string& OwnId() const { return own_id_; }

 private:
  std::filesystem::path PathOf(const std::string& id, const char* kind) const;
  bool Busy() const;
  void Write(const std::filesystem::path& file_name, std::int64_t caret) const;

  std::filesystem::path folder_;
  std::string own_id_;
  std::unique_ptr<InstanceLock> lock_;
  std::future<void> work_;  // making room or writing: one at a time
  std::string room_;        // touched by the interface thread only while idle
};

}  // namespace tarnpad
