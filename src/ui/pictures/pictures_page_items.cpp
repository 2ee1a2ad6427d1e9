// The pictures page's item operations: adding a file, removing an item, renaming its file,
// editing its fields and people, and making it a person's profile picture.
#include <QFile>
#include <QFileInfo>

#include "files/album_file.h"
#include "files/data_folders.h"
#include "files/media_profile.h"
#include "files/tree_files.h"
#include "platform/file_io.h"
#include "ui/main/fam_tree.h"
#include "ui/pictures/album_view.h"
#include "ui/pictures/media_chart_picture.h"
#include "ui/pictures/media_item_editor.h"
#include "ui/pictures/pictures_page.h"

namespace kinloom::ui {
namespace {

const QString kChooseCaption = QStringLiteral("Select Family Media File");
// The file types offered, with capital variants since the file system tells case apart.
const QString kChooseFilter = QStringLiteral(
    "Picture Files (JPG GIF PNG BMP) (*.jpg *.gif *.png *.bmp *.JPG *.GIF *.PNG *.BMP);;"
    "Document Files (TXT RTF DOC PDF HTML) (*.txt *.rtf *.doc *.pdf *.html *.htm *.TXT *.RTF "
    "*.DOC *.PDF *.HTML *.HTM);;"
    "All Files (*.*) (*)");

std::string FileBytes(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

}  // namespace

void PicturesPage::btnAddItemClick() {
  const int album = albums().shown_album(active_list_);
  const files::UserFolders user = files::FindUserFolders(files::Environment::FromProcess());
  const std::string& media = tree_.work().folders().media;
  const std::string start = files::SameFolder(user.pictures, media) || user.pictures.empty() ||
                                    !QFileInfo(QFile::decodeName(user.pictures.c_str())).isDir()
                                ? media
                                : user.pictures;
  const QString chosen =
      choose_file_(this, kChooseCaption, QFile::decodeName(start.c_str()), kChooseFilter);
  if (chosen.isEmpty() || !CopyIntoMedia(chosen)) return;
  albums().AddItem(album, FileBytes(QFileInfo(chosen).fileName()));
  AlbumsChanged();
  FillAll();
}

// The item's file lives in the media folder; a file chosen from there stays as it is.
bool PicturesPage::CopyIntoMedia(const QString& path) {
  const QFileInfo info(path);
  const std::string folder = FileBytes(info.absolutePath());
  const std::string& media = tree_.work().folders().media;
  if (files::SameFolder(folder, media)) return info.isFile();
  platform::LocalFileSystem file_system;
  const files::CopyFlags flags =
      files::CopyOneFile(FileBytes(info.fileName()), folder, media,
                         files::kAskOverwrite | files::kShowErrors, file_system, tree_.ui());
  return (flags & (files::kCopyCancelled | files::kCopyErrors)) == 0;
}

void PicturesPage::btnRemoveItemClick() {
  if (!albums().RemoveItem(albums().current_item(), tree_.ui())) return;
  AlbumsChanged();
  FillAll();
}

void PicturesPage::btnRenameFileClick() {
  const files::ItemRef current = albums().current_item();
  const files::MediaItem* item = albums().item(current);
  const std::string typed = FileBytes(editor_->typed_file());
  if (item == nullptr || typed.empty() || typed == item->file) return;
  if (!files::CheckWritable(tree_.work().session(), tree_.ui())) return;
  if (albums().RenameItemFile(current, tree_.work().folders().media, typed, tree_.ui())) {
    AlbumsChanged();
    WriteAlbumsNow();
  }
  FillAll();
}

// After a rename the album file is written at once, so that it never names a file that is gone.
void PicturesPage::WriteAlbumsNow() {
  files::TreeWorkspace& work = tree_.work();
  const std::string& name = work.session().tree_name;
  if (name.empty()) return;
  const std::string path = files::TreeFile(work.folders().config, name, ".med");
  if (work.SaveStepsWired().write_albums(path, store::WriteMode::kNormal).ok()) {
    work.session().changed.albums_changed = false;
    tree_.UpdateCaption();
  }
}

void PicturesPage::FieldsEdited() {
  const files::ItemRef current = albums().current_item();
  if (albums().item(current) == nullptr) return;
  albums().EditItem(current, editor_->Fields());
  AlbumsChanged();
  for (AlbumView* view : views_) view->UpdateTexts(albums());
}

void PicturesPage::AddShownPerson() {
  if (!albums().LinkIndividual(albums().current_item(), tree_.shown().individual)) return;
  AlbumsChanged();
  ShowCurrentItem();
}

void PicturesPage::RemoveSelectedPerson() {
  if (!albums().UnlinkIndividual(albums().current_item(), editor_->selected_individual())) return;
  AlbumsChanged();
  ShowCurrentItem();
}

void PicturesPage::btnProfilePicClick() {
  const files::MediaItem* item = albums().item(albums().current_item());
  const int person = tree_.shown().individual;
  if (item == nullptr || item->file.empty() || person <= 0) return;
  const std::string file = item->file;  // the albums may move while it is used
  MakeProfilePicture(file, person);
}

// The person's first picture line names the file; the current item shows the person.
void PicturesPage::MakeProfilePicture(const std::string& file, int person) {
  const std::string& media = tree_.work().folders().media;
  MakeChartPicture(media, file);
  const bool set = files::SetProfilePicture(tree_.store(), person, file);
  const bool linked = albums().LinkIndividual(albums().current_item(), person);
  files::RefreshChartPicture(tree_.store(), person, media);
  if (linked) AlbumsChanged();
  if (set || linked) tree_.TreeEdited();
}

}  // namespace kinloom::ui
