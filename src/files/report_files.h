#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "files/program_settings.h"
#include "platform/file_io.h"
#include "platform/interaction.h"
#include "reports/relationship.h"
#include "reports/report_text.h"
#include "store/dropped_lines.h"
#include "store/record_store.h"

namespace kinloom::files {

// The number appended to the name of every saved report, kept with the program's settings in
// "sources.web". It goes up by one with every report saved.
class ReportFileCounter {
 public:
  explicit ReportFileCounter(ProgramSettings& settings) : settings_(settings) {}
  int value() const { return settings_.report_file_counter; }
  // The next save uses `value`; the settings are then due to be written.
  void Set(int value);
  void Advance() { Set(value() + 1); }

 private:
  ProgramSettings& settings_;
};

// "Ancestors_%06d_%d.txt", "Descendants_%06d_%d.txt" and "Relationship_%06d_%06d_%d.txt".
std::string AncestorsFileName(int individual, int counter);
std::string DescendantsFileName(int individual, int counter);
std::string RelationshipFileName(int person1, int person2, int counter);

// The closing lines of every save question: where the file goes, how to find the folder, and
// "Do you want to proceed?".
std::string MyFilesQuestionTail(std::string_view my_files);

// Everything saving a report needs: the questions, the file writing, the "My Files" folder and
// the settings that hold the counter.
struct ReportSaveContext {
  platform::Interaction& ui;
  platform::FileSystem& file_system;
  std::string my_files;
  ProgramSettings& settings;
};

// One kind of saved report: the caption of its question, its file name for a counter value,
// and its question for a file name.
struct ReportSaveQuestion {
  std::string caption;
  std::function<std::string(int counter)> file_name;
  std::function<std::string(std::string_view file_name)> text;
};

enum class SaveOutcome { kSaved, kDeclined, kFailed };

struct SavedReport {
  SaveOutcome outcome = SaveOutcome::kDeclined;
  std::string path;  // the file written or attempted
};

// Saves a report in the "My Files" folder. The file is named with the counter; a name already
// taken by an earlier report moves the counter on, so no saved report is ever replaced. The
// question names the file; on Yes the report is made and written as UTF-8 with CR LF line ends
// through a temporary file, and the counter goes up. A file that cannot be written is reported
// with its name and the cause, and the counter stays where it was.
[[nodiscard]] SavedReport SaveTextReport(ReportSaveContext& context,
                                         const ReportSaveQuestion& question,
                                         const std::function<reports::TextReport()>& produce);

inline constexpr std::string_view kReportNotSavedCaption = "*** Warning ***";

inline constexpr std::string_view kNotCarriedOverCaption = " Not Carried Over ";

// After an import or merge that dropped or changed lines: the summary, and on Yes the full
// list, record by record, saved in "My Files" as "NotCarriedOver_<counter>.txt".
[[nodiscard]] SavedReport OfferDroppedLinesReport(ReportSaveContext& context,
                                                  const store::DroppedLines& dropped);

// The saves of the reports window and the relationship calculator, each with its question:
// the ancestor and descendant lists of `individual` (the list's generation limit as its
// up-down gives it) and a relationship that was found.
[[nodiscard]] SavedReport SaveAncestorList(ReportSaveContext& context,
                                           const store::RecordStore& store, int individual,
                                           int generations, const std::string& report_date);
[[nodiscard]] SavedReport SaveDescendantList(ReportSaveContext& context,
                                             const store::RecordStore& store, int individual,
                                             int generations, const std::string& report_date);
[[nodiscard]] SavedReport SaveRelationship(ReportSaveContext& context,
                                           const reports::Relationship& relationship);

}  // namespace kinloom::files
