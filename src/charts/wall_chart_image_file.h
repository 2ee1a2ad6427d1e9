#pragma once

#include <QIODevice>
#include <QImage>
#include <functional>
#include <string>

#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::charts {

// Writes an image in a format ("jpg" or "bmp") to a device; false when it could not.
using WallChartEncoder =
    std::function<bool(const QImage& image, const char* format, QIODevice& device)>;
// JPEG at quality 100, BMP as it is.
bool EncodeWallChart(const QImage& image, const char* format, QIODevice& device);

// A JPEG shorter than this was not written properly.
inline constexpr qint64 kWallChartShortestJpeg = 1000;

struct SavedWallChartFile {
  Status status;
  std::string path;  // the file written (or attempted)
};

// Saves the chart in the "My Files" folder as stem + ".jpg"; when that cannot be written or
// comes out shorter than 1,000 bytes, as stem + ".bmp" instead, and no ".jpg" of the name
// stays behind. Each file goes through a temporary file that replaces the old one only when
// complete.
[[nodiscard]] SavedWallChartFile SaveWallChartImage(const QImage& image,
                                                    const std::string& my_files,
                                                    const std::string& stem,
                                                    platform::FileSystem& file_system,
                                                    const WallChartEncoder& encoder = {});

// Reads a saved chart (".jpg" or ".bmp") of any size the chart makes; false when the file
// cannot be read as an image.
[[nodiscard]] bool LoadWallChartImage(const std::string& path, QImage* image);

}  // namespace kinloom::charts
