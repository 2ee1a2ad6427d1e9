// The address book, the clipboard of individuals and automatic entry in the main window's menus.
#include "ui/dialogs/entry_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "core/person_clipboard.h"
#include "core/tree_reading.h"
#include "files/address_book.h"
#include "reports/link_checker.h"
#include "ui/dialogs/address_book_box.h"
#include "ui/dialogs/auto_entry_box.h"
#include "ui/main/fam_tree.h"
#include "ui/main/main_commands.h"

namespace kinloom::ui {
namespace {

const QString kEdit = QStringLiteral("&Edit");
const QString kTools = QStringLiteral("&Tools");
const QString kGedcomMime = QString::fromLatin1(
    core::kGedcomMimeType.data(), static_cast<qsizetype>(core::kGedcomMimeType.size()));

void ShowAddressBook(TFamTree& window) {
  const std::string path = AddressBookPath(window);
  if (path.empty()) {
    window.ui().Message(" *** Address Book *** ",
                        "Save the family tree under a name first: the address book is kept "
                        "beside it.",
                        platform::Icon::kExclamation);
    return;
  }
  window.CommitPendingEdit();
  TAddressBookBox box(window, path);
  box.exec();
}

void ShowAutoEntry(TFamTree& window) {
  window.CommitPendingEdit();
  TAutoEntryBox box(window);
  box.exec();
}

}  // namespace

std::string AddressBookPath(TFamTree& window) {
  const std::string& tree = window.work().session().tree_name;
  if (tree.empty()) return {};
  return files::AddressBookFile(window.work().folders().config, tree);
}

bool CopyPersonToClipboard(TFamTree& window, int individual, QClipboard& clipboard) {
  const std::string text = core::PersonClipboardText(window.store(), individual);
  if (text.empty()) return false;
  auto* data = new QMimeData;
  const QByteArray bytes = QByteArray::fromStdString(text);
  data->setData(kGedcomMime, bytes);
  data->setText(QString::fromUtf8(bytes));
  clipboard.setMimeData(data);
  return true;
}

std::vector<int> PastePersonFromClipboard(TFamTree& window, const QClipboard& clipboard) {
  const QMimeData* data = clipboard.mimeData();
  std::string text;
  if (data != nullptr && data->hasFormat(kGedcomMime)) {
    text = data->data(kGedcomMime).toStdString();
  } else if (data != nullptr && data->hasText()) {
    // Unicode text from the desktop: marked as UTF-8 unless the text names its own set.
    text = core::MarkedAsUtf8(data->text().toStdString());
  }
  window.CommitPendingEdit();
  store::ReadSteps steps = core::CoreReadSteps();
  reports::LinkCheckSession session;
  steps.check_links = [&session](store::RecordStore& tree) {
    (void)reports::CheckLinks(tree, session);
  };
  const core::PasteResult pasted = core::PastePersonText(window.store(), text, steps);
  if (!pasted.pasted) {
    window.ui().Message(" *** Nothing Pasted *** ",
                        pasted.error +
                            "\nCopy a person, or GEDCOM text with an individual "
                            "record, first.",
                        platform::Icon::kExclamation);
    return {};
  }
  window.TreeEdited();
  window.ShowIndividual(pasted.people.front());
  return pasted.people;
}

void AddEntryCommands(TFamTree& window) {
  MainCommands& commands = window.commands();
  commands.AddSeparator(kEdit);
  commands.Add(kEdit,
               {"actCopyPerson", QStringLiteral("C&opy Person"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
                QStringLiteral("Put the person shown, with events, notes and sources, on the "
                               "clipboard for another tree")},
               [&window] {
                 window.CommitPendingEdit();
                 CopyPersonToClipboard(window, window.shown().individual,
                                       *QApplication::clipboard());
               });
  commands.Add(kEdit,
               {"actPastePerson", QStringLiteral("Pas&te Person"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V),
                QStringLiteral("Add the person on the clipboard (or any GEDCOM text) to this "
                               "tree")},
               [&window] { PastePersonFromClipboard(window, *QApplication::clipboard()); });
  commands.AddSeparator(kTools);
  commands.Add(kTools,
               {"actAutoEntry", QStringLiteral("Automatic &Entry..."),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E),
                QStringLiteral("Make people from lines of text such as "
                               "\"John Smith b. 1850 Leeds d. 1920\"")},
               [&window] { ShowAutoEntry(window); });
  commands.Add(kTools,
               {"actAddressBook", QStringLiteral("&Address Book..."),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
                QStringLiteral("Researchers, archives and relatives to write to")},
               [&window] { ShowAddressBook(window); });
}

}  // namespace kinloom::ui
