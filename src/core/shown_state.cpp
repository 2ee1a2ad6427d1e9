#include "core/shown_state.h"

#include <algorithm>

#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {

ShownState ComputeShownState(const store::RecordStore& store, int individual, int spouse_index) {
  ShownState shown;
  shown.individual = individual;
  const store::IndividualRecord* person = store.individual(individual);
  if (person == nullptr) return shown;

  const core::ParentFamily parents = core::FindParentFamily(store, individual);
  shown.parent_family = parents.family;
  shown.parent_kind = parents.kind;
  if (store.family(parents.family) != nullptr) {
    shown.father = store::FamilyMember(store, parents.family, "1 HUSB");
    shown.mother = store::FamilyMember(store, parents.family, "1 WIFE");
  }

  for (const store::LineNode* line = person->lines; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int family = store::XrefNumber(line->text().substr(6));
    if (family > 0 && store.family(family) != nullptr) shown.families.push_back(family);
  }
  if (shown.families.empty()) return shown;
  shown.spouse_index = std::clamp(spouse_index, 0, static_cast<int>(shown.families.size()) - 1);
  shown.family = shown.families[static_cast<size_t>(shown.spouse_index)];
  shown.spouse = core::OtherSpouse(store, shown.family, individual);
  for (int n = 1;; ++n) {
    const core::ChildLink child = core::NthChild(store, shown.family, n);
    if (child.child == 0) break;
    shown.children.push_back(child.child);
  }
  return shown;
}

void NavigationHistory::Visit(int individual) {
  auto& entries = store_.history();
  const int size = static_cast<int>(entries.size());
  int index = store_.history_index();
  if (count_ > 0 && entries[static_cast<size_t>(index)] == individual) return;
  if (count_ == 0) {
    index = 0;
  } else {
    count_ = index + 1;  // forward entries go
    if (count_ == size) {
      std::move(entries.begin() + 1, entries.end(), entries.begin());
      --count_;
    }
    index = count_;
  }
  entries[static_cast<size_t>(index)] = individual;
  count_ = index + 1;
  store_.set_history_index(index);
}

bool NavigationHistory::CanGoBack() const {
  return count_ > 0 && store_.history_index() > 0;
}

bool NavigationHistory::CanGoForward() const {
  return store_.history_index() + 1 < count_;
}

int NavigationHistory::Back() {
  if (!CanGoBack()) return -1;
  store_.set_history_index(store_.history_index() - 1);
  return store_.history()[static_cast<size_t>(store_.history_index())];
}

int NavigationHistory::Forward() {
  if (!CanGoForward()) return -1;
  store_.set_history_index(store_.history_index() + 1);
  return store_.history()[static_cast<size_t>(store_.history_index())];
}

void NavigationHistory::Clear() {
  store_.ClearHistory();
  count_ = 0;
}

}  // namespace kinloom::core
