#include "cli/todo_command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <set>

#include "cli/commands.h"
#include "cli/stats_command.h"
#include "core/dates.h"
#include "files/album_file.h"
#include "platform/file_io.h"
#include "reports/todo_criteria.h"
#include "store/gedcom_writer.h"
#include "store/names.h"

namespace kinloom::cli {
namespace {

using reports::ToDoList;

// The command line's list names; "my-todo" (the user's own list) can only be shown.
constexpr std::array<std::string_view, reports::kToDoListCount> kListNames = {
    "my-todo",    "no-parents", "missing-info", "modified",    "ancestors",   "birth-date",
    "death-date", "surname",    "descendants",  "birth-place", "death-place", "source"};

// The lists each criterion option belongs to.
const std::map<std::string, std::set<int>>& OptionLists() {
  static const std::map<std::string, std::set<int>> kLists = {
      {"--one-parent", {reports::kNoParentsList}},
      {"--missing", {reports::kMissingInfoList}},
      {"--from", {reports::kModifiedDateList, reports::kBirthDateList, reports::kDeathDateList}},
      {"--to", {reports::kModifiedDateList, reports::kBirthDateList, reports::kDeathDateList}},
      {"--person", {reports::kAncestorsList, reports::kDescendantsList}},
      {"--text", {reports::kSurnameList, reports::kBirthPlaceList, reports::kDeathPlaceList}},
      {"--source", {reports::kSourceList}},
  };
  return kLists;
}

struct ToDoRequest {
  std::string tree;
  int list = -1;
  std::string out;
  reports::ToDoBuild build = reports::ToDoBuild::kCreate;
  bool build_named = false;
  std::map<std::string, std::string> options;  // criterion option -> value ("" for a flag)
};

int ListNumber(std::string_view name) {
  const auto found = std::find(kListNames.begin(), kListNames.end(), name);
  return found == kListNames.end() ? -1 : static_cast<int>(found - kListNames.begin());
}

// Reads the arguments; a message (empty when they are sound).
std::string ParseRequest(const std::vector<std::string>& args, ToDoRequest* r) {
  std::vector<std::string> positional;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--create" || option == "--update") {
      r->build = option == "--create" ? reports::ToDoBuild::kCreate : reports::ToDoBuild::kUpdate;
      r->build_named = true;
    } else if (option == "--one-parent") {
      r->options[option] = "";
    } else if (OptionLists().count(option) != 0) {
      if (i + 1 >= args.size()) return option + " takes a value";
      r->options[option] = args[++i];
    } else if (option.starts_with("--")) {
      return "unknown todo option '" + option + "'";
    } else {
      positional.push_back(option);
    }
  }
  if (positional.size() < 2 || positional.size() > 3) {
    return "todo takes a tree, a list and, to build it, an output file";
  }
  r->tree = positional[0];
  r->list = ListNumber(positional[1]);
  if (r->list < 0) {
    std::string lists;
    for (std::string_view name : kListNames) lists += " " + std::string(name);
    return "unknown list '" + positional[1] + "' (lists:" + lists + ")";
  }
  if (positional.size() == 3) r->out = positional[2];
  if (r->out.empty()) {
    if (r->build_named || !r->options.empty()) return "building a list needs an output file";
    return {};
  }
  if (r->list == reports::kMyToDoList) return "my-todo is the user's own list and is not built";
  for (const auto& [option, value] : r->options) {
    if (OptionLists().at(option).count(r->list) == 0) {
      return option + " does not belong to the " + positional[1] + " list";
    }
  }
  return {};
}

bool ParseMissing(const std::string& text, reports::MissingInfoBoxes* boxes) {
  const std::map<std::string_view, bool reports::MissingInfoBoxes::*> kBoxes = {
      {"birth", &reports::MissingInfoBoxes::birth_date},
      {"death", &reports::MissingInfoBoxes::death_date},
      {"given", &reports::MissingInfoBoxes::given_name},
      {"birth-place", &reports::MissingInfoBoxes::birth_place},
      {"death-place", &reports::MissingInfoBoxes::death_place},
      {"surname", &reports::MissingInfoBoxes::last_and_title}};
  std::string_view rest = text;
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const auto box = kBoxes.find(rest.substr(0, comma));
    if (box == kBoxes.end()) return false;
    boxes->*(box->second) = true;
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return !text.empty();
}

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value > 0;
}

