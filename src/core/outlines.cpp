#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/generation_walks.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

constexpr int kPresentWidth = 5;
// "1 ALIA " alone: a longer line carries an alias.
constexpr size_t kEmptyAliasLength = 7;

bool Exists(const RecordStore& store, int individual) {
  return individual != 0 && store.individual(individual) != nullptr;
}

// Calls `visit(child, kind)` for every "1 CHIL" of the family, in line order, with the parent
// kind read below the child's own "1 FAMC" line for this family.
void ForEachChild(const RecordStore& store, int family,
                  const std::function<void(int, int)>& visit) {
  const store::FamilyRecord* record = store.family(family);
  if (record == nullptr || record->lines == nullptr) return;
  for (LineNode* line = store::FindTagLine(record->lines, "1 CHIL"); line != nullptr;
       line = store::FindTagLine(line->next, "1 CHIL")) {
    const int child = store::XrefNumber(line->text());
    const LineNode* famc = FindFamcLine(store, child, family);
    visit(child, famc != nullptr ? PediKindOf(famc) : kBirth);
  }
}

// Step children follow the parent they live with: a step-father's step children are listed
// under the mother, a step-mother's under the father.
bool ChildListed(int kind, bool from_female) {
  if (kind <= kAdoptMother) return true;
  if (kind == kStepFather) return from_female;
  if (kind == kStepMother) return !from_female;
  return false;
}

// Calls `visit(spouse_or_0, family)` for every "1 FAMS" family of the person that exists.
void ForEachSpouseFamily(const RecordStore& store, int individual,
                         const std::function<void(int, int)>& visit) {
  const store::IndividualRecord* person = store.individual(individual);
  if (person == nullptr) return;
  for (LineNode* line = store::FindTagLine(person->lines, "1 FAMS"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMS")) {
    const int family = store::XrefNumber(line->text());
    if (store.family(family) == nullptr) continue;
    const int spouse = OtherSpouse(store, family, individual);
    visit(Exists(store, spouse) ? spouse : 0, family);
  }
}

void ForEachListedChild(const RecordStore& store, int individual, int family,
                        const std::function<void(int)>& visit) {
  const bool from_female = SexOf(store, individual) == 2;
  ForEachChild(store, family, [&](int child, int kind) {
    if (Exists(store, child) && ChildListed(kind, from_female)) visit(child);
  });
}

// ---- Choosing the depth ----

// The entries one generation of walked people produces, and the people of the next generation.
// Counting stops adding once `budget` entries are reached.
using GenerationCounter =
    std::function<int(const std::vector<int>& people, int budget, std::vector<int>* next)>;

struct DepthChoice {
  int depth = 0;
  int counted = 0;
  int generations_tried = 0;
};

// Counts generation by generation until the entry limit or the setting is reached; the depth
// used is one generation less than the last one counted.
DepthChoice ChooseDepth(const RecordStore& store, int individual, int setting,
                        const GenerationCounter& count) {
  DepthChoice choice;
  std::vector<int> people;
  if (store.individual(individual) != nullptr) people.push_back(individual);
  std::vector<int> next;
  choice.counted = count(people, kOutlineEntryLimit, &next);
  int n = 0;
  while (choice.counted < kOutlineEntryLimit && n < setting) {
    ++n;
    people.swap(next);
    next.clear();
    choice.counted += count(people, kOutlineEntryLimit - choice.counted, &next);
  }
  choice.generations_tried = n;
  choice.depth = std::max(0, n - 1);
  return choice;
}

int CountAncestorGeneration(const RecordStore& store, const std::vector<int>& people, int budget,
                            std::vector<int>* next) {
  int entries = 0;
  for (size_t i = 0; i < people.size() && entries < budget; ++i, ++entries) {
    const Parents parents = FindParents(store, people[i]);
    if (Exists(store, parents.father)) next->push_back(parents.father);
    if (Exists(store, parents.mother)) next->push_back(parents.mother);
  }
  return entries;
}

int CountDescendantGeneration(const RecordStore& store, const std::vector<int>& people, int budget,
                              std::vector<int>* next) {
  int entries = 0;
  for (size_t i = 0; i < people.size() && entries < budget; ++i, ++entries) {
    ForEachSpouseFamily(store, people[i], [&](int spouse, int family) {
      if (spouse != 0) ++entries;
      ForEachListedChild(store, people[i], family, [&](int child) { next->push_back(child); });
    });
  }
  return entries;
}

std::string GenerationsHint(bool reached_maximum, int shown_generations) {
  if (reached_maximum) return " Reached Maximum Number of Generations";
  return " Viewing up to: " + std::to_string(shown_generations) +
         " Generations -- Click to Increase or Decrease";
}

Outline StartOutline(const DepthChoice& choice) {
  Outline outline;
  outline.generations = choice.depth;
  outline.reached_maximum =
      choice.counted > kOutlineHintLimit || choice.generations_tried >= kGenerationsMax;
  outline.hint = GenerationsHint(outline.reached_maximum, choice.depth + 1);
  return outline;
}

// ---- Building ----

struct OutlineBuilder {
  const RecordStore& store;
  int depth;
  Outline& outline;

  bool Full() const { return outline.entries.size() >= size_t{kOutlineEntryLimit}; }

  void Add(int individual, char mark, int generation, uint64_t mask) {
    OutlineEntry entry;
    entry.individual = individual;
    entry.mark = mark;
    entry.generation = generation;
    entry.line = static_cast<int>(outline.entries.size());
    entry.mask = mask;
    outline.entries.push_back(entry);
  }

  // Fathers above, mothers below. The connector at a person's own indentation continues
  // through the branch that lies between the person and their child.
  void Ancestors(int individual, char mark, int generation, uint64_t mask) {
    if (generation > depth || Full()) return;
    const Parents parents = FindParents(store, individual);
    const uint64_t bit = uint64_t{1} << generation;
    if (Exists(store, parents.father)) {
      Ancestors(parents.father, 'M', generation + 1, mark == 'F' ? mask | bit : mask & ~bit);
    }
    Add(individual, mark, generation, mask);
    if (Exists(store, parents.mother)) {
      Ancestors(parents.mother, 'F', generation + 1, mark == 'M' ? mask | bit : mask & ~bit);
    }
  }

  void Descendants(int individual, int generation) {
    if (generation > depth || Full()) return;
    Add(individual, 'I', generation, 0);
    ForEachSpouseFamily(store, individual, [&](int spouse, int family) {
      if (spouse != 0 && !Full()) Add(spouse, 'S', generation, 0);
      ForEachListedChild(store, individual, family,
                         [&](int child) { Descendants(child, generation + 1); });
    });
  }
};

int ClampSetting(int setting, int minimum) {
  return std::clamp(setting, minimum, kGenerationsMax);
}

}  // namespace

