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

// All writing of the user's files goes through this interface, so tests can make a write fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // REQUIRES: the folder of `path` exists.
  virtual Status NewWritableFile(const std::string& path, std::unique_ptr<WritableFile>* file) = 0;
};

// The real file system: a temporary file beside the target, then rename.
class LocalFileSystem final : public FileSystem {
 public:
  Status NewWritableFile(const std::string& path, std::unique_ptr<WritableFile>* file) override;
};

}  // namespace kinloom::platform
