#include "reports/recording_surface.h"

#include <algorithm>

namespace kinloom::reports {

RecordingSurface::RecordingSurface(bool landscape)
    : width_(landscape ? kPortraitHeight : kPortraitWidth),
      height_(landscape ? kPortraitWidth : kPortraitHeight) {}

int RecordingSurface::TextHeight(std::string_view) {
  return font_.points * 10;
}

int RecordingSurface::TextWidth(std::string_view text) {
  return static_cast<int>(text.size()) * font_.points * 5;
}

void RecordingSurface::DrawText(int x, int y, std::string_view text) {
  items_.push_back({Item::Kind::kText, sheets_, x, y, x + TextWidth(text), y + TextHeight(text),
                    std::string(text), font_, pen_});
}

void RecordingSurface::DrawLine(int x1, int y1, int x2, int y2) {
  items_.push_back({Item::Kind::kLine, sheets_, x1, y1, x2, y2, {}, font_, pen_});
}

void RecordingSurface::FillRect(int x, int y, int width, int height, int grey) {
  Item item{Item::Kind::kRect, sheets_, x, y, x + width, y + height, {}, font_, pen_};
  item.font.grey = grey;
  items_.push_back(item);
}

std::vector<std::string> RecordingSurface::Texts(int sheet) const {
  std::vector<std::string> texts;
  for (const Item& item : items_) {
    if (item.kind == Item::Kind::kText && item.sheet == sheet) texts.push_back(item.text);
  }
  return texts;
}

int RecordingSurface::RightmostText() const {
  int right = 0;
  for (const Item& item : items_) {
    if (item.kind == Item::Kind::kText) right = std::max(right, item.x2);
  }
  return right;
}

int RecordingSurface::LowestMark() const {
  int lowest = 0;
  for (const Item& item : items_) lowest = std::max({lowest, item.y, item.y2});
  return lowest;
}

}  // namespace kinloom::reports
