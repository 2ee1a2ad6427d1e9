#include "store/dropped_lines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>

#include "store/line_conversion.h"

namespace kinloom::store {
namespace {

// "@I12@" of a level-0 line "0 @I12@ INDI"; empty when the line has none.
std::string_view CrossReference(std::string_view first_line) {
  if (first_line.size() < 4 || !first_line.starts_with("0 @")) return {};
  const size_t close = first_line.find('@', 3);
  if (close == std::string_view::npos) return {};
  return first_line.substr(2, close - 1);
}

constexpr size_t kBlockSize = 1 << 18;
constexpr unsigned char kRecordMark = 0x01;

size_t VarintSize(uint64_t value) {
  size_t size = 1;
  while (value >= 0x80) {
    value >>= 7;
    ++size;
  }
  return size;
}

char* PutVarint(char* out, uint64_t value) {
  while (value >= 0x80) {
    *out++ = static_cast<char>(0x80 | (value & 0x7F));
    value >>= 7;
  }
  *out++ = static_cast<char>(value);
  return out;
}

const char* GetVarint(const char* in, uint64_t* value) {
  *value = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*in++);
    *value |= static_cast<uint64_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return in;
  }
}

struct Naming {
  std::string_view tag;
  const char* one;
  const char* many;
};

// Readable names of the tags a file from another program most often loses.
constexpr Naming kTagNames[] = {
    {"CAUS", "cause of death", "causes of death"},
    {"EVEN", "custom event", "custom events"},
    {"FACT", "custom fact", "custom facts"},
    {"FILE", "picture file name", "picture file names"},
    {"FORM", "media format", "media formats"},
    {"OBJE", "picture", "pictures"},
    {"REPO", "repository", "repositories"},
    {"_UID", "unique identifier", "unique identifiers"},
    {"REFN", "reference number", "reference numbers"},
    {"RIN", "record number", "record numbers"},
    {"AGE", "age", "ages"},
    {"TYPE", "event type", "event types"},
    {"ADDR", "address", "addresses"},
    {"EMAIL", "e-mail address", "e-mail addresses"},
    {"EMAI", "e-mail address", "e-mail addresses"},
    {"WWW", "web address", "web addresses"},
    {"PHON", "phone number", "phone numbers"},
    {"CENS", "census", "censuses"},
    {"PROB", "probate", "probates"},
    {"DSCR", "physical description", "physical descriptions"},
    {"NCHI", "number of children", "numbers of children"},
    {"NMR", "number of marriages", "numbers of marriages"},
    {"IDNO", "identity number", "identity numbers"},
    {"CAST", "caste", "castes"},
    {"ASSO", "association", "associations"},
    {"SUBM", "submitter link", "submitter links"},
    {"ANCI", "research interest", "research interests"},
    {"DESI", "research interest", "research interests"},
    {"MAP", "map position", "map positions"},
    {"ROLE", "role", "roles"},
    {"DATA", "citation text", "citation texts"},
    {"TEXT", "text", "texts"},
    {"GIVN", "given name", "given names"},
    {"SURN", "surname", "surnames"},
    {"NPFX", "name prefix", "name prefixes"},
    {"SPFX", "surname prefix", "surname prefixes"},
    {"ROMN", "name variant", "name variants"},
    {"FONE", "name variant", "name variants"},
    {"STAT", "status", "statuses"},
    {"TEMP", "temple", "temples"},
    {"AGNC", "agency", "agencies"},
    {"RELA", "relationship", "relationships"},
    {"TITL", "title", "titles"},
    {"ALIA", "alias", "aliases"},
    {"ABBR", "abbreviation", "abbreviations"},
    {"NAME", "name", "names"},
    {"NOTE", "note", "notes"},
    {"SOUR", "source citation", "source citations"},
    {"DATE", "date", "dates"},
    {"PLAC", "place", "places"},
};

constexpr Naming kRecordNames[] = {
    {"SUBM", "submitter record", "submitter records"},
    {"SUBN", "submission record", "submission records"},
    {"REPO", "repository record", "repository records"},
    {"OBJE", "media record", "media records"},
};

const Naming* Find(std::string_view tag, const Naming* begin, const Naming* end) {
  const Naming* found =
      std::find_if(begin, end, [tag](const Naming& naming) { return naming.tag == tag; });
  return found != end ? found : nullptr;
}

