#include "platform/file_io.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kinloom::platform
