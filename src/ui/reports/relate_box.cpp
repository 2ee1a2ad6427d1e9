// The relationship calculator window.
#include "ui/reports/relate_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/queries.h"
#include "files/report_files.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TRelateBox::TRelateBox(TFamTree& tree)
    : QDialog(&tree), tree_(tree), outlet_(*this, tree.work(), tree.ui()) {
  setObjectName(QStringLiteral("TRelateBox"));
  setWindowTitle(QStringLiteral("Relationship Calculator"));
  setWindowModality(Qt::ApplicationModal);

  grid_ = new QTableWidget(kMinimumRows, 2, this);
  grid_->setObjectName(QStringLiteral("RelateGrid"));
  grid_->setHorizontalHeaderLabels({QStringLiteral("Line of descent to person 1"),
                                    QStringLiteral("Line of descent to person 2")});
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  grid_->setToolTip(QStringLiteral("Click a name to show the person; right click for more"));
  connect(grid_, &QTableWidget::cellClicked, this, &TRelateBox::RelateGridClick);
  connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex cell = grid_->indexAt(at);
    if (cell.isValid()) {
      RelateGridMenu(cell.row(), cell.column(), grid_->viewport()->mapToGlobal(at));
    }
  });

  auto* note = new QLabel(FromAnsi(reports::kRelationshipNote), this);
  note->setObjectName(QStringLiteral("RelateNote"));
  note->setWordWrap(true);
  memo_ = ReadOnlyBox("AncestorMemo");
  auto* memo_row = new QHBoxLayout;
  memo_row->addWidget(new QLabel(QStringLiteral("Common ancestry:"), this));
  memo_row->addWidget(memo_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildPeople());
  layout->addWidget(note);
  layout->addLayout(memo_row);
  layout->addWidget(grid_, 1);
  layout->addWidget(BuildButtons());
  resize(860, 600);
}

QLineEdit* TRelateBox::ReadOnlyBox(const char* name) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

QWidget* TRelateBox::BuildPeople() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  const char* const numbers[] = {"IndNo1", "IndNo2"};
  const char* const finds[] = {"btnFindRelate1", "btnFindRelate2"};
  const char* const names[] = {"IndName1", "IndName2"};
  const char* const relations[] = {"Relation1", "Relation2"};
  for (int field = 0; field < 2; ++field) {
    auto* number = new QLineEdit(panel);
    number->setObjectName(QString::fromLatin1(numbers[field]));
    number->setMaxLength(6);
    number->setValidator(new QIntValidator(0, 999999, number));
    number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    number->setToolTip(QStringLiteral("The individual's number; Enter works the relationship out"));
    connect(number, &QLineEdit::editingFinished, this, [this, number] {
      if (number->isModified()) {
        number->setModified(false);
        Refresh();
      }
    });
    ind_no_[field] = number;
    auto* find = Button(panel, finds[field], QStringLiteral("Find..."));
    connect(find, &QPushButton::clicked, this, [this, field] { btnFindRelateClick(field + 1); });
    ind_name_[field] = ReadOnlyBox(names[field]);
    ind_name_[field]->setMinimumWidth(240);
    relation_[field] = ReadOnlyBox(relations[field]);
    relation_[field]->setMinimumWidth(220);
    grid->addWidget(new QLabel(QStringLiteral("Person %1:").arg(field + 1), panel), field, 0);
    grid->addWidget(number, field, 1);
    grid->addWidget(find, field, 2);
    grid->addWidget(ind_name_[field], field, 3);
    grid->addWidget(new QLabel(QStringLiteral("is the"), panel), field, 4);
    grid->addWidget(relation_[field], field, 5);
    grid->addWidget(new QLabel(QStringLiteral("of person %1").arg(2 - field), panel), field, 6);
  }
  grid->setColumnStretch(3, 3);
  grid->setColumnStretch(5, 2);
  return panel;
}

QWidget* TRelateBox::BuildButtons() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  btn_print_ = Button(panel, "btnPrint", QStringLiteral("&Print..."));
  btn_save_ = Button(panel, "btnSave", QStringLiteral("&Save to File"));
  btn_pdf_ = Button(panel, "btnPdf", QStringLiteral("Save as P&DF..."));
  btn_close_ = Button(panel, "btnClose", QStringLiteral("Close"));
  connect(btn_print_, &QPushButton::clicked, this, &TRelateBox::btnPrintClick);
  connect(btn_save_, &QPushButton::clicked, this, &TRelateBox::btnSaveClick);
  connect(btn_pdf_, &QPushButton::clicked, this, &TRelateBox::btnPdfClick);
  connect(btn_close_, &QPushButton::clicked, this, &QDialog::reject);
  saved_ = new QLabel(panel);
  saved_->setObjectName(QStringLiteral("SavedFile"));
  saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  row->addWidget(btn_print_);
  row->addWidget(btn_save_);
  row->addWidget(btn_pdf_);
  row->addWidget(saved_, 1);
  row->addWidget(btn_close_);
  return panel;
}