// The readable name of what a dropped line held, counted `count` times.
std::string ThingName(DropReason reason, std::string_view tag, size_t count) {
  auto pick = [count](const char* one, const char* many) { return count == 1 ? one : many; };
  switch (reason) {
    case DropReason::kUnknownValue:
      return pick("unknown or empty date or place", "unknown or empty dates and places");
    case DropReason::kNotHappened:
      return pick("event marked as not having happened", "events marked as not having happened");
    case DropReason::kMissingNote:
      return pick("reference to a missing note", "references to missing notes");
    case DropReason::kUnusedNote:
      return pick("unused note", "unused notes");
    case DropReason::kSkippedRecord:
      return pick("record with a missing or repeated number",
                  "records with a missing or repeated number");
    case DropReason::kOtherRecord:
      if (const Naming* n = Find(tag, std::begin(kRecordNames), std::end(kRecordNames))) {
        return pick(n->one, n->many);
      }
      return std::string(tag) + pick(" record", " records");
    case DropReason::kNotKept:
    case DropReason::kNoPlace:
    case DropReason::kChanged:
      break;
  }
  if (const Naming* n = Find(tag, std::begin(kTagNames), std::end(kTagNames))) {
    return pick(n->one, n->many);
  }
  return std::string(tag) + pick(" line", " lines");
}

// The note written beside a line of the full list.
std::string LineNote(const DroppedLine& line) {
  switch (line.reason) {
    case DropReason::kNotKept:
    case DropReason::kNoPlace:
    case DropReason::kOtherRecord:
      return "not kept: " + ThingName(line.reason, line.tag(), 1);
    case DropReason::kUnknownValue:
      return "unknown value";
    case DropReason::kNotHappened:
      return "did not happen";
    case DropReason::kMissingNote:
      return "no such note in the file";
    case DropReason::kUnusedNote:
      return "no record refers to it";
    case DropReason::kSkippedRecord:
      return "missing or repeated number";
    case DropReason::kChanged:
      return "rewritten";
  }
  return {};
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// A text read in `charset` as UTF-8. A UTF-8 file's text is taken as it is, so that nothing
// outside the internal set is lost from the list.
std::string ToUtf8(Charset charset, std::string_view text) {
  if (charset == Charset::kUtf8 && IsUtf8(text)) return std::string(text);
  return InternalToUtf8(LineToInternal(charset, text));
}

int KindRank(char kind) {
  switch (kind) {
    case 'I':
      return 0;
    case 'F':
      return 1;
    case 'S':
      return 2;
    case 'N':
      return 3;
    default:
      return 4;
  }
}

// Records of the tree by number; records outside the tables each by the copy of their own
// cross-reference, which every record gets.
bool SameRecord(const DroppedLine& a, const DroppedLine& b) {
  if (a.kind != b.kind) return false;
  if (KindRank(a.kind) <= KindRank('S')) return a.number == b.number;
  return a.record.data() == b.record.data();
}

std::string RecordHeading(const DroppedLine& line) {
  const std::string xref(line.record);
  const std::string in_file = xref.empty() ? ":" : " (" + xref + " in the file):";
  switch (line.kind) {
    case 'I':
      return "Individual " + std::to_string(line.number) + in_file;
    case 'F':
      return "Family " + std::to_string(line.number) + in_file;
    case 'S':
      return "Source " + std::to_string(line.number) + in_file;
    case 'N':
      return xref.empty() ? "Note record:" : "Note record " + xref + ":";
    default:
      return xref.empty() ? "Other record:" : "Other record " + xref + ":";
  }
}

}  // namespace

std::string_view DroppedLine::tag() const {
  std::string_view rest = text.size() > 2 ? text.substr(2) : std::string_view();
  if (rest.starts_with('@')) {
    const size_t close = rest.find('@', 1);
    rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
    while (rest.starts_with(' ')) rest.remove_prefix(1);
  }
  return rest.substr(0, rest.find(' '));
}

void DroppedLines::SetRecord(char kind, int number, std::string_view first_line) {
  kind_ = kind;
  number_ = number;
  pending_record_ = CrossReference(first_line);
  record_written_ = false;
}

// The stream: a record is its mark, its kind, its number and its cross-reference; a line is a
// byte with the high bit, the reason and the sub-line flag, then its text. Sizes and numbers
// are written in seven-bit groups.
char* DroppedLines::Reserve(size_t size) {
  if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < size) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(size, kBlockSize));
  }
  std::string& block = blocks_.back();
  const size_t at = block.size();
  block.resize(at + size);  // within the capacity: the block never moves
  return block.data() + at;
}

void DroppedLines::PutRecord() {
  const auto number = static_cast<uint32_t>(number_);
  char* out =
      Reserve(2 + VarintSize(number) + VarintSize(pending_record_.size()) + pending_record_.size());
  *out++ = static_cast<char>(kRecordMark);
  *out++ = kind_;
  out = PutVarint(out, number);
  out = PutVarint(out, pending_record_.size());
  // An empty view may hold no pointer at all, which memcpy must not be given.
  if (!pending_record_.empty()) std::memcpy(out, pending_record_.data(), pending_record_.size());
  record_written_ = true;
}

