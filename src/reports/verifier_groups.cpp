// The checks over the whole tree: given names that belong to the other sex, and people that no
// family links to the rest of the tree.
#include <string>
#include <unordered_map>
#include <vector>

#include "core/queries.h"
#include "platform/progress.h"
#include "reports/verifier_run.h"
#include "store/folding.h"
#include "store/line_search.h"

namespace kinloom::reports::verifier {
namespace {

// Accented letters lose their accent and keep their case ("É" gives "E", "ß" gives "s").
std::string FoldKeepingCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) continue;
    auto folded = static_cast<unsigned char>(store::Fold(c));
    const bool capital = u >= 0xC0 && u <= 0xDE && u != 0xD7;
    if (capital && folded >= 'a' && folded <= 'z') folded = static_cast<unsigned char>(folded - 32);
    c = static_cast<char>(folded);
  }
  return out;
}

// The first word of the person's label: the given names up to a blank or comma, folded.
std::string FirstGivenName(const store::RecordStore& store, int record) {
  const std::string given = store::GivenNames(store, record);
  return FoldKeepingCase(std::string_view(given).substr(0, given.find_first_of(" ,")));
}

bool IsDescriptiveWord(std::string_view word) {
  static constexpr std::string_view kWords[] = {"infant",   "baby",    "male",    "female",
                                                "unknown",  "unnamed", "anonyme", "son",
                                                "daughter", "child",   "st",      "st."};
  for (std::string_view w : kWords) {
    if (w.size() != word.size()) continue;
    bool same = true;
    for (size_t i = 0; i < w.size() && same; ++i) {
      char c = word[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      same = c == w[i];
    }
    if (same) return true;
  }
  return false;
}

struct SexCounts {
  int men = 0;
  int women = 0;
};

}  // namespace

bool CheckGivenNamesAgainstSex(Run& run) {
  store::RecordStore& store = run.store();
  const int highest = store.highest_individual();
  store.ui().ProgressShow(kVerifyingProgress, "");
  platform::ProgressTicker ticker(store.ui(), highest);
  std::unordered_map<std::string, SexCounts> counts;
  std::vector<std::string> names(static_cast<size_t>(highest) + 1);
  std::vector<uint8_t> sexes(static_cast<size_t>(highest) + 1, 0);
  for (int n = 1; n <= highest; ++n) {
    if (run.CancelRequested()) return false;
    ticker.Step();
    if (store.individual(n) == nullptr) continue;
    names[n] = FirstGivenName(store, n);
    sexes[n] = static_cast<uint8_t>(core::SexOf(store, n));
    if (names[n].size() <= 1 || sexes[n] == 0) continue;
    SexCounts& c = counts[names[n]];
    (sexes[n] == 1 ? c.men : c.women)++;
  }
  for (int n = 1; n <= highest; ++n) {
    if (run.CancelRequested()) return false;
    if (sexes[n] == 0 || !run.Allowed(kErrorGenderCheck, n) || IsDescriptiveWord(names[n])) {
      continue;
    }
    auto found = counts.find(names[n]);
    if (found == counts.end()) continue;
    const SexCounts& c = found->second;
    if (sexes[n] == 1 && c.women > c.men) {
      run.Add(kErrorGenderCheck, n, "Check Gender", names[n] + " could be a Woman");
    } else if (sexes[n] == 2 && c.men > c.women) {
      run.Add(kErrorGenderCheck, n, "Check Gender", names[n] + " could be a Man");
    }
  }
  return true;
}

namespace {

// Adds the people of an individual's families to the walk: the families it is spouse or child
// in, and their husbands, wives and children.
void ReachRelatives(store::RecordStore& store, int person, uint16_t pass,
                    std::vector<int>& to_visit) {
  const store::IndividualRecord* individual = store.individual(person);
  if (individual == nullptr || individual->lines == nullptr) return;
  for (store::LineNode* line = individual->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS") && !store::HasTag(line->text(), "1 FAMC")) {
      continue;
    }
    store::FamilyRecord* family = store.family(store::XrefNumber(line->text()));
    if (family == nullptr || family->lines == nullptr || family->walkStamp == pass) continue;
    family->walkStamp = pass;
    for (store::LineNode* member = family->lines->next; member != nullptr && member->level() != '0';
         member = member->next) {
      const std::string_view text = member->text();
      if (!store::HasTag(text, "1 HUSB") && !store::HasTag(text, "1 WIFE") &&
          !store::HasTag(text, "1 CHIL")) {
        continue;
      }
      const int other = store::XrefNumber(text);
      store::IndividualRecord* relative = store.individual(other);
      if (relative == nullptr || relative->walkStamp == pass) continue;
      relative->walkStamp = pass;
      to_visit.push_back(other);
    }
  }
}

}  // namespace

bool CheckUnlinkedTrees(Run& run) {
  store::RecordStore& store = run.store();
  const int highest = store.highest_individual();
  const uint16_t pass = store.NewWalkNumber();
  platform::ProgressTicker ticker(store.ui(), highest);
  struct Group {
    int first;
    int size;
  };
  std::vector<Group> groups;
  std::vector<int> to_visit;
  for (int n = 1; n <= highest; ++n) {
    if (run.CancelRequested()) return false;
    ticker.Step();
    store::IndividualRecord* individual = store.individual(n);
    if (individual == nullptr || individual->walkStamp == pass) continue;
    individual->walkStamp = pass;
    int size = 0;
    to_visit.assign(1, n);
    while (!to_visit.empty()) {
      const int person = to_visit.back();
      to_visit.pop_back();
      ++size;
      ReachRelatives(store, person, pass, to_visit);
    }
    groups.push_back({n, size});
  }
  if (groups.size() <= 1) return true;
  for (const Group& g : groups) {
    if (run.Allowed(kErrorUnlinkedTree, g.first)) {
      run.Add(kErrorUnlinkedTree, g.first, "Unlinked Tree", UnlinkedTreeDescription(g.size));
    }
  }
  return true;
}

}  // namespace kinloom::reports::verifier
