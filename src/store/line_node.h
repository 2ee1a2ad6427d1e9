#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace kinloom::store {

// One GEDCOM line of a record: level digit, blank, tag (or cross-reference and tag) and value,
// without a line end. The text is NUL-terminated and owned by the tree's LineArena.
//
// A tree holds millions of lines, and nearly every query looks at line texts, so a line knows
// its length without counting and still takes two words: the length sits in the top 16 bits of
// the text pointer, which user-space addresses leave free on the 64-bit systems the program
// runs on. Texts of 65,535 bytes or more are counted.
class LineNode {
 public:
  LineNode* next = nullptr;

  const char* c_str() const { return reinterpret_cast<const char*>(bits_ & kAddressMask); }
  std::string_view text() const { return std::string_view(c_str(), size()); }
  size_t size() const {
    size_t length = bits_ >> kLengthShift;
    return length == kLongText ? std::strlen(c_str()) : length;
  }
  // The level digit (the first character; NUL for an empty line).
  char level() const { return c_str()[0]; }
  // Changes the level digit in place.
  void set_level(char level) { mutable_data()[0] = level; }

 private:
  friend class LineArena;
  static constexpr int kLengthShift = 48;
  static constexpr uintptr_t kAddressMask = (uintptr_t{1} << kLengthShift) - 1;
  static constexpr size_t kLongText = 0xFFFF;

  char* mutable_data() { return reinterpret_cast<char*>(bits_ & kAddressMask); }
  void Point(char* text, size_t length);

  uintptr_t bits_ = 0;
};

static_assert(sizeof(LineNode) == 2 * sizeof(void*));

// Owns every line of one tree. Lines and their texts are carved out of large blocks, so a tree
// of a million individuals costs little more than its text; freed nodes and text buffers are
// reused, and everything is released at once by Clear().
class LineArena {
 public:
  LineArena() = default;
  LineArena(const LineArena&) = delete;
  LineArena& operator=(const LineArena&) = delete;

  // A new line holding a copy of `text`, linked before `next`.
  LineNode* NewNode(std::string_view text, LineNode* next);
  // Gives the line a copy of `text`; the old buffer is reused when the new text fits in it.
  void SetText(LineNode* node, std::string_view text);
  // Returns a line to the arena. REQUIRES: nothing points at it any more.
  void FreeNode(LineNode* node);
  // Frees a whole list starting at `first`.
  void FreeList(LineNode* first);
  void Clear();
  // Exchanges everything two arenas own.
  void Swap(LineArena& other) noexcept;
  // A NUL-terminated copy of `text` that lives until Clear().
  char* CopyText(std::string_view text);

  size_t bytes_reserved() const { return blocks_.size() * kBlockSize + big_bytes_; }

 private:
  static constexpr size_t kBlockSize = 1 << 20;

  // Freed text buffers are kept by capacity and handed out again, so that the clean-up of an
  // imported file, which deletes and rewrites millions of lines, does not leave its old texts
  // behind as dead weight.
  static constexpr size_t kMinRecycled = sizeof(char*);
  static constexpr size_t kMaxRecycled = 256;
  static constexpr size_t kRecycleSlack = 15;

  void* Allocate(size_t size, size_t align);
  char* TakeRecycled(size_t capacity);
  void Recycle(char* text, size_t capacity);

  std::vector<char*> recycled_ = std::vector<char*>(kMaxRecycled + 1, nullptr);
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<char[]>> big_;  // texts too large for a block
  size_t big_bytes_ = 0;
  char* cursor_ = nullptr;
  size_t left_ = 0;
  LineNode* free_nodes_ = nullptr;
};

}  // namespace kinloom::store
