#include "ui/dialogs/parents_box.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

TParentsBox::TParentsBox(QWidget* parent, const QString& father, const QString& mother,
                         const QString& child, int offered)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TParentsBox"));
  setWindowTitle(QStringLiteral("Parent Types"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakePeople(father, mother, child));
  layout->addWidget(MakeKinds(offered));
  layout->addWidget(MakeButtons());
  setMinimumWidth(420);
}

QWidget* TParentsBox::MakePeople(const QString& father, const QString& mother,
                                 const QString& child) {
  auto* box = new QGroupBox(this);
  auto* form = new QFormLayout(box);
  const std::pair<const char*, const QString*> people[] = {
      {"Father", &father}, {"Mother", &mother}, {"Child", &child}};
  for (const auto& [role, label] : people) {
    auto* name = new QLabel(*label, box);
    name->setObjectName(QStringLiteral("lbl%1").arg(QLatin1String(role)));
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("%1:").arg(QLatin1String(role)), name);
  }
  return box;
}

QWidget* TParentsBox::MakeKinds(int offered) {
  auto* box = new QGroupBox(this);
  auto* column = new QVBoxLayout(box);
  if (offered < 0 || offered >= core::kParentKinds) offered = core::kBirth;
  for (int kind = 0; kind < core::kParentKinds; ++kind) {
    auto* button = new QRadioButton(FromAnsi(core::ParentKindWording(kind)), box);
    button->setObjectName(QStringLiteral("rbKind%1").arg(kind));
    button->setChecked(kind == offered);
    column->addWidget(button);
    kinds_[static_cast<size_t>(kind)] = button;
  }
  return box;
}

QWidget* TParentsBox::MakeButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* ok = new QPushButton(QStringLiteral("OK"), row);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), row);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  layout->addStretch();
  layout->addWidget(ok);
  layout->addWidget(cancel);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return row;
}

int TParentsBox::chosen_kind() const {
  for (int kind = 0; kind < core::kParentKinds; ++kind) {
    if (kinds_[static_cast<size_t>(kind)]->isChecked()) return kind;
  }
  return core::kBirth;
}

std::optional<int> TParentsBox::Choose(QWidget* parent, const QString& father,
                                       const QString& mother, const QString& child, int offered) {
  TParentsBox box(parent, father, mother, child, offered);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.chosen_kind();
}

}  // namespace kinloom::ui
