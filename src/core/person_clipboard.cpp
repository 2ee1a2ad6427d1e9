#include "core/person_clipboard.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "store/charsets.h"
#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

using store::LineNode;

// The pasted text handed to the reader as if it were a file.
class TextSource final : public store::ByteSource {
 public:
  explicit TextSource(std::string text) : text_(std::move(text)) {}
  size_t Read(char* data, size_t size) override {
    const size_t n = std::min(size, text_.size() - at_);
    std::memcpy(data, text_.data() + at_, n);
    at_ += n;
    return n;
  }
  int error() const override { return 0; }

 private:
  std::string text_;
  size_t at_ = 0;
};

void AppendUtf8(std::string* out, std::string_view ansi) {
  for (char c : ansi) {
    const uint32_t code = store::InternalToCodePoint(static_cast<uint8_t>(c));
    if (code < 0x80) {
      *out += static_cast<char>(code);
    } else if (code < 0x800) {
      *out += static_cast<char>(0xC0 | (code >> 6));
      *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      *out += static_cast<char>(0xE0 | (code >> 12));
      *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  *out += '\n';
}

bool IsFamilyLink(std::string_view text) {
  return store::HasTag(text, "1 FAMC") || store::HasTag(text, "1 FAMS");
}

// The numbers of the records a level-n line points at with the tag ("SOUR", "NOTE").
void CollectPointers(const LineNode* first, std::string_view tag, std::vector<int>* numbers) {
  for (const LineNode* line = first; line != nullptr; line = line->next) {
    const std::string_view text = line->text();
    if (text.size() > 2 && text.substr(2, tag.size()) == tag && text.find('@') != text.npos) {
      const int n = store::XrefNumber(text);
      if (n > 0 && std::find(numbers->begin(), numbers->end(), n) == numbers->end()) {
        numbers->push_back(n);
      }
    }
  }
}

void AppendRecord(std::string* text, const LineNode* first) {
  for (const LineNode* line = first; line != nullptr; line = line->next) {
    AppendUtf8(text, line->text());
  }
}

// The NOTE record whose cross-reference is the pointer's ("@N12@" and the like).
const LineNode* NoteRecord(const store::RecordStore& store, std::string_view pointer) {
  for (const LineNode* note : store.note_records()) {
    if (note != nullptr && note->text().substr(2).starts_with(pointer)) return note;
  }
  return nullptr;
}

// A source's lines without its number and change stamp, for comparing two sources.
std::vector<std::string_view> SourceBody(const LineNode* first) {
  std::vector<std::string_view> body;
  for (const LineNode* line = first == nullptr ? nullptr : first->next; line != nullptr;
       line = line->next) {
    if (store::HasTag(line->text(), "1 CHAN")) {
      line = store::LastOfSubLines(const_cast<LineNode*>(line));
      continue;
    }
    body.push_back(line->text());
  }
  return body;
}

// Points the person's citations of source `from` at source `to`.
void Recite(store::RecordStore& store, int individual, int from, int to) {
  LineNode* first = family_ops::PersonLines(store, individual);
  const std::string old_xref = store::MakeXref('S', from);
  for (LineNode* line = first; line != nullptr; line = line->next) {
    const std::string_view text = line->text();
    const size_t at = text.find(old_xref);
    if (at == std::string_view::npos || text.substr(2, 4) != "SOUR") continue;
    std::string changed(text);
    changed.replace(at, old_xref.size(), store::MakeXref('S', to));
    store.arena().SetText(line, changed);
  }
}

int DeduplicateSources(store::RecordStore& store, const store::ReadResult& read,
                       const std::vector<int>& people) {
  int reused = 0;
  for (int s = read.first_new_source; s <= store.highest_source(); ++s) {
    const std::vector<std::string_view> body = SourceBody(store.source(s));
    if (store.source(s) == nullptr || body.empty()) continue;
    for (int old = 1; old < read.first_new_source; ++old) {
      if (store.source(old) == nullptr || SourceBody(store.source(old)) != body) continue;
      for (int person : people) Recite(store, person, s, old);
      store.DeleteSource(s);
      ++reused;
      break;
    }
  }
  while (store.highest_source() > 0 && store.source(store.highest_source()) == nullptr &&
         store.highest_source() >= read.first_new_source) {
    store.set_highest_source(store.highest_source() - 1);
  }
  return reused;
}

}  // namespace

std::string PersonClipboardText(const store::RecordStore& store, int individual) {
  const LineNode* first = family_ops::PersonLines(store, individual);
  if (first == nullptr) return {};
  std::string text =
      "0 HEAD\n1 SOUR KINLOOM_CLIPBOARD\n1 GEDC\n2 VERS 5.5\n2 FORM LINEAGE-LINKED\n1 CHAR "
      "UTF-8\n";
  for (const LineNode* line = first; line != nullptr; line = line->next) {
    if (IsFamilyLink(line->text())) {
      line = store::LastOfSubLines(const_cast<LineNode*>(line));
      continue;
    }
    AppendUtf8(&text, line->text());
  }
  std::vector<int> sources;
  CollectPointers(first->next, "SOUR", &sources);
  for (int s : sources) AppendRecord(&text, store.source(s));
  for (const LineNode* line = first->next; line != nullptr; line = line->next) {
    const std::string_view value = line->text();
    const size_t at = value.find(" NOTE @");
    if (at != 1) continue;
    const std::string_view pointer = value.substr(at + 6);
    if (const LineNode* note = NoteRecord(store, pointer)) AppendRecord(&text, note);
  }
  text += "0 TRLR\n";
  return text;
}

std::string MarkedAsUtf8(std::string_view text) {
  std::string out;
  bool in_header = false;
  bool marked = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const std::string_view bare = line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
    if (bare.starts_with("0 ")) {
      if (in_header && !marked) out += "1 CHAR UTF-8\n";
      in_header = bare == "0 HEAD";
      marked = marked || !in_header;
    } else if (in_header && store::HasTag(bare, "1 CHAR")) {
      out += "1 CHAR UTF-8\n";
      marked = true;
      // Its sub-lines ("2 VERS") go with it.
      while (start < text.size() && text[start] == '2') {
        end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
      }
      continue;
    }
    out += bare;
    out += '\n';
  }
  return out;
}

