#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace kinloom::platform {

// A file being written. Nothing appears under the target name until Commit() has written,
// flushed and synced every byte and renamed the temporary file over the target; a file that is
// dropped without a successful Commit() leaves the old target untouched and its temporary
// file removed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual Status Append(std::string_view data) = 0;
  virtual Status Commit() = 0;
};

// The writing of the user's files, and the reading and removing of the side files, go through
// this interface, so tests can make any of them fail. Failures name the file and say why.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // REQUIRES: the folder of `path` exists.
  virtual Status NewWritableFile(const std::string& path, std::unique_ptr<WritableFile>* file) = 0;
  // The whole file into *contents. NotFound when there is no such file; IoError when it exists
  // but cannot be read (no permission, a folder in its place, a read that fails part way).
  virtual Status ReadFile(const std::string& path, std::string* contents) = 0;
  // Removes a file or an empty folder. NotFound when there is none.
  virtual Status RemoveFile(const std::string& path) = 0;
};

// The real file system: a temporary file beside the target, then rename.
class LocalFileSystem final : public FileSystem {
 public:
  Status NewWritableFile(const std::string& path, std::unique_ptr<WritableFile>* file) override;
  Status ReadFile(const std::string& path, std::string* contents) override;
  Status RemoveFile(const std::string& path) override;
};

}  // namespace kinloom::platform
