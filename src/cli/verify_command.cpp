#include "cli/verify_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/commands.h"
#include "core/dates.h"
#include "files/data_folders.h"
#include "files/search_sources.h"
#include "files/tree_files.h"
#include "platform/file_io.h"
#include "reports/problems_file.h"
#include "reports/verifier.h"
#include "store/charsets.h"
#include "store/line_conversion.h"

namespace kinloom::cli {
namespace {

struct VerifyRequest {
  std::string tree;
  reports::VerifyOptions options;
  std::vector<int> off;
  std::vector<std::pair<int, int>> set;
  bool save = false;
};

bool ParseNumber(std::string_view text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// "N,M,..." or "N=VALUE,...": every item must read.
template <typename Item>
bool ParseList(std::string_view text, std::vector<Item>* items,
               bool (*parse)(std::string_view, Item*)) {
  while (!text.empty()) {
    const size_t comma = text.find(',');
    Item item;
    if (!parse(text.substr(0, comma), &item)) return false;
    items->push_back(item);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return !items->empty();
}

bool ParseError(std::string_view text, int* error) {
  return ParseNumber(text, error) && *error >= 1 && *error <= reports::kVerifierErrors;
}

bool ParseSetting(std::string_view text, std::pair<int, int>* setting) {
  const size_t equals = text.find('=');
  return equals != std::string_view::npos && ParseError(text.substr(0, equals), &setting->first) &&
         ParseNumber(text.substr(equals + 1), &setting->second);
}

int ParseRequest(Context& c, const std::vector<std::string>& args, VerifyRequest* r) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--complete") {
      r->options.complete = true;
    } else if (a == "--ignore-before-1600") {
      r->options.ignore_before_1600 = true;
    } else if (a == "--save") {
      r->save = true;
    } else if (a == "--off") {
      if (!has_value || !ParseList<int>(args[++i], &r->off, ParseError)) {
        return UsageError(c, "--off takes error numbers 1 to 37, as N,M,...");
      }
    } else if (a == "--set") {
      if (!has_value || !ParseList<std::pair<int, int>>(args[++i], &r->set, ParseSetting)) {
        return UsageError(c, "--set takes N=VALUE,... with error numbers 1 to 37");
      }
    } else if (r->tree.empty() && !a.starts_with("--")) {
      r->tree = a;
    } else {
      return UsageError(c, "unknown verify option '" + a + "'");
    }
  }
  if (r->tree.empty()) return UsageError(c, "verify takes a tree");
  return kExitOk;
}

reports::CapitalsCheck* CapitalsGroup(reports::VerifierSettings& s, int error) {
  if (error <= 2) return &s.given_name_capitals;
  if (error <= 4) return &s.surname_capitals;
  return &s.date_capitals;
}

// Applies --off and --set: a capitalization error (1 to 6) names its group, whose choice --set
// gives (0 all capitals, 1 some lower case, 2 ignore) and --off turns to ignore; the other
// errors name their check box and, for --set, their threshold.
int ApplyChanges(Context& c, const VerifyRequest& r, reports::VerifierSettings& s) {
  for (int error : r.off) {
    if (error < reports::VerifierSettings::kFirstCheckedError) {
      *CapitalsGroup(s, error) = reports::CapitalsCheck::kIgnore;
    } else {
      s.set_check(error, false);
    }
  }
  for (const auto& [error, value] : r.set) {
    if (error < reports::VerifierSettings::kFirstCheckedError) {
      if (value < 0 || value > 2) return UsageError(c, "--set of errors 1 to 6 takes 0, 1 or 2");
      *CapitalsGroup(s, error) = static_cast<reports::CapitalsCheck>(value);
      continue;
    }
    const reports::ThresholdSetting* t = reports::ThresholdOf(error);
    if (t == nullptr) {
      return UsageError(c, "error " + std::to_string(error) + " has no setting");
    }
    if (value < t->low || value > t->high) {
      return UsageError(c, "--set " + std::to_string(error) + " takes " + std::to_string(t->low) +
                               " to " + std::to_string(t->high));
    }
    s.*t->member = value;
  }
  return kExitOk;
}

std::string TreeName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return files::WithoutGedExtension(slash == std::string::npos ? path : path.substr(slash + 1));
}

