#include "reports/problems_list.h"

#include <cstdio>
#include <cstdlib>

namespace kinloom::reports {
namespace {

constexpr int kFirstExtError = 7;

// The bit of an error's flag in its set; -1 for numbers without a flag.
int SkipBit(int error) {
  if (error >= 1 && error < kFirstExtError) return (error - 1) / 2;
  if (error >= kFirstExtError && error <= kVerifierErrors) return error - kFirstExtError;
  return -1;
}

}  // namespace

bool SkipFlag(const store::IndividualRecord& record, int error) {
  const int bit = SkipBit(error);
  if (bit < 0) return false;
  if (error < kFirstExtError) return (record.skipFlags >> bit & 1u) != 0;
  return (record.skipFlagsExt >> bit & 1u) != 0;
}

void SetSkipFlag(store::IndividualRecord& record, int error, bool on) {
  const int bit = SkipBit(error);
  if (bit < 0) return;
  if (error < kFirstExtError) {
    const auto mask = static_cast<uint8_t>(1u << bit);
    record.skipFlags =
        static_cast<uint8_t>(on ? record.skipFlags | mask : record.skipFlags & ~mask);
  } else {
    const uint32_t mask = uint32_t{1} << bit;
    record.skipFlagsExt = on ? record.skipFlagsExt | mask : record.skipFlagsExt & ~mask;
  }
}

ProblemList::ProblemList() {
  Reset(VerifierSettings::WindowDefaults());
}

void ProblemList::Reset(const VerifierSettings& settings) {
  rows_.clear();
  events_.clear();
  event_index_.clear();
  texts_.assign(1, std::string());
  descriptions_ = FormatDescriptions(settings);
  counts_.fill(0);
  total_ = 0;
}

uint16_t ProblemList::EventIndex(std::string_view event) {
  auto found = event_index_.find(std::string(event));
  if (found != event_index_.end()) return found->second;
  // Files from elsewhere may carry any number of their own tags; past the table's size they
  // share one entry rather than overflow it.
  if (events_.size() >= 0xFFFF) return 0;
  const auto index = static_cast<uint16_t>(events_.size());
  events_.emplace_back(event);
  event_index_.emplace(events_.back(), index);
  return index;
}

void ProblemList::Add(const store::RecordStore& store, int error, int record,
                      std::string_view event, std::string_view description) {
  if (error < 1 || error > kVerifierErrors) return;
  ++counts_[error];
  ++total_;
  ProblemRow row;
  row.record = record;
  row.error = static_cast<uint8_t>(error);
  row.event = EventIndex(error == kErrorDuplicate ? kDuplicateEvent : EventName(event));
  if (!description.empty()) {
    row.text = static_cast<uint32_t>(texts_.size());
    texts_.emplace_back(description);
    // The summary names an unlinked tree by the last one found.
    if (error == kErrorUnlinkedTree) descriptions_[error] = description;
  }
  const store::IndividualRecord* individual = store.individual(record);
  row.skip = individual != nullptr && SkipFlag(*individual, error);
  rows_.push_back(row);
}

std::string_view ProblemList::Description(const ProblemRow& row) const {
  if (row.text != 0 && row.text < texts_.size()) return texts_[row.text];
  return descriptions_[row.error <= kVerifierErrors ? row.error : 0];
}

std::string ProblemList::RecordColumn(const ProblemRow& row) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "  %06i", row.record);
  return buffer;
}

std::array<int, 2> ProblemList::DuplicatePair(const ProblemRow& row) const {
  if (row.error != kErrorDuplicate) return {0, 0};
  // "ID No %06i and %06i could be same person"
  const std::string_view text = Description(row);
  constexpr std::string_view kHead = "ID No ";
  constexpr std::string_view kAnd = " and ";
  if (!text.starts_with(kHead)) return {0, 0};
  const size_t and_at = text.find(kAnd);
  if (and_at == std::string_view::npos) return {0, 0};
  const std::string first(text.substr(kHead.size(), and_at - kHead.size()));
  const std::string second(text.substr(and_at + kAnd.size(), 6));
  return {std::atoi(first.c_str()), std::atoi(second.c_str())};
}

void ProblemList::ZeroUnchosenCounts(const VerifierSettings& settings) {
  for (int error = VerifierSettings::kFirstCheckedError; error <= kVerifierErrors; ++error) {
    if (!settings.check_on(error)) counts_[error] = 0;
  }
  const CapitalsCheck groups[3] = {settings.given_name_capitals, settings.surname_capitals,
                                   settings.date_capitals};
  for (int group = 0; group < 3; ++group) {
    const int chosen = static_cast<int>(groups[group]);
    for (int choice = 0; choice < 2; ++choice) {
      if (choice != chosen) counts_[1 + 2 * group + choice] = 0;
    }
  }
}

std::vector<size_t> ProblemList::ToggleSkip(store::RecordStore& store, size_t position) {
  std::vector<size_t> changed;
  if (position >= rows_.size()) return changed;
  const ProblemRow target = rows_[position];
  store::IndividualRecord* individual = store.individual(target.record);
  if (individual == nullptr) return changed;
  const bool on = !SkipFlag(*individual, target.error);
  SetSkipFlag(*individual, target.error, on);
  store.set_tree_modified(true);
  for (size_t i = 0; i < rows_.size(); ++i) {
    ProblemRow& row = rows_[i];
    if (row.record != target.record || row.error != target.error || row.skip == on) continue;
    row.skip = on;
    changed.push_back(i);
  }
  return changed;
}

void ProblemList::ToggleDone(size_t position) {
  if (position < rows_.size()) rows_[position].done = !rows_[position].done;
}

void ProblemList::UnSkipAll(store::RecordStore& store) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store::IndividualRecord* individual = store.individual(n)) {
      individual->skipFlags = 0;
      individual->skipFlagsExt = 0;
    }
  }
  for (ProblemRow& row : rows_) row.skip = false;
  store.set_tree_modified(true);
}

bool IsMarriageEvent(std::string_view event) {
  constexpr std::string_view kMarriageEvents = "MarAnnDivEngSpo";
  return event.size() >= 3 && kMarriageEvents.find(event.substr(0, 3)) != std::string_view::npos;
}

std::string InvalidNumberText(int record) {
  return "Id No: " + std::to_string(record) +
         "\n\nThis number is no longer in use\nfor any Individual Record.";
}

}  // namespace kinloom::reports
