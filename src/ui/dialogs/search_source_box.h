#pragma once

#include <QDialog>
#include <optional>

#include "files/program_settings.h"

class QLineEdit;

namespace kinloom::ui {

// The small dialog that takes the name and address of an internet search source, for adding a
// new one and for changing one.
class TSearchSourceBox : public QDialog {
  Q_OBJECT

 public:
  TSearchSourceBox(QWidget* parent, const QString& caption, const files::SearchSite& site);

  // The name and address as typed, in the tree's character set.
  files::SearchSite site() const;

  // Shows the dialog; nothing when it is cancelled.
  static std::optional<files::SearchSite> Edit(QWidget* parent, const QString& caption,
                                               const files::SearchSite& site);

 private:
  QLineEdit* name_ = nullptr;
  QLineEdit* address_ = nullptr;
};

}  // namespace kinloom::ui
