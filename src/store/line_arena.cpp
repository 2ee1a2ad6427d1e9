#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "store/line_node.h"

namespace kinloom::store {

void LineNode::Point(char* text, size_t length) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(text);
  // Never expected on the supported systems; a line must not point elsewhere silently.
  if ((address & ~kAddressMask) != 0) std::abort();
  bits_ = address | (uintptr_t{length < kLongText ? length : kLongText} << kLengthShift);
}

void* LineArena::Allocate(size_t size, size_t align) {
  uintptr_t at = reinterpret_cast<uintptr_t>(cursor_);
  size_t pad = (align - at % align) % align;
  if (cursor_ == nullptr || pad + size > left_) {
    if (size + align > kBlockSize / 4) {
      big_.push_back(std::make_unique_for_overwrite<char[]>(size + align));
      big_bytes_ += size + align;
      char* p = big_.back().get();
      size_t big_pad = (align - reinterpret_cast<uintptr_t>(p) % align) % align;
      return p + big_pad;
    }
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
    cursor_ = blocks_.back().get();
    left_ = kBlockSize;
    at = reinterpret_cast<uintptr_t>(cursor_);
    pad = (align - at % align) % align;
  }
  char* p = cursor_ + pad;
  cursor_ = p + size;
  left_ -= pad + size;
  return p;
}

char* LineArena::TakeRecycled(size_t capacity) {
  if (capacity < kMinRecycled || capacity > kMaxRecycled) return nullptr;
  const size_t last = std::min(capacity + kRecycleSlack, kMaxRecycled);
  for (size_t c = capacity; c <= last; ++c) {
    char* text = recycled_[c];
    if (text != nullptr) {
      std::memcpy(&recycled_[c], text, sizeof(char*));
      return text;
    }
  }
  return nullptr;
}

void LineArena::Recycle(char* text, size_t capacity) {
  if (text == nullptr || capacity < kMinRecycled || capacity > kMaxRecycled) return;
  std::memcpy(text, &recycled_[capacity], sizeof(char*));
  recycled_[capacity] = text;
}

char* LineArena::CopyText(std::string_view text) {
  char* p = TakeRecycled(text.size() + 1);
  if (p == nullptr) p = static_cast<char*>(Allocate(text.size() + 1, 1));
  if (!text.empty()) std::memcpy(p, text.data(), text.size());
  p[text.size()] = '\0';
  return p;
}

LineNode* LineArena::NewNode(std::string_view text, LineNode* next) {
  LineNode* node = free_nodes_;
  if (node != nullptr) {
    free_nodes_ = node->next;
  } else {
    node = static_cast<LineNode*>(Allocate(sizeof(LineNode), alignof(LineNode)));
  }
  node->next = next;
  node->Point(CopyText(text), text.size());
  return node;
}

void LineArena::SetText(LineNode* node, std::string_view text) {
  char* old = node->mutable_data();
  if (old != nullptr && text.size() <= node->size()) {
    std::memmove(old, text.data(), text.size());  // the new text may be a part of the old
    old[text.size()] = '\0';
    node->Point(old, text.size());
    return;
  }
  const size_t old_capacity = old == nullptr ? 0 : node->size() + 1;
  node->Point(CopyText(text), text.size());
  Recycle(old, old_capacity);
}

void LineArena::FreeNode(LineNode* node) {
  if (node->bits_ != 0) Recycle(node->mutable_data(), node->size() + 1);
  node->bits_ = 0;
  node->next = free_nodes_;
  free_nodes_ = node;
}

void LineArena::FreeList(LineNode* first) {
  while (first != nullptr) {
    LineNode* next = first->next;
    FreeNode(first);
    first = next;
  }
}

void LineArena::Clear() {
  blocks_.clear();
  big_.clear();
  big_bytes_ = 0;
  cursor_ = nullptr;
  left_ = 0;
  free_nodes_ = nullptr;
  std::fill(recycled_.begin(), recycled_.end(), nullptr);
}

void LineArena::Swap(LineArena& other) noexcept {
  recycled_.swap(other.recycled_);
  blocks_.swap(other.blocks_);
  big_.swap(other.big_);
  std::swap(big_bytes_, other.big_bytes_);
  std::swap(cursor_, other.cursor_);
  std::swap(left_, other.left_);
  std::swap(free_nodes_, other.free_nodes_);
}

}  // namespace kinloom::store
