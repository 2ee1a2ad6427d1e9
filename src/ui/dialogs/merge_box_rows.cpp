#include "ui/dialogs/merge_box_rows.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVariant>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr char kRowProperty[] = "mergeRow";
constexpr char kSideProperty[] = "mergeSide";
constexpr int kValueWidth = 190;
constexpr int kPlaceWidth = 170;
constexpr int kNoteWidth = 64;
// Room the box's indicator and its spacing take from the width.
constexpr int kIndicatorRoom = 28;

// Columns of the grid: the caption, the three boxes of side 1, a rule, those of side 2.
constexpr int kCaptionColumn = 0;
constexpr int kRuleColumn = 4;
int FirstColumnOf(int side) {
  return side == 0 ? 1 : 5;
}

// Captions of rows 1 to 46, in the order of the row table.
constexpr std::array<const char*, core::kMergeRowCount> kCaptions = {
    "",
    "Name",
    "Also Known As",
    "Ancestral File No.",
    "Sex",
    "Title",
    "Birth",
    "Baptism",
    "Christening",
    "Adoption",
    "Death",
    "Burial",
    "Cremation",
    "Residence",
    "Occupation",
    "Phone",
    "Facebook",
    "E-Mail",
    "Education",
    "Property",
    "Social Security No.",
    "Nationality",
    "Naturalization",
    "Emigration",
    "Immigration",
    "Graduation",
    "Retirement",
    "Will",
    "Religion",
    "LDS Baptism",
    "Adult Christening",
    "Bar Mitzvah",
    "LDS Child Sealing",
    "Confirmation",
    "LDS Confirmation",
    "LDS Endowment",
    "First Communion",
    "Ordination",
    "LDS Ordinance",
    "Marriage",
    "Engagement",
    "Marriage License",
    "Marriage Contract",
    "Annulment",
    "Divorce",
    "Divorce Filed",
    "LDS Spouse Sealing",
};

// "1 BIRT" -> "Birt": the start of the names of a row's boxes.
QString BoxStem(int row) {
  const std::string_view tag = core::MergeRowSpecOf(row).tag.substr(2);
  QString stem = QString::fromLatin1(tag.data(), static_cast<qsizetype>(tag.size())).toLower();
  if (!stem.isEmpty()) stem[0] = stem[0].toUpper();
  return stem;
}

// Every box has the height of one with text, so rows are evenly spaced whatever they hold, and
// keeps its room while hidden, so the columns stay in line.
QCheckBox* NewBox(QWidget* page, int row, int side, const QString& kind, int width, int height) {
  auto* box = new QCheckBox(page);
  box->setObjectName(BoxStem(row) + kind + QString::number(side + 1));
  box->setProperty(kRowProperty, row);
  box->setProperty(kSideProperty, side);
  box->setFixedSize(width, height);
  QSizePolicy policy = box->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  box->setSizePolicy(policy);
  box->setEnabled(false);
  return box;
}

QLabel* Heading(const QString& text, QWidget* page) {
  auto* label = new QLabel(text, page);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

void AddHeadings(QGridLayout* grid, QWidget* page, bool with_place) {
  const char* sides[] = {"First Individual", "Second Individual"};
  for (int side = 0; side < 2; ++side) {
    const int column = FirstColumnOf(side);
    grid->addWidget(Heading(QString::fromLatin1(sides[side]), page), 0, column, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Date or Value"), page), 1, column);
    if (with_place) grid->addWidget(new QLabel(QStringLiteral("Place"), page), 1, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("Note"), page), 1, column + 2);
  }
}

// The text a box shows for what its side has: the value, or a word for a line without one.
QString ValueText(const core::MergeSide& side, core::MergeRowKind kind) {
  if (!side.present) return {};
  if (!side.value.empty()) return FromAnsi(side.value);
  return kind == core::MergeRowKind::kEvent ? QStringLiteral("(no date)")
                                            : QStringLiteral("(empty)");
}

// A box for something its side does not have is hidden: it could not be checked anyway, and
// the rows show at a glance what each side has.
void ShowBox(QCheckBox* box, const QString& text, const core::MergeBox& state) {
  if (box == nullptr) return;
  box->setVisible(state.enabled);
  const QSignalBlocker quiet(box);
  const int room = box->width() - kIndicatorRoom;
  box->setText(box->fontMetrics().elidedText(text, Qt::ElideRight, room));
  box->setToolTip(text);
  box->setEnabled(state.enabled);
  box->setChecked(state.checked);
}

}  // namespace

