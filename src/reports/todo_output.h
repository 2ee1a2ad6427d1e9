#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/status.h"
#include "store/record_store.h"

namespace kinloom::reports {

// What the information explorer saves, prints and opens beside its lists.

// The text of a list as it is saved in "My Files" and printed: the title "To Do: " and the tab
// name, an empty line, one line per member in the list's order ("* " before a ticked member's
// index label, two blanks before any other), and after an empty line the "%i of %i checked"
// counts. On the user's own list each description follows its member, indented, when it has
// one.
std::vector<std::string> ToDoListLines(const store::RecordStore& store, int list);

// "ToDo_%s_%i.txt" with the tab name and the report file counter.
std::string ToDoFileName(int list, int report_file_counter);
// The opening of the save question, up to the file name; the shared lines about the "My_Files"
// folder and "Do you want to proceed?" follow it.
std::string ToDoSaveQuestionStart(int list, std::string_view file_name);
// The caption of the save question.
inline constexpr std::string_view kToDoSaveCaption = " Copy To Do List to Computer File ";
// The printed page's heading, "To Do: %s" with the tab name; the footer is "%s -- Page: %i".
std::string ToDoPrintHeading(int list);
inline constexpr std::string_view kToDoPrintFont = "Courier";

// The memo file beside the tree, opened in the desktop's program for RTF files.
inline constexpr std::string_view kToDoMemoName = "ToDoMemo.rtf";
// The memo's path in `folder` (the tree's folder). When no file of that name exists, an empty
// RTF document is written there first; an existing memo is never touched. Fails with a message
// naming the file when it cannot be written.
Status EnsureToDoMemo(platform::FileSystem& file_system, const std::string& folder,
                      std::string* path);

}  // namespace kinloom::reports
