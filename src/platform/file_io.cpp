#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace kinloom::platform {
namespace {

std::string ErrorText(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

// No entry, or a part of the path that is no folder: either way there is no such file.
Status OpenFailure(const std::string& path, int error) {
  if (error == ENOENT || error == ENOTDIR) return Status::NotFound(ErrorText(path, error));
  return Status::IoError(ErrorText(path, error));
}

Status ReadAll(int fd, const std::string& path, std::string* contents) {
  struct stat info;
  if (::fstat(fd, &info) != 0) return Status::IoError(ErrorText(path, errno));
  if (S_ISDIR(info.st_mode)) return Status::IoError(ErrorText(path, EISDIR));
  if (!S_ISREG(info.st_mode)) return Status::IoError(path + ": not an ordinary file");
  contents->reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return Status::Ok();
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::IoError(ErrorText(path, errno));
    }
    contents->append(buffer, static_cast<size_t>(n));
  }
}

class LocalWritableFile final : public WritableFile {
 public:
  LocalWritableFile(std::string target, std::string temp, int fd)
      : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {
    buffer_.reserve(kBufferSize);
  }

  ~LocalWritableFile() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
  }

  Status Append(std::string_view data) override {
    if (!failure_.ok()) return failure_;
    if (buffer_.size() + data.size() > kBufferSize) {
      Status s = Flush();
      if (!s.ok()) return s;
    }
    if (data.size() >= kBufferSize) return WriteAll(data.data(), data.size());
    buffer_.insert(buffer_.end(), data.begin(), data.end());
    return Status::Ok();
  }

  Status Commit() override {
    if (!failure_.ok()) return failure_;
    Status s = Flush();
    if (!s.ok()) return s;
    if (::fsync(fd_) != 0) return Fail(errno);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(errno);
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) return Fail(errno);
    committed_ = true;
    return Status::Ok();
  }

 private:
  static constexpr size_t kBufferSize = 1 << 16;

  Status Flush() {
    Status s = WriteAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return s;
  }

  Status WriteAll(const char* data, size_t size) {
    while (size > 0) {
      ssize_t n = ::write(fd_, data, size);
      if (n < 0) {
        if (errno == EINTR) continue;
        return Fail(errno);
      }
      data += n;
      size -= static_cast<size_t>(n);
    }
    return Status::Ok();
  }

  Status Fail(int error) {
    failure_ = Status::IoError(ErrorText(target_, error));
    return failure_;
  }

  std::string target_;
  std::string temp_;
  int fd_;
  bool committed_ = false;
  std::vector<char> buffer_;
  Status failure_;
};

}  // namespace

Status LocalFileSystem::NewWritableFile(const std::string& path,
                                        std::unique_ptr<WritableFile>* file) {
  std::string temp = path + ".tmp-XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return Status::IoError(ErrorText(path, errno));
  // mkstemp makes the file private to the owner; a saved tree gets the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  *file = std::make_unique<LocalWritableFile>(path, std::string(name.data()), fd);
  return Status::Ok();
}

Status LocalFileSystem::ReadFile(const std::string& path, std::string* contents) {
  contents->clear();
  // Not blocking, so a pipe in the file's place is refused rather than waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return OpenFailure(path, errno);
  Status status = ReadAll(fd, path, contents);
  ::close(fd);
  if (!status.ok()) contents->clear();
  return status;
}

Status LocalFileSystem::RemoveFile(const std::string& path) {
  if (std::remove(path.c_str()) == 0) return Status::Ok();
  return OpenFailure(path, errno);
}

}  // namespace kinloom::platform
