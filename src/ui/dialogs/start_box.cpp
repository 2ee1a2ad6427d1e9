#include "ui/dialogs/start_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/data_folders.h"
#include "ui/dialogs/tree_list_files.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

TStartBox::TStartBox(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent)
    : QDialog(parent), work_(work), ui_(ui) {
  setObjectName(QStringLiteral("TStartBox"));
  setWindowTitle(QStringLiteral("Kinloom"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Open a family tree, or name a new one:"), this);
  layout->addWidget(heading);

  file_list_ = new QListWidget(this);
  file_list_->setObjectName(QStringLiteral("FileList"));
  file_list_->setMinimumSize(360, 260);
  layout->addWidget(file_list_);

  new_tree_ = new QLineEdit(this);
  new_tree_->setObjectName(QStringLiteral("NewTreeName"));
  SetUpNewTreeField(new_tree_);
  layout->addWidget(new_tree_);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::AcceptRole);
  open_->setObjectName(QStringLiteral("btnOpen"));
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  layout->addWidget(buttons);

  connect(open_, &QPushButton::clicked, this, [this] { btnOpenClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(file_list_, &QListWidget::itemDoubleClicked, this, [this] { btnOpenClick(); });
  connect(file_list_, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
  connect(new_tree_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });

  FillTreeList(file_list_, work_.folders().gedcom);
  UpdateButtons();
}

void TStartBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TStartBox::FormShow() {
  if (shown_) return;
  shown_ = true;
  const files::OpenSteps steps = work_.OpenStepsWired();
  if (steps.read_sources) steps.read_sources(files::SourcesFile(work_.folders()));
  files::DeleteOldBackups(work_.folders(), work_.program_settings().backup_days, ui_.clock().Now());
}

void TStartBox::UpdateButtons() {
  open_->setEnabled(!NewTreeName(new_tree_).empty() || !SelectedTreeFile(file_list_).empty());
}

void TStartBox::btnOpenClick() {
  std::string file;
  if (const std::string name = NewTreeName(new_tree_); !name.empty()) {
    // Checked here: a name the open refuses would end the program.
    if (const Status usable = files::CheckTreeName(name); !usable.ok()) {
      ui_.Message(files::kTreeNameCaption, usable.message(), platform::Icon::kExclamation);
      return;
    }
    file = name + ".ged";
  } else {
    file = SelectedTreeFile(file_list_);
  }
  if (file.empty()) return;
  chosen_file_ = files::JoinPath(work_.folders().gedcom, file);
  accept();
}

}  // namespace kinloom::ui
