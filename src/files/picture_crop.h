#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kinloom::files {

// The arithmetic of the crop window: where the picture sits in the view, how a dragged
// rectangle maps onto the picture's pixels, and the name of the file the crop is saved as.

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const PixelRect&) const = default;
};

// How the picture is drawn: scaled by `scale` with its top left corner at (left, top).
struct PictureView {
  double scale = 1.0;
  double left = 0;
  double top = 0;
};

// The picture centred in the view, scaled to fit it (`zoom_to_fit`, small pictures enlarged
// too) or at its own size (then shrunk only when larger than the view).
PictureView FitPicture(PixelSize picture, PixelSize view, bool zoom_to_fit);

// A point of the view as a pixel of the picture (may lie outside it).
double ViewToPictureX(const PictureView& view, double x);
double ViewToPictureY(const PictureView& view, double y);
// A rectangle of the picture as drawn in the view.
PixelRect PictureToView(const PictureView& view, const PixelRect& rect);

// The rectangle dragged from `anchor` to `corner` (picture pixels, either order), kept inside
// the picture. With an aspect (both parts above 0) its width : height is kept, the anchor
// staying where it is and the rectangle never leaving the picture.
PixelRect CropFromCorners(double anchor_x, double anchor_y, double corner_x, double corner_y,
                          PixelSize picture, PixelSize aspect = {});

// The largest rectangle of that aspect centred in the picture; the whole picture without one.
PixelRect CentredCrop(PixelSize picture, PixelSize aspect);

// Whether a crop is worth saving: at least 2 x 2 pixels and not the whole picture.
bool UsableCrop(const PixelRect& rect, PixelSize picture);

// Photographs (JPEG files) are saved as JPEG, other pictures as PNG so nothing is lost.
bool SavesAsJpeg(std::string_view file);

// The name the crop of `file` is saved as, in the same folder of the media folder:
// "stem" + suffix + ".jpg" or ".png" (see SavesAsJpeg; `force_jpeg` for profile pictures), with
// 2, 3, ... after the suffix while `exists` says the name is taken. The stem is shortened so
// the name fits an item's file name. Empty when no free name is found.
std::string CroppedFileName(std::string_view file, std::string_view suffix, bool force_jpeg,
                            const std::function<bool(const std::string&)>& exists);

}  // namespace kinloom::files
