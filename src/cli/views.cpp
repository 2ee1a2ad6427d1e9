#include "cli/views.h"

#include <charconv>

#include "cli/commands.h"
#include "core/generation_walks.h"
#include "core/queries.h"

namespace kinloom::cli {
namespace {

bool ParseNumber(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// The individual named on the command line, or 0 with a message when there is none.
int ExistingIndividual(Context& c, const std::string& text) {
  int id = 0;
  if (!ParseNumber(text, &id) || c.tree.individual(id) == nullptr || id < 1) {
    c.err << "kinloom-cli: no individual " << text << "\n";
    return 0;
  }
  return id;
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
