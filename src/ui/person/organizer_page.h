#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace kinloom::ui {

class TFamTree;
class OrganizerPersonSlot;
class MergeCandidateBox;

// The main window's organizer page: two chosen people and the buttons that link or separate them.
class OrganizerPage : public QWidget {
  Q_OBJECT

 public:
  OrganizerPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

  OrganizerPersonSlot& slot_a() { return *a_; }
  OrganizerPersonSlot& slot_b() { return *b_; }

 private:
  QWidget* BuildButtons();
  void UpdateButtons();
  // The family the marriage completes: A's chosen own family while it has no other spouse.
  int FamilyToComplete() const;
  // B's chosen family, or 0 (a new family with B as parent) when B has none.
  int FamilyForChild() const;
  int FamilyToUnmarry() const;
  int FamilyToLeave() const;
  // Refuses, with the warning, a person who is already a member of the family.
  bool RefusedAsMember(int family) const;
  void Edited();

  void btnMarryClick();
  void btnAddChildClick();
  void btnUnmarryClick();
  void btnRemoveChildClick();
  void btnSwapClick();
  void DeleteClick(OrganizerPersonSlot& slot);

  TFamTree& tree_;
  std::string tree_name_;  // the tree the chosen people belong to
  OrganizerPersonSlot* a_ = nullptr;
  OrganizerPersonSlot* b_ = nullptr;
  QPushButton* marry_ = nullptr;
  QPushButton* add_child_ = nullptr;
  QPushButton* unmarry_ = nullptr;
  QPushButton* remove_child_ = nullptr;
  QPushButton* swap_ = nullptr;
  MergeCandidateBox* merge_ = nullptr;  // Person A and the record to merge with
};

}  // namespace kinloom::ui
