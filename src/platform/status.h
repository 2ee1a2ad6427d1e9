#pragma once

#include <string>
#include <utility>

namespace kinloom {

// The outcome of an operation that can fail: success, or a kind and a message saying what failed.
class [[nodiscard]] Status {
 public:
  enum class Code { kOk, kNotFound, kInvalidFormat, kIoError, kInvalidArgument };

  Status() = default;
  static Status Ok() { return Status(); }
  static Status NotFound(std::string message) { return {Code::kNotFound, std::move(message)}; }
  static Status InvalidFormat(std::string message) {
    return {Code::kInvalidFormat, std::move(message)};
  }
  static Status IoError(std::string message) { return {Code::kIoError, std::move(message)}; }
  static Status InvalidArgument(std::string message) {
    return {Code::kInvalidArgument, std::move(message)};
  }

  bool ok() const { return code_ == Code::kOk; }
  Code code() const { return code_; }
  const std::string& message() const { return message_; }

 private:
  Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace kinloom
