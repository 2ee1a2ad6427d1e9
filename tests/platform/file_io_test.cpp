#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "support/test_support.h"

namespace kinloom::platform {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

size_t FilesIn(const std::string& folder) {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(SafeWrite, CommittedFileReplacesTheOldOne) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), "old");
  LocalFileSystem fs;
  std::unique_ptr<WritableFile> file;
  ASSERT_TRUE(fs.NewWritableFile(dir.File("tree.ged"), &file).ok());
  ASSERT_TRUE(file->Append("new ").ok());
  ASSERT_TRUE(file->Append(std::string(200000, 'x')).ok());  // larger than the buffer
  EXPECT_EQ(ReadFileBytes(dir.File("tree.ged")), "old");     // nothing shows before commit
  ASSERT_TRUE(file->Commit().ok());
  EXPECT_EQ(ReadFileBytes(dir.File("tree.ged")), "new " + std::string(200000, 'x'));
  file.reset();
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(SafeWrite, DroppedFileLeavesTheOldOneAndNoTemporaryFile) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), "old");
  LocalFileSystem fs;
  {
    std::unique_ptr<WritableFile> file;
    ASSERT_TRUE(fs.NewWritableFile(dir.File("tree.ged"), &file).ok());
    ASSERT_TRUE(file->Append("half a tree").ok());
  }
  EXPECT_EQ(ReadFileBytes(dir.File("tree.ged")), "old");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(SafeWrite, MissingFolderIsAnError) {
  TempDir dir;
  LocalFileSystem fs;
  std::unique_ptr<WritableFile> file;
  Status s = fs.NewWritableFile(dir.File("no/such/folder/tree.ged"), &file);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.code(), Status::Code::kIoError);
  EXPECT_NE(s.message().find("tree.ged"), std::string::npos);
}

// A file that is not there is told apart from one that cannot be read, and both name the path.
TEST(FileAccess, ReadsTellMissingFromUnreadable) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.cfg"), std::string(100000, 'c'));
  ASSERT_EQ(::mkfifo(dir.File("pipe.cfg").c_str(), 0600), 0);
  LocalFileSystem fs;
  const struct {
    std::string path;
    Status::Code code;
    std::string message;
  } cases[] = {
      {dir.File("tree.cfg"), Status::Code::kOk, ""},
      {dir.File("none.cfg"), Status::Code::kNotFound, dir.File("none.cfg") + ": No such file"},
      {dir.File("tree.cfg/x"), Status::Code::kNotFound, dir.File("tree.cfg/x") + ": Not a dir"},
      {dir.path(), Status::Code::kIoError, dir.path() + ": Is a directory"},
      {dir.File("pipe.cfg"), Status::Code::kIoError, dir.File("pipe.cfg") + ": not an ordinary"},
  };
  for (const auto& c : cases) {
    std::string contents = "stale";
    const Status s = fs.ReadFile(c.path, &contents);
    EXPECT_EQ(s.code(), c.code) << c.path;
    EXPECT_TRUE(s.message().starts_with(c.message)) << s.message();
    EXPECT_EQ(contents, s.ok() ? std::string(100000, 'c') : "") << c.path;
  }
}

TEST(FileAccess, RemovesFilesAndEmptyFoldersOnly) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.cfg"), "cfg");
  std::filesystem::create_directories(dir.File("full/empty"));
  LocalFileSystem fs;
  EXPECT_TRUE(fs.RemoveFile(dir.File("tree.cfg")).ok());
  EXPECT_EQ(fs.RemoveFile(dir.File("tree.cfg")).code(), Status::Code::kNotFound);
  const Status full = fs.RemoveFile(dir.File("full"));
  EXPECT_EQ(full.code(), Status::Code::kIoError);
  EXPECT_EQ(full.message(), dir.File("full") + ": Directory not empty");
  EXPECT_TRUE(fs.RemoveFile(dir.File("full/empty")).ok());
  EXPECT_TRUE(fs.RemoveFile(dir.File("full")).ok());
}

}  // namespace
}  // namespace kinloom::platform