void DroppedLines::Add(DropReason reason, std::string_view text, bool sub_line) {
  if (!record_written_) PutRecord();
  char* out = Reserve(1 + VarintSize(text.size()) + text.size());
  *out++ = static_cast<char>(0x80 | static_cast<unsigned>(reason) << 1 | (sub_line ? 1 : 0));
  out = PutVarint(out, text.size());
  if (!text.empty()) std::memcpy(out, text.data(), text.size());
  ++count_;
  if (reason == DropReason::kChanged) ++changed_;
}

void DroppedLines::AddLines(DropReason reason, const LineNode* first, const LineNode* rest) {
  for (const LineNode* line = first; line != nullptr && line != rest; line = line->next) {
    Add(reason, line->text(), line != first);
  }
}

void DroppedLines::ForEach(const std::function<void(const DroppedLine&)>& visit) const {
  DroppedLine line;
  for (const std::string& block : blocks_) {
    const char* in = block.data();
    const char* end = in + block.size();
    while (in < end) {
      const auto mark = static_cast<unsigned char>(*in++);
      uint64_t size = 0;
      if (mark == kRecordMark) {
        line.kind = *in++;
        uint64_t number = 0;
        in = GetVarint(in, &number);
        line.number = static_cast<int>(number);
        in = GetVarint(in, &size);
        line.record = std::string_view(in, size);
      } else {
        line.reason = static_cast<DropReason>((mark & 0x7F) >> 1);
        line.sub_line = (mark & 1) != 0;
        in = GetVarint(in, &size);
        line.text = std::string_view(in, size);
        visit(line);
      }
      in += size;
    }
  }
}

std::vector<DroppedLine> DroppedLines::All() const {
  std::vector<DroppedLine> lines;
  lines.reserve(count_);
  ForEach([&lines](const DroppedLine& line) { lines.push_back(line); });
  return lines;
}

std::string DroppedSummary(const DroppedLines& dropped) {
  struct Group {
    DropReason reason;
    std::string_view tag;
    size_t count;
  };
  std::vector<Group> groups;
  std::array<std::unordered_map<std::string_view, size_t>, 9> index;
  dropped.ForEach([&](const DroppedLine& line) {
    if (line.sub_line || line.reason == DropReason::kChanged) return;
    // Lines that have no place in the order are named like lines that are not kept.
    const DropReason reason =
        line.reason == DropReason::kNoPlace ? DropReason::kNotKept : line.reason;
    auto [at, added] = index[static_cast<size_t>(reason)].try_emplace(line.tag(), groups.size());
    if (added) groups.push_back(Group{reason, line.tag(), 0});
    ++groups[at->second].count;
  });
  std::stable_sort(groups.begin(), groups.end(),
                   [](const Group& a, const Group& b) { return a.count > b.count; });
  std::string text;
  for (const Group& group : groups) {
    text += text.empty() ? "Not carried over: " : ", ";
    text += std::to_string(group.count) + " " + ThingName(group.reason, group.tag, group.count);
  }
  if (!text.empty()) text += ".";
  if (const size_t changed = dropped.changed_count(); changed > 0) {
    if (!text.empty()) text += " ";
    text += "Changed to fit: " + std::to_string(changed) + (changed == 1 ? " line." : " lines.");
  }
  return text;
}

std::vector<std::string> DroppedLinesReport(const DroppedLines& dropped) {
  if (dropped.empty()) return {"Everything was carried over."};
  std::vector<std::string> lines = {DroppedSummary(dropped)};
  // By record, in the tree's order; the lines of a record keep the order they were found in.
  std::vector<DroppedLine> all = dropped.All();
  std::stable_sort(all.begin(), all.end(), [](const DroppedLine& x, const DroppedLine& y) {
    if (KindRank(x.kind) != KindRank(y.kind)) return KindRank(x.kind) < KindRank(y.kind);
    return x.number < y.number;
  });
  std::optional<DroppedLine> last;
  for (const DroppedLine& line : all) {
    if (!last || !SameRecord(line, *last)) {
      lines.emplace_back();
      lines.push_back(ToUtf8(dropped.charset(), RecordHeading(line)));
    }
    std::string text = (line.sub_line ? "    " : "  ") + ToUtf8(dropped.charset(), line.text);
    if (!line.sub_line) text += "   (" + LineNote(line) + ")";
    lines.push_back(std::move(text));
    last = line;
  }
  return lines;
}

}  // namespace kinloom::store
