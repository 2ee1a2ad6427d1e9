#include "files/search_sources.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>
#include <utility>

#include "files/side_file_lines.h"
#include "store/charsets.h"
#include "store/decimal.h"

namespace kinloom::files {
namespace {

constexpr std::string_view kEol = "\r\n";
// A key, a blank and a value of at most 253 characters.
constexpr size_t kFileLineLength = 255;
constexpr std::string_view kUtf8Marker = "char utf-8";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// ---- Values ---------------------------------------------------------------------------------

// The number a text starts with, after leading blanks; 0 when it starts with none. Numbers too
// large for an int stop at its limits.
int Decimal(std::string_view text) {
  const long long value = store::ReadSignedDecimal(text, static_cast<long long>(INT_MAX) + 1);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool Flag(std::string_view value) {
  return !value.empty() && value[0] == '1';
}

// A text as a field holds it: line breaks become blanks, the rest of an over-long text is cut
// and trailing blanks go.
std::string FieldText(std::string_view text, size_t length) {
  std::string out(text.substr(0, std::min(text.size(), length)));
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

SearchSite FieldSite(const SearchSite& site) {
  return {FieldText(site.name, kSearchSiteTextLength),
          FieldText(site.address, kSearchSiteTextLength)};
}

// ---- Reading --------------------------------------------------------------------------------

bool IsUtf8Marker(std::string_view line) {
  if (line.size() < kUtf8Marker.size()) return false;
  for (size_t i = 0; i < kUtf8Marker.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kUtf8Marker[i]) return false;
  }
  return true;
}

// Trailing line ends and blanks go, never the key; the value is converted when marked.
void PrepareLine(std::string& line, bool utf8) {
  while (line.size() > 1 && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) {
    line.pop_back();
  }
  if (utf8) store::DecodeUtf8(line, 2);
}

// The verifier's thresholds by key, with the range of each.
struct Threshold {
  char key;
  int VerifierSettings::*member;
  int low;
  int high;
};
constexpr Threshold kThresholds[] = {
    {'d', &VerifierSettings::death_age, 90, 125},
    {'e', &VerifierSettings::burial_days, 10, 1000},
    {'f', &VerifierSettings::marriage_age, 10, 20},
    {'g', &VerifierSettings::child_under_age, 10, 20},
    {'h', &VerifierSettings::mother_over_age, 40, 99},
    {'i', &VerifierSettings::father_over_age, 40, 99},
    {'j', &VerifierSettings::child_after_marriage, 20, 80},
    {'l', &VerifierSettings::child_before_marriage, 0, 20},
};

void ApplyVerifierKey(char key, std::string_view value, VerifierSettings& v) {
  const int n = Decimal(value);
  const auto capitals = static_cast<CapitalsCheck>(std::clamp(n, 0, 2));
  if (key == 'a') v.given_name_capitals = capitals;
  if (key == 'b') v.surname_capitals = capitals;
  if (key == 'c') v.date_capitals = capitals;
  if (key == 'k') v.checks = static_cast<uint32_t>(std::max(n, 0)) & VerifierSettings::kAllChecks;
  for (const Threshold& t : kThresholds) {
    if (t.key == key) v.*t.member = std::clamp(n, t.low, t.high);
  }
}

// The on-off options by key, in the order they are written; "$" goes after the first three.
using FlagMember = bool ProgramSettings::*;
constexpr std::pair<char, FlagMember> kFlags[] = {
    {'!', &ProgramSettings::surname_capitals}, {'@', &ProgramSettings::given_name_capitals},
    {'#', &ProgramSettings::date_capitals},    {'%', &ProgramSettings::parents_on_family_page},
    {'+', &ProgramSettings::profile_picture},  {'^', &ProgramSettings::hints},
    {'&', &ProgramSettings::notes_on_hover},   {')', &ProgramSettings::european_dates},
};
constexpr size_t kFlagsBeforeAutoSave = 3;

bool* FlagOf(char key, ProgramSettings& s) {
  for (const auto& [flag_key, member] : kFlags) {
    if (flag_key == key) return &(s.*member);
  }
  return nullptr;
}

void ApplySiteKey(char key, std::string_view value, std::vector<SearchSite>& sites) {
  if (key == '0') {
    sites.push_back({FieldText(value, kSearchSiteTextLength), ""});
    return;
  }
  // An address before any name still gets a row of its own.
  if (sites.empty()) sites.emplace_back();
  sites.back().address = FieldText(value, kSearchSiteTextLength);
}

void ApplyLine(std::string_view line, ProgramSettings& s) {
  if (line.empty()) return;
  const char key = line[0];
  const std::string_view value = line.size() > 2 ? line.substr(2) : std::string_view();
  if (bool* flag = FlagOf(key, s)) {
    *flag = Flag(value);
  } else if (key == '0' || key == '1') {
    ApplySiteKey(key, value, s.search_sites);
  } else if (key == '6') {
    s.backup_counter = std::max(Decimal(value), 0);
  } else if (key == '7') {
    s.backup_days = std::clamp(Decimal(value), 0, kBackupDaysMax);
  } else if (key == '9') {
    s.report_file_counter = std::max(Decimal(value), 0);
  } else if (key == '$') {
    s.auto_save = Flag(value);
    const std::string_view minutes = value.size() > 2 ? value.substr(2) : std::string_view();
    s.auto_save_minutes = std::clamp(Decimal(minutes), kAutoSaveMinutesMin, kAutoSaveMinutesMax);
  } else if (key == '*') {
    s.theme = FieldText(value, kStoredTextLength);
  } else if (key == '(') {
    s.language = FieldText(value, kStoredTextLength);
  } else if (key >= 'a' && key <= 'l') {
    ApplyVerifierKey(key, value, s.kept_verifier);
  }
}

// ---- Writing --------------------------------------------------------------------------------

void PutKey(std::string& out, char key, std::string_view value) {
  out += kEol;
  out += key;
  out += ' ';
  out += value;
}

void PutKey(std::string& out, char key, long long value) {
  PutKey(out, key, std::to_string(value));
}

void PutVerifier(std::string& out, const VerifierSettings& v) {
  PutKey(out, 'a', static_cast<int>(v.given_name_capitals));
  PutKey(out, 'b', static_cast<int>(v.surname_capitals));
  PutKey(out, 'c', static_cast<int>(v.date_capitals));
  for (const Threshold& t : kThresholds) PutKey(out, t.key, v.*t.member);
  PutKey(out, 'k', v.checks);
}

Status NamingFile(Status status, const std::string& path) {
  if (status.ok() || status.message().find(path) != std::string::npos) return status;
  return Status::IoError(path + ": " + status.message());
}

// ---- The grid -------------------------------------------------------------------------------

// The row after the last one in use; 0 when every row is empty.
size_t RowsInUse(const std::vector<SearchSite>& sites) {
  size_t end = sites.size();
  while (end > 0 && sites[end - 1].empty()) --end;
  return end;
}

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

std::string CapitalsText(CapitalsCheck check) {
  switch (check) {
    case CapitalsCheck::kAllCapitals:
      return "all capitals";
    case CapitalsCheck::kSomeLowerCase:
      return "some lower case";
    case CapitalsCheck::kIgnore:
      return "ignore";
  }
  return "ignore";
}

std::string ChecksText(const VerifierSettings& v) {
  if (v.checks == VerifierSettings::kAllChecks) return "all";
  if (v.checks == 0) return "none";
  std::string out;
  const int last = VerifierSettings::kFirstCheckedError + VerifierSettings::kCheckCount;
  for (int error = VerifierSettings::kFirstCheckedError; error < last; ++error) {
    if (!v.check_on(error)) continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(error);
  }
  return out;
}

void AddVerifierLines(const VerifierSettings& v, std::vector<std::string>& out) {
  out.push_back("verifier-given-name-capitals: " + CapitalsText(v.given_name_capitals));
  out.push_back("verifier-surname-capitals: " + CapitalsText(v.surname_capitals));
  out.push_back("verifier-date-capitals: " + CapitalsText(v.date_capitals));
  out.push_back("verifier-death-age: " + std::to_string(v.death_age));
  out.push_back("verifier-burial-days: " + std::to_string(v.burial_days));
  out.push_back("verifier-marriage-age: " + std::to_string(v.marriage_age));
  out.push_back("verifier-child-under-age: " + std::to_string(v.child_under_age));
  out.push_back("verifier-mother-over-age: " + std::to_string(v.mother_over_age));
  out.push_back("verifier-father-over-age: " + std::to_string(v.father_over_age));
  out.push_back("verifier-child-after-marriage: " + std::to_string(v.child_after_marriage));
  out.push_back("verifier-child-before-marriage: " + std::to_string(v.child_before_marriage));
  out.push_back("verifier-checks-on: " + ChecksText(v));
}

}  // namespace

void ApplySourcesText(std::string_view bytes, ProgramSettings* settings) {
  SideFileLines reader(bytes);
  ProgramSettings& next = *settings;
  next.search_sites.clear();
  bool utf8 = reader.transcoded_utf16();
  bool first = true;
  std::string line;
  std::string_view raw;
  while (reader.Next(&raw)) {
    if (first && raw.starts_with(kUtf8ByteOrderMark)) {
      raw.remove_prefix(kUtf8ByteOrderMark.size());
      utf8 = true;
    }
    line.assign(raw.substr(0, std::min(raw.size(), kFileLineLength)));
    if (std::exchange(first, false) && IsUtf8Marker(line)) {
      utf8 = true;
      continue;
    }
    PrepareLine(line, utf8);
    ApplyLine(line, next);
  }
  next.verifier = next.kept_verifier;
  next.sources_changed = false;
}

Status ReadSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                      ProgramSettings* settings) {
  std::string bytes;
  if (Status read = file_system.ReadFile(path, &bytes); !read.ok()) return read;
  ApplySourcesText(bytes, settings);
  return Status::Ok();
}

SourcesReadResult ReadSourcesWeb(const std::string& path, ProgramSettings* settings) {
  platform::LocalFileSystem file_system;
  const Status read = ReadSourcesWeb(file_system, path, settings);
  if (read.ok()) return SourcesReadResult::kRead;
  if (read.code() == Status::Code::kNotFound) return SourcesReadResult::kMissing;
  return SourcesReadResult::kUnreadable;
}

std::string SourcesWebText(const ProgramSettings& s) {
  std::string out;
  for (const SearchSite& row : s.search_sites) {
    const SearchSite site = FieldSite(row);
    out.append("0 ").append(site.name).append(kEol);
    out.append("1 ").append(site.address).append(kEol);
  }
  PutKey(out, '6', s.backup_counter);
  PutKey(out, '7', s.backup_days);
  PutKey(out, '9', s.report_file_counter);
  for (size_t i = 0; i < std::size(kFlags); ++i) {
    if (i == kFlagsBeforeAutoSave) {
      PutKey(out, '$', (s.auto_save ? "1 " : "0 ") + std::to_string(s.auto_save_minutes));
    }
    PutKey(out, kFlags[i].first, s.*kFlags[i].second ? "1" : "0");
  }
  PutKey(out, '*', FieldText(s.theme, kStoredTextLength));
  PutKey(out, '(', FieldText(s.language, kStoredTextLength));
  out += kEol;
  PutVerifier(out, s.verifier);
  return out;
}

Status WriteSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                       const ProgramSettings& settings) {
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (status.ok()) status = file->Append(SourcesWebText(settings));
  if (status.ok()) status = file->Commit();
  return NamingFile(std::move(status), path);
}

