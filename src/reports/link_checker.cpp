// The link check run after a tree is read: both passes, the user's answers, the repairs and the
// removals.
#include "reports/link_checker.h"

#include <string>
#include <string_view>

#include "core/family_ops.h"
#include "core/queries.h"
#include "platform/progress.h"
#include "reports/link_problems.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::reports {
namespace {

using platform::LinkFixAnswer;
using platform::LinkProblem;
using store::LineNode;
using store::RecordStore;

constexpr std::string_view kWarningCaption = "*** Warning ***";
constexpr std::string_view kWarningText =
    "Not repairing all errors could create\nunexpected errors or cause the program\n"
    "to become non-responsive.\n\nDo you want to continue?";
// Confirmed ignores after which leaving a link is no longer questioned.
constexpr int kQuestionedIgnores = 2;
// Answers to one problem after which a fixer that never settles it is taken to leave the link.
constexpr int kMostAnswers = 10;
constexpr int kFamiliesPerProgressStep = 10;

enum class Action { kRepair, kRemove, kLeave, kStop };

// "1 CHIL @I000012@" and the other link lines; every number has six digits, so a link line
// is recognised by its first 16 characters.
std::string LinkLine(std::string_view tag, char letter, int number) {
  return std::string(tag) + " " + store::MakeXref(letter, number);
}

std::string Xref0(char letter, int number, std::string_view tag) {
  return "0 " + store::MakeXref(letter, number) + " " + std::string(tag);
}

// Whether a line after the record's first begins with `link`.
bool HasLineStarting(const LineNode* first, std::string_view link) {
  for (const LineNode* line = first->next; line != nullptr; line = line->next) {
    if (line->text().starts_with(link)) return true;
  }
  return false;
}

// A source citation at any level: "n SOUR @...".
bool IsCitation(std::string_view text) {
  return text.size() > 1 && text.substr(1).starts_with(" SOUR @");
}

// The event a family made or completed by the check carries after its members.
constexpr std::string_view kAddedMarriage[] = {"1 MARR", "2 DATE    Family Added by",
                                               "2 PLAC  Fix Links Procedure"};

void AppendMarriageEvent(RecordStore& store, LineNode** last) {
  for (std::string_view text : kAddedMarriage) store.AppendLine(last, text);
}

class LinkChecker {
 public:
  LinkChecker(RecordStore& store, LinkCheckSession& session) : store_(store), session_(session) {}
  LinkCheckResult Run();

 private:
  void CheckIndividuals();
  void CheckFamilies();
  void CheckIndividual(int n);
  void CheckFamily(int n);
  // Each looks at the line after `before` in the record starting at `first`; true when that
  // line was removed.
  bool CheckIndividualLine(int n, LineNode* first, LineNode* before);
  bool CheckFamilyLine(int n, LineNode* first, LineNode* before);
  bool CheckFamilyLink(int n, LineNode* first, LineNode* before);
  bool CheckMemberLink(int n, LineNode* first, LineNode* before);
  bool CheckCitation(const LinkProblem& problem, int source, LineNode* first, LineNode* before);

  // Puts the problem to the user (or decides it in auto-fix mode) and carries out the answer
  // on the line after `before`: `repair` for Fix A, removing the line with its sub-lines for
  // Fix B. True when the line was removed.
  template <typename Repair>
  bool Settle(const LinkProblem& problem, LineNode* first, LineNode* before, Repair repair);
  Action Decide(const LinkProblem& problem);
  Action AutoAction(const LinkProblem& problem) const;
  bool ConfirmIgnore();
  bool Warned();

  LineNode* ExistingFamily(int family) const;
  LineNode* ExistingIndividual(int individual) const;
  MemberRole RoleOf(int individual, std::string_view link) const;
  void AddMember(int family, LineNode* first, MemberRole role, int individual);
  void CreateFamily(int family, MemberRole role, int individual);
  void CreateIndividual(int individual, const std::string& back_reference);
  void CreateSource(int source);
  void AddBackReference(LineNode* first, const std::string& link);

