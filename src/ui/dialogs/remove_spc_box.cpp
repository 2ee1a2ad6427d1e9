#include "ui/dialogs/remove_spc_box.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinloom::ui {

TRemoveSpc::TRemoveSpc(QWidget* parent, const QString& person, const QString& spouse)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TRemoveSpc"));
  setWindowTitle(QStringLiteral("Remove Spouse From Family"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeExplanation());
  layout->addWidget(MakeChoice(person, spouse));
  layout->addWidget(MakeButtons());
  setMinimumWidth(440);
}

QWidget* TRemoveSpc::MakeExplanation() {
  auto* text = new QLabel(QStringLiteral("If Children need to be divided between the two "
                                         "individuals.\n"
                                         "Select one individual now for all children to remain "
                                         "with.\n"
                                         "Then separately move each child into the correct "
                                         "family."),
                          this);
  text->setObjectName(QStringLiteral("lblExplain"));
  return text;
}

QWidget* TRemoveSpc::MakeChoice(const QString& person, const QString& spouse) {
  auto* box = new QGroupBox(this);
  auto* column = new QVBoxLayout(box);
  rb_person_ = new QRadioButton(person, box);
  rb_person_->setObjectName(QStringLiteral("rbPerson"));
  rb_person_->setChecked(true);
  rb_spouse_ = new QRadioButton(spouse, box);
  rb_spouse_->setObjectName(QStringLiteral("rbSpouse"));
  column->addWidget(rb_person_);
  column->addWidget(rb_spouse_);
  return box;
}

QWidget* TRemoveSpc::MakeButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* make = new QPushButton(QStringLiteral("Make Changes"), row);
  make->setObjectName(QStringLiteral("btnMakeChanges"));
  make->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), row);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  layout->addStretch();
  layout->addWidget(make);
  layout->addWidget(cancel);
  connect(make, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return row;
}

int TRemoveSpc::chosen() const {
  return rb_spouse_->isChecked() ? 1 : 0;
}

std::optional<int> TRemoveSpc::Choose(QWidget* parent, const QString& person,
                                      const QString& spouse) {
  TRemoveSpc box(parent, person, spouse);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.chosen();
}

}  // namespace kinloom::ui
