#include "ui/person/event_row.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/queries.h"
#include "store/line_search.h"
#include "ui/widgets/accent_typing.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {
constexpr std::string_view kWithoutDetails = "Include Without Details";
constexpr int kMaxBoxLength = 248;
// Set on a box while it holds typed text that is not yet written.
constexpr char kTypedProperty[] = "typedText";

void SetTyped(QLineEdit* edit, bool typed) {
  edit->setProperty(kTypedProperty, typed);
}

}  // namespace

void ShowText(QLineEdit* edit, const QString& text) {
  const bool typing = edit->hasFocus();
  const qsizetype cursor = edit->cursorPosition();
  if (edit->text() != text) edit->setText(text);
  edit->setCursorPosition(typing ? static_cast<int>(std::min(cursor, text.size())) : 0);
  SetTyped(edit, false);
}

void FitDateBox(QLineEdit* edit) {
  // Ranges such as "FROM 1679 TO 1686" are common in real files and must show whole.
  const QFontMetrics metrics = edit->fontMetrics();
  edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("BET 1850 AND 1860")) + 16);
  edit->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("ABT 30 SEP 1999 / 0000")) + 12);
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& hint,
                       std::function<void(const QString&)> on_leave, bool accents) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(kMaxBoxLength);
  edit->setPlaceholderText(hint);
  edit->setAccessibleName(hint);
  if (accents) InstallAccentTyping(edit);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { SetTyped(edit, true); });
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, on_leave = std::move(on_leave)] {
    SetTyped(edit, false);
    on_leave(edit->text());
  });
  return edit;
}

bool CommitTypedText(QLineEdit* edit) {
  if (!edit->property(kTypedProperty).toBool()) return false;
  emit edit->editingFinished();
  return true;
}

void ReserveEventColumns(QGridLayout* grid, const std::vector<std::string_view>& names,
                         const std::vector<std::string_view>& captions) {
  // Measured on widgets of the page itself, with its font and style.
  QWidget* parent = grid->parentWidget();
  auto* label = new QLabel(parent);
  auto* box = new QCheckBox(FromAnsi(kWithoutDetails), parent);
  int name_width = 0;
  int box_width = box->sizeHint().width();
  for (std::string_view name : names) {
    label->setText(FromAnsi(name));
    name_width = std::max(name_width, label->sizeHint().width());
  }
  for (std::string_view caption : captions) {
    box->setText(FromAnsi(caption));
    box_width = std::max(box_width, box->sizeHint().width());
  }
  delete label;
  delete box;
  grid->setColumnMinimumWidth(0, std::max(grid->columnMinimumWidth(0), name_width));
  grid->setColumnMinimumWidth(1, std::max(grid->columnMinimumWidth(1), box_width));
}

void AddSlotTexts(core::SlotKind kind, std::vector<std::string_view>* names,
                  std::vector<std::string_view>* captions) {
  auto add_event = [&](const core::SlotEvent& event) {
    std::string_view name = event.date_caption;
    if (name.ends_with(" Date")) name.remove_suffix(5);
    names->push_back(name);
    captions->push_back(event.caption);
  };
  for (int state : {1, 2}) {
    for (int sex : {1, 2}) add_event(core::SlotEventOf(nullptr, kind, state, sex));
  }
  captions->push_back(core::IdleCaption(kind));
  for (int sex : {1, 2}) captions->push_back(core::IdleSecondCaption(kind, sex));
}

void BuildEventRow(EventRow& row, QGridLayout* grid, int grid_row, const QString& prefix,
                   const QString& name, std::function<void(bool)> on_box,
                   std::function<void(const QString&)> on_date,
                   std::function<void(const QString&)> on_place) {
  QWidget* parent = grid->parentWidget();
  row.box = new QCheckBox(FromAnsi(kWithoutDetails), parent);
  row.box->setObjectName(QStringLiteral("cb") + prefix + name);
  QObject::connect(row.box, &QCheckBox::clicked, row.box, std::move(on_box));
  row.date = MakeTextBox(parent, prefix + name + QStringLiteral("Date"), QString(),
                         std::move(on_date), false);
  FitDateBox(row.date);
  row.place =
      MakeTextBox(parent, prefix + name + QStringLiteral("Place"), QString(), std::move(on_place));
  row.name = new QLabel(parent);
  row.name->setBuddy(row.box);
  grid->addWidget(row.name, grid_row, 0);
  // Its own width: the column is wider, and a click beside the caption is no click on it.
  grid->addWidget(row.box, grid_row, 1, Qt::AlignLeft);
  grid->addWidget(row.date, grid_row, 2);
  grid->addWidget(row.place, grid_row, 3);
}

void EventRow::Show(store::LineNode* first, std::string_view tag, std::string_view caption,
                    std::string_view date_caption, std::string_view place_caption) {
  const bool exists = first != nullptr && store::FindTagLine(first, tag) != nullptr;
  box->setChecked(exists);
  box->setText(FromAnsi(exists ? caption : kWithoutDetails));
  const core::EventInfo details =
      first == nullptr ? core::EventInfo{} : core::EventDetails(first, tag);
  ShowText(date, FromAnsi(details.date));
  ShowText(place, FromAnsi(details.place));
  date->setPlaceholderText(FromAnsi(date_caption));
  date->setAccessibleName(FromAnsi(date_caption));
  place->setPlaceholderText(FromAnsi(place_caption));
  place->setAccessibleName(FromAnsi(place_caption));
  QString event_name = FromAnsi(date_caption);
  if (event_name.endsWith(QStringLiteral(" Date"))) event_name.chop(5);
  name->setText(event_name);
  SetEnabled(first != nullptr);
}

void EventRow::Clear(std::string_view caption) {
  box->setChecked(false);
  box->setText(FromAnsi(caption));
  ShowText(date, QString());
  ShowText(place, QString());
  SetEnabled(false);
}

void EventRow::SetEnabled(bool enabled) {
  name->setEnabled(enabled);
  box->setEnabled(enabled);
  date->setEnabled(enabled);
  place->setEnabled(enabled);
}

void EventRow::SetVisible(bool visible) {
  name->setVisible(visible);
  box->setVisible(visible);
  date->setVisible(visible);
  place->setVisible(visible);
}

}  // namespace kinloom::ui