Status SaveSourcesWeb(platform::FileSystem& file_system, const std::string& path,
                      ProgramSettings* settings) {
  settings->kept_verifier = settings->verifier;
  Status status = WriteSourcesWeb(file_system, path, *settings);
  if (status.ok()) settings->sources_changed = false;
  return status;
}

bool AddSearchSite(ProgramSettings* settings, size_t selected, const SearchSite& site) {
  if (selected >= kSearchGridRowLimit) return false;
  std::vector<SearchSite>& sites = settings->search_sites;
  const size_t in_use = RowsInUse(sites);
  if (selected < in_use) {
    if (in_use == sites.size()) sites.emplace_back();
    std::rotate(sites.begin() + static_cast<std::ptrdiff_t>(selected),
                sites.begin() + static_cast<std::ptrdiff_t>(in_use),
                sites.begin() + static_cast<std::ptrdiff_t>(in_use) + 1);
  } else if (selected >= sites.size()) {
    sites.resize(selected + 1);
  }
  sites[selected] = FieldSite(site);
  settings->sources_changed = true;
  return true;
}

bool ModifySearchSite(ProgramSettings* settings, size_t row, const SearchSite& site) {
  if (row >= kSearchGridRowLimit) return false;
  std::vector<SearchSite>& sites = settings->search_sites;
  if (row >= sites.size()) sites.resize(row + 1);
  sites[row] = FieldSite(site);
  settings->sources_changed = true;
  return true;
}

