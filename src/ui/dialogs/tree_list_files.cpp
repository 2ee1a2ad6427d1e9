#include "ui/dialogs/tree_list_files.h"

#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cctype>
#include <vector>

#include "files/data_folders.h"
#include "files/tree_session.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kFileRole = Qt::UserRole;

bool IsTreeFileName(const std::string& name) {
  if (name.size() <= 4) return false;
  std::string extension = name.substr(name.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ged";
}

}  // namespace

int FillTreeList(QListWidget* list, const std::string& folder) {
  list->clear();
  std::vector<std::string> files;
  for (const std::string& name : files::FolderFileNames(folder, nullptr)) {
    if (IsTreeFileName(name)) files.push_back(name);
  }
  std::vector<std::pair<QString, std::string>> trees;
  for (const std::string& file : files) {
    trees.emplace_back(FromAnsi(file.substr(0, file.size() - 4)), file);
  }
  std::sort(trees.begin(), trees.end(), [](const auto& a, const auto& b) {
    return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
  });
  for (const auto& [shown, file] : trees) {
    auto* item = new QListWidgetItem(shown, list);
    // The name on disk, byte for byte: the shown text need not convert back to it.
    item->setData(kFileRole, QByteArray::fromStdString(file));
  }
  if (list->count() > 0) list->setCurrentRow(0);
  return list->count();
}

std::string SelectedTreeFile(const QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (item == nullptr || !item->isSelected()) return "";
  return item->data(kFileRole).toByteArray().toStdString();
}

bool SelectTreeFile(QListWidget* list, const std::string& file) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->data(kFileRole).toByteArray().toStdString() == file) {
      list->setCurrentRow(row);
      return true;
    }
  }
  return false;
}

void SetUpNewTreeField(QLineEdit* field) {
  field->setPlaceholderText(QString::fromLatin1(kNewTreeHint));
  field->setMaxLength(static_cast<int>(files::kMaxTreeNameLength));
}

std::string NewTreeName(const QLineEdit* field) {
  return files::NewTreeNameFromField(ToAnsi(field->text()));
}

}  // namespace kinloom::ui
