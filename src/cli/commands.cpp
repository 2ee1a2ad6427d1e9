#include "cli/commands.h"

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "cli/context.h"
#include "cli/home_commands.h"
#include "cli/merge_people_command.h"
#include "cli/report_commands.h"
#include "cli/stats_command.h"
#include "cli/terminal_text.h"
#include "cli/todo_command.h"
#include "cli/verify_command.h"
#include "cli/views.h"
#include "cli/wallchart_command.h"
#include "cli/web_command.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "store/gedcom_writer.h"

namespace kinloom::cli {
namespace {

constexpr const char* kUsage =
    "Usage: kinloom-cli COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  info FILE.ged                          read a tree and print its summary\n"
    "  convert IN.ged OUT.ged [--mode N|S|H|B] [--report FILE]\n"
    "                                         read a tree and write it in Kinloom's own format\n"
    "                                         (N whole tree, S split, H hidden details, B both)\n"
    "  outline FILE.ged ID --ancestors|--descendants [--generations N]\n"
    "                                         the ancestor or descendant outline of a person\n"
    "  person FILE.ged ID                     a person's summary, spouses and children, direct\n"
    "                                         line and living state (ID: 12, I12 or @I000012@)\n"
    "  merge TREE.ged OTHER.ged OUT.ged [--report FILE]\n"
    "                                         merge OTHER into TREE and write the result to OUT\n"
    "  merge-people TREE.ged ID1 ID2 OUT.ged [--keep 1|2]\n"
    "                                         merge two records of one person (the first kept\n"
    "                                         unless --keep 2) and write the tree to OUT; the\n"
    "                                         tree's albums, if any, go to OUT's .med\n"
    "  import FILE.ged [--name NAME] [--report FILE]\n"
    "                                         save any GEDCOM file as tree NAME of the data home\n"
    "  trees                                  the trees of the data home\n"
    "  settings TREE                          a tree's web-site settings and the program options\n"
    "  save-copy TREE --split|--hide|--both [--select ID --ancestors|--descendants|\n"
    "            --ancestor-tree|--descendant-tree [--generations N] [--siblings] [--spouses]]\n"
    "                                         write a reduced copy and print its name\n"
    "  web TREE [--html|--php] [--hide-living] [--mode N|S|H|B] [--out DIR]\n"
    "                                         make the tree's web site; print its folder\n"
    "  report ancestors|descendants FILE.ged ID [--generations N] [--text OUT.txt] [--pdf "
    "OUT.pdf]\n"
    "                                         an ancestor or descendant list (N 2-30, default 6)\n"
    "  report family FILE.ged FAMILY-ID --pdf OUT.pdf, report pedigree|person FILE.ged ID --pdf\n"
    "         OUT.pdf, report sources FILE.ged --pdf OUT.pdf, report blank-family --pdf OUT.pdf\n"
    "                                         a printed form as a PDF file\n"
    "  relationship FILE.ged ID1 ID2          the relationship of two people\n"
    "  verify TREE [--complete] [--ignore-before-1600] [--off N,M,...] [--set N=VALUE,...]\n"
    "              [--save]                   list potential problems (--save: into My Files)\n"
    "  stats TREE PAGE [--ancestors ID --generations N [--siblings]]\n"
    "        [--descendants ID --generations N [--spouses]]  a statistics page's grid\n"
    "  todo TREE LIST [--create|--update] [criterion options] OUT.ged\n"
    "                                         build a to-do list, write OUT, print the list\n"
    "  todo TREE LIST                         print a stored to-do list\n"
    "  wallchart TREE ID [--ancestors] [--generations N] [--title TEXT] [--no-places] [--ids]\n"
    "            [--bold-members] [--bold-spouses] [--roman] [--pictures] [--pdf OUT.pdf]\n"
    "                                         save the wall chart of ID (N 2-12, default 6) in\n"
    "                                         My Files; print its file and size in pixels\n"
    "\n"
    "Options: --home DIR  the data home (else $KINLOOM_HOME, else ~/.local/share/kinloom)\n"
    "  --report FILE                          write what the import left out or rewrote to FILE\n"
    "                                         (UTF-8 text); the file read is never changed\n"
    "A tree name of the data home may stand wherever a command takes FILE.ged.\n"
    "  --help                                 show this text\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 input missing or not a GEDCOM file,\n"
    "3 output cannot be written.\n";

}  // namespace

int UsageError(Context& c, const std::string& why) {
  c.err << "kinloom-cli: " << why << "\n\n" << kUsage;
  return kExitUsage;
}

int ReadInput(Context& c, const std::string& path, store::ReadResult* read, bool merge) {
  reports::OpenResult opened =
      reports::ReadTreeChecked(c.tree, ResolveInputPath(c, path), merge, c.links_session);
  c.links_repaired += opened.links.repaired + opened.links.removed;
  store::ReadResult& result = opened.read;
  switch (result.outcome) {
    case store::ReadOutcome::kMissing:
      c.err << "kinloom-cli: cannot read " << path << "\n";
      return kExitBadInput;
    case store::ReadOutcome::kNotGedcom:
    case store::ReadOutcome::kUnreadable:
    case store::ReadOutcome::kTooManyRecords:
      return kExitBadInput;
    case store::ReadOutcome::kRead:
      break;
  }
  if (result.skipped_records > 0) {
    c.ui.Message("*** Warning ***", store::SkippedRecordsText(result.skipped_records),
                 platform::Icon::kExclamation);
  }
  if (!result.own_file || merge) {
    if (std::string summary = store::DroppedSummary(result.dropped); !summary.empty()) {
      c.err << summary << "\n";
    }
  }
  if (read != nullptr) *read = std::move(result);
  return kExitOk;
}

int WriteDroppedReport(Context& c, const std::string& path, const store::DroppedLines& dropped) {
  if (path.empty()) return kExitOk;
  std::string text;
  for (const std::string& line : store::DroppedLinesReport(dropped)) text += line + "\n";
  platform::LocalFileSystem file_system;
  std::unique_ptr<platform::WritableFile> file;
  Status written = file_system.NewWritableFile(path, &file);
  if (written.ok()) written = file->Append(text);
  if (written.ok()) written = file->Commit();
  if (!written.ok()) {
    c.ui.Message("*** Critical Error ***",
                 "The report could not be saved:\n" + path + "\n" + written.message(),
                 platform::Icon::kStop);
    return kExitCannotWrite;
  }
  return kExitOk;
}

bool TakeReportOption(const std::vector<std::string>& args, size_t* i, std::string* report) {
  if (args[*i] != "--report") return false;
  if (*i + 1 < args.size()) *report = args[++*i];
  return true;
}

namespace {

template <typename Exists>
int CountRecords(int highest, Exists exists) {
  int count = 0;
  for (int n = 1; n <= highest; ++n) count += exists(n) ? 1 : 0;
  return count;
}

int Info(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError(c, "info takes one file");
  store::ReadResult result;
  if (int status = ReadInput(c, args[1], &result, false); status != kExitOk) return status;
  const store::RecordStore& t = c.tree;
  c.out << "individuals: "
        << CountRecords(t.highest_individual(), [&](int n) { return t.individual(n); }) << "\n"
        << "families: " << CountRecords(t.highest_family(), [&](int n) { return t.family(n); })
        << "\n"
        << "sources: " << CountRecords(t.highest_source(), [&](int n) { return t.source(n); })
        << "\n"
        << "highest-individual: " << t.highest_individual() << "\n"
        << "highest-family: " << t.highest_family() << "\n"
        << "highest-source: " << t.highest_source() << "\n"
        << "charset: " << store::CharsetName(result.charset) << "\n"
        << "own-file: " << (result.own_file ? "yes" : "no") << "\n"
        << "notes: " << result.notes << "\n"
        << "links-repaired: " << c.links_repaired << "\n"
        << "dropped-lines: " << result.dropped.dropped_count() << "\n";
  return kExitOk;
}

int WriteOutput(Context& c, const std::string& path, store::WriteMode mode) {
  platform::LocalFileSystem file_system;
  Status written = store::WriteTree(c.tree, path, mode, file_system);
  if (!written.ok()) {
    c.ui.Message("*** Critical Error ***", "The file could not be saved:\n" + written.message(),
                 platform::Icon::kStop);
    return kExitCannotWrite;
  }
  return kExitOk;
}

bool ParseMode(const std::string& text, store::WriteMode* mode) {
  if (text.size() != 1) return false;
  switch (text[0]) {
    case 'N':
    case 'S':
    case 'H':
    case 'B':
      *mode = static_cast<store::WriteMode>(text[0]);
      return true;
    default:
      return false;
  }
}

int Convert(Context& c, const std::vector<std::string>& args) {
  store::WriteMode mode = store::WriteMode::kNormal;
  std::vector<std::string> files;
  std::string report;
  for (size_t i = 1; i < args.size(); ++i) {
    if (TakeReportOption(args, &i, &report)) {
      if (report.empty()) return UsageError(c, "--report takes a file");
    } else if (args[i] == "--mode") {
      if (i + 1 >= args.size() || !ParseMode(args[i + 1], &mode)) {
        return UsageError(c, "--mode takes N, S, H or B");
      }
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return UsageError(c, "convert takes an input and an output file");
  store::ReadResult read;
  if (int status = ReadInput(c, files[0], &read, false); status != kExitOk) return status;
  if (int status = WriteDroppedReport(c, report, read.dropped); status != kExitOk) return status;
  return WriteOutput(c, files[1], mode);
}

int Merge(Context& c, const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::string report;
  for (size_t i = 1; i < args.size(); ++i) {
    if (TakeReportOption(args, &i, &report)) {
      if (report.empty()) return UsageError(c, "--report takes a file");
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 3) return UsageError(c, "merge takes a tree, a file to merge and an output");
  if (int status = ReadInput(c, files[0], nullptr, false); status != kExitOk) return status;
  store::ReadResult merged;
  if (int status = ReadInput(c, files[1], &merged, true); status != kExitOk) return status;
  if (int status = WriteDroppedReport(c, report, merged.dropped); status != kExitOk) return status;
  return WriteOutput(c, files[2], store::WriteMode::kNormal);
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& terminal_out,
               std::ostream& terminal_err) {
  TerminalTextBuffer out_buffer(terminal_out);
  TerminalTextBuffer err_buffer(terminal_err);
  std::ostream out(&out_buffer);
  std::ostream err(&err_buffer);
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kUsage;
    return kExitOk;
  }
  Context c(out, err);
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--home" && i + 1 < args.size()) {
      c.home_option = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  c.system_candidates = {KINLOOM_SOURCE_SYSTEM};
  if (rest.empty()) return UsageError(c, "no command");
  return RunWithContext(c, rest);
}

int RunWithContext(Context& c, const std::vector<std::string>& args) {
  if (args[0] == "info") return Info(c, args);
  if (args[0] == "convert") return Convert(c, args);
  if (args[0] == "outline") return Outline(c, args);
  if (args[0] == "person") return Person(c, args);
  if (args[0] == "merge") return Merge(c, args);
  if (args[0] == "merge-people") return MergePeople(c, args);
  if (args[0] == "import") return Import(c, args);
  if (args[0] == "trees") return Trees(c, args);
  if (args[0] == "settings") return Settings(c, args);
  if (args[0] == "save-copy") return SaveCopy(c, args);
  if (args[0] == "web") return Web(c, args);
  if (args[0] == "report") return Report(c, args);
  if (args[0] == "relationship") return RelationshipCommand(c, args);
  if (args[0] == "verify") return Verify(c, args);
  if (args[0] == "stats") return Stats(c, args);
  if (args[0] == "todo") return ToDo(c, args);
  if (args[0] == "wallchart") return WallChart(c, args);
  return UsageError(c, "unknown command '" + args[0] + "'");
}

}  // namespace kinloom::cli
