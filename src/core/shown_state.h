#pragma once

#include <vector>

#include "store/record_store.h"

namespace kinloom::core {

// What the main window shows around one individual: the parents of the preferred parent
// family, and one of the individual's marriages with the spouse in it.
struct ShownState {
  int individual = 0;
  int parent_family = 0;  // the family the individual is shown as a child of; 0 for none
  int parent_kind = 0;    // the kind of that link (0 birth ... 7 sealing)
  int father = 0;
  int mother = 0;
  std::vector<int> families;  // the individual's "1 FAMS" families that exist, in order
  int spouse_index = 0;       // which of `families` is shown (0 when there is none)
  int family = 0;             // the shown marriage; 0 for none
  int spouse = 0;             // the other spouse in it; 0 for none ("Spouse Unknown")
  std::vector<int> children;  // the shown family's children in order
};

// The state for `individual` showing its `spouse_index`-th marriage (kept within range).
ShownState ComputeShownState(const store::RecordStore& store, int individual, int spouse_index);

// Back and forward through the individuals shown, over the store's history of 1,000 entries.
class NavigationHistory {
 public:
  explicit NavigationHistory(store::RecordStore& store) : store_(store) {}

  // A person shown by the user's choice: forward entries are dropped and the person becomes
  // the newest entry (the oldest falls out when the history is full). Repeating the current
  // entry adds nothing.
  void Visit(int individual);
  bool CanGoBack() const;
  bool CanGoForward() const;
  // The entry moved to, or -1 when there is none.
  int Back();
  int Forward();
  int size() const { return count_; }
  void Clear();

 private:
  store::RecordStore& store_;
  int count_ = 0;
};

}  // namespace kinloom::core
