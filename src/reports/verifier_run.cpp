#include "reports/verifier_run.h"

#include <string>

#include "core/dates.h"
#include "core/queries.h"
#include "platform/progress.h"
#include "reports/verifier.h"
#include "reports/verifier_duplicates.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace verifier {

Run::Run(store::RecordStore& store, const VerifierSettings& settings, bool complete, int cut_off,
         ProblemList& list)
    : store_(store), settings_(settings), complete_(complete), cut_off_(cut_off), list_(list) {
  const CapitalsCheck groups[3] = {settings.given_name_capitals, settings.surname_capitals,
                                   settings.date_capitals};
  for (int group = 0; group < 3; ++group) {
    on_[1 + 2 * group] = groups[group] == CapitalsCheck::kAllCapitals;
    on_[2 + 2 * group] = groups[group] == CapitalsCheck::kSomeLowerCase;
  }
  for (int error = VerifierSettings::kFirstCheckedError; error <= kVerifierErrors; ++error) {
    on_[error] = settings.check_on(error);
  }
}

bool Run::Allowed(int error, int record) const {
  if (complete_) return true;
  const store::IndividualRecord* individual = store_.individual(record);
  return individual == nullptr || !SkipFlag(*individual, error);
}

bool Run::CancelRequested() {
  if (cancelled_) return true;
  if (++polls_ < kCancelPollEvery) return false;
  polls_ = 0;
  cancelled_ = store_.ui().ProgressCancelRequested();
  return cancelled_;
}

int DayNumber(std::string_view value) {
  return value.empty() ? 0 : core::DateSerial(value);
}

std::string_view LineTag(std::string_view text) {
  if (text.size() < 3) return {};
  std::string_view tag = text.substr(2);
  return tag.substr(0, tag.find(' '));
}

int FirstDayNumber(const store::RecordStore& store, int individual, std::string_view tag1,
                   std::string_view tag2, std::string_view tag3) {
  const store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || record->lines == nullptr) return 0;
  for (store::LineNode* line = record->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (line->level() != '1') continue;
    const std::string_view tag = LineTag(line->text());
    if (tag != tag1 && tag != tag2 && (tag3.empty() || tag != tag3)) continue;
    for (store::LineNode* sub = line->next; sub != nullptr && sub->level() > '1'; sub = sub->next) {
      if (!store::HasTag(sub->text(), "2 DATE")) continue;
      if (int day = DayNumber(store::LineValue(sub->text(), "2 DATE")); day != 0) return day;
    }
  }
  return 0;
}

bool SearchDuplicates(Run& run) {
  store::RecordStore& store = run.store();
  platform::Interaction& ui = store.ui();
  DuplicateSearch search(store);
  ui.ProgressShow(kGatheringProgress, "");
  platform::ProgressTicker gathering(ui, store.highest_individual());
  // The clock is read now and then only: the search ticks twice per person.
  int ticks = 0;
  auto gather_tick = [&](int record) {
    gathering.Step();
    if (ticks++ % 64 == 0 && gathering.TextDue()) {
      gathering.SetText("Reading Record:  " + std::to_string(record));
    }
    return !run.CancelRequested();
  };
  auto include = [&](int record) { return run.Allowed(kErrorDuplicate, record); };
  if (!search.Gather(include, gather_tick)) return false;
  ui.ProgressShow(kCheckingDuplicatesProgress, "");
  platform::ProgressTicker checking(ui, static_cast<int>(search.summaries()));
  auto check_tick = [&](int position) {
    checking.SetPosition(position);
    if (ticks++ % 64 == 0 && checking.TextDue()) {
      checking.SetText("Checking Record:  " + std::to_string(search.NumberAt(position)));
    }
    return !run.CancelRequested();
  };
  if (!search.FindIndexed(check_tick)) return false;
  for (const DuplicateSearch::Match& m : search.matches()) {
    const std::string description = DuplicateDescription(m.later, m.earlier);
    run.Add(kErrorDuplicate, m.later, kDuplicateEvent, description);
    run.Add(kErrorDuplicate, m.earlier, kDuplicateEvent, description);
  }
  return true;
}

namespace {

// The checks of every individual in number order, with the person's given names and number in
// the progress text now and then. False when cancelled.
bool CheckEveryIndividual(Run& run) {
  store::RecordStore& store = run.store();
  store.ui().ProgressShow(kVerifyingProgress, "");
  platform::ProgressTicker ticker(store.ui(), store.highest_individual());
  const uint16_t family_pass = store.NewWalkNumber();
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (run.CancelRequested()) return false;
    ticker.Step();
    if (store.individual(n) == nullptr) continue;
    if (n % 193 == 50) {
      ticker.SetText(store::GivenNames(store, n) + " (" + std::to_string(n) + ")");
    }
    CheckIndividual(run, n, family_pass);
  }
  return true;
}

}  // namespace
}  // namespace verifier

VerifyOutcome RunVerifier(store::RecordStore& store, const VerifyOptions& options,
                          ProblemList* list) {
  using namespace verifier;
  list->Reset(options.settings);
  Run run(store, options.settings, options.complete,
          options.ignore_before_1600 ? kCutOff1600 : kNoCutOff, *list);
  VerifyOutcome outcome;
  bool finished = true;
  if (run.On(kErrorDuplicate)) finished = SearchDuplicates(run);
  if (finished && run.On(kErrorGenderCheck)) finished = CheckGivenNamesAgainstSex(run);
  if (finished && run.On(kErrorUnlinkedTree)) finished = CheckUnlinkedTrees(run);
  if (finished) finished = CheckEveryIndividual(run);
  store.ui().ProgressHide();
  list->ZeroUnchosenCounts(options.settings);
  outcome.cancelled = !finished;
  return outcome;
}

}  // namespace kinloom::reports