Outline BuildAncestorOutline(RecordStore& store, int individual, int setting) {
  const GenerationCounter count = [&store](const std::vector<int>& people, int budget,
                                           std::vector<int>* next) {
    return CountAncestorGeneration(store, people, budget, next);
  };
  const DepthChoice choice =
      ChooseDepth(store, individual, ClampSetting(setting, kAncestorGenerationsMin), count);
  Outline outline = StartOutline(choice);
  if (store.individual(individual) == nullptr) return outline;
  OutlineBuilder{store, choice.depth, outline}.Ancestors(individual, 'I', 0, 0);
  return outline;
}

Outline BuildDescendantOutline(RecordStore& store, int individual, int setting) {
  const GenerationCounter count = [&store](const std::vector<int>& people, int budget,
                                           std::vector<int>* next) {
    return CountDescendantGeneration(store, people, budget, next);
  };
  const DepthChoice choice =
      ChooseDepth(store, individual, ClampSetting(setting, kDescendantGenerationsMin), count);
  Outline outline = StartOutline(choice);
  if (store.individual(individual) == nullptr) return outline;
  OutlineBuilder{store, choice.depth, outline}.Descendants(individual, 0);
  return outline;
}

std::string OutlineText(const RecordStore& store, const OutlineEntry& entry, bool descendant) {
  const store::IndividualRecord* person = store.individual(entry.individual);
  if (person == nullptr) return {};
  std::string text;
  if (descendant) {
    text = entry.mark == 'S' ? "+  " : std::to_string(entry.generation + 1) + " ";
  }
  text += person->labelText.has_value() ? person->labelText.str()
                                        : PersonLabel(store, entry.individual);
  const LineNode* alias = store::FindTagLine(person->lines, "1 ALIA");
  if (alias != nullptr && alias->size() > kEmptyAliasLength) {
    text += "  (" + std::string(alias->text().substr(kEmptyAliasLength)) + ")";
  }
  if (person->birthWidth > kPresentWidth) text += "   " + person->birthText.str();
  if (person->deathWidth > kPresentWidth) text += "   " + person->deathText.str();
  return text;
}

}  // namespace kinloom::core