PasteResult PastePersonText(store::RecordStore& store, std::string_view text,
                            store::ReadSteps steps) {
  PasteResult result;
  // Only GEDCOM text goes to the reader, which would report anything else as a file.
  size_t start = text.find_first_not_of(" \t\r\n");
  if (start != std::string_view::npos && text.substr(start).starts_with("\xEF\xBB\xBF")) {
    start += 3;
  }
  if (start == std::string_view::npos || !text.substr(start).starts_with("0 HEAD")) {
    result.error = "The clipboard holds no GEDCOM text.";
    return result;
  }
  std::string bytes(text.substr(start));
  // Text from another program may lack the last line end; a HEAD without a trailer still reads.
  if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
  steps.open_file = [&bytes](const std::string&, int*) -> std::unique_ptr<store::ByteSource> {
    return std::make_unique<TextSource>(bytes);
  };
  store::ReadResult read = store::ReadTree(store, "Clipboard", true, steps);
  if (read.outcome != store::ReadOutcome::kRead) {
    result.error = read.outcome == store::ReadOutcome::kNotGedcom ||
                           read.outcome == store::ReadOutcome::kMissing
                       ? "The clipboard holds no GEDCOM text."
                       : "The clipboard text could not be read: " + read.error;
    return result;
  }
  for (int n = read.first_new_individual; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) result.people.push_back(n);
  }
  // Families are not pasted: only the people, without their links to families.
  for (int f = read.first_new_family; f <= store.highest_family(); ++f) {
    if (store.family(f) != nullptr && !store.IsMarkerFamily(f)) DeleteFamily(store, f);
  }
  {
    family_ops::EditScope scope(store);
    for (int person : result.people) {
      LineNode* first = family_ops::PersonLines(store, person);
      for (LineNode* line = first; line != nullptr && line->next != nullptr;) {
        if (IsFamilyLink(line->next->text())) {
          store::RemoveLineAndSubs(store, first, line);
        } else {
          line = line->next;
        }
      }
      family_ops::FileIndividual(store, person);
      scope.TouchPerson(person);
    }
  }
  if (result.people.empty()) {
    // Sources alone are no paste: the tree stays as it was.
    for (int s = read.first_new_source; s <= store.highest_source(); ++s) store.DeleteSource(s);
    store.set_highest_source(read.first_new_source - 1);
    result.error = "The clipboard text holds no individual.";
    return result;
  }
  result.sources_reused = DeduplicateSources(store, read, result.people);
  for (int s = read.first_new_source; s <= store.highest_source(); ++s) {
    if (store.source(s) != nullptr) ++result.sources_added;
  }
  result.dropped = std::move(read.dropped);
  result.pasted = true;
  store.set_tree_modified(true);
  return result;
}

}  // namespace kinloom::core
