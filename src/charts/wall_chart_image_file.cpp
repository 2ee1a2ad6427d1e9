#include "charts/wall_chart_image_file.h"

#include <QImageReader>
#include <QImageWriter>
#include <filesystem>
#include <memory>

#include "reports/wall_chart_fit.h"

namespace kinloom::charts {
namespace {

constexpr int kJpegQuality = 100;

// A device that passes what is written to a file of the program's file system, so an image
// writer streams into the temporary file.
class WritableFileDevice final : public QIODevice {
 public:
  explicit WritableFileDevice(platform::WritableFile& file) : file_(file) {
    open(QIODevice::WriteOnly);
  }
  bool isSequential() const override { return true; }
  qint64 written() const { return written_; }
  const Status& status() const { return status_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    if (!status_.ok()) return -1;
    status_ = file_.Append(std::string_view(data, static_cast<size_t>(length)));
    if (!status_.ok()) return -1;
    written_ += length;
    return length;
  }

 private:
  platform::WritableFile& file_;
  qint64 written_ = 0;
  Status status_ = Status::Ok();
};

// Writes one file; `shortest` is the length below which it counts as not written.
Status WriteImageFile(const QImage& image, const std::string& path, const char* format,
                      qint64 shortest, platform::FileSystem& file_system,
                      const WallChartEncoder& encoder) {
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  WritableFileDevice device(*file);
  const bool encoded = encoder(image, format, device);
  device.close();
  if (!device.status().ok()) return device.status();
  if (!encoded || device.written() < shortest) {
    return Status::IoError(path + ": the image could not be written");
  }
  return file->Commit();
}

}  // namespace

bool EncodeWallChart(const QImage& image, const char* format, QIODevice& device) {
  QImageWriter writer(&device, format);
  if (QByteArray(format) == "jpg") writer.setQuality(kJpegQuality);
  return writer.write(image);
}

SavedWallChartFile SaveWallChartImage(const QImage& image, const std::string& my_files,
                                      const std::string& stem, platform::FileSystem& file_system,
                                      const WallChartEncoder& encoder) {
  const WallChartEncoder& encode = encoder ? encoder : WallChartEncoder(EncodeWallChart);
  const std::string jpeg = my_files + "/" + stem + ".jpg";
  if (WriteImageFile(image, jpeg, "jpg", kWallChartShortestJpeg, file_system, encode).ok()) {
    return {Status::Ok(), jpeg};
  }
  const std::string bitmap = my_files + "/" + stem + ".bmp";
  const Status status = WriteImageFile(image, bitmap, "bmp", 1, file_system, encode);
  if (!status.ok()) return {status, bitmap};
  // An older chart of the same name must not pass for this one.
  std::error_code ignored;
  std::filesystem::remove(jpeg, ignored);
  return {Status::Ok(), bitmap};
}

bool LoadWallChartImage(const std::string& path, QImage* image) {
  QImageReader reader(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
  // The reader's usual limit is well below the largest chart the program makes.
  const int megabytes = static_cast<int>(reports::kWallChartMaxImageBytes / (1024 * 1024)) + 1;
  reader.setAllocationLimit(std::max(reader.allocationLimit(), megabytes));
  *image = reader.read();
  return !image->isNull();
}

}  // namespace kinloom::charts