int TRelateBox::person1() const {
  return ind_no_[0]->text().toInt();
}
int TRelateBox::person2() const {
  return ind_no_[1]->text().toInt();
}

void TRelateBox::Open() {
  tree_.CommitPendingEdit();
  const store::RecordStore& store = tree_.store();
  const int first =
      store.individual(person1()) != nullptr && person1() > 0 ? person1() : store.home_person();
  OpenWith(first, tree_.shown().individual);
}

void TRelateBox::OpenWith(int person1, int person2) {
  tree_.CommitPendingEdit();
  ind_no_[0]->setText(person1 > 0 ? QString::number(person1) : QString());
  ind_no_[1]->setText(person2 > 0 ? QString::number(person2) : QString());
  saved_->clear();
  Refresh();
  show();
  raise();
  activateWindow();
}

void TRelateBox::SetPerson(int field, int individual) {
  ind_no_[field == 2 ? 1 : 0]->setText(QString::number(individual));
  Refresh();
}

void TRelateBox::Refresh() {
  relationship_ = reports::FindRelationship(tree_.store(), person1(), person2());
  for (int field = 0; field < 2; ++field) {
    ind_name_[field]->setText(FromAnsi(field == 0 ? relationship_.name1 : relationship_.name2));
    relation_[field]->setText(
        FromAnsi(field == 0 ? relationship_.relation1 : relationship_.relation2));
    ind_name_[field]->setCursorPosition(0);
  }
  memo_->setText(FromAnsi(relationship_.memo));
  memo_->setCursorPosition(0);
  ShowGrid();
  btn_print_->setEnabled(relationship_.shown);
  btn_save_->setEnabled(relationship_.shown);
  btn_pdf_->setEnabled(relationship_.shown);
  btn_close_->setFocus();
}

void TRelateBox::ShowGrid() {
  grid_->clearContents();
  grid_->clearSelection();
  const auto& rows = relationship_.rows;
  grid_->setRowCount(std::max(kMinimumRows, static_cast<int>(rows.size())));
  for (size_t row = 0; row < rows.size(); ++row) {
    const int r = static_cast<int>(row);
    grid_->setItem(r, 0, new QTableWidgetItem(FromAnsi(rows[row].column0)));
    grid_->setItem(r, 1, new QTableWidgetItem(FromAnsi(rows[row].column1)));
  }
}

int TRelateBox::CellPerson(int row, int column) const {
  const QTableWidgetItem* item = grid_->item(row, column);
  if (item == nullptr) return 0;
  const int number = core::NumberFromLabel(ToAnsi(item->text()));
  return number > 0 && tree_.store().individual(number) != nullptr ? number : 0;
}

void TRelateBox::btnFindRelateClick(int field) {
  const int chosen = tree_.search_box().Run();
  if (chosen > 0) SetPerson(field, chosen);
}

void TRelateBox::RelateGridClick(int row, int column) {
  const int person = CellPerson(row, column);
  if (person == 0) return;
  tree_.ShowPage(QStringLiteral("person"));
  tree_.ShowIndividual(person);
}

void TRelateBox::RelateGridMenu(int row, int column, QPoint global_position) {
  const int person = CellPerson(row, column);
  if (person == 0) return;
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("RelatePersonMenu"));
  menu.addAction(QStringLiteral("Show This Person"), this,
                 [this, row, column] { RelateGridClick(row, column); });
  menu.addAction(QStringLiteral("Make Person 1"), this, [this, person] { SetPerson(1, person); });
  menu.addAction(QStringLiteral("Make Person 2"), this, [this, person] { SetPerson(2, person); });
  menu.exec(global_position);
}

void TRelateBox::btnPrintClick() {
  if (relationship_.shown) outlet_.Print(reports::RelationshipJob(relationship_));
}

void TRelateBox::btnSaveClick() {
  if (!relationship_.shown) return;
  files::TreeWorkspace& work = tree_.work();
  files::ReportSaveContext context{tree_.ui(), work.file_system(), work.folders().my_files,
                                   work.program_settings()};
  const files::SavedReport saved = files::SaveRelationship(context, relationship_);
  if (saved.outcome == files::SaveOutcome::kSaved) {
    saved_->setText(QStringLiteral("Saved: %1").arg(QString::fromStdString(saved.path)));
  }
}

void TRelateBox::btnPdfClick() {
  if (!relationship_.shown) return;
  const QString path =
      outlet_.SaveAsPdf(reports::RelationshipJob(relationship_),
                        QString::asprintf("Relationship_%06d_%06d.pdf", relationship_.person1,
                                          relationship_.person2));
  if (!path.isEmpty()) saved_->setText(QStringLiteral("Saved: %1").arg(path));
}

}  // namespace kinloom::ui
