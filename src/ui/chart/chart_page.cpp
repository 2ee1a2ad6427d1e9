#include "ui/chart/chart_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/generation_walks.h"
#include "ui/chart/chart_family_view.h"
#include "ui/chart/chart_outline_view.h"
#include "ui/chart/chart_tree_view.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

ChartPage::ChartPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  tree_view_ = new ChartTreeView(tree_, this);
  ancestor_view_ = new ChartOutlineView(tree_, ChartOutlineView::Kind::kAncestors, this);
  descendant_view_ = new ChartOutlineView(tree_, ChartOutlineView::Kind::kDescendants, this);
  family_view_ = new ChartFamilyView(tree_, this);
  udChtAnc =
      GenerationBox("udChtAnc", core::kAncestorGenerationsMin, core::kAncestorGenerationsDefault);
  udChtDes = GenerationBox("udChtDes", core::kDescendantGenerationsMin,
                           core::kDescendantGenerationsDefault);
  connect(udChtAnc, &QSpinBox::valueChanged, this, [this] { udChtAncChange(); });
  connect(udChtDes, &QSpinBox::valueChanged, this, [this] { udChtDesChange(); });

  views_ = new QTabWidget(this);
  views_->setObjectName(QStringLiteral("chartViews"));
  views_->setDocumentMode(true);
  views_->addTab(tree_view_, QStringLiteral("Tree"));
  views_->addTab(OutlinePage(ancestor_view_, udChtAnc, QStringLiteral("Ancestor generations:")),
                 QStringLiteral("Ancestors"));
  views_->addTab(OutlinePage(descendant_view_, udChtDes, QStringLiteral("Descendant generations:")),
                 QStringLiteral("Descendants"));
  views_->addTab(family_view_, QStringLiteral("Family"));
  connect(views_, &QTabWidget::currentChanged, this, [this] { RebuildCurrent(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(views_);
}

QSpinBox* ChartPage::GenerationBox(const char* name, int minimum, int value) {
  auto* box = new QSpinBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(minimum, core::kGenerationsMax);
  box->setValue(value);
  return box;
}

QWidget* ChartPage::OutlinePage(ChartOutlineView* view, QSpinBox* generations,
                                const QString& label) {
  auto* page = new QWidget(this);
  auto* bar = new QHBoxLayout();
  auto* caption = new QLabel(label, page);
  caption->setBuddy(generations);
  bar->addWidget(caption);
  bar->addWidget(generations);
  bar->addStretch(1);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(view, 1);
  return page;
}

void ChartPage::Refresh() {
  stale_.fill(true);
  if (isVisible()) RebuildCurrent();
}

void ChartPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RebuildCurrent();
}

void ChartPage::RebuildCurrent() {
  const int view = views_->currentIndex();
  if (view >= 0 && view < kViewCount && stale_[static_cast<size_t>(view)]) Rebuild(view);
}

void ChartPage::Rebuild(int view) {
  stale_[static_cast<size_t>(view)] = false;
  switch (view) {
    case kTree:
      tree_view_->Rebuild();
      break;
    case kAncestors:
      ancestor_view_->Rebuild(udChtAnc->value());
      ShowHint(udChtAnc, ancestor_view_->outline().hint);
      break;
    case kDescendants:
      descendant_view_->Rebuild(udChtDes->value());
      ShowHint(udChtDes, descendant_view_->outline().hint);
      break;
    default:
      family_view_->Rebuild();
      break;
  }
}

void ChartPage::udChtAncChange() {
  stale_[kAncestors] = true;
  if (isVisible() && views_->currentIndex() == kAncestors) Rebuild(kAncestors);
}

void ChartPage::udChtDesChange() {
  stale_[kDescendants] = true;
  if (isVisible() && views_->currentIndex() == kDescendants) Rebuild(kDescendants);
}

void ChartPage::ShowHint(QSpinBox* box, const std::string& hint) {
  box->setToolTip(FromAnsi(hint));
  box->setStatusTip(FromAnsi(hint));
}

}  // namespace kinloom::ui
