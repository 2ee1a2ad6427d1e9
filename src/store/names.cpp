#include "store/names.h"

#include <cstdio>

#include "store/line_search.h"

namespace kinloom::store {
namespace {

std::string_view FirstNameValue(const RecordStore& store, int individual, bool* has_record) {
  IndividualRecord* record = store.individual(individual);
  *has_record = record != nullptr && record->lines != nullptr;
  if (!*has_record) return {};
  LineNode* name = FindTagLine(record->lines, "1 NAME");
  if (name == nullptr) return {};
  return LineValue(name->text(), "1 NAME");
}

std::string_view UpToLineEnd(std::string_view text) {
  size_t end = text.find_first_of("\r\n");
  return end == std::string_view::npos ? text : text.substr(0, end);
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

}  // namespace

std::string GivenNames(const RecordStore& store, int individual, bool blank_if_none) {
  bool has_record = false;
  std::string_view value = FirstNameValue(store, individual, &has_record);
  if (!has_record) return "Invalid ID Number ";
  IndividualRecord* record = store.individual(individual);
  if (FindTagLine(record->lines, "1 NAME") == nullptr) return "";
  value = UpToLineEnd(value);
  std::string given = TrimRight(value.substr(0, value.find('/')));
  if (given.empty() && !blank_if_none) return "Unknown";
  return given;
}

std::string Surname(const RecordStore& store, int individual) {
  bool has_record = false;
  std::string_view value = UpToLineEnd(FirstNameValue(store, individual, &has_record));
  size_t slash = value.find('/');
  if (slash == std::string_view::npos) return "";
  std::string_view rest = value.substr(slash + 1);
  return TrimRight(rest.substr(0, rest.find('/')));
}

std::string SurnameAndTitle(const RecordStore& store, int individual) {
  std::string surname = Surname(store, individual);
  IndividualRecord* record = store.individual(individual);
  if (record == nullptr) return surname;
  LineNode* title = FindTagLine(record->lines, "1 TITL");
  if (title == nullptr || title->size() < 8) return surname;
  std::string_view value = title->text().substr(7);
  if (surname.empty()) return std::string(value);
  return surname + ", " + std::string(value);
}

std::string IndexName(const RecordStore& store, int individual) {
  if (individual == 0) return "Unknown Individual (0)";
  std::string surname = SurnameAndTitle(store, individual);
  std::string separator = surname.empty() ? "  " : ", ";
  return surname + separator + GivenNames(store, individual) + NumberSuffix(" (%d)", individual);
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
