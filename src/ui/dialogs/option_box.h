#pragma once

#include <QDialog>

#include "files/program_settings.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QGroupBox;

namespace kinloom::ui {

class TFamTree;

// The options dialog: the program's options, the read-only and automatic-save switches, the
// home person and the date format. Every change takes effect at once; there is nothing to
// cancel.
class TOptionBox : public QDialog {
  Q_OBJECT

 public:
  explicit TOptionBox(TFamTree& tree);

  // Makes the individual shown in the main window the home person.
  void btnOptHomeClick();

 private:
  using Flag = bool files::ProgramSettings::*;

  QGroupBox* BuildEntryGroup();
  QGroupBox* BuildDisplayGroup();
  QGroupBox* BuildDateGroup();
  QGroupBox* BuildSavingGroup();
  QGroupBox* BuildHomeGroup();
  QCheckBox* FlagBox(const char* name, const QString& text, Flag flag);

  void FlagToggled(Flag flag, bool on);
  void cbOptAutoSaveClick(bool on);
  void cbOptReadOnlyClick(bool on);
  void udOptMinsChange(int minutes);
  void DateFormatClick(bool european);
  void ShowDateExample();
  void ShowHomePerson();
  void OptionChanged();

  TFamTree& tree_;
  QCheckBox* auto_save_ = nullptr;
  QCheckBox* read_only_ = nullptr;
  QSpinBox* minutes_ = nullptr;
  QRadioButton* european_ = nullptr;
  QRadioButton* american_ = nullptr;
  QLabel* date_example_ = nullptr;
  QLabel* home_person_ = nullptr;
};

}  // namespace kinloom::ui
