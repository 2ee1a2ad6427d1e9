#pragma once

#include <QGroupBox>
#include <vector>

#include "core/organizer_links.h"

class QListWidget;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// One of the organizer's two chosen people ("Person A", "Person B"): the person's label (a
// click shows the person), how the person is chosen, and the person's families, one of which
// the linking buttons work on.
class OrganizerPersonSlot : public QGroupBox {
  Q_OBJECT

 public:
  // `letter` names the slot's widgets: "PersonALabel", "FamiliesA", "btnUseShownA", ...
  OrganizerPersonSlot(TFamTree& tree, char letter, QWidget* parent);

  int person() const { return person_; }
  // Chooses a person (0 empties the slot); a number without a record empties it too.
  void SetPerson(int person);
  // Reads the person and the families again after an edit; keeps the chosen family.
  void Refresh();
  // The family chosen in the list; family 0 when none.
  core::FamilyLink chosen() const;
  const std::vector<core::FamilyLink>& families() const { return families_; }

 signals:
  void changed();
  void deleteClicked();

 private:
  void FillFamilies();
  void btnFindClick();

  TFamTree& tree_;
  int person_ = 0;
  std::vector<core::FamilyLink> families_;
  QPushButton* label_ = nullptr;
  QListWidget* family_list_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace kinloom::ui
