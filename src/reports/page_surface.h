#pragma once

#include <string_view>

namespace kinloom::reports {

// The face of the text drawn next: size in points, weight, underline, slant and a grey level
// (0 black to 255 white).
struct FontStyle {
  int points = 10;
  bool bold = false;
  bool underline = false;
  bool italic = false;
  int grey = 0;

  bool operator==(const FontStyle&) const = default;
};

// A printed page as the report producers see it: the printable area in device units (600 to
// the inch), the current font's measures, and drawing. Texts are in the program's Windows-1252
// set. The printer, the PDF writer, the page counter and the tests' recorder implement it.
class PageSurface {
 public:
  virtual ~PageSurface() = default;

  // The area inside the margins; (0, 0) is its top left corner.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;

  virtual void SetFont(const FontStyle& font) = 0;
  // The height of a line of `text` in the current font (ascent and descent), and its width.
  virtual int TextHeight(std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) = 0;

  virtual void SetPenWidth(int width) = 0;
  // Text whose line box has its top left corner at (x, y).
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // A rectangle filled with a grey level, without an outline.
  virtual void FillRect(int x, int y, int width, int height, int grey) = 0;

  // Starts a sheet: the first call starts the document on its first sheet, every later call
  // the next sheet.
  virtual void StartPage() = 0;
  // Ends the document after the last sheet.
  virtual void Finish() = 0;
};

}  // namespace kinloom::reports
