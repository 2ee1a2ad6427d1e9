#include "core/dialog_link_records.h"

#include <string_view>

#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

constexpr std::string_view kPersonHeading = "Individual Information";
constexpr std::string_view kFamilyHeading = "Family Members";
constexpr std::string_view kSourceHeading = "Source Record";

bool PersonExists(const store::RecordStore* store, int n) {
  const store::IndividualRecord* record = store->individual(n);
  return record != nullptr && record->lines != nullptr;
}

std::vector<std::string> PersonLines(const store::RecordStore* store, int n) {
  if (store == nullptr) return {"Individual Number: " + std::to_string(n)};
  std::vector<std::string> lines;
  core::PersonSummary(*store, n, &lines);
  return lines;
}

// "Husband: ", "Wife: " or "Child: " for a member line, empty for any other line.
std::string_view MemberHeading(std::string_view text) {
  if (store::HasTag(text, "1 HUSB")) return "Husband: ";
  if (store::HasTag(text, "1 WIFE")) return "Wife: ";
  if (store::HasTag(text, "1 CHIL")) return "Child: ";
  return {};
}

std::vector<std::string> FamilyLines(const store::RecordStore* store, int n) {
  std::vector<std::string> lines = {"Family Number: " + std::to_string(n)};
  const store::FamilyRecord* record = store == nullptr ? nullptr : store->family(n);
  if (record == nullptr || record->lines == nullptr) return lines;
  for (const store::LineNode* line = record->lines->next; line != nullptr; line = line->next) {
    const std::string_view heading = MemberHeading(line->text());
    if (heading.empty()) continue;
    const int member = store::XrefNumber(line->text());
    const std::string who = PersonExists(store, member)
                                ? core::PersonLabel(*store, member)
                                : "Number " + std::to_string(member) + " (no record)";
    lines.push_back(std::string(heading) + who);
  }
  return lines;
}

LinkPanel Panel(std::string_view heading, std::vector<std::string> lines) {
  return LinkPanel{std::string(heading), std::move(lines)};
}

LinkPanel Missing(std::string_view heading, const platform::LinkProblem& problem) {
  return Panel(heading, {problem.title});
}

LinkPanel LowerPanel(const platform::LinkProblem& problem, const store::RecordStore* store) {
  switch (problem.kind) {
    case 'A':
      return Missing(kFamilyHeading, problem);
    case 'B':
      return Panel(kFamilyHeading, FamilyLines(store, problem.family));
    case 'D':
      return Missing(kPersonHeading, problem);
    case 'E':
      return Panel(kPersonHeading, PersonLines(store, problem.individual));
    default:  // C and F: a source that does not exist
      return Missing(kSourceHeading, problem);
  }
}

bool PersonAbove(char kind) {
  return kind == 'A' || kind == 'B' || kind == 'C';
}

}  // namespace

LinkPanels DescribeLinkProblem(const platform::LinkProblem& problem,
                               const store::RecordStore* store) {
  LinkPanels panels;
  panels.upper = PersonAbove(problem.kind)
                     ? Panel(kPersonHeading, PersonLines(store, problem.individual))
                     : Panel(kFamilyHeading, FamilyLines(store, problem.family));
  panels.lower = LowerPanel(problem, store);
  return panels;
}

}  // namespace kinloom::core
