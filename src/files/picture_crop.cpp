#include "files/picture_crop.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "files/media_albums.h"

namespace kinloom::files {
namespace {

int Round(double value) {
  return static_cast<int>(std::lround(value));
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

PictureView FitPicture(PixelSize picture, PixelSize view, bool zoom_to_fit) {
  PictureView fit;
  if (picture.width <= 0 || picture.height <= 0 || view.width <= 0 || view.height <= 0) {
    return fit;
  }
  const double across = static_cast<double>(view.width) / picture.width;
  const double down = static_cast<double>(view.height) / picture.height;
  fit.scale = std::min(across, down);
  if (!zoom_to_fit) fit.scale = std::min(fit.scale, 1.0);
  fit.left = (view.width - picture.width * fit.scale) / 2;
  fit.top = (view.height - picture.height * fit.scale) / 2;
  return fit;
}

double ViewToPictureX(const PictureView& view, double x) {
  return (x - view.left) / view.scale;
}

double ViewToPictureY(const PictureView& view, double y) {
  return (y - view.top) / view.scale;
}

PixelRect PictureToView(const PictureView& view, const PixelRect& rect) {
  const int left = Round(view.left + rect.x * view.scale);
  const int top = Round(view.top + rect.y * view.scale);
  const int right = Round(view.left + (rect.x + rect.width) * view.scale);
  const int bottom = Round(view.top + (rect.y + rect.height) * view.scale);
  return {left, top, right - left, bottom - top};
}

PixelRect CropFromCorners(double anchor_x, double anchor_y, double corner_x, double corner_y,
                          PixelSize picture, PixelSize aspect) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  const double x0 = std::clamp(anchor_x, 0.0, static_cast<double>(picture.width));
  const double y0 = std::clamp(anchor_y, 0.0, static_cast<double>(picture.height));
  const double x1 = std::clamp(corner_x, 0.0, static_cast<double>(picture.width));
  const double y1 = std::clamp(corner_y, 0.0, static_cast<double>(picture.height));
  double width = std::abs(x1 - x0);
  double height = std::abs(y1 - y0);
  if (aspect.width > 0 && aspect.height > 0) {
    const double ratio = static_cast<double>(aspect.width) / aspect.height;
    // The larger side decides; the other follows, then both shrink to the room there is.
    if (width > height * ratio) {
      height = width / ratio;
    } else {
      width = height * ratio;
    }
    const double room_x = corner_x >= anchor_x ? picture.width - x0 : x0;
    const double room_y = corner_y >= anchor_y ? picture.height - y0 : y0;
    if (width > room_x) {
      width = room_x;
      height = width / ratio;
    }
    if (height > room_y) {
      height = room_y;
      width = height * ratio;
    }
  }
  const double left = corner_x >= anchor_x ? x0 : x0 - width;
  const double top = corner_y >= anchor_y ? y0 : y0 - height;
  PixelRect rect{Round(left), Round(top), Round(width), Round(height)};
  rect.x = std::clamp(rect.x, 0, picture.width);
  rect.y = std::clamp(rect.y, 0, picture.height);
  rect.width = std::min(rect.width, picture.width - rect.x);
  rect.height = std::min(rect.height, picture.height - rect.y);
  return rect;
}

PixelRect CentredCrop(PixelSize picture, PixelSize aspect) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  if (aspect.width <= 0 || aspect.height <= 0) return {0, 0, picture.width, picture.height};
  const double ratio = static_cast<double>(aspect.width) / aspect.height;
  int width = picture.width;
  int height = Round(width / ratio);
  if (height > picture.height) {
    height = picture.height;
    width = std::min(picture.width, Round(height * ratio));
  }
  return {(picture.width - width) / 2, (picture.height - height) / 2, width, height};
}

bool UsableCrop(const PixelRect& rect, PixelSize picture) {
  if (rect.width < 2 || rect.height < 2) return false;
  if (rect.x < 0 || rect.y < 0 || rect.x + rect.width > picture.width ||
      rect.y + rect.height > picture.height) {
    return false;
  }
  return rect.width < picture.width || rect.height < picture.height;
}

bool SavesAsJpeg(std::string_view file) {
  const size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string extension = Lower(file.substr(dot + 1));
  return extension == "jpg" || extension == "jpeg" || extension == "jpe";
}

std::string CroppedFileName(std::string_view file, std::string_view suffix, bool force_jpeg,
                            const std::function<bool(const std::string&)>& exists) {
  const size_t slash = file.rfind('/');
  const size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || dot < name_start) dot = file.size();
  const std::string_view stem = file.substr(0, dot);
  const std::string extension = force_jpeg || SavesAsJpeg(file) ? ".jpg" : ".png";
  for (int number = 1; number < 1000; ++number) {
    const std::string tail =
        std::string(suffix) + (number == 1 ? "" : std::to_string(number)) + extension;
    if (tail.size() + name_start + 1 > kMaxItemFile) return {};
    const size_t keep = std::min(stem.size(), kMaxItemFile - tail.size());
    if (keep <= name_start) return {};
    const std::string name = std::string(stem.substr(0, keep)) + tail;
    if (!exists(name)) return name;
  }
  return {};
}

}  // namespace kinloom::files
