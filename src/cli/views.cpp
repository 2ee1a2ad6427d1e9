#include "cli/views.h"

#include <charconv>
#include <string_view>

#include "cli/commands.h"
#include "core/generation_walks.h"
#include "core/queries.h"
#include "core/shown_state.h"

namespace kinloom::cli {
namespace {

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// An individual's number in the forms users copy from files and lists: "12", "I12",
// "I000012" and "@I000012@".
bool ParseIndividualNumber(std::string_view text, int* value) {
  if (text.size() >= 2 && text.front() == '@' && text.back() == '@') {
    text = text.substr(1, text.size() - 2);
  }
  if (!text.empty() && (text.front() == 'I' || text.front() == 'i')) text.remove_prefix(1);
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// The individual named on the command line, or 0 with a message when there is none.
int ExistingIndividual(Context& c, const std::string& text) {
  int id = 0;
  if (!ParseIndividualNumber(text, &id) || id < 1 || c.tree.individual(id) == nullptr) {
    c.err << "kinloom-cli: no individual " << text << "\n";
    return 0;
  }
  return id;
}

// "Spouse: " for each marriage (in the order of the person's families), each followed by its
// children's "Child: " lines.
void PrintFamilies(Context& c, int id) {
  const size_t families = core::ComputeShownState(c.tree, id, 0).families.size();
  for (size_t i = 0; i < families; ++i) {
    const core::ShownState family = core::ComputeShownState(c.tree, id, static_cast<int>(i));
    c.out << "Spouse: "
          << (family.spouse != 0 ? core::PersonLabel(c.tree, family.spouse) : "Unknown") << '\n';
    for (int child : family.children)
      c.out << "Child: " << core::PersonLabel(c.tree, child) << '\n';
  }
}

}  // namespace

int Outline(Context& c, const std::vector<std::string>& args) {
  if (args.size() < 4) return UsageError(c, "outline takes a file, an individual and a direction");
  int direction = 0;  // 1 ancestors, 2 descendants
  int generations = 0;
  for (size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--ancestors")
      direction = 1;
    else if (args[i] == "--descendants")
      direction = 2;
    else if (args[i] == "--generations" && i + 1 < args.size() &&
             ParseNumber(args[i + 1], &generations))
      ++i;
    else
      return UsageError(c, "unknown outline option '" + args[i] + "'");
  }
  if (direction == 0) return UsageError(c, "outline needs --ancestors or --descendants");
  if (int status = ReadInput(c, args[1], nullptr, false); status != kExitOk) return status;
  const int id = ExistingIndividual(c, args[2]);
  if (id == 0) return kExitBadInput;
  const bool descendants = direction == 2;
  if (generations == 0) {
    generations =
        descendants ? core::kDescendantGenerationsDefault : core::kAncestorGenerationsDefault;
  }
  core::Outline outline = descendants ? core::BuildDescendantOutline(c.tree, id, generations)
                                      : core::BuildAncestorOutline(c.tree, id, generations);
  for (const core::OutlineEntry& entry : outline.entries) {
    c.out << entry.generation << ' ' << entry.mark << ' '
          << core::OutlineText(c.tree, entry, descendants) << '\n';
  }
  return kExitOk;
}

int Person(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 3) return UsageError(c, "person takes a file and an individual");
  if (int status = ReadInput(c, args[1], nullptr, false); status != kExitOk) return status;
  const int id = ExistingIndividual(c, args[2]);
  if (id == 0) return kExitBadInput;
  std::vector<std::string> lines;
  core::PersonSummary(c.tree, id, &lines);
  for (const std::string& line : lines) c.out << line << '\n';
  PrintFamilies(c, id);
  core::Parents shown = core::FindParents(c.tree, id);
  core::ParentFamily family = core::FindParentFamily(c.tree, id);
  if (family.family != 0) {
    shown.father = core::FamilyMember(c.tree, family.family, "1 HUSB");
    shown.mother = core::FamilyMember(c.tree, family.family, "1 WIFE");
  }
  const int status = core::DirectLineStatus(c.tree, id, shown.father, shown.mother);
  c.out << "direct-line: " << status;
  if (status != 4) c.out << ' ' << core::DirectLineText(status);
  c.out << '\n' << "deceased: " << (core::IsDeceased(c.tree, id, false) ? "yes" : "no") << '\n';
  return kExitOk;
}

}  // namespace kinloom::cli
