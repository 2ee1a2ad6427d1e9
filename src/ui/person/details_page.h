#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "ui/person/event_row.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace kinloom::ui {

class TFamTree;

// The main window's details page: the less common events of the shown individual and family, and
// the confirmation slot.
class DetailsPage : public QWidget {
  Q_OBJECT

 public:
  DetailsPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();
  // Writes the date or place box being typed in, as leaving it would.
  void CommitPendingEdit();

  // An event with a box of its own.
  struct PlainEvent {
    const char* name;  // cbDet<name>, Det<name>Date, Det<name>Place
    std::string_view tag;
    std::string_view caption;
    std::string_view date_caption;
    std::string_view place_caption;
    bool family;
  };
  static constexpr int kPersonEvents = 6;
  static constexpr int kFamilyEvents = 7;

 private:
  QGroupBox* BuildPersonEvents();
  QGroupBox* BuildFamilyEvents();
  void BuildPlainRow(EventRow& row, QGridLayout* grid, int grid_row, const PlainEvent& event);
  void BuildOtherRow(EventRow& row, QGridLayout* grid, int grid_row, const QString& name, int kind);
  void OtherLeft(int kind, std::string_view sub_tag, const QString& text);
  void RefreshOther(EventRow& row, int kind);
  void RefreshConfirmation();

  TFamTree& tree_;
  int updating_ = 0;
  QLabel* person_label_ = nullptr;
  QLabel* family_label_ = nullptr;
  std::array<QLabel*, 3> indicators_{};
  EventRow christening_;  // the other event of the person page's baptism slot
  EventRow cremation_;    // the other event of the burial slot
  EventRow confirmation_;
  QCheckBox* mitzvah_ = nullptr;  // the confirmation slot's second event while it is empty
  std::array<EventRow, kPersonEvents> person_events_;
  std::array<EventRow, kFamilyEvents> family_events_;
};

}  // namespace kinloom::ui
