#include "ui/pictures/media_item_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/queries.h"
#include "files/media_item_view.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// The note is kept with CR LF line breaks; the edit box uses LF.
QString NoteForEdit(const std::string& note) {
  QString text = FromAnsi(note);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// The note as far as it fits in kMaxItemNote characters, its line breaks counting two.
QString CutNote(QString text) {
  const size_t size = static_cast<size_t>(text.size() + text.count(u'\n'));
  if (size > files::kMaxItemNote) text.chop(static_cast<qsizetype>(size - files::kMaxItemNote));
  return text;
}

std::string NoteFromEdit(const QString& text) {
  QString note = text;
  note.replace(u'\n', QStringLiteral("\r\n"));
  return ToAnsi(note);
}

}  // namespace

MediaItemEditor::MediaItemEditor(QWidget* parent)
    : QWidget(parent),
      kind_(new QComboBox(this)),
      hide_(new QCheckBox(QStringLiteral("Hide on web pages"), this)),
      source_(new QLineEdit(this)),
      source_title_(new QLabel(this)),
      file_(new QLineEdit(this)),
      title_(new QLineEdit(this)),
      note_(new QPlainTextEdit(this)) {
  kind_->setObjectName(QStringLiteral("ItemKind"));
  kind_->addItems(
      {QStringLiteral("Document"), QStringLiteral("Picture"), QStringLiteral("Headstone")});
  hide_->setObjectName(QStringLiteral("cbHide"));
  source_->setObjectName(QStringLiteral("ItemSource"));
  source_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), source_));
  source_->setMaximumWidth(source_->fontMetrics().horizontalAdvance(u'0') * 10);
  source_title_->setObjectName(QStringLiteral("SourceTitle"));
  source_title_->setWordWrap(true);
  file_->setObjectName(QStringLiteral("ItemFile"));
  file_->setMaxLength(static_cast<int>(files::kMaxItemFile));
  title_->setObjectName(QStringLiteral("ItemTitle"));
  title_->setMaxLength(static_cast<int>(files::kMaxItemTitle));
  note_->setObjectName(QStringLiteral("ItemNote"));
  note_->setTabChangesFocus(true);

  auto* source_row = new QHBoxLayout;
  source_row->addWidget(source_);
  source_row->addWidget(source_title_, 1);
  auto* kind_row = new QHBoxLayout;
  kind_row->addWidget(kind_);
  kind_row->addWidget(hide_);
  kind_row->addStretch(1);
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(QStringLiteral("Kind:"), kind_row);
  form->addRow(QStringLiteral("Source:"), source_row);
  form->addRow(QStringLiteral("File:"), file_);
  form->addRow(QStringLiteral("Title:"), title_);
  form->addRow(QStringLiteral("Note:"), note_);
  form->addRow(QStringLiteral("Individuals:"), BuildPeople());

  connect(kind_, &QComboBox::activated, this, &MediaItemEditor::Edited);
  connect(hide_, &QCheckBox::toggled, this, &MediaItemEditor::Edited);
  connect(source_, &QLineEdit::textEdited, this, [this] {
    ShowSourceTitle();
    Edited();
  });
  connect(title_, &QLineEdit::textEdited, this, &MediaItemEditor::Edited);
  connect(note_, &QPlainTextEdit::textChanged, this, &MediaItemEditor::NoteEdited);
  Clear();
}

