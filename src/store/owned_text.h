#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace kinloom::store {

// An optional owned text in one pointer: the records carry several of these, and a record block
// should stay small when a tree holds a million of them.
class OwnedText {
 public:
  OwnedText() = default;
  explicit OwnedText(std::string_view text) { Set(text); }
  OwnedText(const OwnedText& other) { Set(other.view()); }
  OwnedText& operator=(const OwnedText& other) {
    if (this != &other) Set(other.view());
    return *this;
  }
  OwnedText(OwnedText&&) = default;
  OwnedText& operator=(OwnedText&&) = default;

  void Set(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
    copy[text.size()] = '\0';
    text_ = std::move(copy);
  }
  void Reset() { text_.reset(); }

  bool has_value() const { return text_ != nullptr; }
  std::string_view view() const {
    return text_ ? std::string_view(text_.get()) : std::string_view();
  }
  std::string str() const { return std::string(view()); }

 private:
  std::unique_ptr<char[]> text_;
};

}  // namespace kinloom::store
