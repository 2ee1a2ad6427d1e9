#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/page_surface.h"

namespace kinloom::reports {

// A page surface that keeps what is drawn as data, for tests: every text, line and filled
// rectangle with the sheet it went to. Its measures are simple and fixed: a line of text is
// 10 units high per point and a character 5 units wide per point.
class RecordingSurface final : public PageSurface {
 public:
  // Letter paper inside half-inch margins, at 600 units to the inch.
  static constexpr int kPortraitWidth = 4500;
  static constexpr int kPortraitHeight = 6000;

  struct Item {
    enum class Kind { kText, kLine, kRect } kind;
    int sheet = 0;  // 0 when drawn before any sheet was started
    int x = 0;
    int y = 0;
    int x2 = 0;  // lines: the end; rectangles: the far corner
    int y2 = 0;
    std::string text;
    FontStyle font;
    int pen = 0;
  };

  explicit RecordingSurface(bool landscape = false);
  RecordingSurface(int width, int height) : width_(width), height_(height) {}

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetFont(const FontStyle& font) override { font_ = font; }
  int TextHeight(std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void SetPenWidth(int width) override { pen_ = width; }
  void DrawText(int x, int y, std::string_view text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void FillRect(int x, int y, int width, int height, int grey) override;
  void StartPage() override { ++sheets_; }
  void Finish() override { ++finished_; }

  int sheets() const { return sheets_; }
  int finished() const { return finished_; }
  const std::vector<Item>& items() const { return items_; }
  // The texts of one sheet in drawing order.
  std::vector<std::string> Texts(int sheet) const;
  // The widest right edge of any text, and the lowest bottom edge of any text or line.
  int RightmostText() const;
  int LowestMark() const;

 private:
  int width_;
  int height_;
  FontStyle font_;
  int pen_ = 1;
  int sheets_ = 0;
  int finished_ = 0;
  std::vector<Item> items_;
};

}  // namespace kinloom::reports
