#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/queries.h"

class QRadioButton;

namespace kinloom::ui {

// "Parent Types": the father, mother and child of a link about to be made, and the kind of
// parents they are (0 birth ... 7 sealing).
class TParentsBox : public QDialog {
  Q_OBJECT

 public:
  TParentsBox(QWidget* parent, const QString& father, const QString& mother, const QString& child,
              int offered);
  // The kind whose button is checked.
  int chosen_kind() const;

  // Shows the dialog; the kind chosen, or nothing when cancelled.
  static std::optional<int> Choose(QWidget* parent, const QString& father, const QString& mother,
                                   const QString& child, int offered);

 private:
  QWidget* MakePeople(const QString& father, const QString& mother, const QString& child);
  QWidget* MakeKinds(int offered);
  QWidget* MakeButtons();

  std::array<QRadioButton*, core::kParentKinds> kinds_{};
};

}  // namespace kinloom::ui
