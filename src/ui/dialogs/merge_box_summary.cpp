#include "ui/dialogs/merge_box_summary.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

QString SexText(const std::string& sex) {
  if (sex == "M") return QStringLiteral("Male");
  if (sex == "F") return QStringLiteral("Female");
  return sex.empty() ? QString() : QStringLiteral("Unknown");
}

// "William Smith (3)" and, below it, the parent's birth and death.
QString ParentText(const core::MergeSummary::Parent& parent) {
  if (parent.individual <= 0) return QStringLiteral("-");
  QString text = FromAnsi(parent.label);
  QStringList dates;
  if (const QString birth = MergeEventText(parent.birth); !birth.isEmpty()) {
    dates << QStringLiteral("b. ") + birth;
  }
  if (const QString death = MergeEventText(parent.death); !death.isEmpty()) {
    dates << QStringLiteral("d. ") + death;
  }
  if (!dates.isEmpty()) text += QStringLiteral("\n") + dates.join(QStringLiteral(";  "));
  return text;
}

}  // namespace

QString MergeEventText(const core::MergeEventText& event) {
  QStringList parts;
  if (!event.date.empty()) parts << FromAnsi(event.date);
  if (!event.place.empty()) parts << FromAnsi(event.place);
  return parts.join(QStringLiteral(", "));
}

MergeSummaryPanel::MergeSummaryPanel(int side, QWidget* parent)
    : QGroupBox(
          side == 0 ? QStringLiteral("First Individual") : QStringLiteral("Second Individual"),
          parent),
      side_(side) {
  setObjectName(QStringLiteral("Side%1").arg(side + 1));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(3);
  name_ = AddLine(0, QStringLiteral("Name:"), QStringLiteral("Name"));
  QFont bold = name_->font();
  bold.setBold(true);
  name_->setFont(bold);
  number_ = AddLine(1, QStringLiteral("ID Number:"), QStringLiteral("Number"));
  sex_ = AddLine(2, QStringLiteral("Sex:"), QStringLiteral("Sex"));
  birth_ = AddLine(3, QStringLiteral("Birth:"), QStringLiteral("Birth"));
  death_ = AddLine(4, QStringLiteral("Death:"), QStringLiteral("Death"));
  father_ = AddLine(5, QStringLiteral("Father:"), QStringLiteral("Father"));
  mother_ = AddLine(6, QStringLiteral("Mother:"), QStringLiteral("Mother"));
  keep_ = new QCheckBox(this);
  keep_->setObjectName(QStringLiteral("Keep%1").arg(side + 1));
  grid->addWidget(keep_, 7, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(6, 1);
}

QLabel* MergeSummaryPanel::AddLine(int line, const QString& caption, const QString& name) {
  auto* grid = static_cast<QGridLayout*>(layout());
  auto* label = new QLabel(caption, this);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* value = new QLabel(this);
  value->setObjectName(name + QString::number(side_ + 1));
  value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value->setTextFormat(Qt::PlainText);
  grid->addWidget(label, line, 0);
  grid->addWidget(value, line, 1);
  return value;
}

void MergeSummaryPanel::Show(const core::MergeSummary& summary, const std::string& keep_caption) {
  name_->setText(FromAnsi(summary.name));
  number_->setText(FromAnsi(summary.number));
  sex_->setText(SexText(summary.sex));
  birth_->setText(MergeEventText(summary.birth));
  death_->setText(MergeEventText(summary.death));
  father_->setText(ParentText(summary.father));
  mother_->setText(ParentText(summary.mother));
  keep_->setText(FromAnsi(keep_caption));
}

}  // namespace kinloom::ui
