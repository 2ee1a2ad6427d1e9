#include "ui_test_support.h"

#include <QTest>
#include <algorithm>

#include "files/data_folders.h"
#include "reports/tree_opening.h"

namespace kinloom::testing {

WindowFixture::WindowFixture()
    : work(store, files::DataFoldersAt(home.path(), ""), file_system,
           reports::CheckedTreeReader(links)) {
  (void)files::MakeDataFolders(work.folders());
  window = std::make_unique<ui::TFamTree>(work, ui);
}

WindowFixture::~WindowFixture() = default;

std::string WindowFixture::GedcomPath(const std::string& name) const {
  return files::TreeFile(work.folders().gedcom, name, ".ged");
}

bool WindowFixture::Load(const std::vector<std::string>& record_lines, int show,
                         const std::string& name) {
  std::vector<std::string> lines = OwnHeader(name + ".ged");
  lines.insert(lines.end(), record_lines.begin(), record_lines.end());
  lines.push_back("0 TRLR");
  WriteFileBytes(GedcomPath(name), CrLfJoin(lines));
  files::OpenRequest request;
  request.path = GedcomPath(name);
  if (!window->OpenTreeFile(request)) return false;
  if (show != 0) window->ShowIndividual(show);
  ui.ClearRecords();
  return true;
}

std::vector<std::string> WindowFixture::Person(int n) const {
  const store::IndividualRecord* record = store.individual(n);
  return record == nullptr ? std::vector<std::string>{} : RecordLines(record->lines);
}

std::vector<std::string> WindowFixture::Family(int n) const {
  const store::FamilyRecord* record = store.family(n);
  return record == nullptr ? std::vector<std::string>{} : RecordLines(record->lines);
}

void TypeAndLeave(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  edit->del();
  QTest::keyClicks(edit, text);
  emit edit->editingFinished();
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

bool HasLine(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

}  // namespace kinloom::testing
