#pragma once

#include <QWidget>
#include <array>

class QSpinBox;
class QTabWidget;

namespace kinloom::ui {

class TFamTree;
class ChartTreeView;
class ChartOutlineView;
class ChartFamilyView;

// The main window's chart page: the graphical descendant chart of the top ancestor, the ancestor
// and descendant outlines and the family view.
class ChartPage : public QWidget {
  Q_OBJECT

 public:
  ChartPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  // Cheap while the page is hidden: the views are only marked out of date.
  void Refresh();

  ChartTreeView* tree_view() { return tree_view_; }
  ChartOutlineView* ancestor_view() { return ancestor_view_; }
  ChartOutlineView* descendant_view() { return descendant_view_; }
  ChartFamilyView* family_view() { return family_view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum View { kTree, kAncestors, kDescendants, kFamily, kViewCount };

  QWidget* OutlinePage(ChartOutlineView* view, QSpinBox* generations, const QString& label);
  QSpinBox* GenerationBox(const char* name, int minimum, int value);
  void RebuildCurrent();
  void Rebuild(int view);
  void udChtAncChange();
  void udChtDesChange();
  void ShowHint(QSpinBox* box, const std::string& hint);

  TFamTree& tree_;
  QTabWidget* views_ = nullptr;
  ChartTreeView* tree_view_ = nullptr;
  ChartOutlineView* ancestor_view_ = nullptr;
  ChartOutlineView* descendant_view_ = nullptr;
  ChartFamilyView* family_view_ = nullptr;
  QSpinBox* udChtAnc = nullptr;
  QSpinBox* udChtDes = nullptr;
  std::array<bool, kViewCount> stale_{true, true, true, true};
};

}  // namespace kinloom::ui
