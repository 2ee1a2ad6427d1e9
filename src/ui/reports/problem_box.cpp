#include "ui/reports/problem_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/dates.h"
#include "reports/problems_file.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/problem_table_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// The marriage hint is shown once while the program runs, whichever list asks first.
constexpr const char* kMarriageHintShown = "kinloomMarriageHintShown";

bool TakeMarriageHint() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app->property(kMarriageHintShown).toBool()) return false;
  app->setProperty(kMarriageHintShown, true);
  return true;
}

}  // namespace

TProblemBox::TProblemBox(TFamTree& tree, reports::ProblemList& list, QWidget* parent)
    : QDialog(parent), tree_(tree), list_(list) {
  setObjectName(QStringLiteral("TProblemBox"));
  setWindowTitle(FromAnsi(reports::kProblemsCaption));
  model_ = new ProblemTableModel(list_, this);
  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("grdProblems"));
  grid_->setModel(model_);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->hide();
  // One height for every row: a list of any length opens and scrolls at once.
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  grid_->horizontalHeader()->setStretchLastSection(false);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  const QFontMetrics metrics = fontMetrics();
  const auto width = [&](const char* sample) {
    return metrics.horizontalAdvance(QString::fromLatin1(sample)) + 16;
  };
  grid_->setColumnWidth(ProblemTableModel::kLine, width("  Line No"));
  grid_->setColumnWidth(ProblemTableModel::kRecord, width("  I.D. No"));
  grid_->setColumnWidth(ProblemTableModel::kSkip, width("SS"));
  grid_->setColumnWidth(ProblemTableModel::kDone, width("DD"));
  grid_->setColumnWidth(ProblemTableModel::kEvent, width("Duplicate Entry?"));
  grid_->setColumnWidth(ProblemTableModel::kDescription,
                        width("Children birth dates overlap marriages of parents"));
  grid_->setColumnWidth(ProblemTableModel::kError, width("No"));
  connect(grid_, &QTableView::clicked, this,
          [this](const QModelIndex& index) { GridClick(index.row(), index.column()); });
  connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.column() != ProblemTableModel::kSkip && index.column() != ProblemTableModel::kDone) {
      GridDoubleClick(index.row());
    }
  });
  grid_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  auto* count = new QLabel(
      QStringLiteral("%1 potential problems. Click S to skip a problem in later runs, D to mark "
                     "it done; double click a row to show the person.")
          .arg(list_.size()),
      this);
  count->setObjectName(QStringLiteral("lblCount"));
  layout->addWidget(count);
  layout->addWidget(grid_, 1);
  layout->addWidget(BuildButtons());
  FitSize();
  if (!list_.empty()) grid_->selectRow(0);
}

QWidget* TProblemBox::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  const auto add = [&](const char* name, const QString& text, const QString& tip,
                       void (TProblemBox::*handler)()) {
    auto* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
  };
  add("btnClear", QStringLiteral("&UnSkip All"),
      QStringLiteral("Remove the Skip mark from every individual of the tree"),
      &TProblemBox::btnClearClick);
  add("btnPrint", QStringLiteral("&Print..."), QStringLiteral("Print the list"),
      &TProblemBox::btnPrintClick);
  add("btnPdf", QStringLiteral("Save as P&DF..."), QStringLiteral("Write the printout as a PDF"),
      &TProblemBox::btnPdfClick);
  auto* save = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("btnSave"));
  save->setToolTip(QStringLiteral("Save the list as a text file in \"My Files\""));
  save->setAutoDefault(false);
  connect(save, &QPushButton::clicked, this, [this] { (void)btnSaveClick(); });
  auto* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("btnClose"));
  // Return opens the highlighted row; it never closes the list.
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  return buttons;
}

void TProblemBox::FitSize() {
  int width = 0;
  for (int column = 0; column < ProblemTableModel::kColumns; ++column) {
    width += grid_->columnWidth(column);
  }
  width += grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth() + 24;
  const int rows = std::min(kVisibleRows, std::max(10, model_->rowCount()));
  // Up to 24 rows: the window fits a screen 768 pixels high.
  const int height = std::min(rows, 24) * grid_->verticalHeader()->defaultSectionSize() +
                     grid_->horizontalHeader()->sizeHint().height() + 120;
  resize(width, height);
}

bool TProblemBox::eventFilter(QObject* watched, QEvent* event) {
  // Return on a row opens it as a double click does.
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      GridDoubleClick(grid_->currentIndex().row());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TProblemBox::GridClick(int row, int column) {
  if (row < 0 || row >= model_->rowCount()) return;
  const size_t position = static_cast<size_t>(row);
  if (column == ProblemTableModel::kSkip) {
    const std::vector<size_t> changed = list_.ToggleSkip(tree_.store(), position);
    if (changed.empty()) return;
    model_->MarksChanged(changed);
    tree_.TreeEdited();
  } else if (column == ProblemTableModel::kDone) {
    list_.ToggleDone(position);
    model_->MarksChanged({position});
  }
}

void TProblemBox::GridDoubleClick(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const reports::ProblemRow& problem = list_.row(static_cast<size_t>(row));
  platform::Interaction& ui = tree_.ui();
  if (reports::IsMarriageEvent(list_.Event(problem)) && TakeMarriageHint()) {
    ui.Message(reports::kMarriageHintCaption, reports::kMarriageHintText,
               platform::Icon::kInformation);
  }
  if (tree_.store().individual(problem.record) == nullptr) {
    ui.Message(reports::kInvalidNumberCaption, reports::InvalidNumberText(problem.record),
               platform::Icon::kExclamation);
    return;
  }
  tree_.ShowIndividual(problem.record);
  if (problem.error != reports::kErrorDuplicate) return;
  const std::array<int, 2> pair = list_.DuplicatePair(problem);
  if (pair[0] == 0 || pair[1] == 0) return;
  // The merge box says itself when one of the two is gone or they cannot be merged.
  if (tree_.ShowMergeBox(pair[0], pair[1])) model_->AllChanged();
}

void TProblemBox::btnClearClick() {
  const platform::Answer answer =
      tree_.ui().Ask(reports::kUnSkipAllCaption, reports::kUnSkipAllQuestion,
                     platform::Icon::kQuestion, platform::Buttons::kYesNo);
  if (answer != platform::Answer::kYes) return;
  list_.UnSkipAll(tree_.store());
  model_->AllChanged();
  tree_.TreeEdited();
}

std::string TProblemBox::TreeName() const {
  return ToAnsi(QString::fromStdString(tree_.work().session().tree_name));
}

std::string TProblemBox::ReportDate() const {
  return core::FormatLongDate(tree_.ui().clock().Now(),
                              tree_.work().program_settings().date_display());
}

files::SavedReport TProblemBox::btnSaveClick() {
  files::TreeWorkspace& work = tree_.work();
  files::ReportSaveContext context{tree_.ui(), work.file_system(), work.folders().my_files,
                                   work.program_settings()};
  const std::string tree_file_name = work.session().tree_name;
  const std::string folder = ToAnsi(QString::fromStdString(context.my_files));
  const files::ReportSaveQuestion question{
      std::string(reports::kSaveProblemsCaption),
      [&](int counter) { return reports::ProblemsFileName(tree_file_name, counter); },
      [&](std::string_view name) {
        return reports::SaveProblemsQuestion(ToAnsi(QString::fromUtf8(name.data(), name.size())),
                                             folder);
      }};
  return files::SaveTextReport(context, question, [&] {
    return reports::TextReport{reports::ProblemsFileLines(list_, TreeName(), ReportDate()), true};
  });
}

}  // namespace kinloom::ui
