// The main window's menus and tool bar, and the commands that belong to no page or dialog.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/queries.h"
#include "files/media_albums.h"
#include "ui/dialogs/entry_commands.h"
#include "ui/main/about_box.h"
#include "ui/main/fam_tree.h"
#include "ui/main/guide_window.h"
#include "ui/person/person_page.h"
#include "ui/reports/relate_box.h"
#include "ui/reports/stats_box.h"
#include "ui/reports/todo_box.h"
#include "ui/reports/verify_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

const QString kFile = QStringLiteral("&File");
const QString kEdit = QStringLiteral("&Edit");
const QString kGo = QStringLiteral("&Go");
const QString kTools = QStringLiteral("&Tools");
const QString kReports = QStringLiteral("&Reports");
const QString kHelp = QStringLiteral("&Help");

// The commands with a shortcut, one row each: menu, command, keys.
QTableWidget* ShortcutTable(const std::vector<ShortcutLine>& lines, QWidget* parent) {
  auto* table = new QTableWidget(static_cast<int>(lines.size()), 3, parent);
  table->setObjectName(QStringLiteral("ShortcutList"));
  table->setHorizontalHeaderLabels(
      {QStringLiteral("Menu"), QStringLiteral("Command"), QStringLiteral("Shortcut")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  for (int row = 0; row < table->rowCount(); ++row) {
    const ShortcutLine& line = lines[static_cast<size_t>(row)];
    table->setItem(row, 0, new QTableWidgetItem(line.menu));
    table->setItem(row, 1, new QTableWidgetItem(line.command));
    table->setItem(row, 2, new QTableWidgetItem(line.keys));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace

void TFamTree::BuildActions() {
  BuildFileMenu();
  BuildEditMenu();
  BuildGoAndToolsMenus();
  AddEntryCommands(*this);
  BuildReportsMenu();
  BuildHelpMenu();
  BuildToolBar();
  UpdateActions();
}

void TFamTree::BuildFileMenu() {
  commands_.Add(kFile,
                {"actNew", QStringLiteral("&New Tree..."), QKeySequence::New,
                 QStringLiteral("Start a new, empty family tree")},
                [this] { NewTreeClick(); });
  commands_.Add(kFile,
                {"actOpen", QStringLiteral("&Open..."), QKeySequence::Open,
                 QStringLiteral("Open, merge or delete a family tree")},
                [this] { OpenClick(); });
  commands_.Add(kFile,
                {"actMerge",
                 QStringLiteral("&Merge File..."),
                 {},
                 QStringLiteral("Add the people of a family tree file to this tree")},
                [this] { MergeFileClick(); });
  commands_.AddSeparator(kFile);
  commands_.Add(kFile,
                {"actSave", QStringLiteral("&Save"), QKeySequence::Save,
                 QStringLiteral("Save the family tree")},
                [this] { SaveTree(false); });
  commands_.Add(
      kFile,
      {"actSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
       QStringLiteral("Save under another name, or save a reduced copy")},
      [this] { SaveTree(true); });
  commands_.Add(kFile,
                {"actSaveCopy",
                 QStringLiteral("Save a &Copy..."),
                 {},
                 QStringLiteral("Save a copy with only the split tree, or without the "
                                "information marked to hide")},
                [this] { SaveCopyClick(); });
  commands_.AddSeparator(kFile);
  commands_.Add(kFile,
                {"actClose", QStringLiteral("&Close"), QKeySequence::Close,
                 QStringLiteral("Close this family tree and choose another")},
                [this] { CloseTreeClick(); });
  commands_.AddSeparator(kFile);
  commands_.Add(
      kFile,
      {"actQuit", QStringLiteral("&Quit"), QKeySequence::Quit, QStringLiteral("End the program")},
      [this] { close(); });
}

void TFamTree::BuildEditMenu() {
  commands_.Add(kEdit,
                {"actAddFather", QStringLiteral("Add &Father"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                 QStringLiteral("A new father for the person shown")},
                [this] { PersonCommand(&PersonPage::AddFather); });
  commands_.Add(kEdit,
                {"actAddMother", QStringLiteral("Add &Mother"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
                 QStringLiteral("A new mother for the person shown")},
                [this] { PersonCommand(&PersonPage::AddMother); });
  commands_.Add(kEdit,
                {"actAddSpouse", QStringLiteral("Add &Spouse"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                 QStringLiteral("Marry the person shown to a new individual")},
                [this] { PersonCommand(&PersonPage::AddSpouse); });
  commands_.Add(
      kEdit,
      {"actAddChild", QStringLiteral("Add &Child"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
       QStringLiteral("A new child of the person shown and the spouse shown")},
      [this] { PersonCommand(&PersonPage::AddChild); });
  commands_.AddSeparator(kEdit);
  commands_.Add(kEdit,
                {"actDeletePerson",
                 QStringLiteral("&Delete Person..."),
                 {},
                 QStringLiteral("Delete the person shown and every link to them")},
                [this] {
                  CommitPendingEdit();
                  DeleteIndividual(shown_.individual);
                });
}

void TFamTree::BuildGoAndToolsMenus() {
  commands_.Add(kGo,
                {"actBack", QStringLiteral("&Back"), QKeySequence::Back,
                 QStringLiteral("The individual shown before")},
                [this] { GoBack(); });
  commands_.Add(kGo,
                {"actForward", QStringLiteral("&Forward"), QKeySequence::Forward,
                 QStringLiteral("The individual shown after")},
                [this] { GoForward(); });
  commands_.Add(kGo,
                {"actHome", QStringLiteral("&Home"), QKeySequence(Qt::ALT | Qt::Key_Home),
                 QStringLiteral("The home person")},
                [this] { GoHome(); });
  commands_.AddSeparator(kGo);
  commands_.Add(kGo,
                {"actFind", QStringLiteral("&Find..."), QKeySequence::Find,
                 QStringLiteral("Search for an individual")},
                [this] { FindClick(); });

  commands_.Add(kTools,
                {"actSources", QStringLiteral("&Sources..."), QKeySequence(Qt::CTRL | Qt::Key_R),
                 QStringLiteral("Source records and citations")},
                [this] { SourcesClick(); });
  commands_.Add(
      kTools,
      {"actHide", QStringLiteral("&Hide Information..."), QKeySequence(Qt::CTRL | Qt::Key_H),
       QStringLiteral("Which individuals and details the web site and copies leave out")},
      [this] { HideInformationClick(); });
  commands_.Add(kTools,
                {"actSplit", QStringLiteral("S&plit Tree..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                 QStringLiteral("Choose the individuals of a split copy of the tree")},
                [this] { SplitTreeClick(); });
  commands_.Add(
      kTools,
      {"actCheckLinks", QStringLiteral("Check &Links"), QKeySequence(Qt::CTRL | Qt::Key_L),
       QStringLiteral("Check the links between people, families and sources, and "
                      "repair the broken ones")},
      [this] { CheckLinksClick(); });
  commands_.AddSeparator(kTools);
  commands_.Add(kTools,
                {"actOptions", QStringLiteral("&Options..."),
                 QKeySequence(Qt::CTRL | Qt::Key_Comma), QStringLiteral("The program's options")},
                [this] { OptionsClick(); });
}

// The reports: windows that stay open beside the main window.
void TFamTree::BuildReportsMenu() {
  commands_.Add(kReports,
                {"actReports", QStringLiteral("&Reports..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                 QStringLiteral("Ancestor and descendant lists, family forms and the wall chart, "
                                "printed, as PDF or as files")},
                [this] { ShowReports(); });
  commands_.Add(kReports,
                {"actRelationship", QStringLiteral("Relationship &Calculator..."),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                 QStringLiteral("How two individuals are related")},
                [this] { relate_box().Open(); });
  AddVerifierCommand(*this);
  commands_.Add(kReports,
                {"actStatistics",
                 QStringLiteral("&Statistics..."),
                 {},
                 QStringLiteral("The oldest people, common names and places, dates and counts")},
                [this] { TStatsBox::ShowFor(*this); });
  commands_.Add(kReports,
                {"actToDoLists",
                 QStringLiteral("&To-Do Lists..."),
                 {},
                 QStringLiteral("The information explorer and the to-do lists")},
                [this] { TToDoBox::ShowFor(*this); });
}

void TFamTree::BuildHelpMenu() {
  commands_.Add(kHelp,
                {"actGuide", QStringLiteral("&User's Guide"), QKeySequence::HelpContents,
                 QStringLiteral("How to use Kinloom")},
                [this] { ShowProgramDocument(this, ProgramDocument::kGuide); });
  commands_.Add(kHelp,
                {"actShortcuts",
                 QStringLiteral("&Keyboard Shortcuts"),
                 {},
                 QStringLiteral("The keys of the menus' commands")},
                [this] { ShortcutsClick(); });
  commands_.Add(kHelp,
                {"actLicence",
                 QStringLiteral("&Licence"),
                 {},
                 QStringLiteral("The licence Kinloom is distributed under")},
                [this] { ShowProgramDocument(this, ProgramDocument::kLicence); });
  commands_.Add(kHelp,
                {"actAbout",
                 QStringLiteral("&About Kinloom"),
                 {},
                 QStringLiteral("The program's version and data folders")},
                [this] { AboutClick(); });
}

// The tool bar shows the common commands with the menus' actions.
void TFamTree::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Main"));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setMovable(false);
  const char* const groups[][4] = {{"actOpen", "actSave", "actSaveAs", nullptr},
                                   {"actBack", "actForward", "actHome", "actFind"},
                                   {"actSources", "actOptions", "actReports", nullptr},
                                   {"actHide", "actSplit", nullptr, nullptr}};
  for (const auto& group : groups) {
    if (&group != &groups[0]) bar->addSeparator();
    for (const char* name : group) {
      if (name != nullptr) bar->addAction(commands_.Find(QLatin1String(name)));
    }
  }
}

void TFamTree::UpdateActions() {
  const bool person = store().individual(shown_.individual) != nullptr && shown_.individual > 0;
  const std::pair<const char*, bool> states[] = {
      {"actBack", history_.CanGoBack()},
      {"actForward", history_.CanGoForward()},
      {"actAddFather", person && shown_.father == 0},
      {"actAddMother", person && shown_.mother == 0},
      {"actAddSpouse", person},
      {"actAddChild", person},
      // The last person of a tree is not deleted.
      {"actDeletePerson", person && store().highest_individual() > 1},
  };
  for (const auto& [name, enabled] : states) {
    if (QAction* action = commands_.Find(QLatin1String(name))) action->setEnabled(enabled);
  }
}

void TFamTree::PersonCommand(void (PersonPage::*command)()) {
  ShowPage(QStringLiteral("person"));
  (person_page_->*command)();
}

bool TFamTree::DeleteIndividual(int individual) {
  if (individual <= 0 || !core::DeleteIndividual(store(), individual)) return false;
  // Album items must not pass the deleted person's pictures on to a later holder of the number.
  files::MediaAlbums& albums = work_.albums();
  albums.ForgetIndividual(individual);
  if (albums.changed()) work_.session().changed.albums_changed = true;
  TreeEdited();
  return true;
}

void TFamTree::ShortcutsClick() {
  QDialog box(this);
  box.setObjectName(QStringLiteral("ShortcutsBox"));
  box.setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(ShortcutTable(commands_.Shortcuts(), &box));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
  connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  layout->addWidget(buttons);
  box.resize(460, 520);
  box.exec();
}

void TFamTree::AboutClick() {
  TAboutBox box(this, QString::fromStdString(work_.folders().home));
  box.exec();
}

}  // namespace kinloom::ui
