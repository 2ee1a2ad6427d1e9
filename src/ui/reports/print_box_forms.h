#pragma once

#include <QWidget>
#include <array>

#include "reports/report_job.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kinloom::ui {

class TPrintBox;

// The "Family Forms" page of the reports window: the family group sheet of one of the
// highlighted person's marriages, the blank sheet, the pedigree chart, the person details and
// the source list, each printed or saved as PDF.
class PrintBoxForms : public QWidget {
  Q_OBJECT

 public:
  enum class Form { kFamilySheet, kBlankSheet, kPedigree, kPersonDetails, kSourceList };

  explicit PrintBoxForms(TPrintBox& box);

  // Offers the marriages of the person (the main window's shown one first when it is them).
  void PersonChanged(int individual);
  // The family the family group sheet is made of; 0 for none.
  int ChosenFamily() const;

  // The form as a job, or nothing when the highlighted person or family is missing.
  bool MakeJob(Form form, reports::ReportJob* job) const;
  void PrintForm(Form form);
  // The path of the PDF written, or empty.
  QString SaveFormAsPdf(Form form);

 private:
  void AddFormRow(class QGridLayout* grid, int row, Form form, const char* name,
                  const QString& title, const QString& hint);
  QString PdfName(Form form) const;

  TPrintBox& box_;
  QComboBox* family_choice_ = nullptr;
  std::array<QPushButton*, 2> family_buttons_{};  // the family group sheet's Print and PDF
  QLabel* saved_ = nullptr;
};

}  // namespace kinloom::ui
