#include "reports/todo_output.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "reports/todo_lists.h"
#include "store/names.h"

namespace kinloom::reports {

namespace {

// An RTF document with nothing in it: a word processor opens it as an empty page, where a file
// of no bytes may be refused.
constexpr std::string_view kEmptyRtf =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier;}}\\f0\\fs20\\par}\r\n";
constexpr std::string_view kDescriptionIndent = "      ";

}  // namespace

std::vector<std::string> ToDoListLines(const store::RecordStore& store, int list) {
  std::vector<std::string> lines = {"To Do: " + std::string(ToDoTabName(list)), ""};
  for (int n : ListMembers(store, list)) {
    const store::IndividualRecord& record = *store.individual(n);
    lines.push_back((IsListTicked(record, list) ? "* " : "  ") + store::IndexName(store, n));
    if (list == kMyToDoList && !record.todoText.view().empty()) {
      lines.push_back(std::string(kDescriptionIndent) + record.todoText.str());
    }
  }
  lines.push_back("");
  lines.push_back(CountsText(CountList(store, list)));
  return lines;
}

std::string ToDoFileName(int list, int report_file_counter) {
  return "ToDo_" + std::string(ToDoTabName(list)) + "_" + std::to_string(report_file_counter) +
         ".txt";
}

std::string ToDoSaveQuestionStart(int list, std::string_view file_name) {
  return "This creates a To Do list file in the \"My Files\" directory\nfor the:   " +
         std::string(ToDoTabName(list)) + " list \n\nNew file name:  " + std::string(file_name);
}

std::string ToDoPrintHeading(int list) {
  return "To Do: " + std::string(ToDoTabName(list));
}

Status EnsureToDoMemo(platform::FileSystem& file_system, const std::string& folder,
                      std::string* path) {
  *path = folder + "/" + std::string(kToDoMemoName);
  std::error_code error;
  if (std::filesystem::exists(*path, error)) return Status::Ok();
  if (error) return Status::IoError("The memo file " + *path + " cannot be reached.");
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(*path, &file);
  if (status.ok()) status = file->Append(kEmptyRtf);
  if (status.ok()) status = file->Commit();
  if (!status.ok()) {
    return Status::IoError("The memo file " + *path + " could not be made: " + status.message());
  }
  return Status::Ok();
}

}  // namespace kinloom::reports