// Writes the problems file into "My Files" with the report file counter and counts it on in
// "sources.web". Returns the file's name, or empty after reporting why it could not be saved.
std::string SaveProblemsFile(Context& c, const files::DataFolders& folders,
                             files::ProgramSettings& program, bool settings_readable,
                             const reports::ProblemList& list, const std::string& tree) {
  const std::string name = reports::ProblemsFileName(tree, program.report_file_counter);
  const std::string date = core::FormatLongDate(c.ui.clock().Now(), program.date_display());
  // The tree's name comes from the file system in UTF-8; the list's texts are in the tree's set.
  std::string tree_text = tree;
  store::DecodeUtf8(tree_text, 0);
  std::string text;
  for (const std::string& line : reports::ProblemsFileLines(list, tree_text, date)) {
    text += store::InternalToUtf8(line) + "\r\n";
  }
  platform::LocalFileSystem file_system;
  std::unique_ptr<platform::WritableFile> file;
  Status written = files::MakeDataFolders(folders);
  if (written.ok())
    written = file_system.NewWritableFile(files::JoinPath(folders.my_files, name), &file);
  if (written.ok()) written = file->Append(text);
  if (written.ok()) written = file->Commit();
  if (!written.ok()) {
    c.err << "kinloom-cli: cannot write " << name << ": " << written.message() << "\n";
    return {};
  }
  if (!settings_readable) {
    c.err << "kinloom-cli: " << files::kSourcesFileName
          << " cannot be read; the report file counter stays as it was\n";
    return name;
  }
  ++program.report_file_counter;
  if (Status saved = files::SaveSourcesWeb(file_system, files::SourcesFile(folders), &program);
      !saved.ok()) {
    c.err << "kinloom-cli: cannot write " << files::kSourcesFileName << ": " << saved.message()
          << "\n";
  }
  return name;
}

void PrintProblems(Context& c, const reports::ProblemList& list) {
  const auto& descriptions = list.descriptions();
  for (const std::string& line : reports::SummaryLines(list.counts(), list.total(), descriptions)) {
    c.out << line << "\n";
  }
  for (size_t i = 0; i < list.size(); ++i) {
    const reports::ProblemRow& row = list.row(i);
    const std::string event(list.Event(row));
    std::string line(event.size() + 48, '\0');
    const int length =
        std::snprintf(line.data(), line.size(), "%4i %6i %c %-16s ", static_cast<int>(i + 1),
                      row.record, row.skip ? 'x' : ' ', event.c_str());
    line.resize(static_cast<size_t>(std::max(length, 0)));
    char tail[16];
    std::snprintf(tail, sizeof tail, " [E%02i]", row.error);
    c.out << line << list.Description(row) << tail << "\n";
  }
}

}  // namespace

int Verify(Context& c, const std::vector<std::string>& args) {
  VerifyRequest request;
  if (int status = ParseRequest(c, args, &request); status != kExitOk) return status;
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  const files::DataFolders folders =
      files::DataFoldersAt(home, files::FindSystemFolder(c.system_candidates));
  files::ProgramSettings program;
  const files::SourcesReadResult read =
      files::ReadSourcesWeb(files::SourcesFile(folders), &program);
  if (read == files::SourcesReadResult::kUnreadable) {
    c.err << "kinloom-cli: " << files::kSourcesFileName << " cannot be read; the kept settings "
          << "are used\n";
  }
  reports::VerifierSettings& settings = request.options.settings;
  if (read == files::SourcesReadResult::kRead) {
    settings = program.verifier;
  } else {
    settings = reports::VerifierSettings::KeptDefaults();
    settings.checks = reports::VerifierSettings::kAllChecks;
  }
  if (int status = ApplyChanges(c, request, settings); status != kExitOk) return status;
  if (int status = ReadInput(c, request.tree, nullptr, false); status != kExitOk) return status;

  reports::ProblemList list;
  reports::RunVerifier(c.tree, request.options, &list);
  PrintProblems(c, list);
  if (!request.save) return kExitOk;
  const std::string name =
      SaveProblemsFile(c, folders, program, read != files::SourcesReadResult::kUnreadable, list,
                       TreeName(ResolveInputPath(c, request.tree)));
  if (name.empty()) return kExitCannotWrite;
  c.out << name << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
