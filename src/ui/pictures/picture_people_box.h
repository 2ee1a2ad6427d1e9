#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "store/record_store.h"

class QListWidget;
class QPushButton;

namespace kinloom::ui {

// "People in This Picture": the individuals an item shows, by name, with the shown person
// added by one click, anyone else by Find, and any of them removed. The list is handed back
// on OK; the albums take it with MediaAlbums::SetIndividuals.
class TPicturePeopleBox : public QDialog {
  Q_OBJECT

 public:
  // `shown` is the person the main window shows (0 for none).
  TPicturePeopleBox(const store::RecordStore& store, std::vector<int> people, int shown,
                    QWidget* parent);

  // Finds an individual; -1 when none was chosen. The page passes the main window's search.
  using Finder = std::function<int()>;
  void SetFinder(Finder finder);

  const std::vector<int>& people() const { return people_; }

  void AddPerson(int individual);
  void btnFindClick();
  void btnRemoveClick();

 private:
  void Fill(int selected);
  void UpdateButtons();

  const store::RecordStore& store_;
  std::vector<int> people_;
  int shown_;
  Finder find_;
  QListWidget* list_;
  QPushButton* add_shown_;
  QPushButton* find_button_;
  QPushButton* remove_;
};

}  // namespace kinloom::ui
