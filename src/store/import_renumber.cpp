#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/progress.h"
#include "store/decimal.h"
#include "store/import_passes.h"
#include "store/line_search.h"

namespace kinloom::store {
namespace {

constexpr size_t kLongestReference = 23;

// The first line of record n of the kind the letter names ('I', 'F' or 'S'); nullptr for an
// empty slot.
LineNode* FirstLineOf(const RecordStore& store, char letter, int n) {
  if (letter == 'I') {
    IndividualRecord* record = store.individual(n);
    return record != nullptr ? record->lines : nullptr;
  }
  if (letter == 'F') {
    FamilyRecord* record = store.family(n);
    return record != nullptr ? record->lines : nullptr;
  }
  return store.source(n);
}

int HighestOf(const RecordStore& store, char letter) {
  if (letter == 'I') return store.highest_individual();
  if (letter == 'F') return store.highest_family();
  return store.highest_source();
}

// The cross-reference a line names: the text after its first "@", up to and including the
// next "@", at most 23 characters.
std::string_view ReferenceOf(std::string_view text) {
  size_t at = text.find('@');
  if (at == std::string_view::npos) return {};
  std::string_view rest = text.substr(at + 1);
  size_t close = rest.find('@');
  size_t length = close == std::string_view::npos ? rest.size() : close + 1;
  return rest.substr(0, std::min(length, kLongestReference));
}

// The value of the first run of digits in the text; -1 when it has none.
long long FirstNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && !IsDecimalDigit(text[i])) ++i;
  if (i == text.size()) return -1;
  return ReadDigits(text, i, 100000000000000LL).value;
}

// Finds the new record of one kind that a file's cross-reference names, by binary search over
// the new records' first lines (on their texts or on their numbers), falling back to a search
// of every new record. The first lines must not change while the lookup is in use.
class XrefLookup {
 public:
  XrefLookup(const RecordStore& store, char letter, int first, bool by_text);

  // The table number of the record the reference names; 0 when none does.
  int Find(std::string_view reference) {
    if (reference.empty()) return 0;
    int found = by_text_ ? BinaryByText(reference) : BinaryByNumber(reference);
    return found > 0 ? found : Scan(reference);
  }

 private:
  // Record n's first line from its fourth character on (the text after "0 @"); nullptr for
  // an empty slot, a short line and the marker family, which no file names.
  const char* Key(int n) const {
    if (n == marker_) return nullptr;
    LineNode* line = FirstLineOf(store_, letter_, n);
    if (line == nullptr || line->size() < 3) return nullptr;
    return line->c_str() + 3;
  }

  int BinaryByText(std::string_view reference) const;
  int BinaryByNumber(std::string_view reference) const;
  int Scan(std::string_view reference);
  void BuildIndex();

  const RecordStore& store_;
  char letter_;
  int first_;
  int highest_;
  int marker_;
  bool by_text_;
  // For the numeric search: the number in each new record's first line, -1 for none.
  std::vector<long long> numbers_;
  bool indexed_ = false;
  // The new records by their own cross-references ("I12@"), for the fall-back.
  std::unordered_map<std::string_view, int> index_;
};

XrefLookup::XrefLookup(const RecordStore& store, char letter, int first, bool by_text)
    : store_(store),
      letter_(letter),
      first_(std::max(first, 1)),
      highest_(HighestOf(store, letter)),
      marker_(letter == 'F' && store.IsMarkerFamily(1) ? 1 : -1),
      by_text_(by_text) {
  if (by_text_ || highest_ < first_) return;
  numbers_.reserve(static_cast<size_t>(highest_ - first_ + 1));
  for (int n = first_; n <= highest_; ++n) {
    const char* key = Key(n);
    numbers_.push_back(key != nullptr ? FirstNumber(key) : -1);
  }
}

