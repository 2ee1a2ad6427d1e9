#include <cstdint>

#include "store/line_node.h"

namespace kinloom::store {

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

char* LineArena::CopyText(std::string_view text) {
  char* p = static_cast<char*>(Allocate(text.size() + 1, 1));
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
  node->text_ = CopyText(text);
  return node;
}

void LineArena::SetText(LineNode* node, std::string_view text) {
  if (node->text_ != nullptr && text.size() <= std::strlen(node->text_) &&
      text.data() != node->text_) {
    std::memmove(node->text_, text.data(), text.size());
    node->text_[text.size()] = '\0';
    return;
  }
  if (node->text_ != nullptr && text.data() == node->text_) {
    node->text_[text.size()] = '\0';  // a prefix of itself
    return;
  }
  node->text_ = CopyText(text);
}

void LineArena::FreeNode(LineNode* node) {
  node->text_ = nullptr;
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
}

}  // namespace kinloom::store
