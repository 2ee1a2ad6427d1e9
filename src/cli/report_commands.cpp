#include "cli/report_commands.h"

#include <charconv>
#include <memory>

#include "cli/commands.h"
#include "cli/report_pdf.h"
#include "core/queries.h"
#include "files/data_folders.h"
#include "files/search_sources.h"
#include "platform/file_io.h"
#include "reports/lists.h"
#include "reports/page_header.h"
#include "reports/relationship.h"
#include "reports/report_text.h"

namespace kinloom::cli {
namespace {

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// The individual or family named on the command line, or 0 with a message when there is none.
int ExistingRecord(Context& c, const std::string& text, bool family) {
  int id = 0;
  const bool exists = ParseNumber(text, &id) && id > 0 &&
                      (family ? c.tree.family(id) != nullptr : c.tree.individual(id) != nullptr);
  if (!exists) {
    c.err << "kinloom-cli: no " << (family ? "family " : "individual ") << text << "\n";
    return 0;
  }
  return id;
}

// Today in the report date format of the data home's settings (European without them).
std::string ReportDateOf(Context& c) {
  files::ProgramSettings settings;
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  if (!home.empty()) {
    (void)files::ReadSourcesWeb(files::SourcesFile(files::DataFoldersAt(home, "")), &settings);
  }
  return reports::ReportDate(c.ui.clock().Now(), settings.date_display());
}

int WriteText(Context& c, const std::string& path, const reports::TextReport& report) {
  platform::LocalFileSystem file_system;
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (status.ok()) status = file->Append(reports::ReportFileBytes(report));
  if (status.ok()) status = file->Commit();
  if (!status.ok()) {
    c.ui.Message("*** Critical Error ***", "The file could not be saved:\n" + status.message(),
                 platform::Icon::kStop);
    return kExitCannotWrite;
  }
  return kExitOk;
}

struct ReportOptions {
  std::vector<std::string> positional;  // after the kind
  int generations = reports::kListGenerationsDefault;
  std::string text_path;
  std::string pdf_path;
};

// Reads the options after the kind; false with a usage message.
bool ParseOptions(Context& c, const std::vector<std::string>& args, ReportOptions* options,
                  int* status) {
  for (size_t i = 2; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--generations") {
      if (!has_value || !ParseNumber(args[i + 1], &options->generations) ||
          options->generations < reports::kListGenerationsMin ||
          options->generations > reports::kListGenerationsMax) {
        *status = UsageError(c, "--generations takes a number from 2 to 30");
        return false;
      }
      ++i;
    } else if ((args[i] == "--text" || args[i] == "--pdf") && has_value) {
      std::string& path = args[i] == "--text" ? options->text_path : options->pdf_path;
      path = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      *status = UsageError(c, "unknown report option '" + args[i] + "'");
      return false;
    } else {
      options->positional.push_back(args[i]);
    }
  }
  return true;
}

int ListReport(Context& c, bool ancestors, const ReportOptions& options) {
  if (options.positional.size() != 2) return UsageError(c, "a list takes a tree and a person");
  if (int status = ReadInput(c, options.positional[0], nullptr); status != kExitOk) return status;
  const int root = ExistingRecord(c, options.positional[1], false);
  if (root == 0) return kExitBadInput;
  const std::string date = ReportDateOf(c);
  const reports::ReportJob job =
      ancestors ? reports::AncestorListJob(c.tree, root, options.generations)
                : reports::DescendantListJob(c.tree, root, options.generations);
  const reports::TextReport text{reports::ReportTextLines(job, date), true};
  if (options.text_path.empty() && options.pdf_path.empty()) {
    c.out << reports::ReportTerminalText(text);
    return kExitOk;
  }
  if (!options.text_path.empty()) {
    if (int status = WriteText(c, options.text_path, text); status != kExitOk) return status;
  }
  if (options.pdf_path.empty()) return kExitOk;
  return WriteReportPdf(c, PdfRequest{options.pdf_path, "", 0, job}, date);
}

int FormReport(Context& c, const std::string& form, const ReportOptions& options) {
  if (options.pdf_path.empty() || !options.text_path.empty()) {
    return UsageError(c, "the " + form + " form is written with --pdf OUT.pdf");
  }
  const bool blank = form == "blank-family";
  const size_t wanted = blank ? 0 : form == "sources" ? 1 : 2;
  if (options.positional.size() != wanted) return UsageError(c, "wrong arguments for " + form);
  int record = 0;
  if (!blank) {
    if (int status = ReadInput(c, options.positional[0], nullptr); status != kExitOk) {
      return status;
    }
    if (wanted == 2) {
      record = ExistingRecord(c, options.positional[1], form == "family");
      if (record == 0) return kExitBadInput;
    }
  }
  return WriteReportPdf(c, PdfRequest{options.pdf_path, form, record, {}}, ReportDateOf(c));
}

}  // namespace

int Report(Context& c, const std::vector<std::string>& args) {
  if (args.size() < 2) return UsageError(c, "report needs a kind");
  ReportOptions options;
  int status = kExitOk;
  if (!ParseOptions(c, args, &options, &status)) return status;
  const std::string& kind = args[1];
  if (kind == "ancestors" || kind == "descendants") {
    return ListReport(c, kind == "ancestors", options);
  }
  if (kind == "family" || kind == "pedigree" || kind == "person" || kind == "sources" ||
      kind == "blank-family") {
    return FormReport(c, kind, options);
  }
  return UsageError(c, "unknown report '" + kind + "'");
}

int RelationshipCommand(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 4) return UsageError(c, "relationship takes a tree and two people");
  if (int status = ReadInput(c, args[1], nullptr); status != kExitOk) return status;
  const int one = ExistingRecord(c, args[2], false);
  const int two = one == 0 ? 0 : ExistingRecord(c, args[3], false);
  if (one == 0 || two == 0) return kExitBadInput;
  const reports::Relationship r = reports::FindRelationship(c.tree, one, two);
  reports::TextReport lines;
  lines.lines = {"relation1: " + r.relation1, "relation2: " + r.relation2, "memo: " + r.memo};
  for (const reports::RelateRow& row : r.rows) {
    if (!row.column0.empty() || !row.column1.empty()) {
      lines.lines.push_back("line: " + row.column0 + "|" + row.column1);
    }
  }
  c.out << reports::ReportTerminalText(lines);
  return kExitOk;
}

}  // namespace kinloom::cli