QString MergeRowCaption(int row, std::string_view tag) {
  if (row == core::kComingOfAgeRow && tag == "1 BASM") return QStringLiteral("Bas Mitzvah");
  if (row <= 0 || row >= core::kMergeRowCount) return {};
  return QString::fromLatin1(kCaptions[static_cast<size_t>(row)]);
}

std::vector<MergeRowBoxes> BuildMergeRows(QWidget* page, int from, int to) {
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);
  bool with_place = false;
  for (int row = from; row <= to; ++row) with_place = with_place || core::RowHasPlace(row);
  AddHeadings(grid, page, with_place);
  const int height = QCheckBox(QStringLiteral("Xg"), page).sizeHint().height();
  std::vector<MergeRowBoxes> rows;
  int line = 2;
  for (int row = from; row <= to; ++row, ++line) {
    MergeRowBoxes boxes;
    boxes.row = row;
    boxes.caption = new QLabel(MergeRowCaption(row, core::MergeRowSpecOf(row).tag), page);
    boxes.caption->setObjectName(BoxStem(row) + QStringLiteral("Caption"));
    boxes.caption->setToolTip(FromAnsi(core::MergeRowSpecOf(row).tag.substr(2)));
    grid->addWidget(boxes.caption, line, kCaptionColumn);
    for (int side = 0; side < 2; ++side) {
      const size_t s = static_cast<size_t>(side);
      const int column = FirstColumnOf(side);
      boxes.value[s] = NewBox(page, row, side, QStringLiteral("Value"), kValueWidth, height);
      grid->addWidget(boxes.value[s], line, column);
      if (core::RowHasPlace(row)) {
        boxes.place[s] = NewBox(page, row, side, QStringLiteral("Place"), kPlaceWidth, height);
        grid->addWidget(boxes.place[s], line, column + 1);
      }
      boxes.note[s] = NewBox(page, row, side, QStringLiteral("Note"), kNoteWidth, height);
      grid->addWidget(boxes.note[s], line, column + 2);
    }
    rows.push_back(boxes);
  }
  auto* rule = new QFrame(page);
  rule->setFrameShape(QFrame::VLine);
  rule->setFrameShadow(QFrame::Sunken);
  grid->addWidget(rule, 0, kRuleColumn, line, 1);
  grid->setRowStretch(line, 1);
  grid->setColumnStretch(8, 1);
  return rows;
}

void ShowMergeRow(const MergeRowBoxes& boxes, const core::MergeRowState& row) {
  const core::MergeRowKind kind = core::MergeRowSpecOf(boxes.row).kind;
  boxes.caption->setText(MergeRowCaption(boxes.row, row.tag));
  boxes.caption->setEnabled(row.sides[0].present || row.sides[1].present);
  for (size_t s = 0; s < 2; ++s) {
    const core::MergeSide& side = row.sides[s];
    ShowBox(boxes.value[s], ValueText(side, kind), side.value_box);
    ShowBox(boxes.place[s], FromAnsi(side.place), side.place_box);
    ShowBox(boxes.note[s], side.note_box.enabled ? QStringLiteral("Note") : QString(),
            side.note_box);
    if (side.note_box.enabled) boxes.note[s]->setToolTip(FromAnsi(side.note));
  }
}

int MergeRowOf(const QObject* box) {
  return box->property(kRowProperty).toInt();
}

int MergeSideOf(const QObject* box) {
  return box->property(kSideProperty).toInt();
}

}  // namespace kinloom::ui
