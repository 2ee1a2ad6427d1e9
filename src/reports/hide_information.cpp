#include "reports/hide_information.h"

#include "core/chart_cache.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::reports {

using store::IndividualRecord;
using store::LineNode;
using store::RecordStore;

namespace {

IndividualRecord* Existing(const RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return nullptr;
  IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

// The byte with the bits of `mask` taken from `from`.
uint8_t TakeBits(uint8_t flags, uint8_t from, uint8_t mask) {
  return static_cast<uint8_t>((flags & ~mask) | (from & mask));
}

}  // namespace

uint8_t HideColumnBit(int column) {
  if (column < 0 || column >= kHideFlagColumns) return 0;
  return static_cast<uint8_t>(1u << column);
}

std::string_view HideCellText(uint8_t flags, int column) {
  const uint8_t bit = HideColumnBit(column);
  return (flags & bit) != 0 ? kHideColumnLetters[static_cast<size_t>(column)] : "";
}

uint8_t HideColumnMask(HideColumnChoice column) {
  if (column == HideColumnChoice::kAll) return 0xFE;
  return HideColumnBit(static_cast<int>(column) + 1);
}

bool IsMarkedLiving(const RecordStore& store, int individual) {
  const IndividualRecord* record = Existing(store, individual);
  return record != nullptr && (record->hideFlags & store::kHideLiving) != 0;
}

HideInformation::HideInformation(RecordStore& store)
    : store_(store), saved_(static_cast<size_t>(store.highest_individual()) + 1, 0) {
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    if (const IndividualRecord* record = Person(n)) {
      saved_[static_cast<size_t>(n)] = record->hideFlags;
    }
  }
}

IndividualRecord* HideInformation::Person(int individual) const {
  return Existing(store_, individual);
}

uint8_t HideInformation::flags(int individual) const {
  const IndividualRecord* record = Person(individual);
  return record != nullptr ? record->hideFlags : 0;
}

uint8_t HideInformation::saved_flags(int individual) const {
  // Someone added while the window is open has no copy: their present byte stands for it.
  if (individual < 0 || static_cast<size_t>(individual) >= saved_.size()) return flags(individual);
  return saved_[static_cast<size_t>(individual)];
}

bool HideInformation::ToggleCell(int individual, int column) {
  if (column == 0) return ToggleLiving(individual);
  IndividualRecord* record = Person(individual);
  const uint8_t bit = HideColumnBit(column);
  if (record == nullptr || bit == 0) return false;
  record->hideFlags ^= bit;
  store_.set_tree_modified(true);
  return true;
}

bool HideInformation::ToggleLiving(int individual) {
  IndividualRecord* record = Person(individual);
  if (record == nullptr) return false;
  if ((record->hideFlags & store::kHideLiving) == 0 && core::IsDeceased(store_, individual, true)) {
    store_.ui().Message(kCannotChangeToLivingCaption, kCannotChangeToLivingText,
                        platform::Icon::kExclamation);
    return false;
  }
  record->hideFlags ^= store::kHideLiving;
  store_.set_tree_modified(true);
  return true;
}

void HideInformation::Perform(HideColumnChoice column, HideAction action) {
  if (action == HideAction::kHideAllLiving) {
    HideAllLiving();
  } else {
    ApplyToAll(column, action);
  }
  store_.set_tree_modified(true);
}

void HideInformation::ApplyToAll(HideColumnChoice column, HideAction action) {
  const uint8_t mask = HideColumnMask(column);
  // Restoring every column takes the living bit back too: the whole byte is the copy.
  const uint8_t restore_mask = column == HideColumnChoice::kAll ? 0xFF : mask;
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    IndividualRecord* record = Person(n);
    if (record == nullptr) continue;
    uint8_t& flags = record->hideFlags;
    switch (action) {
      case HideAction::kSetAll:
        flags |= mask;
        break;
      case HideAction::kClearAll:
        flags &= static_cast<uint8_t>(~mask);
        break;
      case HideAction::kRestore:
        flags = TakeBits(flags, saved_flags(n), restore_mask);
        break;
      case HideAction::kHideAllLiving:
        break;
    }
  }
}

void HideInformation::HideAllLiving() {
  constexpr uint8_t kLivingHidden = store::kHideLiving | store::kHideEverything;
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    IndividualRecord* record = Person(n);
    if (record == nullptr) continue;
    if (record->hideFlags & store::kHideLiving) {
      record->hideFlags |= store::kHideEverything;
    } else if (!core::IsDeceased(store_, n, false)) {
      record->hideFlags |= kLivingHidden;
    }
  }
}

bool HideInformation::Close() {
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    const IndividualRecord* record = Person(n);
    if (record == nullptr) continue;
    const bool living = (record->hideFlags & store::kHideLiving) != 0;
    if (living == ((saved_flags(n) & store::kHideLiving) != 0)) continue;
    if (living) {
      MakeLiving(n);
    } else {
      MakeDeceased(n);
    }
  }
  return IsMarkedLiving(store_, store_.current_individual());
}

void HideInformation::MakeLiving(int individual) {
  LineNode* first = Person(individual)->lines;
  bool removed = false;
  // A living person has no death event: every "1 DEAT" goes, with its sub-lines.
  while (store::RemoveTagLine(store_, first, "1 DEAT")) removed = true;
  if (removed) core::RefreshPersonTexts(store_, individual);
}

void HideInformation::MakeDeceased(int individual) {
  LineNode* first = Person(individual)->lines;
  if (store::FindTagLine(first, "1 DEAT") != nullptr) return;
  store::InsertLineAfter(store_, store::FindInsertPoint(first, "1 DEAT"), "1 DEAT");
  store::StampChanged(store_, first);
  core::RefreshPersonTexts(store_, individual);
}

}  // namespace kinloom::reports
