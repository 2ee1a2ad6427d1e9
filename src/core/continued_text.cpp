#include "core/continued_text.h"

#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

std::vector<std::string> Pieces(std::string_view line, size_t width) {
  std::vector<std::string> pieces;
  while (line.size() > width) {
    size_t cut = width;
    while (cut > 1 && (line[cut - 1] == ' ' || line[cut] == ' ')) --cut;
    if (cut <= 1) cut = width;
    pieces.emplace_back(line.substr(0, cut));
    line.remove_prefix(cut);
  }
  pieces.emplace_back(line);
  return pieces;
}

bool IsContinuation(const store::LineNode* line) {
  return store::HasTag(line->text(), "2 CONT") || store::HasTag(line->text(), "2 CONC");
}

std::string WithValue(std::string_view tag, std::string_view value) {
  std::string text(tag);
  if (!value.empty()) text.append(" ").append(value);
  return text;
}

}  // namespace

std::vector<ContinuedLine> SplitContinued(std::string_view text, size_t width) {
  std::vector<ContinuedLine> lines;
  if (text.empty()) return lines;
  bool first_line = true;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    bool first_piece = true;
    for (std::string& piece : Pieces(line, width)) {
      std::string_view tag = first_piece ? (first_line ? "" : "2 CONT") : "2 CONC";
      lines.push_back({tag, std::move(piece)});
      first_piece = false;
    }
    first_line = false;
    start = end + 1;
  }
  return lines;
}

std::string JoinContinued(const store::LineNode* line, std::string_view tag) {
  if (line == nullptr) return {};
  std::string value(store::LineValue(line->text(), tag));
  for (const store::LineNode* sub = line->next; sub != nullptr && sub->level() > '1';
       sub = sub->next) {
    if (store::HasTag(sub->text(), "2 CONT")) {
      value += '\n';
      value += store::LineValue(sub->text(), "2 CONT");
    } else if (store::HasTag(sub->text(), "2 CONC")) {
      value += store::LineValue(sub->text(), "2 CONC");
    }
  }
  return value;
}

void RemoveContinuations(store::RecordStore& store, store::LineNode* first, store::LineNode* line) {
  store::LineNode* before = line;
  while (before->next != nullptr && before->next->level() > '1') {
    if (IsContinuation(before->next)) {
      store::RemoveLineAndSubs(store, first, before);
    } else {
      before = before->next;
    }
  }
}

void WriteContinued(store::RecordStore& store, store::LineNode* first, store::LineNode* line,
                    std::string_view tag, const std::vector<ContinuedLine>& pieces) {
  RemoveContinuations(store, first, line);
  store::ReplaceLineText(store, line, tag, pieces.empty() ? "" : pieces.front().value);
  store::LineNode* after = line;
  for (size_t i = 1; i < pieces.size(); ++i) {
    after = store::InsertLineAfter(store, after, WithValue(pieces[i].tag, pieces[i].value));
  }
}

}  // namespace kinloom::core
