#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "store/record_store.h"

namespace kinloom::testing {

// 6 Dec 2026, 09:05:07: every test sees the same day.
platform::DateTime TestNow();

// A folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

// A tree with a fixed clock and a scripted interaction layer.
struct TestTree {
  platform::FixedClock clock{TestNow()};
  platform::HeadlessInteraction ui{&clock};
  store::RecordStore store{ui};
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);
// Joins lines with CR LF, without a line end after the last.
std::string CrLfJoin(const std::vector<std::string>& lines);
// The lines of a record, in order.
std::vector<std::string> RecordLines(const store::LineNode* first);

// The short forms tests write lines in: one text with a separator between the lines ("|", or
// "|\n" for one record a line), or one text per record with "|" between its lines.
std::vector<std::string> Split(std::string_view text, std::string_view separators = "|");
std::vector<std::string> Records(std::initializer_list<std::string_view> records);
// The lines of a file's text, with CR LF or LF line ends.
std::vector<std::string> SplitLines(std::string_view bytes);

// The header lines of an own-format file as the writer makes them (date and time aside).
std::vector<std::string> OwnHeader(const std::string& file_name);

// Loads a tree from the lines of its records ("0 @I000001@ INDI", "1 NAME ...", ...), read as
// one of the program's own files, with the finishing steps of an open (chart caches, dropping
// families that link too few people, search lists).
void LoadOwnTree(TestTree& tree, const std::vector<std::string>& record_lines);

// A file system whose written files fail after a number of bytes, or at commit, and on which
// reading or removing chosen files fails with an I/O error. Everything else is the real thing.
class FaultyFileSystem final : public platform::FileSystem {
 public:
  explicit FaultyFileSystem(size_t fail_after_bytes = SIZE_MAX, bool fail_commit = false)
      : fail_after_(fail_after_bytes), fail_commit_(fail_commit) {}
  void FailReading(const std::string& path) { unreadable_.insert(path); }
  void FailRemoving(const std::string& path) { unremovable_.insert(path); }

  Status NewWritableFile(const std::string& path,
                         std::unique_ptr<platform::WritableFile>* file) override;
  Status ReadFile(const std::string& path, std::string* contents) override;
  Status RemoveFile(const std::string& path) override;

 private:
  platform::LocalFileSystem real_;
  size_t fail_after_;
  bool fail_commit_;
  std::set<std::string> unreadable_;
  std::set<std::string> unremovable_;
};

}  // namespace kinloom::testing