  RecordStore& store_;
  LinkCheckSession& session_;
  LinkCheckResult result_;
  bool auto_fix_ = false;
};

LinkCheckResult LinkChecker::Run() {
  CheckIndividuals();
  if (!result_.stopped) CheckFamilies();
  return result_;
}

void LinkChecker::CheckIndividuals() {
  store_.ui().ProgressText("Checking Links for Individuals");
  platform::ProgressTicker ticker(store_.ui(), store_.highest_individual());
  for (int n = 1; n <= store_.highest_individual() && !result_.stopped; ++n) {
    ticker.SetPosition(n);
    CheckIndividual(n);
  }
}

void LinkChecker::CheckFamilies() {
  store_.ui().ProgressText("Checking Links for Families");
  platform::ProgressTicker ticker(store_.ui(),
                                  store_.highest_family() / kFamiliesPerProgressStep + 1);
  for (int n = 1; n <= store_.highest_family() && !result_.stopped; ++n) {
    if (n % kFamiliesPerProgressStep == 0) ticker.SetPosition(n / kFamiliesPerProgressStep);
    CheckFamily(n);
  }
}

void LinkChecker::CheckIndividual(int n) {
  LineNode* first = ExistingIndividual(n);
  if (first == nullptr) return;
  if (first->size() == 0) {
    core::DeleteIndividualQuietly(store_, n);
    return;
  }
  LineNode* before = first;
  while (before->next != nullptr && !result_.stopped) {
    if (!CheckIndividualLine(n, first, before)) before = before->next;
  }
}

void LinkChecker::CheckFamily(int n) {
  LineNode* first = ExistingFamily(n);
  if (first == nullptr) return;
  if (first->size() == 0) {
    core::DeleteFamily(store_, n);
    return;
  }
  LineNode* before = first;
  while (before->next != nullptr && !result_.stopped) {
    if (!CheckFamilyLine(n, first, before)) before = before->next;
  }
}

bool LinkChecker::CheckIndividualLine(int n, LineNode* first, LineNode* before) {
  const std::string_view text = before->next->text();
  if (text.empty()) {
    store::UnlinkNext(store_, first, before);
    return true;
  }
  if (text.starts_with("1 FAMC") || text.starts_with("1 FAMS")) {
    return CheckFamilyLink(n, first, before);
  }
  if (!IsCitation(text)) return false;
  const int source = store::XrefNumber(text);
  return CheckCitation(MissingPersonSource(n, source), source, first, before);
}

bool LinkChecker::CheckFamilyLine(int n, LineNode* first, LineNode* before) {
  const std::string_view text = before->next->text();
  if (text.empty()) {
    store::UnlinkNext(store_, first, before);
    return true;
  }
  if (text.starts_with("1 HUSB") || text.starts_with("1 WIFE") || text.starts_with("1 CHIL")) {
    return CheckMemberLink(n, first, before);
  }
  if (!IsCitation(text)) return false;
  const int source = store::XrefNumber(text);
  return CheckCitation(MissingFamilySource(n, source), source, first, before);
}

// A family link of person n: the family must exist and list the person back, in either
// spouse role for a "1 FAMS" line.
bool LinkChecker::CheckFamilyLink(int n, LineNode* first, LineNode* before) {
  const std::string_view text = before->next->text();
  const int family = store::XrefNumber(text);
  const MemberRole role = RoleOf(n, text);
  LineNode* family_first = ExistingFamily(family);
  if (family_first == nullptr) {
    return Settle(MissingFamilyRecord(n, family), first, before,
                  [&] { CreateFamily(family, role, n); });
  }
  if (HasLineStarting(family_first, LinkLine(MemberTag(role), 'I', n))) return false;
  if (role != MemberRole::kChild) {
    const MemberRole other = role == MemberRole::kWife ? MemberRole::kHusband : MemberRole::kWife;
    if (HasLineStarting(family_first, LinkLine(MemberTag(other), 'I', n))) return false;
  }
  return Settle(MissingFamilyMember(n, family, role), first, before,
                [&] { AddMember(family, family_first, role, n); });
}

// A member line of family n: the person must exist and point back at the family.
bool LinkChecker::CheckMemberLink(int n, LineNode* first, LineNode* before) {
  const std::string_view text = before->next->text();
  const int individual = store::XrefNumber(text);
  const std::string back = LinkLine(text.starts_with("1 CHIL") ? "1 FAMC" : "1 FAMS", 'F', n);
  LineNode* person_first = ExistingIndividual(individual);
  if (person_first == nullptr) {
    return Settle(MissingPersonRecord(n, individual), first, before,
                  [&] { CreateIndividual(individual, back); });
  }
  if (HasLineStarting(person_first, back)) return false;
  return Settle(MissingFamilyReference(n, individual), first, before,
                [&] { AddBackReference(person_first, back); });
}

bool LinkChecker::CheckCitation(const LinkProblem& problem, int source, LineNode* first,
                                LineNode* before) {
  const LineNode* record = source <= store_.highest_source() ? store_.source(source) : nullptr;
  if (source >= 1 && record != nullptr && record->next != nullptr) return false;
  return Settle(problem, first, before, [&] { CreateSource(source); });
}

template <typename Repair>
bool LinkChecker::Settle(const LinkProblem& problem, LineNode* first, LineNode* before,
                         Repair repair) {
  ++result_.problems;
  switch (Decide(problem)) {
    case Action::kRepair:
      repair();
      ++result_.repaired;
      return false;
    case Action::kRemove:
      store::RemoveLineAndSubs(store_, first, before);
      ++result_.removed;
      return true;
    case Action::kLeave:
      ++result_.ignored;
      return false;
    case Action::kStop:
      return false;
  }
  return false;
}

Action LinkChecker::Decide(const LinkProblem& problem) {
  if (auto_fix_) return AutoAction(problem);
  for (int answers = 0; answers < kMostAnswers; ++answers) {
    switch (store_.ui().FixLink(problem)) {
      case LinkFixAnswer::kRepair:
        // Fix A is not offered for this problem; the question stands.
        if (problem.fix_a_possible) return Action::kRepair;
        break;
      case LinkFixAnswer::kRemove:
        return Action::kRemove;
      case LinkFixAnswer::kIgnore:
        if (ConfirmIgnore()) return Action::kLeave;
        break;
      case LinkFixAnswer::kAutoFix:
        auto_fix_ = true;
        return AutoAction(problem);
      case LinkFixAnswer::kStop:
        if (Warned()) {
          result_.stopped = true;
          return Action::kStop;
        }
        break;
    }
  }
  return Action::kLeave;
}

Action LinkChecker::AutoAction(const LinkProblem& problem) const {
  return problem.fix_a_possible ? Action::kRepair : Action::kRemove;
}

bool LinkChecker::ConfirmIgnore() {
  if (session_.ignores_confirmed >= kQuestionedIgnores) return true;
  if (!Warned()) return false;
  ++session_.ignores_confirmed;
  return true;
}

// The warning before leaving links broken; true when the user goes on.
bool LinkChecker::Warned() {
  return store_.ui().Ask(kWarningCaption, kWarningText, platform::Icon::kQuestion,
                         platform::Buttons::kYesNo) == platform::Answer::kYes;
}

LineNode* LinkChecker::ExistingFamily(int family) const {
  if (family < 1 || family > store_.highest_family()) return nullptr;
  store::FamilyRecord* record = store_.family(family);
  return record == nullptr ? nullptr : record->lines;
}

LineNode* LinkChecker::ExistingIndividual(int individual) const {
  if (individual < 1 || individual > store_.highest_individual()) return nullptr;
  store::IndividualRecord* record = store_.individual(individual);
  return record == nullptr ? nullptr : record->lines;
}

MemberRole LinkChecker::RoleOf(int individual, std::string_view link) const {
  if (link.starts_with("1 FAMC")) return MemberRole::kChild;
  return core::SexOf(store_, individual) == 2 ? MemberRole::kWife : MemberRole::kHusband;
}

void LinkChecker::AddMember(int family, LineNode* first, MemberRole role, int individual) {
  if (family == 1 && store_.IsMarkerFamily(1)) {
    // The placeholder of a tree without families becomes a real family: its "1 SEX Z" line
    // gives way to the marriage event.
    LineNode* line = first->next;
    store_.arena().SetText(line, kAddedMarriage[0]);
    line = store::InsertLineAfter(store_, line, kAddedMarriage[1]);
    store::InsertLineAfter(store_, line, kAddedMarriage[2]);
  }
  const std::string_view tag = MemberTag(role);
  store::InsertLineAfter(store_, store::FindInsertPoint(first, tag),
                         LinkLine(tag, 'I', individual));
  store::StampChanged(store_, first);
}

void LinkChecker::CreateFamily(int family, MemberRole role, int individual) {
  // A tree with a real family no longer needs the placeholder.
  if (family != 1 && store_.IsMarkerFamily(1)) {
    store_.family_search_list().Remove(1);
    store_.DeleteFamily(1);
  }
  store_.DeleteFamily(family);
  LineNode* last = nullptr;
  store::FamilyRecord* record = store_.CreateFamily(family);
  record->lines = store_.AppendLine(&last, Xref0('F', family, "FAM"));
  store_.AppendLine(&last, LinkLine(MemberTag(role), 'I', individual));
  AppendMarriageEvent(store_, &last);
  if (family > store_.highest_family()) store_.set_highest_family(family);
  store::StampChanged(store_, record->lines);
}

void LinkChecker::CreateIndividual(int individual, const std::string& back_reference) {
  store_.DeleteIndividual(individual);
  LineNode* last = nullptr;
  store::IndividualRecord* record = store_.CreateIndividual(individual);
  record->lines = store_.AppendLine(&last, Xref0('I', individual, "INDI"));
  store_.AppendLine(&last, back_reference);
  store_.AppendLine(&last, "1 SEX U");
  store_.AppendLine(&last, "1 NAME  Person Added by /Fix Links Procedure/");
  if (individual > store_.highest_individual()) store_.set_highest_individual(individual);
  store::StampChanged(store_, record->lines);
}

void LinkChecker::CreateSource(int source) {
  store_.DeleteSource(source);
  LineNode* last = nullptr;
  LineNode* first = store_.AppendLine(&last, Xref0('S', source, "SOUR"));
  store_.AppendLine(&last, "1 TITL  Source Added by Fix Links Procedure");
  store_.SetSource(source, first);
  if (source > store_.highest_source()) store_.set_highest_source(source);
  store::StampChanged(store_, first);
}

void LinkChecker::AddBackReference(LineNode* first, const std::string& link) {
  const std::string_view tag = std::string_view(link).substr(0, 6);
  store::InsertLineAfter(store_, store::FindInsertPoint(first, tag), link);
  store::StampChanged(store_, first);
}

}  // namespace

LinkCheckResult CheckLinks(store::RecordStore& store, LinkCheckSession& session) {
  store::BusyScope busy(store);
  return LinkChecker(store, session).Run();
}

}  // namespace kinloom::reports