// The criterion fields of the request's list; a message when an option is missing or wrong.
std::string FillFields(const ToDoRequest& r, reports::ToDoFields* fields) {
  auto value = [&r](const char* option) -> std::optional<std::string> {
    const auto found = r.options.find(option);
    if (found == r.options.end()) return std::nullopt;
    return found->second;
  };
  switch (r.list) {
    case reports::kNoParentsList:
      fields->one_or_no_parent = value("--one-parent").has_value();
      return {};
    case reports::kMissingInfoList:
      if (!value("--missing") || !ParseMissing(*value("--missing"), &fields->missing)) {
        return "--missing takes birth,death,given,birth-place,death-place,surname";
      }
      return {};
    case reports::kModifiedDateList:
    case reports::kBirthDateList:
    case reports::kDeathDateList: {
      reports::ToDoDateRange* range = r.list == reports::kModifiedDateList ? &fields->modified
                                      : r.list == reports::kBirthDateList  ? &fields->birth
                                                                           : &fields->death;
      for (const char* option : {"--from", "--to"}) {
        if (!value(option)) return std::string("the date list needs ") + option;
        if (!core::ReadDate(*value(option)).ok)
          return "cannot read the date '" + *value(option) + "'";
      }
      *range = {*value("--from"), *value("--to")};
      return {};
    }
    case reports::kAncestorsList:
    case reports::kDescendantsList: {
      int& person =
          r.list == reports::kAncestorsList ? fields->ancestors_of : fields->descendants_of;
      if (!value("--person") || !ParseNumber(*value("--person"), &person)) {
        return "--person takes an individual's number";
      }
      return {};
    }
    case reports::kSurnameList:
      fields->surname = value("--text").value_or("");
      return {};
    case reports::kBirthPlaceList:
      fields->birth_place = value("--text").value_or("");
      return {};
    case reports::kDeathPlaceList:
      fields->death_place = value("--text").value_or("");
      return {};
    default:
      if (!value("--source") || !ParseNumber(*value("--source"), &fields->source)) {
        return "--source takes a source's number";
      }
      return {};
  }
}

// The chosen person or source must exist in the tree read.
std::string CheckChoices(const store::RecordStore& tree, const reports::ToDoFields& fields) {
  for (int person : {fields.ancestors_of, fields.descendants_of}) {
    if (person == 0) continue;
    if (person > tree.highest_individual() || tree.individual(person) == nullptr) {
      return "no individual " + std::to_string(person);
    }
  }
  if (fields.source != 0 &&
      (fields.source > tree.highest_source() || tree.source(fields.source) == nullptr)) {
    return "no source " + std::to_string(fields.source);
  }
  return {};
}

// The members, "* " before the ticked ones; the user's own list adds each description.
void PrintMembers(Context& c, int list) {
  for (int n : reports::ListMembers(c.tree, list)) {
    const store::IndividualRecord& record = *c.tree.individual(n);
    c.out << (reports::IsListTicked(record, list) ? "* " : "")
          << ShownText(store::IndexName(c.tree, n));
    if (list == reports::kMyToDoList && !record.todoText.view().empty()) {
      c.out << "\t" << ShownText(record.todoText.view());
    }
    c.out << "\n";
  }
}

}  // namespace

int ToDo(Context& c, const std::vector<std::string>& args) {
  ToDoRequest request;
  if (const std::string why = ParseRequest(args, &request); !why.empty()) {
    return UsageError(c, why);
  }
  reports::ToDoFields fields;
  if (!request.out.empty()) {
    if (const std::string why = FillFields(request, &fields); !why.empty()) {
      return UsageError(c, why);
    }
  }
  if (int status = ReadInput(c, request.tree, nullptr); status != kExitOk) return status;
  if (request.out.empty()) {
    PrintMembers(c, request.list);
    return kExitOk;
  }
  if (const std::string why = CheckChoices(c.tree, fields); !why.empty()) {
    c.err << "kinloom-cli: " << why << "\n";
    return kExitBadInput;
  }
  const TreeAlbums albums = ReadTreeAlbums(c, request.tree);
  if (!reports::BuildToDoList(c.tree, request.list, request.build, fields).built) {
    return kExitBadInput;
  }
  platform::LocalFileSystem file_system;
  const std::vector<int> cited =
      files::SourcesCitedByItems(albums.albums, c.tree, store::WriteMode::kNormal);
  Status written =
      store::WriteTree(c.tree, request.out, store::WriteMode::kNormal, file_system, cited);
  if (!written.ok()) {
    c.err << "kinloom-cli: " << written.message() << "\n";
    return kExitCannotWrite;
  }
  PrintMembers(c, request.list);
  return kExitOk;
}

}  // namespace kinloom::cli
