// The source list: every source with the people and families that cite it.
#include <map>

#include "core/queries.h"
#include "core/source_records.h"
#include "reports/forms.h"
#include "reports/forms_support.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace {

using forms_support::TagOf;

// Adds "owner: Event, page" to the source of every citation line of a record.
void CollectCitations(const store::RecordStore& store, const store::LineNode* first,
                      const std::string& owner, std::map<int, std::vector<std::string>>* cited_by) {
  if (first == nullptr) return;
  std::string event;
  for (const store::LineNode* line = first->next; line != nullptr; line = line->next) {
    if (line->level() == '1') event = EventName(line->text());
    if (TagOf(line->text()) != "SOUR") continue;
    const int source = store::XrefNumber(line->text());
    if (source <= 0 || store.source(source) == nullptr) continue;
    std::string entry = owner;
    if (line->level() > '1' && !event.empty()) entry += ": " + event;
    const std::string citation = forms_support::Citation(store, line);
    const std::string label = core::SourceLabel(store, source);
    if (citation.size() > label.size()) entry += citation.substr(label.size());
    (*cited_by)[source].push_back(std::move(entry));
  }
}

}  // namespace

std::vector<SourceListEntry> ReadSourceList(const store::RecordStore& store) {
  std::map<int, std::vector<std::string>> cited_by;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* record = store.individual(n);
    if (record != nullptr && record->lines != nullptr) {
      CollectCitations(store, record->lines, core::PersonLabel(store, n), &cited_by);
    }
  }
  for (int n = 1; n <= store.highest_family(); ++n) {
    const store::FamilyRecord* record = store.family(n);
    if (record != nullptr && record->lines != nullptr) {
      CollectCitations(store, record->lines,
                       "Family of " + core::ParentsLabel(store, n, core::FullName), &cited_by);
    }
  }
  std::vector<SourceListEntry> list;
  for (int n = 1; n <= store.highest_source(); ++n) {
    const store::LineNode* first = store.source(n);
    if (first == nullptr) continue;
    const core::SourceFields fields = core::ReadSourceFields(first);
    SourceListEntry entry{
        n,           core::SourceLabel(store, n), fields.author, fields.publication,
        fields.text, std::move(cited_by[n])};
    list.push_back(std::move(entry));
  }
  return list;
}

}  // namespace kinloom::reports