bool DeleteSearchSite(ProgramSettings* settings, size_t row) {
  std::vector<SearchSite>& sites = settings->search_sites;
  if (row >= sites.size()) return false;
  sites.erase(sites.begin() + static_cast<std::ptrdiff_t>(row));
  settings->sources_changed = true;
  return true;
}

std::string DeleteSearchSiteQuestion(const SearchSite& site) {
  return "Remove this Search Source:\n\nName...: " + site.name + "\nAddress: " + site.address +
         "\n";
}

size_t MoveSearchSiteUp(ProgramSettings* settings, size_t row) {
  std::vector<SearchSite>& sites = settings->search_sites;
  if (row == 0 || row >= sites.size()) return row;
  std::swap(sites[row], sites[row - 1]);
  settings->sources_changed = true;
  return row - 1;
}

size_t MoveSearchSiteDown(ProgramSettings* settings, size_t row) {
  std::vector<SearchSite>& sites = settings->search_sites;
  if (row + 1 >= sites.size()) return row;
  std::swap(sites[row], sites[row + 1]);
  settings->sources_changed = true;
  return row + 1;
}

std::string SearchSiteLink(std::string_view address) {
  const size_t begin = address.find_first_not_of(' ');
  if (begin == std::string_view::npos) return "";
  address = address.substr(begin, address.find_last_not_of(' ') + 1 - begin);
  std::string link(address);
  std::string head = link.substr(0, 4);
  for (char& c : head) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return head == "http" ? link : "http://" + link;
}

