#pragma once

#include <QString>
#include <string>

class QLineEdit;
class QListWidget;

namespace kinloom::ui {

// The dimmed text of an empty new-tree field.
inline constexpr const char* kNewTreeHint = "    Enter Name for New Tree Here";

// Fills the list with the trees of a folder: each ".ged" file's name without its extension,
// in alphabetical order, the file name kept with the item. Selects the first. Returns the
// number of trees listed.
int FillTreeList(QListWidget* list, const std::string& folder);

// The file name (with ".ged") of the selected tree; empty when none is selected.
std::string SelectedTreeFile(const QListWidget* list);
// Selects the tree whose file is `file`; false when the list does not hold it.
bool SelectTreeFile(QListWidget* list, const std::string& file);

// A new-tree field with the hint and the name length the save dialog allows.
void SetUpNewTreeField(QLineEdit* field);
// The name typed in a new-tree field: empty for a field that is empty or begins with a blank,
// else the text before its first ".".
std::string NewTreeName(const QLineEdit* field);

}  // namespace kinloom::ui
