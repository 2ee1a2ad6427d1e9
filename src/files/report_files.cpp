#include "files/report_files.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/queries.h"
#include "files/data_folders.h"
#include "reports/lists.h"

namespace kinloom::files {
namespace {

// Saved reports that already carry a number are passed over, but not without end.
constexpr int kMostNamesTaken = 100000;

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

Status WriteReport(platform::FileSystem& file_system, const std::string& path,
                   const reports::TextReport& report) {
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  status = file->Append(reports::ReportFileBytes(report));
  if (!status.ok()) return status;
  return file->Commit();
}

}  // namespace

void ReportFileCounter::Set(int value) {
  settings_.report_file_counter = value;
  settings_.sources_changed = true;
}

std::string AncestorsFileName(int individual, int counter) {
  return Printf("Ancestors_%06d_%d.txt", individual, counter);
}

std::string DescendantsFileName(int individual, int counter) {
  return Printf("Descendants_%06d_%d.txt", individual, counter);
}

std::string RelationshipFileName(int person1, int person2, int counter) {
  return Printf("Relationship_%06d_%06d_%d.txt", person1, person2, counter);
}

std::string MyFilesQuestionTail(std::string_view my_files) {
  return "This file is saved in the \"My_Files\" directory.\n" + std::string(my_files) +
         "\n\nTo view the \"My_Files\" directory:\n"
         "1. First:  Close this \"Reports\" window.\n"
         "2. Next:  Select \"Folders\" on the main display window.\n"
         "3. Last:  Select \"My Files\" on the \"Open Folder\" window.\n"
         "\n"
         "Do you want to proceed?";
}

SavedReport SaveTextReport(ReportSaveContext& context, const ReportSaveQuestion& question,
                           const std::function<reports::TextReport()>& produce) {
  ReportFileCounter counter(context.settings);
  int number = counter.value();
  std::string name = question.file_name(number);
  for (int taken = 0; taken < kMostNamesTaken && FileExists(JoinPath(context.my_files, name));
       ++taken) {
    name = question.file_name(++number);
  }
  SavedReport saved{SaveOutcome::kDeclined, JoinPath(context.my_files, name)};
  const platform::Answer answer = context.ui.Ask(
      question.caption, question.text(name), platform::Icon::kQuestion, platform::Buttons::kYesNo);
  if (answer != platform::Answer::kYes) return saved;
  std::error_code ignored;
  std::filesystem::create_directories(context.my_files, ignored);
  const Status written = WriteReport(context.file_system, saved.path, produce());
  if (!written.ok()) {
    // The cause, without the file name the file system may have put before it.
    std::string_view cause = written.message();
    if (const std::string named = saved.path + ": "; cause.substr(0, named.size()) == named) {
      cause.remove_prefix(named.size());
    }
    context.ui.Message(
        kReportNotSavedCaption,
        "The report file could not be created:\n" + saved.path + "\n" + std::string(cause),
        platform::Icon::kExclamation);
    saved.outcome = SaveOutcome::kFailed;
    return saved;
  }
  counter.Set(number + 1);
  saved.outcome = SaveOutcome::kSaved;
  return saved;
}

namespace {

// The question of the ancestor and descendant lists.
std::string ListQuestion(std::string_view kind, std::string_view label, std::string_view name,
                         std::string_view my_files) {
  return "This creates " + std::string(kind) + " list file for:\n" + std::string(label) +
         "\n\nNew file name:  " + std::string(name) + "\n\n" + MyFilesQuestionTail(my_files);
}

SavedReport SaveList(ReportSaveContext& context, const store::RecordStore& store, int individual,
                     bool ancestors, int generations, const std::string& report_date) {
  const std::string label = core::PersonLabel(store, individual);
  ReportSaveQuestion question{ancestors ? " Copy Ancestors List to Computer File "
                                        : " Copy Descendants List to Computer File ",
                              [=](int counter) {
                                return ancestors ? AncestorsFileName(individual, counter)
                                                 : DescendantsFileName(individual, counter);
                              },
                              [&](std::string_view name) {
                                return ListQuestion(ancestors ? "an ancestors" : "an descendants",
                                                    label, name, context.my_files);
                              }};
  return SaveTextReport(context, question, [&] {
    const reports::ReportJob job = ancestors
                                       ? reports::AncestorListJob(store, individual, generations)
                                       : reports::DescendantListJob(store, individual, generations);
    return reports::TextReport{reports::ReportTextLines(job, report_date), true};
  });
}

}  // namespace

SavedReport OfferDroppedLinesReport(ReportSaveContext& context,
                                    const store::DroppedLines& dropped) {
  const std::string summary = store::DroppedSummary(dropped);
  ReportSaveQuestion question{
      std::string(kNotCarriedOverCaption),
      [](int counter) { return Printf("NotCarriedOver_%d.txt", counter); },
      [&](std::string_view name) {
        return summary +
               "\n\nThe full list, record by record, can be saved in the \"My_Files\" "
               "directory:\n" +
               context.my_files + "\n\nNew file name:  " + std::string(name) +
               "\n\nDo you want to save the list?";
      }};
  return SaveTextReport(context, question, [&] {
    return reports::TextReport{store::DroppedLinesReport(dropped), true, true};
  });
}

SavedReport SaveAncestorList(ReportSaveContext& context, const store::RecordStore& store,
                             int individual, int generations, const std::string& report_date) {
  return SaveList(context, store, individual, true, generations, report_date);
}

SavedReport SaveDescendantList(ReportSaveContext& context, const store::RecordStore& store,
                               int individual, int generations, const std::string& report_date) {
  return SaveList(context, store, individual, false, generations, report_date);
}

SavedReport SaveRelationship(ReportSaveContext& context,
                             const reports::Relationship& relationship) {
  const reports::Relationship& r = relationship;
  ReportSaveQuestion question{
      " Copy Relationship List to Computer File ",
      [&](int counter) { return RelationshipFileName(r.person1, r.person2, counter); },
      [&](std::string_view name) {
        return "This creates a relationship list file in the \"My Files\" directory\nfor:   " +
               r.label1 + "\nand:  " + r.label2 + " \n\nNew file name:  " + std::string(name) +
               "\n" + MyFilesQuestionTail(context.my_files);
      }};
  return SaveTextReport(context, question, [&] { return reports::RelationshipText(r); });
}

}  // namespace kinloom::files
