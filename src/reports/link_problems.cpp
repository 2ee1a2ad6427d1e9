// The texts and choices of each kind of broken link.
#include "reports/link_problems.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "store/records.h"

namespace kinloom::reports {

using platform::LinkProblem;

bool CreatableFamily(int number) {
  return number >= 1 && number <= store::kMaxFamily;
}

bool CreatableIndividual(int number) {
  return number >= 1 && number <= store::kMaxIndividual;
}

bool CreatableSource(int number) {
  return number >= 1 && number <= store::kMaxSource;
}

std::string_view MemberTag(MemberRole role) {
  switch (role) {
    case MemberRole::kChild:
      return "1 CHIL";
    case MemberRole::kWife:
      return "1 WIFE";
    case MemberRole::kHusband:
      return "1 HUSB";
  }
  return "1 HUSB";
}

namespace {

LinkProblem Problem(char kind, std::string title, int individual, int family) {
  LinkProblem problem;
  problem.kind = kind;
  problem.title = std::move(title);
  problem.individual = individual;
  problem.family = family;
  return problem;
}

std::string Numbered(std::string_view title, int number) {
  return std::string(title) + " - Number: " + std::to_string(number);
}

// The explanation of a missing record: three lines, and the repair when it is possible.
void Explain(LinkProblem& problem, std::initializer_list<const char*> texts,
             const char* repair_text, bool creatable) {
  problem.texts.assign(texts.begin(), texts.end());
  problem.fix_a_possible = creatable;
  if (creatable) problem.texts.emplace_back(repair_text);
}

std::string_view RoleText(MemberRole role) {
  switch (role) {
    case MemberRole::kChild:
      return "add this person to the family as a Child.";
    case MemberRole::kWife:
      return "add this person to the family as a Wife.";
    case MemberRole::kHusband:
      return "add this person to the family as a Husband.";
  }
  return "add this person to the family as a Husband.";
}

// C and F differ only in whose citation it is.
LinkProblem MissingSource(char kind, int individual, int family, int source) {
  const bool person = kind == 'C';
  LinkProblem problem =
      Problem(kind, Numbered("Missing Source Record", source), individual, family);
  Explain(problem,
          {person ? "The person above includes a reference to a source"
                  : "The family above includes a reference to a source",
           "record. But that source record does not yet exist.",
           "You can remove the reference to that source."},
          person ? "Create a new source record for this person to use."
                 : "Create a new source record for this family to use.",
          CreatableSource(source));
  problem.fix_a_label = "Create New Empty Source Record";
  problem.fix_b_label = "Remove Reference to that Source";
  return problem;
}

}  // namespace

LinkProblem MissingFamilyRecord(int individual, int family) {
  LinkProblem problem = Problem('A', Numbered("Missing Family Record", family), individual, 0);
  Explain(problem,
          {"The person above includes a reference to a family.",
           "But the record for that family does not yet exist.",
           "You can remove the reference to that family."},
          "Create a new family and add this person to it.", CreatableFamily(family));
  problem.fix_a_label = "Create Family and Add Person to it";
  problem.fix_b_label = "Remove Reference to that Family";
  return problem;
}

LinkProblem MissingFamilyMember(int individual, int family, MemberRole role) {
  LinkProblem problem = Problem('B', "Missing Family Member", individual, family);
  problem.texts = {"The person above is missing in the family below.",
                   "But this person above has a reference to the family.",
                   "You can remove the reference to this family, or", std::string(RoleText(role))};
  problem.fix_a_label = "Add Person to Family";
  problem.fix_b_label = "Remove Reference to Family";
  problem.fix_a_possible = true;
  return problem;
}

LinkProblem MissingPersonSource(int individual, int source) {
  return MissingSource('C', individual, 0, source);
}

LinkProblem MissingPersonRecord(int family, int individual) {
  LinkProblem problem = Problem('D', Numbered("Missing Person Record", individual), 0, family);
  Explain(problem,
          {"The family above includes a reference to a person.",
           "But the record for that person does not yet exist.",
           "You can remove the reference to that person."},
          "Create a new person and for this family to use.", CreatableIndividual(individual));
  problem.fix_a_label = "Create Person for Family to use";
  problem.fix_b_label = "Remove Reference to that Person";
  return problem;
}

LinkProblem MissingFamilyReference(int family, int individual) {
  LinkProblem problem = Problem('E', "Missing Family Reference", individual, family);
  problem.texts = {"The family above includes the person below. But",
                   "this person does not have a reference to the family.",
                   "You can add the reference to this family.",
                   "or, remove this person from the family."};
  problem.fix_a_label = "Add Reference to Family";
  problem.fix_b_label = "Remove Person from Family";
  problem.fix_a_possible = true;
  return problem;
}

LinkProblem MissingFamilySource(int family, int source) {
  return MissingSource('F', 0, family, source);
}

}  // namespace kinloom::reports