QWidget* MediaItemEditor::BuildPeople() {
  auto* box = new QWidget(this);
  people_ = new QListWidget(box);
  people_->setObjectName(QStringLiteral("ItemPeople"));
  people_->setMaximumHeight(people_->fontMetrics().height() * 5);
  add_person_ = new QPushButton(QStringLiteral("Add Shown Person"), box);
  add_person_->setObjectName(QStringLiteral("btnAddPerson"));
  remove_person_ = new QPushButton(QStringLiteral("Remove Person"), box);
  remove_person_->setObjectName(QStringLiteral("btnRemovePerson"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(add_person_);
  buttons->addWidget(remove_person_);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(people_, 1, Qt::AlignTop);
  layout->addLayout(buttons);
  connect(add_person_, &QPushButton::clicked, this, &MediaItemEditor::addPersonClicked);
  connect(remove_person_, &QPushButton::clicked, this, &MediaItemEditor::removePersonClicked);
  return box;
}

void MediaItemEditor::Clear() {
  filling_ = true;
  for (QLineEdit* edit : {source_, file_, title_}) edit->clear();
  note_->clear();
  people_->clear();
  source_title_->clear();
  hide_->setChecked(false);
  kind_->setCurrentIndex(files::kPicture);
  for (QWidget* field : std::initializer_list<QWidget*>{kind_, hide_, source_, file_, title_, note_,
                                                        people_, add_person_, remove_person_}) {
    field->setEnabled(false);
  }
  filling_ = false;
}

void MediaItemEditor::Show(const files::MediaItem* item, const store::RecordStore& store) {
  store_ = &store;
  if (item == nullptr) {
    Clear();
    return;
  }
  filling_ = true;
  for (QWidget* field : std::initializer_list<QWidget*>{kind_, hide_, source_, file_, title_, note_,
                                                        people_, add_person_, remove_person_}) {
    field->setEnabled(true);
  }
  kind_->setCurrentIndex(item->kind >= 0 && item->kind <= files::kHeadstone ? item->kind
                                                                            : files::kPicture);
  hide_->setChecked(item->hide);
  source_->setText(item->source > 0 ? QString::number(item->source) : QString());
  ShowSourceTitle();
  file_->setText(QFile::decodeName(item->file.c_str()));
  title_->setText(FromAnsi(item->title));
  if (note_->toPlainText() != NoteForEdit(item->note)) note_->setPlainText(NoteForEdit(item->note));
  people_->clear();
  for (int n : files::LinkedIndividuals(item->individuals)) {
    const bool exists = n >= 1 && n <= store.highest_individual() &&
                        store.individual(n) != nullptr && store.individual(n)->lines != nullptr;
    auto* line = new QListWidgetItem(exists ? FromAnsi(core::PersonLabel(store, n))
                                            : QStringLiteral("(%1) no longer in the tree").arg(n),
                                     people_);
    line->setData(Qt::UserRole, n);
  }
  filling_ = false;
}

void MediaItemEditor::SetShownPerson(const QString& label) {
  add_person_->setToolTip(label);
  add_person_->setText(label.isEmpty() ? QStringLiteral("Add Shown Person")
                                       : QStringLiteral("Add ") + label);
}

files::MediaItem MediaItemEditor::Fields() const {
  files::MediaItem fields;
  fields.kind = kind_->currentIndex();
  fields.hide = hide_->isChecked();
  fields.source = source_->text().isEmpty() ? -1 : source_->text().toInt();
  fields.title = ToAnsi(title_->text());
  fields.note = NoteFromEdit(CutNote(note_->toPlainText()));
  return fields;
}

QString MediaItemEditor::typed_file() const {
  return file_->text().trimmed();
}

int MediaItemEditor::selected_individual() const {
  const QListWidgetItem* line = people_->currentItem();
  return line == nullptr ? 0 : line->data(Qt::UserRole).toInt();
}

void MediaItemEditor::Edited() {
  if (!filling_) emit fieldsEdited();
}

// A note longer than the album file keeps, typed or pasted, is cut in the box as well; the
// box is not changed from within its own change signal, so that happens right after.
void MediaItemEditor::NoteEdited() {
  if (filling_) return;
  if (CutNote(note_->toPlainText()).size() < note_->toPlainText().size()) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          const QString cut = CutNote(note_->toPlainText());
          if (cut.size() == note_->toPlainText().size()) return;
          filling_ = true;
          note_->setPlainText(cut);
          note_->moveCursor(QTextCursor::End);
          filling_ = false;
        },
        Qt::QueuedConnection);
  }
  Edited();
}

void MediaItemEditor::ShowSourceTitle() {
  const int source = source_->text().toInt();
  const std::string title = store_ == nullptr ? std::string() : files::SourceTitle(*store_, source);
  if (source <= 0) {
    source_title_->clear();
  } else if (title.empty() && (store_ == nullptr || store_->source(source) == nullptr)) {
    source_title_->setText(QStringLiteral("No source record %1").arg(source));
  } else {
    source_title_->setText(FromAnsi(title));
  }
}

}  // namespace kinloom::ui
