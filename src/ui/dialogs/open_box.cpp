#include "ui/dialogs/open_box.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <filesystem>

#include "files/data_folders.h"
#include "files/tree_copy.h"
#include "files/tree_files.h"
#include "files/tree_media.h"
#include "platform/file_io.h"
#include "ui/dialogs/tree_list_files.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr const char* kCopyOverOpenQuestion =
    "This overwrites and replace the family tree that is currently open.\n\n"
    "Files from \"%1\"\noverwrite and replace the \"%2\" family tree.\n\n"
    "Proceed with Coping \"%2\" family tree from another folder?\n"
    "           [ Yes ]  Copy over existing family tree file\n"
    "           [  No  ]  Cancel. Do Nothing. Do Not Copy";

bool StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

QString ChooseTreeFile(QWidget* parent, const QString& start_folder) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Find Family Tree File"), start_folder,
                                      QStringLiteral("Family Tree Files (GED) (*.ged)"));
}

QString ChooseSourceFolder(QWidget* parent, const QString& start_folder) {
  return QFileDialog::getExistingDirectory(
      parent, QStringLiteral("Copy Family Tree From Another Folder"), start_folder);
}

QString ChooseOneTree(QWidget* parent, const QStringList& trees) {
  bool ok = false;
  const QString tree =
      QInputDialog::getItem(parent, QStringLiteral("Copy Family Tree From Another Folder"),
                            QStringLiteral("Family tree to copy:"), trees, 0, false, &ok);
  return ok ? tree : QString();
}

// The data home a chosen folder belongs to: its own, or its parent when the gedcom folder
// itself was chosen.
std::string PortableHome(const std::string& chosen) {
  namespace fs = std::filesystem;
  const fs::path folder(chosen);
  std::error_code error;
  if (folder.filename() == "gedcom" && !fs::is_directory(folder / "gedcom", error)) {
    return folder.parent_path().string();
  }
  return chosen;
}

QPushButton* AddButton(QBoxLayout* layout, QWidget* parent, const char* name, const char* text,
                       const char* tip) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(tip));
  layout->addWidget(button);
  return button;
}

}  // namespace

