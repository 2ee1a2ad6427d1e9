#include "reports/statistics_names.h"

#include <algorithm>

#include "core/find_individual.h"
#include "core/queries.h"
#include "reports/statistics_ages.h"
#include "store/line_search.h"

namespace kinloom::reports {

using store::LineNode;
using store::RecordStore;

namespace {

constexpr size_t kShortestCounted = 3;
constexpr int kRootSeen = -1;  // the fixed root "N" stands before every counted text

bool IsNameSeparator(char c) {
  return c == ' ' || c == '-';
}

// Counts one person's given names; false when the person is not counted at all.
bool CountGivenNames(NameCounter& counter, std::string_view given) {
  if (given.empty() || IsNameSeparator(given.front())) return false;
  while (!given.empty()) {
    const size_t end = std::min(given.find(' '), given.find('-'));
    counter.Count(given.substr(0, end));
    if (end == std::string_view::npos) break;
    given.remove_prefix(end + 1);
  }
  return true;
}

// The first "1 FAMS" family of a person, when it exists and this pass has not had it yet.
store::FamilyRecord* FirstFamilyOnce(const RecordStore& store, LineNode* person, uint16_t pass) {
  const LineNode* fams = store::FindTagLine(person, "1 FAMS");
  if (fams == nullptr) return nullptr;
  const int number = store::XrefNumber(fams->text());
  if (number < 1 || number > store.highest_family()) return nullptr;
  store::FamilyRecord* family = store.family(number);
  if (family == nullptr || family->lines == nullptr || family->walkStamp == pass) return nullptr;
  family->walkStamp = pass;
  return family;
}

// The text a person adds to a last-name or place page; empty for none.
std::string PersonText(const RecordStore& store, int n, NameSource source, uint16_t pass) {
  LineNode* first = store.individual(n)->lines;
  switch (source) {
    case NameSource::kLastNames:
      return core::SurnameAndTitle(store, n);
    case NameSource::kBirthPlaces:
      return core::EventDetails(first, "1 BIRT", "1 BAPM", "1 CHR").place;
    case NameSource::kDeathPlaces:
      return core::EventDetails(first, "1 DEAT", "1 BURI", "1 CREM").place;
    case NameSource::kMarriagePlaces:
      if (const store::FamilyRecord* family = FirstFamilyOnce(store, first, pass)) {
        return core::EventDetails(family->lines, "1 MARR", "1 MARC", "1 MARL").place;
      }
      return {};
    case NameSource::kMenGivenNames:
    case NameSource::kWomenGivenNames:
      break;
  }
  return {};
}

}  // namespace

void NameCounter::Count(std::string_view text) {
  const auto& fold = core::FoldAccentsKeepCase();
  key_.resize(text.size());
  std::transform(text.begin(), text.end(), key_.begin(),
                 [&fold](char c) { return static_cast<char>(fold[static_cast<uint8_t>(c)]); });
  if (key_.size() < kShortestCounted) return;
  auto found = entries_.find(key_);
  if (found != entries_.end()) {
    ++found->second.count;
    return;
  }
  entries_.emplace(key_, Entry{1, static_cast<int>(entries_.size())});
}

std::vector<NameCount> NameCounter::Ranked(size_t limit) const {
  struct Node {
    const std::string* text;
    int count;
    int first_seen;
  };
  const std::string root = "N";
  std::vector<Node> nodes;
  nodes.reserve(entries_.size() + 1);
  nodes.push_back({&root, 0, kRootSeen});
  for (const auto& [text, entry] : entries_)
    nodes.push_back({&text, entry.count, entry.first_seen});
  // std::string orders by unsigned byte values.
  std::sort(nodes.begin(), nodes.end(),
            [](const Node& a, const Node& b) { return *a.text < *b.text; });

  // The tree over the sorted texts in which each parent was seen before its children.
  const size_t size = nodes.size();
  std::vector<int> left(size, -1), right(size, -1), spine;
  for (size_t i = 0; i < size; ++i) {
    int last = -1;
    while (!spine.empty() &&
           nodes[static_cast<size_t>(spine.back())].first_seen > nodes[i].first_seen) {
      last = spine.back();
      spine.pop_back();
    }
    left[i] = last;
    if (!spine.empty()) right[static_cast<size_t>(spine.back())] = static_cast<int>(i);
    spine.push_back(static_cast<int>(i));
  }

  // Pre-order: the node, its left subtree, its right subtree; the root is not listed.
  std::vector<const Node*> walk;
  walk.reserve(size);
  std::vector<int> pending = {spine.front()};
  while (!pending.empty()) {
    const size_t at = static_cast<size_t>(pending.back());
    pending.pop_back();
    if (nodes[at].first_seen != kRootSeen) walk.push_back(&nodes[at]);
    if (right[at] >= 0) pending.push_back(right[at]);
    if (left[at] >= 0) pending.push_back(left[at]);
  }
  std::stable_sort(walk.begin(), walk.end(),
                   [](const Node* a, const Node* b) { return a->count > b->count; });

  std::vector<NameCount> ranked;
  for (size_t i = 0; i < walk.size() && i < limit; ++i) {
    ranked.push_back({*walk[i]->text, walk[i]->count});
  }
  return ranked;
}

NameTally TallyNames(RecordStore& store, const std::vector<int>& people, NameSource source) {
  NameTally tally;
  NameCounter counter;
  const bool given = source == NameSource::kMenGivenNames || source == NameSource::kWomenGivenNames;
  const int sex = source == NameSource::kMenGivenNames ? 1 : 2;
  const uint16_t pass = store.NewWalkNumber();
  for (int n : people) {
    if (given) {
      if (core::SexOf(store, n) != sex) continue;
      if (CountGivenNames(counter, core::GivenNames(store, n, true))) ++tally.records_checked;
      continue;
    }
    const std::string text = PersonText(store, n, source, pass);
    if (text.empty()) continue;
    ++tally.records_checked;
    counter.Count(text);
  }
  tally.ranked = counter.Ranked(kStatsRankedRows);
  return tally;
}

}  // namespace kinloom::reports
