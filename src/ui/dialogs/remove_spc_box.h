#pragma once

#include <QDialog>
#include <optional>

class QRadioButton;

namespace kinloom::ui {

// "Remove Spouse From Family": with whom the children remain when two spouses separate.
class TRemoveSpc : public QDialog {
  Q_OBJECT

 public:
  TRemoveSpc(QWidget* parent, const QString& person, const QString& spouse);
  // 0 the person, 1 the spouse.
  int chosen() const;

  // Shows the dialog; 0 or 1, or nothing when cancelled.
  static std::optional<int> Choose(QWidget* parent, const QString& person, const QString& spouse);

 private:
  QWidget* MakeExplanation();
  QWidget* MakeChoice(const QString& person, const QString& spouse);
  QWidget* MakeButtons();

  QRadioButton* rb_person_ = nullptr;
  QRadioButton* rb_spouse_ = nullptr;
};

}  // namespace kinloom::ui