TOpenBox::TOpenBox(TFamTree& tree)
    : QDialog(&tree),
      tree_(tree),
      launch_(StartDetached),
      choose_file_(ChooseTreeFile),
      choose_folder_(ChooseSourceFolder),
      choose_tree_(ChooseOneTree) {
  setObjectName(QStringLiteral("TOpenBox"));
  setWindowTitle(QStringLiteral("Open Family Tree"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Family trees:"), this));
  file_list_ = new QListWidget(this);
  file_list_->setObjectName(QStringLiteral("FileList"));
  file_list_->setMinimumSize(380, 300);
  left->addWidget(file_list_);
  show_backups_ = new QCheckBox(QStringLiteral("Show All Backup Family Tree Files"), this);
  show_backups_->setObjectName(QStringLiteral("cbShowBackups"));
  // The copy button is wide: it sits under the list rather than widening the button column.
  auto* below_list = new QHBoxLayout;
  below_list->addWidget(show_backups_);
  below_list->addStretch(1);
  QPushButton* copy_from =
      AddButton(below_list, this, "btnCopyFrom", "&Copy Family Tree From Another Folder...",
                "Copy a family tree with its pictures from a USB stick or another folder");
  left->addLayout(below_list);
  new_tree_ = new QLineEdit(this);
  new_tree_->setObjectName(QStringLiteral("NewTreeName"));
  SetUpNewTreeField(new_tree_);
  left->addWidget(new_tree_);
  layout->addLayout(left, 1);
  BuildButtons(layout);

  connect(file_list_, &QListWidget::itemDoubleClicked, this, [this] { btnOpenClick(); });
  connect(file_list_, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
  connect(new_tree_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
  connect(show_backups_, &QCheckBox::toggled, this, [this] { RefreshList(); });
  connect(copy_from, &QPushButton::clicked, this, [this] { btnCopyFromClick(); });
  RefreshList();
}

void TOpenBox::BuildButtons(QBoxLayout* layout) {
  auto* column = new QVBoxLayout;
  open_ = AddButton(column, this, "btnOpen", "&Open",
                    "Open the selected family tree, or start the new one named below");
  merge_ = AddButton(column, this, "btnMerge", "&Merge",
                     "Add the selected family tree to the one that is open");
  dual_ = AddButton(column, this, "btnDual", "D&ual",
                    "Open the family tree in a second, read-only window");
  delete_ = AddButton(column, this, "btnDelete", "&Delete", "Remove the selected family tree");
  QPushButton* browse = AddButton(column, this, "btnBrowse", "&Browse...",
                                  "Copy a family tree file from another folder");
  column->addStretch(1);
  QPushButton* cancel = AddButton(column, this, "btnCancel", "Cancel", "Close this window");
  layout->addLayout(column);

  connect(open_, &QPushButton::clicked, this, [this] { btnOpenClick(); });
  connect(merge_, &QPushButton::clicked, this, [this] { btnMergeClick(); });
  connect(dual_, &QPushButton::clicked, this, [this] { btnDualClick(); });
  connect(delete_, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
  connect(browse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TOpenBox::ListedFolder() const {
  const files::DataFolders& folders = tree_.work().folders();
  return show_backups_->isChecked() ? folders.backup : folders.gedcom;
}

std::string TOpenBox::SelectedPath() const {
  const std::string file = SelectedTreeFile(file_list_);
  return file.empty() ? "" : files::JoinPath(ListedFolder(), file);
}

void TOpenBox::RefreshList() {
  FillTreeList(file_list_, ListedFolder());
  UpdateButtons();
}

void TOpenBox::UpdateButtons() {
  const bool selected = !SelectedTreeFile(file_list_).empty();
  // A new tree can be started from an empty list.
  const bool named = !NewTreeName(new_tree_).empty();
  open_->setEnabled(selected || named);
  dual_->setEnabled(selected || named);
  merge_->setEnabled(selected);
  delete_->setEnabled(selected && !show_backups_->isChecked());
}

void TOpenBox::btnOpenClick() {
  files::TreeSession& session = tree_.work().session();
  files::TakeStoreChanges(session, tree_.store());
  const files::SaveChangesAnswer answer = files::ConfirmSaveChanges(session, true, tree_.ui());
  if (!answer.proceed && !answer.save_first) return;
  if (answer.save_first) {
    tree_.SaveTree(true);
    files::TakeStoreChanges(session, tree_.store());
    // The save was cancelled or failed: the changes would be lost.
    if (session.changed.TreeChanged()) return;
  }
  files::OpenRequest request;
  if (const std::string name = NewTreeName(new_tree_); !name.empty()) {
    request.path = files::TreeFile(tree_.work().folders().gedcom, name, ".ged");
  } else {
    request.path = SelectedPath();
  }
  if (request.path.empty()) return;
  if (tree_.OpenTreeFile(request)) accept();
}

void TOpenBox::btnMergeClick() {
  files::OpenRequest request;
  request.path = SelectedPath();
  request.merge = true;
  if (request.path.empty()) return;
  if (tree_.OpenTreeFile(request)) accept();
}

void TOpenBox::btnDualClick() {
  const files::DataFolders& folders = tree_.work().folders();
  std::string path = SelectedPath();
  if (const std::string name = NewTreeName(new_tree_); !name.empty()) {
    path = files::TreeFile(folders.gedcom, name, ".ged");
  }
  if (path.empty()) return;
  // The second copy works on the same data home, whichever way this one found it.
  const QStringList arguments = {QStringLiteral("--home"), QString::fromStdString(folders.home),
                                 QString::fromStdString(path),
                                 QString::number(tree_.work().session().copy_number + 1)};
  if (!launch_(QCoreApplication::applicationFilePath(), arguments)) {
    tree_.ui().Message(" *** Warning ***", "The second copy of the program could not be started.",
                       Icon::kExclamation);
  }
}

void TOpenBox::btnDeleteClick() {
  const std::string path = SelectedPath();
  if (path.empty() || show_backups_->isChecked()) return;
  const files::DataFolders& folders = tree_.work().folders();
  const std::string file = SelectedTreeFile(file_list_);
  // The open tree would come back with the next save.
  if (files::WithoutGedExtension(file) == tree_.work().session().tree_name) {
    tree_.ui().Message(" *** Warning ***",
                       "The family tree that is open cannot be removed.\n\n"
                       "Open another family tree first.",
                       Icon::kExclamation);
    return;
  }
  auto media = [&folders](const std::string& tree) { return files::TreeMediaFiles(folders, tree); };
  if (files::RemoveTree(folders, path, media, tree_.ui())) RefreshList();
}

void TOpenBox::btnBrowseClick() {
  const files::UserFolders user = files::FindUserFolders(files::Environment::FromProcess());
  const QString chosen = choose_file_(this, QString::fromStdString(user.documents));
  if (chosen.isEmpty()) return;
  const std::string path = chosen.toStdString();
  if (!CopyTreeIn(path)) return;
  RefreshList();
  SelectTreeFile(file_list_, std::filesystem::path(path).filename().string());
  UpdateButtons();
}

bool TOpenBox::CopyTreeIn(const std::string& path) {
  namespace fs = std::filesystem;
  const files::DataFolders& folders = tree_.work().folders();
  platform::Interaction& ui = tree_.ui();
  const std::string folder = fs::path(path).parent_path().string();
  const std::string file = fs::path(path).filename().string();
  const std::string name = files::WithoutGedExtension(file);
  if (files::SameFolder(folder, folders.gedcom)) return true;  // already in the list
  if (const Status usable = files::CheckTreeName(name); !usable.ok()) {
    ui.Message(files::kTreeNameCaption, usable.message(), Icon::kExclamation);
    return false;
  }
  const bool replaces_open = name == tree_.work().session().tree_name;
  if (replaces_open && !ConfirmCopyOverOpen(folder, name)) return false;
  files::CopyFlags flags = files::kShowErrors;
  if (!replaces_open) flags |= files::kAskOverwrite;  // the question above was the ask
  platform::LocalFileSystem file_system;
  ui.ProgressShow("Copying Family Tree", file);
  flags = files::CopyOneFile(file, folder, folders.gedcom, flags, file_system, ui);
  // From another installation's data folders: its side files come along.
  if (fs::path(folder).filename() == "gedcom" && (flags & files::kCopyCancelled) == 0) {
    const std::string other_config = (fs::path(folder).parent_path() / "config").string();
    for (const char* extension : {".med", ".cfg"}) {
      const std::string side = name + extension;
      if (!files::FileExists(files::JoinPath(other_config, side))) continue;
      flags = files::CopyOneFile(side, other_config, folders.config, flags, file_system, ui);
    }
  }
  ui.ProgressHide();
  if ((flags & (files::kCopyErrors | files::kCopyCancelled)) != 0) return false;
  // The tree in memory would otherwise be saved over the copy.
  if (replaces_open) {
    files::OpenRequest request;
    request.path = files::JoinPath(folders.gedcom, file);
    if (tree_.OpenTreeFile(request)) accept();
  }
  return true;
}

bool TOpenBox::ConfirmCopyOverOpen(const std::string& folder, const std::string& name) {
  const QString text = QString::fromLatin1(kCopyOverOpenQuestion)
                           .arg(QString::fromStdString(folder), FromAnsi(name));
  return tree_.ui().Ask(" *** Copy Over Open Family Tree ***", ToAnsi(text), Icon::kQuestion,
                        Buttons::kYesNo) == Answer::kYes;
}

void TOpenBox::btnCopyFromClick() {
  const files::UserFolders user = files::FindUserFolders(files::Environment::FromProcess());
  const QString chosen = choose_folder_(this, QString::fromStdString(user.documents));
  if (chosen.isEmpty()) return;
  const files::DataFolders source = files::PortableFolders(PortableHome(chosen.toStdString()));
  QStringList trees;
  for (const std::string& file : files::FolderFileNames(source.gedcom, nullptr)) {
    if (files::WithoutGedExtension(file) != file)
      trees << FromAnsi(files::WithoutGedExtension(file));
  }
  platform::Interaction& ui = tree_.ui();
  if (trees.isEmpty()) {
    ui.Message(" *** Copy Family Tree ***",
               "There is no family tree in\n" + source.gedcom +
                   "\n\nChoose the folder the family tree was copied to: the one that holds "
                   "the gedcom folder.",
               Icon::kExclamation);
    return;
  }
  const QString picked = trees.size() == 1 ? trees.front() : choose_tree_(this, trees);
  if (picked.isEmpty()) return;
  const std::string name = ToAnsi(picked);
  const bool replaces_open = name == tree_.work().session().tree_name;
  if (replaces_open && !ConfirmCopyOverOpen(source.home, name)) return;
  platform::LocalFileSystem file_system;
  const files::TreeCopyResult copied =
      files::CopyTree(source, tree_.work().folders(), name, file_system, ui, replaces_open);
  RefreshList();
  SelectTreeFile(file_list_, name + ".ged");
  UpdateButtons();
  // The tree in memory would otherwise be saved over the copy.
  if (replaces_open && copied.outcome == files::TreeCopyOutcome::kCopied) {
    files::OpenRequest request;
    request.path = files::TreeFile(tree_.work().folders().gedcom, name, ".ged");
    if (tree_.OpenTreeFile(request)) accept();
  }
}

}  // namespace kinloom::ui