int XrefLookup::BinaryByText(std::string_view reference) const {
  int low = first_;
  int high = highest_;
  while (low <= high) {
    int middle = low + (high - low) / 2;
    const char* key = Key(middle);
    if (key == nullptr) return 0;
    int order = std::strncmp(key, reference.data(), reference.size());
    if (order == 0) return middle;
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return 0;
}

int XrefLookup::BinaryByNumber(std::string_view reference) const {
  const long long wanted = FirstNumber(reference);
  if (wanted < 0) return 0;
  int low = first_;
  int high = highest_;
  while (low <= high) {
    int middle = low + (high - low) / 2;
    const long long number = numbers_[static_cast<size_t>(middle - first_)];
    if (number < 0) return 0;
    if (number == wanted) return middle;
    if (number < wanted) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return 0;
}

// Compares the reference with every new record in turn; the first that matches wins. A
// complete reference ("I12@") is looked up in an index of the records' own references, which
// gives the same answer without a walk per reference.
int XrefLookup::Scan(std::string_view reference) {
  if (reference.back() == '@') {
    if (!indexed_) BuildIndex();
    auto found = index_.find(reference);
    return found != index_.end() ? found->second : 0;
  }
  for (int n = first_; n <= highest_; ++n) {
    const char* key = Key(n);
    if (key != nullptr && std::strncmp(key, reference.data(), reference.size()) == 0) return n;
  }
  return 0;
}

void XrefLookup::BuildIndex() {
  indexed_ = true;
  index_.reserve(static_cast<size_t>(std::max(highest_ - first_ + 1, 0)));
  for (int n = first_; n <= highest_; ++n) {
    const char* key = Key(n);
    const char* close = key != nullptr ? std::strchr(key, '@') : nullptr;
    if (close != nullptr) index_.emplace(std::string_view(key, close - key + 1), n);
  }
}

// Whether the new individuals' first lines are in strictly ascending byte order.
bool IndividualsAscend(const RecordStore& store, int first) {
  std::string_view previous;
  bool have_previous = false;
  for (int n = std::max(first, 1); n <= store.highest_individual(); ++n) {
    LineNode* line = FirstLineOf(store, 'I', n);
    if (line == nullptr) continue;
    if (have_previous && !(previous < line->text())) return false;
    previous = line->text();
    have_previous = true;
  }
  return true;
}

// Writes "@X%06d@" at `out` and returns the end.
char* PutXref(char* out, char letter, int number) {
  char digits[12];
  int count = 0;
  unsigned value = number > 0 ? static_cast<unsigned>(number) : 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  *out++ = '@';
  *out++ = letter;
  for (int pad = count; pad < 6; ++pad) *out++ = '0';
  while (count > 0) *out++ = digits[--count];
  *out++ = '@';
  return out;
}

// The line's text becomes its first `keep` characters followed by "@X%06d@".
void PointAt(RecordStore& store, LineNode* line, size_t keep, char letter, int number) {
  char text[32];
  std::memcpy(text, line->c_str(), keep);
  char* end = PutXref(text + keep, letter, number);
  store.arena().SetText(line, std::string_view(text, static_cast<size_t>(end - text)));
}

// "n SOUR @..." at any level.
bool IsSourceReference(std::string_view text) {
  return text.size() > 7 && text[0] >= '1' && text[0] <= '9' && text.substr(1, 7) == " SOUR @";
}

void RenumberSourceReference(RecordStore& store, LineNode* line, XrefLookup& sources) {
  PointAt(store, line, 7, 'S', sources.Find(ReferenceOf(line->text())));
}

// Rewrites the first line of a new record as "0 @X%06d@ TAG".
void RenumberFirstLine(RecordStore& store, LineNode* first, char letter, int n,
                       std::string_view tag) {
  char text[32] = "0 ";
  char* end = PutXref(text + 2, letter, n);
  *end++ = ' ';
  std::memcpy(end, tag.data(), tag.size());
  end += tag.size();
  store.arena().SetText(first, std::string_view(text, static_cast<size_t>(end - text)));
}

// A pass over the new records of one kind with its caption and bar.
template <typename Visit>
void ForEachNew(RecordStore& store, char letter, int first, const char* caption, Visit visit) {
  store.ui().ProgressShow(caption, "");
  const int start = std::max(first, 1);
  const int highest = HighestOf(store, letter);
  platform::ProgressTicker ticker(store.ui(), std::max(highest - start + 1, 0));
  for (int n = start; n <= highest; ++n) {
    ticker.Step();
    LineNode* line = FirstLineOf(store, letter, n);
    if (line != nullptr) visit(line, n);
  }
}

// The members and sources of the new families.
void RenumberFamilyLinks(RecordStore& store, int first_family, XrefLookup& people,
                         XrefLookup& sources) {
  ForEachNew(store, 'F', first_family, "Renumbering Individual Records", [&](LineNode* first, int) {
    for (LineNode* line = first->next; line != nullptr; line = line->next) {
      std::string_view text = line->text();
      if (text.starts_with("1 HUSB @") || text.starts_with("1 WIFE @") ||
          text.starts_with("1 CHIL @")) {
        PointAt(store, line, 7, 'I', people.Find(ReferenceOf(text)));
      } else if (IsSourceReference(text)) {
        RenumberSourceReference(store, line, sources);
      }
    }
  });
}

// The new individuals, their families and sources, then the new families' first lines.
void RenumberIndividuals(RecordStore& store, int first_individual, int first_family,
                         XrefLookup& families, XrefLookup& sources) {
  ForEachNew(store, 'I', first_individual, "Renumbering Family Records",
             [&](LineNode* first, int n) {
               RenumberFirstLine(store, first, 'I', n, "INDI");
               for (LineNode* line = first->next; line != nullptr; line = line->next) {
                 std::string_view text = line->text();
                 if (text.starts_with("1 FAMC @") || text.starts_with("1 FAMS @")) {
                   PointAt(store, line, 7, 'F', families.Find(ReferenceOf(text)));
                 } else if (IsSourceReference(text)) {
                   RenumberSourceReference(store, line, sources);
                 }
               }
             });
  const int highest = store.highest_family();
  for (int n = std::max(first_family, 1); n <= highest; ++n) {
    LineNode* first = FirstLineOf(store, 'F', n);
    if (first != nullptr) RenumberFirstLine(store, first, 'F', n, "FAM");
  }
}

}  // namespace

void RenumberNewRecords(RecordStore& store, int first_individual, int first_family,
                        int first_source) {
  const bool by_text = IndividualsAscend(store, first_individual);
  XrefLookup sources(store, 'S', first_source, by_text);
  {
    XrefLookup people(store, 'I', first_individual, by_text);
    RenumberFamilyLinks(store, first_family, people, sources);
  }
  {
    XrefLookup families(store, 'F', first_family, by_text);
    RenumberIndividuals(store, first_individual, first_family, families, sources);
  }
  ForEachNew(store, 'S', first_source, "Renumbering Source Records",
             [&](LineNode* first, int n) { RenumberFirstLine(store, first, 'S', n, "SOUR"); });
  store.set_tree_modified(true);
  store.ui().ProgressHide();
}

}  // namespace kinloom::store
