#pragma once

#include <QDialog>
#include <QString>

namespace kinloom::ui {

// The About box: the program's name and version, its licence and the data home's path, with
// buttons to the user's guide and the licence text.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(QWidget* parent, const QString& data_home);
};

// The text of the About box (rich text), for the box and its test.
QString AboutText(const QString& version, const QString& data_home);

}  // namespace kinloom::ui
