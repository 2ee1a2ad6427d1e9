#include "support/test_support.h"

#include "core/tree_reading.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <stdlib.h>

namespace kinloom::testing {

platform::DateTime TestNow() {
  return platform::DateTime{2026, 12, 6, 9, 5, 7};
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kinloom-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  char* made = ::mkdtemp(name.data());
  path_ = made != nullptr ? made : pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CrLfJoin(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

std::vector<std::string> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string> lines;
  for (size_t at; (at = text.find_first_of(separators)) != std::string_view::npos;
       text.remove_prefix(at + 1)) {
    lines.emplace_back(text.substr(0, at));
  }
  lines.emplace_back(text);
  return lines;
}

std::vector<std::string> Records(std::initializer_list<std::string_view> records) {
  std::vector<std::string> lines;
  for (std::string_view record : records) {
    std::vector<std::string> parts = Split(record);
    lines.insert(lines.end(), parts.begin(), parts.end());
  }
  return lines;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string> RecordLines(const store::LineNode* first) {
  std::vector<std::string> lines;
  for (; first != nullptr; first = first->next) lines.emplace_back(first->text());
  return lines;
}

std::vector<std::string> OwnHeader(const std::string& file_name) {
  return {
      "0 HEAD",          "1 SOUR Kinloom Zoraz",     "2 VERS Version: 2.48", "1 DATE  6 Dec 2026",
      "2 TIME 09:05:07", "1 FILE GED: " + file_name, "1 CHAR ANSI",          "1 GEDC",
      "2 VERS 5.5",      "2 FORM LINEAGE-LINKED"};
}

void LoadOwnTree(TestTree& tree, const std::vector<std::string>& record_lines) {
  TempDir dir;
  std::vector<std::string> lines = {"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"};
  lines.insert(lines.end(), record_lines.begin(), record_lines.end());
  lines.push_back("0 TRLR");
  WriteFileBytes(dir.File("tree.ged"), CrLfJoin(lines));
  // The trees of the tests are always readable; a read that fails is a fault of the reader.
  if (core::ReadTree(tree.store, dir.File("tree.ged"), false).outcome !=
      store::ReadOutcome::kRead) {
    std::abort();
  }
  tree.ui.ClearRecords();
}

namespace {

class FaultyFile final : public platform::WritableFile {
 public:
  FaultyFile(std::unique_ptr<platform::WritableFile> real, size_t budget, bool fail_commit)
      : real_(std::move(real)), budget_(budget), fail_commit_(fail_commit) {}

  Status Append(std::string_view data) override {
    if (data.size() > budget_) return Status::IoError("No space left on device");
    budget_ -= data.size();
    return real_->Append(data);
  }
  Status Commit() override {
    if (fail_commit_) return Status::IoError("Input/output error");
    return real_->Commit();
  }

 private:
  std::unique_ptr<platform::WritableFile> real_;
  size_t budget_;
  bool fail_commit_;
};

}  // namespace

Status FaultyFileSystem::NewWritableFile(const std::string& path,
                                         std::unique_ptr<platform::WritableFile>* file) {
  std::unique_ptr<platform::WritableFile> real;
  Status s = real_.NewWritableFile(path, &real);
  if (!s.ok()) return s;
  *file = std::make_unique<FaultyFile>(std::move(real), fail_after_, fail_commit_);
  return Status::Ok();
}

Status FaultyFileSystem::ReadFile(const std::string& path, std::string* contents) {
  Status s = real_.ReadFile(path, contents);
  if (!s.ok() || !unreadable_.contains(path)) return s;
  contents->clear();
  return Status::IoError(path + ": Input/output error");
}

Status FaultyFileSystem::RemoveFile(const std::string& path) {
  if (unremovable_.contains(path)) return Status::IoError(path + ": Permission denied");
  return real_.RemoveFile(path);
}

}  // namespace kinloom::testing
