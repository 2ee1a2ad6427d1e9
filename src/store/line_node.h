#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace kinloom::store {

// One GEDCOM line of a record: level digit, blank, tag (or cross-reference and tag) and value,
// without a line end. The text is NUL-terminated and owned by the tree's LineArena.
struct LineNode {
  LineNode* next = nullptr;
  char* text_ = nullptr;

  const char* c_str() const { return text_; }
  std::string_view text() const { return std::string_view(text_); }
  size_t size() const { return std::strlen(text_); }
};

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
  // A NUL-terminated copy of `text` that lives until Clear().
  char* CopyText(std::string_view text);

  size_t bytes_reserved() const { return blocks_.size() * kBlockSize + big_bytes_; }

 private:
  static constexpr size_t kBlockSize = 1 << 20;

  void* Allocate(size_t size, size_t align);

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<char[]>> big_;  // texts too large for a block
  size_t big_bytes_ = 0;
  char* cursor_ = nullptr;
  size_t left_ = 0;
  LineNode* free_nodes_ = nullptr;
};

}  // namespace kinloom::store
