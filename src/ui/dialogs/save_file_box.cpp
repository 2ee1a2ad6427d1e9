#include "ui/dialogs/save_file_box.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "files/data_folders.h"
#include "files/tree_copy.h"
#include "files/tree_files.h"
#include "platform/file_io.h"
#include "ui/main/fam_tree.h"
#include "ui/main/option_effects.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

QString ChooseTargetFolder(QWidget* parent, const QString& start_folder) {
  return QFileDialog::getExistingDirectory(
      parent, QStringLiteral("Copy Family Tree to Another Folder"), start_folder);
}

}  // namespace

TSaveFileBox::TSaveFileBox(TFamTree& tree)
    : QDialog(&tree),
      tree_(tree),
      choose_folder_(ChooseTargetFolder),
      startup_name_(tree.work().session().tree_name) {
  setObjectName(QStringLiteral("TSaveFileBox"));
  setWindowTitle(QStringLiteral("Save Family Tree"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildNamePart());
  layout->addWidget(BuildCopyPart());
  layout->addWidget(BuildDrivePart());
  layout->addWidget(BuildBackupPart());
  auto* buttons = new QDialogButtonBox(this);
  save_ = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::AcceptRole);
  save_->setObjectName(QStringLiteral("btnSaveNormal"));
  save_->setDefault(true);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  layout->addWidget(buttons);
  connect(save_, &QPushButton::clicked, this, [this] { btnSaveNormalClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  save_name_->setText(FromAnsi(startup_name_));
  SaveNameChange();
}

QWidget* TSaveFileBox::BuildNamePart() {
  auto* part = new QWidget(this);
  auto* layout = new QVBoxLayout(part);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Save the family tree as:"), part));
  save_name_ = new QLineEdit(part);
  save_name_->setObjectName(QStringLiteral("SaveName"));
  save_name_->setMaxLength(static_cast<int>(files::kMaxTreeNameLength));
  layout->addWidget(save_name_);
  explanation_ = new QListWidget(part);
  explanation_->setObjectName(QStringLiteral("SaveExplanation"));
  explanation_->setSelectionMode(QAbstractItemView::NoSelection);
  explanation_->setFocusPolicy(Qt::NoFocus);
  explanation_->setMinimumSize(620, 6 * fontMetrics().lineSpacing() + 12);
  layout->addWidget(explanation_);
  connect(save_name_, &QLineEdit::textChanged, this, [this] { SaveNameChange(); });
  return part;
}

QWidget* TSaveFileBox::BuildCopyPart() {
  auto* group =
      new QGroupBox(QStringLiteral("Reduced copies (the open tree keeps its name)"), this);
  auto* grid = new QGridLayout(group);
  struct Row {
    const char* name;
    const char* text;
    const char* explanation;
  };
  const Row rows[] = {
      {"btnSaveSplit", "Split", "Only the individuals selected for the split tree"},
      {"btnSaveExclude", "Exclude", "Without the information marked to hide"},
      {"btnBoth", "Both", "Only the split tree's individuals, without hidden information"},
  };
  for (int kind = 0; kind < 3; ++kind) {
    auto* button = new QPushButton(QString::fromLatin1(rows[kind].text), group);
    button->setObjectName(QString::fromLatin1(rows[kind].name));
    grid->addWidget(button, kind, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(rows[kind].explanation), group), kind, 1);
    connect(button, &QPushButton::clicked, this, [this, kind] { SaveCopy(kind); });
  }
  split_file_ = new QLabel(group);
  split_file_->setObjectName(QStringLiteral("SplitFileName"));
  hide_file_ = new QLabel(group);
  hide_file_->setObjectName(QStringLiteral("ExcludeFileName"));
  for (QLabel* label : {split_file_, hide_file_}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  grid->addWidget(split_file_, 0, 2);
  grid->addWidget(hide_file_, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnMinimumWidth(2, 200);
  return group;
}

QWidget* TSaveFileBox::BuildBackupPart() {
  auto* part = new QWidget(this);
  auto* layout = new QHBoxLayout(part);
  layout->setContentsMargins(0, 0, 0, 0);
  // udMaxAge: backups older than this many days are deleted when the program starts.
  auto* days = new QSpinBox(part);
  days->setObjectName(QStringLiteral("udMaxAge"));
  days->setRange(0, files::kBackupDaysMax);
  days->setValue(tree_.work().program_settings().backup_days);
  days->setToolTip(QStringLiteral(" Backups older than this are deleted when the program starts "));
  auto* label = new QLabel(QStringLiteral("&Keep backup copies for"), part);
  label->setBuddy(days);
  layout->addWidget(label);
  layout->addWidget(days);
  layout->addWidget(new QLabel(QStringLiteral("days"), part));
  layout->addStretch(1);
  // A setting of the program: it takes effect at once and is written with the options.
  connect(days, &QSpinBox::valueChanged, this, [this](int value) {
    tree_.work().program_settings().backup_days = value;
    MarkSourcesChanged(tree_.work());
  });
  return part;
}

QWidget* TSaveFileBox::BuildDrivePart() {
  auto* group = new QGroupBox(QStringLiteral("Copy to another drive"), this);
  auto* row = new QHBoxLayout(group);
  auto* button = new QPushButton(QStringLiteral("Copy Family Tree to Another Folder..."), group);
  button->setObjectName(QStringLiteral("btnCopyTree"));
  auto* label =
      new QLabel(QStringLiteral("The saved tree, its side files, pictures and web images,\n"
                                "into the folders gedcom, config, media and image of a USB stick"),
                 group);
  row->addWidget(button);
  row->addWidget(label, 1);
  connect(button, &QPushButton::clicked, this, [this] { btnCopyTreeClick(); });
  return group;
}

void TSaveFileBox::btnCopyTreeClick() {
  files::TreeSession& session = tree_.work().session();
  platform::Interaction& ui = tree_.ui();
  files::TakeStoreChanges(session, tree_.store());
  if (session.tree_name.empty()) {
    ui.Message(" *** Copy Family Tree ***", "Save the family tree under a name first.",
               Icon::kExclamation);
    return;
  }
  // The copy takes the files as saved.
  if (session.changed.TreeChanged()) {
    const Answer answer = ui.Ask(" *** Copy Family Tree ***",
                                 "The family tree has changes that are not saved.\n\n"
                                 "Save them before copying?\n"
                                 "           [ Yes ]  Save, then copy\n"
                                 "           [  No  ]  Copy the tree as it was last saved",
                                 Icon::kQuestion, Buttons::kYesNoCancel);
    if (answer == Answer::kCancel) return;
    if (answer == Answer::kYes) {
      tree_.SaveTree(false);
      files::TakeStoreChanges(session, tree_.store());
      if (session.changed.TreeChanged()) return;  // the save failed and said so
    }
  }
  const files::UserFolders user = files::FindUserFolders(files::Environment::FromProcess());
  const QString folder = choose_folder_(this, QString::fromStdString(user.documents));
  if (folder.isEmpty()) return;
  platform::LocalFileSystem file_system;
  const files::TreeCopyResult copied =
      files::CopyTree(tree_.work().folders(), files::PortableFolders(folder.toStdString()),
                      session.tree_name, file_system, ui);
  (void)copied;  // CopyTree has reported how it went
}

void TSaveFileBox::SaveNameChange() {
  if (updating_) return;
  const std::string typed = ToAnsi(save_name_->text());
  const std::string name = files::WithoutGedExtension(typed);
  if (name != typed) {
    updating_ = true;
    save_name_->setText(FromAnsi(name));
    updating_ = false;
  }
  const files::DataFolders& folders = tree_.work().folders();
  const files::SaveExplanation plan =
      files::ExplainSave(tree_.work().session(), startup_name_, name, [&](const std::string& n) {
        return files::FileExists(files::TreeFile(folders.gedcom, n, ".ged"));
      });
  explanation_->clear();
  for (const std::string& line : plan.lines) explanation_->addItem(FromAnsi(line));
  save_->setEnabled(plan.save_enabled);
}

void TSaveFileBox::btnSaveNormalClick() {
  files::TreeSession& session = tree_.work().session();
  files::TakeStoreChanges(session, tree_.store());
  const std::string name = files::WithoutGedExtension(ToAnsi(save_name_->text()));
  const Status saved = files::SaveUnderName(session, tree_.work().folders(), name,
                                            tree_.work().SaveStepsWired(), tree_.ui());
  tree_.UpdateCaption();
  if (saved.ok()) {
    accept();
  } else {
    SaveNameChange();  // a backup may have been made before the failure
  }
}

void TSaveFileBox::SaveCopy(int kind) {
  const auto copy = static_cast<files::ReducedCopy>(kind);
  const std::string name = files::SaveReducedCopy(tree_.work().session(), tree_.work().folders(),
                                                  copy, tree_.work().SaveStepsWired(), tree_.ui());
  if (name.empty()) return;
  const QString shown = FromAnsi(name + ".ged");
  if (copy != files::ReducedCopy::kHide) split_file_->setText(shown);
  if (copy != files::ReducedCopy::kSplit) hide_file_->setText(shown);
  SaveNameChange();  // the next backup prefix has moved on
}

}  // namespace kinloom::ui
