#pragma once

#include <QString>
#include <string>
#include <vector>

class QClipboard;

namespace kinloom::ui {

class TFamTree;

// The menu entries of the address book, the clipboard of individuals and automatic entry.
void AddEntryCommands(TFamTree& window);

// Puts the person on the clipboard as GEDCOM text (text/plain and application/x-gedcom).
// False when there is no such person.
bool CopyPersonToClipboard(TFamTree& window, int individual, QClipboard& clipboard);
// Adds the people of the clipboard's GEDCOM text to the tree and shows the first; a text that
// holds no one is reported and changes nothing. The pasted people, first one first.
std::vector<int> PastePersonFromClipboard(TFamTree& window, const QClipboard& clipboard);

// The address book file of the window's tree.
std::string AddressBookPath(TFamTree& window);

}  // namespace kinloom::ui
