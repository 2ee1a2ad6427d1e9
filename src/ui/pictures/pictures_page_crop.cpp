// The pictures page's crop and people dialogs: a part of an item's picture saved as a new item
// or as the shown person's profile picture, and the people an item shows.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <memory>

#include "core/queries.h"
#include "files/data_folders.h"
#include "files/picture_crop.h"
#include "files/tree_files.h"
#include "platform/file_io.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/pictures/crop_box.h"
#include "ui/pictures/picture_people_box.h"
#include "ui/pictures/pictures_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using platform::Icon;

constexpr int kJpegQuality = 92;
constexpr std::string_view kCroppedTitle = " (cropped)";

// The encoded picture written through the file layer: a temporary file renamed over the
// target only once it is complete.
Status WriteImage(const QImage& image, const std::string& path, bool jpeg) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, jpeg ? "JPG" : "PNG", jpeg ? kJpegQuality : -1)) {
    return Status::IoError(path + ": the picture cannot be encoded");
  }
  platform::LocalFileSystem file_system;
  std::unique_ptr<platform::WritableFile> out;
  if (Status s = file_system.NewWritableFile(path, &out); !s.ok()) return s;
  if (Status s =
          out->Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
      !s.ok()) {
    return s;
  }
  return out->Commit();
}

}  // namespace

void PicturesPage::btnCropClick() {
  const files::ItemRef current = albums().current_item();
  const files::MediaItem* item = albums().item(current);
  if (item == nullptr || item->file.empty()) return;
  if (!files::CheckWritable(tree_.work().session(), tree_.ui())) return;
  QImageReader reader(MediaPath(item->file));
  reader.setAutoTransform(true);  // a photograph taken on its side shows upright
  const QImage picture = reader.read();
  if (picture.isNull()) {
    tree_.ui().Message(
        " *** Crop Picture ***",
        "The picture cannot be read:\n" + item->file + "\n\n" + ToAnsi(reader.errorString()),
        Icon::kExclamation);
    return;
  }
  const int shown = tree_.shown().individual;
  const QString person = shown > 0 ? FromAnsi(core::PersonLabel(tree_.store(), shown)) : QString();
  TCropBox box(picture, FromAnsi(item->title.empty() ? item->file : item->title), person, this);
  if (!run_crop_(box)) return;
  if (!files::UsableCrop(box.selection(), {picture.width(), picture.height()})) return;
  const bool profile = box.target() == TCropBox::Target::kProfilePicture && shown > 0;
  const std::string file = item->file;
  const std::string saved = SaveCrop(box.Cropped(), file, profile);
  if (saved.empty()) return;
  if (profile) {
    MakeProfilePicture(saved, shown);
  } else {
    albums().AddDerivedItem(current, saved, kCroppedTitle);
    AlbumsChanged();
  }
  FillAll();
}

std::string PicturesPage::SaveCrop(const QImage& cropped, const std::string& file, bool profile) {
  const std::string& media = tree_.work().folders().media;
  // A picture named by its full path is cropped into the media folder.
  const std::string base = file.front() == '/' ? file.substr(file.rfind('/') + 1) : file;
  const std::string name = files::CroppedFileName(
      base, profile ? "_profile" : "_crop", profile, [&media](const std::string& candidate) {
        return files::FileExists(files::JoinPath(media, candidate));
      });
  const std::string path = files::JoinPath(media, name);
  const Status written = name.empty() ? Status::IoError("no free file name for the cropped picture")
                                      : WriteImage(cropped, path, files::SavesAsJpeg(name));
  if (!written.ok()) {
    tree_.ui().Message(" *** Crop Picture ***",
                       "The cropped picture was not saved.\n\n" + written.message(),
                       Icon::kExclamation);
    return {};
  }
  return name;
}

void PicturesPage::btnPeopleClick() {
  const files::ItemRef current = albums().current_item();
  const files::MediaItem* item = albums().item(current);
  if (item == nullptr) return;
  TPicturePeopleBox box(tree_.store(), files::LinkedIndividuals(item->individuals),
                        tree_.shown().individual, this);
  box.SetFinder([this] { return tree_.search_box().Run(); });
  if (!run_people_(box)) return;
  if (albums().SetIndividuals(current, box.people())) AlbumsChanged();
  ShowCurrentItem();
}

}  // namespace kinloom::ui
