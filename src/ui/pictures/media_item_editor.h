#pragma once

#include <QWidget>

#include "files/media_albums.h"
#include "store/record_store.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kinloom::ui {

// The fields of the item being edited: kind, hide, source (with the source's title), the
// individuals shown, file name, title and note. Changes of kind, hide, source, title and note
// are announced at once; the file name waits for the rename button, the individuals change
// through their buttons.
class MediaItemEditor : public QWidget {
  Q_OBJECT

 public:
  explicit MediaItemEditor(QWidget* parent);

  // Shows an item (nullptr for none: the fields empty and disabled).
  void Show(const files::MediaItem* item, const store::RecordStore& store);
  // The button that adds the person the main window shows.
  void SetShownPerson(const QString& label);

  // Kind, hide, source, title and note as they stand in the fields.
  files::MediaItem Fields() const;
  // The file name typed for a rename.
  QString typed_file() const;
  // The individual whose line is selected; 0 for none.
  int selected_individual() const;

 signals:
  void fieldsEdited();
  void addPersonClicked();
  void removePersonClicked();

 private:
  QWidget* BuildPeople();
  void Clear();
  void Edited();
  void NoteEdited();
  void ShowSourceTitle();

  const store::RecordStore* store_ = nullptr;
  bool filling_ = false;
  QComboBox* kind_;
  QCheckBox* hide_;
  QLineEdit* source_;
  QLabel* source_title_;
  QListWidget* people_;
  QPushButton* add_person_;
  QPushButton* remove_person_;
  QLineEdit* file_;
  QLineEdit* title_;
  QPlainTextEdit* note_;
};

}  // namespace kinloom::ui
