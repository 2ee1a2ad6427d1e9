#pragma once

#include <QDialog>
#include <array>

#include "core/source_records.h"
#include "files/media_albums.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The sources dialog: creates and edits source records, cites one on the shown person (which
// the person page's citation button then toggles); ten quick-source buttons.
class TSourcesBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSourcesBox(TFamTree& tree);

  // The source shown in the fields; 0 for none.
  int current_source() const { return current_; }
  // Shows a source (its edits are kept first); false when it does not exist.
  bool SelectSource(int source);

  void done(int result) override;

 private:
  static constexpr int kQuick = files::TreeSettings::kQuickSources;

  QWidget* BuildFields();
  QWidget* BuildList();
  QWidget* BuildQuickButtons();
  QWidget* BuildBottomButtons();
  void FillList();
  void ShowSource(int source);
  core::SourceFields FieldsShown() const;
  // Writes the fields into the shown source when they differ from it.
  void KeepEdits();
  void UpdateQuickButtons();
  void UpdateEnabled();

  void SourceListClick();
  void btnNewSourceClick();
  void btnSaveSourceClick();
  void btnCiteSourceClick();
  void btnSrcClick(int button);

  TFamTree& tree_;
  int current_ = 0;
  bool filling_ = false;  // the list is being filled: its selection notices are ours

  QListWidget* source_list_ = nullptr;
  QLabel* source_number_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* author_ = nullptr;
  QLineEdit* publication_ = nullptr;
  QLineEdit* medium_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cite_ = nullptr;
  QPushButton* store_quick_ = nullptr;
  std::array<QPushButton*, kQuick> quick_{};
};

}  // namespace kinloom::ui
