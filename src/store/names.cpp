#include "store/names.h"

#include <cstdio>

#include "store/line_search.h"

namespace kinloom::store {
namespace {

// The lines names are made of, found in one pass over the record.
struct NameLines {
  bool has_record = false;
  LineNode* name = nullptr;   // the first "1 NAME"
  LineNode* title = nullptr;  // the first "1 TITL"
};

NameLines FindNameLines(const RecordStore& store, int individual) {
  NameLines found;
  IndividualRecord* record = store.individual(individual);
  found.has_record = record != nullptr && record->lines != nullptr;
  if (!found.has_record) return found;
  for (LineNode* line = record->lines->next; line != nullptr && LevelOf(line) != '0';
       line = line->next) {
    if (found.name == nullptr && HasTag(line->text(), "1 NAME")) found.name = line;
    if (found.title == nullptr && HasTag(line->text(), "1 TITL")) found.title = line;
    if (found.name != nullptr && found.title != nullptr) break;
  }
  return found;
}

std::string_view UpToLineEnd(std::string_view text) {
  size_t end = text.find_first_of("\r\n");
  return end == std::string_view::npos ? text : text.substr(0, end);
}

std::string_view NameValue(const NameLines& lines) {
  return lines.name == nullptr ? std::string_view()
                               : UpToLineEnd(LineValue(lines.name->text(), "1 NAME"));
}

std::string TrimRight(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string NumberSuffix(const char* format, int number) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, number);
  return buffer;
}

std::string GivenOf(const NameLines& lines, bool blank_if_none) {
  if (!lines.has_record) return "Invalid ID Number ";
  if (lines.name == nullptr) return "";
  std::string_view value = NameValue(lines);
  std::string given = TrimRight(value.substr(0, value.find('/')));
  if (given.empty() && !blank_if_none) return "Unknown";
  return given;
}

std::string SurnameOf(const NameLines& lines) {
  std::string_view value = NameValue(lines);
  size_t slash = value.find('/');
  if (slash == std::string_view::npos) return "";
  std::string_view rest = value.substr(slash + 1);
  return TrimRight(rest.substr(0, rest.find('/')));
}

std::string SurnameAndTitleOf(const NameLines& lines) {
  std::string surname = SurnameOf(lines);
  if (lines.title == nullptr || lines.title->size() < 8) return surname;
  std::string_view value = lines.title->text().substr(7);
  if (surname.empty()) return std::string(value);
  return surname + ", " + std::string(value);
}

}  // namespace

std::string GivenNames(const RecordStore& store, int individual, bool blank_if_none) {
  return GivenOf(FindNameLines(store, individual), blank_if_none);
}

std::string Surname(const RecordStore& store, int individual) {
  return SurnameOf(FindNameLines(store, individual));
}

std::string SurnameAndTitle(const RecordStore& store, int individual) {
  return SurnameAndTitleOf(FindNameLines(store, individual));
}

std::string IndexName(const RecordStore& store, int individual) {
  if (individual == 0) return "Unknown Individual (0)";
  // Built in one buffer: the search lists make one of these for every person of a tree.
  const NameLines lines = FindNameLines(store, individual);
  std::string key = SurnameAndTitleOf(lines);
  key += key.empty() ? "  " : ", ";
  if (!lines.has_record) {
    key += "Invalid ID Number ";
  } else if (lines.name != nullptr) {
    std::string_view value = NameValue(lines);
    value = value.substr(0, value.find('/'));
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    key += value.empty() ? std::string_view("Unknown") : value;
  }
  key += " (";
  key += std::to_string(individual);
  key += ')';
  return key;
}

std::string FullName(const RecordStore& store, int individual) {
  if (individual == 0) return "Unknown Individual (0)";
  return GivenNames(store, individual) + " " + SurnameAndTitle(store, individual);
}

int FamilyMember(const RecordStore& store, int family, std::string_view tag) {
  FamilyRecord* record = store.family(family);
  if (record == nullptr) return 0;
  LineNode* line = FindTagLine(record->lines, tag);
  return line == nullptr ? 0 : XrefNumber(line->text());
}

std::string ParentsLabel(const RecordStore& store, int family, const NameOperation& name) {
  std::string number = NumberSuffix("  (%d)", family);
  if (store.family(family) == nullptr) return "Invalid Record" + number;
  int husband = FamilyMember(store, family, "1 HUSB");
  int wife = FamilyMember(store, family, "1 WIFE");
  if (husband == 0 && wife == 0) return "No Parents" + number;
  std::string label;
  if (husband != 0) label = name(store, husband);
  if (husband != 0 && wife != 0) label += "  and  ";
  if (wife != 0) label += name(store, wife);
  return label + number;
}

}  // namespace kinloom::store
