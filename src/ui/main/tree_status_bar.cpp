#include "ui/main/tree_status_bar.h"

#include <QLabel>

#include "store/record_store.h"

namespace kinloom::ui {

namespace {

QLabel* Field(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setContentsMargins(6, 0, 6, 0);
  return label;
}

QString TimeText(const platform::DateTime& at) {
  return QStringLiteral("%1:%2")
      .arg(at.hour, 2, 10, QLatin1Char('0'))
      .arg(at.minute, 2, 10, QLatin1Char('0'));
}

}  // namespace

TreeStatusBar::TreeStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("statusBar"));
  tree_ = Field(this, "lblTreeName");
  counts_ = Field(this, "lblTreeCounts");
  state_ = Field(this, "lblTreeState");
  // Permanent: a hint or a passing message at the left leaves them in place.
  addPermanentWidget(tree_);
  addPermanentWidget(counts_);
  addPermanentWidget(state_);
}

void TreeStatusBar::Show(const TreeStatus& status) {
  tree_->setText(status.tree);
  counts_->setText(CountsText(status.people, status.families));
  state_->setText(StateText(status));
  // Unsaved changes stand out; a save reads as plain news.
  state_->setStyleSheet(status.changed ? QStringLiteral("color: #b00000;") : QString());
}

QString TreeStatusBar::CountsText(int people, int families) {
  const QString persons =
      people == 1 ? QStringLiteral("1 person") : QStringLiteral("%L1 people").arg(people);
  const QString units =
      families == 1 ? QStringLiteral("1 family") : QStringLiteral("%L1 families").arg(families);
  return persons + QStringLiteral(", ") + units;
}

QString TreeStatusBar::StateText(const TreeStatus& status) {
  if (!status.saved) {
    return status.changed ? QStringLiteral("Unsaved changes") : QStringLiteral("No changes");
  }
  const QString at = TimeText(status.saved->at);
  if (status.changed) return QStringLiteral("Unsaved changes since the save at %1").arg(at);
  return QStringLiteral("Saved \"%1\"%2 at %3")
      .arg(status.saved->tree,
           status.saved->automatic ? QStringLiteral(" automatically") : QString(), at);
}

int CountPeople(const store::RecordStore& store) {
  int people = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) ++people;
  }
  return people;
}

int CountFamilies(const store::RecordStore& store) {
  int families = 0;
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (store.family(n) != nullptr) ++families;
  }
  return families - (store.IsMarkerFamily(1) ? 1 : 0);
}

}  // namespace kinloom::ui