std::vector<std::string> ProgramSettingLines(const ProgramSettings& s) {
  std::vector<std::string> out = {
      "backup-counter: " + std::to_string(s.backup_counter),
      "backup-days: " + std::to_string(s.backup_days),
      "report-file-counter: " + std::to_string(s.report_file_counter),
      "surname-capitals: " + OnOff(s.surname_capitals),
      "given-name-capitals: " + OnOff(s.given_name_capitals),
      "date-capitals: " + OnOff(s.date_capitals),
      "automatic-save: " + OnOff(s.auto_save),
      "automatic-save-minutes: " + std::to_string(s.auto_save_minutes),
      "parents-on-family-page: " + OnOff(s.parents_on_family_page),
      "profile-picture: " + OnOff(s.profile_picture),
      "hints: " + OnOff(s.hints),
      "notes-on-hover: " + OnOff(s.notes_on_hover),
      std::string("date-format: ") + (s.european_dates ? "European" : "American"),
      "theme: " + s.theme,
      "language: " + s.language,
  };
  AddVerifierLines(s.verifier, out);
  for (size_t row = 0; row < s.search_sites.size(); ++row) {
    const SearchSite& site = s.search_sites[row];
    if (site.empty()) continue;
    const std::string key = "search-site-" + std::to_string(row + 1);
    out.push_back(key + "-name: " + site.name);
    out.push_back(key + "-address: " + site.address);
  }
  return out;
}

}  // namespace kinloom::files
