// The person page's note area, to-do box and record citation.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/family_ops_support.h"
#include "reports/todo_lists.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"
#include "ui/main/fam_tree.h"
#include "ui/person/person_page.h"
#include "ui/person/person_page_edit.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

std::string Citation(int source) {
  return "1 SOUR " + store::MakeXref('S', source);
}

// The line before the record-level citation of the source; nullptr when there is none.
store::LineNode* BeforeCitation(store::LineNode* first, int source) {
  const std::string citation = Citation(source);
  for (store::LineNode* line = first; line != nullptr && line->next != nullptr; line = line->next) {
    if (store::HasTag(line->next->text(), citation)) return line;
  }
  return nullptr;
}

void AddCitation(store::RecordStore& store, store::LineNode* first, int source) {
  store::InsertLineAfter(store, store::FindInsertPoint(first, "1 SOUR"), Citation(source));
  store::StampChanged(store, first);
}

}  // namespace

void PersonPage::RefreshNote() {
  const int individual = tree_.shown().individual;
  store::IndividualRecord* record = individual > 0 ? tree_.store().individual(individual) : nullptr;
  todo_->setChecked(record != nullptr && reports::MyToDoBoxChecked(tree_.store(), individual));
  todo_->setEnabled(record != nullptr);
  const bool typing = note_->hasFocus() && note_->document()->isModified();
  if (typing && note_person_ == individual) return;
  if (typing) {
    // The person changed under the note being typed: it still belongs to the one before.
    core::WriteNoteText(tree_.store(), PersonFirst(tree_.store(), note_person_),
                        ToAnsi(note_->toPlainText()));
  }
  const QString text = FromAnsi(core::NoteText(PersonFirst(tree_.store(), individual)));
  // The note just written comes back as it was typed: the cursor stays where the user types.
  if (note_person_ != individual || note_->toPlainText() != text) note_->setPlainText(text);
  note_person_ = individual;
  note_->document()->setModified(false);
  note_->setEnabled(record != nullptr);
}

void PersonPage::NoteLeft() {
  if (updating_ > 0 || !note_->document()->isModified()) return;
  store::LineNode* first = PersonFirst(tree_.store(), note_person_);
  if (first == nullptr) return;
  const std::string text = ToAnsi(note_->toPlainText());
  note_->document()->setModified(false);
  PageEdit edit(tree_, updating_);
  edit.Changed(core::WriteNoteText(edit.store(), first, text));
}

void PersonPage::cbToDoClick(bool checked) {
  if (updating_ > 0) return;
  const int individual = tree_.shown().individual;
  store::IndividualRecord* record = individual > 0 ? tree_.store().individual(individual) : nullptr;
  if (record == nullptr) return;
  // The box and the to-do window's own list are one thing.
  PageEdit edit(tree_, updating_);
  edit.Changed(reports::SetMyToDoBox(edit.store(), individual, checked));
}

void PersonPage::RefreshSource() {
  const int source = tree_.selected_source();
  store::LineNode* first = PersonFirst(tree_.store(), tree_.shown().individual);
  const bool usable = first != nullptr && tree_.store().source(source) != nullptr;
  add_source_->setText(QString::number(source));
  add_source_->setEnabled(usable);
  if (!usable) {
    add_source_->setToolTip(QString());
    add_source_->setStyleSheet(QString());
    return;
  }
  const bool cited = BeforeCitation(first, source) != nullptr;
  add_source_->setToolTip(
      cited ? QStringLiteral(" Remove source number: %1 from this record.").arg(source)
            : QStringLiteral(" Add source number: %1 to this record.").arg(source));
  add_source_->setStyleSheet(cited ? QStringLiteral("color: #c00000;")
                                   : QStringLiteral("color: #007000;"));
}

void PersonPage::btnAddSourceClick() {
  if (updating_ > 0) return;
  const int source = tree_.selected_source();
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  if (first == nullptr || tree_.store().source(source) == nullptr) return;
  PageEdit edit(tree_, updating_);
  if (store::LineNode* before = BeforeCitation(first, source)) {
    // The citation's own sub-lines (page, quality) go with it.
    store::RemoveLineAndSubs(edit.store(), first, before);
  } else {
    AddCitation(edit.store(), first, source);
  }
  edit.Changed();
}

bool PersonPage::CiteSource(int source) {
  store::LineNode* first = PersonFirst(tree_.store(), tree_.shown().individual);
  if (first == nullptr || source <= 0 || tree_.store().source(source) == nullptr) return false;
  if (BeforeCitation(first, source) != nullptr) return true;
  PageEdit edit(tree_, updating_);
  AddCitation(edit.store(), first, source);
  edit.Changed();
  return true;
}

void PersonPage::btnFamSizeFullClick() {
  note_full_ = !note_full_;
  ArrangeNoteArea();
}

void PersonPage::btnFamSizeWideClick() {
  note_wide_ = !note_wide_;
  ArrangeNoteArea();
}

void PersonPage::ArrangeNoteArea() {
  size_full_->setText(note_full_ ? QStringLiteral("Half") : QStringLiteral("Full"));
  size_full_->setToolTip(note_full_ ? QStringLiteral(" Reduce Height of Note Area ")
                                    : QStringLiteral(" Expand Height of Note Area "));
  size_wide_->setText(note_wide_ ? QStringLiteral("Narrow") : QStringLiteral("Wide"));
  size_wide_->setToolTip(note_wide_ ? QStringLiteral(" Reduce Width of Note Area ")
                                    : QStringLiteral(" Expand Width of Note Area "));
  // The full height takes the room of the children list and of the less used boxes.
  for (QWidget* widget : {static_cast<QWidget*>(given_), static_cast<QWidget*>(given_label_),
                          static_cast<QWidget*>(sex_), static_cast<QWidget*>(sex_label_),
                          static_cast<QWidget*>(alias_), static_cast<QWidget*>(alias_label_),
                          static_cast<QWidget*>(children_box_)}) {
    widget->setVisible(!note_full_);
  }
  columns_->setColumnStretch(0, note_wide_ ? 1 : 5);
  columns_->setColumnStretch(1, note_wide_ ? 1 : 3);
  RefreshAge();
}

}  // namespace kinloom::ui
